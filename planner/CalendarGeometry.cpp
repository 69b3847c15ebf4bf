#include "planner/CalendarGeometry.h"

#include <cmath>

namespace {

const QDate kDayZero(1899, 12, 30);

// The range of dates the calendar can show (1 January 100 to 31 December 9999).
constexpr double kFirstDay = -657434;
constexpr double kLastDay = 2958465;

} // namespace

QDate dateFromDayNumber(qint64 day)
{
    return kDayZero.addDays(day);
}

qint64 dayNumberOf(QDate date)
{
    return kDayZero.daysTo(date);
}

std::optional<qint64> parseDayNumber(QByteArrayView line)
{
    QByteArray text = line.trimmed().toByteArray();
    // A file written where the decimal separator is a comma still counts.
    text.replace(',', '.');
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < kFirstDay || value >= kLastDay + 1)
        return std::nullopt;
    return qint64(std::trunc(value));
}

CalendarGrid::CalendarGrid(QDate anyDayOfMonth, QSize size)
    : m_rows(anyDayOfMonth.isValid() ? rowsOf(anyDayOfMonth) : 0), m_cellWidth((size.width() - 2) / 7),
      m_rowHeight(m_rows > 0 ? (size.height() - 2) / m_rows : 0), m_height(size.height())
{
    if (m_rows == 0)
        return;
    const QDate first(anyDayOfMonth.year(), anyDayOfMonth.month(), 1);
    const int days = first.daysInMonth();
    int day = 1;
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < 7; ++c) {
            if (day > days)
                return;
            const QDate date = first.addDays(day - 1);
            if (date.dayOfWeek() == c + 1) {
                m_cells.append({r, c, date});
                ++day;
            }
        }
}

int CalendarGrid::rowsOf(QDate anyDayOfMonth)
{
    const QDate first(anyDayOfMonth.year(), anyDayOfMonth.month(), 1);
    return int(std::ceil((first.dayOfWeek() + first.daysInMonth() - 8) / 7.0)) + 1;
}

CellEdges CalendarGrid::frame(const CalendarCell &cell) const
{
    const int x = cell.column * m_cellWidth, y = cell.row * m_rowHeight;
    return {x + 3, y + 3, x + m_cellWidth + 1, y + m_rowHeight + 1};
}

CellEdges CalendarGrid::gradient(const CalendarCell &cell) const
{
    const int x = cell.column * m_cellWidth, y = cell.row * m_rowHeight;
    return {x + 4, y + 4, x + m_cellWidth, y + m_rowHeight};
}

CellEdges CalendarGrid::label(const CalendarCell &cell) const
{
    const int x = cell.column * m_cellWidth, y = cell.row * m_rowHeight;
    return {x + 7, y + 7, x + m_cellWidth, y + m_rowHeight + 7};
}

CellEdges CalendarGrid::itemBox(const CalendarCell &cell, int lineHeight, int k) const
{
    const int x = cell.column * m_cellWidth, y = cell.row * m_rowHeight;
    return {x + 7, y + 7 + lineHeight * k, x + m_cellWidth - 1, y + 7 + lineHeight * (k + 1)};
}

CellEdges CalendarGrid::itemText(const CalendarCell &cell, int lineHeight, int k) const
{
    const int x = cell.column * m_cellWidth, y = cell.row * m_rowHeight;
    return {x + 9, y + 8 + lineHeight * k, x + m_cellWidth - 2, y + 6 + lineHeight * (k + 1)};
}

bool CalendarGrid::hidesItemBox(const CalendarCell &cell, const CellEdges &box) const
{
    if (box.top >= m_height)
        return true;
    if (m_rowHeight <= 0 || box.top < 3)
        return false;
    const int row = (box.top - 3) / m_rowHeight;
    if (row <= cell.row || row >= m_rows)
        return false;
    // The cell of that row in the same column holds the day a whole number of weeks later.
    const QDate below = cell.date.addDays(7 * (row - cell.row));
    if (below.month() != cell.date.month())
        return false;
    const CellEdges frame = this->frame({row, cell.column, below});
    return box.left >= frame.left && box.right <= frame.right && box.top >= frame.top &&
           box.bottom <= frame.bottom;
}

CalendarItems::CalendarItems(QList<QByteArray> lines) : m_lines(std::move(lines))
{
    for (qsizetype i = 0; i < m_lines.size() - 1; i += 3)
        if (const std::optional<qint64> day = parseDayNumber(m_lines[i]))
            m_byDay[*day].append(int(i));
}

QList<int> CalendarItems::itemsOn(QDate date) const
{
    return m_byDay.value(dayNumberOf(date));
}

CalendarHit hitTest(const CalendarGrid &grid, const CalendarItems &items, int lineHeight, QPoint point)
{
    CalendarHit hit;
    for (const CalendarCell &cell : grid.cells()) {
        if (grid.frame(cell).contains(point))
            hit = CalendarHit{CalendarHit::Day, cell.date, -1};
        const QList<int> onDay = items.itemsOn(cell.date);
        if (onDay.isEmpty() || lineHeight <= 0)
            continue;
        // The boxes of one cell stack without overlap, so at most one of them holds the point.
        const CellEdges first = grid.itemBox(cell, lineHeight, 1);
        if (point.y() < first.top || point.x() < first.left || point.x() >= first.right)
            continue;
        const qsizetype k = (point.y() - first.top) / lineHeight + 1;
        if (k <= onDay.size())
            hit = CalendarHit{CalendarHit::Item, cell.date, onDay[k - 1]};
    }
    return hit;
}

QString FormatDayLabel(int style, QDate date)
{
    const int d = date.day(), m = date.month(), y = date.year();
    switch (style) {
    case 1:
        return QString::asprintf("%02d.%02d.%d", d, m, y);
    case 2:
        return QString::asprintf("%d.%02d.%02d", y, m, d);
    default:
        return QString::asprintf("%02d.%02d.%d", m, d, y);
    }
}

QList<GradientLine> gradientLines(int extent, const QList<GradientColour> &colours)
{
    const qsizetype n = colours.size() - 1;
    if (n <= 0)
        throw MathError(QStringLiteral("Es müssen mindestens zwei Farben angegeben werden."));
    // Halves round to the even neighbour.
    const int seg = int(std::nearbyint(double(extent) / double(n)));
    QList<GradientLine> lines;
    for (qsizetype i = 0; i < n; ++i) {
        const int len = i == n - 1 ? extent - int(i) * seg - 1 : seg;
        const GradientColour &from = colours[i], &to = colours[i + 1];
        for (int k = 0; k <= len; ++k) {
            const double t = len == 0 ? 0.0 : double(k) / len;
            const auto channel = [t](int a, int b) { return int(std::trunc(a + (b - a) * t)); };
            lines.append(GradientLine{
                int(i) * seg + k,
                {channel(from.red, to.red), channel(from.green, to.green), channel(from.blue, to.blue)}});
        }
    }
    return lines;
}
