#include "browse/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include <cmath>

namespace {

void drawMagnifier(QPainter &p, QPointF centre, qreal radius)
{
    p.setPen(QPen(QColor(60, 60, 60), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(QColor(200, 225, 250));
    p.drawEllipse(centre, radius, radius);
    const qreal d = radius * 0.72;
    p.setPen(QPen(QColor(120, 80, 40), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(d, d), centre + QPointF(d + 6, d + 6));
}

void drawFavourite(QPainter &p)
{
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        const qreal r = i % 2 ? 4.5 : 10.5;
        star << QPointF(12 + r * std::cos(angle), 12.5 + r * std::sin(angle));
    }
    p.setPen(QPen(QColor(170, 110, 0), 1.2));
    p.setBrush(QColor(255, 200, 40));
    p.drawPolygon(star);
}

void drawShoppingList(QPainter &p)
{
    p.setPen(QPen(QColor(90, 90, 90), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5, 2.5, 14, 19));
    p.setPen(QPen(QColor(40, 110, 40), 1.6));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(8, 7 + i * 4), QPointF(16, 7 + i * 4));
}

void drawCalendar(QPainter &p)
{
    p.setPen(QPen(QColor(90, 90, 90), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3, 4.5, 18, 16));
    p.setBrush(QColor(200, 50, 50));
    p.drawRect(QRectF(3, 4.5, 18, 4.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 80, 80));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col)
            p.drawRect(QRectF(5.5 + col * 4, 11 + row * 3.2, 2, 2));
}

void drawAuthorSearch(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 110, 170));
    p.drawEllipse(QPointF(8, 6.5), 3.5, 3.5);
    QPainterPath body;
    body.moveTo(1.5, 19);
    body.cubicTo(1.5, 10, 14.5, 10, 14.5, 19);
    body.closeSubpath();
    p.drawPath(body);
    drawMagnifier(p, QPointF(15, 13), 4.5);
}

void drawPrint(QPainter &p)
{
    p.setPen(QPen(QColor(90, 90, 90), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 2.5, 10, 7));
    p.setBrush(QColor(150, 150, 160));
    p.drawRoundedRect(QRectF(2.5, 9, 19, 8), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 14, 10, 7.5));
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawLine(QPointF(9, 17), QPointF(15, 17));
    p.drawLine(QPointF(9, 19.3), QPointF(15, 19.3));
}

void drawDelete(QPainter &p)
{
    p.setPen(QPen(QColor(190, 30, 30), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6, 6), QPointF(18, 18));
    p.drawLine(QPointF(18, 6), QPointF(6, 18));
}

} // namespace

QIcon toolIcon(ToolIcon kind)
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (kind) {
    case ToolIcon::Favourite:
        drawFavourite(p);
        break;
    case ToolIcon::ShoppingList:
        drawShoppingList(p);
        break;
    case ToolIcon::Calendar:
        drawCalendar(p);
        break;
    case ToolIcon::AuthorSearch:
        drawAuthorSearch(p);
        break;
    case ToolIcon::Search:
        drawMagnifier(p, QPointF(10, 10), 6);
        break;
    case ToolIcon::Print:
        drawPrint(p);
        break;
    case ToolIcon::Delete:
        drawDelete(p);
        break;
    }
    p.end();
    return QIcon(pixmap);
}
