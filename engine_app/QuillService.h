#pragma once
// The engine as the systemd service QuillService. systemd's stop request
// is SIGTERM; an interrupt (SIGINT: the session or console that runs the
// service ends) stands for the system's shutdown notice. Both release the
// engine, and it is released once, whatever arrives and how often. With
// Debug on, every service event is traced in QUILLLOG.TXT.
#include <iosfwd>
#include <string>

#include "engine_app/EngineRun.h"

namespace quill {

class TQuillService {
public:
    // Reads the settings once, so that the first trace line already knows
    // Debug and the temporary folder, where every trace line goes.
    explicit TQuillService(std::ostream& rowsOut);

    // Starts the engine; false (with the reason) when it cannot run.
    bool ServiceExecute(const std::string& version, std::string& reason);
    // The stop request: the rest of ServiceExecute's run.
    void ServiceStop();
    // The shutdown notice: ends the run as a stop does, releasing once.
    void ServiceShutdown();

private:
    void ReleaseServiceForm();

    TEngineRun run_;
    bool terminated_ = false;
    bool formReleased_ = false;
};

}  // namespace quill
