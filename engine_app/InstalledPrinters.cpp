#include "engine_app/InstalledPrinters.h"

#include <algorithm>

#include "labelrender/CupsPrinter.h"
#include "labelrender/PrinterSettings.h"

namespace quill {

QStringList InstalledPrinters() {
    std::vector<labelrender::cups::Destination> destinations;
    labelrender::cups::ListDestinations(destinations);
    QStringList printers{QString::fromLatin1(labelrender::kPdfPrinterName)};
    for (const auto& destination : destinations) printers << QString::fromStdString(destination.name);
    printers.removeDuplicates();
    std::sort(printers.begin(), printers.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return printers;
}

}  // namespace quill
