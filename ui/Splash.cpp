#include "ui/Splash.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/Artwork.h"

namespace quill::ui {

TfrmSplash::TfrmSplash(QWidget* parent) : TfrmBase(parent) {
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap::fromImage(SplashPicture()));
    layout->addWidget(picture);
    setFixedSize(477, 355);
}

}  // namespace quill::ui
