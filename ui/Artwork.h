#pragma once
// The pictures the programs draw themselves: the side-menu bar's skins and
// glyphs, the toolbar images, the about and splash pictures.
#include <QIcon>
#include <QImage>
#include <QPalette>

namespace quill::ui {

enum class TSkinKind { Blue, Olive, Silver };
// 268 x 49: colour key in the first column, header pieces in two rows.
QImage SkinBitmap(TSkinKind kind);

// 8-bit glyphs of the open ("AR_UP") and closed ("AR_DN") group button:
// value 0 is a pixel to set.
const QImage& GlyphArUp();
const QImage& GlyphArDn();

// Toolbar image `index` (0..7 in toolbar order), drawn in the palette's
// button text colour so it follows the desktop theme.
QIcon ToolbarIcon(int index, const QPalette& palette);

QImage AboutPicture();    // 360 x 270
QImage SplashPicture();   // 477 x 355
QImage TitlePicture();   // 48 x 32, white, for the title strip

}  // namespace quill::ui
