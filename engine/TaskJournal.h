#pragma once
// The journal of label copies held in print tasks. A label file is filed as
// soon as it has been read, while its copies may wait in a task for minutes;
// the journal keeps those copies on disk until their task has printed (or
// failed), so that a crash loses none of them: the next start queues them
// again. It also records how far the file being read has printed, so that
// reading it again after a crash leaves out the copies that printed. Append-only
// text lines, synced before the label file is filed and after every task
// printed while a file is read:
//   C <work path> <id>   a claimed label file (inode and size) is being read
//   F                    that file has been filed
//   A <task> <record>    one copy joined a task
//   S                    one copy of the file, printed before a crash, left out
//   D <task>             the task has printed
//   N <task>             the task has failed
// Tasks are named "<run>.<task ID>", so task IDs of different runs never meet.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/UGlobals.h"
#include "core/LabelRecord.h"

namespace quill {

// Field names of a mode's records: the vocabulary its files are read with.
using TVocabularyOf = std::function<const std::vector<TField>&(TMode)>;

class TTaskJournal {
public:
    explicit TTaskJournal(std::string path);
    ~TTaskJournal();
    TTaskJournal(const TTaskJournal&) = delete;
    TTaskJournal& operator=(const TTaskJournal&) = delete;

    const std::string& Path() const { return path_; }

    // Starts this run's journal and returns the copies that an earlier run
    // left in unfinished tasks, in the order they arrived. Copies read from a
    // file whose reading never finished are left out while that file still
    // exists: reading it again queues them. The earlier journal is kept
    // until ReplayDone, so a crash during the replay replays it again.
    std::vector<TLabelRecord> Open(const TVocabularyOf& vocabulary);
    // The replayed copies are queued and synced (or printed): the earlier
    // journal goes.
    void ReplayDone();
    // For a work file whose reading an earlier run left unfinished: which
    // of its copies, in the order reading queues them, printed then. Empty
    // for any other file. Asked once: the answer is forgotten.
    std::vector<bool> TakePrintedCopies(const std::string& workPath);

    void ClaimStarted(const std::string& workPath);
    void ClaimFiled();
    void CopyAdded(int taskId, const TLabelRecord& copy);
    void CopySkipped();
    void TaskFinished(int taskId, bool printed);
    bool ClaimOpen() const { return claimOpen_; }
    // Makes everything written so far durable; false when the journal could
    // not be written (the caller must not rely on it then).
    bool Sync();
    // No task holds copies and no file is being read: start afresh.
    void Clear();
    // Bytes written since the journal was last started afresh.
    std::int64_t Size() const { return size_; }
    // Replaces the journal by one that holds just `held` (task ID, copy),
    // so a journal of an engine that is never idle stays small. Not while a
    // file is being read; the current journal stays when the new one fails.
    void Rewrite(const std::vector<std::pair<int, const TLabelRecord*>>& held);

private:
    void Append(const std::string& line);
    void OpenForAppend();

    std::string path_;
    std::string run_;
    int fd_ = -1;
    bool failed_ = false;
    bool claimOpen_ = false;
    std::int64_t size_ = 0;
    // Unfinished claims of the earlier journal: work path -> (file id, printed copies).
    std::map<std::string, std::pair<std::string, std::vector<bool>>> resumable_;
};

}  // namespace quill
