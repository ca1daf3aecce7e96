#include "print_app/DirectDesignCommands.h"

#include "core/Settings.h"
#include "core/Utilities.h"
#include "print_app/DesignCommands.h"
#include "print_app/FDefineLabelDirect.h"

namespace quill {

namespace {

// The settings as they are now, and the folder there and current.
std::string PrepareFolder(const std::string& designFolder) {
    ReadSettings();
    const std::string folder = AddBackslash(designFolder);
    EnsureFolder(folder);
    return folder;
}

}  // namespace

bool NewDirectDesign(const std::string& designFolder, TMode mode, QWidget* parent, std::string& name) {
    const std::string folder = PrepareFolder(designFolder);
    if (!AskNewDesignName(mode, name, parent, folder)) return false;
    // A design of that name stays until the new one is saved in its place,
    // so leaving the editor without saving loses nothing.
    TfrmDefineLabelDirect editor(folder, name, mode, true, parent);
    editor.exec();
    return editor.Model().Saved();
}

void EditDirectDesign(const std::string& designFolder, TMode mode, QWidget* parent, const std::string& name) {
    TfrmDefineLabelDirect editor(PrepareFolder(designFolder), name, mode, false, parent);
    editor.exec();
}

}  // namespace quill
