#include "platform/NaturalOrder.h"

#include <cstring>

namespace quill::platform {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Sort weight of one character outside a digit-against-digit comparison.
// As in the Windows order: punctuation and spaces first, then digits, then
// letters (without regard to case), then everything beyond ASCII.
int Weight(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x80) return 0x300 + u;
    if (IsDigit(c)) return 0x100 + u;
    if (u >= 'A' && u <= 'Z') return 0x200 + u - 'A' + 'a';
    if (u >= 'a' && u <= 'z') return 0x200 + u;
    return u;
}

struct DigitRun {
    std::size_t zeros = 0;        // leading zeros
    const char* digits = nullptr; // significant digits
    std::size_t length = 0;       // number of significant digits
};

// Reads the digit run that starts at s[i] and moves i past it.
DigitRun ReadRun(const std::string& s, std::size_t& i) {
    DigitRun run;
    while (i < s.size() && s[i] == '0') ++run.zeros, ++i;
    run.digits = s.data() + i;
    while (i < s.size() && IsDigit(s[i])) ++run.length, ++i;
    return run;
}

int Sign(long long v) { return (v > 0) - (v < 0); }

// Numeric comparison of any length of digits: more significant digits is
// larger, equal lengths compare like text.
int CompareValue(const DigitRun& a, const DigitRun& b) {
    if (a.length != b.length) return a.length < b.length ? -1 : 1;
    return Sign(std::memcmp(a.digits, b.digits, a.length));
}

}  // namespace

int CompareLogical(const std::string& a, const std::string& b) {
    std::size_t i = 0, j = 0;
    // Equal numbers written with different leading zeros decide only when
    // nothing else does: the first such run, fewer zeros first.
    int zerosTieBreak = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            const DigitRun ra = ReadRun(a, i);
            const DigitRun rb = ReadRun(b, j);
            if (const int c = CompareValue(ra, rb)) return c;
            if (zerosTieBreak == 0 && ra.zeros != rb.zeros) zerosTieBreak = ra.zeros < rb.zeros ? -1 : 1;
            continue;
        }
        if (const int c = Sign(Weight(a[i]) - Weight(b[j]))) return c;
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size()) return i < a.size() ? 1 : -1;  // a prefix sorts first
    return zerosTieBreak;
}

}  // namespace quill::platform
