// The engine tick: take one candidate, claim it, read it, file it; and the
// start-up recovery of what an interrupted run left behind.
#include "engine/EngineCore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <exception>

#include "core/Logging.h"
#include "core/Utilities.h"
#include "engine/Filing.h"
#include "engine/LabelFileReader.h"
#include "platform/FileOps.h"

namespace quill {

namespace {

void Trace(const char* step) {
    if (Settings.DebugFlag) AddLogVerbose(std::string("Check-Incoming-Files: ") + step);
}

// Keeps a claimed file open until it is filed. An open file refuses the
// write lease that the "in use" test asks for, so another engine sharing
// the folder leaves our work file alone (it matches "*.txt" in the Manual
// folder). Opened without following a link and without waiting on a FIFO;
// anything but a regular file is not held.
class TClaimGuard {
public:
    explicit TClaimGuard(const std::string& path)
        : fd_(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)) {
        struct stat st {};
        if (fd_ >= 0 && (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode))) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~TClaimGuard() {
        if (fd_ >= 0) ::close(fd_);
    }
    TClaimGuard(const TClaimGuard&) = delete;
    TClaimGuard& operator=(const TClaimGuard&) = delete;
    bool IsOpen() const { return fd_ >= 0; }

private:
    int fd_;
};

// The file the mode works on now, and where it will go (named now, at the
// start of its tick).
void BeginFile(TMode mode, const std::string& fileName, const std::string& labelFolder) {
    TQuill& q = Mode(mode);
    q.CurrentFile = fileName;
    q.ErrorPath = MakeErrorPath(labelFolder, mode);
    q.BackupPath = MakeBackupPath(labelFolder, mode);
}

std::string NameOf(const std::string& path) { return path.substr(path.rfind('/') + 1); }

// Hands the copies of a file on to the queue, leaving out those that an
// earlier run printed before it was interrupted (each recorded as such, so
// a second interruption still knows).
class TResumingSink : public TLabelSink {
public:
    TResumingSink(TLabelSink& queue, TTaskJournal& journal, std::vector<bool> printed)
        : queue_(queue), journal_(journal), printed_(std::move(printed)) {}
    TAddResult AddToTask(const TLabelRecord& record) override {
        if (next_ < printed_.size() && printed_[next_]) {
            ++next_;
            ++skipped_;
            journal_.CopySkipped();
            return {TAddOutcome::Queued, 0};
        }
        const TAddResult added = queue_.AddToTask(record);
        if (added.Outcome != TAddOutcome::SlotHeld) ++next_;
        return added;
    }
    bool PrintTask(int task) override { return queue_.PrintTask(task); }
    int Skipped() const { return skipped_; }

private:
    TLabelSink& queue_;
    TTaskJournal& journal_;
    std::vector<bool> printed_;
    std::size_t next_ = 0;
    int skipped_ = 0;
};

}  // namespace

void TEngineCore::CheckIncomingTimerTimer() {
    emit busy();
    const bool running = pacer_.TimerActive();
    // No tick may start while this one works (printing can take long).
    pacer_.StopTimer();
    // A work file found in a folder is handled first: it blocks every claim there.
    if (!RecoverWorkFiles(false)) {
        if (const std::optional<TFileRecord> file = candidates_.GetNextLabelFile()) ProcessCandidate(*file);
    }
    if (running && !pacer_.Paused()) pacer_.StartTimer();
}

TEngineCore::TTake TEngineCore::ProcessCandidate(const TFileRecord& file) {
    try {
        const std::string labelFolder = AddBackslash(file.LabelFolder);
        const std::string source = labelFolder + file.FileName;
        const platform::FileKind kind = platform::KindOf(source);
        if (kind == platform::FileKind::Missing || kind == platform::FileKind::Folder) return TTake::Skipped;
        BeginFile(file.Mode, file.FileName, labelFolder);
        if (kind != platform::FileKind::Regular) {
            FileUnread(file.Mode, source, platform::DescribeKind(kind));
            // Still there (a folder that cannot be written): nothing was done.
            return platform::KindOf(source) == platform::FileKind::Missing ? TTake::Processed : TTake::Skipped;
        }
        const std::string work = Settings.MakeUseOfWorkfile ? labelFolder + Folders.WorkFileName : source;
        Trace(Settings.MakeUseOfWorkfile ? "Rename-File" : "Read-File");
        // A rename succeeds while the writer still has the file open, so ask
        // first; a file in use stays for a later scan.
        // the trace ends every tick that took a candidate, claimed or not
        const auto notClaimed = [](TTake take = TTake::Skipped) {
            Trace("End");
            return take;
        };
        if (const TWriter writer = WriterOf(source); writer != TWriter::Done)
            return notClaimed(writer == TWriter::Settling ? TTake::Settling : TTake::Skipped);
        const TClaimGuard guard(source);
        if (!guard.IsOpen()) return notClaimed();  // gone: taken by another engine
        if (work != source && !platform::RenameNoReplace(source, work)) return notClaimed();
        ReadClaimedFile(file.Mode, file.LocationName, AddBackslash(file.DesignFolder), work);
        return TTake::Processed;
    } catch (const std::exception& error) {
        Trace("End");
        AddLog(error.what());
        return TTake::Skipped;
    }
}

TEngineCore::TWriter TEngineCore::WriterOf(const std::string& path) {
    switch (platform::AskWriteLease(path)) {
        case platform::LeaseAnswer::Free: return TWriter::Done;
        case platform::LeaseAnswer::Held: return TWriter::Writing;
        case platform::LeaseAnswer::Unavailable: break;
    }
    // Without a lease a writer that pauses looks finished: trust only a
    // close (or a rename into place) that a monitor saw after the last
    // write, else a quiet period.
    for (const auto& monitor : dirMonitors_) monitor->DeliverPending();
    switch (writes_.StateOf(path)) {
        case TWriteState::Closed: return TWriter::Done;
        case TWriteState::Writing: return TWriter::Writing;
        case TWriteState::Unknown: break;
    }
    return platform::IsQuietFor(path, std::max(0, Settings.LabelsQuietSecs) * 1000) ? TWriter::Done
                                                                                    : TWriter::Settling;
}

void TEngineCore::FileUnread(TMode mode, const std::string& path, const std::string& kind) {
    TQuill& q = Mode(mode);
    q.ErrorPath = StoreLabelFile(path, q.ErrorPath);
    AddLog("Label file " + path + " is " + kind + ", not a regular file: moved to Error unread (" +
           NameOf(q.ErrorPath) + ")");
}

void TEngineCore::ReadClaimedFile(TMode mode, const std::string& locationName, const std::string& designFolder,
                                  const std::string& workPath) {
    TResumingSink sink(*this, journal_, journal_.TakePrintedCopies(workPath));
    journal_.ClaimStarted(workPath);
    bool result = false;
    readingFile_ = true;
    readingFileFailed_ = false;
    try {
        Trace("Printing Start");
        result = ReadLabelFile(mode, locationName, ReadVocabulary(mode), designFolder, workPath, sink);
    } catch (const std::exception& error) {
        // A file that breaks off halfway goes to Error like an unreadable
        // one; the copies queued before the break stay queued.
        AddLog(error.what());
    }
    if (sink.Skipped() > 0)
        AddLog("Work file " + workPath + ": " + std::to_string(sink.Skipped()) +
               " label copies printed before the interruption are not printed again");
    SyncJournal();
    // Any of its copies that did not print, not only those of the last
    // task, would be lost in Backup.
    result = result && !readingFileFailed_;
    readingFile_ = false;
    for (TPrintTaskListRecord& task : slots_) task.FiledCopies = task.Count();
    TQuill& q = Mode(mode);
    if (!result) {
        q.ErrorPath = StoreLabelFile(workPath, q.ErrorPath);
        Trace("Printing Error");
    } else if (Settings.BackupLabelFile) {
        q.BackupPath = StoreLabelFile(workPath, q.BackupPath);
        Trace("Printing Done");
    } else {
        platform::DeleteFile(workPath);
        Trace("Printing Done");
    }
    journal_.ClaimFiled();
    TrimJournal();
    Trace("End");
}

void TEngineCore::SyncJournal() {
    if (journal_.Sync()) return;
    // Without the journal a crash would lose the waiting copies of a file
    // about to be filed: print them now instead.
    AddLog("Task journal not written: collected tasks are printed now");
    PrintAllTasks();
}

bool TEngineCore::RecoverWorkFiles(bool all) {
    bool recovered = false;
    ForEachLabelFolder([&](TMode mode, const std::string& labelFolder, const std::string& designFolder,
                           const std::string& locationName) {
        if (recovered && !all) return;  // one file per tick, also for these
        const std::string folder = AddBackslash(labelFolder);
        const std::string work = folder + Folders.WorkFileName;
        const platform::FileKind kind = platform::KindOf(work);
        if (kind == platform::FileKind::Missing || kind == platform::FileKind::Folder) return;
        const std::string identity = platform::FileIdentity(work);
        if (unmovable_.contains(identity)) return;
        // Left by an interrupted run, or by a crashed engine of the same
        // computer name that shared the folder (a live one holds it open).
        if (kind == platform::FileKind::Regular && WriterOf(work) != TWriter::Done) return;
        const TClaimGuard guard(work);
        if (kind == platform::FileKind::Regular && !guard.IsOpen()) return;
        recovered = true;
        BeginFile(mode, Folders.WorkFileName, folder);
        if (kind != platform::FileKind::Regular) {
            FileUnread(mode, work, platform::DescribeKind(kind));
        } else {
            AddLog("Work file " + work + " left by an interrupted run is read again");
            ReadClaimedFile(mode, locationName, AddBackslash(designFolder), work);
        }
        // Read again at every tick, it would print again and again.
        if (platform::FileIdentity(work) == identity) unmovable_.insert(identity);
    });
    return recovered;
}

const std::vector<TField>& TEngineCore::ReadVocabulary(TMode mode) const {
    return Vocabulary(mode == TMode::Direct ? TMode::Corvane : mode);
}

}  // namespace quill
