#pragma once
// The windows a program lends the label job. The library draws no window of
// its own: a program with a display installs its designer and its preview
// window here; without them the job stays headless (no designer, previews
// kept as PDF files).
#include <functional>
#include <string>

namespace quill::labelrender {

class LabelJob;

// Opens the designer on the design file, modally; 0 when it was closed
// normally. The job carries the variables the program defined for it.
using DesignerWindow = std::function<int(LabelJob& job, void* parentWindow, const std::string& title,
                                         const std::string& designPath)>;
// Shows the pages of a finished preview job (a PDF file), modally.
using PreviewWindow = std::function<int(LabelJob& job, const std::string& previewFile, void* parentWindow)>;

void InstallDesignerWindow(DesignerWindow window);
void InstallPreviewWindow(PreviewWindow window);
const DesignerWindow& InstalledDesignerWindow();
const PreviewWindow& InstalledPreviewWindow();

}  // namespace quill::labelrender
