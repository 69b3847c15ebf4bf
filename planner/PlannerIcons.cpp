#include "planner/PlannerIcons.h"

#include <QPainter>
#include <QPixmap>

namespace {

QPixmap blank()
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QIcon calendarIcon()
{
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setPen(QColor(64, 64, 64));
    p.setBrush(Qt::white);
    p.drawRect(2, 4, 19, 17);
    p.fillRect(3, 5, 18, 4, QColor(200, 40, 40));
    p.setPen(QColor(150, 150, 150));
    for (int x = 7; x < 21; x += 5)
        p.drawLine(x, 9, x, 20);
    for (int y = 13; y < 21; y += 4)
        p.drawLine(3, y, 20, y);
    p.fillRect(13, 14, 4, 3, QColor(0, 0, 128));
    p.setPen(QColor(64, 64, 64));
    p.drawLine(7, 2, 7, 6);
    p.drawLine(16, 2, 16, 6);
    return QIcon(pixmap);
}

QIcon printerIcon()
{
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setPen(QColor(64, 64, 64));
    p.setBrush(Qt::white);
    p.drawRect(6, 2, 11, 8); // paper going in
    p.setBrush(QColor(190, 190, 190));
    p.drawRect(2, 9, 19, 8); // body
    p.setBrush(Qt::white);
    p.drawRect(6, 14, 11, 7); // printed page
    p.setPen(QColor(120, 120, 120));
    p.drawLine(8, 17, 15, 17);
    p.drawLine(8, 19, 13, 19);
    p.fillRect(17, 11, 2, 2, QColor(0, 160, 0));
    return QIcon(pixmap);
}
