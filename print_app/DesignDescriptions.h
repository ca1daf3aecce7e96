#pragma once
// The description a design carries in its own file (section "Description",
// key "Text"), shown and edited in the design lists.
#include <string>

namespace quill {

// Designs are a few kilobytes; a larger file is listed but not read.
inline constexpr long long MaxDesignFileBytes = 16LL << 20;
bool IsReadableDesignSize(const std::string& designPath);

// Empty when the file is missing, unreadable or too large, and when the text begins
// with "?" (the designer's placeholder). Failures are logged.
std::string ReadLabelDescription(const std::string& designPath);
// Writes the text into an existing design file; false (and logged) when
// that failed. A missing or too large file is left as it is.
bool WriteLabelDescription(const std::string& designPath, const std::string& text);

}  // namespace quill
