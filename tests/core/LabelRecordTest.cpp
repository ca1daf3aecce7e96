#include "core/LabelRecord.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace quill {
namespace {

const std::string kFirst = "First";
const std::string kSecond = "Second";

TEST(LabelRecordTest, ClearingEmptiesEverything) {
    TLabelRecord record;
    record.Mode = TMode::Tamber;
    record.Amount = 4;
    record.Design = "T01";
    record.DesignFolder = "/designs/";
    record.LocationName = "North";
    record.AppendField(&kFirst, KindText, "x");
    ClearLabelRecord(record);
    EXPECT_EQ(record.Mode, TMode::Legacy);
    EXPECT_EQ(record.Amount, 0);
    EXPECT_EQ(record.Design, "");
    EXPECT_EQ(record.DesignFolder, "");
    EXPECT_EQ(record.LocationName, "");
    EXPECT_EQ(record.FieldCount(), 0);
    EXPECT_EQ(record.FieldValue(0), "");
}

TEST(LabelRecordTest, HoldsExactlyItsCapacity) {
    TLabelRecord record;
    for (int i = 0; i < TLabelRecord::Capacity; ++i) record.AppendField(nullptr, KindText, std::to_string(i));
    EXPECT_EQ(record.FieldValue(495), "495");
    EXPECT_EQ(record.FieldValue(-1), "");
    EXPECT_THROW(record.AppendField(nullptr, KindText, "496"), std::length_error);
    EXPECT_EQ(record.FieldCount(), TLabelRecord::Capacity);
}

// A queued copy must survive the reader clearing and refilling its working record.
TEST(LabelRecordTest, CopyDoesNotShareTheWorkingRecordsValues) {
    TLabelRecord working;
    working.Design = "A";
    working.AppendField(&kFirst, KindText, "before");
    const TLabelRecord copy = working;
    ClearLabelRecord(working);
    working.AppendField(&kSecond, KindBarcode, "after-and-longer");
    EXPECT_EQ(copy.Design, "A");
    EXPECT_EQ(copy.FieldName(0), "First");
    EXPECT_EQ(copy.FieldValue(0), "before");
}

}  // namespace
}  // namespace quill
