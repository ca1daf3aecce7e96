#include "printing/UEPC_URIDecoding.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

struct TEpcCase {
    const char* Code;
    const char* Expected;
};

class DecodeSgtin96Table : public ::testing::TestWithParam<TEpcCase> {};

TEST_P(DecodeSgtin96Table, GivesTheText) {
    EXPECT_EQ(DecodeSgtin96(GetParam().Code), GetParam().Expected) << GetParam().Code;
}

INSTANTIATE_TEST_SUITE_P(
    StandardExample, DecodeSgtin96Table,
    ::testing::Values(TEpcCase{"3074257BF7194E4000001A85", "0614141.812345.6789"},
                      // lower-case letters are not hexadecimal digits here: they count as 0
                      TEpcCase{"3074257bf7194e4000001a85", "0613377.812289.4229"},
                      // header and filter are not checked
                      TEpcCase{"FF74257BF7194E4000001A85", "0614141.812345.6789"},
                      TEpcCase{"3014257BF7194E4000001A85", "0614141.812345.6789"},
                      // any other character counts as 0 as well
                      TEpcCase{"3074257BF7194E4000001A8Z", "0614141.812345.6784"}));

// Company prefix 1, item reference 1 and serial 1 under each partition:
// the field widths and the padding follow the partition table.
INSTANTIATE_TEST_SUITE_P(
    EveryPartition, DecodeSgtin96Table,
    ::testing::Values(TEpcCase{"302000000000044000000001", "000000000001.1.1"},
                      TEpcCase{"302400000000204000000001", "00000000001.01.1"},
                      TEpcCase{"302800000001004000000001", "0000000001.001.1"},
                      TEpcCase{"302C00000010004000000001", "000000001.0001.1"},
                      TEpcCase{"303000000080004000000001", "00000001.00001.1"},
                      TEpcCase{"303400000400004000000001", "0000001.000001.1"},
                      TEpcCase{"303800004000004000000001", "000001.0000001.1"}));

INSTANTIATE_TEST_SUITE_P(
    FieldLimits, DecodeSgtin96Table,
    ::testing::Values(TEpcCase{"3023A352943FFE7FFFFFFFFF", "999999999999.9.274877906943"},
                      TEpcCase{"3038789004B5A1C000000000", "123456.1234567.0"},
                      // a 40-bit prefix can exceed 12 digits; it is never cut
                      TEpcCase{"3023FFFFFFFFFFC000000000", "1099511627775.15.0"}));

INSTANTIATE_TEST_SUITE_P(
    ReturnedUnchanged, DecodeSgtin96Table,
    ::testing::Values(TEpcCase{"301C257BF7194E4000001A85", "301C257BF7194E4000001A85"},  // partition 7
                      TEpcCase{"3FFFFFFFFFFFFFFFFFFFFFFF", "3FFFFFFFFFFFFFFFFFFFFFFF"},  // partition 7
                      TEpcCase{"3074257BF7194E4000001A8", "3074257BF7194E4000001A8"},
                      TEpcCase{"3074257BF7194E4000001A850", "3074257BF7194E4000001A850"},
                      TEpcCase{"", ""},
                      TEpcCase{"12345", "12345"}));

}  // namespace
}  // namespace quill
