#include "platform/IniDocument.h"

#include <algorithm>

#include "platform/CodePage.h"

namespace quill::platform {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

// Windows trims these around keys and values; ^Z is the end mark of DOS files.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1A'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

char FoldCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualNoCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return FoldCase(x) == FoldCase(y); });
}

bool ContainsNoCase(const std::vector<std::string>& names, std::string_view name) {
    return std::any_of(names.begin(), names.end(), [&](const std::string& n) { return EqualNoCase(n, name); });
}

// "[name]" gives name, whatever follows the "]"; a line missing its "]" is
// no header, so the keys below it stay in the section before.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

struct Entry {
    std::string_view key;
    std::string_view value;
    std::size_t valueStart;   // in the line, after "=" and the blanks behind it
};

// "key = value"; headers, ';' comments and lines without "=" are no entries.
std::optional<Entry> ParseEntry(std::string_view line) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';' || SectionName(trimmed)) return std::nullopt;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    std::size_t valueStart = eq + 1;
    while (valueStart < line.size() && IsBlank(line[valueStart])) ++valueStart;
    return Entry{Trim(line.substr(0, eq)), Trim(line.substr(valueStart)), valueStart};
}

}  // namespace

IniDocument::IniDocument(std::string_view bytes) {
    // A file saved as "Unicode" is held as UTF-8 and written back as it came.
    std::string decoded;
    if (bytes.starts_with(kUtf16LeBom) || bytes.starts_with(kUtf16BeBom)) {
        encoding_ = bytes.starts_with(kUtf16LeBom) ? Encoding::Utf16Le : Encoding::Utf16Be;
        decoded = Utf16ToUtf8(std::string(bytes.substr(2)), encoding_ == Encoding::Utf16Be);
        bytes = decoded;
    } else if (bytes.starts_with(kUtf8Bom)) {
        encoding_ = Encoding::Utf8;
        bytes.remove_prefix(kUtf8Bom.size());
    }
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t stop = bytes.find_first_of("\r\n", pos);
        if (stop == std::string_view::npos) {
            lines_.push_back({std::string(bytes.substr(pos)), {}});
            break;
        }
        const std::size_t endLength = bytes.substr(stop, 2) == "\r\n" ? 2 : 1;
        lines_.push_back({std::string(bytes.substr(pos, stop - pos)), std::string(bytes.substr(stop, endLength))});
        pos = stop + endLength;
    }
    const auto ended = std::find_if(lines_.begin(), lines_.end(), [](const Line& l) { return !l.end.empty(); });
    newline_ = ended != lines_.end() ? ended->end : "\r\n";
}

std::string IniDocument::Bytes() const {
    std::string text;
    for (const Line& line : lines_) text += line.text + line.end;
    switch (encoding_) {
        case Encoding::Plain: return text;
        case Encoding::Utf8: return std::string(kUtf8Bom) + text;
        case Encoding::Utf16Le: return std::string(kUtf16LeBom) + Utf8ToUtf16(text, false);
        case Encoding::Utf16Be: return std::string(kUtf16BeBom) + Utf8ToUtf16(text, true);
    }
    return text;
}

IniDocument::Range IniDocument::SectionAt(std::size_t header) const {
    Range range{header + 1, header + 1};
    while (range.last < lines_.size() && !SectionName(lines_[range.last].text)) ++range.last;
    return range;
}

std::optional<IniDocument::Range> IniDocument::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = SectionName(lines_[i].text);
        if (name && EqualNoCase(*name, section)) return SectionAt(i);
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::FindKey(const Range& range, std::string_view key) const {
    for (std::size_t i = range.first; i < range.last; ++i) {
        const auto entry = ParseEntry(lines_[i].text);
        if (entry && EqualNoCase(entry->key, key)) return i;
    }
    return std::nullopt;
}

std::optional<std::string_view> IniDocument::Value(std::string_view section, std::string_view key) const {
    const auto range = FindSection(section);
    if (!range) return std::nullopt;
    const auto at = FindKey(*range, key);
    if (!at) return std::nullopt;
    return ParseEntry(lines_[*at].text)->value;
}

bool IniDocument::HasSection(std::string_view section) const { return FindSection(section).has_value(); }

std::vector<std::string> IniDocument::Sections() const {
    std::vector<std::string> names;
    for (const Line& line : lines_) {
        const auto name = SectionName(line.text);
        if (name && !ContainsNoCase(names, *name)) names.emplace_back(*name);
    }
    return names;
}

std::vector<std::string> IniDocument::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    const auto range = FindSection(section);
    if (!range) return keys;
    for (std::size_t i = range->first; i < range->last; ++i) {
        const auto entry = ParseEntry(lines_[i].text);
        if (entry && !ContainsNoCase(keys, entry->key)) keys.emplace_back(entry->key);
    }
    return keys;
}

void IniDocument::InsertLine(std::size_t at, std::string text) {
    // a last line without a line end gets one before anything follows it
    if (at > 0 && lines_[at - 1].end.empty()) lines_[at - 1].end = newline_;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), newline_});
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string entry = std::string(key) + "=" + std::string(value);
    const auto range = FindSection(section);
    if (!range) {
        InsertLine(lines_.size(), "[" + std::string(section) + "]");
        InsertLine(lines_.size(), entry);
        return;
    }
    if (const auto at = FindKey(*range, key)) {
        std::string& text = lines_[*at].text;
        text = text.substr(0, ParseEntry(text)->valueStart) + std::string(value);
        return;
    }
    // below the section's last entry, so blank lines and comments that
    // introduce the next section stay with it
    std::size_t after = range->first;
    for (std::size_t i = range->first; i < range->last; ++i)
        if (ParseEntry(lines_[i].text)) after = i + 1;
    InsertLine(after, entry);
}

bool IniDocument::Remove(std::string_view section, std::string_view key) {
    const auto range = FindSection(section);
    const auto at = range ? FindKey(*range, key) : std::nullopt;
    if (!at) return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*at));
    return true;
}

bool IniDocument::EraseSection(std::string_view section) {
    const auto range = FindSection(section);
    if (!range) return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(range->first - 1),
                 lines_.begin() + static_cast<std::ptrdiff_t>(range->last));
    return true;
}

}  // namespace quill::platform
