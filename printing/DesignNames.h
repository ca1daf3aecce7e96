#pragma once
// The naming rules of design files per mode.
#include <string>
#include <string_view>

#include "core/UGlobals.h"

namespace quill {

struct TDesignNameCheck {
    bool Valid = false;
    std::string Name;      // the name with ".lbl", valid or not
    std::string Message;   // why the name is invalid; empty when valid
};

// Checks a typed design name against the mode's rule; ".lbl" is appended
// when missing. The message is for the user to read.
TDesignNameCheck CheckDesignName(TMode mode, std::string_view name);

// A name any file may have: 1 to 255 characters, no control or reserved
// characters, no trailing full stop or blank, no device name (CON, LPT1, ...).
bool IsValidFileName(std::string_view name);

}  // namespace quill
