#include "platform/CodePage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace quill::platform {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Unicode of DOS code page 850, bytes 0x80..0xFF.
constexpr std::array<char16_t, 128> kCp850 = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,  // 80
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,  // 88
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,  // 90
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192,  // 98
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,  // A0
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,  // A8
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0,  // B0
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510,  // B8
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,  // C0
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4,  // C8
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE,  // D0
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,  // D8
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,  // E0
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4,  // E8
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,  // F0
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,  // F8
};

// Unicode of Windows-1252, bytes 0x80..0x9F (the rest is Latin-1);
// 0 marks the five bytes the code page leaves undefined.
constexpr std::array<char16_t, 32> kCp1252C1 = {
    0x20AC, 0x0000, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x0000, 0x017D, 0x0000,  // 88
    0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x0000, 0x017E, 0x0178,  // 98
};

char32_t Cp850ToUnicode(unsigned char b) {
    return b < 0x80 ? b : kCp850[b - 0x80];
}

char32_t Cp1252ToUnicode(unsigned char b) {
    if (b < 0x80 || b >= 0xA0) return b;
    const char16_t u = kCp1252C1[b - 0x80];
    return u ? u : kReplacement;
}

// Windows' best fit for the characters of DOS code page 850 that 1252
// lacks: box drawing, blocks and shades become look-alikes.
struct BestFit {
    char16_t unicode;
    unsigned char ansi;
};
constexpr BestFit kBestFit1252[] = {
    {0x0131, 'i'},  {0x2017, '='},  {0x2500, '-'},  {0x2502, 0xA6}, {0x250C, '+'},  {0x2510, '+'},
    {0x2514, '+'},  {0x2518, '+'},  {0x251C, '+'},  {0x2524, 0xA6}, {0x252C, '-'},  {0x2534, '-'},
    {0x253C, '+'},  {0x2550, '-'},  {0x2551, 0xA6}, {0x2554, '+'},  {0x2557, '+'},  {0x255A, '+'},
    {0x255D, '+'},  {0x2560, 0xA6}, {0x2563, 0xA6}, {0x2566, '-'},  {0x2569, '-'},  {0x256C, '+'},
    {0x2580, 0xAF}, {0x2584, '_'},  {0x2588, 0xA6}, {0x2591, 0xA6}, {0x2592, 0xA6}, {0x2593, 0xA6},
    {0x25A0, 0xA6},
};

char UnicodeToCp1252(char32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
    const auto it = std::find(kCp1252C1.begin(), kCp1252C1.end(), u);
    if (it != kCp1252C1.end()) return static_cast<char>(0x80 + (it - kCp1252C1.begin()));
    for (const BestFit& fit : kBestFit1252)
        if (fit.unicode == u) return static_cast<char>(fit.ansi);
    return '?';
}

void AppendUtf8(std::string& out, char32_t u) {
    if (u < 0x80) {
        out += static_cast<char>(u);
    } else if (u < 0x800) {
        out += static_cast<char>(0xC0 | (u >> 6));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else if (u < 0x10000) {
        out += static_cast<char>(0xE0 | (u >> 12));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (u >> 18));
        out += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    }
}

template <typename ToUnicode>
std::string SingleByteToUtf8(const std::string& bytes, ToUnicode toUnicode) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) AppendUtf8(out, toUnicode(static_cast<unsigned char>(c)));
    return out;
}

// Length of the sequence a lead byte starts and the range its second byte
// must lie in (which rules out overlong forms, surrogates and values beyond
// U+10FFFF); length 0 for a byte that cannot start a sequence.
struct LeadByte {
    int length;
    unsigned char low, high;
};

LeadByte ClassifyLead(unsigned char b) {
    if (b >= 0xC2 && b <= 0xDF) return {2, 0x80, 0xBF};
    if (b == 0xE0) return {3, 0xA0, 0xBF};
    if (b == 0xED) return {3, 0x80, 0x9F};
    if (b >= 0xE1 && b <= 0xEF) return {3, 0x80, 0xBF};
    if (b == 0xF0) return {4, 0x90, 0xBF};
    if (b >= 0xF1 && b <= 0xF3) return {4, 0x80, 0xBF};
    if (b == 0xF4) return {4, 0x80, 0x8F};
    return {0, 0, 0};
}

// The characters of valid UTF-8; each broken piece (the longest start of a
// valid sequence, or a single byte) becomes one U+FFFD, as the Unicode
// standard recommends.
std::u32string DecodeUtf8(const std::string& bytes) {
    std::u32string out;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            out += b;
            ++i;
            continue;
        }
        const LeadByte lead = ClassifyLead(b);
        std::size_t n = 1;
        char32_t u = lead.length == 2 ? (b & 0x1F) : lead.length == 3 ? (b & 0x0F) : (b & 0x07);
        for (int k = 1; k < lead.length && i + n < bytes.size(); ++k, ++n) {
            const auto c = static_cast<unsigned char>(bytes[i + n]);
            const unsigned char low = k == 1 ? lead.low : 0x80;
            const unsigned char high = k == 1 ? lead.high : 0xBF;
            if (c < low || c > high) break;
            u = (u << 6) | (c & 0x3F);
        }
        out += lead.length > 0 && n == static_cast<std::size_t>(lead.length) ? u : kReplacement;
        i += n;
    }
    return out;
}

// Valid UTF-8 is copied; broken pieces become U+FFFD.
std::string SanitizeUtf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char32_t u : DecodeUtf8(bytes)) AppendUtf8(out, u);
    return out;
}

}  // namespace

std::string Oem850ToAnsi1252(const std::string& oem) {
    std::string out = oem;
    for (char& c : out) c = UnicodeToCp1252(Cp850ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::string Cp1252ToUtf8(const std::string& ansi) {
    return SingleByteToUtf8(ansi, Cp1252ToUnicode);
}

std::string Utf8ToUtf16(const std::string& utf8, bool bigEndian) {
    std::string out;
    const auto unit = [&](char16_t v) {
        const char high = static_cast<char>(v >> 8), low = static_cast<char>(v & 0xFF);
        out += bigEndian ? high : low;
        out += bigEndian ? low : high;
    };
    for (char32_t u : DecodeUtf8(utf8)) {
        if (u < 0x10000) {
            unit(static_cast<char16_t>(u));
        } else {
            u -= 0x10000;
            unit(static_cast<char16_t>(0xD800 + (u >> 10)));
            unit(static_cast<char16_t>(0xDC00 + (u & 0x3FF)));
        }
    }
    return out;
}

std::string Utf16ToUtf8(const std::string& utf16, bool bigEndian) {
    std::string out;
    const auto unitAt = [&](std::size_t i) -> char16_t {
        const auto a = static_cast<unsigned char>(utf16[i]), b = static_cast<unsigned char>(utf16[i + 1]);
        return static_cast<char16_t>(bigEndian ? (a << 8 | b) : (b << 8 | a));
    };
    for (std::size_t i = 0; i + 1 < utf16.size(); i += 2) {
        const char16_t v = unitAt(i);
        if (v >= 0xD800 && v <= 0xDBFF && i + 3 < utf16.size()) {
            const char16_t w = unitAt(i + 2);
            if (w >= 0xDC00 && w <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((v - 0xD800) << 10) + (w - 0xDC00));
                i += 2;
                continue;
            }
        }
        AppendUtf8(out, v >= 0xD800 && v <= 0xDFFF ? kReplacement : v);
    }
    return out;
}

std::string LabelBytesToUtf8(const std::string& bytes, int codePage) {
    switch (codePage) {
        case 65001: return SanitizeUtf8(bytes);
        case 850: return SingleByteToUtf8(bytes, Cp850ToUnicode);
        default: return Cp1252ToUtf8(bytes);
    }
}

}  // namespace quill::platform
