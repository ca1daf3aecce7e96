// The items of Direct layout lines and the bytes each one sends.
#include "printing/DirectItems.h"

#include <gtest/gtest.h>

#include "core/Vocabularies.h"

namespace quill {
namespace {

const std::vector<TField> kVocabulary = BuildVocabulary(TMode::Corvane);

// A Direct record: the Corvane names, values at the given positions.
TLabelRecord Record(std::initializer_list<std::pair<int, std::string>> values) {
    TLabelRecord record;
    record.Mode = TMode::Direct;
    for (std::size_t i = 0; i < kVocabulary.size(); ++i) {
        std::string value;
        for (const auto& [position, text] : values)
            if (position == static_cast<int>(i)) value = text;
        record.AppendField(&kVocabulary[i].Name, KindText, value);
    }
    return record;
}

std::vector<std::string> Items(std::string_view line) {
    const auto views = LineItems(line);
    return {views.begin(), views.end()};
}

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int v : values) bytes.push_back(static_cast<char>(v));
    return bytes;
}

TEST(DirectItems, ExtractionTakesEachClosedItemAndEndsWhereNoneIsLeft) {
    using V = std::vector<std::string>;
    EXPECT_EQ(Items("<27><\"A\">"), (V{"27", "\"A\""}));
    EXPECT_EQ(Items("text before <13> between <10> after"), (V{"13", "10"}));
    EXPECT_EQ(Items("<1><><2>"), (V{"1"})) << "an empty item ends the line";
    EXPECT_EQ(Items("<1><2"), (V{"1"})) << "an unclosed '<' and what follows are not sent";
    EXPECT_EQ(Items("<1>2>"), (V{"1"}));
    EXPECT_EQ(Items("<<a>>"), (V{"<a"}));
    EXPECT_EQ(Items("no items"), V{});
    EXPECT_EQ(Items(""), V{});

    std::string_view rest = "abc<def";
    EXPECT_FALSE(NextItem(rest));
    EXPECT_EQ(rest, "abc<def") << "nothing is consumed when there is no item";
}

TEST(DirectItems, FieldItemsTakePartsAndAlign) {
    const TLabelRecord long_ = Record({{21, "ABCDEFG"}});
    const TLabelRecord short_ = Record({{21, "AB"}});
    const TPrinterCommands none;
    struct Case {
        const char* item;
        const TLabelRecord& record;
        std::string expected;
    };
    const Case cases[] = {
        {"(WearerName)", long_, "ABCDEFG"},
        {"(WearerName,3,4,3)", long_, "CDEF"},
        {"(WearerName,3,4,3)", short_, "0000"},
        {"(WearerName,2,3,1)", short_, "B  "},
        {"(WearerName,2,3,2)", short_, "  B"},
        {"(WearerName,1,4)", short_, "AB"},
        {"(WearerName,1,4,9)", short_, "AB"},
        {"(WearerName,1,4,x)", short_, "AB"},
        {"(WearerName,x,4)", long_, "ABCDEFG"},
        {"(WearerName,x,4,3)", short_, "AB"},
        {"(WearerName,3)", long_, "ABCDEFG"},
        {"(WearerName,0,2)", long_, "AB"},
        {"(WearerName,-5,2)", long_, "AB"},
        {"(WearerName,2,-1,3)", long_, ""},
        {"(WearerName,99999999999,2)", long_, "ABCDEFG"},
        {"(WearerName,1,2", long_, "AB"},
        {"(wearername)", long_, ""},
        {"(NoSuchField,1,3,3)", long_, "000"},
        {"()", long_, ""},
        {"(", long_, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ItemValue(c.item, c.record, none), c.expected) << c.item;

    const std::string huge = ItemValue("(WearerName,1,2000000000,3)", short_, none);
    EXPECT_EQ(huge.size(), static_cast<std::size_t>(MaxAlignedLength));
    EXPECT_EQ(huge.substr(huge.size() - 3), "0AB");
}

TEST(DirectItems, TextBytesAndCommands) {
    const TLabelRecord record = Record({});
    const TPrinterCommands commands{{"Start", "Barcode", "Cut", "Start"}, {"^XA", "27,66,0,0", "27,A,300,13,,x", "first wins"}};
    EXPECT_EQ(ItemValue("\"Hello, world\"", record, commands), "Hello, world");
    EXPECT_EQ(ItemValue("\"", record, commands), "");
    EXPECT_EQ(ItemValue("\"unclosed", record, commands), "unclose");
    EXPECT_EQ(ItemValue("065", record, commands), "A");
    EXPECT_EQ(ItemValue("0", record, commands), Bytes({0}));
    EXPECT_EQ(ItemValue("255", record, commands), Bytes({255}));
    EXPECT_EQ(ItemValue("256", record, commands), "256") << "not a byte: the item's own text";
    EXPECT_EQ(ItemValue("12ab", record, commands), "12ab");
    EXPECT_EQ(ItemValue("Start", record, commands), "^XA");
    EXPECT_EQ(ItemValue("Barcode", record, commands), Bytes({27, 66, 0, 0}));
    EXPECT_EQ(ItemValue("Cut", record, commands), Bytes({27}) + "A300" + Bytes({13}) + "x");
    EXPECT_EQ(ItemValue("start", record, commands), "") << "command names are exact";
    EXPECT_EQ(ItemValue("Unknown", record, TPrinterCommands{}), "");
}

TEST(DirectItems, BarcodeCommandsGetTheLengthOfTheFollowingPiece) {
    const TLabelRecord record = Record({{47, "12345678"}, {48, "1234567"}});
    const TPrinterCommands commands{{"BC", "BC3"}, {"27,66,0,0", "27,66,0"}};
    EXPECT_EQ(BuildPieces({"<BC><(IDCode)>"}, record, commands),
              (std::vector<std::string>{Bytes({27, 66, 0, 8}), "12345678"}));
    EXPECT_EQ(BuildPieces({"<BC><(SecondaryIDCode)>"}, record, commands)[0], Bytes({27, 66, 0, 0}))
        << "7 bytes is no barcode length";
    EXPECT_EQ(BuildPieces({"<BC>", "<(IDCode)>"}, record, commands)[0], Bytes({27, 66, 0, 8}))
        << "the next piece may be on the next line";
    EXPECT_EQ(BuildPieces({"<BC3><(IDCode)>"}, record, commands)[0], Bytes({27, 66, 0}))
        << "a command without a fourth byte is left alone";
    EXPECT_EQ(BuildPieces({"<BC><\"123456789012\"><BC>"}, record, commands)[0], Bytes({27, 66, 0, 12}));
}

TEST(DirectItems, HugeAndMalformedLinesGiveDefinedOutput) {
    std::string line;
    for (int i = 0; i < 200000; ++i) line += "<65>";
    const auto pieces = BuildPieces({line, std::string(1 << 20, '<'), std::string(1 << 20, '>'), "<(" + std::string(1 << 16, ',') + ")>"},
                                    Record({}), TPrinterCommands{});
    ASSERT_EQ(pieces.size(), 200001u);
    EXPECT_EQ(pieces.front(), "A");
    EXPECT_EQ(pieces.back(), "");
}

}  // namespace
}  // namespace quill
