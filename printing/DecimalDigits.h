#pragma once
// Arithmetic on numbers held as strings of decimal digits. Barcode numbers
// keep their leading zeros and may be longer than any machine integer, so
// they are never turned into one.
#include <cstdint>
#include <string>
#include <string_view>

namespace quill {

// True for a non-empty text made only of the characters 0-9.
bool IsDecimalNumber(std::string_view text);

// True when every character is '0' (also for an empty text).
bool IsAllZeros(std::string_view digits);

// digits + step, exact for any length. The result keeps the length of
// `digits` (leading zeros stay) and grows only when the sum needs more
// places. `digits` must satisfy IsDecimalNumber.
std::string AddToDecimal(std::string_view digits, std::uint64_t step);

}  // namespace quill
