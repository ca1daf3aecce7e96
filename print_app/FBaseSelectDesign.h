#pragma once
// The design list of one mode: a grid of its designs (or a tree of its
// locations with their designs) with description, date and sketch; designs
// without printer settings in red; descriptions edited in place; and the
// file commands Delete, Rename, Copy and Delete Printer Settings, which the
// main window's toolbar runs. The focused row is the current design.
#include <QPointer>
#include <string>

#include "core/UGlobals.h"
#include "print_app/DesignListFill.h"
#include "print_app/DesignListModel.h"
#include "ui/BaseForms.h"

class QLabel;
class QPlainTextEdit;
class QTreeView;

namespace quill {

namespace ui {
class TfrmBaseSideMenu;
}
class TDescriptionDelegate;

class TfrmBaseSelectDesign : public ui::TfrmBase {
    Q_OBJECT
public:
    static constexpr int SketchHeight = 200;

    // `host`: the main window whose toolbar runs this list's commands.
    TfrmBaseSelectDesign(TMode mode, const QString& caption, int helpContext, int toolbarFilter,
                         ui::TfrmBaseSideMenu* host);
    ~TfrmBaseSelectDesign() override;

    TMode ListMode() const { return mode_; }
    int ToolbarFilterNumber() const { return toolbarFilter_; }

    // Refills from the disk, keeping the current design; with `warn`, says
    // once when designs lack printer settings. Returns the design rows.
    int DesignsFillList(bool warn);

    // The current design: the focused row's.
    const std::string& CurrentDesignName() const { return current_.Name; }
    void SetCurrentDesignName(const std::string& name);
    const std::string& CurrentDesignFolder() const { return current_.DesignFolder; }
    const std::string& CurrentLabelFolder() const { return currentLabelFolder_; }
    bool HasDesigns() const { return hasDesigns_; }
    bool HasFocusedDesign() const;

    // Writes edited descriptions into their designs; `clear` forgets the marks.
    void SaveDescriptions(bool clear);
    // Around the designer, which may drop the description when it saves.
    void BeforeDesigner();
    void AfterDesigner();

    // Toolbar commands.
    void GoFirstEvent();
    void GoPreviousEvent();
    void GoNextEvent();
    void GoLastEvent();
    void FileListDelete();
    void FileListDeletePrinterSettings();
    void FileListRename();
    void FileListCopy();

    TDesignListModel& Model() { return model_; }
    QTreeView* dxFileList() const { return grid_; }
    QLabel* SketchPicture() const { return sketch_; }
    QPlainTextEdit* DescriptionBox() const { return description_; }

signals:
    // Enter in the grid (the Manual list prints with the current design).
    void enterPressed();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RegisterToolbar(bool on);
    void SetColumnWidths();
    void HideColumns();
    void WarnOfRedDesigns();
    void Focus(const QModelIndex& index);
    void CurrentRowChanged(const QModelIndex& index);
    // The focused design row, or nullptr on a location row or none.
    TDesignRow* FocusedDesign();
    // Copies the design's files and puts the copy's row into the grid.
    bool CopyDesignFile(const QModelIndex& source, const QModelIndex& destinationLocation,
                        const std::string& destinationFolder, const std::string& newName, bool overwrite);
    void CopyWithinFolder(const QModelIndex& source);
    void CopyToLocations(const QModelIndex& source);
    void RunLogged(const char* routine, const std::function<void()>& body);

    TMode mode_;
    int toolbarFilter_;
    ui::TfrmBaseSideMenu* host_;
    TDesignListModel model_;
    QTreeView* grid_;
    TDescriptionDelegate* delegate_;
    QLabel* sketch_;
    QPlainTextEdit* description_;
    TCurrentDesignKey current_;
    std::string currentLabelFolder_;
    QPersistentModelIndex currentRow_;
    bool hasDesigns_ = false;
    bool descriptionsEdited_ = false;
    bool filling_ = false;
};

}  // namespace quill
