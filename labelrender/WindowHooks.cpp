#include "labelrender/WindowHooks.h"

namespace quill::labelrender {

namespace {
DesignerWindow& Designer() {
    static DesignerWindow window;
    return window;
}
PreviewWindow& Preview() {
    static PreviewWindow window;
    return window;
}
}  // namespace

void InstallDesignerWindow(DesignerWindow window) { Designer() = std::move(window); }
void InstallPreviewWindow(PreviewWindow window) { Preview() = std::move(window); }
const DesignerWindow& InstalledDesignerWindow() { return Designer(); }
const PreviewWindow& InstalledPreviewWindow() { return Preview(); }

}  // namespace quill::labelrender
