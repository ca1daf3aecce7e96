#pragma once
// The main window of both programs: the side-menu bar on the left, the
// insert panel showing one inner window on the right, a title strip above
// it, a toolbar of eight commands, a status bar and the File and Help menus.
#include <QImage>
#include <QPointer>
#include <array>
#include <functional>

#include "ui/BaseForms.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QStatusBar;
class QToolBar;
class QToolButton;

namespace quill::ui {

class TExBar;
class TInsertPanel;

// The toolbar commands in their order; the tag of each decides under which
// toolbar filters it shows.
enum class TToolbarAction { First, Previous, Next, Last, Delete, Rename, Copy, DeletePrinterSettings };
inline constexpr int ToolbarActionCount = 8;
int ToolbarTag(TToolbarAction action);   // 10, 10, 10, 10, 15, 15, 15, 21

class TfrmBaseSideMenu : public TfrmBase {
    Q_OBJECT
public:
    explicit TfrmBaseSideMenu(QWidget* parent = nullptr);
    ~TfrmBaseSideMenu() override;

    TExBar* ExBar() const { return exBar_; }
    // Skins for ExBar()->SetSkin, each 268 x 49.
    const QImage BlueImg, OliveImg, SilverImg;

    // Shows `window` in the insert panel and makes it current; the previous
    // one is closed. Showing the current window again does nothing.
    void ShowInnerWindow(QWidget* window);
    QWidget* CurrentInnerWindow() const { return current_; }
    QWidget* InsertPanel() const;
    QString InsertPanelText() const;
    QLabel* TitleLabel() const { return titleLabel_; }
    QLabel* TitlePicture() const { return titlePicture_; }

    // Toolbar: the action of each command, its handler slot (an empty
    // function clears it) and the filter: a command shows exactly when its
    // tag is divisible by the filter (1 all, 2 navigation, 5 navigation and
    // Delete/Rename/Copy, 11 none).
    QAction* ToolbarAction(TToolbarAction action) const;
    QToolButton* ToolbarButton(TToolbarAction action) const;
    void SetActionHandler(TToolbarAction action, std::function<void()> handler);
    bool HasActionHandler(TToolbarAction action) const;
    void SetToolbarFilter(int filter);
    int ToolbarFilter() const { return filter_; }
    QToolBar* ToolBar() const { return toolBar_; }

    // Menus: "&File" with "&Exit", "&Help" with "&About" and the user guide.
    // AddMenu puts a further menu in front of "&Help".
    QMenu* FileMenu() const { return fileMenu_; }
    QMenu* HelpMenu() const { return helpMenu_; }
    QMenu* AddMenu(const QString& title);
    // "Context Help (F1)" (the topic of the current inner window) and
    // `caption` (topic `context`) at the top of "&Help".
    void AddHelpCommands(const QString& caption, int context);
    QMenuBar* MenuBar() const { return menuBar_; }
    QAction* ActionExit() const { return actionExit_; }
    QAction* ActionAbout() const { return actionAbout_; }
    QAction* ActionUserGuide() const { return actionUserGuide_; }

    // Status bar: the simple text ("Vek" at first) until panels are added.
    QStatusBar* StatusBar() const { return statusBar_; }
    void SetSimpleText(const QString& text);
    QString SimpleText() const;
    QLabel* AddStatusPanel(int width);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildToolbar();
    void BuildMenus();
    void RunAction(TToolbarAction action);
    void RefreshIcons();

    TExBar* exBar_;
    TInsertPanel* insertPanel_;
    QLabel* titleLabel_;
    QLabel* titlePicture_;
    QToolBar* toolBar_;
    QMenuBar* menuBar_;
    QMenu* fileMenu_;
    QMenu* helpMenu_;
    QAction* actionExit_;
    QAction* actionAbout_;
    QAction* actionUserGuide_;
    QStatusBar* statusBar_;
    QLabel* simpleText_;
    std::array<QAction*, ToolbarActionCount> actions_{};
    std::array<std::function<void()>, ToolbarActionCount> handlers_{};
    QPointer<QWidget> current_;
    int filter_ = 0;
};

}  // namespace quill::ui
