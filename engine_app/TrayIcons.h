#pragma once
// The three tray icons, drawn here so they need no image files: a label
// tag in the palette's highlight colour (normal), the same tag lit amber
// (busy: shown by every engine tick, so the icon flickers while the engine
// runs) and a grey tag with pause bars (paused).
#include <QIcon>

namespace quill {

enum class TTrayIconKind { Normal = 0, Busy = 1, Paused = 2 };

QIcon DrawTrayIcon(TTrayIconKind kind);

}  // namespace quill
