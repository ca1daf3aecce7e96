#include "engine_app/EngineRun.h"

#include <algorithm>
#include <filesystem>

#include "core/Logging.h"
#include "core/Startup.h"
#include "core/UGlobals.h"
#include "core/Utilities.h"
#include "engine/Candidates.h"
#include "engine/ControlProtocol.h"
#include "printing/ShiftControllers.h"

namespace quill {

namespace {

constexpr const char* kCaption = "Quill - Labelprint Engine";

int CountErrorFiles() {
    int count = 0;
    ForEachLabelFolder([&count](TMode, const std::string& labelFolder, const std::string&, const std::string&) {
        std::error_code ec;
        for (std::filesystem::directory_iterator it(AddBackslash(labelFolder) + "Error", ec), end; !ec && it != end;
             it.increment(ec))
            // Whatever is there: a FIFO or a link filed unread counts too.
            if (it->symlink_status(ec).type() != std::filesystem::file_type::directory) ++count;
    });
    return count;
}

int CountNotPrinted(const TQueueRows& rows) {
    return static_cast<int>(std::count_if(rows.Rows().begin(), rows.Rows().end(), [](const TQueueRow& row) {
        return row.StatusCode == TRowStatus::NotPrinted;
    }));
}

}  // namespace

TEngineRun::TEngineRun(std::ostream& rowsOut) : rowsOut_(rowsOut) {}

TEngineRun::~TEngineRun() { End(); }

bool TEngineRun::Begin(const std::string& version, std::string& reason) {
    InitializeGlobals();
    // Before the engine exists: its start reads the work files, which
    // belong to the engine that holds the lock.
    instance_ = TSingleInstance::Acquire(TSingleInstance::LockPath(), Folders.AppTitle, reason);
    if (!instance_) {
        FinalizeGlobals();
        return false;
    }
    StartShiftControllers();
    core_ = std::make_unique<TEngineCore>();
    printer_ = std::make_unique<TQueueRowPrinter>(core_->Rows(), rowsOut_);
    // Logged before the start: the start already prints what an
    // interrupted run left behind, and those rows belong after this line.
    AddLog(std::string("QuillEngine START ") + kCaption + " - " + version);
    LogException("FSideMenuEngine", "FormCreate", "Start", "Start of errorlog");
    core_->Start();
    OpenControlChannel(version);
    return true;
}

void TEngineRun::OpenControlChannel(const std::string& version) {
    control_ = std::make_unique<TControlServer>(*core_, version);
    std::string why;
    if (control_->Listen(control::SocketPath(), why)) return;
    control_.reset();
    AddLog("Control channel not opened: " + why);
    LogException("EngineRun", "OpenControlChannel", "Control channel", why);
}

TEngineRun::TDrainResult TEngineRun::Drain(const std::function<bool()>& stopRequested) {
    const int errorFilesBefore = CountErrorFiles();
    core_->Drain(stopRequested);
    return {CountNotPrinted(core_->Rows()), std::max(0, CountErrorFiles() - errorFilesBefore)};
}

bool TEngineRun::End() {
    // Taken out first: a request that arrives while the tasks print finds
    // nothing left to end.
    std::unique_ptr<TEngineCore> core = std::move(core_);
    if (!core) return false;
    // Clients see the collected tasks print.
    core->Shutdown();
    control_.reset();
    printer_.reset();
    core.reset();
    StopShiftControllers();
    FinalizeGlobals();
    AddLog("QuillEngine END");
    instance_.reset();
    return true;
}

}  // namespace quill
