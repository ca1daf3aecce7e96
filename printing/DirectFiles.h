#pragma once
// The files of Direct-mode printing: Direct designs (the layout lines and
// where they go), printer command files (<printer>.INI in the program
// folder) and Printers.INI (what the layout editor offers).
#include <string>
#include <vector>

#include "printing/DirectItems.h"

namespace quill {

inline constexpr const char* DefaultDirectPrinter = "LOGOMATIC_2000";
inline constexpr const char* DefaultDirectPort = "LPT1";
inline constexpr int MaxLayoutLines = 999;
inline constexpr int MaxPrinterCommands = 999;

struct TDirectDesign {
    std::string Printer;       // selects the printer command file
    std::string Port;          // port, spooler queue or file
    std::string Description;
    std::string Remark;
    std::vector<std::string> Lines;
};

// Reads the design at `path` (found without regard to case). Values the
// file does not hold keep what `design` held; the lines are replaced.
// False when the file does not exist.
bool ReadDirectDesign(const std::string& path, TDirectDesign& design);

// The commands of ProgramFolder + printer + ".INI", named in the program
// language; empty when the file is missing.
TPrinterCommands ReadPrinterCommands(const std::string& printer);

struct TPrinterEntry {
    std::string Name;
    bool Parse = true;
};

struct TPrintersIni {
    std::string PrinterDefault;
    std::string PortDefault = DefaultDirectPort;
    std::vector<TPrinterEntry> Printers;
    std::vector<std::string> Ports;
};

// ProgramFolder + "Printers.INI"; the defaults when it is missing.
TPrintersIni ReadPrinters();

}  // namespace quill
