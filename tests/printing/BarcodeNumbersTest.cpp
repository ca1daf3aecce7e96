#include "printing/BarcodeNumbers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace quill {
namespace {

struct TNextCase {
    const char* Current;
    const char* Scheme;
    std::uint64_t Step;
    const char* Expected;
};

class NextBarcodeTable : public ::testing::TestWithParam<TNextCase> {};

TEST_P(NextBarcodeTable, GivesTheNumber) {
    const TNextCase& c = GetParam();
    EXPECT_EQ(NextBarcode(c.Current, c.Scheme, c.Step), std::optional<std::string>(c.Expected))
        << c.Current << " " << c.Scheme << " +" << c.Step;
}

INSTANTIATE_TEST_SUITE_P(
    Stepping, NextBarcodeTable,
    ::testing::Values(TNextCase{"00000017", "MOD10", 1, "00000026"},
                      TNextCase{"00000017", "NONE", 1, "00000018"},
                      TNextCase{"00000017", "MOD11", 1, "00000027"},
                      // an unknown scheme still treats the last digit as a check digit
                      TNextCase{"00000017", "EAN", 1, "00000020"},
                      // step 0 puts the right check digit on a wrong one
                      TNextCase{"12345670", "MOD10", 0, "12345678"},
                      TNextCase{"00000017", "NONE", 0, "00000017"},
                      TNextCase{"00000017", "MOD10", 25, "00000268"},
                      // only the payload is read: the old check digit may be anything
                      TNextCase{"0000001X", "MOD10", 0, "00000018"}));

INSTANTIATE_TEST_SUITE_P(
    Growing, NextBarcodeTable,
    ::testing::Values(TNextCase{"99999999", "MOD10", 1, "100000008"},
                      TNextCase{"99999999", "NONE", 1, "100000000"},
                      TNextCase{"9", "NONE", 1, "10"},
                      // a step wider than 64 bits' worth of carries
                      TNextCase{"00000000", "NONE", std::numeric_limits<std::uint64_t>::max(),
                                "18446744073709551615"},
                      TNextCase{"99", "NONE", std::numeric_limits<std::uint64_t>::max(), "18446744073709551714"}));

// Doubles lose the last digit above 2^53 and 64-bit integers end at 20
// digits; neither may limit a barcode number.
INSTANTIATE_TEST_SUITE_P(
    Exactness, NextBarcodeTable,
    ::testing::Values(TNextCase{"9007199254740992", "NONE", 1, "9007199254740993"},
                      TNextCase{"999999999999999998", "NONE", 1, "999999999999999999"},
                      TNextCase{"999999999999999999", "NONE", 1, "1000000000000000000"},
                      TNextCase{"123456789012345671", "31313-NEG", 1, "123456789012345682"},
                      TNextCase{"18446744073709551615", "NONE", 1, "18446744073709551616"},
                      TNextCase{"000000000000000000000000000009", "NONE", 1, "000000000000000000000000000010"}));

TEST(NextBarcode, RefusesAPayloadThatIsNoNumber) {
    for (const char* current : {"", "0000001A", "1 2", "-0000001", "+0000001"})
        EXPECT_EQ(NextBarcode(current, "NONE", 1), std::nullopt) << '"' << current << '"';
    // with a check digit the payload is everything but the last character
    for (const char* current : {"", "7", "000A0017", " 0000017", "0000001 7"})
        EXPECT_EQ(NextBarcode(current, "MOD10", 1), std::nullopt) << '"' << current << '"';
}

TEST(BarcodeToLength, DropsOrAddsLeadingZeros) {
    EXPECT_EQ(BarcodeToLength("000012345", 8), "00012345");
    EXPECT_EQ(BarcodeToLength("123456789", 8), "123456789");
    EXPECT_EQ(BarcodeToLength("12", 8), "00000012");
    EXPECT_EQ(BarcodeToLength("0012345678", 8), "12345678");
    EXPECT_EQ(BarcodeToLength("00000000000", 8), "00000000");
    EXPECT_EQ(BarcodeToLength("", 8), "00000000");
    EXPECT_EQ(BarcodeToLength("000", 0), "");
    // only leading zeros go; zeros further in stay
    EXPECT_EQ(BarcodeToLength("0A0B0C0D0E", 8), "A0B0C0D0E");
}

TEST(BarcodeTail, KeepsTheLastCharacters) {
    EXPECT_EQ(BarcodeTail("ABCDEFGHIJKLMNOPQRSTUVWXYZ", 20), "GHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(BarcodeTail("XYZ", 20), "XYZ");
    EXPECT_EQ(BarcodeTail("XYZ", 0), "");
}

TEST(AcceptLastBarcode, TurnsZeroIntoTheFirstNumber) {
    const TBarcodeAcceptance none = AcceptLastBarcode("0", 8, "NONE");
    EXPECT_TRUE(none.Accepted);
    EXPECT_EQ(none.Number, "00000001");
    EXPECT_EQ(AcceptLastBarcode("00000000", 8, "MOD10").Number, "00000018");
    EXPECT_EQ(AcceptLastBarcode("", 6, "31313").Number, "000013");
}

TEST(AcceptLastBarcode, PadsAndCorrectsTheCheckDigit) {
    const TBarcodeAcceptance result = AcceptLastBarcode("4560", 6, "31313");
    EXPECT_TRUE(result.Accepted);
    EXPECT_EQ(result.Number, "004565");
    EXPECT_TRUE(result.Message.empty());
    EXPECT_EQ(AcceptLastBarcode("00012345670", 8, "MOD10").Number, "12345678");
}

TEST(AcceptLastBarcode, RefusesANumberLongerThanTheLength) {
    const TBarcodeAcceptance result = AcceptLastBarcode("000123456789", 8, "MOD10");
    EXPECT_FALSE(result.Accepted);
    EXPECT_EQ(result.Number, "123456789");  // what the field keeps showing
    EXPECT_EQ(result.Message, "Barcodenumber is too long!");
}

TEST(AcceptLastBarcode, RefusesTextThatIsNoNumber) {
    const TBarcodeAcceptance result = AcceptLastBarcode("12ab", 8, "NONE");
    EXPECT_FALSE(result.Accepted);
    EXPECT_EQ(result.Number, "000012ab");
    EXPECT_NE(result.Message.find("12ab"), std::string::npos);
    EXPECT_NE(result.Message, BarcodeTooLongMessage);
}

}  // namespace
}  // namespace quill
