#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/Artwork.h"
#include "ui/ExBar.h"
#include "ui/ExBarMetrics.h"

namespace quill::ui {

using namespace exbar;

namespace {

// Pixel rows of the skin bitmap.
constexpr int SkinNormalRow = 1;
constexpr int SkinHighlightedRow = 25;
constexpr int SkinPieceHeight = 23;

enum SkinButton { OpenButton = 164, OpenHotButton = 190, ClosedButton = 216, ClosedHotButton = 242 };

// Each channel moved towards `to` by `fraction`, rounded to the nearest.
void BlendTowards(QImage& image, const QColor& to, double fraction) {
    if (fraction <= 0) return;
    const int tr = to.red(), tg = to.green(), tb = to.blue();
    for (int row = 0; row < image.height(); ++row) {
        auto* pixel = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int col = 0; col < image.width(); ++col) {
            const QRgb p = pixel[col];
            auto mix = [fraction](int from, int target) {
                return int(std::lround((1 - fraction) * from + fraction * target));
            };
            pixel[col] = qRgb(mix(qRed(p), tr), mix(qGreen(p), tg), mix(qBlue(p), tb));
        }
    }
}

}  // namespace

TExGroup::TExGroup(TExBar* bar) : bar_(bar) {
    timer_.setInterval(30);
    connect(&timer_, &QTimer::timeout, this, &TExGroup::AnimationTimerTimer);
}

TExGroup::~TExGroup() {
    items_.clear();
    bar_->Forget(this);
}

void TExGroup::SetCaption(const QString& caption) {
    caption_ = caption;
    bar_->Repaint();
}

void TExGroup::SetIconIndex(int index) {
    iconIndex_ = index;
    bar_->Repaint();
}

void TExGroup::SetHighlighted(bool highlighted) {
    highlighted_ = highlighted;
    bar_->Repaint();
}

TExMenuItem* TExGroup::AddItem(const QString& caption, const QString& hint, int iconIndex, int id) {
    auto* item = new TExMenuItem(this, caption, hint, iconIndex, id);
    AddCustomItem(std::unique_ptr<TExCustomItem>(item));
    return item;
}

TExCustomItem* TExGroup::AddCustomItem(std::unique_ptr<TExCustomItem> item) {
    items_.push_back(std::move(item));
    bar_->NeedLayout();
    return items_.back().get();
}

void TExGroup::RemoveItem(TExCustomItem* item) {
    std::erase_if(items_, [item](const auto& owned) { return owned.get() == item; });
    bar_->NeedLayout();
}

void TExGroup::Measure(const QFontMetrics& metrics, int x) {
    int height = ItemsPadding;
    for (const auto& item : items_)
        if (item->Visible()) height += item->Measure(metrics, x, height);
    fullHeight_ = height + ItemsPadding;
    if (state_ == TExGroupState::Expanded || fullHeight_ < currentHeight_) currentHeight_ = fullHeight_;
}

void TExGroup::StartAnimation() {
    const int inc = fullHeight_ / 150 + 1;
    int k = 0;
    for (int sum = 0; sum < fullHeight_; ++k) sum += 1 + k * inc;
    stepLimit_ = 1 + k * inc;
    timer_.start();
}

void TExGroup::Toggle() {
    if (!bar_->Animate()) {
        timer_.stop();
        state_ = IsOpen() ? TExGroupState::Collapsed : TExGroupState::Expanded;
        currentHeight_ = state_ == TExGroupState::Expanded ? fullHeight_ : 0;
    } else {
        switch (state_) {
            case TExGroupState::Expanded:
                state_ = TExGroupState::Collapsing;
                target_ = 0;
                currentHeight_ = fullHeight_;
                step_ = 0;
                StartAnimation();
                break;
            case TExGroupState::Collapsed:
                state_ = TExGroupState::Expanding;
                target_ = fullHeight_;
                currentHeight_ = 0;
                StartAnimation();
                step_ = stepLimit_ - 1;
                break;
            case TExGroupState::Expanding:
                state_ = TExGroupState::Collapsing;
                target_ = 0;
                break;
            case TExGroupState::Collapsing:
                state_ = TExGroupState::Expanding;
                target_ = fullHeight_;
                break;
        }
    }
    // The highlight follows the open group.
    if (bar_->SingleGroupOpen()) highlighted_ = IsOpen();
    bar_->LayOut();
    bar_->Repaint();
}

void TExGroup::CollapseNow() {
    timer_.stop();
    state_ = TExGroupState::Collapsed;
    currentHeight_ = 0;
}

void TExGroup::AnimationTimerTimer() {
    const int inc = fullHeight_ / 150 + 1;
    if (state_ == TExGroupState::Expanding) {
        currentHeight_ = std::min(fullHeight_, currentHeight_ + step_);
        step_ -= inc;
    } else {
        currentHeight_ = std::max(0, currentHeight_ - step_);
        step_ += inc;
    }
    if (step_ < 0 || step_ > stepLimit_ - 1) {
        currentHeight_ = target_;
        timer_.stop();
        state_ = currentHeight_ != 0 ? TExGroupState::Expanded : TExGroupState::Collapsed;
    }
    bar_->LayOut();
    bar_->Repaint();
}

void TExGroup::PaintHeader(QPainter& painter, int x, int y) {
    const TExBarColours& c = bar_->Colours();
    const bool hot = bar_->HotGroup() == this && !bar_->HotItem();
    const bool open = IsOpen();
    const int w = width_;
    const QRect box(x, y + 9, w, HeaderHeight - 9);

    if (bar_->skin_) {
        const QImage& skin = *bar_->skin_;
        const int row = highlighted_ ? SkinHighlightedRow : SkinNormalRow;
        const int button = open ? (hot ? OpenHotButton : OpenButton) : (hot ? ClosedHotButton : ClosedButton);
        painter.drawImage(QRect(x, box.top(), 5, SkinPieceHeight), skin, QRect(7, row, 5, SkinPieceHeight));
        painter.drawImage(QRect(x + 5, box.top(), w - 30, SkinPieceHeight), skin,
                          QRect(13, row, 150, SkinPieceHeight));
        painter.drawImage(QRect(x + w - 25, box.top(), 25, SkinPieceHeight), skin,
                          QRect(button, row, 25, SkinPieceHeight));
    } else {
        painter.fillRect(box, bar_->palette().color(highlighted_ ? QPalette::Highlight : QPalette::Button));
        const QImage& glyph = open ? GlyphArUp() : GlyphArDn();
        const QColor ink = highlighted_ ? c.HighlightedText : c.Text;
        for (int gy = 0; gy < glyph.height(); ++gy)
            for (int gx = 0; gx < glyph.width(); ++gx)
                if (glyph.pixelIndex(gx, gy) == 0) painter.fillRect(x + w - 24 + gx, y + 16 + gy, 1, 1, ink);
    }

    QFont bold = bar_->font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(highlighted_ ? (hot ? c.HighlightedHotText : c.HighlightedText) : (hot ? c.HotText : c.Text));
    int textLeft = x + 8;
    if (iconIndex_ >= 0 && iconIndex_ < bar_->GroupIcons().size()) {
        painter.drawPixmap(x, y, bar_->GroupIcons()[iconIndex_]);
        textLeft = x + 40;
    }
    const QFontMetrics metrics(bold);
    const int textTop = y + 8 + (24 - metrics.height()) / 2;
    const QRect textRect(QPoint(textLeft, textTop), QPoint(x + w - 25, textTop + metrics.height()));
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     metrics.elidedText(caption_, Qt::ElideRight, textRect.width()));
    headerRect_ = QRect(QPoint(x, y + 9), QPoint(x + w, y + HeaderHeight));
}

void TExGroup::PaintItems(QPainter& painter, int x, int y) {
    const TExBarColours& c = bar_->Colours();
    const int top = y + HeaderHeight;
    itemsRect_ = QRect(x, top, width_, currentHeight_);
    if (currentHeight_ <= 0) return;

    // The area is drawn apart so it can be moved and blended while animating.
    const qreal ratio = painter.device()->devicePixelRatioF();
    QImage area(QSize(width_, currentHeight_) * ratio, QImage::Format_RGB32);
    area.setDevicePixelRatio(ratio);
    area.fill(c.ItemsArea);
    {
        QPainter p(&area);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.translate(-x, -top);
        int itemY = top + ItemsPadding - (fullHeight_ - currentHeight_);
        for (const auto& item : items_)
            if (item->Visible()) itemY += item->Paint(p, x, itemY);
        p.resetTransform();
        p.setPen(c.ItemsBorder);
        p.drawLine(0, 0, 0, currentHeight_ - 1);
        p.drawLine(0, currentHeight_ - 1, width_ - 1, currentHeight_ - 1);
        p.drawLine(width_ - 1, 0, width_ - 1, currentHeight_ - 1);
    }
    if (fullHeight_ > 0 && currentHeight_ < fullHeight_)
        BlendTowards(area, c.Background, 1.0 - double(currentHeight_) / fullHeight_);
    painter.drawImage(x, top, area);
}

void TExGroup::Paint(QPainter& painter, int x, int y) {
    PaintHeader(painter, x, y);
    if (state_ != TExGroupState::Collapsed)
        PaintItems(painter, x, y);
    else
        itemsRect_ = QRect();
}

TExGroup* TExGroups::AddGroup(const QString& caption, bool highlighted) {
    auto group = std::make_unique<TExGroup>(bar_);
    group->caption_ = caption;
    group->highlighted_ = highlighted;
    group->width_ = bar_->viewport()->width() - 24;
    groups_.push_back(std::move(group));
    bar_->NeedLayout();
    return groups_.back().get();
}

void TExGroups::Clear() {
    groups_.clear();
    bar_->NeedLayout();
}

}  // namespace quill::ui
