#include "print_app/PrintMessages.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace quill {

namespace {

int Show(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
         QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title.isEmpty() ? QCoreApplication::applicationName() : title, text, buttons, parent);
    return box.exec();
}

}  // namespace

void ShowPlainMessage(QWidget* parent, const QString& text) {
    Show(parent, QMessageBox::NoIcon, {}, text, QMessageBox::Ok);
}

void ShowErrorMessage(QWidget* parent, const QString& text) {
    Show(parent, QMessageBox::Critical, {}, text, QMessageBox::Ok);
}

bool AskOkCancel(QWidget* parent, const QString& title, const QString& text) {
    return Show(parent, QMessageBox::Question, title, text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

bool AskYesNo(QWidget* parent, const QString& text) {
    return Show(parent, QMessageBox::Question, {}, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool AskText(QWidget* parent, const QString& title, const QString& prompt, QString& text) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(text);
    if (dialog.exec() != QDialog::Accepted) return false;
    text = dialog.textValue();
    return true;
}

}  // namespace quill
