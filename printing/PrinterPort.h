#pragma once
// Writing a byte stream to a port named as Windows names them:
//  - "LPT1".."LPT9" (any case, an optional ":") go to the first line-printer
//    device that exists: /dev/usb/lp0..9, then /dev/lp0..9, or the
//    colon-separated list in $QUILL_LPT_DEVICES;
//  - the name of a CUPS destination becomes one raw job to it;
//  - anything else is a file path, relative ones taken from `folder`; it is
//    written only when it lies inside `folder` or Printers.INI lists the port.
// A device that stops taking data does not hold the caller forever: the
// write gives up after `stallLimit` without progress.
#include <chrono>
#include <string>
#include <vector>

namespace quill {

inline constexpr std::chrono::milliseconds DefaultPortStallLimit{30000};

// Writes the pieces in order, without separators. False when the port
// cannot be opened or written. `title` names a spooler job.
bool WriteToPort(const std::string& port, const std::vector<std::string>& pieces, const std::string& folder,
                 const std::string& title, std::chrono::milliseconds stallLimit = DefaultPortStallLimit);

}  // namespace quill
