#pragma once
// The printer of a design: the default printer, a CUPS destination or the
// built-in "PDF" printer (with the resolution its symbols are laid out
// for), read from and written to the design's .lbp. The resolution of the
// chosen printer is shown, and what stops it printing.
#include <QWidget>

#include "designer/PrinterChoices.h"

class QComboBox;
class QLabel;
class QSpinBox;

namespace quill::designer {

class TPrinterChooser : public QWidget {
    Q_OBJECT
public:
    explicit TPrinterChooser(QWidget* parent = nullptr);

    // Asks the scheduler for its destinations again; the choice is kept.
    void Refresh();

    // Shows the printer of the file (the default printer when it is missing).
    void Load(const QString& lbpPath);
    // Writes the choice, keeping the file's copies; false when it cannot
    // be written.
    bool Save(const QString& lbpPath) const;

    labelrender::PrinterSettings Settings() const;
    void SetSettings(const labelrender::PrinterSettings& settings);
    // The dot grid symbols are laid out on; 0 when the printer does not say.
    int DotsPerInch() const;

    QComboBox* PrinterBox() const { return printer_; }
    QSpinBox* PdfResolutionBox() const { return pdfResolution_; }
    QLabel* ResolutionLabel() const { return resolution_; }
    QLabel* ProblemLabel() const { return problem_; }

signals:
    void PrinterChanged();

private:
    void Show();
    const PrinterChoice& Current() const;

    PrinterChoices choices_;
    labelrender::PrinterSettings settings_;
    QComboBox* printer_;
    QSpinBox* pdfResolution_;
    QLabel* resolution_;
    QLabel* problem_;
    bool updating_ = false;
};

}  // namespace quill::designer
