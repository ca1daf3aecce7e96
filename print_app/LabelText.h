#pragma once
// Text the user typed or loaded, turned into the bytes a Manual label file
// carries: the label code page (Windows-1252 unless CodePage names
// another), one line, values split by the separator. What a label file
// cannot carry is refused with a message instead of being changed.
#include <QString>
#include <optional>
#include <string>

namespace quill {

// The bytes of `text` in the label code page, or empty with `problem` set
// (naming `where`) when a character has no byte there, or the text holds
// the separator or a control character.
std::optional<std::string> LabelValueBytes(const QString& text, int codePage, char separator, const QString& where,
                                           QString& problem);

// Label bytes as the label shows them.
QString LabelBytesText(const std::string& bytes, int codePage);

}  // namespace quill
