#include "common/Logo.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QPixmap saffinLogo()
{
    QPixmap pixmap(360, 160);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // Three crocus petals with the red saffron threads between them.
    const QPointF base(80, 130);
    const QColor petal(137, 96, 196);
    for (int i = -1; i <= 1; ++i) {
        QPainterPath path;
        path.moveTo(base);
        const QPointF tip(base.x() + i * 32, 28 + qAbs(i) * 14);
        path.cubicTo(base + QPointF(i * 46 - 26, -40), tip + QPointF(-22, 10), tip);
        path.cubicTo(tip + QPointF(22, 10), base + QPointF(i * 46 + 26, -40), base);
        QLinearGradient gradient(tip, base);
        gradient.setColorAt(0, petal.lighter(130));
        gradient.setColorAt(1, petal.darker(140));
        p.setBrush(gradient);
        p.setPen(QPen(petal.darker(170), 1.5));
        p.drawPath(path);
    }
    p.setPen(QPen(QColor(214, 40, 24), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = -1; i <= 1; ++i)
        p.drawLine(base + QPointF(0, -20), base + QPointF(i * 14, -70));
    p.setPen(QPen(QColor(60, 120, 50), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(base, base + QPointF(0, 22));

    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(58);
    font.setBold(true);
    p.setFont(font);
    QLinearGradient text(150, 40, 150, 120);
    text.setColorAt(0, QColor(240, 160, 20));
    text.setColorAt(1, QColor(190, 70, 10));
    p.setPen(QPen(QBrush(text), 1));
    p.drawText(QRect(140, 20, 215, 110), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Saffin"));
    font.setPixelSize(14);
    font.setBold(false);
    p.setFont(font);
    p.setPen(QColor(110, 110, 110));
    p.drawText(QRect(144, 108, 215, 24), Qt::AlignLeft, QStringLiteral("the cookbook"));
    return pixmap;
}
