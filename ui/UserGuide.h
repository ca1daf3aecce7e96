#pragma once
// The user guide (docs/user-guide.md) in a window of its own.
#include <QString>

class QTextBrowser;
class QWidget;

namespace quill::ui {

// The installed guide beside the program (share/doc/quill), else the one of
// the source tree the program was built from; empty when neither exists.
QString UserGuidePath();
// Opens the guide in a window that frees itself when closed; the browser
// showing it, or nullptr (after a message) when there is no guide.
QTextBrowser* ShowUserGuide(QWidget* parent);

}  // namespace quill::ui
