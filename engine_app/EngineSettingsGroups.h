#pragma once
// The repeated parts of the engine's settings page: one mode's folder group
// on the "General" tab, and one shift printer's settings with its example
// values on the "Special" tab.
#include <array>

#include <QGroupBox>
#include <QStringList>

#include "core/UGlobals.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace quill {

struct TLabelExample;

// "Label Design Files" and "Label Files" (and for Manual "Text Files"),
// each a read-only text with a browse button, and for the modes with a
// multi-folder list the button "Multi Design Folders".
class TModeFolderGroup : public QGroupBox {
    Q_OBJECT
public:
    TModeFolderGroup(TMode mode, const QString& title, QWidget* parent = nullptr);

    TMode ModeOf() const { return mode_; }
    QLineEdit* DesignFolder() const { return design_; }
    QLineEdit* FileFolder() const { return file_; }
    QLineEdit* TextFolder() const { return text_; }   // Manual only
    QPushButton* DesignBrowse() const { return designBrowse_; }
    QPushButton* FileBrowse() const { return fileBrowse_; }
    QPushButton* MultiFolders() const { return multi_; }   // null without a list
    // A multi-folder list replaces the mode's own folder pair.
    void SetFolderPairEnabled(bool enabled);

signals:
    void folderChosen();   // a browse button replaced a text
    void multiFoldersClicked();

private:
    QPushButton* AddFolderRow(const QString& caption, QLineEdit*& edit);

    TMode mode_;
    QLineEdit* design_ = nullptr;
    QLineEdit* file_ = nullptr;
    QLineEdit* text_ = nullptr;
    QPushButton* designBrowse_ = nullptr;
    QPushButton* fileBrowse_ = nullptr;
    QPushButton* multi_ = nullptr;
    int rows_ = 0;
};

// "Settings - Printer-N" beside "Example - Label Layout Settings" and
// "Example - Custom Size Settings".
class TShiftPrinterGroup : public QWidget {
    Q_OBJECT
public:
    TShiftPrinterGroup(int printer, const QString& driverNote, QWidget* parent = nullptr);

    int Printer() const { return printer_; }
    QComboBox* PrinterList() const { return printerList_; }
    QSpinBox* Delay() const { return delay_; }
    QComboBox* LabelList() const { return labelList_; }
    QCheckBox* UsePageShift() const { return usePageShift_; }
    QPushButton* ResetPosition() const { return reset_; }
    // The example values as shown, row by row: Offset, Size, Distance,
    // Number (horizontal, vertical), then width and height.
    QStringList ExampleTexts() const;

    // The installed printers, with `port` selected when it is one of them
    // (else the first).
    void FillPrinters(const QStringList& printers, const QString& port);
    // The label stocks of LABELS.INI, with `index` selected (-1 none).
    void FillLabels(const QStringList& descriptions, int index);
    void ShowExample(const TLabelExample& example);
    void ClearExample();
    void SetControlsEnabled(bool useShift, bool positionSet);

private:
    QWidget* BuildSettings();
    QWidget* BuildLayoutExample();
    QWidget* BuildCustomSizeExample(const QString& driverNote);

    int printer_;
    QComboBox* printerList_ = nullptr;
    QSpinBox* delay_ = nullptr;
    QComboBox* labelList_ = nullptr;
    QCheckBox* usePageShift_ = nullptr;
    QPushButton* reset_ = nullptr;
    std::array<QLabel*, 10> example_{};   // as ExampleTexts orders them
};

}  // namespace quill
