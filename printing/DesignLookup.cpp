#include "printing/DesignLookup.h"

#include "core/Utilities.h"
#include "platform/FileOps.h"

namespace quill {

namespace {

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

}  // namespace

bool IsPlainDesignName(std::string_view name) {
    if (name.find("..") != std::string_view::npos) return false;
    if (name.size() >= 2 && IsAsciiLetter(name[0]) && name[1] == ':') return false;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '/' || c == '\\') return false;
    }
    return true;
}

std::optional<std::string> FindDesignFile(const std::string& folder, std::string_view name) {
    if (!IsPlainDesignName(name)) return std::nullopt;
    const std::string root = AddBackslash(folder);
    const std::string path = platform::FindCaseInsensitive(root, std::string(name) + ".lbl");
    if (!platform::FileExists(path) || !platform::LiesInsideFolder(path, root)) return std::nullopt;
    return path;
}

}  // namespace quill
