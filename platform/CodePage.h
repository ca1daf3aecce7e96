#pragma once
#include <string>

namespace quill::platform {

// DOS code page 850 bytes to the Windows-1252 bytes of the same characters;
// characters 1252 lacks become Windows' look-alikes (box drawing: '+', '-',
// '¦'; blocks; dotless i), else '?'. Bytes below 0x80 are unchanged.
std::string Oem850ToAnsi1252(const std::string& oem);

// Windows-1252 bytes to UTF-8 (the five undefined bytes map to U+FFFD).
std::string Cp1252ToUtf8(const std::string& ansi);

// UTF-16 (without byte order mark) to and from UTF-8.
std::string Utf16ToUtf8(const std::string& utf16, bool bigEndian);
std::string Utf8ToUtf16(const std::string& utf8, bool bigEndian);

// Label bytes in `codePage` (0 or 1252: Windows-1252, 65001: UTF-8,
// 850: DOS Latin-1) to UTF-8 for drawing or showing.
std::string LabelBytesToUtf8(const std::string& bytes, int codePage);

}  // namespace quill::platform
