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

// Numbered names, row blocks, the irregular spellings designs rely on, and the
// positions printing derives barcodes from.
TEST(VocabulariesTest, NamesAtKnownPositions) {
    const struct {
        TMode mode;
        std::size_t position;
        const char* name;
    } cases[] = {
        {TMode::Legacy, 0, "Line_01"},
        {TMode::Legacy, 15, "Line_16"},
        {TMode::DirectORS, 0, "Header.Type"},
        {TMode::DirectORS, 44, "Header.ForeignSterileProcessDescription"},
        {TMode::DirectORS, 45, "Row.01.Type"},
        {TMode::DirectORS, 59, "Row.01.ForeignFinishingMethodDescription"},
        {TMode::DirectORS, 60, "Row.02.Type"},
        {TMode::DirectORS, 196, "Row.11.RowNumber"},
        {TMode::DirectORS, 494, "Row.30.ForeignFinishingMethodDescription"},
        {TMode::Corvane, 3, "BusinessunitDescription"},
        {TMode::Corvane, 53, "QualitygradeCode"},
        {TMode::CorvanePWB, 3, "BusinessUnitName"},
        {TMode::DirectORS, 9, "Header.DepartmenDescription"},
        {TMode::Tamber, 5, "WearerAdmincode"},
        {TMode::VekLegacy, 16, "IDCodeNumberPWB"},
        {TMode::VekLegacy, 23, "IDCodeNumberBKL"},
        {TMode::VekLegacy, 49, "ArticleDescription"},
        {TMode::Corvane, 47, "IDCode"},
        {TMode::Corvane, 48, "SecondaryIDCode"},
        {TMode::CorvanePWB, 32, "IDCode"},
        {TMode::CorvanePWB, 33, "SecondaryIDCode"},
        {TMode::Tamber, 19, "CodeID"},
        {TMode::CorvaneORS, 22, "Header.IDCode"},
    };
    for (const auto& c : cases) EXPECT_EQ(At(c.mode, c.position).Name, c.name) << ModeInfo(c.mode).Word << " " << c.position;
}

}  // namespace
}  // namespace quill
