#include "designer/PrinterChoices.h"

#include <QDir>
#include <QFileInfo>

#include "labelrender/CupsPrinter.h"

namespace quill::designer {

namespace {

QString Resolution(int dpi) { return dpi > 0 ? QStringLiteral("%1 dpi").arg(dpi) : QStringLiteral("unknown resolution"); }

}  // namespace

PrinterChoices PrinterChoices::Read() {
    PrinterChoices choices;
    std::vector<labelrender::cups::Destination> destinations;
    const labelrender::Status status = labelrender::cups::ListDestinations(destinations);
    if (!status.ok()) choices.schedulerProblem = QString::fromStdString(status.message);
    PrinterChoice byDefault;
    byDefault.dotsPerInch = labelrender::kPdfPrinterDefaultDpi;   // without a default destination: PDF
    QString defaultName = QString::fromLatin1(labelrender::kPdfPrinterName);
    for (const auto& destination : destinations) {
        PrinterChoice choice;
        choice.name = choice.caption = QString::fromStdString(destination.name);
        choice.dotsPerInch = destination.dotsPerInch;
        if (!destination.acceptingJobs)
            choice.problem = QStringLiteral("refuses jobs") +
                             (destination.stateMessage.empty() ? QString()
                                                               : ": " + QString::fromStdString(destination.stateMessage));
        if (destination.isDefault) {
            defaultName = choice.name;
            byDefault.dotsPerInch = choice.dotsPerInch;
            byDefault.problem = choice.problem;
        }
        choices.printers.push_back(choice);
    }
    byDefault.caption = QStringLiteral("Default printer (%1)").arg(defaultName);
    choices.printers.insert(choices.printers.begin(), byDefault);
    PrinterChoice pdf;
    pdf.name = QString::fromLatin1(labelrender::kPdfPrinterName);
    pdf.caption = QStringLiteral("PDF (built-in, a file per job)");
    pdf.dotsPerInch = labelrender::kPdfPrinterDefaultDpi;
    choices.printers.push_back(pdf);
    for (PrinterChoice& choice : choices.printers)
        if (choice.name != pdf.name) choice.caption += QStringLiteral(" - ") + Resolution(choice.dotsPerInch);
    return choices;
}

int PrinterChoices::IndexOf(const QString& name) {
    for (std::size_t i = 0; i < printers.size(); ++i)
        if (printers[i].name == name) return static_cast<int>(i);
    // kept, so that opening a design never changes its printer unasked
    PrinterChoice missing;
    missing.name = name;
    missing.caption = name + QStringLiteral(" (not found)");
    missing.problem = QStringLiteral("no such printer (error -15 when printing)");
    printers.insert(printers.end() - 1, missing);
    return static_cast<int>(printers.size()) - 2;
}

QString PrinterSettingsFileFor(const QString& designFolder, const QString& designPath) {
    const QFileInfo design(designPath);
    const QString folder = designFolder.isEmpty() ? design.absolutePath() : designFolder;
    if (!design.exists()) return QDir(folder).filePath(QStringLiteral("default.lbp"));
    return QString::fromStdString(labelrender::PrinterSettingsPath(folder.toStdString(), designPath.toStdString()));
}

}  // namespace quill::designer
