#include "engine_app/FSideMenuEngine.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenu>

#include "core/Logging.h"
#include "core/UGlobals.h"
#include "engine_app/FDlgEnd.h"
#include "engine_app/FEngine.h"
#include "engine_app/FEngineSettings.h"
#include "ui/ExBar.h"
#include "ui/Help.h"

namespace quill {

namespace {

constexpr const char* NoTrayText = "No notification area: the window is minimised instead of hidden";

struct TModeItem {
    const char* Caption;
    TMode Mode;
};
constexpr TModeItem ModeItems[] = {
    {"Manual", TMode::Manual},       {"Vek-Legacy", TMode::VekLegacy},    {"Corvane", TMode::Corvane},
    {"Corvane PWB", TMode::CorvanePWB}, {"Legacy", TMode::Legacy},       {"Direct Corvane", TMode::Direct},
    {"Direct Corvane ORS", TMode::DirectORS}, {"Corvane ORS", TMode::CorvaneORS},
};

}  // namespace

TfrmSideMenuEngine::TfrmSideMenuEngine(TEngineRun& run, const QString& version, QWidget* parent)
    : TfrmSideMenuEngine(*new TLocalEngineControl(*run.Core()), version, parent) {
    run_ = &run;
    ownControl_.reset(&core_);
}

TfrmSideMenuEngine::TfrmSideMenuEngine(TEngineControl& control, const QString& version, QWidget* parent)
    : ui::TfrmBaseSideMenu(parent), core_(control) {
    setWindowTitle("Quill - Labelprint Engine - " + version + (core_.Attached() ? " - QuillService" : ""));
    ui::InstallHelpSystem();
    tray_.Install();
    connect(&tray_, &TEngineTray::showRequested, this, [this] {
        Show1Click();
        raise();
        activateWindow();
    });
    connect(&tray_, &TEngineTray::hideRequested, this, &TfrmSideMenuEngine::Hide1Click);
    connect(&tray_, &TEngineTray::availabilityChanged, this, &TfrmSideMenuEngine::TrayAvailabilityChanged);

    frmEngine_ = new TfrmEngine(core_);
    ui::SetHelpContext(frmEngine_, TfrmEngine::HelpContext);
    connect(frmEngine_, &TfrmEngine::navigationWanted, this, [this](bool wanted) {
        const auto slot = [this, wanted](void (TfrmEngine::*go)()) {
            return wanted ? std::function<void()>([this, go] { (frmEngine_->*go)(); }) : std::function<void()>();
        };
        SetActionHandler(ui::TToolbarAction::First, slot(&TfrmEngine::GoFirstEvent));
        SetActionHandler(ui::TToolbarAction::Previous, slot(&TfrmEngine::GoPreviousEvent));
        SetActionHandler(ui::TToolbarAction::Next, slot(&TfrmEngine::GoNextEvent));
        SetActionHandler(ui::TToolbarAction::Last, slot(&TfrmEngine::GoLastEvent));
    });
    frmSettings_ = new TfrmEngineSettings(core_);

    BuildStatusBar();
    BuildMenus();
    connect(frmSettings_, &TfrmEngineSettings::modesMenuWanted, this, [this](bool enabled) {
        modesMenu_->setEnabled(enabled);
        SyncModeChecks();
    });
    connect(frmSettings_, &TfrmEngineSettings::storeShown, panels_[1], &QLabel::setText);
    ShowEngineWindow();
    SetToolbarFilter(2);

    connect(&core_, &TEngineControl::busy, this, [this] {
        tray_.ShowIcon(TTrayIconKind::Busy);
        if (!iconTimer_.isActive()) iconTimer_.start();
    });
    connect(&core_, &TEngineControl::pausedChanged, this, &TfrmSideMenuEngine::ShowPausedState);
    iconTimer_.setInterval(IconTimerMs);
    connect(&iconTimer_, &QTimer::timeout, this, &TfrmSideMenuEngine::IconTimerTimer);
    hideTimer_.setInterval(HideTimerMs);
    hideTimer_.setSingleShot(true);
    connect(&hideTimer_, &QTimer::timeout, this, &TfrmSideMenuEngine::HideTimerTimer);
    ShowPausedState(core_.IsPaused());
    iconTimer_.start();
    hideTimer_.start();

    BuildSideMenu();
    modesMenu_->setEnabled(false);
}

TfrmSideMenuEngine::~TfrmSideMenuEngine() {
    End();
    delete frmSettings_;
}

void TfrmSideMenuEngine::BuildSideMenu() {
    ui::TExGroup* options = ExBar()->Groups().AddGroup("Options", true);
    options->AddItem("Print Engine", "Print Engine", -1, PrintEngineCommand);
    options->AddItem("System Settings", "System Settings", -1, SystemSettingsCommand);
    connect(ExBar(), &ui::TExBar::OnMenuItemClick, this, &TfrmSideMenuEngine::FExBarMenuItemClick);
}

void TfrmSideMenuEngine::BuildMenus() {
    modesMenu_ = AddMenu("Modes");
    for (const TModeItem& item : ModeItems) {
        QAction* action = modesMenu_->addAction(item.Caption);
        action->setCheckable(true);
        connect(action, &QAction::toggled, this, [this, mode = item.Mode](bool checked) {
            Mode(mode).Visible = checked;
            frmSettings_->VisibleClick();
            SyncModeChecks();   // the last mode unticked brings Manual back
        });
    }
    connect(modesMenu_, &QMenu::aboutToShow, this, &TfrmSideMenuEngine::SyncModeChecks);
    AddHelpCommands("Help", 1001);
}

QWidget* TfrmSideMenuEngine::SettingsWindow() const { return frmSettings_; }

void TfrmSideMenuEngine::SyncModeChecks() {
    int i = 0;
    for (QAction* action : modesMenu_->actions()) {
        const QSignalBlocker quiet(action);
        action->setChecked(Mode(ModeItems[i++].Mode).Visible);
    }
}

void TfrmSideMenuEngine::BuildStatusBar() {
    panels_ = {AddStatusPanel(300), AddStatusPanel(200), AddStatusPanel(50)};
    panels_[0]->setText("Vek");
}

void TfrmSideMenuEngine::ShowPausedState(bool paused) {
    tray_.ShowIcon(paused ? TTrayIconKind::Paused : TTrayIconKind::Normal);
    panels_[2]->setText(paused ? "Paused" : "Checking for labels");
}

void TfrmSideMenuEngine::IconTimerTimer() {
    if (frmEngine_ && !core_.IsPaused()) tray_.ShowIcon(TTrayIconKind::Normal);
}

void TfrmSideMenuEngine::HideTimerTimer() {
    hideTimer_.stop();
    HideToTray();
}

void TfrmSideMenuEngine::ShowEngineWindow() {
    ShowInnerWindow(frmEngine_);   // closing the settings page resumes the engine
    SetToolbarFilter(2);
}

void TfrmSideMenuEngine::FExBarMenuItemClick(int command) {
    if (ended_) return;
    if (command == PrintEngineCommand) {
        ShowEngineWindow();
    } else if (command == SystemSettingsCommand) {
        if (CurrentInnerWindow() == frmSettings_) return;
        ShowInnerWindow(frmSettings_);
        SetToolbarFilter(11);
        frmSettings_->FormShow();
        core_.PauseEngine();
    }
}

void TfrmSideMenuEngine::Show1Click() {
    if (isVisible() && !isMinimized()) return;
    if (QWidget* inner = CurrentInnerWindow()) inner->show();
    showNormal();
}

void TfrmSideMenuEngine::Hide1Click() { HideToTray(); }

void TfrmSideMenuEngine::HideToTray() {
    if (ended_) return;
    if (CurrentInnerWindow() == frmSettings_) ShowEngineWindow();
    if (tray_.Available()) {
        if (QWidget* inner = CurrentInnerWindow()) inner->hide();
        hide();
        return;
    }
    // Hidden without a tray icon, the engine could not be reached again.
    panels_[1]->setText(NoTrayText);
    if (!toldNoTray_) AddLog(NoTrayText);
    toldNoTray_ = true;
    showMinimized();
}

void TfrmSideMenuEngine::TrayAvailabilityChanged(bool available) {
    if (!available) {
        // Whatever was hidden into the old tray must stay reachable.
        if (!isVisible()) HideToTray();
        return;
    }
    panels_[1]->clear();
    toldNoTray_ = false;
    AddLog("Notification area found: the tray icon is shown again");
}

void TfrmSideMenuEngine::reject() { close(); }

void TfrmSideMenuEngine::closeEvent(QCloseEvent* event) {
    if (!ending_ && core_.Attached()) {  // systemd stops the service, not this window
        event->ignore();
        HideToTray();
        return;
    }
    if (!ending_) {
        core_.PauseEngine();
        TfrmDlgEnd question(this);
        question_ = &question;
        const bool end = question.exec() == QDialog::Accepted;
        if (ended_) {  // the session ended while the question was open
            event->accept();
            return;
        }
        if (!end) {
            event->ignore();
            HideToTray();   // leaves the settings page (and its save question) first
            core_.ResumeEngine();
            return;
        }
        frmSettings_->FormClose(true);   // offers to save what was changed
    }
    End();
    event->accept();
}

void TfrmSideMenuEngine::WMQueryEndSession() {
    ending_ = true;
    close();
    End();  // also when the window was hidden and so had nothing to close
}

void TfrmSideMenuEngine::End() {
    if (ended_) return;
    ended_ = true;
    ending_ = true;
    if (question_) question_->reject();  // the session ends while it asks
    iconTimer_.stop();
    hideTimer_.stop();
    // Collected labels print while their rows can still be seen.
    // Attached, the service's engine is not ours to pause or end.
    if (run_) core_.PauseEngine();
    frmSettings_->FormClose(true, false);   // the session may be ending: no question
    if (run_) core_.PrintAllTasks();
    delete frmEngine_;
    frmEngine_ = nullptr;
    ui::FinalizeHelpSystem();
    if (run_) run_->End();
    emit ended();
}

}  // namespace quill
