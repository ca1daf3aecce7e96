#include "platform/CodePage.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>

namespace quill::platform {
namespace {

// One byte converted by the C library's iconv, as an independent reference;
// nullopt when iconv rejects it (a character the target lacks, or an
// undefined byte).
class Iconv {
public:
    Iconv(const char* to, const char* from) : cd_(::iconv_open(to, from)) {}
    ~Iconv() {
        if (ok()) ::iconv_close(cd_);
    }
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    std::optional<std::string> operator()(unsigned char byte) const {
        char in[1] = {static_cast<char>(byte)};
        char out[8];
        char* inPtr = in;
        char* outPtr = out;
        std::size_t inLeft = 1, outLeft = sizeof out;
        ::iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        if (::iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return std::nullopt;
        return std::string(out, outPtr);
    }

private:
    iconv_t cd_;
};

std::string Byte(unsigned b) { return std::string(1, static_cast<char>(b)); }

const std::string kReplacement = "\xEF\xBF\xBD";

TEST(CodePageTest, Oem850KnownCharacters) {
    struct Case {
        unsigned oem, ansi;
    };
    const Case cases[] = {
        {0x81, 0xFC},  // ü
        {0x82, 0xE9},  // é
        {0x84, 0xE4},  // ä
        {0x94, 0xF6},  // ö
        {0x9A, 0xDC},  // Ü
        {0xE1, 0xDF},  // ß
        {0x9B, 0xF8},  // ø
        {0x9D, 0xD8},  // Ø
        {0x9C, 0xA3},  // £
        {0x9F, 0x83},  // ƒ sits in 1252's 0x80..0x9F block
        {0xF0, 0xAD},  // soft hyphen
        {0xFF, 0xA0},  // no-break space
        // what 1252 lacks becomes Windows' look-alike
        {0xD5, 'i'},   // dotless i
        {0xB0, 0xA6},  // light shade: broken bar
        {0xDB, 0xA6},  // full block
        {0xB3, 0xA6},  // box drawing vertical
        {0xC4, '-'},   // box drawing horizontal
        {0xCD, '-'},   // double horizontal
        {0xC5, '+'},   // cross
        {0xC9, '+'},   // double corner
        {0xCA, '-'},   // double up and horizontal
        {0xDF, 0xAF},  // upper half block: macron
        {0xDC, '_'},   // lower half block
        {0xF2, '='},   // double low line
    };
    for (const Case& c : cases) EXPECT_EQ(Oem850ToAnsi1252(Byte(c.oem)), Byte(c.ansi)) << std::hex << c.oem;
}

TEST(CodePageTest, Oem850KeepsAsciiAndLength) {
    std::string ascii;
    for (int b = 0; b < 0x80; ++b) ascii += static_cast<char>(b);
    EXPECT_EQ(Oem850ToAnsi1252(ascii), ascii);
    EXPECT_EQ(Oem850ToAnsi1252("M\x81ller;\xE1;\xB3"), "M\xFCller;\xDF;\xA6");
}

TEST(CodePageTest, WholeTablesAgreeWithIconv) {
    const Iconv oemToAnsi("CP1252", "CP850"), oemToUtf8("UTF-8", "CP850"), ansiToUtf8("UTF-8", "CP1252");
    if (!oemToAnsi.ok() || !oemToUtf8.ok() || !ansiToUtf8.ok()) GTEST_SKIP() << "iconv lacks CP850 or CP1252";
    const std::string lookAlikes = "+-\xA6_\xAF=i";
    int approximated = 0;
    for (unsigned b = 0x80; b <= 0xFF; ++b) {
        const std::string ansi = Oem850ToAnsi1252(Byte(b));
        if (const auto exact = oemToAnsi(b)) {
            EXPECT_EQ(ansi, *exact) << std::hex << b;
        } else {
            EXPECT_NE(lookAlikes.find(ansi), std::string::npos) << std::hex << b;
            ++approximated;
        }
        EXPECT_EQ(LabelBytesToUtf8(Byte(b), 850), oemToUtf8(b).value()) << std::hex << b;
        EXPECT_EQ(Cp1252ToUtf8(Byte(b)), ansiToUtf8(b).value_or(kReplacement)) << std::hex << b;
    }
    EXPECT_EQ(approximated, 31);
}

TEST(CodePageTest, Cp1252ToUtf8) {
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\u20AC");
    EXPECT_EQ(Cp1252ToUtf8("\x8A"), "\u0160");
    EXPECT_EQ(Cp1252ToUtf8("\x9F"), "\u0178");
    EXPECT_EQ(Cp1252ToUtf8("caf\xE9 \xA0!"), "caf\u00E9 \u00A0!");
    for (const char* undefined : {"\x81", "\x8D", "\x8F", "\x90", "\x9D"})
        EXPECT_EQ(Cp1252ToUtf8(undefined), kReplacement);
    EXPECT_EQ(Cp1252ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(CodePageTest, LabelBytesByCodePage) {
    const std::string bytes = "\x81\xE9";
    EXPECT_EQ(LabelBytesToUtf8(bytes, 0), kReplacement + "\u00E9");
    EXPECT_EQ(LabelBytesToUtf8(bytes, 1252), kReplacement + "\u00E9");
    EXPECT_EQ(LabelBytesToUtf8(bytes, 850), "\u00FC\u00DA");
    EXPECT_EQ(LabelBytesToUtf8("K\xC3\xB6ln \xF0\x9F\x8F\xB7", 65001), "K\xC3\xB6ln \xF0\x9F\x8F\xB7");
}

TEST(CodePageTest, BrokenUtf8BecomesReplacementCharacters) {
    struct Case {
        const char* in;
        std::string out;
    };
    const std::string R = kReplacement;
    const Case cases[] = {
        {"a\xFF" "b", "a" + R + "b"},            // never a lead byte
        {"\x80", R},                              // stray continuation
        {"x\xE2\x82", "x" + R},                   // cut short at the end: one piece
        {"\xE2\x82" "A", R + "A"},                // cut short before ASCII
        {"\xC0\xAF", R + R},                      // overlong
        {"\xE0\x80\x80", R + R + R},              // overlong three-byte form
        {"\xED\xA0\x80", R + R + R},              // surrogate
        {"\xF4\x90\x80\x80", R + R + R + R},      // beyond U+10FFFF
        {"\xF0\x9F\x8F", R},                      // truncated four-byte form
        {"\xC3\xA9\xC3", "\xC3\xA9" + R},
    };
    for (const Case& c : cases) EXPECT_EQ(LabelBytesToUtf8(c.in, 65001), c.out) << c.in;
}

}  // namespace
}  // namespace quill::platform
