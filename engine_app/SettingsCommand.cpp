#include "engine_app/SettingsCommand.h"

#include <strings.h>

#include <charconv>
#include <optional>
#include <ostream>

#include "core/SettingsStore.h"
#include "core/Startup.h"
#include "core/UGlobals.h"
#include "engine_app/SettingsDump.h"
#include "platform/FileOps.h"
#include "platform/IniFile.h"
#include "platform/RegistryStore.h"

namespace quill {

namespace {

constexpr const char* kUsage =
    "usage: quill-engine --settings [--program-folder DIR] COMMAND\n"
    "  backend                          which store is active and where it is\n"
    "  export                           the whole store as INI text\n"
    "  get SECTION KEY                  one value (SECTION \"Quill\" is the global section)\n"
    "  set SECTION KEY VALUE            stored by the key's type (integer, boolean 1/0 or string)\n"
    "  delete SECTION [KEY]             one value, or the whole section\n"
    "  dump                             start up as the engine would and show every setting in effect\n";

// "Quill" is the global section; others are stored below the root key.
std::string SectionSuffix(const std::string& section) {
    if (section.empty() || strcasecmp(section.c_str(), "Quill") == 0) return {};
    return "\\" + section;
}

std::optional<int> ParseDecimal(const std::string& text) {
    int number = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return number;
}

std::string RegistryKeyOf(const std::string& section) { return std::string(RegistryRoot) + SectionSuffix(section); }

std::string SectionOfRegistryKey(const std::string& key) {
    const std::string root = RegistryRoot;
    return key.size() <= root.size() ? std::string("Quill") : key.substr(root.size() + 1);
}

std::string Describe(const platform::RegValue& v) {
    switch (v.type) {
        case platform::RegType::String: return v.text;
        case platform::RegType::DWord: return std::to_string(v.dword);
        default: return "(binary, " + std::to_string(v.text.size()) + " bytes)";
    }
}

class Command {
public:
    Command(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}
    // the choice holds for this command only
    ~Command() {
        if (chosen_) ChooseProgramFolder(previousFolder_);
    }

    int Run(std::vector<std::string> args) {
        if (args.size() >= 2 && args[0] == "--program-folder") {
            if (!platform::FolderExists(args[1])) {
                err_ << "no program folder " << args[1] << "\n";
                return 2;
            }
            previousFolder_ = ChooseProgramFolder(args[1]);
            chosen_ = true;
            args.erase(args.begin(), args.begin() + 2);
        }
        ChooseSettingsStore();
        if (args.empty()) return Usage();
        const std::string& verb = args[0];
        if (verb == "backend" && args.size() == 1) return Backend();
        if (verb == "export" && args.size() == 1) return Export();
        if (verb == "get" && args.size() == 3) return Get(args[1], args[2]);
        if (verb == "set" && (args.size() == 4 || (args.size() == 6 && args[4] == "--type")))
            return Set(args[1], args[2], args[3], args.size() == 6 ? args[5] : std::string());
        if (verb == "delete" && (args.size() == 2 || args.size() == 3))
            return Delete(args[1], args.size() == 3 ? args[2] : std::string());
        if (verb == "dump" && args.size() == 1) return DumpSettings(out_);
        return Usage();
    }

private:
    int Usage() {
        err_ << kUsage;
        return 2;
    }

    platform::IniFile Ini() const { return platform::IniFile(SettingsFilePath()); }

    int Backend() {
        if (Folders.UseINIFile)
            out_ << "INI file " << SettingsFilePath() << "\n";
        else
            out_ << "Registry " << platform::RegistryStore::DefaultPath() << "\n";
        return 0;
    }

    int Export() {
        if (Folders.UseINIFile) {
            const platform::IniFile ini = Ini();
            for (const std::string& section : ini.ReadSections()) {
                out_ << "[" << section << "]\n";
                for (const std::string& key : ini.ReadSectionKeys(section))
                    out_ << key << "=" << ini.ReadString(section, key, "") << "\n";
                out_ << "\n";
            }
            return 0;
        }
        platform::RegistryStore registry(platform::RegistryStore::DefaultPath());
        for (const std::string& key : registry.ListKeys(RegistryRoot)) {
            const auto values = registry.ListValues(key);
            if (values.empty()) continue;
            out_ << "[" << SectionOfRegistryKey(key) << "]\n";
            for (const auto& v : values) out_ << v.name << "=" << Describe(v) << "\n";
            out_ << "\n";
        }
        return 0;
    }

    int Get(const std::string& section, const std::string& key) {
        if (Folders.UseINIFile) {
            const auto value = Ini().Read(SectionName(section), key);
            if (!value) return Missing(section, key);
            out_ << *value << "\n";
            return 0;
        }
        platform::RegistryStore registry(platform::RegistryStore::DefaultPath());
        const auto value = registry.ReadValue(RegistryKeyOf(section), key);
        if (!value) return Missing(section, key);
        out_ << Describe(*value) << "\n";
        return 0;
    }

    // The key's own type decides how it is stored (integer and boolean keys
    // as numbers, booleans as 1 / 0); --type may only confirm it.
    int Set(const std::string& section, const std::string& key, const std::string& value, const std::string& type) {
        const KeyClass keyClass = KeyClassOf(key);
        const bool numeric = keyClass != KeyClass::String;
        if (!type.empty() && type != "string" && type != "integer") {
            err_ << "unknown type: " << type << " (string or integer)\n";
            return 2;
        }
        if (!type.empty() && (type == "integer") != numeric) {
            err_ << key << " is " << (numeric ? "an integer" : "a string") << " setting\n";
            return 2;
        }
        SettingValue typed = value;
        if (numeric) {
            const auto number = ParseDecimal(value);
            if (!number) {
                err_ << key << " takes a whole number; not changed: " << value << "\n";
                return 2;
            }
            typed = keyClass == KeyClass::Boolean ? SettingValue(*number != 0) : SettingValue(*number);
        }
        if (Folders.UseINIFile && platform::FileExists(SettingsFilePath()) && platform::IsReadOnly(SettingsFilePath())) {
            err_ << SettingsFilePath() << " is read-only; nothing written\n";
            return 1;
        }
        // a refused write is recorded in the exception log; say so here too
        std::string stored;
        WithSettingsSection(SectionSuffix(section), [&] {
            WriteValue(key, typed);
            stored = ReadStringValue(key, "");
        });
        if (stored != StoredText(typed)) {
            err_ << key << " not written (see the exception log in " << Folders.LogFolder << ")\n";
            return 1;
        }
        return 0;
    }

    // The value as the store gives it back: numbers in decimal, booleans 1 / 0.
    static std::string StoredText(const SettingValue& value) {
        if (const bool* b = std::get_if<bool>(&value)) return *b ? "1" : "0";
        if (const int* i = std::get_if<int>(&value)) return std::to_string(*i);
        return std::get<std::string>(value);
    }

    int Delete(const std::string& section, const std::string& key) {
        if (key.empty()) {
            WithSettingsSection(SectionSuffix(section), [] { DeleteSection(); });
            return 0;
        }
        bool deleted = false;
        if (Folders.UseINIFile) {
            deleted = Ini().DeleteKey(SectionName(section), key);
        } else {
            platform::RegistryStore registry(platform::RegistryStore::DefaultPath());
            deleted = registry.DeleteValue(RegistryKeyOf(section), key);
        }
        return deleted ? 0 : Missing(section, key);
    }

    static std::string SectionName(const std::string& section) {
        return SectionSuffix(section).empty() ? "Quill" : section;
    }

    int Missing(const std::string& section, const std::string& key) {
        err_ << "no value " << key << " in section " << SectionName(section) << "\n";
        return 1;
    }

    std::ostream& out_;
    std::ostream& err_;
    bool chosen_ = false;
    std::string previousFolder_;
};

}  // namespace

int RunSettingsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        return Command(out, err).Run(args);
    } catch (const std::exception& e) {
        err << "settings store: " << e.what() << "\n";
        return 1;
    }
}

}  // namespace quill
