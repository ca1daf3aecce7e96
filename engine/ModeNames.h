#pragma once
// Mode names typed by people, for command lines.
#include <optional>
#include <string_view>

#include "core/UGlobals.h"

namespace quill {

// The mode word ("Corvane", "DirectORS") or display name ("Direct ORS"),
// without regard to case.
std::optional<TMode> ParseModeName(std::string_view name);

}  // namespace quill
