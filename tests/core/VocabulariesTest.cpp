#include "core/Vocabularies.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace quill {
namespace {

const TField& At(TMode mode, std::size_t position) {
    static const auto vocabularies = [] {
        std::array<std::vector<TField>, ModeCount> all;
        for (TMode m : AllModes) all[static_cast<std::size_t>(ModeIndex(m))] = BuildVocabulary(m);
        return all;
    }();
    return vocabularies[static_cast<std::size_t>(ModeIndex(mode))].at(position);
}

bool SameVocabulary(TMode a, TMode b) {
    const auto first = BuildVocabulary(a);
    const auto second = BuildVocabulary(b);
    if (first.size() != second.size()) return false;
    for (std::size_t i = 0; i < first.size(); ++i)
        if (first[i].Name != second[i].Name || first[i].Type != second[i].Type) return false;
    return true;
}

TEST(VocabulariesTest, EveryModeHasItsSize) {
    const std::pair<TMode, std::size_t> sizes[] = {
        {TMode::Legacy, 16},    {TMode::VekLegacy, 50}, {TMode::Manual, 16},
        {TMode::Corvane, 74},   {TMode::CorvanePWB, 36}, {TMode::Tamber, 24},
        {TMode::Direct, 74},    {TMode::DirectORS, 495}, {TMode::CorvaneORS, 495},
    };
    for (const auto& [mode, size] : sizes) EXPECT_EQ(BuildVocabulary(mode).size(), size) << ModeInfo(mode).Word;
}

TEST(VocabulariesTest, DirectSharesCorvaneAndCorvaneOrsSharesDirectOrs) {
    EXPECT_TRUE(SameVocabulary(TMode::Direct, TMode::Corvane));
    EXPECT_TRUE(SameVocabulary(TMode::CorvaneORS, TMode::DirectORS));
}

TEST(VocabulariesTest, OnlyTheFirstTwoManualFieldsAreBarcodes) {
    EXPECT_EQ(At(TMode::Manual, 0).Name, "Field_01_Barcode");
    EXPECT_EQ(At(TMode::Manual, 0).Type, "Barcode");
    EXPECT_EQ(At(TMode::Manual, 1).Name, "Field_02_Barcode");
    EXPECT_EQ(At(TMode::Manual, 1).Type, "Barcode");
    EXPECT_EQ(At(TMode::Manual, 2).Name, "Field_03");
    EXPECT_EQ(At(TMode::Manual, 2).Type, "Text");
    EXPECT_EQ(At(TMode::Manual, 15).Name, "Field_16");
    for (TMode mode : AllModes) {
        if (mode == TMode::Manual) continue;
        for (const TField& field : BuildVocabulary(mode)) EXPECT_EQ(field.Type, "Text") << field.Name;
    }
}

TEST(VocabulariesTest, LegacyRunsFromLine01ToLine16) {
    EXPECT_EQ(At(TMode::Legacy, 0).Name, "Line_01");
    EXPECT_EQ(At(TMode::Legacy, 9).Name, "Line_10");
    EXPECT_EQ(At(TMode::Legacy, 15).Name, "Line_16");
}

TEST(VocabulariesTest, OrsRowBlocksFollowTheHeader) {
    EXPECT_EQ(At(TMode::DirectORS, 0).Name, "Header.Type");
    EXPECT_EQ(At(TMode::DirectORS, 44).Name, "Header.ForeignSterileProcessDescription");
    EXPECT_EQ(At(TMode::DirectORS, 45).Name, "Row.01.Type");
    EXPECT_EQ(At(TMode::DirectORS, 59).Name, "Row.01.ForeignFinishingMethodDescription");
    EXPECT_EQ(At(TMode::DirectORS, 60).Name, "Row.02.Type");
    EXPECT_EQ(At(TMode::DirectORS, 196).Name, "Row.11.RowNumber");
    EXPECT_EQ(At(TMode::DirectORS, 494).Name, "Row.30.ForeignFinishingMethodDescription");
}

// Designs refer to these exact spellings, including the odd ones.
TEST(VocabulariesTest, IrregularSpellingsAreKept) {
    EXPECT_EQ(At(TMode::Corvane, 3).Name, "BusinessunitDescription");
    EXPECT_EQ(At(TMode::Corvane, 53).Name, "QualitygradeCode");
    EXPECT_EQ(At(TMode::CorvanePWB, 3).Name, "BusinessUnitName");
    EXPECT_EQ(At(TMode::DirectORS, 9).Name, "Header.DepartmenDescription");
    EXPECT_EQ(At(TMode::Tamber, 5).Name, "WearerAdmincode");
    EXPECT_EQ(At(TMode::VekLegacy, 49).Name, "ArticleDescription");
}

// Printing derives barcodes from these positions.
TEST(VocabulariesTest, IdentificationCodesSitAtTheirPositions) {
    EXPECT_EQ(At(TMode::VekLegacy, 16).Name, "IDCodeNumberPWB");
    EXPECT_EQ(At(TMode::VekLegacy, 23).Name, "IDCodeNumberBKL");
    EXPECT_EQ(At(TMode::Corvane, 47).Name, "IDCode");
    EXPECT_EQ(At(TMode::Corvane, 48).Name, "SecondaryIDCode");
    EXPECT_EQ(At(TMode::CorvanePWB, 32).Name, "IDCode");
    EXPECT_EQ(At(TMode::CorvanePWB, 33).Name, "SecondaryIDCode");
    EXPECT_EQ(At(TMode::Tamber, 19).Name, "CodeID");
    EXPECT_EQ(At(TMode::CorvaneORS, 22).Name, "Header.IDCode");
}

}  // namespace
}  // namespace quill
