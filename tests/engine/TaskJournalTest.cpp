#include "engine/TaskJournal.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "EngineWorld.h"
#include "core/Vocabularies.h"

namespace quill {
namespace {

namespace fs = std::filesystem;

class TaskJournalTest : public test::EngineTest {
protected:
    void SetUp() override { StartUp(); }
    TLabelRecord copy(TMode mode, const std::string& design, const std::vector<std::string>& values) const {
        TLabelRecord r;
        r.Mode = mode;
        r.Amount = 1;
        r.Design = design;
        r.DesignFolder = "/designs/with blank/";
        r.LocationName = "North*";
        const std::vector<TField>& fields = vocabulary(mode);
        for (std::size_t i = 0; i < values.size(); ++i)
            r.AppendField(i < fields.size() ? &fields[i].Name : nullptr, i % 2 ? KindBarcode : KindText, values[i]);
        return r;
    }
    const std::vector<TField>& vocabulary(TMode mode) const {
        return vocabularies[static_cast<std::size_t>(ModeIndex(mode))];
    }
    std::vector<TLabelRecord> reopen() {
        TTaskJournal next(path);
        return next.Open([this](TMode mode) -> const std::vector<TField>& { return vocabulary(mode); });
    }

    std::array<std::vector<TField>, ModeCount> vocabularies = [] {
        std::array<std::vector<TField>, ModeCount> all;
        for (TMode mode : AllModes) all[static_cast<std::size_t>(ModeIndex(mode))] = BuildVocabulary(mode);
        return all;
    }();
    std::string path = world.path("tasks.journal");
};

TEST_F(TaskJournalTest, UnfinishedTasksComeBackWithEveryPosition) {
    {
        TTaskJournal journal(path);
        EXPECT_TRUE(journal.Open([this](TMode m) -> const std::vector<TField>& { return vocabulary(m); }).empty());
        journal.CopyAdded(1, copy(TMode::Corvane, "C01", {"printed"}));
        journal.CopyAdded(2, copy(TMode::Legacy, "07", {"a b", "100%", "", "line\r\nbreak", "\x01\xff"}));
        journal.CopyAdded(1, copy(TMode::Corvane, "C01", {"printed too"}));
        journal.TaskFinished(1, true);
        journal.CopyAdded(3, copy(TMode::Manual, "free", std::vector<std::string>(TLabelRecord::Capacity, "v")));
        ASSERT_TRUE(journal.Sync());
    }
    const std::vector<TLabelRecord> pending = reopen();
    ASSERT_EQ(pending.size(), 2u);
    const TLabelRecord expected = copy(TMode::Legacy, "07", {"a b", "100%", "", "line\r\nbreak", "\x01\xff"});
    const TLabelRecord& legacy = pending[0];
    EXPECT_EQ(legacy.Mode, TMode::Legacy);
    EXPECT_EQ(legacy.Amount, 1);
    EXPECT_EQ(legacy.Design, "07");
    EXPECT_EQ(legacy.DesignFolder, "/designs/with blank/");
    EXPECT_EQ(legacy.LocationName, "North*");
    ASSERT_EQ(legacy.FieldCount(), expected.FieldCount());
    for (int i = 0; i < expected.FieldCount(); ++i) {
        EXPECT_EQ(legacy.FieldName(i), expected.FieldName(i));
        EXPECT_EQ(legacy.FieldKind(i), expected.FieldKind(i));
        EXPECT_EQ(legacy.FieldValue(i), expected.FieldValue(i));
    }
    EXPECT_EQ(pending[1].FieldCount(), TLabelRecord::Capacity);
    EXPECT_EQ(pending[1].FieldName(TLabelRecord::Capacity - 1), "") << "beyond the vocabulary: no name";
}

TEST_F(TaskJournalTest, FileStillToBeReadAgainIsNotReplayed) {
    const std::string stillThere = world.path("EngineA.txt");
    {
        TTaskJournal journal(path);
        journal.Open([this](TMode m) -> const std::vector<TField>& { return vocabulary(m); });
        journal.ClaimStarted(world.path("gone.txt"));
        journal.CopyAdded(1, copy(TMode::Corvane, "C01", {"filed before the crash"}));
        journal.ClaimStarted(stillThere);
        journal.CopyAdded(2, copy(TMode::Corvane, "C02", {"read again from the work file"}));
        ASSERT_TRUE(journal.Sync());
    }
    std::ofstream(stillThere) << "1,C,02,x\r\n";
    const std::vector<TLabelRecord> pending = reopen();
    ASSERT_EQ(pending.size(), 1u);
    EXPECT_EQ(pending[0].FieldValue(0), "filed before the crash");
}

TEST_F(TaskJournalTest, TornLastLineAndInterruptedReplay) {
    {
        TTaskJournal journal(path);
        journal.Open([this](TMode m) -> const std::vector<TField>& { return vocabulary(m); });
        journal.CopyAdded(1, copy(TMode::Corvane, "C01", {"whole"}));
        ASSERT_TRUE(journal.Sync());
    }
    std::ofstream(path, std::ios::app) << "A 9.9 3 C01 /d/ x 1 47 ha";
    // A replay that crashed leaves the earlier journal beside a partial new one.
    {
        TTaskJournal replaying(path);
        EXPECT_EQ(replaying.Open([this](TMode m) -> const std::vector<TField>& { return vocabulary(m); }).size(), 1u);
        replaying.CopyAdded(1, copy(TMode::Corvane, "C01", {"whole"}));
    }
    ASSERT_TRUE(fs::exists(path + ".old"));
    const std::vector<TLabelRecord> pending = reopen();
    ASSERT_EQ(pending.size(), 1u) << "the partial replay is not counted twice";
    EXPECT_EQ(pending[0].FieldValue(0), "whole");
}

TEST_F(TaskJournalTest, ClearAfterTheLastTaskEmptiesTheJournal) {
    TTaskJournal journal(path);
    journal.Open([this](TMode m) -> const std::vector<TField>& { return vocabulary(m); });
    journal.CopyAdded(1, copy(TMode::Corvane, "C01", {"x"}));
    journal.ClaimStarted(world.path("w.txt"));
    journal.Clear();
    EXPECT_GT(fs::file_size(path), 0u) << "not while a file is being read";
    journal.ClaimFiled();
    journal.TaskFinished(1, true);
    journal.Clear();
    EXPECT_EQ(fs::file_size(path), 0u);
    journal.ReplayDone();
    EXPECT_FALSE(fs::exists(path + ".old"));
}

TEST_F(TaskJournalTest, RewriteKeepsOnlyTheCopiesStillHeld) {
    const TLabelRecord kept = copy(TMode::Corvane, "C02", {"kept"});
    {
        TTaskJournal journal(path);
        journal.Open([this](TMode m) -> const std::vector<TField>& { return vocabulary(m); });
        for (int n = 0; n < 50; ++n) journal.CopyAdded(1, copy(TMode::Corvane, "C01", {"gone"}));
        journal.TaskFinished(1, true);
        journal.CopyAdded(2, kept);
        const auto before = journal.Size();
        journal.Rewrite({{2, &kept}});
        EXPECT_LT(journal.Size(), before / 10);
        journal.CopyAdded(2, kept);
        ASSERT_TRUE(journal.Sync());
    }
    const std::vector<TLabelRecord> pending = reopen();
    ASSERT_EQ(pending.size(), 2u);
    EXPECT_EQ(pending[1].FieldValue(0), "kept");
    EXPECT_FALSE(fs::exists(path + ".new"));
}

}  // namespace
}  // namespace quill
