// The 17 print-task slots: grouping copies per design, printing a task as
// one job, and the journal that keeps waiting copies across a crash.
#include "engine/EngineCore.h"

#include <strings.h>

#include <algorithm>
#include <exception>
#include <filesystem>

#include "core/Logging.h"
#include "engine/Filing.h"
#include "engine/LabelFileReader.h"
#include "printing/DesignLayout.h"
#include "printing/DesignLookup.h"
#include "printing/PrintJob.h"
#include "printing/ShiftControllers.h"

namespace quill {

namespace {

bool SameText(const std::string& a, const std::string& b) { return ::strcasecmp(a.c_str(), b.c_str()) == 0; }

bool HoldsDesign(const TPrintTaskListRecord& task, const std::string& designFolder, const std::string& design) {
    return SameText(task.DesignFolder, designFolder) && SameText(task.Design, design);
}

std::string AmountText(const TPrintTaskListRecord& task) {
    return std::to_string(task.Count()) + "/" + std::to_string(task.Capacity);
}

}  // namespace

int TEngineCore::FindTask(const std::string& designFolder, const std::string& design) const {
    for (int slot = 0; slot < TaskSlotCount; ++slot)
        if (HoldsDesign(Task(slot), designFolder, design)) return slot;
    for (int slot = 0; slot < TaskSlotCount; ++slot)
        if (Task(slot).Labels.empty()) return slot;
    return 0;
}

TAddResult TEngineCore::AddToTask(const TLabelRecord& record) {
    const int slot = FindTask(record.DesignFolder, record.Design);
    TPrintTaskListRecord& task = slots_[static_cast<std::size_t>(slot)];
    if (task.Labels.empty()) {
        task.TaskID = NextTaskID();
        task.Started = QDateTime::currentDateTime();
        // While paused no delay runs; resuming starts it.
        if (!pacer_.Paused()) task.Timer->start();
        task.Design = record.Design;
        task.DesignFolder = record.DesignFolder;
        task.LocationName = record.LocationName;
        const std::optional<std::string> design = FindDesignFile(task.DesignFolder, task.Design);
        task.Capacity = (design ? ReadLabelDefinition(*design) : std::nullopt)
                            .value_or(TLabelDefinition{})
                            .LabelsPerPage();
        rows_.AddQueueRow(task.TaskID, record.Mode, record.LocationName, task.Design, AmountText(task),
                          "New printer task" + StatusSuffix(TSuffixKind::NewTask, record.Mode), TRowStatus::Pending);
    }
    // Every slot busy with other designs: slot 0 must print first.
    if (!HoldsDesign(task, record.DesignFolder, record.Design)) return {TAddOutcome::SlotHeld, slot};

    TLabelRecord& copy = task.Labels.emplace_back(record);
    copy.Amount = 1;
    // a copy queued again from the journal: its file was filed long ago
    if (!readingFile_) task.FiledCopies = task.Count();
    journal_.CopyAdded(task.TaskID, copy);
    rows_.UpdateQueueRows(task.TaskID, AmountText(task), "Labels added to task", TRowStatus::Pending);
    // A Direct task sends its first copy's values only, so each Direct copy
    // is a task of its own; shift control wants every copy printed at once.
    const bool printNow = task.Count() >= task.Capacity || IsDirectMode(record.Mode) || AnyShiftInUse();
    return {printNow ? TAddOutcome::QueuedPrintNow : TAddOutcome::Queued, slot};
}

bool TEngineCore::PrintTask(int slot) {
    TPrintTaskListRecord& task = slots_.at(static_cast<std::size_t>(slot));
    if (task.Labels.empty()) return true;
    const TMode mode = task.Labels.front().Mode;
    const TPrintOutcome outcome = IsDirectMode(mode) ? PrintDirectTask(slot) : PrintTaskLabels(slot, Vocabulary(mode));
    ReportPrintResult(task, outcome);
    // Printed or failed, the copies are not kept for a retry.
    journal_.TaskFinished(task.TaskID, outcome.Printed);
    // How far the file being read has printed must survive a crash now:
    // reading it again goes on after this page.
    if (journal_.ClaimOpen()) journal_.Sync();
    ResetTask(slot);
    if (!outcome.Printed) AddLog("Not printed");
    TrimJournal();
    return outcome.Printed;
}

namespace {

// A print path that throws has not printed; its message is the reason.
template <typename Print>
bool Attempt(Print print, std::string& error) {
    try {
        return print();
    } catch (const std::exception& failure) {
        error = failure.what();
        return false;
    }
}

}  // namespace

TEngineCore::TPrintOutcome TEngineCore::PrintTaskLabels(int slot, const std::vector<TField>& vocabulary) {
    const TPrintTaskListRecord& task = Task(slot);
    TPrintOutcome outcome;
    outcome.Printed = Attempt(
        [&] { return print_(*job_, task.Labels, vocabulary, preview_, outcome.Error, outcome.PrintedCopies); },
        outcome.Error);
    outcome.Destination = LastPrinterName();
    if (preview_ && outcome.Printed) outcome.PreviewFile = job_->PreviewFile();
    return outcome;
}

TEngineCore::TPrintOutcome TEngineCore::PrintDirectTask(int slot) {
    const TPrintTaskListRecord& task = Task(slot);
    TPrintOutcome outcome;
    outcome.Printed = Attempt(
        [&] { return quill::PrintDirectTask(directCache_, task.Labels, outcome.Destination, outcome.Error); },
        outcome.Error);
    outcome.PrintedCopies = outcome.Printed ? task.Count() : 0;
    return outcome;
}

void TEngineCore::ReportPrintResult(const TPrintTaskListRecord& task, const TPrintOutcome& outcome) {
    const TMode mode = task.Labels.front().Mode;
    if (!outcome.Printed) {
        const std::vector<std::string> inError = KeepUnprinted(task, outcome.PrintedCopies);
        rows_.UpdateQueueRows(task.TaskID, "0", "Not printed. " + outcome.Error + ErrorSuffix(inError),
                              TRowStatus::NotPrinted);
        return;
    }
    if (!outcome.PreviewFile.empty()) {
        // no window shows it: the file is the preview
        AddLog("Preview of task " + std::to_string(task.TaskID) + " (" + task.Design + "): " + outcome.PreviewFile);
        rows_.UpdateQueueRows(task.TaskID, "0",
                              "Preview in " + outcome.PreviewFile + StatusSuffix(TSuffixKind::Printed, mode),
                              TRowStatus::Printed);
        return;
    }
    rows_.UpdateQueueRows(task.TaskID, "0",
                          "Printed to " + outcome.Destination + StatusSuffix(TSuffixKind::Printed, mode),
                          TRowStatus::Printed);
}

std::vector<std::string> TEngineCore::KeepUnprinted(const TPrintTaskListRecord& task, int printedCopies) {
    const int first = std::clamp(printedCopies, 0, task.Count());
    const int filedEnd = std::max(first, std::min(task.FiledCopies, task.Count()));
    std::vector<std::string> names;
    // copies of one label folder go into one file
    for (int from = first; from < filedEnd;) {
        const TLabelRecord& head = task.Labels[static_cast<std::size_t>(from)];
        int to = from + 1;
        while (to < filedEnd && task.Labels[static_cast<std::size_t>(to)].Mode == head.Mode &&
               task.Labels[static_cast<std::size_t>(to)].LocationName == head.LocationName)
            ++to;
        const std::string stored =
            StoreUnprintedCopies(std::span(task.Labels).subspan(static_cast<std::size_t>(from),
                                                                static_cast<std::size_t>(to - from)));
        if (!stored.empty()) names.push_back(std::filesystem::path(stored).filename().string());
        from = to;
    }
    if (filedEnd < task.Count()) {
        readingFileFailed_ = true;
        const TQuill& q = Mode(task.Labels.back().Mode);
        names.push_back(std::filesystem::path(q.ErrorPath).filename().string());
    }
    return names;
}

void TEngineCore::ResetTask(int slot) {
    TPrintTaskListRecord& task = slots_.at(static_cast<std::size_t>(slot));
    task.Labels.clear();
    task.FiledCopies = 0;
    task.Timer->stop();
}

// The timer is single-shot: it is off again once it has fired.
void TEngineCore::TaskTimerFired(int slot) { PrintTask(slot); }

void TEngineCore::PrintAllTasks() {
    for (int slot = 0; slot < TaskSlotCount; ++slot) PrintTask(slot);
}

int TEngineCore::CollectedCopies() const {
    int copies = 0;
    for (const TPrintTaskListRecord& task : slots_) copies += task.Count();
    return copies;
}

void TEngineCore::SetTaskTimers(bool enabled) {
    for (TPrintTaskListRecord& task : slots_) {
        if (enabled && !task.Labels.empty())
            task.Timer->start();  // the delay starts over
        else
            task.Timer->stop();
    }
}

void TEngineCore::ReplayJournal() {
    if (!replay_.empty())
        AddLog("Task journal: " + std::to_string(replay_.size()) + " label copies of an earlier run queued again");
    bool printed = true;
    for (const TLabelRecord& copy : replay_) QueueCopies(copy, *this, printed);
    replay_.clear();
    SyncJournal();
    journal_.ReplayDone();
}

void TEngineCore::TrimJournal() {
    if (CollectedCopies() == 0) {
        journal_.Clear();
        return;
    }
    // An engine that is never idle would let the journal grow without end.
    constexpr std::int64_t rewriteBytes = 8 << 20;
    if (journal_.Size() < rewriteBytes) return;
    std::vector<std::pair<int, const TLabelRecord*>> held;
    for (const TPrintTaskListRecord& task : slots_)
        for (const TLabelRecord& copy : task.Labels) held.emplace_back(task.TaskID, &copy);
    journal_.Rewrite(held);
}

}  // namespace quill
