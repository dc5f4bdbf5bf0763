#include "app/programicon.h"

#include <QPainter>
#include <QPixmap>

QImage ProgramIconImage(int sizePx) {
    QImage image(sizePx, sizePx, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 32-unit square: a light keypad with a blue first key.
    p.scale(sizePx / 32.0, sizePx / 32.0);
    p.setPen(QColor(40, 40, 40));
    p.setBrush(QColor(230, 230, 230));
    p.drawRoundedRect(QRectF(2.5, 1.5, 27, 29), 4, 4);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 2; ++c) {
            p.setBrush(r == 0 && c == 0 ? QColor(64, 148, 232) : QColor(255, 255, 255));
            p.drawRect(QRectF(6.5 + c * 11, 5.5 + r * 8, 8, 6));
        }
    return image;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : kProgramIconSizesPx)
        icon.addPixmap(QPixmap::fromImage(ProgramIconImage(size)));
    return icon;
}
