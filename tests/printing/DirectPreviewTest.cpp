// The byte preview of Direct designs: the engine's stream cut at the layout
// lines, and its readable form.
#include "printing/DirectPreview.h"

#include <gtest/gtest.h>

#include "core/Vocabularies.h"

namespace quill {
namespace {

TEST(DirectPreview, LinesJoinToTheEnginesStreamAndReadUnambiguously) {
    const std::vector<TField> vocabulary = BuildVocabulary(TMode::Corvane);
    TLabelRecord record;
    for (const TField& field : vocabulary) record.AppendField(&field.Name, KindText, field.Name == "IDCode" ? "12345678" : "");
    const TPrinterCommands commands{{"BC"}, {"27,66,0,0"}};
    // the barcode's length byte comes from the first piece of the next line
    const std::vector<std::string> lines = {"<\"a<b\"><BC>", "", "<(IDCode)><200>"};
    const std::vector<std::string> bytes = DirectLineBytes(lines, record, commands);
    ASSERT_EQ(bytes.size(), 3u);
    std::string joined;
    for (const std::string& piece : BuildPieces(lines, record, commands)) joined += piece;
    EXPECT_EQ(bytes[0] + bytes[1] + bytes[2], joined);
    EXPECT_EQ(ReadableBytes(bytes[0]), "a<060>b<027>B<000><008>");
    EXPECT_EQ(bytes[1], "");
    EXPECT_EQ(ReadableBytes(bytes[2]), "12345678<200>");
}

}  // namespace
}  // namespace quill
