#pragma once
// Paper movement of the shift printer: ESC "J" n feeds forward, ESC "j" n
// backward, by n command units (1..255 per command).
#include <string>

namespace quill {

// The three-byte commands that move the paper by `units`: 255 at a time,
// the rest last (600 units: 255, 255, 90).
std::string PaperFeedCommands(char letter, int units);

// Waits for the printer's queue (CheckSpoolerJobs), then sends the commands
// as one raw job. Failures are logged, never thrown: the movement is lost.
void RawDataToPrinter(const std::string& printer, char letter, int units);

}  // namespace quill
