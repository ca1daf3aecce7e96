#include "engine/ModeNames.h"

#include <strings.h>

#include <string>

namespace quill {

std::optional<TMode> ParseModeName(std::string_view name) {
    const std::string text(name);
    for (TMode mode : AllModes) {
        const TModeInfo& info = ModeInfo(mode);
        if (strcasecmp(text.c_str(), info.Word) == 0 || strcasecmp(text.c_str(), info.DisplayName) == 0)
            return mode;
    }
    return std::nullopt;
}

}  // namespace quill
