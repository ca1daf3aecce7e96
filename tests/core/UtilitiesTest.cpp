#include "core/Utilities.h"

#include <gtest/gtest.h>

#include "core/UGlobals.h"
#include "platform/FileOps.h"
#include "support/TestEnv.h"

namespace quill {
namespace {

TEST(Utilities, PadLeftZerosNeverShortens) {
    EXPECT_EQ(PadLeftZeros("7", 2), "07");
    EXPECT_EQ(PadLeftZeros("123", 2), "123");
    EXPECT_EQ(PadLeftZeros("", 3), "000");
    EXPECT_EQ(PadLeftZeros("5", -1), "5");
}

TEST(Utilities, AddBackslashKeepsEmptyAndTerminatedPaths) {
    EXPECT_EQ(AddBackslash(""), "");
    EXPECT_EQ(AddBackslash("/"), "/");
    EXPECT_EQ(AddBackslash("/labels/Corvan"), "/labels/Corvan/");
    EXPECT_EQ(AddBackslash("/labels/Corvan/"), "/labels/Corvan/");
}

TEST(Utilities, NextTokenSplitsOnEveryCharacterWithoutTrimming) {
    std::string text = "a,,b";
    EXPECT_EQ(NextToken(text, ','), "a");
    EXPECT_EQ(NextToken(text, ','), "");
    EXPECT_EQ(NextToken(text, ','), "b");
    EXPECT_EQ(text, "");
    std::string quoted = " \"x\" ;y";
    EXPECT_EQ(NextToken(quoted, ';'), " \"x\" ");
    EXPECT_EQ(quoted, "y");
}

TEST(Utilities, SplitAtKeepsEmptyPieces) {
    using Pieces = std::vector<std::string_view>;
    EXPECT_EQ(SplitAt("a,,b", ','), (Pieces{"a", "", "b"}));
    EXPECT_EQ(SplitAt("", ','), (Pieces{""}));
    EXPECT_EQ(SplitAt("x,", ','), (Pieces{"x", ""}));
}

TEST(Utilities, NextFieldUsesTheSeparatorSetting) {
    const std::string saved = Settings.Separator;
    Settings.Separator = ";";
    std::string text = "1;AB07,x;";
    EXPECT_EQ(NextField(text), "1");
    EXPECT_EQ(NextField(text), "AB07,x");
    EXPECT_EQ(text, "");
    Settings.Separator = saved;
}

TEST(Utilities, RemoveExtensionAndRightChars) {
    EXPECT_EQ(RemoveExtension("C01.lbl", "lbl"), "C01");
    EXPECT_EQ(RemoveExtension("", "lbl"), "");
    EXPECT_EQ(RemoveExtension(".lbl", "lbl"), "");
    EXPECT_EQ(RightChars("C01.lbl", 3), "lbl");
    EXPECT_EQ(RightChars("ab", 3), "ab");
    EXPECT_EQ(RightChars("", 3), "");
}

TEST(Utilities, EnsureFolderCreatesParentsAndEntersTheFolder) {
    test::TempWorld world;
    const std::string deep = world.path("a/b/c");
    EnsureFolder(deep);
    EXPECT_TRUE(platform::FolderExists(deep));
    EXPECT_EQ(platform::CurrentDirectory(), deep);
    EnsureFolder("");  // nothing happens
    EXPECT_EQ(platform::CurrentDirectory(), deep);
}

}  // namespace
}  // namespace quill
