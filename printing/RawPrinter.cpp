#include "printing/RawPrinter.h"

#include <algorithm>
#include <exception>

#include "core/Logging.h"
#include "labelrender/CupsPrinter.h"
#include "printing/SpoolerJobs.h"

namespace quill {

namespace {

constexpr char kEscape = 27;
constexpr int kMaxUnitsPerCommand = 255;

std::string PaperFeedCommands(char letter, int units) {
    std::string bytes;
    for (; units > 0; units -= kMaxUnitsPerCommand)
        bytes += {kEscape, letter, static_cast<char>(std::min(units, kMaxUnitsPerCommand))};
    return bytes;
}

}  // namespace

void RawDataToPrinter(const std::string& printer, char letter, int units) {
    AddLogVerbose(printer + " - " + letter + " - " + std::to_string(units));
    if (!CheckSpoolerJobs(printer)) return;
    try {
        const labelrender::Status sent = labelrender::cups::SubmitRaw(printer, PaperFeedCommands(letter, units),
                                                                      "My Document");
        if (sent.ok()) {
            AddLogVerbose("StartRawPrintJob OK " + printer);
            return;
        }
        AddLog("StartRawPrintJob Failed " + printer);
        AddLogVerbose(sent.message);
    } catch (const std::exception&) {
        AddLog("Exception: RawDataToPrinter (1) failed.");
    }
}

}  // namespace quill
