#pragma once
// The printers a design can be given: the default printer, every CUPS
// destination and the built-in "PDF" printer, each with the resolution its
// symbols are laid out for.
#include <QString>
#include <vector>

#include "labelrender/PrinterSettings.h"

namespace quill::designer {

struct PrinterChoice {
    QString name;        // as the .lbp names it; empty: the default printer
    QString caption;     // as the list shows it
    int dotsPerInch = 0;   // 0: the printer does not say
    QString problem;     // why it will not print (refuses jobs, missing)
};

struct PrinterChoices {
    std::vector<PrinterChoice> printers;   // default first, PDF last
    QString schedulerProblem;              // the scheduler did not answer

    // Asks the scheduler now.
    static PrinterChoices Read();
    // The entry of exactly that name, added as missing when the scheduler
    // has no such destination.
    int IndexOf(const QString& name);
};

// Where a design's printer is kept: <design>.lbp beside it, or
// "default.lbp" in the design folder while the design file does not exist
// yet (a new design; its name is given to it once the design is saved).
QString PrinterSettingsFileFor(const QString& designFolder, const QString& designPath);

}  // namespace quill::designer
