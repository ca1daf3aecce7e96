#include "printing/DesignLayout.h"

#include <gtest/gtest.h>

#include "support/TestEnv.h"

namespace quill {
namespace {

class ReadLabelDefinitionTest : public test::TempWorldTest {
protected:
    std::optional<TLabelDefinition> read(const std::string& design) {
        world.writeFile("d/X01.lbl", design);
        return ReadLabelDefinition(world.path("d/X01.lbl"));
    }
};

TEST_F(ReadLabelDefinitionTest, PageLayoutOverridesLayout) {
    const auto definition = read("[Layout]\nnRows=2\nnCols=3\n[PageLayout]\nLayout.Count.y=8\nLayout.Count.x=4\n");
    ASSERT_TRUE(definition);
    EXPECT_EQ(definition->Rows, 8);
    EXPECT_EQ(definition->Columns, 4);
    EXPECT_EQ(definition->LabelsPerPage(), 32);
}

TEST_F(ReadLabelDefinitionTest, EachValueFallsBackOnItsOwn) {
    const auto definition = read("[layout]\nNROWS=2\nnCols=3\n[PageLayout]\nLayout.Count.x=5\n");
    ASSERT_TRUE(definition);
    EXPECT_EQ(definition->Rows, 2);
    EXPECT_EQ(definition->Columns, 5);
}

// The queue waits for a page to fill: it must hold at least one label.
TEST_F(ReadLabelDefinitionTest, PageHoldsAtLeastOneLabel) {
    EXPECT_EQ(read("[Design]\nFormatVersion=1\n")->LabelsPerPage(), 1);
    EXPECT_EQ(read("[Layout]\nnRows=0\nnCols=-3\n[PageLayout]\nLayout.Count.y=x\n")->LabelsPerPage(), 1);
}

TEST_F(ReadLabelDefinitionTest, MissingDesignGivesNothing) {
    EXPECT_FALSE(ReadLabelDefinition(world.path("d/none.lbl")));
}

TEST_F(ReadLabelDefinitionTest, DesignIsFoundWithoutRegardToCase) {
    world.writeFile("d/AB07.lbl", "[Layout]\nnRows=4\n");
    const auto definition = ReadLabelDefinition(world.path("d/ab07.lbl"));
    ASSERT_TRUE(definition);
    EXPECT_EQ(definition->Rows, 4);
}

}  // namespace
}  // namespace quill
