#pragma once
// The engine's main window: a side-menu window that shows the queue window
// (or the settings page), owns the tray icon, hides itself one second after
// start and ends the engine in order. The engine itself is the run's
// (TEngineRun); this window only steers and shows it. Attached to the
// service's engine instead, it shows that one and never ends it: closing
// the window hides it.
#include <array>

#include <QDialog>
#include <QPointer>
#include <QTimer>

#include "engine_app/EngineControl.h"
#include "engine_app/EngineRun.h"
#include "engine_app/EngineTray.h"
#include "ui/BaseSideMenu.h"

class QAction;
class QLabel;
class QMenu;

namespace quill {

class TfrmEngine;
class TfrmEngineSettings;

class TfrmSideMenuEngine : public ui::TfrmBaseSideMenu {
    Q_OBJECT
public:
    static constexpr int IconTimerMs = 1000;
    static constexpr int HideTimerMs = 1000;
    static constexpr int PrintEngineCommand = 1;
    static constexpr int SystemSettingsCommand = 2;

    // `run` has begun; `version` has four parts.
    TfrmSideMenuEngine(TEngineRun& run, const QString& version, QWidget* parent = nullptr);
    // Attached to another process's engine (the service).
    TfrmSideMenuEngine(TEngineControl& attached, const QString& version, QWidget* parent = nullptr);
    ~TfrmSideMenuEngine() override;

    void Show1Click();
    void Hide1Click();
    void IconTimerTimer();
    void HideTimerTimer();
    void FExBarMenuItemClick(int command);
    // The session ends (or SIGTERM): end without asking, printing every collected task.
    void WMQueryEndSession();

    bool Ending() const { return ending_; }
    TfrmEngine* EngineWindow() const { return frmEngine_; }
    QWidget* SettingsWindow() const;
    TfrmEngineSettings* SettingsPage() const { return frmSettings_; }
    TEngineTray& Tray() { return tray_; }
    QMenu* ModesMenu() const { return modesMenu_; }
    QLabel* StatusPanel(int index) const { return panels_.at(static_cast<std::size_t>(index)); }
    const QTimer& IconTimer() const { return iconTimer_; }
    const QTimer& HideTimer() const { return hideTimer_; }

signals:
    // The engine has ended in order; the program may quit.
    void ended();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Esc in this dialog-based window closes it like the window's close button.
    void reject() override;

private:
    void BuildSideMenu();
    void BuildMenus();
    void BuildStatusBar();
    void ShowEngineWindow();
    void SyncModeChecks();
    // Hides into the tray, or minimises where there is no notification area.
    void HideToTray();
    void TrayAvailabilityChanged(bool available);
    void ShowPausedState(bool paused);
    void End();

    TEngineRun* run_ = nullptr;   // none when attached
    std::unique_ptr<TEngineControl> ownControl_;
    TEngineControl& core_;
    TEngineTray tray_;
    TfrmEngine* frmEngine_ = nullptr;
    TfrmEngineSettings* frmSettings_ = nullptr;
    QMenu* modesMenu_ = nullptr;
    QPointer<QDialog> question_;  // the end question while it is open
    std::array<QLabel*, 3> panels_{};
    QTimer iconTimer_;
    QTimer hideTimer_;
    bool ending_ = false;
    bool ended_ = false;
    bool toldNoTray_ = false;
};

}  // namespace quill
