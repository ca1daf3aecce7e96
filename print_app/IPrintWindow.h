#pragma once
// What the main window asks of its two printing windows ("Print Labels",
// "Print Labels - Use File"): they print with the current Manual design.
#include <string>

namespace quill {

// The design focused in the Manual design list.
struct TCurrentDesign {
    std::string FileName;       // N.lbl
    std::string DesignFolder;   // with trailing separator
    std::string LabelFolder;    // where the label files for it are written
};

class IPrintWindow {
public:
    virtual ~IPrintWindow() = default;
    // The design to print with; called before the window is shown.
    virtual void SetDesign(const TCurrentDesign& design) = 0;
    // The design was changed in the designer: read it and its fields again.
    virtual void ReloadDesign() = 0;
};

}  // namespace quill
