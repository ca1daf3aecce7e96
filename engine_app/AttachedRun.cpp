#include "engine_app/AttachedRun.h"

#include <iostream>

#include <QApplication>
#include <QSessionManager>

#include "core/Startup.h"
#include "engine/ControlProtocol.h"
#include "engine_app/FSideMenuEngine.h"
#include "engine_app/RemoteEngineControl.h"
#include "engine_app/SignalWatcher.h"

namespace quill {

std::optional<int> RunAttached(const QString& fileVersion, TSignalWatcher& watcher) {
    // The site's settings: the windows show the modes and help as configured.
    InitializeGlobals();
    TRemoteEngineControl service;
    std::string why;
    const bool attached = service.Attach(control::SocketPath(), why);
    if (!attached || service.State().value("program").toString() != "QuillService") {
        if (!attached && service.Failure() == TControlClient::TFailure::AccessRefused)
            std::cerr << "quill-engine: cannot show the service's windows: " << why << "\n";
        FinalizeGlobals();
        return std::nullopt;
    }
    std::cerr << "quill-engine: the service runs; showing " << service.Describe().toStdString() << "\n";
    int code = 0;
    {
        TfrmSideMenuEngine window(service, fileVersion);
        QObject::connect(&window, &TfrmSideMenuEngine::ended, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        QObject::connect(&watcher, &TSignalWatcher::received, &window, &TfrmSideMenuEngine::WMQueryEndSession);
        QObject::connect(qApp, &QGuiApplication::commitDataRequest, &window,
                         [&window](QSessionManager&) { window.WMQueryEndSession(); });
        window.show();
        code = QApplication::exec();
    }
    FinalizeGlobals();
    return code;
}

}  // namespace quill
