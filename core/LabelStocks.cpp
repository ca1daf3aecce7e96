#include "core/LabelStocks.h"

#include <optional>
#include <stdexcept>

#include "core/Logging.h"
#include "core/UGlobals.h"
#include "platform/FileOps.h"
#include "platform/IniDocument.h"
#include "platform/IniFile.h"

namespace quill {

std::vector<TLabelInfoRecord> LabelDefinitions;

namespace {

constexpr const char* kFileName = "LABELS.INI";

// A pin-specific key, else the older single key (0 when missing too).
// `missing` is set when the pin-specific key is absent.
int PinValue(const platform::IniFile& ini, const std::string& section, const std::string& key,
             const std::string& olderKey, bool& missing) {
    const int older = ini.ReadInteger(section, olderKey, 0);
    if (!ini.Read(section, key)) {
        missing = true;
        return older;
    }
    return ini.ReadInteger(section, key, older);
}

// Writes the pin-specific keys of every record, so the file no longer
// depends on the older keys (which stay in it). One write of the whole
// file: the upgrade is done completely or not at all.
void UpgradeFile(const std::string& path) {
    const auto bytes = platform::IsReadOnly(path) ? std::nullopt : platform::ReadWholeFile(path);
    if (!bytes) throw std::runtime_error("Cannot write " + path);
    platform::IniDocument document(*bytes);
    for (std::size_t i = 0; i < LabelDefinitions.size(); ++i) {
        const TLabelInfoRecord& r = LabelDefinitions[i];
        const std::string section = "Label" + std::to_string(i + 1);
        document.Set(section, "SpaceHeightINCH_9Pins", std::to_string(r.SpaceHeight9Pins));
        document.Set(section, "SpaceHeightINCH_24Pins", std::to_string(r.SpaceHeight24Pins));
        document.Set(section, "ShiftCorrection_9Pins", std::to_string(r.ShiftCorrection9Pins));
        document.Set(section, "ShiftCorrection_24Pins", std::to_string(r.ShiftCorrection24Pins));
    }
    if (!platform::WriteWholeFile(path, document.Bytes())) throw std::runtime_error("Cannot write " + path);
}

}  // namespace

void ReadLabelDefinitions() {
    LabelDefinitions.clear();
    platform::IniFile ini(Folders.ProgramFolder + kFileName);
    if (!ini.Exists()) {
        AddLog("Warning: Cannot find: " + Folders.ProgramFolder + kFileName);
        return;
    }
    try {
        bool upgrade = false;
        for (int n = 1; n <= MaxLabelDefinitions; ++n) {
            const std::string section = "Label" + std::to_string(n);
            TLabelInfoRecord r;
            r.Description = ini.ReadString(section, "Description", "");
            if (r.Description.empty()) break;
            r.WidthMM = ini.ReadInteger(section, "WidthMM", 0);
            r.HeightINCH = ini.ReadInteger(section, "HeightINCH", 0);
            r.SpaceWidthMM = ini.ReadInteger(section, "SpaceWidthMM", 0);
            bool unused = false;
            r.SpaceHeight9Pins = PinValue(ini, section, "SpaceHeightINCH_9Pins", "SpaceHeightINCH", upgrade);
            r.SpaceHeight24Pins = PinValue(ini, section, "SpaceHeightINCH_24Pins", "SpaceHeightINCH", unused);
            r.ShiftCorrection9Pins = PinValue(ini, section, "ShiftCorrection_9Pins", "ShiftCorrection", upgrade);
            r.ShiftCorrection24Pins = PinValue(ini, section, "ShiftCorrection_24Pins", "ShiftCorrection", unused);
            r.Cols = ini.ReadInteger(section, "Cols", 0);
            LabelDefinitions.push_back(std::move(r));
        }
        if (upgrade) UpgradeFile(ini.path());
    } catch (const std::exception& e) {
        LogException("UProcs", "ReadLabelDefinitions", "Exception", e.what());
    }
}

const TLabelInfoRecord* FindLabelDefinition(const std::string& description) {
    for (const TLabelInfoRecord& r : LabelDefinitions)
        if (r.Description == description) return &r;
    return nullptr;
}

int SpaceHeight(const TLabelInfoRecord& record) {
    return Settings.SpecialPrinterType != 0 ? record.SpaceHeight24Pins : record.SpaceHeight9Pins;
}

int ShiftCorrection(const TLabelInfoRecord& record) {
    return Settings.SpecialPrinterType != 0 ? record.ShiftCorrection24Pins : record.ShiftCorrection9Pins;
}

}  // namespace quill
