// Directory monitoring for the engine: one monitor per served label folder;
// a reported new label file joins the candidate list at once.
#include "engine/EngineCore.h"

#include "core/Logging.h"
#include "core/Utilities.h"

namespace quill {

bool TEngineCore::SetUpDirMonitors() {
    try {
        ForEachLabelFolder([this](TMode mode, const std::string& labelFolder, const std::string& designFolder,
                                  const std::string& locationName) {
            auto monitor = std::make_unique<TQuillDirMonitor>();
            monitor->Directory = AddBackslash(labelFolder);
            // Every action: writes and closes tell when a file is complete.
            monitor->FilterAction = TDirActions::All();
            monitor->ModeIndex = mode;
            monitor->LocationName = locationName;
            monitor->Extension = Mode(mode).FileExtension;
            monitor->DesignFolder = designFolder;
            monitor->LabelFolder = labelFolder;
            connect(monitor.get(), &TDirMonitor::changed, this,
                    [this, reporter = monitor.get()](TDirAction action, const std::string& fileName) {
                        writes_.Record(AddBackslash(reporter->LabelFolder) + fileName, action);
                        DirMonitorChange(*reporter, action, fileName);
                    });
            dirMonitors_.push_back(std::move(monitor));
        });
        if (dirMonitors_.empty()) return false;
        for (const auto& monitor : dirMonitors_) monitor->SetActive(true);
        if (Settings.DebugFlag) AddLog("Active DirMonitors: " + std::to_string(dirMonitors_.size()));
        return true;
    } catch (const std::exception& error) {
        AddLog(error.what());
        return false;
    }
}

void TEngineCore::DirMonitorChange(const TQuillDirMonitor& monitor, TDirAction action, const std::string& fileName) {
    // Paused, or a tick is at work: a later scan finds the file.
    if (pacer_.IsIdleOrPaused() || action != TDirAction::Added) return;
    const auto dot = fileName.rfind('.');
    if (dot == std::string::npos || fileName.compare(dot, std::string::npos, "." + monitor.Extension) != 0) return;
    candidates_.Add({monitor.ModeIndex, fileName, CurrentFileTimeNs(), monitor.DesignFolder, monitor.LabelFolder,
                     monitor.LocationName + "*"});
    if (Settings.DebugFlag) AddLog("DirMonitor: Found " + std::to_string(candidates_.Count()) + " files.");
}

}  // namespace quill
