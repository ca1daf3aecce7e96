#include "engine_app/EngineTray.h"

namespace quill {

TEngineTray::TEngineTray(QObject* parent)
    : QObject(parent),
      icons_{DrawTrayIcon(TTrayIconKind::Normal), DrawTrayIcon(TTrayIconKind::Busy),
             DrawTrayIcon(TTrayIconKind::Paused)} {
    icon_.setIcon(icons_[0]);
    icon_.setToolTip("Quill Engine");
    connect(popup_.addAction("Show"), &QAction::triggered, this, &TEngineTray::showRequested);
    connect(popup_.addAction("Hide"), &QAction::triggered, this, &TEngineTray::hideRequested);
    icon_.setContextMenu(&popup_);
    connect(&icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick) emit showRequested();
    });
    watch_.setInterval(WatchMs);
    connect(&watch_, &QTimer::timeout, this, &TEngineTray::Watch);
}

TEngineTray::~TEngineTray() { icon_.hide(); }

void TEngineTray::Install() {
    available_ = QSystemTrayIcon::isSystemTrayAvailable();
    if (available_) icon_.show();
    watch_.start();
}

void TEngineTray::ShowIcon(TTrayIconKind kind) {
    if (kind == current_) return;
    current_ = kind;
    icon_.setIcon(icons_[static_cast<std::size_t>(kind)]);
}

void TEngineTray::Watch() {
    const bool available = QSystemTrayIcon::isSystemTrayAvailable();
    if (available == available_) return;
    available_ = available;
    // A new notification area knows nothing of the old entry: add it again.
    icon_.hide();
    if (available) icon_.show();
    emit availabilityChanged(available);
}

}  // namespace quill
