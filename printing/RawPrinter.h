#pragma once
// Paper movement of the shift printer: ESC "J" n feeds forward, ESC "j" n
// backward, by n command units (1..255 per command).
#include <string>

namespace quill {

// Waits for the printer's queue (CheckSpoolerJobs), then sends the
// three-byte commands, 255 units at a time and the rest last (600 units:
// 255, 255, 90), as one raw job. Failures are logged, never thrown: the movement is lost.
void RawDataToPrinter(const std::string& printer, char letter, int units);

}  // namespace quill
