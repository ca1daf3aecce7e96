#include "engine_app/InstalledPrinters.h"

#include <algorithm>

#include "labelrender/CupsPrinter.h"
#include "labelrender/PrinterSettings.h"

namespace quill {

QStringList InstalledPrinters() {
    std::vector<std::string> names;
    labelrender::cups::ListDestinations(names);
    QStringList printers{QString::fromLatin1(labelrender::kPdfPrinterName)};
    for (const std::string& name : names) printers << QString::fromStdString(name);
    printers.removeDuplicates();
    std::sort(printers.begin(), printers.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return printers;
}

}  // namespace quill
