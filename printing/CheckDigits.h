#pragma once
// Check digits of running barcode numbers. A scheme is named by the text of
// the "CheckDigit" setting.
#include <array>
#include <optional>
#include <string_view>

namespace quill {

// Numbers without a check digit.
inline constexpr std::string_view NoCheckDigit = "NONE";

// Every scheme the settings offer, in the order the settings page lists them.
inline constexpr std::array<std::string_view, 6> CheckDigitSchemes = {
    NoCheckDigit, "31313", "MOD10", "MOD11", "SYDVASK", "31313-NEG",
};

// The check digit ('0'..'9') of `digits` under `scheme`; '0' for "NONE" and
// for any name outside the list. Empty when `digits` is empty or holds
// anything but 0-9: such a payload has no check digit.
std::optional<char> CheckDigitOf(std::string_view digits, std::string_view scheme);

}  // namespace quill
