#include "engine_app/HeadlessRun.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <iostream>

#include <QCoreApplication>
#include <QGuiApplication>

#include "core/UGlobals.h"
#include "engine_app/EngineRun.h"
#include "engine_app/QuillService.h"
#include "engine_app/SignalWatcher.h"
#include "platform/FileOps.h"

namespace quill {

namespace {

// Without a login session (the service, cron, a shell by ssh) there is no
// runtime folder, and Qt would make /tmp/runtime-<user>: nothing outside the
// data root is ours to write, so it gets one in the site's Temp folder.
void UsePrivateRuntimeFolder() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) return;
    const std::string folder = DefaultTempLocation() + "runtime-" + std::to_string(::geteuid());
    platform::CreateFolders(folder);
    // Qt accepts only a folder that is the user's own and private
    if (::chmod(folder.c_str(), 0700) == 0) setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
}

int Refused(const std::string& reason) {
    std::cerr << "quill-engine: not started: " << reason << "\n";
    return ExitAlreadyRunning;
}

void Announce(const char* what) {
    std::cerr << "quill-engine: " << what << " running headless (process " << ::getpid()
              << "); SIGTERM or Ctrl-C ends it after printing the collected tasks\n";
}

int Drain(const std::string& version) {
    // SIGTERM or Ctrl-C: no further file is taken, the collected tasks print.
    TSignalWatcher watcher({SIGTERM, SIGINT});
    TEngineRun run(std::cout);
    std::string reason;
    if (!run.Begin(version, reason)) return Refused(reason);
    const TEngineRun::TDrainResult result = run.Drain([&watcher] { return watcher.TakeReceived(); });
    run.End();
    if (result.NotPrinted == 0 && result.FiledInError == 0) return 0;
    std::cerr << "quill-engine: " << result.NotPrinted << " task(s) not printed, " << result.FiledInError
              << " label file(s) filed in Error\n";
    return ExitFailed;
}

int RunEngine(QCoreApplication& app, const std::string& version) {
    // Before the start: a signal during a long start-up waits in the pipe.
    TSignalWatcher watcher({SIGTERM, SIGINT});
    TEngineRun run(std::cout);
    std::string reason;
    if (!run.Begin(version, reason)) return Refused(reason);
    QObject::connect(&watcher, &TSignalWatcher::received, &app, [&run] {
        if (run.End()) QCoreApplication::quit();
    });
    Announce("QuillEngine");
    return app.exec();
}

int RunService(QCoreApplication& app, const std::string& version) {
    TSignalWatcher watcher({SIGTERM, SIGINT});
    TQuillService service(std::cout);
    std::string reason;
    if (!service.ServiceExecute(version, reason)) return Refused(reason);
    QObject::connect(&watcher, &TSignalWatcher::received, &app, [&service](int signalNumber) {
        if (signalNumber == SIGTERM)
            service.ServiceStop();
        else
            service.ServiceShutdown();
        QCoreApplication::quit();
    });
    Announce("QuillService");
    return app.exec();
}

}  // namespace

int RunHeadless(const TRunOptions& options, const std::string& version, int& argc, char** argv) {
    // Fonts and the PDF writer of label rendering exist only in a
    // QGuiApplication; the offscreen platform needs no display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    UsePrivateRuntimeFolder();
    QGuiApplication app(argc, argv);
    Folders.AppTitle = options.Service ? "QuillService" : "QuillEngine";
    if (options.Service) return RunService(app, version);
    if (options.Drain) return Drain(version);
    return RunEngine(app, version);
}

}  // namespace quill
