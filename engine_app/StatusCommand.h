#pragma once
// quill-engine --status [--json], --pause, --resume, --print-now: talk to
// the running engine (the service, or a desktop or headless engine) through
// its control channel.
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include <QJsonObject>

namespace quill {

inline constexpr int ExitNoEngine = 4;       // no engine runs
inline constexpr int ExitAccessRefused = 5;  // this user may not reach it

// Nothing when `args` are not one of these commands; else the exit code:
// 0 done, 1 the engine did not do it, ExitNoEngine, ExitAccessRefused.
std::optional<int> RunControlCommand(const std::vector<std::string>& args, int& argc, char** argv,
                                     std::ostream& out, std::ostream& err);

// The reply to a status request for a person.
std::string DescribeStatus(const QJsonObject& status);

}  // namespace quill
