#pragma once
// A real headless engine (the service) in the test's world, and clients of
// its control channel in the test process.
#include <functional>
#include <memory>
#include <vector>

#include <QJsonObject>

#include "EngineAppWorld.h"
#include "engine_app/ControlClient.h"

namespace quill::test {

class ControlTest : public EngineAppTest {
protected:
    // Manual served, tasks of Sheet (4 labels a page) waiting an hour.
    void startService(const std::string& extraIni = "");
    // quill-engine with `args`, to its end.
    EngineResult command(const std::vector<std::string>& args) const { return run(args); }
    // `--status --json`, parsed.
    const QJsonObject status() const;
    std::string socketPath() const { return world.path("data/QuillEngine.socket"); }

    std::unique_ptr<EngineProcess> service;
};

// Pumps the event loop until `done` says yes; false after `ms`.
bool Until(const std::function<bool()>& done, int ms = 15000);

// A subscribed client that keeps every event it is sent.
struct Subscriber {
    TControlClient client;
    QJsonObject snapshot;
    std::vector<QJsonObject> events;
    bool Subscribe(const std::string& path);
    // The statuses of the row events, in order ("rowAdded 0/4 New printer task ...").
    std::vector<std::string> RowEvents() const;
    QJsonObject LastState() const;
};

}  // namespace quill::test
