#pragma once
#include <string>

namespace quill::platform {

// $QUILL_COMPUTER_NAME when set; else the host name, first label only, at
// most 15 characters; "QUILLPC" when the host name cannot be read.
std::string ComputerName();

// Root of the default folders: $QUILL_DATA, else /var/lib/quill for root,
// else $XDG_DATA_HOME/quill (~/.local/share/quill). Trailing '/'.
std::string DataRoot();

// Folder of the running executable, trailing '/'.
std::string ExecutableFolder();

}  // namespace quill::platform
