#include "engine_app/QuillService.h"

#include "core/Logging.h"
#include "core/Settings.h"
#include "core/Startup.h"
#include "core/UGlobals.h"
#include "platform/FileOps.h"

namespace quill {

namespace {

// The trace goes to the current directory, which printing moves to the
// design folder; the service keeps all its events in the temporary folder.
void MyAddLog(const std::string& message) {
    platform::SetCurrentDirectory(Settings.TempLocation);
    ShutdownTrace(message, true);
}

}  // namespace

TQuillService::TQuillService(std::ostream& rowsOut) : run_(rowsOut) {
    ChooseSettingsStore();
    ReadSettings();
}

bool TQuillService::ServiceExecute(const std::string& version, std::string& reason) {
    MyAddLog("ServiceExecute - START");
    formReleased_ = false;
    MyAddLog("ServiceExecute - CreateServiceForm");
    if (run_.Begin(version, reason)) return true;
    MyAddLog("ServiceExecute - not started: " + reason);
    formReleased_ = true;
    return false;
}

void TQuillService::ServiceStop() {
    if (terminated_) return;
    terminated_ = true;
    MyAddLog("ServiceExecute - Terminated");
    if (!formReleased_) ReleaseServiceForm();
    MyAddLog("ServiceExecute - END");
}

void TQuillService::ServiceShutdown() {
    MyAddLog("ServiceShutdown - START");
    ServiceStop();
    MyAddLog("ServiceShutdown - END");
}

void TQuillService::ReleaseServiceForm() {
    // Marked before the engine ends: printing the collected tasks takes a
    // while, and nothing may start a second release meanwhile.
    formReleased_ = true;
    MyAddLog("ServiceExecute - ReleaseServiceForm");
    run_.End();
}

}  // namespace quill
