#include "ui/BaseForms.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>

#include "core/UGlobals.h"

namespace quill::ui {

void CentreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

bool UsesDialogKeys(const QWidget* window, const QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return window->isWindow();
        default:
            return true;
    }
}

TfrmBase::TfrmBase(QWidget* parent)
    : QDialog(parent), lila_(std::make_unique<labelrender::LabelJob>(Folders.LanguageIndex)) {
    setWindowTitle("Quill");
    // The button face is the palette's window colour; filled, so that an
    // inner window covers the panel it is shown in.
    setAutoFillBackground(true);
}

TfrmBase::~TfrmBase() = default;

void TfrmBase::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!centred_ && isWindow()) CentreOnScreen(this);
    centred_ = true;
}

void TfrmBase::keyPressEvent(QKeyEvent* event) {
    if (UsesDialogKeys(this, event))
        QDialog::keyPressEvent(event);
    else
        event->ignore();   // Escape must not hide an inner window
}

TTamberF::TTamberF(QWidget* dockParent) : QDialog(dockParent), docked_(dockParent != nullptr) {
    setAutoFillBackground(true);
    if (docked_) {
        setWindowFlags(Qt::Widget);
        auto* layout = dockParent->layout();
        if (!layout) {
            layout = new QVBoxLayout(dockParent);
            layout->setContentsMargins(0, 0, 0, 0);
        }
        layout->addWidget(this);
    }
}

void TTamberF::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!centred_ && !docked_ && isWindow()) CentreOnScreen(this);
    centred_ = true;
}

void TTamberF::keyPressEvent(QKeyEvent* event) {
    if (UsesDialogKeys(this, event))
        QDialog::keyPressEvent(event);
    else
        event->ignore();
}

}  // namespace quill::ui
