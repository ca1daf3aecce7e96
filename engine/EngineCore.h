#pragma once
// The engine's working state, without any window: the candidate list, the
// 17 print-task slots with their delay timers, the queue rows, the
// delete-printed timer, the directory monitors, the label job and the task
// journal. The queue window and the headless service are views over it.
//
// Life of an engine (all calls on the Qt main thread, after
// InitializeGlobals, with a running event loop for the timers):
//   TEngineCore core;          // timers created, monitors set up (UseDirMonitor)
//   core.Start();              // replay the journal, recover work files, start the pacer
//   ...                        // ticks once a second; rows report through Rows()' signals
//   core.Shutdown();           // pause, print every collected task, stop the monitors
// Drain() processes every label file present and prints all tasks at once,
// without waiting for ticks or delays (a batch run, or "process and exit").
#include <array>
#include <functional>
#include <memory>
#include <set>
#include <span>
#include <string>
#include <vector>

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include "core/UGlobals.h"
#include "engine/Candidates.h"
#include "engine/DirMonitor.h"
#include "engine/LabelSink.h"
#include "engine/QueueRows.h"
#include "engine/QuillEngine.h"
#include "engine/TaskJournal.h"
#include "engine/WriteWatch.h"
#include "labelrender/LabelJob.h"
#include "printing/DirectPrint.h"

namespace quill {

inline constexpr int TaskSlotCount = 17;

// One print-task slot: the copies of one design waiting to print as one job.
// A free slot (no labels) keeps the design and folder of its last use.
struct TPrintTaskListRecord {
    int TaskID = 0;
    std::unique_ptr<QTimer> Timer;   // print delay; runs from the task's first copy
    std::vector<TLabelRecord> Labels;  // in arrival order, each with Amount 1
    std::string Design;
    int Capacity = 1;                // labels per page of the design
    std::string DesignFolder;
    std::string LocationName;        // of the first copy
    QDateTime Started;               // the first copy's arrival
    // The leading copies whose label file is already filed; the others
    // belong to the file being read.
    int FiledCopies = 0;

    int Count() const { return static_cast<int>(Labels.size()); }
};

class TEngineCore : public QObject, public TLabelSink {
    Q_OBJECT
public:
    // What printing a task calls; PrintLabel unless a test provokes failures.
    // It sets how many of the copies reached the printer, also when it fails.
    using TPrintFunction =
        std::function<bool(labelrender::LabelJob&, std::span<const TLabelRecord>, const std::vector<TField>&,
                           bool preview, std::string& errorText, int& printedCopies)>;

    // Creates the slot timers (PrintDelayMinutes as it is now), opens the
    // task journal (reading what an earlier run left in it) and, when
    // UseDirMonitor is on, sets up the directory monitors. The engine does
    // not run until Start.
    explicit TEngineCore(QObject* parent = nullptr);
    ~TEngineCore() override;

    // Removes the job work files an interrupted run left, queues again the
    // copies the journal holds from an earlier run, reads the work files an
    // interrupted run left in the label folders (going on after the last
    // page that printed), then starts the pacer and the delete-printed timer.
    void Start();
    // Pauses, prints every collected task and stops the monitors.
    void Shutdown();
    // Takes every label file present (several scans, until one finds nothing
    // that can be claimed: files still being written are left; those in
    // their quiet period are waited for), then prints all tasks. Returns the
    // number of files processed. Between files it asks `stopRequested`: once
    // it says yes, no further file is taken. Call Start first, so that an
    // earlier run's leftovers are dealt with (Drain runs to its end before
    // the pacer can tick again).
    int Drain(const std::function<bool()>& stopRequested = {});

    // Pausing twice is pausing once. Resuming restarts the timers of the
    // tasks that hold copies, each with its full delay.
    void PauseEngine();
    void ResumeEngine();
    bool IsPaused() const { return pacer_.Paused(); }

    // The engine tick: takes at most one label file, claims, reads and files
    // it. A work file found in a label folder (left by a crashed engine of
    // the same computer name) is that file.
    void CheckIncomingTimerTimer();

    // TLabelSink: the reader's way into the queue.
    TAddResult AddToTask(const TLabelRecord& record) override;
    bool PrintTask(int slot) override;

    // The slot of the design (folder and name compared without regard to
    // case), else the first free slot, else slot 0.
    int FindTask(const std::string& designFolder, const std::string& design) const;
    void ResetTask(int slot);
    void TaskTimerFired(int slot);
    int NextTaskID() { return ++taskCounter_; }
    // "Print Now" and shutdown: every slot in order.
    void PrintAllTasks();
    int CollectedCopies() const;
    // One minute after a task printed its row leaves the list.
    void DeletePrintedTimerTimer();

    // Directory monitoring: true when monitors are running.
    bool SetUpDirMonitors();
    void DirMonitorChange(const TQuillDirMonitor& monitor, TDirAction action, const std::string& fileName);

    TQuillEngine& Pacer() { return pacer_; }
    TCandidateList& Candidates() { return candidates_; }
    TQueueRows& Rows() { return rows_; }
    const TPrintTaskListRecord& Task(int slot) const { return slots_.at(static_cast<std::size_t>(slot)); }
    const QTimer& DeletePrintedTimer() const { return deletePrinted_; }
    int MonitorCount() const { return static_cast<int>(dirMonitors_.size()); }

    // Tests only: a print path that fails on demand.
    void SetPrintFunction(TPrintFunction print) { print_ = std::move(print); }

signals:
    void busy();                       // a tick started (the busy tray icon)
    void pausedChanged(bool paused);   // tray icon and status text

private:
    // Settling: its writer may not be done (its quiet period runs).
    enum class TTake { Processed, Skipped, Settling };
    enum class TWriter { Done, Writing, Settling };

    TTake ProcessCandidate(const TFileRecord& file);
    // Whether a writer may still be at work on the file: a write lease
    // tells; where none can be had, a close seen by a directory monitor,
    // else the quiet period.
    TWriter WriterOf(const std::string& path);
    // Files something that is not a regular file in Error without opening it.
    void FileUnread(TMode mode, const std::string& path, const std::string& kind);
    // Reads a claimed work file and files it in Backup or Error; copies
    // that printed before an interruption are left out.
    void ReadClaimedFile(TMode mode, const std::string& locationName, const std::string& designFolder,
                         const std::string& workPath);
    // Reads the work files found in the label folders as claimed files:
    // all of them, or (`all` false) the first; true when one was handled.
    bool RecoverWorkFiles(bool all);
    void ReplayJournal();
    // What printing a task came to.
    struct TPrintOutcome {
        bool Printed = false;
        int PrintedCopies = 0;     // the copies that reached the printer, from the first
        std::string Destination;   // printer or port
        std::string PreviewFile;   // a preview kept as a file
        std::string Error;
    };
    TPrintOutcome PrintTaskLabels(int slot, const std::vector<TField>& vocabulary);
    TPrintOutcome PrintDirectTask(int slot);
    void ReportPrintResult(const TPrintTaskListRecord& task, const TPrintOutcome& outcome);
    // Puts the copies a failed task did not print where a retry finds them:
    // those of filed label files into a new file in Error, while those of
    // the file being read send that file to Error. The names in Error.
    std::vector<std::string> KeepUnprinted(const TPrintTaskListRecord& task, int printedCopies);
    // Makes the journal durable, or prints every task when it cannot be.
    void SyncJournal();
    void SetTaskTimers(bool enabled);
    // Empties the journal when no task holds copies, or rewrites it when it
    // has grown large.
    void TrimJournal();
    const std::vector<TField>& ReadVocabulary(TMode mode) const;
    const std::vector<TField>& Vocabulary(TMode mode) const {
        return vocabularies_[static_cast<std::size_t>(ModeIndex(mode))];
    }

    // Records point into these field names while they wait in tasks; the
    // settings' own copy may be rebuilt meanwhile.
    std::array<std::vector<TField>, ModeCount> vocabularies_;
    TQuillEngine pacer_;
    TCandidateList candidates_;
    TQueueRows rows_;
    std::array<TPrintTaskListRecord, TaskSlotCount> slots_;
    QTimer deletePrinted_;
    int taskCounter_ = 0;
    bool preview_ = false;
    bool readingFile_ = false;        // a claimed file is being read and not yet filed
    bool readingFileFailed_ = false;  // copies of it were not printed: it goes to Error
    std::unique_ptr<labelrender::LabelJob> job_;
    TTaskJournal journal_;
    std::vector<TLabelRecord> replay_;  // from the journal, queued by Start
    TPrintFunction print_;
    TDirectPrinterCache directCache_;
    std::vector<std::unique_ptr<TQuillDirMonitor>> dirMonitors_;
    TWriteWatch writes_;
    // Work files that could not be moved after reading: never read again.
    std::set<std::string> unmovable_;
};

}  // namespace quill
