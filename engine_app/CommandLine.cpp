#include "engine_app/CommandLine.h"

#include <strings.h>

namespace quill {

namespace {

bool IsSwitch(const std::string& arg, const char* word) {
    return arg.size() > 1 && (arg[0] == '-' || arg[0] == '/' || arg[0] == '\\') &&
           ::strcasecmp(arg.c_str() + 1, word) == 0;
}

}  // namespace

bool IsDebugSwitch(const std::string& arg) { return arg.size() > 1 && arg[0] != '\\' && IsSwitch(arg, "debug"); }

TServiceSwitch FindServiceSwitch(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (IsSwitch(arg, "INSTALL")) return TServiceSwitch::Install;
        if (IsSwitch(arg, "UNINSTALL")) return TServiceSwitch::Uninstall;
    }
    return TServiceSwitch::None;
}

std::optional<TRunOptions> ParseRunOptions(const std::vector<std::string>& args) {
    TRunOptions options;
    for (const std::string& arg : args) {
        if (arg == "--headless")
            options.Headless = true;
        else if (arg == "--service")
            options.Service = true;
        else if (arg == "--drain")
            options.Drain = true;
        else if (!IsDebugSwitch(arg))  // read by the help diagnostic log
            return std::nullopt;
    }
    if (options.Drain && options.Service) return std::nullopt;
    return options;
}

}  // namespace quill
