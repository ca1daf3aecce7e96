#include "engine/LabelTokens.h"

#include <charconv>

#include "core/UGlobals.h"

namespace quill {

std::string_view TTokenCursor::Next() {
    const auto pos = rest_.find(separator_);
    if (pos == std::string_view::npos) {
        const std::string_view token = rest_;
        rest_ = {};
        return token;
    }
    const std::string_view token = rest_.substr(0, pos);
    rest_.remove_prefix(pos + 1);
    return token;
}

std::optional<int> ParseDecimalInteger(std::string_view text) {
    // from_chars takes a minus sign but not a plus sign
    if (text.starts_with('+') && !text.substr(1).starts_with('-')) text.remove_prefix(1);
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

}  // namespace quill
