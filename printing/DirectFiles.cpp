#include "printing/DirectFiles.h"

#include <array>
#include <exception>
#include <optional>

#include "core/Logging.h"
#include "core/UGlobals.h"
#include "platform/FileOps.h"
#include "platform/IniFile.h"

namespace quill {

namespace {

constexpr int kMaxPrinters = 31;
constexpr int kMaxPorts = 11;

// The program folder's file of that name, found without regard to case;
// a missing one is logged.
std::optional<platform::IniFile> ProgramFile(const std::string& name) {
    platform::IniFile ini(platform::FindCaseInsensitive(Folders.ProgramFolder, name));
    if (ini.Exists()) return ini;
    AddLog("Warning: Cannot find: " + Folders.ProgramFolder + name);
    return std::nullopt;
}

// The key of command names in the program language.
std::string LanguageKey() {
    static constexpr std::array<const char*, 4> keys = {"EN", "DU", "GR", "FR"};
    const int index = Folders.LanguageIndex;
    return index >= 0 && index < static_cast<int>(keys.size()) ? keys[static_cast<std::size_t>(index)] : "EN";
}

void LogReadFailure(const char* routine, const std::exception& e) {
    LogException("UProcs", routine, "Exception", e.what());
}

}  // namespace

bool ReadDirectDesign(const std::string& path, TDirectDesign& design) {
    const auto cut = path.find_last_of('/') + 1;
    const platform::IniFile ini(platform::FindCaseInsensitive(path.substr(0, cut), path.substr(cut)));
    if (!ini.Exists()) return false;
    design.Lines.clear();
    try {
        design.Printer = ini.ReadString("Main", "Printer", design.Printer);
        design.Port = ini.ReadString("Main", "Port", design.Port);
        design.Remark = ini.ReadString("Main", "Remark", design.Remark);
        design.Description = ini.ReadString("Description", "Text", design.Description);
        for (int n = 1; n <= MaxLayoutLines; ++n) {
            std::string line = ini.ReadString("Lines", "Line" + std::to_string(n), "");
            if (line.empty()) break;
            design.Lines.push_back(std::move(line));
        }
    } catch (const std::exception& e) {
        LogReadFailure("ReadDirectDesign", e);
    }
    return true;
}

TPrinterCommands ReadPrinterCommands(const std::string& printer) {
    TPrinterCommands commands;
    const auto ini = ProgramFile(printer + ".INI");
    if (!ini) return commands;
    try {
        const std::string language = LanguageKey();
        for (int n = 1; n <= MaxPrinterCommands; ++n) {
            const std::string section = "Command" + std::to_string(n);
            std::string name = ini->ReadString(section, language, ini->ReadString(section, "EN", ""));
            std::string value = ini->ReadString(section, "ESC", "");
            if (name.empty() || value.empty()) break;
            commands.Names.push_back(std::move(name));
            commands.Values.push_back(std::move(value));
        }
    } catch (const std::exception& e) {
        LogReadFailure("ReadPrinterCommands", e);
    }
    return commands;
}

TPrintersIni ReadPrinters() {
    TPrintersIni printers;
    const auto ini = ProgramFile("Printers.INI");
    if (!ini) return printers;
    try {
        printers.PrinterDefault = ini->ReadString("Main", "PrinterDefault", "");
        printers.PortDefault = ini->ReadString("Main", "PortDefault", DefaultDirectPort);
        for (int n = 1; n <= kMaxPrinters; ++n) {
            const auto name = ini->Read("Printers", "Printer" + std::to_string(n));
            if (!name) break;
            printers.Printers.push_back({*name, ini->ReadString("Printers", "Parse" + std::to_string(n), "1") == "1"});
        }
        for (int n = 1; n <= kMaxPorts; ++n) {
            const auto port = ini->Read("Ports", "Port" + std::to_string(n));
            if (!port) break;
            printers.Ports.push_back(*port);
        }
    } catch (const std::exception& e) {
        LogReadFailure("ReadPrinters", e);
    }
    return printers;
}

}  // namespace quill
