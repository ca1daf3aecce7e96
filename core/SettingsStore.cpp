#include "core/SettingsStore.h"

#include <strings.h>

#include <array>
#include <iostream>
#include <memory>

#include "core/Logging.h"
#include "core/UGlobals.h"
#include "platform/FileOps.h"
#include "platform/IniFile.h"
#include "platform/RegistryStore.h"

namespace quill {

namespace {

constexpr std::array kIntegerKeys = {
    "Barcodelength", "Maxlabels",      "PrintDelayMinutes", "LogMode",         "SortOn",
    "SpecialPrinterType", "ShiftDelaySecs", "ShiftDistanceMM", "LabelHeightINCH", "PaperHeightINCH",
    "LabelPosition", "CodePage",       "FileFormat",        "LabelsOlderThanSecs",
};
constexpr std::array kBooleanKeys = {
    "PauseEngineAtStart", "PreviewAll", "BackupLabelFile", "MakeUseOfWorkfile", "Visible",
    "UseShift",           "UsePageShift", "Debug",         "SecundaryPrintEngine", "UseDirMonitor",
};

template <std::size_t N>
bool Contains(const std::array<const char*, N>& names, const std::string& key) {
    for (const char* name : names)
        if (strcasecmp(name, key.c_str()) == 0) return true;
    return false;
}

void DefaultFatalStoreHandler(const std::string& message) {
    std::string text = message;
    for (char& c : text)
        if (c == '\r') c = '\n';
    std::cerr << text << std::endl;
    std::exit(1);
}

FatalStoreHandler& FatalHandler() {
    static FatalStoreHandler handler = DefaultFatalStoreHandler;
    return handler;
}

// The accessor lives between OpenSettingsStore and CloseSettingsStore only.
std::unique_ptr<platform::RegistryStore>& Accessor() {
    static std::unique_ptr<platform::RegistryStore> accessor;
    return accessor;
}

std::unique_ptr<platform::RegistryStore> OpenRegistryOrEnd() {
    try {
        return std::make_unique<platform::RegistryStore>(platform::RegistryStore::DefaultPath());
    } catch (const std::exception& e) {
        LogException("UProcs", "OpenSettingsStore", "ERegistryException", e.what());
        FatalHandler()(RegistryOpenErrorMessage);
        std::exit(1);  // a handler that returns must not let the program go on without its store
    }
}

// The bracket's accessor, or one opened for this single access.
template <typename Access>
auto WithRegistry(Access access) {
    if (Accessor()) return access(*Accessor());
    const auto single = OpenRegistryOrEnd();
    return access(*single);
}

int AsInteger(const SettingValue& v, int fallback) {
    if (const int* i = std::get_if<int>(&v)) return *i;
    if (const bool* b = std::get_if<bool>(&v)) return *b ? 1 : 0;
    return fallback;
}

std::string AsText(const SettingValue& v) {
    if (const std::string* s = std::get_if<std::string>(&v)) return *s;
    return std::to_string(AsInteger(v, 0));
}

// The value as the key's INI class writes it.
std::string IniText(const std::string& key, const SettingValue& value) {
    switch (KeyClassOf(key)) {
        case KeyClass::Integer: return std::to_string(AsInteger(value, 0));
        case KeyClass::Boolean: return std::string(1, AsInteger(value, 0) != 0 ? '1' : '0');
        case KeyClass::String: break;
    }
    return AsText(value);
}

// A write the file system refused (no permission, disk full) is recorded;
// only the read-only attribute makes writes skip silently.
void ReportUnwritable(const char* proc, const std::string& path) {
    LogException("UProcs", proc, "EIniFileException", "Unable to write to " + path);
}

SettingValue ReadINIFile(const std::string& key, const SettingValue& defaultValue) {
    try {
        const platform::IniFile ini(SettingsFilePath());
        if (!ini.Exists()) return defaultValue;
        if (KeyClassOf(key) == KeyClass::String)
            return ini.ReadString(CurrentIniSection(), key, AsText(defaultValue));
        return ini.ReadInteger(CurrentIniSection(), key, AsInteger(defaultValue, 0));
    } catch (const std::exception& e) {
        LogException("UProcs", "ReadINIFile", "Exception", e.what());
        return defaultValue;
    }
}

void WriteINIFile(const std::string& key, const SettingValue& value) {
    try {
        const std::string path = SettingsFilePath();
        if (platform::FileExists(path) && platform::IsReadOnly(path)) return;
        platform::IniFile ini(path);
        if (!ini.WriteString(CurrentIniSection(), key, IniText(key, value))) ReportUnwritable("WriteINIFile", path);
    } catch (const std::exception& e) {
        LogException("UProcs", "WriteINIFile", "Exception", e.what());
    }
}

}  // namespace

KeyClass KeyClassOf(const std::string& key) {
    if (Contains(kIntegerKeys, key)) return KeyClass::Integer;
    if (Contains(kBooleanKeys, key)) return KeyClass::Boolean;
    return KeyClass::String;
}

void SetFatalStoreHandler(FatalStoreHandler handler) {
    FatalHandler() = handler ? std::move(handler) : DefaultFatalStoreHandler;
}

// Brackets may nest (a routine that brackets calls one that brackets too);
// the accessor lives until the outermost one closes.
static int& BracketDepth() {
    static int depth = 0;
    return depth;
}

void OpenSettingsStore() {
    if (Folders.UseINIFile) return;
    if (BracketDepth()++ == 0) Accessor() = OpenRegistryOrEnd();
}

void CloseSettingsStore() {
    if (BracketDepth() > 0 && --BracketDepth() == 0) Accessor().reset();
}

std::string CurrentIniSection() {
    const std::string& s = Folders.SettingsSection;
    if (s.empty()) return "Quill";
    return s.front() == '\\' ? s.substr(1) : s;
}

std::string CurrentRegistryKey() { return std::string(RegistryRoot) + Folders.SettingsSection; }

std::string SettingsFilePath() { return Folders.ProgramFolder + Folders.INIFileName; }

SettingValue ReadValue(const std::string& key, const SettingValue& defaultValue) {
    if (Folders.UseINIFile) return ReadINIFile(key, defaultValue);
    const auto stored =
        WithRegistry([&](platform::RegistryStore& r) { return r.ReadValue(CurrentRegistryKey(), key); });
    if (!stored) return defaultValue;
    switch (stored->type) {
        case platform::RegType::String: return stored->text;
        case platform::RegType::DWord: return static_cast<int>(stored->dword);
        default: return defaultValue;
    }
}

void WriteValue(const std::string& key, const SettingValue& value) {
    if (Folders.UseINIFile) return WriteINIFile(key, value);
    WithRegistry([&](platform::RegistryStore& r) {
        if (const std::string* s = std::get_if<std::string>(&value))
            r.WriteString(CurrentRegistryKey(), key, *s);
        else
            r.WriteDWord(CurrentRegistryKey(), key, static_cast<std::uint32_t>(AsInteger(value, 0)));
    });
}

void DeleteSection() {
    if (!Folders.UseINIFile) {
        WithRegistry([](platform::RegistryStore& r) { return r.DeleteKey(CurrentRegistryKey()); });
        return;
    }
    try {
        const std::string path = SettingsFilePath();
        if (platform::FileExists(path) && platform::IsReadOnly(path)) return;
        platform::IniFile ini(path);
        if (ini.SectionExists(CurrentIniSection()) && !ini.EraseSection(CurrentIniSection()))
            ReportUnwritable("DeleteSection", path);
    } catch (const std::exception& e) {
        LogException("UProcs", "DeleteSection", "Exception", e.what());
    }
}

int ReadIntegerValue(const std::string& key, int defaultValue) {
    return AsInteger(ReadValue(key, defaultValue), defaultValue);
}

bool ReadBooleanValue(const std::string& key, bool defaultValue) {
    return AsInteger(ReadValue(key, defaultValue ? 1 : 0), defaultValue ? 1 : 0) != 0;
}

std::string ReadStringValue(const std::string& key, const std::string& defaultValue) {
    return AsText(ReadValue(key, defaultValue));
}

void WithSettingsSection(const std::string& section, const std::function<void()>& body) {
    struct Bracket {
        Bracket() { OpenSettingsStore(); }
        ~Bracket() { CloseSettingsStore(); }
    } bracket;
    Folders.SettingsSection = section;
    body();
}

}  // namespace quill
