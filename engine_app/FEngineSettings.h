#pragma once
// The engine's "System Settings" page: the folders of every visible mode,
// the Manual-mode barcode numbering, the engine's behaviour, logging and
// the matrix-printer shift options, on three tabs. The main window shows
// it (and pauses the engine); leaving it offers to save and resumes the
// engine. A view over TEngineSettingsModel.
#include <array>

#include <QWidget>

#include "engine_app/EngineControl.h"
#include "engine_app/EngineSettingsModel.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class QTabWidget;

namespace quill {

class TModeFolderGroup;
class TShiftPrinterGroup;

class TfrmEngineSettings : public QWidget {
    Q_OBJECT
public:
    static constexpr int HelpContext = 1075;
    static constexpr int AdditionalHelpContext = 1078;
    static constexpr int SpecialHelpContext = 1102;

    struct TAdditional {
        QSpinBox* BarcodeLength;
        QLineEdit* LastBarcode;
        QComboBox* CheckDigit;
        QCheckBox* Secondary;
        QSpinBox* OlderThan;
        QSpinBox* PrintDelay;
        QComboBox* Separator;
        QCheckBox* Backup;
        QButtonGroup* Logging;
        QButtonGroup* SortOn;
        QCheckBox* Workfile;
    };
    struct TSpecial {
        QCheckBox* UseSpecialMode;
        QButtonGroup* PrinterType;
        std::array<TShiftPrinterGroup*, 2> Printers;   // printer 2's is never shown
    };

    explicit TfrmEngineSettings(TEngineControl& core, QWidget* parent = nullptr);

    // Showing the page: re-reads the store and fills every control.
    void FormShow();
    // Leaving the page: asks to save when something changed (unless
    // `mayAsk` is false: the session ends), then resumes the engine unless
    // the program is ending. Does nothing when the page is not shown.
    void FormClose(bool programEnding = false, bool mayAsk = true);
    // The main window's Modes menu changed a mode's Visible.
    void VisibleClick();

    TEngineSettingsModel& Model() { return model_; }
    QTabWidget* Tabs() const { return tabs_; }
    TModeFolderGroup* ModeGroup(TMode mode) const;
    const TAdditional& Additional() const { return additional_; }
    const TSpecial& Special() const { return special_; }

signals:
    void modesMenuWanted(bool enabled);
    // The active store while the page is shown; empty when it is left.
    void storeShown(const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* BuildGeneralTab();
    QWidget* BuildAdditionalTab();
    QWidget* BuildBarcodeGroup();
    QWidget* BuildSecondaryGroup();
    QWidget* BuildAdditionalGroup();
    QWidget* BuildSpecialTab();
    void ConnectPrinter(TShiftPrinterGroup* group);
    void Layout();
    void FillGeneral();
    void FillAdditional();
    void FillSpecial();
    void ShowPrinterState(TShiftPrinterGroup* group);
    void AcceptBarcode();
    void OpenMultiFolders(TMode mode);
    // The texts of the General tab into the model.
    void TakeFolders();

    TEngineControl& core_;
    TEngineSettingsModel model_;
    QTabWidget* tabs_ = nullptr;
    std::array<TModeFolderGroup*, ModeCount> groups_{};
    QWidget* leftColumn_ = nullptr;
    QWidget* rightColumn_ = nullptr;
    TAdditional additional_{};
    TSpecial special_{};
    bool shown_ = false;
    bool accepting_ = false;
};

}  // namespace quill
