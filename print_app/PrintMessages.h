#pragma once
// The message boxes of QuillPrint: the program's title as caption unless a
// caption is given, modal to `parent`.
#include <QString>

class QWidget;

namespace quill {

void ShowPlainMessage(QWidget* parent, const QString& text);
void ShowErrorMessage(QWidget* parent, const QString& text);
// A question with OK and Cancel; true for OK.
bool AskOkCancel(QWidget* parent, const QString& title, const QString& text);
// A question with Yes and No; true for Yes.
bool AskYesNo(QWidget* parent, const QString& text);
// The name a user types into a one-line input box; false when cancelled.
bool AskText(QWidget* parent, const QString& title, const QString& prompt, QString& text);

}  // namespace quill
