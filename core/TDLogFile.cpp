#include "core/TDLogFile.h"

#include <strings.h>
#include <sys/utsname.h>

#include <cstdlib>
#include <ctime>

#include "core/Logging.h"
#include "core/UGlobals.h"
#include "platform/FileOps.h"

namespace quill {

namespace {

bool IsDebugSwitch(const std::string& arg) {
    return strcasecmp(arg.c_str(), "/debug") == 0 || strcasecmp(arg.c_str(), "-debug") == 0;
}

// A folder counts as writable when a probe file can be made and removed there.
bool CanWriteIn(const std::string& folder) {
    if (!platform::FolderExists(folder)) return false;
    const std::string probe = folder + "$_Temp_$.$$$";
    if (!AppendLine(probe, "")) return false;
    return platform::DeleteFile(probe);
}

// Nothing outside the data root is written: the temporary folder is the
// site's own.
std::string LogFolderFor(const std::string& exeFolder) {
    if (CanWriteIn(exeFolder)) return exeFolder;
    const std::string temp = DefaultTempLocation();
    platform::CreateFolders(temp);
    return temp;
}

std::string Now(const char* format) {
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    char buffer[64];
    return std::string(buffer, std::strftime(buffer, sizeof buffer, format, &t));
}

std::string Joined(const std::vector<std::string>& parts, const char* separator) {
    std::string out;
    for (const auto& p : parts) out += (out.empty() ? "" : separator) + p;
    return out;
}

}  // namespace

TDLogFile::TDLogFile(const std::string& exeFolder, const std::vector<std::string>& args) {
    debugMode_ = platform::FileExists(exeFolder + "debug.debug");
    for (const auto& arg : args) debugMode_ = debugMode_ || IsDebugSwitch(arg);
    fileName_ = LogFolderFor(exeFolder) + "HHDebug.txt";
    // the log never appends to an earlier run's
    if (platform::FileExists(fileName_)) {
        platform::SetReadOnly(fileName_, false);
        platform::DeleteFile(fileName_);
    }
    if (debugMode_) WriteHeader(exeFolder, args);
}

std::string TDLogFile::FormatLine(const std::string& line, const std::string& timeOfDay) {
    if (line == "-" || line == "=") return std::string(80, line[0]);
    if (!line.empty() && (line[0] == '!' || line[0] == '-' || line[0] == '=')) return line.substr(1);
    return timeOfDay + "   " + line;
}

void TDLogFile::Add(const std::string& line) const {
    if (debugMode_) AppendLine(fileName_, FormatLine(line, Now("%H:%M:%S")));
}

void TDLogFile::Warning(const std::string& line, const std::function<void(const std::string&)>& show) const {
    Add(line);
    if (show) show(line);
}

void TDLogFile::WriteHeader(const std::string& exeFolder, const std::vector<std::string>& args) const {
    utsname os{};
    uname(&os);
    for (const std::string& line : std::vector<std::string>{
             "=",
             "!Log File:             \t" + fileName_,
             "!Date:                 \t" + Now("%d-%m-%Y %H:%M:%S"),
             "!Operating System:      \t" + std::string(os.sysname) + " " + os.release + " " + os.version,
             "-",
             "!EXE Path =          \t" + exeFolder,
             "!Cmdline Param(s) =  \t" + Joined(args, " | "),
             "!_RunDir =           \t" + platform::CurrentDirectory(),
             "-",
             "!_hhInstalled =      \t" + std::string(std::system("command -v xdg-open >/dev/null 2>&1") == 0 ? "YES" : "NO"),
             "=",
         })
        AppendLine(fileName_, FormatLine(line, ""));
}

}  // namespace quill
