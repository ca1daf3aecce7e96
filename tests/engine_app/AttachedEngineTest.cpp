// The desktop engine attached to the running service: the same windows fed
// by the service's control channel, steering the service, never ending it.
#include <signal.h>
#include <unistd.h>

#include <QBrush>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeView>

#include "ControlWorld.h"
#include "EngineWindowWorld.h"
#include "core/Startup.h"
#include "core/UGlobals.h"
#include "engine/ControlProtocol.h"
#include "engine_app/FEngine.h"
#include "engine_app/FSideMenuEngine.h"
#include "engine_app/RemoteEngineControl.h"

namespace quill::test {
namespace {

class AttachedWindow : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        startService();
        dropManualFile("USR1.txt", "Sheet", {"alpha"});
        dropManualFile("USR2.txt", "Missing", {"beta"});
        ASSERT_TRUE(Until([&] { return status()["state"]["errorFiles"].toInt() == 1; }));
        ASSERT_EQ(chdir(world.programFolder().c_str()), 0);
        Folders.AppTitle = "QuillEngine";
        InitializeGlobals();
        std::string why;
        ASSERT_TRUE(control.Attach(socketPath(), why)) << why;
        window = std::make_unique<TfrmSideMenuEngine>(control, "1.2.3.4");
        window->show();
    }
    void TearDown() override {
        window.reset();
        FinalizeGlobals();
        Folders = TFolders{};
    }
    QTreeView* list() const { return window->EngineWindow()->List(); }
    QString cell(int row, int column, int role = Qt::DisplayRole) const {
        return list()->model()->index(row, column).data(role).toString();
    }
    bool servicePaused() const { return status()["state"]["paused"].toBool(); }

    TRemoteEngineControl control;
    std::unique_ptr<TfrmSideMenuEngine> window;
};

TEST_F(AttachedWindow, ShowsTheServicesRowsAndSaysSo) {
    const qint64 pid = service->pid();
    EXPECT_EQ(window->windowTitle(), "Quill - Labelprint Engine - 1.2.3.4 - QuillService");
    EXPECT_TRUE(window->EngineWindow()->AttachedText().startsWith(
        QString("This window shows the service QuillService (process %1)").arg(pid)))
        << window->EngineWindow()->AttachedText().toStdString();
    ASSERT_EQ(list()->model()->rowCount(), 2);
    EXPECT_EQ(cell(0, TQueueRowsModel::DesignColumn), "Sheet") << "designs in descending order";
    EXPECT_EQ(cell(0, TQueueRowsModel::AmountColumn), "1/4");
    EXPECT_EQ(cell(1, TQueueRowsModel::DesignColumn), "Missing");
    EXPECT_EQ(list()->model()->index(1, 0).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
    EXPECT_FALSE(list()->model()->index(0, 0).data(Qt::ForegroundRole).isValid());
    window->EngineWindow()->GoLastEvent();
    EXPECT_TRUE(window->EngineWindow()->StatusText().startsWith("Not printed")) << "the focused row's whole status";

    dropManualFile("USR3.txt", "Sheet", {"gamma"});
    EXPECT_TRUE(Until([&] { return cell(0, TQueueRowsModel::AmountColumn) == "2/4"; })) << "rows follow the service";
}

TEST_F(AttachedWindow, ButtonsSteerTheService) {
    ClickButton(window->EngineWindow(), "Pause");
    ASSERT_TRUE(Until([&] { return control.IsPaused(); }));
    EXPECT_TRUE(servicePaused());
    EXPECT_EQ(window->StatusPanel(2)->text(), "Paused");
    EXPECT_EQ(window->Tray().CurrentIcon(), TTrayIconKind::Paused);
    ClickButton(window->EngineWindow(), "Resume");
    ASSERT_TRUE(Until([&] { return !control.IsPaused(); }));
    EXPECT_FALSE(servicePaused());

    ClickButton(window->EngineWindow(), "Print Now");
    ASSERT_TRUE(Until([&] { return cell(0, TQueueRowsModel::StatusColumn).startsWith("Printed to"); }));
    EXPECT_EQ(pdfs().size(), 1u);

    // Retry: the dialog counts the service's Error folders; its work is done there.
    QString counted, summary;
    const QPointer<QTimer> dialog = WhenModal([&](QWidget* retry) {
        counted = retry->findChildren<QLabel*>().at(2)->text();
        WhenModal([&](QWidget* box) {
            summary = MessageText(box);
            ClickButton(box, "OK");
        }, retry);
        ClickButton(retry, "Retry");
    });
    ClickButton(window->EngineWindow(), "Retry");
    EXPECT_EQ(counted, "1") << "Manual Mode: the file of the missing design";
    EXPECT_TRUE(summary.startsWith("Number of labelfiles restored from backup-location:")) << summary.toStdString();
    EXPECT_NE(summary.indexOf("Manual mode: 1\n"), -1) << summary.toStdString();
    EXPECT_TRUE(Until([&] { return !servicePaused() && filesIn("data/labels/User/Error").size() == 1u; }))
        << "taken again by the running service";
}

TEST_F(AttachedWindow, ClosingHidesAndTheSessionsEndLeavesTheServiceRunning) {
    bool asked = false;
    const QPointer<QTimer> watch = WhenModal([&](QWidget* question) {
        asked = true;
        ClickButton(question, "Hide");
    });
    window->close();
    delete watch.data();
    EXPECT_FALSE(asked) << "no End for the service";
    EXPECT_TRUE(window->isMinimized() || !window->isVisible());
    EXPECT_FALSE(window->Ending());

    QSignalSpy ended(window.get(), &TfrmSideMenuEngine::ended);
    window->WMQueryEndSession();
    EXPECT_EQ(ended.count(), 1);
    const QJsonObject state = status()["state"].toObject();
    EXPECT_EQ(state["pid"].toInteger(), service->pid());
    EXPECT_EQ(state["collectedCopies"], 1) << "the service's task keeps collecting";
    EXPECT_TRUE(pdfs().empty());
}

TEST_F(AttachedWindow, FollowsTheServiceThroughARestart) {
    service->signal(SIGTERM);
    ASSERT_EQ(service->wait(), 0);
    ASSERT_TRUE(Until([&] { return window->EngineWindow()->AttachedText().startsWith("The service cannot be reached"); }));
    EXPECT_FALSE(window->EngineWindow()->List()->isEnabled());
    startService();
    EXPECT_TRUE(Until([&] {
        return window->EngineWindow()->AttachedText().contains(QString("(process %1)").arg(service->pid()));
    }, 10000));
    EXPECT_TRUE(window->EngineWindow()->List()->isEnabled());
    EXPECT_EQ(list()->model()->rowCount(), 0) << "the rows of the new run";
    dropManualFile("USR3.txt", "Sheet", {"gamma"});
    EXPECT_TRUE(Until([&] { return list()->model()->rowCount() == 1; }));
}

TEST_F(ControlTest, DesktopEngineStartedWhileTheServiceRunsShowsTheService) {
    startService();
    setenv("DISPLAY", ":97", 1);   // the offscreen platform draws without one
    EngineProcess desktop(world.root(), {});
    unsetenv("DISPLAY");
    EXPECT_TRUE(desktop.waitForError("the service runs; showing the service QuillService (process " +
                                     std::to_string(service->pid()) + ")"))
        << desktop.error();
    desktop.signal(SIGTERM);
    EXPECT_EQ(desktop.wait(), 0) << desktop.error();
    EXPECT_EQ(status()["state"]["pid"].toInteger(), service->pid());
    EXPECT_EQ(CountOf(log(), "QuillEngine START"), 1) << "no second engine started";
}

}  // namespace
}  // namespace quill::test
