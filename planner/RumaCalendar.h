#pragma once

#include "planner/CalendarGeometry.h"

#include <QColor>
#include <QDateTime>
#include <QWidget>

#include <functional>

class QPainter;

// A month as a grid of day cells, Monday first, with one small box per item planned for a day.
// Items are records of three lines: a date number, the item text (UTF-8) and a spare line.
class TRumaCalendar : public QWidget {
    Q_OBJECT
public:
    enum class Alignment { Left, Right, Centre };

    explicit TRumaCalendar(QWidget *parent = nullptr);

    // "Today" and the month shown at creation; the program hands in its platform clock.
    void setNow(std::function<QDateTime()> now) { m_now = std::move(now); }

    const QList<QByteArray> &items() const { return m_items.lines(); }
    void setItems(QList<QByteArray> items);

    QDateTime month() const { return m_month; }
    void setMonth(const QDateTime &month);

    int dateStyle() const { return m_dateStyle; }
    void setDateStyle(int style) { m_dateStyle = style; } // the next paint uses it
    Alignment textAlignment() const { return m_textAlignment; }
    void setTextAlignment(Alignment alignment) { m_textAlignment = alignment; }

    // Colours as packed 24-bit values, red in the lowest byte.
    static QColor colourFromPacked(quint32 packed);

    QColor todayFontColor() const { return m_todayFont; }
    void setTodayFontColor(const QColor &c) { setColour(m_todayFont, c); }
    QColor sundayFontColor() const { return m_sundayFont; }
    void setSundayFontColor(const QColor &c) { setColour(m_sundayFont, c); }
    QColor generalFontColor() const { return m_generalFont; }
    void setGeneralFontColor(const QColor &c) { setColour(m_generalFont, c); }
    QColor todayMarginColor() const { return m_todayMargin; }
    void setTodayMarginColor(const QColor &c) { setColour(m_todayMargin, c); }
    QColor sundayMarginColor() const { return m_sundayMargin; }
    void setSundayMarginColor(const QColor &c) { setColour(m_sundayMargin, c); }
    QColor weekdayMaringColor() const { return m_weekdayMargin; }
    void setWeekdayMaringColor(const QColor &c) { setColour(m_weekdayMargin, c); }
    QColor dayBackgroundColor() const { return m_dayBackground; }
    void setDayBackgroundColor(const QColor &c) { setColour(m_dayBackground, c); }
    QColor dayBackgroundColor2() const { return m_dayBackground2; } // kept, not drawn
    void setDayBackgroundColor2(const QColor &c) { setColour(m_dayBackground2, c); }
    QColor itemColor() const { return m_item; }
    void setItemColor(const QColor &c) { setColour(m_item, c); }
    QColor itemMarginColor() const { return m_itemMargin; }
    void setItemMarginColor(const QColor &c) { setColour(m_itemMargin, c); }
    QColor color() const { return m_color; } // the panel's own colour
    void setColor(const QColor &c) { setColour(m_color, c); }

    // The date line index of the item under the point, or -1.
    int GetItemAtPos(int x, int y) const;
    // The day under the point (by its cell or one of its items) as a day number, or -1.
    double GetDayAtPos(int x, int y) const;

    // The state of the last press that hit something.
    int HitKind() const { return m_hitKind; } // -1 never hit, 1 a day, 2 an item
    QDate HitDate() const { return m_hitDate; }
    int HitIndex() const { return m_hitIndex; }
    int ItemFontHeight() const { return m_itemFontHeight; } // of the last item painted, 0 before

    CalendarGrid grid() const;

    // Paints a gradient, one line per pixel row (or column with verticalLines), through the
    // colours; throws MathError for fewer than two.
    static void DrawGradient(QPainter &painter, const QRect &rect, bool verticalLines,
                             const QList<QColor> &colours);

Q_SIGNALS:
    // item: an item was hit; date: the day hit; index: the item's date line, or -1.
    void OnCalendar(bool item, QDate date, int index);
    void OnDblCalendar(bool item, QDate date, int index);
    void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void setColour(QColor &member, const QColor &value);
    void paintMonth(QPainter &painter);
    void drawPanelFrame(QPainter &painter);
    void drawText(QPainter &painter, const CellEdges &edges, const QString &text);
    void pressAt(QPoint point);
    int fontHeight() const;
    int lineHeight() const { return std::abs(m_itemFontHeight) + 4; }

    std::function<QDateTime()> m_now = [] { return QDateTime::currentDateTime(); };
    CalendarItems m_items;
    QDateTime m_month;
    int m_dateStyle = 0;
    Alignment m_textAlignment = Alignment::Left;
    QColor m_todayFont{Qt::black}, m_sundayFont{Qt::black}, m_generalFont{Qt::black};
    QColor m_todayMargin{Qt::black}, m_sundayMargin{Qt::black}, m_weekdayMargin{Qt::black};
    QColor m_dayBackground{Qt::black}, m_dayBackground2{Qt::black};
    QColor m_item{Qt::black}, m_itemMargin{Qt::black};
    QColor m_color;
    int m_hitKind = -1;
    QDate m_hitDate;
    int m_hitIndex = -1;
    int m_itemFontHeight = 0;
    bool m_leftPressed = false;
};
