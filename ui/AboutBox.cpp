#include "ui/AboutBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <exception>

#include "core/Logging.h"
#include "ui/Artwork.h"
#include "ui/ProgramVersion.h"

namespace quill::ui {

namespace {

constexpr QSize PictureSize(360, 270);

QImage CustomerLogo(const QString& folder) {
    if (!QDir(folder).exists()) return {};
    const QString path = QDir(folder).filePath("logo.bmp");
    if (!QFileInfo::exists(path)) return {};
    QImageReader reader(path);
    QImage logo = reader.read();
    if (logo.isNull()) {
        LogException("OrderInfoFRM", "FormCreate", "EInvalidGraphic",
                     path.toStdString() + ": " + reader.errorString().toStdString());
        return {};
    }
    return logo.size() == PictureSize ? logo : QImage();
}

}  // namespace

QString CustomerLogoFolder(const QString& programFileFolder) {
    return programFileFolder.left(std::max(0, int(programFileFolder.size()) - 4)) + "Data/";
}

TAboutF::TAboutF(QWidget* parent) : TTamberF(nullptr) {
    // a modal box over `parent`, never docked into it
    setParent(parent, Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle("About Vek");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bevel = new QFrame(this);
    bevel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    bevel->setLineWidth(3);
    auto* bevelLayout = new QVBoxLayout(bevel);
    bevelLayout->setContentsMargins(3, 3, 3, 3);
    imgVek_ = new QLabel(bevel);
    imgVek_->setFixedSize(PictureSize);
    imgVek_->setPixmap(QPixmap::fromImage(AboutPicture()));
    imgVek_->installEventFilter(this);
    bevelLayout->addWidget(imgVek_);
    layout->addWidget(bevel);
    setFixedSize(366, 276);

    lblVersion_ = new QLabel(imgVek_);
    lblVersion_->setAttribute(Qt::WA_TranslucentBackground);
    QPalette white = lblVersion_->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    lblVersion_->setPalette(white);
    lblVersion_->setText("Version: " + ProgramVersion() + " ");
    lblVersion_->adjustSize();
    lblVersion_->move(8, PictureSize.height() - lblVersion_->height() - 6);
}

void TAboutF::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            accept();
            return;
        default:
            TTamberF::keyPressEvent(event);
    }
}

bool TAboutF::eventFilter(QObject* watched, QEvent* event) {
    if (watched == imgVek_ && event->type() == QEvent::MouseButtonRelease) {
        accept();
        return true;
    }
    return TTamberF::eventFilter(watched, event);
}

TOrderInfoF::TOrderInfoF(QWidget* parent, const QString& programFileFolder) : TAboutF(parent) {
    setWindowTitle("Order Information");
    const QString folder =
        programFileFolder.isEmpty() ? QCoreApplication::applicationDirPath() + "/" : programFileFolder;
    try {
        const QImage logo = CustomerLogo(CustomerLogoFolder(folder));
        if (!logo.isNull()) imgVek()->setPixmap(QPixmap::fromImage(logo));
    } catch (const std::exception& e) {
        LogException("OrderInfoFRM", "FormCreate", "Exception", e.what());
    }
}

void ShowOrderInfo(QWidget* parent) {
    TOrderInfoF box(parent);
    box.exec();
}

}  // namespace quill::ui
