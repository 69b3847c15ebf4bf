#include "planner/CalendarGeometry.h"

#include <gtest/gtest.h>

namespace {

const QSize kSize(875, 397);

CalendarCell cellAt(const CalendarGrid &grid, QDate date)
{
    for (const CalendarCell &cell : grid.cells())
        if (cell.date == date)
            return cell;
    ADD_FAILURE() << "no cell for " << date.toString().toStdString();
    return {};
}

} // namespace

TEST(CalendarGrid, RowsAndCellsOfAMonth)
{
    EXPECT_EQ(CalendarGrid::rowsOf(QDate(2021, 2, 14)), 4); // Monday start, 28 days
    EXPECT_EQ(CalendarGrid::rowsOf(QDate(2024, 3, 5)), 5);

    const CalendarGrid october(QDate(2023, 10, 20), kSize); // Sunday start, 31 days
    ASSERT_EQ(october.rows(), 6);
    ASSERT_EQ(october.cells().size(), 31);
    EXPECT_EQ(october.cells()[0].row, 0);
    EXPECT_EQ(october.cells()[0].column, 6);
    EXPECT_EQ(october.cells()[0].date, QDate(2023, 10, 1));
    EXPECT_EQ(october.cells()[1].row, 1);
    EXPECT_EQ(october.cells()[1].column, 0);
    EXPECT_EQ(october.cells().last().row, 5);
    EXPECT_EQ(october.cells().last().column, 1);

    const CalendarGrid february(QDate(2021, 2, 1), kSize);
    EXPECT_EQ(february.cells()[0].column, 0);
    EXPECT_EQ(february.cells().last().row, 3);
    EXPECT_EQ(february.cells().last().column, 6);
}

TEST(CalendarGrid, RectanglesAt875By397WithSixRows)
{
    const CalendarGrid grid(QDate(2023, 10, 1), kSize);
    EXPECT_EQ(grid.cellWidth(), 124);
    EXPECT_EQ(grid.rowHeight(), 65);
    const CalendarCell topLeft{0, 0, {}}, secondRow{1, 1, {}};
    EXPECT_EQ(grid.frame(topLeft), (CellEdges{3, 3, 125, 66}));
    EXPECT_EQ(grid.frame(secondRow), (CellEdges{127, 68, 249, 131}));
    EXPECT_EQ(grid.gradient(secondRow), (CellEdges{128, 69, 248, 130}));
    EXPECT_EQ(grid.label(secondRow), (CellEdges{131, 72, 248, 137}));

    // With the 11-pixel font an item line is 15 pixels; the first box starts 22 below the row line.
    const int lineHeight = 11 + 4;
    EXPECT_EQ(grid.itemBox(secondRow, lineHeight, 1), (CellEdges{131, 65 + 22, 247, 65 + 37}));
    EXPECT_EQ(grid.itemBox(secondRow, lineHeight, 2).top - grid.itemBox(secondRow, lineHeight, 1).top, 15);
    EXPECT_EQ(grid.itemText(secondRow, lineHeight, 1), (CellEdges{133, 65 + 23, 246, 65 + 36}));
}

TEST(CalendarGrid, InvalidMonthHasNoCells)
{
    const CalendarGrid grid(QDate(), kSize);
    EXPECT_EQ(grid.rows(), 0);
    EXPECT_TRUE(grid.cells().isEmpty());
}

TEST(CalendarDates, DayLabelsInTheThreeStyles)
{
    const QDate date(2024, 3, 5);
    EXPECT_EQ(FormatDayLabel(1, date), QStringLiteral("05.03.2024"));
    EXPECT_EQ(FormatDayLabel(2, date), QStringLiteral("2024.03.05"));
    EXPECT_EQ(FormatDayLabel(0, date), QStringLiteral("03.05.2024"));
    EXPECT_EQ(FormatDayLabel(7, QDate(2023, 12, 24)), QStringLiteral("12.24.2023"));
}

TEST(CalendarDates, DateLinesTakeTheirWholeDay)
{
    const struct {
        const char *line;
        std::optional<qint64> day;
    } cases[] = {
        {"45356", 45356},
        {"45356.75", 45356},
        {"45356,75", 45356},
        {" 45356 ", 45356},
        {"0", 0},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {"12x", std::nullopt},
        {"nan", std::nullopt},
        {"1e300", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(parseDayNumber(c.line), c.day) << c.line;
    EXPECT_EQ(dateFromDayNumber(45356), QDate(2024, 3, 5));
    EXPECT_EQ(dayNumberOf(QDate(2024, 3, 5)), 45356);
    EXPECT_EQ(dateFromDayNumber(0), QDate(1899, 12, 30));
}

TEST(CalendarItems, RecordsAreReadInThrees)
{
    const QDate fifth(2024, 3, 5), sixth(2024, 3, 6);
    // The last record lacks its spare line: it still counts.
    EXPECT_EQ(CalendarItems({"45356", "A", "", "45356.75", "B"}).itemsOn(fifth), (QList<int>{0, 3}));
    // A last date line without its text line is no record.
    EXPECT_TRUE(CalendarItems({"45356", "A", "", "45357"}).itemsOn(sixth).isEmpty());
    // A date line that is no number shows nowhere, and the list keeps it.
    const CalendarItems withText({"abc", "X", "", "45356", "B", ""});
    EXPECT_EQ(withText.itemsOn(fifth), QList<int>{3});
    EXPECT_EQ(withText.lines().size(), 6);
    EXPECT_TRUE(CalendarItems().itemsOn(fifth).isEmpty());
}

TEST(CalendarHitTest, DaysItemsAndGaps)
{
    const CalendarGrid grid(QDate(2024, 3, 1), kSize); // 5 rows: rh 79
    const CalendarItems items({"45356", "A", "", "45356", "B", "", "45358", "C", ""});
    const CalendarCell fifth = cellAt(grid, QDate(2024, 3, 5));
    const int lh = 15;

    const CellEdges frame = grid.frame(fifth);
    CalendarHit hit = hitTest(grid, items, lh, QPoint(frame.left + 1, frame.top + 1));
    EXPECT_EQ(hit.kind, CalendarHit::Day);
    EXPECT_EQ(hit.date, QDate(2024, 3, 5));
    EXPECT_EQ(hit.index, -1);

    const CellEdges second = grid.itemBox(fifth, lh, 2);
    hit = hitTest(grid, items, lh, QPoint(second.left, second.top));
    EXPECT_EQ(hit.kind, CalendarHit::Item);
    EXPECT_EQ(hit.index, 3);
    hit = hitTest(grid, items, lh, QPoint(second.right - 1, second.bottom - 1));
    EXPECT_EQ(hit.index, 3);
    // Right and bottom edges are outside the box; below the last box only the day is hit.
    EXPECT_EQ(hitTest(grid, items, lh, QPoint(second.right, second.top)).kind, CalendarHit::Day);
    EXPECT_EQ(hitTest(grid, items, lh, QPoint(second.left, second.bottom)).kind, CalendarHit::Day);

    // The 2-pixel gap between two cells hits nothing.
    EXPECT_EQ(hitTest(grid, items, lh, QPoint(frame.right, frame.top + 5)).kind, CalendarHit::None);
    EXPECT_EQ(hitTest(grid, items, lh, QPoint(1, 1)).kind, CalendarHit::None);
}

TEST(CalendarHitTest, TheCellPaintedLastWins)
{
    const CalendarGrid grid(QDate(2024, 3, 1), kSize);
    QList<QByteArray> lines;
    for (int i = 0; i < 8; ++i)
        lines << "45356"
              << "dish"
              << "";
    const CalendarItems items(lines);
    const CalendarCell fifth = cellAt(grid, QDate(2024, 3, 5));
    const CalendarCell twelfth = cellAt(grid, QDate(2024, 3, 12));
    const int lh = 15;
    // Boxes 4 and 5 run on below their cell (rows are 79 high): in the gap the item is hit ...
    const CellEdges below = grid.frame(twelfth);
    const CellEdges fourth = grid.itemBox(fifth, lh, 4), fifthBox = grid.itemBox(fifth, lh, 5);
    ASSERT_TRUE(fourth.contains(QPoint(fourth.left + 2, below.top - 1)));
    ASSERT_TRUE(fifthBox.contains(QPoint(fifthBox.left + 2, below.top + 1)));
    CalendarHit hit = hitTest(grid, items, lh, QPoint(fourth.left + 2, below.top - 1));
    EXPECT_EQ(hit.kind, CalendarHit::Item);
    EXPECT_EQ(hit.index, 9);
    // ... but inside the next row's cell, painted later, that cell covers it.
    hit = hitTest(grid, items, lh, QPoint(fifthBox.left + 2, below.top + 1));
    EXPECT_EQ(hit.kind, CalendarHit::Day);
    EXPECT_EQ(hit.date, QDate(2024, 3, 12));
}

TEST(CalendarGradient, LinesThroughTheColours)
{
    const GradientColour black{0, 0, 0}, white{255, 255, 255}, red{255, 0, 0};
    const QList<GradientLine> two = gradientLines(10, {black, white});
    ASSERT_EQ(two.size(), 10);
    EXPECT_EQ(two.first().pos, 0);
    EXPECT_EQ(two.first().colour, black);
    EXPECT_EQ(two.last().pos, 9);
    EXPECT_EQ(two.last().colour, white);
    EXPECT_EQ(gradientLines(3, {{0, 0, 0}, {30, 60, 90}})[1].colour, (GradientColour{15, 30, 45}));

    // seg = 7 / 2 = 3.5 goes to 4, 5 / 2 = 2.5 goes to 2: halves round to the even neighbour.
    const QList<GradientLine> seven = gradientLines(7, {black, white, red});
    ASSERT_EQ(seven.size(), 5 + 3);
    EXPECT_EQ(seven[4].pos, 4);
    EXPECT_EQ(seven[4].colour, white);
    EXPECT_EQ(seven[5].pos, 4);
    EXPECT_EQ(seven[5].colour, white);
    EXPECT_EQ(seven.last().pos, 6);
    EXPECT_EQ(seven.last().colour, red);
    const QList<GradientLine> five = gradientLines(5, {black, white, red});
    ASSERT_EQ(five.size(), 3 + 3);
    EXPECT_EQ(five[3].pos, 2);
    EXPECT_EQ(five.last().pos, 4);

    EXPECT_TRUE(gradientLines(0, {black, white}).isEmpty());
}

TEST(CalendarGradient, FewerThanTwoColoursIsAMathsError)
{
    for (const QList<GradientColour> &colours : {QList<GradientColour>{}, QList<GradientColour>{{1, 2, 3}}}) {
        try {
            gradientLines(10, colours);
            ADD_FAILURE() << "no error";
        } catch (const MathError &error) {
            EXPECT_EQ(error.text(), QStringLiteral("Es müssen mindestens zwei Farben angegeben werden."));
        }
    }
}

TEST(CalendarGrid, BoxesCoveredByALaterCellOrBelowTheControlAreHidden)
{
    const CalendarGrid grid(QDate(2024, 3, 1), kSize); // rows 79 high
    const int lh = 15;
    const CalendarCell fifth = cellAt(grid, QDate(2024, 3, 5));
    EXPECT_FALSE(grid.hidesItemBox(fifth, grid.itemBox(fifth, lh, 1)));
    EXPECT_FALSE(grid.hidesItemBox(fifth, grid.itemBox(fifth, lh, 4))); // reaches into the gap
    EXPECT_TRUE(grid.hidesItemBox(fifth, grid.itemBox(fifth, lh, 5)));  // inside 12 March
    EXPECT_TRUE(grid.hidesItemBox(fifth, grid.itemBox(fifth, lh, 9)));
    EXPECT_FALSE(grid.hidesItemBox(fifth, grid.itemBox(fifth, lh, 10))); // over the next gap
    // Below 24 April there is no cell: its boxes stay visible down to the control's edge.
    const CalendarGrid april(QDate(2024, 4, 1), kSize);
    const CalendarCell late = cellAt(april, QDate(2024, 4, 24));
    EXPECT_FALSE(april.hidesItemBox(late, april.itemBox(late, lh, 6)));
    EXPECT_FALSE(april.hidesItemBox(late, april.itemBox(late, lh, 10)));
    EXPECT_TRUE(april.hidesItemBox(late, april.itemBox(late, lh, 11))); // below the control
}
