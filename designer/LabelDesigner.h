#pragma once
// The label designer: the window LabelJob::LlDefineLayout opens on a design
// file, modally, and the hook that installs it.
#include <QPointer>
#include <map>
#include <memory>
#include <optional>
#include <set>

#include "designer/DesignDocument.h"
#include "designer/DesignerCommands.h"
#include "ui/BaseForms.h"

class QAction;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QTableView;
class QTimer;
class QVBoxLayout;

namespace quill::designer {

class CanvasView;
class DesignNotesModel;
class PropertyPanel;
class StockCatalogue;
class TPrinterChooser;
class TVariablesPane;

class TfrmLabelDesigner : public ui::TfrmBase {
    Q_OBJECT
public:
    // `job` carries the variables the program defined and the actions it
    // prohibited (LlDesignerProhibitAction: a CommandId's number; -1 is the
    // default set, which prohibits nothing).
    TfrmLabelDesigner(labelrender::LabelJob& job, const std::string& designPath, const QString& title,
                      QWidget* parent = nullptr);
    ~TfrmLabelDesigner() override;

    DesignDocument& document() { return document_; }
    CanvasView& canvasView() { return *canvasView_; }
    PropertyPanel& properties() { return *properties_; }
    TVariablesPane& variablesPane() { return *variables_; }
    TPrinterChooser& printerChooser() { return *printer_; }
    DesignNotesModel& notes() { return *notesModel_; }
    QAction* Action(CommandId id) const { return actions_.at(id); }
    // Runs the print check now instead of after the typing pause.
    void CheckNow();
    // Saves the design and its printer; false (after telling the user) when it could not.
    bool SaveDesign();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void BuildActions(const std::vector<int>& prohibited);
    void BuildMenusAndToolbar(QVBoxLayout* layout);
    QWidget* BuildSidePanel();
    void Run(CommandId id);
    void UpdateActions();
    void UpdateTitle();
    void Insert(const std::string& type);
    void Arrange(const QString& text, const std::function<std::vector<labelrender::DesignObject>(std::vector<labelrender::DesignObject>)>& how);
    void Nudge(int dxUm, int dyUm);
    void CopySelection();
    void Paste();
    void EditPage();
    void PrinterChanged();
    // true when the window may close (saved, discarded or unchanged)
    bool MayClose();

    DesignDocument document_;
    QString title_;
    CanvasView* canvasView_ = nullptr;
    PropertyPanel* properties_ = nullptr;
    TVariablesPane* variables_ = nullptr;
    TPrinterChooser* printer_ = nullptr;
    DesignNotesModel* notesModel_ = nullptr;
    QTableView* notesView_ = nullptr;
    QLineEdit* description_ = nullptr;
    QDoubleSpinBox* gridSize_ = nullptr;
    QLabel* zoomLabel_ = nullptr;
    QLabel* positionLabel_ = nullptr;
    QTimer* checkTimer_ = nullptr;
    std::map<CommandId, QAction*> actions_;
    std::set<CommandId> prohibited_;
    std::unique_ptr<StockCatalogue> catalogue_;
    bool toldReadOnly_ = false;
    bool closing_ = false;
};

// Installs the designer window into the label job (labelrender::InstallDesignerWindow).
void InstallLabelDesigner();

}  // namespace quill::designer
