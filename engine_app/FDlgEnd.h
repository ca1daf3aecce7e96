#pragma once
// The question asked when the engine's window is closed: end the engine
// ("End", accepted) or only hide it ("Hide", rejected).
#include <QDialog>

class QPushButton;

namespace quill {

class TfrmDlgEnd : public QDialog {
    Q_OBJECT
public:
    explicit TfrmDlgEnd(QWidget* parent = nullptr);
    QPushButton* EndButton() const { return btnEnd_; }
    QPushButton* HideButton() const { return btnHide_; }

private:
    QPushButton* btnEnd_;
    QPushButton* btnHide_;
};

}  // namespace quill
