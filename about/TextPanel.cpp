#include "about/TextPanel.h"

#include "common/TextEncoding.h"

#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QTimer>

#include <cstdlib>

TTextPanel::TTextPanel(QWidget *parent, const QString &name) : QWidget(parent), ScrollTimer(new QTimer(this))
{
    setObjectName(name);
    ScrollTimer->setObjectName(QStringLiteral("Timer") + name);
    ScrollTimer->setInterval(int(m_interval));
    connect(ScrollTimer, &QTimer::timeout, this, &TTextPanel::TimerTick);
    ScrollTimer->start();
    // Qt buffers every widget's painting already; the panel needs no double buffering of its own.
}

void TTextPanel::setInterval(quint32 interval)
{
    m_interval = interval;
    ScrollTimer->setInterval(int(interval));
}

void TTextPanel::setEnableTimer(bool enable)
{
    m_enableTimer = enable;
    if (enable)
        ScrollTimer->start();
    else
        ScrollTimer->stop();
}

void TTextPanel::setBorderStyle(BorderStyle style)
{
    m_borderStyle = style;
    update();
}

QRect TTextPanel::clientRect() const
{
    const int border = m_borderStyle == bsSingle ? 1 : 0;
    return QRect(0, 0, width() - 2 * border, height() - 2 * border);
}

void TTextPanel::frame3D(QPainter &painter, QRect &rect, const QColor &topLeft, const QColor &bottomRight,
                         int width) const
{
    for (int i = 0; i < width; ++i) {
        const int l = rect.left(), t = rect.top(), r = rect.right(), b = rect.bottom();
        painter.setPen(topLeft);
        painter.drawLine(l, b, l, t);
        painter.drawLine(l, t, r, t);
        painter.setPen(bottomRight);
        painter.drawLine(r, t, r, b);
        painter.drawLine(r, b, l, b);
        rect.adjust(1, 1, -1, -1);
    }
}

void TTextPanel::drawBevel(QPainter &painter, QRect &rect, Bevel bevel) const
{
    if (bevel == bvNone)
        return;
    QColor highlight = palette().color(QPalette::Light);
    QColor shadow = palette().color(QPalette::Dark);
    if (bevel == bvLowered)
        std::swap(highlight, shadow);
    frame3D(painter, rect, highlight, shadow, BevelWidth);
}

void TTextPanel::Paint()
{
    QImage picture(size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    QRect r = clientRect();
    drawBevel(painter, r, BevelOuter);
    frame3D(painter, r, Color, Color, BorderWidth);
    drawBevel(painter, r, BevelInner);
    // Qt draws no themed parent background behind a panel, so the panel colour is always filled.
    painter.fillRect(r, Color);

    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setFont(m_textFont);
    painter.setPen(TextColor);
    LineHeight = QFontMetrics(m_textFont, &picture).size(Qt::TextSingleLine, QStringLiteral("W")).height();
    const int rows = LineHeight > 0 ? height() / LineHeight : 0;

    QRect line(QPoint(3, PixelOffset), QPoint(width() - 3 - 1, PixelOffset + LineHeight - 1));
    Qt::Alignment alignment = m_textAlignment;
    const bool rightToLeft = BiDi == bdRightToLeft && QLocale::system().textDirection() == Qt::RightToLeft;
    if (rightToLeft) {
        if (alignment & Qt::AlignLeft)
            alignment = Qt::AlignRight;
        else if (alignment & Qt::AlignRight)
            alignment = Qt::AlignLeft;
        painter.setLayoutDirection(Qt::RightToLeft);
    }
    const int flags = int(alignment | Qt::AlignVCenter | Qt::AlignAbsolute) | Qt::TextExpandTabs | Qt::TextSingleLine;

    m_drawn.clear();
    if (m_items.isEmpty())
        return;
    PaintedTopIndex = TopIndex;
    const qsizetype count = m_items.size();
    for (int i = 1; i <= rows + 1; ++i) {
        if (TopIndex + i >= count)
            TopIndex = -i;
        const int index = TopIndex + i;
        painter.drawText(line, flags, fromAnsi(m_items[index]));
        m_drawn.append({index, line});
        line.translate(0, LineHeight);
    }
    TopIndex = PaintedTopIndex;
    painter.end();

    m_shown = picture;
    ++m_copies;
    if (!m_inPaintEvent)
        update();
}

void TTextPanel::TimerTick()
{
    // The panel's own flag, not whether its window is on screen: the text moves on while hidden.
    if (testAttribute(Qt::WA_WState_ExplicitShowHide) && testAttribute(Qt::WA_WState_Hidden))
        return;
    PixelOffset -= m_stepSize;
    if (std::abs(PixelOffset) >= LineHeight) {
        PixelOffset += LineHeight;
        TopIndex = m_items.isEmpty() ? 0 : int((PaintedTopIndex + 1) % m_items.size());
    }
    Paint();
}

void TTextPanel::paintEvent(QPaintEvent *)
{
    m_inPaintEvent = true;
    Paint();
    m_inPaintEvent = false;
    QPainter painter(this);
    const int border = m_borderStyle == bsSingle ? 1 : 0;
    if (border) {
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    const QRect client = rect().adjusted(border, border, -border, -border);
    painter.setClipRect(client);
    if (!m_shown.isNull())
        painter.drawImage(client.topLeft(), m_shown);
}
