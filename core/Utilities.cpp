#include "core/Utilities.h"

#include "core/UGlobals.h"
#include "platform/FileOps.h"

namespace quill {

std::string PadLeftZeros(const std::string& text, int length) {
    if (static_cast<int>(text.size()) >= length) return text;
    return std::string(static_cast<std::size_t>(length) - text.size(), '0') + text;
}

std::string AddBackslash(const std::string& path) {
    if (path.empty() || path.back() == '/') return path;
    return path + '/';
}

void EnsureFolder(const std::string& path) {
    if (path.empty()) return;
    if (!platform::FolderExists(path)) platform::CreateFolders(path);
    if (platform::FolderExists(path)) platform::SetCurrentDirectory(path);
}

std::string NextToken(std::string& text, char separator) {
    const auto pos = text.find(separator);
    if (pos == std::string::npos) {
        std::string token = std::move(text);
        text.clear();
        return token;
    }
    std::string token = text.substr(0, pos);
    text.erase(0, pos + 1);
    return token;
}

char FieldSeparator() { return Settings.Separator.empty() ? ',' : Settings.Separator.front(); }

std::string NextField(std::string& text) { return NextToken(text, FieldSeparator()); }

std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
    std::vector<std::string_view> pieces;
    for (;;) {
        const auto end = text.find(separator);
        pieces.push_back(text.substr(0, end));
        if (end == std::string_view::npos) return pieces;
        text.remove_prefix(end + 1);
    }
}

std::string RemoveExtension(const std::string& fileName, const std::string& extension) {
    const std::size_t drop = extension.size() + 1;
    if (fileName.size() <= drop) return {};
    return fileName.substr(0, fileName.size() - drop);
}

std::string RightChars(const std::string& text, int count) {
    if (count <= 0) return {};
    if (static_cast<int>(text.size()) <= count) return text;
    return text.substr(text.size() - static_cast<std::size_t>(count));
}

std::string EscapeControlCharacters(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            out += c;
            continue;
        }
        out += DecimalByteCode(byte);
    }
    return out;
}

std::string DecimalByteCode(unsigned char byte) {
    const std::string code = std::to_string(byte);
    return "<" + std::string(3 - code.size(), '0') + code + ">";
}

}  // namespace quill
