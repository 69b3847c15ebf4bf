#include "planner/RumaCalendar.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The calendar as the main window sets it up, at the size it has on the "Kalender" tab.
class RumaCalendarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPixelSize(11);
        calendar.setFont(font);
        calendar.setNow([] { return QDateTime(QDate(2024, 3, 5), QTime(12, 0)); });
        calendar.setMonth(QDateTime(QDate(2024, 3, 20), QTime(8, 30)));
        calendar.resize(875, 397);
        calendar.setItemColor(QColor(255, 251, 240));
        calendar.setItemMarginColor(TRumaCalendar::colourFromPacked(6316128));
        calendar.setTodayMarginColor(QColor(0, 0, 128));
        calendar.setWeekdayMaringColor(Qt::black);
        calendar.setDayBackgroundColor(TRumaCalendar::colourFromPacked(16316664));
    }

    CalendarCell cell(QDate date) const
    {
        const CalendarGrid grid = calendar.grid();
        for (const CalendarCell &c : grid.cells())
            if (c.date == date)
                return c;
        return {};
    }
    QPoint insideBox(QDate date, int k) const
    {
        const CellEdges box = calendar.grid().itemBox(cell(date), 15, k);
        return QPoint(box.right - 4, box.top + 2);
    }

    TRumaCalendar calendar;
};

} // namespace

TEST_F(RumaCalendarTest, PackedColoursHaveRedInTheLowestByte)
{
    EXPECT_EQ(TRumaCalendar::colourFromPacked(33012), QColor(244, 128, 0));
    EXPECT_EQ(TRumaCalendar::colourFromPacked(13556206), QColor(238, 217, 206));
    EXPECT_EQ(TRumaCalendar::colourFromPacked(15461355), QColor(235, 235, 235));
}

TEST_F(RumaCalendarTest, PaintingShowsItemBoxesAndSetsTheItemFontHeight)
{
    calendar.setItems({"45356", "Soup", "", "45356.75", "Cake & cream", "", "45360", "Stew"});
    EXPECT_EQ(calendar.ItemFontHeight(), 0);
    const QImage image = calendar.grab().toImage();
    EXPECT_EQ(calendar.ItemFontHeight(), 11);

    const CalendarGrid grid = calendar.grid();
    const CellEdges first = grid.itemBox(cell(QDate(2024, 3, 5)), 15, 1);
    EXPECT_EQ(first.top, grid.rowHeight() * 1 + 22);
    const QPoint inside = insideBox(QDate(2024, 3, 5), 1);
    EXPECT_EQ(image.pixelColor(inside), QColor(255, 251, 240));
    EXPECT_EQ(image.pixelColor(first.left, first.top + 5), QColor(96, 96, 96)); // the box's frame
    EXPECT_EQ(image.pixelColor(insideBox(QDate(2024, 3, 5), 2)), QColor(255, 251, 240));
    EXPECT_EQ(image.pixelColor(insideBox(QDate(2024, 3, 9), 1)), QColor(255, 251, 240)); // spare line missing
    EXPECT_NE(image.pixelColor(insideBox(QDate(2024, 3, 6), 1)), QColor(255, 251, 240));

    // Today's frame is navy, another weekday's black; the gradient ends near white.
    const CellEdges today = grid.frame(cell(QDate(2024, 3, 5)));
    EXPECT_EQ(image.pixelColor(today.left, today.top + 30), QColor(0, 0, 128));
    const CellEdges other = grid.frame(cell(QDate(2024, 3, 6)));
    EXPECT_EQ(image.pixelColor(other.left, other.top + 30), QColor(Qt::black));
    EXPECT_GE(image.pixelColor(other.right - 3, other.bottom - 2).red(), 250);
}

TEST_F(RumaCalendarTest, BoxesRunOnBelowTheirCellUnderTheNextRow)
{
    QList<QByteArray> lines;
    for (int i = 0; i < 8; ++i)
        lines << "45356" << "Eintopf" << "";
    calendar.setItems(lines);
    const QImage image = calendar.grab().toImage();
    const CalendarGrid grid = calendar.grid();
    const CellEdges below = grid.frame(cell(QDate(2024, 3, 12)));
    const int x = insideBox(QDate(2024, 3, 5), 1).x();
    EXPECT_EQ(image.pixelColor(x, below.top - 2), QColor(255, 251, 240)); // in the gap between the rows
    EXPECT_NE(image.pixelColor(x, below.top + 20), QColor(255, 251, 240)); // covered by 12 March
    EXPECT_NE(image.pixelColor(x, below.top + 20), QColor(96, 96, 96));
}

TEST_F(RumaCalendarTest, ADateLineThatIsNoNumberIsSkipped)
{
    calendar.setItems({"abc", "X", "", "45356", "B", ""});
    calendar.grab();
    EXPECT_EQ(calendar.items().size(), 6);
    EXPECT_EQ(calendar.GetItemAtPos(insideBox(QDate(2024, 3, 5), 1).x(), insideBox(QDate(2024, 3, 5), 1).y()),
              3);
}

TEST_F(RumaCalendarTest, HitTestsAnswerTheItemAndTheDay)
{
    calendar.setItems({"45356", "Soup", ""});
    calendar.grab();
    const QPoint onItem = insideBox(QDate(2024, 3, 5), 1);
    EXPECT_EQ(calendar.GetItemAtPos(onItem.x(), onItem.y()), 0);
    EXPECT_EQ(calendar.GetDayAtPos(onItem.x(), onItem.y()), 45356.0);
    const CellEdges frame = calendar.grid().frame(cell(QDate(2024, 3, 6)));
    EXPECT_EQ(calendar.GetItemAtPos(frame.left + 2, frame.top + 2), -1);
    EXPECT_EQ(calendar.GetDayAtPos(frame.left + 2, frame.top + 2), 45357.0);
    EXPECT_EQ(calendar.GetDayAtPos(frame.right, frame.top + 2), -1.0); // the gap
}

TEST_F(RumaCalendarTest, ClicksReportTheHitAndAPressOnAGapKeepsIt)
{
    calendar.setItems({"45356", "Soup", ""});
    calendar.grab();
    QSignalSpy clicks(&calendar, &TRumaCalendar::OnCalendar);
    QSignalSpy doubles(&calendar, &TRumaCalendar::OnDblCalendar);
    EXPECT_EQ(calendar.HitKind(), -1);

    // Nothing hit yet: a click on the gap reports nothing.
    const CellEdges sixth = calendar.grid().frame(cell(QDate(2024, 3, 6)));
    const QPoint gap(sixth.right, sixth.top + 10);
    QTest::mouseClick(&calendar, Qt::LeftButton, {}, gap);
    EXPECT_EQ(clicks.size(), 0);

    QTest::mouseClick(&calendar, Qt::LeftButton, {}, QPoint(sixth.left + 2, sixth.top + 2));
    ASSERT_EQ(clicks.size(), 1);
    EXPECT_EQ(clicks[0][0].toBool(), false);
    EXPECT_EQ(clicks[0][1].toDate(), QDate(2024, 3, 6));
    EXPECT_EQ(clicks[0][2].toInt(), -1);
    EXPECT_EQ(calendar.HitKind(), 1);

    QTest::mouseClick(&calendar, Qt::LeftButton, {}, insideBox(QDate(2024, 3, 5), 1));
    ASSERT_EQ(clicks.size(), 2);
    EXPECT_EQ(clicks[1][0].toBool(), true);
    EXPECT_EQ(clicks[1][1].toDate(), QDate(2024, 3, 5));
    EXPECT_EQ(clicks[1][2].toInt(), 0);

    QTest::mousePress(&calendar, Qt::LeftButton, {}, gap);
    QTest::mouseRelease(&calendar, Qt::LeftButton, {}, gap);
    EXPECT_EQ(calendar.HitKind(), 2);
    EXPECT_EQ(calendar.HitIndex(), 0);
    QTest::mouseDClick(&calendar, Qt::LeftButton, {}, gap);
    ASSERT_EQ(doubles.size(), 1);
    EXPECT_EQ(doubles[0][0].toBool(), true);
    EXPECT_EQ(doubles[0][2].toInt(), 0);

    // Any button's press hit-tests; only the left button clicks.
    const int before = int(clicks.size());
    QTest::mouseClick(&calendar, Qt::RightButton, {}, QPoint(sixth.left + 2, sixth.top + 2));
    EXPECT_EQ(calendar.HitKind(), 1);
    EXPECT_EQ(calendar.HitDate(), QDate(2024, 3, 6));
    EXPECT_EQ(clicks.size(), before);
}

TEST_F(RumaCalendarTest, DrawGradientNeedsTwoColoursAndKeepsThePen)
{
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    const QPen pen(Qt::green, 3, Qt::DashLine);
    painter.setPen(pen);
    EXPECT_THROW(TRumaCalendar::DrawGradient(painter, QRect(0, 0, 20, 10), false, {Qt::black}), MathError);
    TRumaCalendar::DrawGradient(painter, QRect(0, 0, 20, 10), true, {Qt::black, Qt::white});
    EXPECT_EQ(painter.pen(), pen);
    painter.end();
    EXPECT_EQ(image.pixelColor(0, 5), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(19, 5), QColor(Qt::white));
}
