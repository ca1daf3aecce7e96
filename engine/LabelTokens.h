#pragma once
// Token cutting for the separated label-line format. It cuts exactly as
// NextToken does, but over a view, so a line of 495 values is not copied
// again for every value it gives up.
#include <optional>
#include <string_view>

namespace quill {

class TTokenCursor {
public:
    TTokenCursor(std::string_view text, char separator) : rest_(text), separator_(separator) {}

    // The text before the first separator; the rest continues after it. Without
    // a separator the token is the whole rest and the rest becomes empty.
    std::string_view Next();
    std::string_view Rest() const { return rest_; }

private:
    std::string_view rest_;
    char separator_;
};

// An optional sign and decimal digits making up the whole text, within the
// 32-bit range; nothing otherwise.
std::optional<int> ParseDecimalInteger(std::string_view text);

}  // namespace quill
