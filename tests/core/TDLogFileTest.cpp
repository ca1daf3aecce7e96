#include "core/TDLogFile.h"

#include <gtest/gtest.h>

#include "platform/FileOps.h"
#include "support/TestEnv.h"

namespace quill::test {
namespace {

TEST(TDLogFileLines, RulesPrefixesAndTime) {
    EXPECT_EQ(TDLogFile::FormatLine("-", "10:00:00"), std::string(80, '-'));
    EXPECT_EQ(TDLogFile::FormatLine("=", "10:00:00"), std::string(80, '='));
    EXPECT_EQ(TDLogFile::FormatLine("!Date: x", "10:00:00"), "Date: x");
    EXPECT_EQ(TDLogFile::FormatLine("--x", "10:00:00"), "-x");
    EXPECT_EQ(TDLogFile::FormatLine("help opened", "10:00:00"), "10:00:00   help opened");
    EXPECT_EQ(TDLogFile::FormatLine("", "10:00:00"), "10:00:00   ");
}

class TDLogFileTest : public TempWorldTest {};

TEST_F(TDLogFileTest, DebugSwitchesAndAFreshFileEachStart) {
    const std::string exe = world.path("bin/");
    world.writeFile("bin/HHDebug.txt", "old run\n");
    ASSERT_TRUE(platform::SetReadOnly(exe + "HHDebug.txt", true));

    const TDLogFile quiet(exe, {"--other"});
    EXPECT_FALSE(quiet.DebugMode());
    EXPECT_FALSE(platform::FileExists(exe + "HHDebug.txt"));  // removed even outside debug mode
    quiet.Add("not written");
    EXPECT_FALSE(platform::FileExists(exe + "HHDebug.txt"));

    const TDLogFile bySwitch(exe, {"-DEBUG"});
    EXPECT_TRUE(bySwitch.DebugMode());
    bySwitch.Add("entry");
    const std::string text = world.readFile("bin/HHDebug.txt");
    EXPECT_EQ(text.rfind(std::string(80, '=') + "\nLog File:", 0), 0u);
    EXPECT_NE(text.find("Cmdline Param(s) =  \t-DEBUG\n"), std::string::npos);
    EXPECT_NE(text.find("   entry\n"), std::string::npos);

    world.writeFile("bin/debug.debug", "");
    EXPECT_TRUE(TDLogFile(exe, {}).DebugMode());
}

TEST_F(TDLogFileTest, AMissingProgramFolderFallsBackToTheSitesTemporaryFolder) {
    const TDLogFile log(world.path("gone/"), {"/debug"});
    EXPECT_EQ(log.FileName(), world.path("data/Temp/HHDebug.txt"));
    EXPECT_TRUE(platform::FileExists(log.FileName()));
}

}  // namespace
}  // namespace quill::test
