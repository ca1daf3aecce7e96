#pragma once
// The description a design carries in its own file (section "Description",
// key "Text"), shown and edited in the design lists.
#include <string>

namespace quill {

// Empty when the file is missing or unreadable, and when the text begins
// with "?" (the designer's placeholder). Failures are logged.
std::string ReadLabelDescription(const std::string& designPath);
// Writes the text into an existing design file; false (and logged) when
// that failed. A missing file is left missing.
bool WriteLabelDescription(const std::string& designPath, const std::string& text);

}  // namespace quill
