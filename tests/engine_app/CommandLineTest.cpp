#include "engine_app/CommandLine.h"

#include <gtest/gtest.h>

#include "engine/QueueRows.h"
#include "engine_app/QueueRowPrinter.h"

namespace quill {
namespace {

TEST(ServiceSwitch, AnyCaseAfterDashSlashOrBackslash) {
    for (const char* arg : {"-install", "/INSTALL", "\\Install", "-InStAlL"})
        EXPECT_EQ(FindServiceSwitch({"--headless", arg}), TServiceSwitch::Install) << arg;
    for (const char* arg : {"-uninstall", "/UNINSTALL", "\\UnInstall"})
        EXPECT_EQ(FindServiceSwitch({arg}), TServiceSwitch::Uninstall) << arg;
    for (const char* arg : {"install", "--install", "-installer", "+install", "-"})
        EXPECT_EQ(FindServiceSwitch({arg}), TServiceSwitch::None) << arg;
}

TEST(RunOptions, Switches) {
    const auto plain = ParseRunOptions({});
    ASSERT_TRUE(plain);
    EXPECT_FALSE(plain->Headless || plain->Service || plain->Drain);
    const auto all = ParseRunOptions({"--drain", "--headless"});
    ASSERT_TRUE(all);
    EXPECT_TRUE(all->Headless && all->Drain && !all->Service);
    EXPECT_TRUE(ParseRunOptions({"--service"})->Service);
    EXPECT_FALSE(ParseRunOptions({"--service", "--drain"}));
    EXPECT_FALSE(ParseRunOptions({"--drian"}));
}

TEST(QueueRowPrinter, OneTabSeparatedLinePerRow) {
    const TQueueRow row{"Corvane", "C01", "3/8", {}, "Labels added to task", TRowStatus::Pending, 12};
    EXPECT_EQ(TQueueRowPrinter::FormatRow(row), "Corvane\tC01\t3/8\tLabels added to task\t1\t12");
}

}  // namespace
}  // namespace quill
