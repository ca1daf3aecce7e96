#include "printing/CheckDigits.h"

#include "printing/DecimalDigits.h"

#include <cstddef>

namespace quill {

namespace {

// Positions count from 1 at the left, so index 0 is an odd position. Sums
// are kept reduced as they grow: only their remainder counts, and payloads
// of any length stay exact.

int Value(char digit) { return digit - '0'; }

bool IsOddPosition(std::size_t index) { return index % 2 == 0; }

// 3 x (odd positions) + (even positions), mod 10.
int Sum31313(std::string_view digits) {
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i)
        sum = (sum + (IsOddPosition(i) ? 3 : 1) * Value(digits[i])) % 10;
    return sum;
}

int ComplementOf(int sumMod10) { return (10 - sumMod10) % 10; }

int Digit31313Neg(std::string_view digits) { return ComplementOf(Sum31313(digits)); }

// Only odd positions count, doubled.
int DigitMod10(std::string_view digits) {
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); i += 2) sum = (sum + 2 * Value(digits[i])) % 10;
    return ComplementOf(sum);
}

// Weights 2, 3, 4, ... from the right, never wrapping back to 2.
int DigitMod11(std::string_view digits) {
    const std::size_t n = digits.size();
    int sum = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const auto weight = static_cast<int>((n - i + 1) % 11);
        sum = (sum + weight * Value(digits[i])) % 11;
    }
    const int r = 11 - sum;
    return r >= 10 ? 0 : r;
}

// Odd positions doubled, a two-digit product counting as its digit sum.
int DigitSydvask(std::string_view digits) {
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const int d = Value(digits[i]);
        const int t = IsOddPosition(i) ? 2 * d : d;
        sum = (sum + (t < 10 ? t : (t + 1) % 10)) % 10;
    }
    return ComplementOf(sum);
}

struct TScheme {
    std::string_view Name;
    int (*Digit)(std::string_view digits);
};

constexpr std::array<TScheme, 5> Schemes = {{
    {"31313", Sum31313},
    {"MOD10", DigitMod10},
    {"MOD11", DigitMod11},
    {"SYDVASK", DigitSydvask},
    {"31313-NEG", Digit31313Neg},
}};

}  // namespace

std::optional<char> CheckDigitOf(std::string_view digits, std::string_view scheme) {
    if (!IsDecimalNumber(digits)) return std::nullopt;
    for (const TScheme& s : Schemes)
        if (s.Name == scheme) return static_cast<char>('0' + s.Digit(digits));
    return '0';
}

}  // namespace quill
