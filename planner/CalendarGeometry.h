#pragma once

#include "common/Error.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

// The month grid of the dish calendar as plain numbers, shared by painting and hit tests.

// Calendar dates are date-time numbers: days since 30 December 1899, the fraction the time of day.
QDate dateFromDayNumber(qint64 day);
qint64 dayNumberOf(QDate date);

// The whole day of a date line ("45356", "45356.75", also with a decimal comma), or nothing
// when the line is not a number.
std::optional<qint64> parseDayNumber(QByteArrayView line);

// A rectangle by its edges; right and bottom are outside it.
struct CellEdges {
    int left = 0, top = 0, right = 0, bottom = 0;

    bool contains(QPoint p) const { return p.x() >= left && p.x() < right && p.y() >= top && p.y() < bottom; }
    QRect toRect() const { return QRect(left, top, right - left, bottom - top); }
    friend bool operator==(const CellEdges &, const CellEdges &) = default;
};

struct CalendarCell {
    int row = 0;
    int column = 0; // 0 is Monday
    QDate date;
};

// The cells of one month at one control size, Monday first, in walk order.
class CalendarGrid {
public:
    CalendarGrid(QDate anyDayOfMonth, QSize size);

    static int rowsOf(QDate anyDayOfMonth); // week rows the month touches

    int rows() const { return m_rows; }
    int cellWidth() const { return m_cellWidth; }
    int rowHeight() const { return m_rowHeight; }
    const QList<CalendarCell> &cells() const { return m_cells; }

    CellEdges frame(const CalendarCell &cell) const;
    CellEdges gradient(const CalendarCell &cell) const;
    CellEdges label(const CalendarCell &cell) const;
    // Item k = 1, 2, ... of the cell; lineHeight is the height of an item line.
    CellEdges itemBox(const CalendarCell &cell, int lineHeight, int k) const;
    CellEdges itemText(const CalendarCell &cell, int lineHeight, int k) const;
    // True when nothing of a box of the cell stays visible: it lies below the control, or
    // wholly inside the frame of a cell further down, which is painted later.
    bool hidesItemBox(const CalendarCell &cell, const CellEdges &box) const;

private:
    int m_rows;
    int m_cellWidth;
    int m_rowHeight;
    int m_height;
    QList<CalendarCell> m_cells;
};

// The item lines as records of three (date, text, spare), indexed by day. A record needs its
// date and text lines; one whose date line is not a number stays in the list but shows nowhere.
class CalendarItems {
public:
    CalendarItems() = default;
    explicit CalendarItems(QList<QByteArray> lines);

    const QList<QByteArray> &lines() const { return m_lines; }
    // Indexes of the date lines of the day's items, in list order.
    QList<int> itemsOn(QDate date) const;

private:
    QList<QByteArray> m_lines;
    QHash<qint64, QList<int>> m_byDay;
};

struct CalendarHit {
    enum Kind { None = 0, Day = 1, Item = 2 };
    Kind kind = None;
    QDate date;
    int index = -1; // date line of the item, -1 for a day
};

// What a point hits; of overlapping cells and boxes the one painted last wins.
CalendarHit hitTest(const CalendarGrid &grid, const CalendarItems &items, int lineHeight, QPoint point);

// The label of a day cell: style 1 day first, 2 year first, any other month first.
QString FormatDayLabel(int style, QDate date);

struct GradientColour {
    int red = 0, green = 0, blue = 0;
    friend bool operator==(const GradientColour &, const GradientColour &) = default;
};

struct GradientLine {
    int pos; // pixel row (or column) from the rectangle's start
    GradientColour colour;
};

// The error of a gradient asked for with fewer than two colours.
class MathError : public Error {
public:
    using Error::Error;
};

// The lines DrawGradient paints over an extent of E pixels through the colours; later lines
// overwrite earlier ones at the same position. Throws a maths error for fewer than two colours.
QList<GradientLine> gradientLines(int extent, const QList<GradientColour> &colours);
