#pragma once
// The engine as a desktop program: the tray window over the running engine,
// until "End", the end of the user's session, SIGTERM or SIGINT ends it in
// order (every collected task printed first). Started while the service
// runs, it shows the service's engine instead.
#include <string>

namespace quill {

// A display to open windows on (X11 or Wayland).
bool HasDisplay();

// Returns the exit code. `argc` and `argv` go to the application object.
int RunDesktop(const std::string& version, int& argc, char** argv);

}  // namespace quill
