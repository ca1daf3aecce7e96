#include "ui/FPreview.h"

#include <poppler-qt6.h>

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "labelrender/LabelJob.h"
#include "labelrender/WindowHooks.h"

namespace quill::ui {

namespace {

constexpr std::array kZoomSteps = {25, 33, 50, 67, 75, 100, 125, 150, 200, 300, 400, 600, 800};
constexpr int kPageMargin = 12;

}  // namespace

// One page at the current zoom. Only what is exposed is rendered, so a
// large page at 800 % costs the screen's pixels, not the page's.
class TPreviewCanvas : public QWidget {
public:
    explicit TPreviewCanvas(QWidget* parent) : QWidget(parent) {}

    void Show(std::unique_ptr<Poppler::Page> page, double dotsPerInch) {
        page_ = std::move(page);
        dpi_ = dotsPerInch;
        const QSizeF points = page_ ? page_->pageSizeF() : QSizeF();
        setFixedSize(QSize(qRound(points.width() * dpi_ / 72.0), qRound(points.height() * dpi_ / 72.0)) +
                     QSize(2 * kPageMargin, 2 * kPageMargin));
        update();
    }
    QRect PageRect() const { return rect().adjusted(kPageMargin, kPageMargin, -kPageMargin, -kPageMargin); }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.fillRect(event->rect(), palette().color(QPalette::Dark));
        const QRect page = PageRect();
        painter.fillRect(page.translated(3, 3), palette().color(QPalette::Shadow));
        const QRect exposed = event->rect() & page;
        if (exposed.isEmpty()) return;
        painter.fillRect(exposed, Qt::white);
        if (!page_) return;
        const QRect area = exposed.translated(-page.topLeft());
        painter.drawImage(exposed.topLeft(),
                          page_->renderToImage(dpi_, dpi_, area.x(), area.y(), area.width(), area.height()));
    }

private:
    std::unique_ptr<Poppler::Page> page_;
    double dpi_ = 96;
};

TfrmPreview::TfrmPreview(const QString& pdfPath, QWidget* parent) : QDialog(parent) {
    setWindowTitle("Preview");
    document_ = Poppler::Document::load(pdfPath);
    if (document_ && !document_->isLocked()) {
        document_->setRenderHint(Poppler::Document::Antialiasing);
        document_->setRenderHint(Poppler::Document::TextAntialiasing);
        pageCount_ = document_->numPages();
    }
    scroll_ = new QScrollArea(this);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setBackgroundRole(QPalette::Dark);
    canvas_ = new TPreviewCanvas(scroll_);
    scroll_->setWidget(canvas_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildToolbar();
    layout->addWidget(scroll_, 1);
    // the page keys work wherever the focus is; fitting follows the page area's size
    for (QWidget* watched : {static_cast<QWidget*>(scroll_), static_cast<QWidget*>(spnPage_),
                             static_cast<QWidget*>(cbZoom_)})
        watched->installEventFilter(this);
    scroll_->viewport()->installEventFilter(this);
    scroll_->setFocus();
    const QRect screen = (parent ? parent->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    resize(std::min(900, screen.width() - 40), std::min(1000, screen.height() - 60));
    ShowPage();
}

TfrmPreview::~TfrmPreview() = default;

void TfrmPreview::BuildToolbar() {
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addAction("First", this, [this] { GoToPage(0); })->setToolTip("First page (Home)");
    bar->addAction("Previous", this, [this] { GoToPage(page_ - 1); })->setToolTip("Previous page (Page Up)");
    spnPage_ = new QSpinBox(bar);
    spnPage_->setRange(1, std::max(1, pageCount_));
    connect(spnPage_, &QSpinBox::valueChanged, this, [this](int value) { GoToPage(value - 1); });
    bar->addWidget(new QLabel(" Page ", bar));
    bar->addWidget(spnPage_);
    lblPages_ = new QLabel(QString(" of %1 ").arg(pageCount_), bar);
    bar->addWidget(lblPages_);
    bar->addAction("Next", this, [this] { GoToPage(page_ + 1); })->setToolTip("Next page (Page Down)");
    bar->addAction("Last", this, [this] { GoToPage(pageCount_ - 1); })->setToolTip("Last page (End)");
    bar->addSeparator();
    bar->addAction("-", this, &TfrmPreview::ZoomOut)->setToolTip("Zoom out (-)");
    cbZoom_ = new QComboBox(bar);
    cbZoom_->addItem("Fit page");
    cbZoom_->addItem("Fit width");
    for (const int step : kZoomSteps) cbZoom_->addItem(QString("%1 %").arg(step), step);
    connect(cbZoom_, &QComboBox::activated, this, &TfrmPreview::ZoomChosen);
    bar->addWidget(cbZoom_);
    bar->addAction("+", this, &TfrmPreview::ZoomIn)->setToolTip("Zoom in (+)");
    lblZoom_ = new QLabel(bar);
    bar->addWidget(lblZoom_);
    bar->addSeparator();
    bar->addAction("Close", this, &QDialog::accept);
    layout()->addWidget(bar);
}

void TfrmPreview::GoToPage(int page) {
    if (pageCount_ == 0) return;
    page = std::clamp(page, 0, pageCount_ - 1);
    if (page == page_) return;
    page_ = page;
    ShowPage();
}

void TfrmPreview::SetZoom(int percent) {
    fit_ = TFit::None;
    zoom_ = std::clamp(percent, MinZoom, MaxZoom);
    ShowPage();
}

void TfrmPreview::SetFit(TFit fit) {
    fit_ = fit;
    ShowPage();
}

void TfrmPreview::ZoomIn() {
    const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom_);
    SetZoom(next == kZoomSteps.end() ? MaxZoom : *next);
}

void TfrmPreview::ZoomOut() {
    const auto below = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom_);
    SetZoom(below == kZoomSteps.begin() ? MinZoom : *(below - 1));
}

void TfrmPreview::ZoomChosen(int index) {
    if (index == 0) SetFit(TFit::Page);
    else if (index == 1) SetFit(TFit::Width);
    else SetZoom(cbZoom_->itemData(index).toInt());
}

void TfrmPreview::Refit() {
    if (fit_ == TFit::None || pageCount_ == 0) return;
    const QSizeF points = document_->page(page_)->pageSizeF();
    const double screenDpi = logicalDpiX();
    // the room without scroll bars; fitting the width leaves room for the vertical one,
    // so that the bar appearing cannot change the fit again
    QSize room = scroll_->maximumViewportSize() - QSize(2 * kPageMargin, 2 * kPageMargin);
    if (fit_ == TFit::Width) room.rwidth() -= style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const double widthZoom = room.width() * 72.0 * 100 / (points.width() * screenDpi);
    const double heightZoom = room.height() * 72.0 * 100 / (points.height() * screenDpi);
    const double zoom = fit_ == TFit::Width ? widthZoom : std::min(widthZoom, heightZoom);
    zoom_ = std::clamp(static_cast<int>(zoom), MinZoom, MaxZoom);
}

void TfrmPreview::ShowPage() {
    Refit();
    canvas_->Show(pageCount_ ? document_->page(page_) : nullptr, logicalDpiX() * zoom_ / 100.0);
    spnPage_->blockSignals(true);
    spnPage_->setValue(page_ + 1);
    spnPage_->blockSignals(false);
    cbZoom_->setCurrentIndex(fit_ == TFit::Page ? 0 : fit_ == TFit::Width ? 1 : cbZoom_->findData(zoom_));
    lblZoom_->setText(QString(" %1 % ").arg(zoom_));
}

bool TfrmPreview::PageKey(int key) {
    switch (key) {
        case Qt::Key_PageUp: GoToPage(page_ - 1); return true;
        case Qt::Key_PageDown: GoToPage(page_ + 1); return true;
        case Qt::Key_Home: GoToPage(0); return true;
        case Qt::Key_End: GoToPage(pageCount_ - 1); return true;
        case Qt::Key_Plus: ZoomIn(); return true;
        case Qt::Key_Minus: ZoomOut(); return true;
        default: return false;
    }
}

void TfrmPreview::keyPressEvent(QKeyEvent* event) {
    if (!PageKey(event->key())) QDialog::keyPressEvent(event);
}

bool TfrmPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && PageKey(static_cast<QKeyEvent*>(event)->key())) return true;
    if (event->type() == QEvent::Resize && watched == scroll_->viewport() && fit_ != TFit::None) ShowPage();
    return QDialog::eventFilter(watched, event);
}

void InstallPreviewWindowHook() {
    labelrender::InstallPreviewWindow([](labelrender::LabelJob&, const std::string& previewFile, void* parentWindow) {
        QWidget* parent = parentWindow ? static_cast<QWidget*>(parentWindow) : QApplication::activeWindow();
        TfrmPreview window(QString::fromStdString(previewFile), parent);
        if (!window.IsOpen()) return labelrender::LL_ERR_NOPREVIEWFILES;
        // a caller's hourglass must not stand over the pages
        QApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
        window.exec();
        QApplication::restoreOverrideCursor();
        return 0;
    });
}

}  // namespace quill::ui
