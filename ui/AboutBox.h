#pragma once
// The about box and the order information box shown by "&About".
#include <QString>

#include "ui/BaseForms.h"

class QLabel;

namespace quill::ui {

class TAboutF : public TTamberF {
    Q_OBJECT
public:
    explicit TAboutF(QWidget* parent = nullptr);
    QLabel* lblVersion() const { return lblVersion_; }
    QLabel* imgVek() const { return imgVek_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* imgVek_;
    QLabel* lblVersion_;
};

// The about box with the customer's own picture when one is installed.
class TOrderInfoF : public TAboutF {
    Q_OBJECT
public:
    // `programFileFolder`: the folder of the program file, with a trailing
    // separator; the application's own folder when empty.
    explicit TOrderInfoF(QWidget* parent = nullptr, const QString& programFileFolder = {});
};

// Where the customer's "logo.bmp" is looked for: the program file's folder
// less its last four characters, then "Data/" (Bin/ -> the sibling Data/).
QString CustomerLogoFolder(const QString& programFileFolder);

// Shows the order information box modally and frees it.
void ShowOrderInfo(QWidget* parent);

}  // namespace quill::ui
