#pragma once
// The switches of a quill-engine run.
#include <optional>
#include <string>
#include <vector>

namespace quill {

enum class TServiceSwitch { None, Install, Uninstall };

// "INSTALL" or "UNINSTALL" anywhere on the command line, introduced by
// "-", "/" or "\", letters in any case.
TServiceSwitch FindServiceSwitch(const std::vector<std::string>& args);

struct TRunOptions {
    bool Headless = false;   // no window, even with a display
    bool Service = false;
    bool Drain = false;
};

// "-debug" or "/debug", letters in any case.
bool IsDebugSwitch(const std::string& arg);

// --headless, --service, --drain and the debug switch (read by the help
// diagnostic log), in any order; nothing when another
// word is present or --drain is combined with --service.
std::optional<TRunOptions> ParseRunOptions(const std::vector<std::string>& args);

}  // namespace quill
