#include "engine/EngineCore.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <thread>

#include "core/Logging.h"
#include "core/Utilities.h"
#include "labelrender/OutputDevice.h"
#include "printing/PrintJob.h"

namespace quill {

namespace {

constexpr int DeletePrintedMs = 60000;

int TaskDelayMs() {
    constexpr int minuteMs = 60000;
    return std::clamp(Settings.PrintDelayMinutes, 0, INT_MAX / minuteMs) * minuteMs;
}

// One journal per engine: two engines may share the temporary folder.
std::string JournalPath() {
    return AddBackslash(Settings.TempLocation) + "QuillTasks-" + Folders.ComputerName + ".journal";
}

}  // namespace

TEngineCore::TEngineCore(QObject* parent)
    : QObject(parent),
      preview_(Settings.PreviewAll == 1),
      job_(std::make_unique<labelrender::LabelJob>(Folders.LanguageIndex)),
      journal_(JournalPath()),
      print_([](labelrender::LabelJob& job, std::span<const TLabelRecord> records,
                const std::vector<TField>& vocabulary, bool preview, std::string& errorText, int& printedCopies) {
          return PrintLabel(job, records, vocabulary, preview, errorText, {}, &printedCopies);
      }) {
    for (TMode mode : AllModes) vocabularies_[static_cast<std::size_t>(ModeIndex(mode))] = Mode(mode).Fields;
    replay_ = journal_.Open([this](TMode mode) -> const std::vector<TField>& { return ReadVocabulary(mode); });

    connect(&pacer_, &TQuillEngine::tick, this, &TEngineCore::CheckIncomingTimerTimer);
    connect(&pacer_, &TQuillEngine::pauseRequested, this, &TEngineCore::PauseEngine);
    connect(&pacer_, &TQuillEngine::resumeRequested, this, &TEngineCore::ResumeEngine);

    const int delayMs = TaskDelayMs();
    for (int slot = 0; slot < TaskSlotCount; ++slot) {
        auto& timer = slots_[static_cast<std::size_t>(slot)].Timer;
        timer = std::make_unique<QTimer>();
        timer->setInterval(delayMs);
        timer->setSingleShot(true);
        // A coarse timer may fire seconds late on a delay of minutes.
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer.get(), &QTimer::timeout, this, [this, slot] { TaskTimerFired(slot); });
    }
    deletePrinted_.setInterval(DeletePrintedMs);
    connect(&deletePrinted_, &QTimer::timeout, this, &TEngineCore::DeletePrintedTimerTimer);

    if (Settings.UseDirMonitorFlag)
        SetUpDirMonitors();
    else if (Settings.DebugFlag)
        AddLog("No DirMonitors used.");
}

TEngineCore::~TEngineCore() = default;

void TEngineCore::Start() {
    if (const int removed = labelrender::RemoveLeftoverWorkFiles(); removed > 0)
        AddLog(std::to_string(removed) + " job work file(s) of an interrupted run removed");
    ReplayJournal();
    RecoverWorkFiles(true);
    pacer_.SetPaused(false);
    pacer_.StartTimer();
    deletePrinted_.start();
}

void TEngineCore::Shutdown() {
    PauseEngine();
    PrintAllTasks();
    dirMonitors_.clear();
}

int TEngineCore::Drain(const std::function<bool()>& stopRequested) {
    bool stopped = false;
    const auto stop = [&] { return stopped = stopped || (stopRequested && stopRequested()); };
    // Files in their quiet period are waited for, but not for ever: a
    // writer that keeps writing leaves its file for the next run.
    const auto patience = std::chrono::seconds(std::max(0, Settings.LabelsQuietSecs) + 5);
    auto lastProgress = std::chrono::steady_clock::now();
    int processed = 0;
    while (!stop()) {
        bool progress = RecoverWorkFiles(true);
        bool settling = false;
        candidates_.ScanIncomingFiles();
        while (candidates_.Count() > 0 && !stop()) {
            switch (ProcessCandidate(*candidates_.GetNextLabelFile())) {
                case TTake::Processed:
                    ++processed;
                    progress = true;
                    break;
                case TTake::Settling: settling = true; break;
                case TTake::Skipped: break;
            }
        }
        const auto now = std::chrono::steady_clock::now();
        if (progress) lastProgress = now;
        if (!progress && (!settling || now - lastProgress > patience)) break;
        if (!progress) std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    candidates_.Clear();
    PrintAllTasks();
    return processed;
}

void TEngineCore::PauseEngine() {
    if (pacer_.Paused()) return;
    pacer_.SetPaused(true);
    pacer_.StopTimer();
    deletePrinted_.stop();
    SetTaskTimers(false);
    emit pausedChanged(true);
}

void TEngineCore::ResumeEngine() {
    if (!pacer_.Paused()) return;
    pacer_.SetPaused(false);
    pacer_.StartTimer();
    deletePrinted_.start();
    SetTaskTimers(true);
    emit pausedChanged(false);
}

void TEngineCore::DeletePrintedTimerTimer() { rows_.RemovePrinted(); }

}  // namespace quill
