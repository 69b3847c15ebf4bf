#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QRect>
#include <QWidget>

class QPainter;
class QTimer;

// A panel that scrolls its lines upwards in an endless loop, the first line following the last.
// The lines are narrow (8-bit code page) strings.
class TTextPanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QList<QByteArray> Items READ items WRITE setItems)
    Q_PROPERTY(QFont TextFont READ textFont WRITE setTextFont)
    Q_PROPERTY(quint32 Interval READ interval WRITE setInterval)
    Q_PROPERTY(qint32 StepSize READ stepSize WRITE setStepSize)
    Q_PROPERTY(bool EnableTimer READ enableTimer WRITE setEnableTimer)
    Q_PROPERTY(Qt::Alignment TextAlignment READ textAlignment WRITE setTextAlignment)

public:
    enum Bevel { bvNone, bvLowered, bvRaised, bvSpace };
    enum BorderStyle { bsNone, bsSingle };
    enum BiDiMode { bdLeftToRight, bdRightToLeft };

    // The timer is named "Timer" followed by the panel's name, so give the name here.
    explicit TTextPanel(QWidget *parent = nullptr, const QString &name = QString());

    const QList<QByteArray> &items() const { return m_items; }
    void setItems(const QList<QByteArray> &items) { m_items = items; }
    const QFont &textFont() const { return m_textFont; }
    void setTextFont(const QFont &font) { m_textFont = font; }
    QColor TextColor = Qt::black; // the colour that goes with TextFont
    quint32 interval() const { return m_interval; }
    void setInterval(quint32 interval);
    qint32 stepSize() const { return m_stepSize; }
    void setStepSize(qint32 step) { m_stepSize = step; }
    bool enableTimer() const { return m_enableTimer; }
    void setEnableTimer(bool enable);
    Qt::Alignment textAlignment() const { return m_textAlignment; } // left, right or centre
    void setTextAlignment(Qt::Alignment alignment) { m_textAlignment = alignment & Qt::AlignHorizontal_Mask; }

    // What the standard panel brings along.
    Bevel BevelOuter = bvRaised;
    Bevel BevelInner = bvNone;
    int BevelWidth = 1;
    int BorderWidth = 0;
    QColor Color = QColor(236, 233, 216);
    void setBorderStyle(BorderStyle style);
    BiDiMode BiDi = bdLeftToRight;

    // Draws the lines into an off-screen picture and shows it; the timer calls it at every tick.
    void Paint();
    void TimerTick();

    qint32 TopIndex = 0;        // the first line drawn is TopIndex + 1
    qint32 PixelOffset = 0;     // where the first drawn line starts, 0 or above the top
    qint32 PaintedTopIndex = 0; // TopIndex at the last paint
    qint32 LineHeight = 0;      // measured at every paint
    QTimer *ScrollTimer;

    // What the last paint drew, for a look from outside: each line's index and rectangle.
    struct DrawnLine {
        int index;
        QRect rect;
        bool operator==(const DrawnLine &) const = default;
    };
    const QList<DrawnLine> &drawnLines() const { return m_drawn; }
    int copiesToScreen() const { return m_copies; } // paints that put their picture on screen
    const QImage &shownPicture() const { return m_shown; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void frame3D(QPainter &painter, QRect &rect, const QColor &topLeft, const QColor &bottomRight, int width) const;
    void drawBevel(QPainter &painter, QRect &rect, Bevel bevel) const;
    QRect clientRect() const;

    QList<QByteArray> m_items;
    QFont m_textFont;
    quint32 m_interval = 30;
    qint32 m_stepSize = 1;
    bool m_enableTimer = true;
    Qt::Alignment m_textAlignment = Qt::AlignLeft;
    BorderStyle m_borderStyle = bsNone;

    QList<DrawnLine> m_drawn;
    QImage m_shown;
    int m_copies = 0;
    bool m_inPaintEvent = false;
};
