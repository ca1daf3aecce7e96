#pragma once
// Finding the design a label record names. The name comes from a label
// file, which any host may write, so it must stay a name: never a path that
// leads out of the design folder, by itself or through a link.
#include <optional>
#include <string>
#include <string_view>

namespace quill {

// No folder separator, "..", drive prefix ("C:"), NUL or other control character.
bool IsPlainDesignName(std::string_view name);

// `name` + ".lbl" in `folder`, found without regard to case, when the name
// is plain and the file, links resolved, lies inside the folder.
std::optional<std::string> FindDesignFile(const std::string& folder, std::string_view name);

}  // namespace quill
