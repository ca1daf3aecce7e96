#include "core/Logging.h"

#include <fcntl.h>
#include <unistd.h>

#include <ctime>

#include "core/UGlobals.h"
#include "core/Utilities.h"
#include "platform/FileOps.h"

namespace quill {

namespace {

bool LocalNow(std::tm& out) {
    const std::time_t now = std::time(nullptr);
    return localtime_r(&now, &out) != nullptr;
}

std::string Format(const std::tm& t, const char* format) {
    char buffer[64];
    const std::size_t n = std::strftime(buffer, sizeof buffer, format, &t);
    return std::string(buffer, n);
}

std::string EnsuredLogFolder() {
    const std::string folder = AddBackslash(Folders.LogFolder);
    if (!folder.empty() && !platform::FolderExists(folder)) platform::CreateFolders(folder);
    return folder;
}

}  // namespace

std::string MonthStamp() {
    std::tm t{};
    if (!LocalNow(t)) return "200201";
    return Format(t, "%Y%m");
}

std::string LogTimeStamp() {
    std::tm t{};
    if (!LocalNow(t)) return {};
    if (t.tm_hour == 0 && t.tm_min == 0 && t.tm_sec == 0) return Format(t, "%d-%m-%Y");
    return Format(t, "%d-%m-%Y %H:%M:%S");
}

std::string ComputeLogFolder(const std::string& programFolder) {
    // "Log" beside the program folder: <program>/../Log, resolved.
    std::string folder;
    if (platform::SetCurrentDirectory(programFolder) && platform::SetCurrentDirectory("..")) {
        folder = AddBackslash(platform::CurrentDirectory()) + "Log";
        platform::SetCurrentDirectory(programFolder);
        return folder;
    }
    folder = AddBackslash(programFolder) + "Log";
    return folder.empty() ? programFolder : folder;
}

std::string LogFileName() {
    return EnsuredLogFolder() + Folders.ComputerName + "QUILLLOG_" + MonthStamp() + ".txt";
}

bool AppendLine(const std::string& path, const std::string& line) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    // One write per line: O_APPEND keeps lines of several processes whole.
    const std::string text = line + "\n";
    const ssize_t written = ::write(fd, text.data(), text.size());
    const bool closed = ::close(fd) == 0;
    return written == static_cast<ssize_t>(text.size()) && closed;
}

void AddLog(const std::string& message) {
    if (Settings.LogMode == 0) return;
    // A log that cannot be written switches logging off until the settings are read again.
    if (!AppendLine(LogFileName(), LogTimeStamp() + " - " + EscapeControlCharacters(message))) Settings.LogMode = 0;
}

void AddLogVerbose(const std::string& message) {
    if (Settings.LogMode == 3) AddLog(message);
}

void LogException(const std::string& source, const std::string& proc, const std::string& className,
                  const std::string& message) {
    const std::string path = EnsuredLogFolder() + Folders.ComputerName + "QuillException_" + MonthStamp() + ".txt";
    AppendLine(path, LogTimeStamp() + "  -  Source: " + source + ", Proc: " + proc + ", Class: " + className +
                         ", Message: " + EscapeControlCharacters(message));
}

void ShutdownTrace(const std::string& message, bool serviceVariant) {
    if (!Settings.DebugFlag) return;
    if (!AppendLine("QUILLLOG.TXT", LogTimeStamp() + " - " + EscapeControlCharacters(message)) && serviceVariant)
        LogException("ServiceU", "MyAddLog", "EInOutError", "cannot write QUILLLOG.TXT: " + message);
}

}  // namespace quill
