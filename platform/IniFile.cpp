#include "platform/IniFile.h"

#include <charconv>
#include <climits>
#include <functional>

#include "platform/FileOps.h"
#include "platform/IniDocument.h"

namespace quill::platform {

namespace {

// Reads the file, lets `change` edit it, and writes it back (through a
// temporary file and a rename, keeping its permissions) when `change`
// reports a change. False when nothing could be written; a read-only file
// is refused by the mode bits, since root could write it anyway.
bool EditFile(const std::string& path, const std::function<bool(IniDocument&)>& change) {
    if (IsReadOnly(path)) return false;
    const std::optional<std::string> bytes = FileExists(path) ? ReadWholeFile(path) : std::string();
    if (!bytes) return false;
    IniDocument document(*bytes);
    if (!change(document)) return true;
    return WriteWholeFile(path, document.Bytes());
}

std::optional<IniDocument> Load(const std::string& path) {
    const auto bytes = ReadWholeFile(path);
    if (!bytes) return std::nullopt;
    return IniDocument(*bytes);
}

// Delphi's StrToIntDef: optional sign, then decimal digits, or hexadecimal
// after "$" or "0x"; hexadecimal spans all 32 bits ("$FFFFFFFF" is -1).
std::optional<int> ParseInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with('$')) {
        base = 16;
        text.remove_prefix(1);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty() || text.front() == '+' || text.front() == '-') return std::nullopt;
    unsigned long long magnitude = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (base == 16) {
        if (magnitude > UINT_MAX) return std::nullopt;
        const auto bits = static_cast<unsigned>(magnitude);
        return static_cast<int>(negative ? 0u - bits : bits);
    }
    const unsigned long long limit = negative ? static_cast<unsigned long long>(INT_MAX) + 1 : INT_MAX;
    if (magnitude > limit) return std::nullopt;
    const auto value = static_cast<long long>(magnitude);
    return static_cast<int>(negative ? -value : value);
}

}  // namespace

bool IniFile::Exists() const { return FileExists(path_); }

std::optional<std::string> IniFile::Read(const std::string& section, const std::string& key) const {
    const auto document = Load(path_);
    const auto raw = document ? document->Value(section, key) : std::nullopt;
    if (!raw) return std::nullopt;
    std::string_view value = *raw;
    // one pair of double or single quotes around the value is dropped, as Windows does
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
    return Read(section, key).value_or(defaultValue);
}

int IniFile::ReadInteger(const std::string& section, const std::string& key, int defaultValue) const {
    const auto text = Read(section, key);
    return text ? ParseInteger(*text).value_or(defaultValue) : defaultValue;
}

bool IniFile::SectionExists(const std::string& section) const {
    const auto document = Load(path_);
    return document && document->HasSection(section);
}

std::vector<std::string> IniFile::ReadSections() const {
    const auto document = Load(path_);
    return document ? document->Sections() : std::vector<std::string>{};
}

std::vector<std::string> IniFile::ReadSectionKeys(const std::string& section) const {
    const auto document = Load(path_);
    return document ? document->Keys(section) : std::vector<std::string>{};
}

bool IniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    return EditFile(path_, [&](IniDocument& document) {
        document.Set(section, key, value);
        return true;
    });
}

bool IniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    return WriteString(section, key, std::to_string(value));
}

bool IniFile::DeleteKey(const std::string& section, const std::string& key) {
    return EditFile(path_, [&](IniDocument& document) { return document.Remove(section, key); });
}

bool IniFile::EraseSection(const std::string& section) {
    return EditFile(path_, [&](IniDocument& document) { return document.EraseSection(section); });
}

}  // namespace quill::platform
