#include "ui/ExBar.h"

#include <QAction>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "ui/Artwork.h"

namespace quill::ui {

namespace {

constexpr int LeftX = 12;
constexpr int TopY = 8;
constexpr int HeaderHeight = 32;
constexpr int GroupGap = 8;
constexpr int ItemsPadding = 8;
constexpr int ItemGap = 4;
constexpr int DefaultItemHeight = 20;

// Pixel rows of the skin bitmap.
constexpr int SkinNormalRow = 1;
constexpr int SkinHighlightedRow = 25;
constexpr int SkinPieceHeight = 23;

enum SkinButton { OpenButton = 164, OpenHotButton = 190, ClosedButton = 216, ClosedHotButton = 242 };

QString CutToFit(const QFontMetrics& metrics, const QString& word, int width) {
    QString cut = word;
    while (cut.size() > 1 && metrics.horizontalAdvance(cut + "...") > width) cut.chop(1);
    return cut + "...";
}

// Breaks at blanks into lines no wider than `width`; a word too long for a
// line of its own is cut and ends in "...".
QStringList WrapCaption(const QFontMetrics& metrics, const QString& caption, int width) {
    QStringList lines;
    QString line;
    for (const QString& word : caption.split(' ', Qt::SkipEmptyParts)) {
        const QString joined = line.isEmpty() ? word : line + ' ' + word;
        if (metrics.horizontalAdvance(joined) <= width) {
            line = joined;
            continue;
        }
        if (!line.isEmpty()) lines << line;
        line.clear();
        if (metrics.horizontalAdvance(word) <= width)
            line = word;
        else
            lines << CutToFit(metrics, word, width);
    }
    if (!line.isEmpty()) lines << line;
    return lines;
}

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

// ---- TFlickerFreePaintBox ---------------------------------------------------

TFlickerFreePaintBox::TFlickerFreePaintBox(QWidget* parent, PaintCallback paint)
    : QWidget(parent), paint_(std::move(paint)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
}

void TFlickerFreePaintBox::Invalidate() {
    dirty_ = true;
    update();
}

QImage TFlickerFreePaintBox::NewBitmap() const {
    // in device pixels, so that the bar stays sharp on a high-density screen
    const qreal ratio = devicePixelRatioF();
    QImage bitmap(size() * ratio, QImage::Format_RGB888);
    bitmap.setDevicePixelRatio(ratio);
    if (!bitmap.isNull()) bitmap.fill(palette().color(backgroundRole()));
    return bitmap;
}

bool TFlickerFreePaintBox::BitmapFits() const {
    return bitmap_.deviceIndependentSize().toSize() == size() && bitmap_.devicePixelRatio() == devicePixelRatioF();
}

void TFlickerFreePaintBox::Refresh() {
    if (!BitmapFits()) bitmap_ = NewBitmap();
    if (bitmap_.isNull()) return;
    paint_(bitmap_);
    dirty_ = false;
}

void TFlickerFreePaintBox::paintEvent(QPaintEvent*) {
    if (dirty_ || !BitmapFits()) Refresh();
    QPainter(this).drawImage(0, 0, bitmap_);
}

void TFlickerFreePaintBox::resizeEvent(QResizeEvent*) {
    bitmap_ = NewBitmap();
    dirty_ = true;
}

void TFlickerFreePaintBox::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMoved(event->position().toPoint(), event->buttons(), event->modifiers());
}

void TFlickerFreePaintBox::mousePressEvent(QMouseEvent* event) { event->accept(); }

void TFlickerFreePaintBox::mouseReleaseEvent(QMouseEvent* event) {
    emit MouseReleased(event->position().toPoint(), event->button());
}

void TFlickerFreePaintBox::leaveEvent(QEvent*) { emit MouseLeft(); }

// ---- items ----------------------------------------------------------------------

TExCustomItem::TExCustomItem(TExGroup* group) : group_(group) {}

TExCustomItem::~TExCustomItem() {
    if (group_) group_->Bar()->Forget(this);
}

void TExCustomItem::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    Changed();
}

void TExCustomItem::Changed() {
    if (group_) group_->Bar()->NeedLayout();
}

int TExCustomItem::Paint(QPainter& painter, int x, int y) {
    const int width = group_->Width();
    painter.save();
    painter.setPen(QPen(group_->Bar()->Colours().Text, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(x + 12, y, width - 24 - 1, 16 - 1);
    painter.restore();
    return DefaultItemHeight;
}

int TExCustomItem::Measure(const QFontMetrics&, int, int) { return DefaultItemHeight; }

struct TExMenuItem::Metrics {
    int indent = 12;
    int iconHeight = 0;
    int textTop = 0;
    int lineAdvance = 0;
    int bottom = 0;
};

TExMenuItem::TExMenuItem(TExGroup* group, QString caption, QString hint, int iconIndex, int id)
    : TExCustomItem(group), caption_(std::move(caption)), hint_(std::move(hint)),
      iconIndex_(iconIndex), id_(id) {}

TExMenuItem::~TExMenuItem() { QObject::disconnect(actionChanged_); }

void TExMenuItem::SetCaption(const QString& caption) {
    if (!followingAction_) ownCaption_ = true;
    caption_ = caption;
    Changed();
}

void TExMenuItem::SetHint(const QString& hint) {
    if (!followingAction_) ownHint_ = true;
    hint_ = hint;
}

void TExMenuItem::SetIconIndex(int index) {
    iconIndex_ = index;
    Changed();
}

void TExMenuItem::SetPicture(const QPixmap& picture) {
    picture_ = picture;
    Changed();
}

void TExMenuItem::SetVisible(bool visible) {
    if (!followingAction_) ownVisible_ = true;
    if (visible_ == visible) return;
    visible_ = visible;
    Changed();
}

void TExMenuItem::SetEnabled(bool enabled) {
    if (!followingAction_) ownEnabled_ = true;
    TExCustomItem::SetEnabled(enabled);
}

void TExMenuItem::SetAction(QAction* action) {
    QObject::disconnect(actionChanged_);
    action_ = action;
    if (!action) return;
    actionChanged_ = QObject::connect(action, &QAction::changed, action, [this] { FollowAction(); });
    FollowAction();
}

void TExMenuItem::FollowAction() {
    if (!action_) return;
    followingAction_ = true;
    if (!ownCaption_) SetCaption(QString(action_->text()).remove(QRegularExpression("&(?!&)")));
    if (!ownHint_) SetHint(action_->toolTip());
    if (!ownEnabled_) SetEnabled(action_->isEnabled());
    if (!ownVisible_) SetVisible(action_->isVisible());
    if (shortcut_.isEmpty()) shortcut_ = action_->shortcut();
    followingAction_ = false;
}

bool TExMenuItem::Execute() {
    if (onClick_) {
        onClick_();
        return true;
    }
    if (action_) {
        action_->trigger();
        return true;
    }
    return false;
}

TExMenuItem::Metrics TExMenuItem::Arrange(const QFontMetrics& metrics, int x, int y) {
    Metrics m;
    const TExBar* bar = Group()->Bar();
    if (!picture_.isNull()) {
        m.indent = picture_.width() + 18;
        m.iconHeight = picture_.height();
    } else if (iconIndex_ >= 0 && iconIndex_ < bar->ItemIcons().size()) {
        const QPixmap& icon = bar->ItemIcons()[iconIndex_];
        m.indent = icon.width() + 18;
        m.iconHeight = icon.height();
    }
    const int textHeight = metrics.height();
    m.textTop = y + (textHeight < m.iconHeight ? (m.iconHeight - textHeight) / 2 : 0);
    m.lineAdvance = textHeight + 1;
    lines_ = WrapCaption(metrics, caption_, Group()->Width() + x - m.indent - 24);
    int widest = 0;
    for (const QString& line : lines_) widest = std::max(widest, metrics.horizontalAdvance(line));
    const int textBottom = m.textTop + int(lines_.size()) * m.lineAdvance;
    m.bottom = std::max(textBottom, y + m.iconHeight);
    hitRect_ = QRect(QPoint(x + 12, y), QPoint(x + m.indent + widest, m.bottom));
    return m;
}

int TExMenuItem::Measure(const QFontMetrics& metrics, int x, int y) {
    return Arrange(metrics, x, y).bottom - y + ItemGap;
}

int TExMenuItem::Paint(QPainter& painter, int x, int y) {
    const TExBar* bar = Group()->Bar();
    const bool hot = bar->HotItem() == this;
    QFont font = bar->font();
    font.setUnderline(hot && Enabled());
    painter.setFont(font);
    const Metrics m = Arrange(QFontMetrics(font), x, y);

    if (!picture_.isNull()) {
        painter.drawPixmap(x + 12, y, picture_);
    } else if (iconIndex_ >= 0 && iconIndex_ < bar->ItemIcons().size()) {
        const bool gray = !Enabled() && iconIndex_ < bar->GrayIcons().size();
        painter.drawPixmap(x + 12, y, gray ? bar->GrayIcons()[iconIndex_] : bar->ItemIcons()[iconIndex_]);
    }

    const TExBarColours& c = bar->Colours();
    painter.setPen(!Enabled() ? bar->palette().color(QPalette::Disabled, QPalette::Text)
                              : hot ? c.HotText : c.Text);
    const int ascent = QFontMetrics(font).ascent();
    for (int i = 0; i < lines_.size(); ++i)
        painter.drawText(x + m.indent, m.textTop + i * m.lineAdvance + ascent, lines_[i]);
    return m.bottom - y + ItemGap;
}

// ---- TExGroup -----------------------------------------------------------------

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

// ---- TExGroups ----------------------------------------------------------------

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

// ---- TExBar -------------------------------------------------------------------

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
