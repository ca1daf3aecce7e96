#pragma once
#include <string>

namespace quill::platform {

// $QUILL_COMPUTER_NAME when set, else the host name's first label, either
// cut to 15 characters; "QUILLPC" when the host name cannot be read.
std::string ComputerName();

inline constexpr const char* SiteDataRoot = "/var/lib/quill/";

// Root of the site's settings store and default folders: $QUILL_DATA, else
// /var/lib/quill whenever it exists (and always for root), else a private
// trial root $XDG_DATA_HOME/quill (~/.local/share/quill). Trailing '/'.
std::string DataRoot();

// The group that shares a site root: $QUILL_SITE_GROUP, else "quill".
std::string SiteGroup();

// Folder of the running executable, trailing '/'.
std::string ExecutableFolder();

}  // namespace quill::platform
