#include <QAction>
#include <QPainter>
#include <QRegularExpression>
#include <algorithm>

#include "ui/ExBar.h"
#include "ui/ExBarMetrics.h"

namespace quill::ui {

using namespace exbar;

namespace {

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

}  // namespace

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
    if (!followingAction_) ownPicture_ = true;
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
    if (!ownPicture_ && !action_->icon().isNull()) SetPicture(action_->icon().pixmap(16, 16));
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

}  // namespace quill::ui
