#pragma once
// The desktop engine started while the service runs: instead of a second
// engine, the tray icon and queue window of the service's engine, fed by
// its control channel, until the session ends (or SIGTERM, SIGINT).
#include <optional>

#include <QString>

namespace quill {

class TSignalWatcher;

// Runs the attached windows and returns the exit code; nothing, without
// having shown anything, when no service's engine answers.
std::optional<int> RunAttached(const QString& fileVersion, TSignalWatcher& watcher);

}  // namespace quill
