#include "about/TextPanel.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

// Readable failures: bytes and texts as text.
inline void PrintTo(const QByteArray &bytes, std::ostream *os) { *os << '"' << bytes.toStdString() << '"'; }
inline void PrintTo(const QString &text, std::ostream *os) { *os << '"' << text.toStdString() << '"'; }

namespace {

QList<int> indices(const TTextPanel &panel)
{
    QList<int> out;
    for (const auto &line : panel.drawnLines())
        out.append(line.index);
    return out;
}

// A panel with room for `rows` whole lines of its font.
class Panel : public ::testing::Test {
protected:
    void make(const QList<QByteArray> &items, int rows = 10)
    {
        panel = std::make_unique<TTextPanel>(nullptr, QStringLiteral("Scroller"));
        panel->setEnableTimer(false);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(11);
        panel->setTextFont(font);
        panel->setItems(items);
        panel->resize(262, 50);
        panel->Paint();
        lineHeight = panel->LineHeight;
        ASSERT_GT(lineHeight, 0);
        panel->resize(262, rows * lineHeight + lineHeight / 2);
    }

    std::unique_ptr<TTextPanel> panel;
    int lineHeight = 0;
};

TEST_F(Panel, StartsWithTheDocumentedDefaults)
{
    TTextPanel fresh(nullptr, QStringLiteral("TextPanel7"));
    EXPECT_TRUE(fresh.items().isEmpty());
    EXPECT_EQ(fresh.interval(), 30u);
    EXPECT_EQ(fresh.stepSize(), 1);
    EXPECT_TRUE(fresh.enableTimer());
    EXPECT_EQ(fresh.textAlignment(), Qt::AlignLeft);
    EXPECT_EQ(fresh.TopIndex, 0);
    EXPECT_EQ(fresh.PixelOffset, 0);
    EXPECT_EQ(fresh.LineHeight, 0);
    EXPECT_EQ(fresh.ScrollTimer->objectName(), QStringLiteral("TimerTextPanel7"));
    EXPECT_TRUE(fresh.ScrollTimer->isActive());
    EXPECT_EQ(fresh.ScrollTimer->interval(), 30);
    fresh.setInterval(40);
    EXPECT_EQ(fresh.ScrollTimer->interval(), 40);
    fresh.setEnableTimer(false);
    EXPECT_FALSE(fresh.ScrollTimer->isActive());
}

TEST_F(Panel, ThreeLinesInTenRowsRepeatFromTheSecond)
{
    make({"zero", "one", "two"});
    panel->Paint();
    EXPECT_EQ(indices(*panel), (QList<int>{1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2}));
    const auto &lines = panel->drawnLines();
    for (int i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].rect, QRect(QPoint(3, i * lineHeight), QPoint(262 - 3 - 1, (i + 1) * lineHeight - 1)));
    // The wrap is only for drawing.
    EXPECT_EQ(panel->TopIndex, 0);
    EXPECT_EQ(panel->PaintedTopIndex, 0);
}

TEST_F(Panel, EachTickMovesOnePixelAndAFullLineBringsTheNextOne)
{
    make({"zero", "one", "two"}, 4);
    panel->TimerTick();
    EXPECT_EQ(panel->PixelOffset, -1);
    EXPECT_EQ(panel->drawnLines().first().rect.top(), -1);
    EXPECT_EQ(indices(*panel).first(), 1);
    for (int tick = 1; tick < lineHeight; ++tick)
        panel->TimerTick();
    EXPECT_EQ(panel->PixelOffset, 0);
    EXPECT_EQ(panel->TopIndex, 1);
    EXPECT_EQ(indices(*panel), (QList<int>{2, 0, 1, 2, 0}));
    for (int tick = 0; tick < lineHeight; ++tick)
        panel->TimerTick();
    // Line 0 reaches the top once the text has wrapped.
    EXPECT_EQ(panel->TopIndex, 2);
    EXPECT_EQ(indices(*panel).first(), 0);
    for (int tick = 0; tick < lineHeight; ++tick)
        panel->TimerTick();
    EXPECT_EQ(panel->TopIndex, 0);
    EXPECT_EQ(indices(*panel).first(), 1);
}

TEST_F(Panel, AnEmptyListCopiesNothingAndOnlyMovesTheOffset)
{
    make({});
    panel->grab();
    EXPECT_EQ(panel->copiesToScreen(), 0);
    EXPECT_TRUE(panel->drawnLines().isEmpty());
    for (int tick = 0; tick < lineHeight + 3; ++tick)
        panel->TimerTick();
    EXPECT_EQ(panel->PixelOffset, -3);
    EXPECT_EQ(panel->TopIndex, 0);
    EXPECT_EQ(panel->copiesToScreen(), 0);
    EXPECT_TRUE(panel->shownPicture().isNull());
}

TEST_F(Panel, StepSizeZeroKeepsTheTextStillWhileRepainting)
{
    make({"zero", "one", "two"});
    panel->setStepSize(0);
    const int before = panel->copiesToScreen();
    const QImage picture = (panel->Paint(), panel->shownPicture());
    for (int tick = 0; tick < 5; ++tick)
        panel->TimerTick();
    EXPECT_EQ(panel->PixelOffset, 0);
    EXPECT_EQ(panel->TopIndex, 0);
    EXPECT_EQ(panel->copiesToScreen(), before + 6);
    EXPECT_EQ(panel->shownPicture(), picture);
}

TEST_F(Panel, TheTimerMovesTheTextUntilItIsSwitchedOff)
{
    make({"zero", "one", "two"});
    panel->setInterval(5);
    panel->setEnableTimer(true);
    QElapsedTimer waited;
    waited.start();
    while (panel->PixelOffset == 0 && panel->TopIndex == 0 && waited.elapsed() < 2000)
        QTest::qWait(5);
    EXPECT_TRUE(panel->PixelOffset < 0 || panel->TopIndex != 0);
    panel->setEnableTimer(false);
    const int offset = panel->PixelOffset, top = panel->TopIndex;
    QTest::qWait(50);
    EXPECT_EQ(panel->PixelOffset, offset);
    EXPECT_EQ(panel->TopIndex, top);
    // It still paints when asked to.
    const int copies = panel->copiesToScreen();
    panel->grab();
    EXPECT_GT(panel->copiesToScreen(), copies);
}

TEST_F(Panel, AHiddenPanelStandsStillButAHiddenWindowDoesNot)
{
    QWidget window;
    TTextPanel *child = new TTextPanel(&window, QStringLiteral("Child"));
    child->setEnableTimer(false);
    child->setItems({"zero", "one", "two"});
    child->resize(200, 100);
    child->Paint();
    ASSERT_GT(child->LineHeight, 3);
    // Never shown: the window is off screen, the panel's own flag still says visible.
    child->TimerTick();
    EXPECT_EQ(child->PixelOffset, -1);
    window.show();
    window.hide();
    child->TimerTick();
    EXPECT_EQ(child->PixelOffset, -2);
    child->hide();
    child->TimerTick();
    EXPECT_EQ(child->PixelOffset, -2);
}

TEST_F(Panel, DrawsItsColourAndTheTextInside)
{
    make({"WWWW", "WWWW"}, 2);
    panel->Color = Qt::white;
    panel->BevelOuter = TTextPanel::bvNone;
    panel->setTextAlignment(Qt::AlignHCenter);
    panel->Paint();
    const QImage picture = panel->shownPicture();
    EXPECT_EQ(picture.size(), panel->size());
    EXPECT_EQ(QColor(picture.pixel(1, 1)), QColor(Qt::white));
    bool dark = false;
    for (int x = 100; x < 162 && !dark; ++x)
        for (int y = 0; y < lineHeight && !dark; ++y)
            dark = qGray(picture.pixel(x, y)) < 128;
    EXPECT_TRUE(dark) << "no text in the middle of the first line";
    EXPECT_EQ(QColor(picture.pixel(5, lineHeight / 2)), QColor(Qt::white));

    panel->BevelOuter = TTextPanel::bvRaised;
    panel->Paint();
    EXPECT_EQ(panel->shownPicture().pixel(0, 5), panel->palette().color(QPalette::Light).rgb());
    EXPECT_EQ(panel->shownPicture().pixel(panel->width() - 1, 5), panel->palette().color(QPalette::Dark).rgb());
}

} // namespace
