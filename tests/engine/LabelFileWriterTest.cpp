#include "engine/LabelFileWriter.h"

#include <gtest/gtest.h>

#include "core/Vocabularies.h"
#include "engine/LabelLineParsers.h"

namespace quill {
namespace {

const std::vector<TField>& ManualVocabulary() {
    static const std::vector<TField> vocabulary = BuildVocabulary(TMode::Manual);
    return vocabulary;
}

// A record as the print application builds it: sixteen Manual entries.
TLabelRecord ManualRecord(int amount, const std::string& design, const std::vector<std::string>& values) {
    TLabelRecord record;
    record.Mode = TMode::Manual;
    record.Amount = amount;
    record.Design = design;
    for (std::size_t i = 0; i < ManualVocabulary().size(); ++i) {
        const TField& field = ManualVocabulary()[i];
        record.AppendField(&field.Name, field.Type == "Text" ? KindText : KindBarcode, i < values.size() ? values[i] : "");
    }
    return record;
}

TEST(LabelFileWriterTest, EveryValueIsFollowedByTheSeparator) {
    EXPECT_EQ(FormatManualLine(ManualRecord(2, "A01", {"ABC", "", "12"}), ','),
              "2,A01,ABC,,12,,,,,,,,,,,,,,\r\n");
    EXPECT_EQ(FormatManualLine(ManualRecord(1, "B", {"x"}), ';'), "1;B;x;;;;;;;;;;;;;;;;\r\n");
}

TEST(LabelFileWriterTest, WrittenLineReadsBackAsTheSameRequest) {
    const TLabelRecord written = ManualRecord(3, "Shirt", {"00012345", "", "Smith", "", "", "", "", "", "", "", "", "", "", "", "", "last"});
    std::string line = FormatManualLine(written, ',');
    line.resize(line.size() - 2);  // the reader splits lines before parsing
    TLabelRecord read;
    ParseManualLine(line, ManualVocabulary(), ',', read);
    EXPECT_EQ(read.Amount, 3);
    EXPECT_EQ(read.Design, "Shirt");
    for (int i = 0; i < written.FieldCount(); ++i) EXPECT_EQ(read.FieldValue(i), written.FieldValue(i)) << i;
    EXPECT_EQ(read.FieldKind(0), KindBarcode);
    EXPECT_EQ(read.FieldValue(16), "");
}

}  // namespace
}  // namespace quill
