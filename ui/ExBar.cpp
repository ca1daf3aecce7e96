#include "ui/ExBar.h"

#include <QEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include "ui/ExBarMetrics.h"

namespace quill::ui {

using namespace exbar;

TExBar::TExBar(QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setTracking(true);
    verticalScrollBar()->setSingleStep(17);
    surface_ = new TFlickerFreePaintBox(this, [this](QImage& image) { PaintAll(image); });
    setWidget(surface_);
    connect(surface_, &TFlickerFreePaintBox::MouseMoved, this, &TExBar::PointerMoved);
    connect(surface_, &TFlickerFreePaintBox::MouseReleased, this, &TExBar::PointerReleased);
    connect(surface_, &TFlickerFreePaintBox::MouseLeft, this, &TExBar::PointerLeft);
    ApplyColours();
    resize(218, 300);
}

TExBar::~TExBar() {
    suspended_ = true;
    groups_.Clear();
}

void TExBar::SetItemIcons(const QList<QPixmap>& icons) {
    itemIcons_ = icons;
    NeedLayout();
}

void TExBar::SetGrayIcons(const QList<QPixmap>& icons) {
    grayIcons_ = icons;
    Repaint();
}

void TExBar::SetGroupIcons(const QList<QPixmap>& icons) {
    groupIcons_ = icons;
    Repaint();
}

void TExBar::SetSkin(const std::optional<QImage>& skin) {
    if (skin && skin->width() >= 268 && skin->height() >= 49)
        skin_ = skin->convertToFormat(QImage::Format_RGB32);
    else
        skin_.reset();
    ApplyColours();
    Repaint();
}

void TExBar::ApplyColours() {
    if (skin_) {
        const QImage& s = *skin_;
        auto at = [&s](int y) { return QColor(s.pixel(1, y)); };
        colours_ = {at(1), at(7), at(13), at(19), at(25), at(31), at(37)};
    } else {
        const QPalette& p = palette();
        // White and the window colour become the desktop's base colour.
        colours_ = {p.color(QPalette::Base),       p.color(QPalette::Base),
                    p.color(QPalette::Button),     p.color(QPalette::ButtonText),
                    p.color(QPalette::ButtonText), p.color(QPalette::HighlightedText),
                    p.color(QPalette::HighlightedText)};
    }
    QPalette own = surface_->palette();
    own.setColor(QPalette::Window, colours_.Background);
    surface_->setPalette(own);
    // below the groups the bar shows its background colour
    viewport()->setBackgroundRole(QPalette::Window);
    viewport()->setAutoFillBackground(true);
    viewport()->setPalette(own);
}

void TExBar::changeEvent(QEvent* event) {
    QScrollArea::changeEvent(event);
    if (surface_ && (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)) {
        if (!skin_) ApplyColours();
        NeedLayout();
    }
}

void TExBar::SuspendPainting() { suspended_ = true; }

void TExBar::ResumePainting() {
    suspended_ = false;
    LayOut();
    Repaint();
}

void TExBar::NeedLayout() {
    layoutNeeded_ = true;
    if (suspended_) return;
    LayOut();
    Repaint();
}

void TExBar::LayOut() {
    if (suspended_ || inLayout_) return;
    inLayout_ = true;
    const QFontMetrics metrics(font());
    const int clientWidth = viewport()->width();
    int y = TopY;
    bool collapsing = false;
    for (const auto& group : groups_) {
        group->SetWidth(clientWidth - 24);
        group->Measure(metrics, LeftX);
        y += HeaderHeight;
        if (group->state_ == TExGroupState::Expanded || group->state_ == TExGroupState::Expanding)
            y += group->FullHeight();
        y += GroupGap;
        collapsing = collapsing || group->state_ == TExGroupState::Collapsing;
    }
    contentHeight_ = y;
    const int clientHeight = viewport()->height();
    const int surfaceHeight = collapsing && contentHeight_ < clientHeight - 1 ? clientHeight - 1 : contentHeight_;
    surface_->resize(clientWidth, surfaceHeight);
    setVerticalScrollBarPolicy(height() - 2 * frameWidth() < contentHeight_ ? Qt::ScrollBarAlwaysOn
                                                                              : Qt::ScrollBarAlwaysOff);
    // The scroll bar takes width from the client area: measure again.
    if (viewport()->width() != clientWidth) {
        inLayout_ = false;
        LayOut();
        return;
    }
    lastWidth_ = clientWidth;
    layoutNeeded_ = false;
    inLayout_ = false;
}

void TExBar::Repaint() {
    if (!suspended_) surface_->Invalidate();
}

void TExBar::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    LayOut();
    Repaint();
}

void TExBar::PaintAll(QImage& image) {
    if (suspended_) return;
    image.fill(colours_.Background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    int y = TopY;
    for (const auto& group : groups_) {
        group->Paint(painter, LeftX, y);
        y += HeaderHeight + (group->state_ == TExGroupState::Collapsed ? 0 : group->CurrentHeight()) + GroupGap;
    }
}

void TExBar::CollapseAllButOne(TExGroup* keep) {
    for (const auto& group : groups_) {
        if (group.get() == keep) continue;
        group->CollapseNow();
        group->highlighted_ = false;
    }
    LayOut();
    Repaint();
}

QRect TExBar::HotRect() const {
    if (hotItem_) return hotItem_->HitRect();
    if (hotGroup_) return hotGroup_->HeaderRect();
    return {};
}

void TExBar::PointerMoved(QPoint position, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    if (buttons != Qt::NoButton || modifiers != Qt::NoModifier) return;
    // (an item of a group closed since is no longer where it was drawn)
    const bool hotShown = hotGroup_ && (!hotItem_ || hotGroup_->State() != TExGroupState::Collapsed);
    if (hotShown && HotRect().contains(position)) return;
    TExGroup* group = nullptr;
    TExCustomItem* item = nullptr;
    for (const auto& g : groups_)
        if (g->HeaderRect().contains(position)) group = g.get();
    if (!group)
        for (const auto& g : groups_) {
            if (!g->ItemsRect().contains(position)) continue;
            for (const auto& i : g->Items())
                if (i->Visible() && i->HitRect().contains(position)) {
                    group = g.get();
                    item = i.get();
                }
        }
    if (group != hotGroup_ || item != hotItem_) {
        hotGroup_ = group;
        hotItem_ = item;
        auto* menuItem = dynamic_cast<TExMenuItem*>(item);
        hint_ = menuItem ? menuItem->Hint() : QString();
        if (hint_.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(surface_->mapToGlobal(position), hint_, surface_);
        Repaint();
    }
    UpdateCursor();
}

void TExBar::PointerLeft() {
    if (!hotGroup_ && !hotItem_) return;
    hotGroup_ = nullptr;
    hotItem_ = nullptr;
    hint_.clear();
    UpdateCursor();
    Repaint();
}

void TExBar::PointerReleased(QPoint position, Qt::MouseButton) {
    if ((!hotGroup_ && !hotItem_) || !HotRect().contains(position)) return;
    if (hotItem_) {
        TExCustomItem* item = hotItem_;
        if (item->Enabled()) {
            auto* menuItem = dynamic_cast<TExMenuItem*>(item);
            if (menuItem && !menuItem->Execute()) emit OnMenuItemClick(menuItem->Id());
        }
    } else {
        QPointer<TExGroup> group = hotGroup_;
        emit OnGroupItemClick(group);
        if (group) {
            if (singleGroupOpen_) CollapseAllButOne(group);
            group->Toggle();
        }
    }
    UpdateCursor();
    Repaint();
}

void TExBar::UpdateCursor() {
    const bool hand = (hotGroup_ && !hotItem_) || (hotItem_ && hotItem_->Enabled());
    surface_->setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TExBar::Forget(TExGroup* group) {
    if (hotGroup_ == group) {
        hotGroup_ = nullptr;
        hotItem_ = nullptr;
    }
}

void TExBar::Forget(TExCustomItem* item) {
    if (hotItem_ == item) {
        hotItem_ = nullptr;
        hotGroup_ = nullptr;
    }
}

}  // namespace quill::ui
