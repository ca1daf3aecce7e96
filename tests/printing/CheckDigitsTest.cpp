#include "printing/CheckDigits.h"

#include <gtest/gtest.h>

#include <string>

namespace quill {
namespace {

struct TCheckCase {
    const char* Digits;
    const char* Scheme;
    char Expected;
};

class CheckDigitTable : public ::testing::TestWithParam<TCheckCase> {};

TEST_P(CheckDigitTable, GivesTheDigit) {
    const TCheckCase& c = GetParam();
    EXPECT_EQ(CheckDigitOf(c.Digits, c.Scheme), c.Expected) << c.Digits << " " << c.Scheme;
}

// 123456 is the reference number every scheme is documented with.
INSTANTIATE_TEST_SUITE_P(Reference123456, CheckDigitTable,
                         ::testing::Values(TCheckCase{"123456", "31313", '9'},
                                           TCheckCase{"123456", "31313-NEG", '1'},
                                           TCheckCase{"123456", "MOD10", '2'},
                                           TCheckCase{"123456", "MOD11", '0'},
                                           TCheckCase{"123456", "SYDVASK", '9'}));

// Names outside the list, "NONE" and wrongly cased names included, give 0.
INSTANTIATE_TEST_SUITE_P(OtherSchemeNames, CheckDigitTable,
                         ::testing::Values(TCheckCase{"123456", "NONE", '0'},
                                           TCheckCase{"123456", "mod10", '0'}));

// Corners of each rule, each chosen so that a common variant of the rule
// gives a different digit.
INSTANTIATE_TEST_SUITE_P(
    RuleCorners, CheckDigitTable,
    ::testing::Values(
        // the sum itself, not its complement
        TCheckCase{"5", "31313", '5'}, TCheckCase{"5", "31313-NEG", '5'}, TCheckCase{"1", "31313-NEG", '7'},
        // positions count from the left: the last digit of an even-length
        // payload weighs 1, not 3 as in EAN
        TCheckCase{"01", "31313", '1'},
        // a multiple of ten gives 0, not 10
        TCheckCase{"0", "MOD10", '0'}, TCheckCase{"5", "MOD10", '0'}, TCheckCase{"0", "31313-NEG", '0'},
        // even positions do not count at all
        TCheckCase{"19", "MOD10", '8'},
        // r of 10 and of 11 both give 0
        TCheckCase{"6", "MOD11", '0'}, TCheckCase{"0", "MOD11", '0'}, TCheckCase{"5", "MOD11", '1'},
        // the weights keep growing past 7 and past 10: d1 of ten digits
        // weighs 11, so S = 11 and r = 11; wrapping weights would give 6
        TCheckCase{"1000000000", "MOD11", '0'},
        // d1 of twelve digits weighs 13, S = 13, r = 9
        TCheckCase{"100000000000", "MOD11", '9'},
        // a doubled 9 counts as 9 (1 + 8), a doubled 5 as 1
        TCheckCase{"9", "SYDVASK", '1'}, TCheckCase{"5", "SYDVASK", '9'},
        // even positions count once
        TCheckCase{"09", "SYDVASK", '1'}));

TEST(CheckDigitOf, RefusesAnythingButDigits) {
    for (const std::string_view scheme : CheckDigitSchemes) {
        for (const char* payload : {"", "12a4", " 123", "123 ", "+123", "-12", "1.5", "0x1F", "\xef\xbc\x91"}) {
            EXPECT_EQ(CheckDigitOf(payload, scheme), std::nullopt) << '"' << payload << "\" " << scheme;
        }
    }
}

TEST(CheckDigitOf, LongPayloadsStayExact) {
    // 1000 nines, with the sums worked out by hand.
    const std::string nines(1000, '9');
    EXPECT_EQ(CheckDigitOf(nines, "31313"), '0');      // 3*500*9 + 500*9 = 18000
    EXPECT_EQ(CheckDigitOf(nines, "MOD10"), '0');      // 2*500*9 = 9000
    EXPECT_EQ(CheckDigitOf(nines, "SYDVASK"), '0');    // 500*9 + 500*9 = 9000
    // weights 2..1001 sum to 501500; 9*501500 = 4513500 = 11*410318 + 2; r = 9
    EXPECT_EQ(CheckDigitOf(nines, "MOD11"), '9');
}

}  // namespace
}  // namespace quill
