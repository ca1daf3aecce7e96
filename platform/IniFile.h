#pragma once
// Windows profile ("INI") files: our own reader and writer with the
// semantics users and peers rely on.
//  - Section and key names compare without regard to case; the first
//    matching section and the first matching key in it win.
//  - Blanks (space, tab, vertical tab, form feed, ^Z) around keys and values
//    are ignored; a value enclosed in one pair of double or single quotes is
//    read without them.
//  - A header needs its "]"; a line without one is no header. Lines without
//    "=" inside a section are ignored on read. Files saved as UTF-8 with a
//    byte order mark or as UTF-16 ("Unicode") are read (values as UTF-8) and
//    written back in their encoding; CR LF or LF line ends, long lines and
//    binary junk are tolerated.
//  - A missing file reads as empty (callers get their defaults).
//  - A write changes only the one line concerned and keeps every other line
//    and comment as it was (including the file's line-end style); it creates
//    the file or the section when missing (a new section follows the last
//    line directly, as Windows writes it). A read-only file (all write bits
//    clear) is never written: writes return false.
// Every call reads the file anew; nothing is cached, so other processes'
// changes are seen at once.
#include <optional>
#include <string>
#include <vector>

namespace quill::platform {

class IniFile {
public:
    explicit IniFile(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }
    bool Exists() const;

    std::optional<std::string> Read(const std::string& section, const std::string& key) const;
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    // Decimal integer with optional sign; "$1F" and "0x1F" as hexadecimal.
    // Anything else (or out of range) gives the default.
    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;

    bool SectionExists(const std::string& section) const;
    std::vector<std::string> ReadSections() const;                       // in file order, first spelling
    std::vector<std::string> ReadSectionKeys(const std::string& section) const;  // first section of that name

    // false when nothing was written (read-only file, I/O error).
    bool WriteString(const std::string& section, const std::string& key, const std::string& value);
    bool WriteInteger(const std::string& section, const std::string& key, int value);
    bool DeleteKey(const std::string& section, const std::string& key);
    bool EraseSection(const std::string& section);   // the first section of that name

private:
    std::string path_;
};

}  // namespace quill::platform
