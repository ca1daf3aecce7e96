#pragma once
#include <iosfwd>

namespace quill {

// Starts up as the engine would (folders are created) and prints every
// setting in effect, then shuts down. Returns the exit code.
int DumpSettings(std::ostream& out);

}  // namespace quill
