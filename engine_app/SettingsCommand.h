#pragma once
// `quill-engine --settings ...`: the administrator's view of the settings
// store, whichever backend is active. Values such as "Debug" and
// "HelpLocation" are set by hand, and nobody edits a SQLite file by hand.
#include <iosfwd>
#include <string>
#include <vector>

namespace quill {

// `args` are the words after "--settings". Returns the exit code.
int RunSettingsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quill
