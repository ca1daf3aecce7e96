#pragma once
// The monthly log (volume by "LogMode"), the monthly exception log (always),
// and the engine's debug trace file QUILLLOG.TXT. Every entry opens the file,
// appends one line and closes it, so several processes can share a file;
// control characters in a message are escaped, so an entry stays one line.
#include <string>

namespace quill {

// yyyymm of now, "200201" when the date cannot be had.
std::string MonthStamp();
// Local date and time of now, the time left out at exactly midnight.
std::string LogTimeStamp();

// Log folder: "Log" beside the program folder.
std::string ComputeLogFolder(const std::string& programFolder);
std::string LogFileName();

void AddLog(const std::string& message);          // LogMode 1..3
void AddLogVerbose(const std::string& message);   // LogMode 3 only
void LogException(const std::string& source, const std::string& proc,
                  const std::string& className, const std::string& message);
// Debug trace of the engine and the service: QUILLLOG.TXT in the current
// directory, written only with the Debug flag on. `serviceVariant` records
// write failures in the exception log (the service's own trace does).
void ShutdownTrace(const std::string& message, bool serviceVariant = false);

// Appends `line` plus a line break as one write; false on any failure.
bool AppendLine(const std::string& path, const std::string& line);

}  // namespace quill
