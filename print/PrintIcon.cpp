#include "print/PrintIcon.h"

#include <QPainter>
#include <QPixmap>

QIcon printIcon()
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(6.5, 2.5, 11, 8)); // paper going in
    painter.setBrush(QColor(150, 150, 160));
    painter.drawRoundedRect(QRectF(2.5, 9.5, 19, 8), 2, 2); // printer body
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(6.5, 14.5, 11, 7)); // printed sheet
    painter.setPen(QColor(90, 90, 90));
    painter.drawLine(QPointF(8.5, 17.5), QPointF(15.5, 17.5));
    painter.drawLine(QPointF(8.5, 19.5), QPointF(13.5, 19.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 170, 60));
    painter.drawEllipse(QPointF(18.5, 12), 1.2, 1.2); // power light
    return QIcon(pixmap);
}
