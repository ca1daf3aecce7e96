#pragma once
// The five 48 x 48 pictures of the side menu's items: select design, print
// labels, print by file, new label, modify label.
#include <QList>
#include <QPixmap>

namespace quill {

QList<QPixmap> SideMenuIcons();

}  // namespace quill
