#pragma once
// The folder chooser of the settings windows: Qt's own folder dialog (the
// same on every desktop), which lets the user make a new folder and asks
// before creating a typed folder that does not exist.
#include <QString>

class QWidget;

namespace quill {

inline constexpr const char* FolderChooserTitle = "Browse for Folder";

// The chosen folder, or an empty text when the user cancelled. Opens at
// `start`, or at its nearest existing parent.
QString ChooseFolder(QWidget* parent, const QString& start);

}  // namespace quill
