#pragma once
#include <string>

namespace quill::platform {

// Natural ("logical") order of file names: letters compared without regard
// to case, runs of digits compared by numeric value, so "file2" < "file10".
// Returns <0, 0 or >0.
int CompareLogical(const std::string& a, const std::string& b);

}  // namespace quill::platform
