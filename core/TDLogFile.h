#pragma once
// The help integration's diagnostic log "HHDebug.txt": written only in debug
// mode (a file "debug.debug" in the program's folder, or "/debug" / "-debug"
// on the command line), started afresh at every program start. The
// program's folder is the program folder: the binary's own folder is not
// the site's to write in. When it cannot be written, <data root>/Temp/ is
// used.
#include <functional>
#include <string>
#include <vector>

namespace quill {

class TDLogFile {
public:
    // `exeFolder` with trailing separator; `args` without the program name.
    TDLogFile(const std::string& exeFolder, const std::vector<std::string>& args);

    bool DebugMode() const { return debugMode_; }
    const std::string& FileName() const { return fileName_; }

    // One entry: "-" or "=" alone becomes a rule of 80; a leading "!", "-"
    // or "=" is dropped and the line goes without time; any other line gets
    // the time of day and three spaces in front. Debug mode only.
    void Add(const std::string& line) const;
    // Also shows the text to the user, debug mode or not.
    void Warning(const std::string& line, const std::function<void(const std::string&)>& show) const;

    static std::string FormatLine(const std::string& line, const std::string& timeOfDay);

private:
    void WriteHeader(const std::string& exeFolder, const std::vector<std::string>& args) const;

    bool debugMode_ = false;
    std::string fileName_;
};

}  // namespace quill
