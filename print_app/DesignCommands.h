#pragma once
// Naming a new design and opening the label designer on a design.
#include <string>
#include <string_view>

#include "core/UGlobals.h"
#include "printing/DesignNames.h"

class QWidget;

namespace quill {

namespace labelrender {
class LabelJob;
}

// The mode's naming rule (CheckDesignName, which appends ".lbl"), and for
// every mode a name that can be a file in the design folder: a typed
// "../x" or "a/b" must not put a design somewhere else.
TDesignNameCheck CheckTypedDesignName(TMode mode, std::string_view typed);

// Asks for the name of a new design, starting from the mode's default name,
// until it passes the naming rules and, when a design of that name lies in
// `designFolder` (the current directory when empty), the user agrees to
// replace it. The name ends in ".lbl". False when cancelled.
bool AskNewDesignName(TMode mode, std::string& name, QWidget* parent = nullptr, const std::string& designFolder = {});

// Names a new design and opens the designer on it; a "default.lbp" the
// designer left becomes the design's printer settings. True when the
// designer was closed normally. `name` is set once a name was given.
bool NewDesign(const std::string& designFolder, TMode mode, labelrender::LabelJob& job, QWidget* parent,
               std::string& name);
// Opens the designer on an existing design.
void EditDesign(const std::string& designFolder, TMode mode, labelrender::LabelJob& job, QWidget* parent,
                const std::string& name);

}  // namespace quill
