#include "printing/DecimalDigits.h"

#include <algorithm>

namespace quill {

bool IsDecimalNumber(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsAllZeros(std::string_view digits) {
    return digits.find_first_not_of('0') == std::string_view::npos;
}

std::string AddToDecimal(std::string_view digits, std::uint64_t step) {
    std::string sum(digits);
    // Schoolbook addition from the right; `carry` starts as the whole step,
    // and carry / 10 + 1 never overflows.
    std::uint64_t carry = step;
    for (auto it = sum.rbegin(); it != sum.rend() && carry != 0; ++it) {
        const std::uint64_t place = static_cast<std::uint64_t>(*it - '0') + carry % 10;
        *it = static_cast<char>('0' + place % 10);
        carry = carry / 10 + place / 10;
    }
    if (carry != 0) sum.insert(0, std::to_string(carry));
    return sum;
}

}  // namespace quill
