#include "planner/RumaCalendar.h"

#include <QFontInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

TRumaCalendar::TRumaCalendar(QWidget *parent)
    : QWidget(parent), m_month(m_now()), m_color(palette().color(QPalette::Button))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TRumaCalendar::setItems(QList<QByteArray> items)
{
    m_items = CalendarItems(std::move(items));
    update();
}

void TRumaCalendar::setMonth(const QDateTime &month)
{
    m_month = month;
    update();
}

QColor TRumaCalendar::colourFromPacked(quint32 packed)
{
    return QColor(int(packed & 0xFF), int((packed >> 8) & 0xFF), int((packed >> 16) & 0xFF));
}

void TRumaCalendar::setColour(QColor &member, const QColor &value)
{
    member = value;
    update();
}

CalendarGrid TRumaCalendar::grid() const
{
    return CalendarGrid(m_month.date(), size());
}

int TRumaCalendar::GetItemAtPos(int x, int y) const
{
    const CalendarHit hit = hitTest(grid(), m_items, lineHeight(), QPoint(x, y));
    return hit.kind == CalendarHit::Item ? hit.index : -1;
}

double TRumaCalendar::GetDayAtPos(int x, int y) const
{
    const CalendarHit hit = hitTest(grid(), m_items, lineHeight(), QPoint(x, y));
    return hit.kind == CalendarHit::None ? -1.0 : double(dayNumberOf(hit.date));
}

void TRumaCalendar::DrawGradient(QPainter &painter, const QRect &rect, bool verticalLines,
                                 const QList<QColor> &colours)
{
    QList<GradientColour> channels;
    channels.reserve(colours.size());
    for (const QColor &c : colours)
        channels.append({c.red(), c.green(), c.blue()});
    const int extent = verticalLines ? rect.width() : rect.height();
    // Filling one-pixel strips leaves the painter's pen as it was.
    for (const GradientLine &line : gradientLines(extent, channels)) {
        const QColor colour(line.colour.red, line.colour.green, line.colour.blue);
        if (verticalLines)
            painter.fillRect(QRect(rect.left() + line.pos, rect.top(), 1, rect.height()), colour);
        else
            painter.fillRect(QRect(rect.left(), rect.top() + line.pos, rect.width(), 1), colour);
    }
}

int TRumaCalendar::fontHeight() const
{
    const int pixels = font().pixelSize();
    return pixels > 0 ? pixels : QFontInfo(font()).pixelSize();
}

void TRumaCalendar::paintEvent(QPaintEvent *)
{
    // The month is drawn off-screen and copied in one go, so the grid never flickers.
    const qreal ratio = devicePixelRatioF();
    QPixmap buffer(size() * ratio);
    buffer.setDevicePixelRatio(ratio);
    {
        QPainter painter(&buffer);
        paintMonth(painter);
    }
    QPainter(this).drawPixmap(0, 0, buffer);
}

void TRumaCalendar::drawPanelFrame(QPainter &painter)
{
    const int w = width(), h = height();
    painter.fillRect(rect(), m_color);
    const QColor light = palette().color(QPalette::Light), dark = palette().color(QPalette::Dark);
    painter.fillRect(QRect(0, 0, w, 1), light);
    painter.fillRect(QRect(0, 0, 1, h), light);
    painter.fillRect(QRect(0, h - 1, w, 1), dark);
    painter.fillRect(QRect(w - 1, 0, 1, h), dark);
}

void TRumaCalendar::drawText(QPainter &painter, const CellEdges &edges, const QString &text)
{
    int align = Qt::AlignLeft;
    if (m_textAlignment == Alignment::Right)
        align = Qt::AlignRight;
    else if (m_textAlignment == Alignment::Centre)
        align = Qt::AlignHCenter;
    painter.drawText(edges.toRect(), align | Qt::AlignTop | Qt::TextSingleLine | Qt::TextExpandTabs, text);
}

void TRumaCalendar::paintMonth(QPainter &painter)
{
    drawPanelFrame(painter);
    const CalendarGrid cells = grid();
    const QDate today = m_now().date();
    QFont labelFont = font();
    labelFont.setBold(true);
    QFont itemFont = font();
    itemFont.setBold(false);
    const QColor textColour = palette().color(QPalette::WindowText);
    const int height = this->height();

    for (const CalendarCell &cell : cells.cells()) {
        QColor margin = m_weekdayMargin, label = m_generalFont;
        if (cell.date == today) {
            margin = m_todayMargin;
            label = m_todayFont;
        } else if (cell.date.dayOfWeek() == Qt::Sunday) {
            margin = m_sundayMargin;
            label = m_sundayFont;
        }
        const QRect frame = cells.frame(cell).toRect();
        painter.fillRect(frame, m_dayBackground);
        painter.setPen(margin);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
        DrawGradient(painter, cells.gradient(cell).toRect(), false, {m_dayBackground, Qt::white});

        painter.setFont(labelFont);
        painter.setPen(label);
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.setBackground(m_dayBackground);
        drawText(painter, cells.label(cell), FormatDayLabel(m_dateStyle, cell.date));
        painter.setBackgroundMode(Qt::TransparentMode);

        const QList<int> onDay = m_items.itemsOn(cell.date);
        if (onDay.isEmpty())
            continue;
        m_itemFontHeight = fontHeight();
        painter.setFont(itemFont);
        for (qsizetype k = 1; k <= onDay.size(); ++k) {
            const CellEdges box = cells.itemBox(cell, lineHeight(), int(k));
            if (box.top >= height)
                break; // the rest runs on below the control
            if (cells.hidesItemBox(cell, box))
                continue; // a cell painted later covers it whole
            painter.fillRect(box.toRect(), m_item);
            painter.setPen(m_itemMargin);
            painter.drawRect(box.toRect().adjusted(0, 0, -1, -1));
            painter.setPen(textColour);
            drawText(painter, cells.itemText(cell, lineHeight(), int(k)),
                     QString::fromUtf8(m_items.lines().value(onDay[k - 1] + 1)));
        }
    }
}

void TRumaCalendar::pressAt(QPoint point)
{
    const CalendarHit hit = hitTest(grid(), m_items, lineHeight(), point);
    if (hit.kind == CalendarHit::None)
        return; // a press beside every cell keeps the last hit
    m_hitKind = hit.kind;
    m_hitDate = hit.date;
    m_hitIndex = hit.index;
}

void TRumaCalendar::mousePressEvent(QMouseEvent *event)
{
    pressAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        m_leftPressed = true;
}

void TRumaCalendar::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const bool clicked = event->button() == Qt::LeftButton && m_leftPressed && rect().contains(pos);
    if (event->button() == Qt::LeftButton)
        m_leftPressed = false;
    if (clicked && m_hitKind != -1)
        emit OnCalendar(m_hitKind == CalendarHit::Item, m_hitDate, m_hitIndex);
    emit OnMouseUp(event->button(), event->modifiers(), pos);
}

void TRumaCalendar::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press is hit-tested like any other before the double click is reported.
    pressAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && m_hitKind != -1)
        emit OnDblCalendar(m_hitKind == CalendarHit::Item, m_hitDate, m_hitIndex);
}
