#include "platform/NaturalOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace quill::platform {
namespace {

int SignOf(int v) { return (v > 0) - (v < 0); }

struct Case {
    const char* a;
    const char* b;
    int expected;  // sign of CompareLogical(a, b)
};

void ExpectOrder(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(SignOf(CompareLogical(c.a, c.b)), c.expected) << '"' << c.a << "\" vs \"" << c.b << '"';
        EXPECT_EQ(SignOf(CompareLogical(c.b, c.a)), -c.expected) << '"' << c.b << "\" vs \"" << c.a << '"';
    }
}

TEST(NaturalOrderTest, DigitRunsCompareByValue) {
    ExpectOrder({
        {"file2", "file10", -1},
        {"file10", "file9", 1},
        {"file10", "file10", 0},
        {"a2b3", "a2b10", -1},
        {"a10b1", "a9b2", 1},
        {"abc 2", "abc 10", -1},
        {"2", "10", -1},
        {"0", "1", -1},
        {"x1y", "x1", 1},
    });
}

TEST(NaturalOrderTest, DigitRunsOfAnyLength) {
    ExpectOrder({
        {"x123456789012345678901234567890", "x123456789012345678901234567891", -1},
        {"x99999999999999999999", "x100000000000000000000", -1},
        {"x18446744073709551616", "x18446744073709551615", 1},  // beyond 64 bits
        {"x0000000000000000000000000000001", "x2", -1},
    });
}

TEST(NaturalOrderTest, LettersIgnoreCase) {
    ExpectOrder({
        {"File2", "file2", 0},
        {"ABC", "abd", -1},
        {"abc", "ABD", -1},
        {"Zeta", "alpha", 1},
        {"a", "ab", -1},
        {"", "a", -1},
        {"", "", 0},
    });
}

TEST(NaturalOrderTest, LeadingZerosDecideOnlyAtTheEnd) {
    ExpectOrder({
        {"a1", "a01", -1},
        {"0", "00", -1},
        {"a01", "A1", 1},
        {"a007b", "a7a", 1},    // the later letter decides first
        {"a07x2", "a7x10", -1}, // so does a later number
        {"x1y", "x01z", -1},
        {"a01b1", "a1b01", 1},  // the first run with a difference in zeros
    });
}

TEST(NaturalOrderTest, PunctuationBeforeDigitsBeforeLetters) {
    ExpectOrder({
        {"_x", "1x", -1},
        {"1x", "ax", -1},
        {"file_2", "file2", -1},
        {"a-b", "ab", -1},
        {"9", "A", -1},
        {"z", "\xE9", -1},  // beyond ASCII after all letters
    });
}

TEST(NaturalOrderTest, SortsAListOfLabelFiles) {
    std::vector<std::string> names = {"Label10.lbl", "label9.lbl", "LABEL1.lbl", "label1a.lbl",
                                      "label100.lbl", "_first.lbl", "label01.lbl", "2.lbl"};
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return CompareLogical(a, b) < 0; });
    EXPECT_EQ(names, (std::vector<std::string>{"_first.lbl", "2.lbl", "LABEL1.lbl", "label01.lbl", "label1a.lbl",
                                               "label9.lbl", "Label10.lbl", "label100.lbl"}));
}

}  // namespace
}  // namespace quill::platform
