// The engine tick: take one candidate, claim it, read it, file it; and the
// start-up recovery of what an interrupted run left behind.
#include "engine/EngineCore.h"

#include <fcntl.h>
#include <unistd.h>

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
// folder).
class TClaimGuard {
public:
    explicit TClaimGuard(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
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

}  // namespace

void TEngineCore::CheckIncomingTimerTimer() {
    emit busy();
    const std::optional<TFileRecord> file = candidates_.GetNextLabelFile();
    if (!file) return;
    // No tick may start while this one works (printing can take long).
    const bool running = pacer_.TimerActive();
    pacer_.StopTimer();
    ProcessCandidate(*file);
    if (running && !pacer_.Paused()) pacer_.StartTimer();
}

TEngineCore::TTake TEngineCore::ProcessCandidate(const TFileRecord& file) {
    try {
        const std::string labelFolder = AddBackslash(file.LabelFolder);
        BeginFile(file.Mode, file.FileName, labelFolder);
        const std::string source = labelFolder + file.FileName;
        const std::string work = Settings.MakeUseOfWorkfile ? labelFolder + Folders.WorkFileName : source;
        Trace(Settings.MakeUseOfWorkfile ? "Rename-File" : "Read-File");
        // A rename succeeds while the writer still has the file open, so ask
        // first; a file in use stays for a later scan.
        // the trace ends every tick that took a candidate, claimed or not
        const auto notClaimed = [] {
            Trace("End");
            return TTake::Skipped;
        };
        if (platform::IsFileInUse(source)) return notClaimed();
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

void TEngineCore::ReadClaimedFile(TMode mode, const std::string& locationName, const std::string& designFolder,
                                  const std::string& workPath) {
    journal_.ClaimStarted(workPath);
    bool result = false;
    try {
        Trace("Printing Start");
        result = ReadLabelFile(mode, locationName, ReadVocabulary(mode), designFolder, workPath, *this);
    } catch (const std::exception& error) {
        // A file that breaks off halfway goes to Error like an unreadable
        // one; the copies queued before the break stay queued.
        AddLog(error.what());
    }
    SyncJournal();
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

void TEngineCore::RecoverWorkFiles() {
    ForEachLabelFolder([this](TMode mode, const std::string& labelFolder, const std::string& designFolder,
                              const std::string& locationName) {
        const std::string folder = AddBackslash(labelFolder);
        const std::string work = folder + Folders.WorkFileName;
        if (!platform::FileExists(work)) return;
        AddLog("Work file " + work + " left by an interrupted run is read again");
        BeginFile(mode, Folders.WorkFileName, folder);
        const TClaimGuard guard(work);
        ReadClaimedFile(mode, locationName, AddBackslash(designFolder), work);
    });
}

const std::vector<TField>& TEngineCore::ReadVocabulary(TMode mode) const {
    return Vocabulary(mode == TMode::Direct ? TMode::Corvane : mode);
}

}  // namespace quill
