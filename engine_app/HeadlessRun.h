#pragma once
// The engine run without windows, in an offscreen QGuiApplication: until SIGTERM or
// SIGINT ends it in order, or (--drain) until every label file present has
// been processed.
#include <string>

#include "engine_app/CommandLine.h"

namespace quill {

inline constexpr int ExitFailed = 1;          // --drain: something was not printed
inline constexpr int ExitAlreadyRunning = 3;  // another engine holds the lock

// Returns the exit code. `argc` and `argv` go to the application object.
int RunHeadless(const TRunOptions& options, const std::string& version, int& argc, char** argv);

}  // namespace quill
