#pragma once
// The side-menu bar: collapsible groups of clickable items, drawn by the
// program itself into an off-screen bitmap that reaches the screen in one
// copy, so the 30 ms open and close animation does not flicker.
#include <QColor>
#include <QImage>
#include <QKeySequence>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QScrollArea>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QFontMetrics;
class QPainter;

namespace quill::ui {

class TExBar;
class TExGroup;

enum class TExGroupState { Expanded, Collapsed, Expanding, Collapsing };

// The seven colours the bar paints with.
struct TExBarColours {
    QColor Background, ItemsArea, ItemsBorder, Text, HotText, HighlightedText, HighlightedHotText;
};

// The drawing surface: an off-screen 24-bit bitmap the size of the control,
// repainted through the owner's callback when dirty, copied to the screen
// in one piece; background erasing is suppressed.
class TFlickerFreePaintBox : public QWidget {
    Q_OBJECT
public:
    using PaintCallback = std::function<void(QImage&)>;
    TFlickerFreePaintBox(QWidget* parent, PaintCallback paint);
    // Marks the bitmap dirty and schedules a repaint.
    void Invalidate();
    bool Dirty() const { return dirty_; }
    const QImage& Bitmap() const { return bitmap_; }
    // Brings the bitmap up to date now (what a paint event does first).
    void Refresh();

signals:
    void MouseMoved(QPoint position, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void MouseReleased(QPoint position, Qt::MouseButton button);
    void MouseLeft();

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mousePressEvent(QMouseEvent*) override;   // a click acts on release
    void mouseReleaseEvent(QMouseEvent*) override;
    void leaveEvent(QEvent*) override;

private:
    QImage NewBitmap() const;
    bool BitmapFits() const;
    PaintCallback paint_;
    QImage bitmap_;
    bool dirty_ = true;
};

class TExCustomItem {
public:
    explicit TExCustomItem(TExGroup* group);
    virtual ~TExCustomItem();
    TExCustomItem(const TExCustomItem&) = delete;
    TExCustomItem& operator=(const TExCustomItem&) = delete;

    TExGroup* Group() const { return group_; }
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);
    virtual bool Visible() const { return true; }

    // Draws the item with its top at y; returns the height it used.
    virtual int Paint(QPainter& painter, int x, int y);
    // The height Paint would use.
    virtual int Measure(const QFontMetrics& metrics, int x, int y);
    // The rectangle a pointer must be in to make the item hot (empty: none).
    virtual QRect HitRect() const { return {}; }

protected:
    void Changed();   // relayout and repaint of the owning bar

private:
    TExGroup* group_;
    bool enabled_ = true;
};

class TExMenuItem : public TExCustomItem {
public:
    explicit TExMenuItem(TExGroup* group, QString caption = "MenuItem", QString hint = "MenuItem",
                         int iconIndex = -1, int id = -1);
    ~TExMenuItem() override;

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    const QString& Hint() const { return hint_; }
    void SetHint(const QString& hint);
    int IconIndex() const { return iconIndex_; }
    void SetIconIndex(int index);
    int Id() const { return id_; }
    void SetId(int id) { id_ = id; }
    const QPixmap& Picture() const { return picture_; }
    void SetPicture(const QPixmap& picture);
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int context) { helpContext_ = context; }
    const QKeySequence& ShortCut() const { return shortcut_; }
    void SetShortCut(const QKeySequence& shortcut) { shortcut_ = shortcut; }
    QString ShortCutText() const { return shortcut_.toString(QKeySequence::NativeText); }
    bool Visible() const override { return visible_; }
    void SetVisible(bool visible);
    void SetEnabled(bool enabled) override;
    // The item's own click event; runs instead of the linked action.
    void SetOnClick(std::function<void()> onClick) { onClick_ = std::move(onClick); }
    bool HasOnClick() const { return bool(onClick_); }
    // Links the item to an action: caption, enabled, hint, shortcut and
    // visible follow it unless set on the item, and a click triggers it.
    void SetAction(QAction* action);
    QAction* Action() const { return action_; }

    // Runs what a click on the item does; false when nothing is linked.
    bool Execute();

    int Paint(QPainter& painter, int x, int y) override;
    int Measure(const QFontMetrics& metrics, int x, int y) override;
    QRect HitRect() const override { return hitRect_; }
    // The caption as broken into lines by the last measure or paint.
    const QStringList& Lines() const { return lines_; }

private:
    struct Metrics;
    Metrics Arrange(const QFontMetrics& metrics, int x, int y);
    void FollowAction();

    QString caption_, hint_;
    QPixmap picture_;
    int iconIndex_, id_;
    int helpContext_ = 0;
    QKeySequence shortcut_;
    bool visible_ = true;
    std::function<void()> onClick_;
    QPointer<QAction> action_;
    QMetaObject::Connection actionChanged_;
    // what was set on the item itself and so no longer follows the action
    bool ownCaption_ = false, ownHint_ = false, ownEnabled_ = false, ownVisible_ = false;
    bool followingAction_ = false;
    QRect hitRect_;
    QStringList lines_;
};

class TExGroup : public QObject {
    Q_OBJECT
public:
    explicit TExGroup(TExBar* bar);
    ~TExGroup() override;

    TExBar* Bar() const { return bar_; }
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    int IconIndex() const { return iconIndex_; }
    void SetIconIndex(int index);
    int GroupNumber() const { return groupNumber_; }
    void SetGroupNumber(int number) { groupNumber_ = number; }
    bool Highlighted() const { return highlighted_; }
    void SetHighlighted(bool highlighted);
    TExGroupState State() const { return state_; }
    bool IsOpen() const { return state_ == TExGroupState::Expanded || state_ == TExGroupState::Expanding; }

    TExMenuItem* AddItem(const QString& caption, const QString& hint, int iconIndex, int id);
    // Takes ownership of an item of another kind.
    TExCustomItem* AddCustomItem(std::unique_ptr<TExCustomItem> item);
    const std::vector<std::unique_ptr<TExCustomItem>>& Items() const { return items_; }
    void RemoveItem(TExCustomItem* item);

    int FullHeight() const { return fullHeight_; }
    int CurrentHeight() const { return currentHeight_; }
    int Step() const { return step_; }
    int StepLimit() const { return stepLimit_; }
    int Width() const { return width_; }
    bool Animating() const { return timer_.isActive(); }
    QRect HeaderRect() const { return headerRect_; }
    QRect ItemsRect() const { return itemsRect_; }

    // Opens or closes the group, with the animation when the bar animates.
    void Toggle();
    // Closed at once, without animation.
    void CollapseNow();
    // One step of the open or close animation (the 30 ms timer's handler).
    void AnimationTimerTimer();

private:
    friend class TExBar;
    friend class TExGroups;
    void Measure(const QFontMetrics& metrics, int x);
    void Paint(QPainter& painter, int x, int y);
    void PaintHeader(QPainter& painter, int x, int y);
    void PaintItems(QPainter& painter, int x, int y);
    void SetWidth(int width) { width_ = width; }
    void StartAnimation();

    TExBar* bar_;
    QString caption_;
    int iconIndex_ = -1;
    int groupNumber_ = 0;
    bool highlighted_ = false;
    TExGroupState state_ = TExGroupState::Expanded;
    std::vector<std::unique_ptr<TExCustomItem>> items_;
    int fullHeight_ = 25, currentHeight_ = 25;
    int step_ = 0, stepLimit_ = 0, target_ = 0;
    QTimer timer_;
    int width_ = 0;
    QRect headerRect_, itemsRect_;
};

// The ordered, owning list of a bar's groups.
class TExGroups {
public:
    explicit TExGroups(TExBar* bar) : bar_(bar) {}
    TExGroup* AddGroup(const QString& caption, bool highlighted);
    int Count() const { return int(groups_.size()); }
    TExGroup* operator[](int index) const { return groups_[std::size_t(index)].get(); }
    auto begin() const { return groups_.begin(); }
    auto end() const { return groups_.end(); }
    void Clear();

private:
    TExBar* bar_;
    std::vector<std::unique_ptr<TExGroup>> groups_;
};

class TExBar : public QScrollArea {
    Q_OBJECT
public:
    explicit TExBar(QWidget* parent = nullptr);
    ~TExBar() override;

    TExGroups& Groups() { return groups_; }
    const TExGroups& Groups() const { return groups_; }

    bool Animate() const { return animate_; }
    void SetAnimate(bool animate) { animate_ = animate; }
    bool SingleGroupOpen() const { return singleGroupOpen_; }
    void SetSingleGroupOpen(bool single) { singleGroupOpen_ = single; }

    void SetItemIcons(const QList<QPixmap>& icons);
    void SetGrayIcons(const QList<QPixmap>& icons);
    void SetGroupIcons(const QList<QPixmap>& icons);
    const QList<QPixmap>& ItemIcons() const { return itemIcons_; }
    const QList<QPixmap>& GrayIcons() const { return grayIcons_; }
    const QList<QPixmap>& GroupIcons() const { return groupIcons_; }

    // A 268 x 49 skin bitmap, or none for the desktop's colours.
    void SetSkin(const std::optional<QImage>& skin);
    bool HasSkin() const { return skin_.has_value(); }
    const TExBarColours& Colours() const { return colours_; }

    void SuspendPainting();
    void ResumePainting();   // lays out again
    bool PaintingSuspended() const { return suspended_; }

    // Every other group Collapsed at once and not highlighted.
    void CollapseAllButOne(TExGroup* keep);

    // The group or item under the mouse.
    TExGroup* HotGroup() const { return hotGroup_; }
    TExCustomItem* HotItem() const { return hotItem_; }
    const QString& CurrentHint() const { return hint_; }

    int ContentHeight() const { return contentHeight_; }
    TFlickerFreePaintBox* Surface() const { return surface_; }
    void LayOut();
    void Repaint();

signals:
    void OnMenuItemClick(int id);
    void OnGroupItemClick(TExGroup* group);

protected:
    void resizeEvent(QResizeEvent*) override;
    void changeEvent(QEvent*) override;

private:
    friend class TExGroup;
    friend class TExCustomItem;
    friend class TExGroups;
    void NeedLayout();
    void Forget(TExGroup* group);
    void Forget(TExCustomItem* item);
    void PaintAll(QImage& surface);
    void PointerMoved(QPoint position, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void PointerReleased(QPoint position, Qt::MouseButton button);
    void PointerLeft();
    void UpdateCursor();
    void ApplyColours();
    QRect HotRect() const;

    TExGroups groups_{this};
    TFlickerFreePaintBox* surface_ = nullptr;
    bool animate_ = true, singleGroupOpen_ = false;
    QList<QPixmap> itemIcons_, grayIcons_, groupIcons_;
    std::optional<QImage> skin_;
    TExBarColours colours_;
    TExGroup* hotGroup_ = nullptr;
    TExCustomItem* hotItem_ = nullptr;
    QString hint_;
    bool suspended_ = false;
    bool layoutNeeded_ = true;
    int contentHeight_ = 0;
    int lastWidth_ = -1;
    bool inLayout_ = false;
};

}  // namespace quill::ui
