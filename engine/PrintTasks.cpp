// The 17 print-task slots: grouping copies per design, printing a task as
// one job, and the journal that keeps waiting copies across a crash.
#include "engine/EngineCore.h"

#include <strings.h>

#include <exception>

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
    const bool printed = IsDirectMode(mode) ? PrintDirectTask(slot) : PrintTaskLabels(slot, Vocabulary(mode));
    // Printed or failed, the copies are not kept for a retry.
    journal_.TaskFinished(task.TaskID);
    ResetTask(slot);
    if (!printed) AddLog("Not printed");
    TrimJournal();
    return printed;
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

bool TEngineCore::PrintTaskLabels(int slot, const std::vector<TField>& vocabulary) {
    const TPrintTaskListRecord& task = Task(slot);
    std::string error;
    const bool printed = Attempt([&] { return print_(*job_, task.Labels, vocabulary, preview_, error); }, error);
    return ReportPrintResult(task, printed, LastPrinterName(), error);
}

bool TEngineCore::PrintDirectTask(int slot) {
    const TPrintTaskListRecord& task = Task(slot);
    std::string port;
    std::string error;
    const bool printed = Attempt([&] { return quill::PrintDirectTask(directCache_, task.Labels, port, error); }, error);
    return ReportPrintResult(task, printed, port, error);
}

bool TEngineCore::ReportPrintResult(const TPrintTaskListRecord& task, bool printed, const std::string& destination,
                                    const std::string& error) {
    if (!printed) {
        ReportNotPrinted(task, error);
        return false;
    }
    const TMode mode = task.Labels.front().Mode;
    rows_.UpdateQueueRows(task.TaskID, "0", "Printed to " + destination + StatusSuffix(TSuffixKind::Printed, mode),
                          TRowStatus::Printed);
    return true;
}

void TEngineCore::ReportNotPrinted(const TPrintTaskListRecord& task, const std::string& message) {
    const TMode mode = task.Labels.front().Mode;
    rows_.UpdateQueueRows(task.TaskID, "0", "Not printed. " + message + StatusSuffix(TSuffixKind::NotPrinted, mode),
                          TRowStatus::NotPrinted);
}

void TEngineCore::ResetTask(int slot) {
    TPrintTaskListRecord& task = slots_.at(static_cast<std::size_t>(slot));
    task.Labels.clear();
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
