#include "app/Dizevadi.h"
#include "browse/RecipeTabs.h"
#include "planner/CalendarTab.h"
#include "planner/DatePicker.h"
#include "planner/RumaCalendar.h"
#include "store/AppContext.h"
#include "store/Database.h"
#include "tests/support/TempDataDir.h"
#include "tests/support/TestProgram.h"

#include <QAction>
#include <QCalendarWidget>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// Answers the date dialog with a day, closed by its button or by its close box.
TestProgram::DialogHandler chooseDay(QDate day, int outcome = QDialog::Accepted)
{
    return [day, outcome](QDialog &dialog) {
        auto *calendar = dialog.findChild<QCalendarWidget *>(QStringLiteral("TntMonthCalendar1"));
        if (!calendar)
            return int(QDialog::Rejected);
        calendar->setSelectedDate(day);
        return outcome;
    };
}

class DishCalendar : public ::testing::Test {
protected:
    CalendarTab &tab() { return *t.find<CalendarTab>(QStringLiteral("TntTabSheet6")); }
    TRumaCalendar &calendar() { return *t.find<TRumaCalendar>(QStringLiteral("RumaCalendar1")); }
    QMenu &menu() { return *t.find<QMenu>(QStringLiteral("TntPopupMenu1")); }

    void plan(const QByteArray &name, QDate day)
    {
        t.onNextDialog(chooseDay(day));
        tab().planDish(name);
    }

    // Shows the tab so the calendar paints and knows its item height.
    void showCalendarOf(QDate month)
    {
        t.main().pageControl()->setCurrentIndex(5);
        calendar().setMonth(QDateTime(month, QTime(0, 0)));
        calendar().grab();
        ASSERT_GT(calendar().width(), 700);
        ASSERT_GT(calendar().height(), 300);
    }

    QPoint onDish(QDate day, int k)
    {
        const CalendarGrid grid = calendar().grid();
        for (const CalendarCell &cell : grid.cells())
            if (cell.date == day) {
                const CellEdges box = grid.itemBox(cell, calendar().ItemFontHeight() + 4, k);
                return QPoint(box.left + 5, box.top + 3);
            }
        ADD_FAILURE() << "day not shown";
        return {};
    }

    TempDataDir dir;
    TestProgram t{dir.path()};
};

} // namespace

TEST_F(DishCalendar, TheTabHoldsItsControls)
{
    auto *button = t.find<QToolButton>(QStringLiteral("TntToolButton2"));
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->icon().isNull());
    EXPECT_FALSE(button->text().isEmpty());
    EXPECT_NE(t.find<QAction>(QStringLiteral("Delete1")), nullptr);
    EXPECT_EQ(calendar().month().date(), QDate(2024, 3, 5));
    EXPECT_EQ(calendar().font().pixelSize(), 11);
    EXPECT_EQ(calendar().dayBackgroundColor2(), QColor(238, 217, 206));
    EXPECT_EQ(calendar().color(), QColor(235, 235, 235));
    EXPECT_EQ(calendar().sundayFontColor(), QColor(244, 128, 0));
}

TEST_F(DishCalendar, PlanningAppendsTheDishHoweverTheDialogIsClosed)
{
    for (int outcome : {int(QDialog::Rejected), int(QDialog::Accepted)}) {
        TempDataDir folder;
        TestProgram p(folder.path());
        p.onNextDialog(chooseDay(QDate(2024, 3, 5), outcome));
        p.find<CalendarTab>(QStringLiteral("TntTabSheet6"))->planDish("N");
        EXPECT_EQ(folder.read("Cal.dat"), QByteArray("45356\r\nN\r\n\r\n")) << outcome;
    }
}

TEST_F(DishCalendar, TheChosenDayStaysForTheNextPlanAndFilesAreAppended)
{
    plan("Suppe", QDate(2024, 3, 7));
    t.onNextDialog([](QDialog &) { return int(QDialog::Rejected); }); // the day is left as it was
    tab().planDish("Kuchen \xC3\xA4");
    EXPECT_EQ(dir.read("Cal.dat"), QByteArray("45358\r\nSuppe\r\n\r\n45358\r\nKuchen \xC3\xA4\r\n\r\n"));
    EXPECT_EQ(t.dialogsRun(), 2);
}

TEST_F(DishCalendar, TheMonthButtonShowsTheDialogsMonth)
{
    t.onNextDialog(chooseDay(QDate(2023, 10, 17)));
    t.find<QToolButton>(QStringLiteral("TntToolButton2"))->click();
    EXPECT_EQ(calendar().month().date(), QDate(2023, 10, 17));
    EXPECT_TRUE(t.messages.isEmpty());
}

TEST_F(DishCalendar, CalDatIsLoadedAtStartUp)
{
    TempDataDir folder;
    folder.write("Cal.dat", "45356\nA\n\n45357.5\rB\r\rabc\r\nC\r\n\r\n45358\r\nD");
    TestProgram p(folder.path());
    auto *loaded = p.find<TRumaCalendar>(QStringLiteral("RumaCalendar1"));
    EXPECT_EQ(loaded->items(),
              (QList<QByteArray>{"45356", "A", "", "45357.5", "B", "", "abc", "C", "", "45358", "D"}));
    loaded->grab(); // the record that is no date paints nowhere
    EXPECT_TRUE(p.messages.isEmpty());
}

TEST_F(DishCalendar, RightClickOffersToDeleteOnlyOnADish)
{
    plan("A", QDate(2024, 3, 5));
    plan("B", QDate(2024, 3, 5));
    plan("C", QDate(2024, 3, 6));
    showCalendarOf(QDate(2024, 3, 1));

    const CalendarGrid grid = calendar().grid();
    const CellEdges frame = grid.frame(grid.cells()[4]); // 5 March
    QTest::mouseClick(&calendar(), Qt::RightButton, {}, QPoint(frame.left + 3, frame.top + 3));
    EXPECT_EQ(tab().CalendarMenuIndex(), -1);
    EXPECT_FALSE(menu().isVisible());

    QTest::mouseClick(&calendar(), Qt::LeftButton, {}, onDish(QDate(2024, 3, 5), 2));
    EXPECT_FALSE(menu().isVisible()); // the left button offers nothing

    QTest::mouseClick(&calendar(), Qt::RightButton, {}, onDish(QDate(2024, 3, 5), 2));
    EXPECT_EQ(tab().CalendarMenuIndex(), 3);
    EXPECT_TRUE(menu().isVisible());
    menu().hide();

    t.find<QAction>(QStringLiteral("Delete1"))->trigger();
    EXPECT_EQ(dir.read("Cal.dat"), QByteArray("45356\r\nA\r\n\r\n45357\r\nC\r\n\r\n"));
    EXPECT_EQ(calendar().items().size(), 6);
    EXPECT_TRUE(t.messages.isEmpty());
}

TEST_F(DishCalendar, DeletingTheLastRecordTakesWhatIsThere)
{
    TempDataDir folder;
    folder.write("Cal.dat", "45356\r\nA\r\n\r\n45356\r\nB\r\n");
    TestProgram p(folder.path());
    auto *cal = p.find<TRumaCalendar>(QStringLiteral("RumaCalendar1"));
    p.main().pageControl()->setCurrentIndex(5);
    cal->grab();
    const CalendarGrid grid = cal->grid();
    const CellEdges box = grid.itemBox(grid.cells()[4], 15, 2);
    QTest::mouseClick(cal, Qt::RightButton, {}, QPoint(box.left + 5, box.top + 3));
    p.find<QMenu>(QStringLiteral("TntPopupMenu1"))->hide();
    p.find<QAction>(QStringLiteral("Delete1"))->trigger();
    EXPECT_EQ(folder.read("Cal.dat"), QByteArray("45356\r\nA\r\n\r\n"));
}

TEST_F(DishCalendar, DoubleClickOnADishOpensItsRecipe)
{
    plan("Suppe", QDate(2024, 3, 5));
    showCalendarOf(QDate(2024, 3, 1));
    QSignalSpy opened(&tab(), &CalendarTab::openRecipeRequested);

    // On the day beside the dish nothing opens.
    const CalendarGrid grid = calendar().grid();
    const CellEdges frame = grid.frame(grid.cells()[5]);
    QTest::mouseDClick(&calendar(), Qt::LeftButton, {}, QPoint(frame.left + 3, frame.top + 3));
    EXPECT_EQ(opened.size(), 0);
    EXPECT_EQ(t.main().pageControl()->currentIndex(), 5);

    QTest::mouseDClick(&calendar(), Qt::LeftButton, {}, onDish(QDate(2024, 3, 5), 1));
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0][0].toByteArray(), QByteArray("Suppe"));
    EXPECT_EQ(t.main().pageControl()->currentIndex(), 0);
    EXPECT_TRUE(t.messages.isEmpty());
}

TEST_F(DishCalendar, AFailedWriteIsReportedAndTheDishStaysPlanned)
{
    QDir().mkpath(dir.file("Cal.dat")); // a folder where the file should be
    t.onNextDialog(chooseDay(QDate(2024, 3, 5)));
    EXPECT_THROW(tab().planDish("N"), Error);
    EXPECT_EQ(calendar().items(), (QList<QByteArray>{"45356", "N", ""}));
}

TEST_F(DishCalendar, TheDateDialogShowsTodayAndSitsOverTheMainWindow)
{
    TForm3 &dialog = t.program().dateDialog();
    EXPECT_EQ(dialog.size(), QSize(486, 315));
    EXPECT_EQ(dialog.selectedDate(), QDate(2024, 3, 5));
    EXPECT_FALSE(dialog.windowTitle().isEmpty());
    auto *save = dialog.findChild<QPushButton *>(QStringLiteral("TntBitBtn1"));
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->geometry(), QRect(13, 4, 68, 26));
    EXPECT_FALSE(save->text().isEmpty());

    QPoint centre;
    t.onNextDialog([&centre](QDialog &shown) {
        centre = shown.geometry().center();
        shown.findChild<QPushButton *>(QStringLiteral("TntBitBtn1"))->click();
        return shown.result();
    });
    tab().planDish("N");
    EXPECT_EQ(dialog.result(), int(QDialog::Accepted)); // the button closes the dialog
    EXPECT_LE((centre - t.main().frameGeometry().center()).manhattanLength(), 2);
}

TEST_F(DishCalendar, WithoutASelectedRecipeTheListButtonsDoNothing)
{
    // An empty store lists no recipe, so nothing is selected on either tab.
    auto *catalogue = t.find<CatalogueTab>(QStringLiteral("TntTabSheet1"));
    auto *own = t.find<OwnRecipesTab>(QStringLiteral("TntTabSheet8"));
    ASSERT_TRUE(catalogue && own);
    emit catalogue->TntButton70Click();
    emit own->TntToolButton7Click();
    emit catalogue->TntToolButton3Click();
    emit own->TntToolButton9Click();
    EXPECT_EQ(t.dialogsRun(), 0);
    EXPECT_FALSE(dir.exists("Cal.dat"));
    EXPECT_FALSE(dir.exists("EList.dat"));
    EXPECT_TRUE(t.messages.isEmpty());
}

TEST_F(DishCalendar, DoubleClickOnADishShowsItsRecipePage)
{
    if (!t.view(QStringLiteral("EmbeddedWB1")))
        GTEST_SKIP() << "the catalogue tab has no view in this build";
    NewRecipe recipe;
    recipe.name = "Suppe";
    recipe.ingredients = "Wasser";
    recipe.preparation = "Kochen.";
    recipe.author = "Me";
    recipe.dimension = "2";
    recipe.categories = "10000000";
    recipe.language = "German";
    t.program().context().store.addRecipe(recipe);
    plan("Suppe", QDate(2024, 3, 5));
    showCalendarOf(QDate(2024, 3, 1));
    RecordingHtmlView *view = t.view(QStringLiteral("EmbeddedWB1"));
    const qsizetype before = view->navigations.size();

    QTest::mouseDClick(&calendar(), Qt::LeftButton, {}, onDish(QDate(2024, 3, 5), 1));
    EXPECT_EQ(t.main().pageControl()->currentIndex(), 0);
    ASSERT_GT(view->navigations.size(), before);
    EXPECT_TRUE(view->current().endsWith(QStringLiteral("Rezept.htm"))) << view->current().toStdString();
    EXPECT_TRUE(dir.read("Rezept.htm").contains("Kochen.")) << "the page of the planned recipe";
    EXPECT_TRUE(t.messages.isEmpty()) << t.messages.join('\n').toStdString();
}
