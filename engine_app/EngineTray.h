#pragma once
// The engine's entry in the notification area: the three drawn icons, the
// tip "Quill Engine", the Show / Hide menu and the double-click. Many Linux
// desktops have no notification area; the tray watches for one to appear
// (or to go away, as when the panel restarts) and adds its icon again then.
#include <array>

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>

#include "engine_app/TrayIcons.h"

namespace quill {

class TEngineTray : public QObject {
    Q_OBJECT
public:
    static constexpr int WatchMs = 2000;

    explicit TEngineTray(QObject* parent = nullptr);
    ~TEngineTray() override;

    // Adds the icon when a notification area exists (and keeps watching).
    void Install();
    bool Available() const { return available_; }
    // Replaces the picture of the existing entry; the same picture again costs nothing.
    void ShowIcon(TTrayIconKind kind);
    TTrayIconKind CurrentIcon() const { return current_; }
    QSystemTrayIcon& Icon() { return icon_; }
    QMenu& Popup() { return popup_; }

signals:
    void showRequested();     // "Show", or a double-click on the icon
    void hideRequested();     // "Hide"
    void availabilityChanged(bool available);

private:
    void Watch();

    std::array<QIcon, 3> icons_;
    TTrayIconKind current_ = TTrayIconKind::Normal;
    QSystemTrayIcon icon_;
    QMenu popup_;
    QTimer watch_;
    bool available_ = false;
};

}  // namespace quill
