#pragma once
// Small string and folder routines that many parts of the system call.
// Strings are byte strings; paths use the platform separator '/'.
#include <string>
#include <string_view>
#include <vector>

namespace quill {

std::string PadLeftZeros(const std::string& text, int length);
std::string AddBackslash(const std::string& path);   // appends the platform separator
// Creates the folder with all missing parents, then makes it the current
// directory. Silent on failure; an empty path does nothing.
void EnsureFolder(const std::string& path);
// Cuts the text before the first `separator`; the text keeps what follows it.
std::string NextToken(std::string& text, char separator);
// The field separator of label files: the first character of the
// "Separator" setting, "," when it is empty.
char FieldSeparator();
std::string NextField(std::string& text);  // NextToken with FieldSeparator()
// Every piece of `text` between separators, empty pieces included.
std::vector<std::string_view> SplitAt(std::string_view text, char separator);
std::string RemoveExtension(const std::string& fileName, const std::string& extension);
std::string RightChars(const std::string& text, int count);
// Control characters (bytes below 32, and 127) written as their decimal
// code the way Direct layouts write bytes ("<027>"), so text from label
// files cannot break a log line or a queue row, or steer a terminal.
std::string EscapeControlCharacters(std::string_view text);
// One byte the way Direct layouts write it: "<" + three decimal digits + ">".
std::string DecimalByteCode(unsigned char byte);

}  // namespace quill
