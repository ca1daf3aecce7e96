#include "print_app/DirectDesignCommands.h"

#include "core/Settings.h"
#include "core/Utilities.h"
#include "print_app/DesignCommands.h"
#include "print_app/DesignListModel.h"
#include "print_app/PrintMessages.h"

namespace quill {

namespace {
QString EditorMissingText(const std::string& name) {
    return "The Direct layout editor comes with a later version: " + TDesignListModel::Text(name) +
           " was not opened.";
}
}  // namespace

bool NewDirectDesign(const std::string& designFolder, TMode mode, QWidget* parent, std::string& name) {
    ReadSettings();
    EnsureFolder(designFolder);
    if (!AskNewDesignName(mode, name, parent, designFolder)) return false;
    ShowErrorMessage(parent, EditorMissingText(name));
    return false;
}

void EditDirectDesign(const std::string&, TMode, QWidget* parent, const std::string& name) {
    ShowErrorMessage(parent, EditorMissingText(name));
}

}  // namespace quill
