#pragma once
// The lines of a profile (INI) file in memory, with the lookups and the
// one-line edits of IniFile. Every line keeps its own bytes and line end,
// so a file is written back exactly as it was except for the edited lines.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quill::platform {

class IniDocument {
public:
    explicit IniDocument(std::string_view bytes);

    std::string Bytes() const;

    // Raw value of the first matching key of the first matching section,
    // blanks trimmed, enclosing double quotes still there.
    std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;
    bool HasSection(std::string_view section) const;
    std::vector<std::string> Sections() const;
    std::vector<std::string> Keys(std::string_view section) const;

    // Replaces the value of the first matching key, else adds the key after
    // the section's last key, else appends the section.
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // Each returns whether anything changed.
    bool Remove(std::string_view section, std::string_view key);
    // The first section of that name, as Windows deletes it.
    bool EraseSection(std::string_view section);

private:
    struct Line {
        std::string text;   // without its line end
        std::string end;    // "\r\n", "\n", "\r", or "" for a last line without one
    };
    // Lines [first, last) of one section, header at first - 1.
    struct Range {
        std::size_t first;
        std::size_t last;
    };

    std::optional<Range> FindSection(std::string_view section) const;
    std::optional<std::size_t> FindKey(const Range& range, std::string_view key) const;
    Range SectionAt(std::size_t header) const;
    void InsertLine(std::size_t at, std::string text);

    // The file's byte order mark and encoding; lines are held as UTF-8 for
    // the Unicode forms.
    enum class Encoding { Plain, Utf8, Utf16Le, Utf16Be };
    Encoding encoding_ = Encoding::Plain;
    std::vector<Line> lines_;
    std::string newline_;   // of the file's first line end; CR LF for a new file
};

}  // namespace quill::platform
