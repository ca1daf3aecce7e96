#pragma once
// The engine without windows, from the core start-up to the orderly end:
// what the tray window's creation and its "End" do, for the headless run
// and the service alike. All calls on the Qt main thread.
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

#include "engine/ControlServer.h"
#include "engine/EngineCore.h"
#include "engine_app/QueueRowPrinter.h"
#include "engine_app/SingleInstance.h"

namespace quill {

class TEngineRun {
public:
    // Queue rows are written to `rowsOut` as they change.
    explicit TEngineRun(std::ostream& rowsOut);
    // Ends in order when End has not run.
    ~TEngineRun();
    TEngineRun(const TEngineRun&) = delete;
    TEngineRun& operator=(const TEngineRun&) = delete;

    // Set the program identity first. Runs InitializeGlobals, takes the
    // single-instance lock, starts the engine and logs "QuillEngine START",
    // then opens the control channel (a failure there is logged only).
    // False, with the reason, when another engine runs; nothing stays
    // started then.
    bool Begin(const std::string& version, std::string& reason);
    struct TDrainResult {
        int NotPrinted = 0;    // tasks
        int FiledInError = 0;  // label files
    };
    // Takes every label file present and prints all tasks; once
    // `stopRequested` says yes, no further file is taken.
    TDrainResult Drain(const std::function<bool()>& stopRequested = {});
    // Pauses, prints every collected task, stops the engine, runs
    // FinalizeGlobals and logs "QuillEngine END". Only the first call after
    // Begin does this; it returns whether it did.
    bool End();
    // The running engine; null before Begin and after End.
    TEngineCore* Core() const { return core_.get(); }

private:
    void OpenControlChannel(const std::string& version);

    std::ostream& rowsOut_;
    std::unique_ptr<TSingleInstance> instance_;
    std::unique_ptr<TEngineCore> core_;
    std::unique_ptr<TQueueRowPrinter> printer_;
    std::unique_ptr<TControlServer> control_;
};

}  // namespace quill
