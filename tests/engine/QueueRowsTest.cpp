#include "engine/QueueRows.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "EngineWorld.h"

namespace quill {
namespace {

class QueueRowsTest : public test::EngineTest {
protected:
    void SetUp() override { StartUp("LogMode=3\n"); }
    std::vector<int> taskIds() const {
        std::vector<int> ids;
        for (const TQueueRow& row : rows.Rows()) ids.push_back(row.TaskID);
        return ids;
    }
    TQueueRows rows;
};

TEST_F(QueueRowsTest, RowsOfATaskChangeTogetherAndAreLogged) {
    QSignalSpy added(&rows, &TQueueRows::rowAdded);
    QSignalSpy changed(&rows, &TQueueRows::rowChanged);
    rows.AddQueueRow(1, TMode::DirectORS, "", "A01", "0/6", "New printer task", TRowStatus::Pending);
    rows.AddQueueRow(2, TMode::Corvane, "North*", "C01", "0/1", "New printer task", TRowStatus::Pending);
    rows.UpdateQueueRows(1, "1/6", "Labels added to task", TRowStatus::Pending);
    rows.UpdateQueueRows(1, "0", "Printed to PDF", TRowStatus::Printed);
    EXPECT_EQ(added.count(), 2);
    EXPECT_EQ(changed.count(), 2);
    const TQueueRow& first = rows.Rows()[0];
    EXPECT_EQ(first.Mode, "Direct ORS");
    EXPECT_EQ(first.Amount, "1/6") << "amount \"0\" keeps the column";
    EXPECT_EQ(first.Status, "Printed to PDF");
    EXPECT_EQ(rows.Rows()[1].Mode, "North*");
    EXPECT_NE(logText().find("Direct ORS,A01,1/6,Printed to PDF,0,1"), std::string::npos) << logText();
}

TEST_F(QueueRowsTest, LogModeOneLogsOnlyFailures) {
    Settings.LogMode = 1;
    rows.AddQueueRow(1, TMode::Corvane, "", "C01", "0/1", "New printer task", TRowStatus::Pending);
    rows.UpdateQueueRows(1, "0", "Not printed. Design not found", TRowStatus::NotPrinted);
    EXPECT_EQ(logText().find("New printer task"), std::string::npos);
    EXPECT_NE(logText().find("Corvane,C01,0/1,Not printed. Design not found,-1,1"), std::string::npos);
}

TEST_F(QueueRowsTest, PrintedRowsGoByTimerOtherRowsByClearMessages) {
    for (int id = 1; id <= 4; ++id)
        rows.AddQueueRow(id, TMode::Corvane, "", "C0" + std::to_string(id), "0/1", "x", TRowStatus::Pending);
    rows.UpdateQueueRows(1, "0", "Printed to PDF", TRowStatus::Printed);
    rows.UpdateQueueRows(3, "0", "Printed to PDF", TRowStatus::Printed);
    rows.UpdateQueueRows(4, "0", "Not printed. x", TRowStatus::NotPrinted);
    QSignalSpy removed(&rows, &TQueueRows::rowRemoved);
    rows.RemovePrinted();
    EXPECT_EQ(taskIds(), (std::vector<int>{2, 4}));
    ASSERT_EQ(removed.count(), 2);
    EXPECT_EQ(removed[0][0].toInt(), 2) << "removed from the last row to the first";
    EXPECT_EQ(removed[1][0].toInt(), 0);

    rows.AddQueueRow(5, TMode::Corvane, "", "C05", "0/1", "x", TRowStatus::Pending);
    rows.UpdateQueueRows(5, "0", "Printed to PDF", TRowStatus::Printed);
    rows.ClearMessages();
    EXPECT_EQ(taskIds(), std::vector<int>{5});
}

}  // namespace
}  // namespace quill
