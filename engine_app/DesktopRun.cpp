#include "engine_app/DesktopRun.h"

#include <signal.h>

#include <cstdlib>
#include <iostream>

#include <QApplication>
#include <QSessionManager>

#include "core/UGlobals.h"
#include "engine_app/AttachedRun.h"
#include "engine_app/EngineRun.h"
#include "engine_app/FSideMenuEngine.h"
#include "engine_app/HeadlessRun.h"
#include "engine_app/SignalWatcher.h"
#include "ui/FPreview.h"
#include "ui/ProgramVersion.h"

namespace quill {

bool HasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"})
        if (const char* value = std::getenv(name); value && *value) return true;
    return false;
}

int RunDesktop(const std::string& version, int& argc, char** argv) {
    QApplication app(argc, argv);
    // Hidden into the tray, the window is not closed: only "End" ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationVersion(QString::fromStdString(version));
    Folders.AppTitle = "QuillEngine";
    // PreviewAll shows the labels on the screen before they print
    ui::InstallPreviewWindowHook();
    TSignalWatcher watcher({SIGTERM, SIGINT});
    TEngineRun run(std::cout);
    const QString fileVersion = ui::FourPartVersion(QString::fromStdString(version));
    std::string reason;
    if (!run.Begin(fileVersion.toStdString(), reason)) {
        if (const std::optional<int> attached = RunAttached(fileVersion, watcher)) return *attached;
        std::cerr << "quill-engine: not started: " << reason << "\n";
        return ExitAlreadyRunning;
    }
    TfrmSideMenuEngine window(run, fileVersion);
    QObject::connect(&window, &TfrmSideMenuEngine::ended, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    QObject::connect(&watcher, &TSignalWatcher::received, &window, &TfrmSideMenuEngine::WMQueryEndSession);
    // The session ends: agreed to at once, the engine ends without the question.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { window.WMQueryEndSession(); });
    window.show();
    return app.exec();
}

}  // namespace quill
