#pragma once
// The base windows every window of both programs derives from.
#include <QDialog>
#include <memory>

#include "labelrender/LabelJob.h"

namespace quill::ui {

// A window with its own label-rendering job. Shown on its own it is a
// top-level window, centred on the screen at its first showing; a modal one
// runs with exec(). Given a parent panel by a side-menu window it becomes an
// inner window filling that panel.
class TfrmBase : public QDialog {
    Q_OBJECT
public:
    explicit TfrmBase(QWidget* parent = nullptr);
    ~TfrmBase() override;

    // The window's own job: every print, preview or design call of the
    // window goes through it.
    labelrender::LabelJob& LILA() { return *lila_; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<labelrender::LabelJob> lila_;
    bool centred_ = false;
};

// A plain base window; given a parent control it turns into a borderless
// panel covering the parent's whole client area.
class TTamberF : public QDialog {
    Q_OBJECT
public:
    explicit TTamberF(QWidget* dockParent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool docked_;
    bool centred_ = false;
};

// Centres a top-level window on the screen it is on.
void CentreOnScreen(QWidget* window);
// Whether a dialog's own keys (Escape closes, Enter clicks the default
// button) apply: not in a window shown inside another one.
bool UsesDialogKeys(const QWidget* window, const QKeyEvent* event);

}  // namespace quill::ui
