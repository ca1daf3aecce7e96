#include "designer/VariableTypeIcon.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace quill::designer {

using labelrender::VariableType;

QIcon VariableTypeIcon(VariableType type, const QColor& colour) {
    constexpr int kSide = 32;   // drawn large, shown at 16 on ordinary screens
    QPixmap picture(kSide, kSide);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    switch (type) {
    case VariableType::Text: {
        QFont font;
        font.setPixelSize(26);
        font.setBold(true);
        p.setFont(font);
        p.setPen(colour);
        p.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("T"));
        break;
    }
    case VariableType::Barcode: {
        // narrow and wide bars, as in a real symbol
        constexpr int kBars[] = {2, 1, 1, 3, 1, 2, 2, 1, 3, 1};
        int x = 3;
        for (int i = 0; i < static_cast<int>(std::size(kBars)); ++i) {
            if (i % 2 == 0) p.fillRect(x, 4, kBars[i] * 2, kSide - 8, colour);
            x += kBars[i] * 2;
        }
        break;
    }
    case VariableType::DataMatrix: {
        // the solid L finder and the dotted clock edges around some modules
        constexpr int kCell = 4, kCells = 7, kLeft = 2;
        for (int row = 0; row < kCells; ++row)
            for (int col = 0; col < kCells; ++col) {
                const bool finder = col == 0 || row == kCells - 1;
                const bool clock = (row == 0 && col % 2 == 0) || (col == kCells - 1 && row % 2 == 1);
                const bool data = (row * 3 + col * 5) % 7 < 3;
                if (finder || clock || (row > 0 && col < kCells - 1 && data))
                    p.fillRect(kLeft + col * kCell, kLeft + row * kCell, kCell, kCell, colour);
            }
        break;
    }
    }
    return QIcon(picture);
}

}  // namespace quill::designer
