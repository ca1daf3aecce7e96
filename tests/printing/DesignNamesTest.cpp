#include "printing/DesignNames.h"

#include <gtest/gtest.h>

#include <string>

namespace quill {
namespace {

struct TNameCase {
    TMode Mode;
    const char* Typed;
    const char* Name;      // with extension
    const char* Message;   // empty: valid
};

const std::string CorvaneMessage =
    "Design filename must be C01.lbl ... C99.lbl, N01.lbl ... N99.lbl \r"
    "Design can also contain alphanumeric characters with a maximum length of 6.\r"
    "NOTE: Only characters valid for filenames are allowed.";
const std::string TwoDigitsMessage = "Design filename must be 01.lbl ... 99.lbl";
const std::string Length2 = "Design filename must have a length of 2 (without extension)";
const std::string Length3 = "Design filename must have a length of 3 (without extension)";

class CheckDesignNameTable : public ::testing::TestWithParam<TNameCase> {};

TEST_P(CheckDesignNameTable, AppliesTheModesRule) {
    const TNameCase& c = GetParam();
    const TDesignNameCheck check = CheckDesignName(c.Mode, c.Typed);
    EXPECT_EQ(check.Name, c.Name);
    EXPECT_EQ(check.Message, c.Message) << c.Typed;
    EXPECT_EQ(check.Valid, std::string(c.Message).empty()) << c.Typed;
}

INSTANTIATE_TEST_SUITE_P(
    Corvane, CheckDesignNameTable,
    ::testing::Values(TNameCase{TMode::Corvane, "C01", "C01.lbl", ""},
                      TNameCase{TMode::Corvane, "C01.lbl", "C01.lbl", ""},
                      TNameCase{TMode::Corvane, "C01.LBL", "C01.LBL", ""},
                      TNameCase{TMode::Corvane, "N7", "N7.lbl", ""},
                      TNameCase{TMode::Corvane, "U12345", "U12345.lbl", ""},
                      TNameCase{TMode::Corvane, "CONFIG", "CONFIG.lbl", ""},
                      TNameCase{TMode::Corvane, "Abc", "Abc.lbl", CorvaneMessage.c_str()},
                      TNameCase{TMode::Corvane, "c01", "c01.lbl", CorvaneMessage.c_str()},
                      TNameCase{TMode::Corvane, "CON", "CON.lbl", CorvaneMessage.c_str()},
                      TNameCase{TMode::Corvane, "NUL.x", "NUL.x.lbl", CorvaneMessage.c_str()},
                      TNameCase{TMode::Corvane, "C1:2", "C1:2.lbl", CorvaneMessage.c_str()},
                      TNameCase{TMode::Corvane, "", ".lbl", CorvaneMessage.c_str()},
                      TNameCase{TMode::Corvane, "C123456", "C123456.lbl",
                                "Design filename cannot be longer than 6 (without extension)"}));

INSTANTIATE_TEST_SUITE_P(
    TwoDigitModes, CheckDesignNameTable,
    ::testing::Values(TNameCase{TMode::Legacy, "00", "00.lbl", ""},
                      TNameCase{TMode::VekLegacy, "42", "42.lbl", ""},
                      TNameCase{TMode::Legacy, "1", "1.lbl", Length2.c_str()},
                      TNameCase{TMode::VekLegacy, "123", "123.lbl", Length2.c_str()},
                      TNameCase{TMode::Legacy, "1A", "1A.lbl", TwoDigitsMessage.c_str()}));

INSTANTIATE_TEST_SUITE_P(
    LetterAndTwoDigitModes, CheckDesignNameTable,
    ::testing::Values(TNameCase{TMode::CorvanePWB, "R01", "R01.lbl", ""},
                      TNameCase{TMode::CorvanePWB, "C01", "C01.lbl", "Design filename must be R01.lbl ... R99.lbl"},
                      TNameCase{TMode::CorvanePWB, "R1", "R1.lbl", Length3.c_str()},
                      TNameCase{TMode::Tamber, "N99", "N99.lbl", ""},
                      TNameCase{TMode::Tamber, "U01", "U01.lbl", CorvaneMessage.c_str()},
                      TNameCase{TMode::Tamber, "C0001", "C0001.lbl", Length3.c_str()},
                      TNameCase{TMode::CorvaneORS, "L05", "L05.lbl", ""},
                      TNameCase{TMode::DirectORS, "P10", "P10.lbl", ""},
                      TNameCase{TMode::CorvaneORS, "a01", "a01.lbl",
                                "Design filename must be A01.lbl ... A99.lbl, D01.lbl ... D99.lbl, "
                                "P01.lbl ... P99.lbl, L01.lbl ... L99.lbl"},
                      TNameCase{TMode::DirectORS, "A1", "A1.lbl", Length3.c_str()}));

INSTANTIATE_TEST_SUITE_P(
    FreeModes, CheckDesignNameTable,
    ::testing::Values(TNameCase{TMode::Manual, "Address sheet", "Address sheet.lbl", ""},
                      TNameCase{TMode::Manual, "", ".lbl", "Design has the wrong length!"},
                      TNameCase{TMode::Manual, ".lbl", ".lbl", "Design has the wrong length!"},
                      // a name that merely ends in the letters gets its extension
                      TNameCase{TMode::Manual, "Symbol", "Symbol.lbl", ""},
                      TNameCase{TMode::Manual, "TABLBL", "TABLBL.lbl", ""},
                      TNameCase{TMode::Direct, "anything at all", "anything at all.lbl", ""}));

TEST(IsValidFileName, RejectsReservedCharactersAndDevicesOnly) {
    for (const char* name : {"", "a.", "a ", "a\"b", "a*b", "a,b", "a/b", "a:b", "a;b", "a<b", "a>b", "a?b", "a\\b",
                             "a|b", "a\tb", "CON", "con", "Prn.txt", "AUX", "NUL.x", "COM1", "com9.a", "LPT1", "LPT9"})
        EXPECT_FALSE(IsValidFileName(name)) << '"' << name << '"';
    EXPECT_FALSE(IsValidFileName(std::string(256, 'a')));
    for (const char* name : {"CONFIG", "NULL", "COM0", "COM10", "LPT", "AUXILIARY.txt", "A b.c", "\xE9t\xE9"})
        EXPECT_TRUE(IsValidFileName(name)) << '"' << name << '"';
    EXPECT_TRUE(IsValidFileName(std::string(255, 'a')));
}

}  // namespace
}  // namespace quill
