#include "browse/RecipeTabs.h"
#include "browse/Search.h"
#include "store/RecipePage.h"
#include "store/AppContext.h"
#include "store/Database.h"
#include "tests/browse/BrowseFixture.h"

#include <QAction>
#include <QLabel>
#include <QSplitter>
#include <QToolButton>
#include <QComboBox>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Dimension 2 (position 1) holds three listed recipes, one own; dimension 3 holds one.
void writeKitchen(const TempDataDir &dir)
{
    writeStore(dir, {
                        {.name = "Zander", .dimension = "2", .own = true, .author = "Bernd"},
                        {.name = "apfelkuchen", .dimension = "2", .author = "Clara"},
                        {.name = "Birnen", .dimension = "2", .own = true, .author = "Dora"},
                        {.name = "Nullen", .dimension = "2", .own = true, .categories = "00000000"},
                        {.name = "Eintopf", .dimension = "3", .own = true},
                    });
}

const TabNames *const kBothTabs[] = {&kCatalogue, &kOwn};

} // namespace

TEST(RecipeTabs, ChoosingADimensionTicksAllValuesListsSortedAndShowsTheFirst)
{
    TempDataDir dir;
    writeKitchen(dir);
    TestProgram t(dir.path());
    const QStringList expected[] = {{"apfelkuchen", "Birnen", "Zander"}, {"Birnen", "Zander"}};
    for (int i = 0; i < 2; ++i) {
        const TabNames &tab = *kBothTabs[i];
        SCOPED_TRACE(tab.list);
        showPage(t, tab.pageIndex);
        choose(t.find<QComboBox>(tab.box), 1);
        EXPECT_EQ(ticks(t, tab.checkList), QList<bool>(8, true));
        EXPECT_EQ(listed(t, tab.list), expected[i]);
        EXPECT_EQ(selectedEntry(t, tab.list), expected[i].first());
        EXPECT_EQ(shownName(dir), expected[i].first().toUtf8());
        EXPECT_EQ(t.view(tab.view)->current(), dir.file("Rezept.htm"));
        EXPECT_EQ(countText(t, tab.statusBar), QString::number(expected[i].size()) + " Recipes");
    }
    EXPECT_TRUE(t.messages.isEmpty()) << t.messages.join('\n').toStdString();
}

TEST(RecipeTabs, ToggleUnticksAllThenTicksAllAgainAndOneEntryCountsInTheSingular)
{
    TempDataDir dir;
    writeKitchen(dir);
    TestProgram t(dir.path());
    for (const TabNames *tab : kBothTabs) {
        SCOPED_TRACE(tab->list);
        showPage(t, tab->pageIndex);
        choose(t.find<QComboBox>(tab->box), 1);
        const qsizetype navigations = t.view(tab->view)->navigations.size();
        const QByteArray page = dir.read("Rezept.htm");

        clickButton(t, tab->toggle);
        EXPECT_EQ(ticks(t, tab->checkList), QList<bool>(8, false));
        EXPECT_TRUE(listed(t, tab->list).isEmpty());
        EXPECT_EQ(countText(t, tab->statusBar), "0 Recipes");
        EXPECT_EQ(t.view(tab->view)->navigations.size(), navigations) << "the page on show stays";
        EXPECT_EQ(dir.read("Rezept.htm"), page);

        clickButton(t, tab->toggle);
        EXPECT_EQ(ticks(t, tab->checkList), QList<bool>(8, true));
        EXPECT_FALSE(listed(t, tab->list).isEmpty());

        choose(t.find<QComboBox>(tab->box), 2);
        EXPECT_EQ(listed(t, tab->list), QStringList{"Eintopf"});
        EXPECT_EQ(countText(t, tab->statusBar), "1 Recipe");
    }
}

TEST(RecipeTabs, UntickingOneValueFiltersByTheRemainingValues)
{
    TempDataDir dir;
    writeStore(dir, {{.name = "Erste", .dimension = "1", .categories = "100000"},
                     {.name = "Zweite", .dimension = "1", .categories = "010000"},
                     {.name = "Beide", .dimension = "1", .categories = "110000"}});
    TestProgram t(dir.path());
    showPage(t, 0);
    choose(t.find<QComboBox>("TntComboBox1"), 0);
    ASSERT_EQ(listed(t, "TntListBox1"), (QStringList{"Beide", "Erste", "Zweite"}));

    // The user clicks the first value's box.
    auto *values = t.find<QListWidget>("TntCheckListBox1");
    const QRect first = values->visualItemRect(values->item(0));
    QTest::mouseClick(values->viewport(), Qt::LeftButton, {}, QPoint(first.left() + 7, first.center().y()));
    EXPECT_EQ(values->item(0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(listed(t, "TntListBox1"), (QStringList{"Beide", "Zweite"}));
    EXPECT_EQ(selectedEntry(t, "TntListBox1"), "Beide");
    EXPECT_EQ(countText(t, "StatusBar1"), "2 Recipes");
}

TEST(RecipeTabs, ClickingOrMovingWithTheKeyboardShowsTheEntryAndDuplicatesShowTheFirstRecord)
{
    TempDataDir dir;
    writeStore(dir, {{.name = "Suppe", .author = "Erster"},
                     {.name = "Suppe", .author = "Zweiter"},
                     {.name = "Auflauf", .author = "Dritter"}});
    TestProgram t(dir.path());
    showPage(t, 0);
    EXPECT_EQ(listed(t, "TntListBox1"), (QStringList{"Auflauf", "Suppe", "Suppe"}));
    AppContext &context = t.program().context();
    for (int row : {2, 1}) {
        clickEntry(t, "TntListBox1", row);
        EXPECT_EQ(shownName(dir), "Suppe");
        EXPECT_EQ(context.display.shownAuthor(), "Erster") << "row " << row;
    }
    clickEntry(t, "TntListBox1", 0);
    EXPECT_EQ(shownName(dir), "Auflauf");
    QTest::keyClick(t.find<QListView>("TntListBox1"), Qt::Key_Down);
    EXPECT_EQ(selectedEntry(t, "TntListBox1"), "Suppe");
    EXPECT_EQ(shownName(dir), "Suppe");

    // Another tab's display blanks this view; clicking the entry on show brings it back.
    const qsizetype before = t.view("EmbeddedWB1")->navigations.size();
    clickEntry(t, "TntListBox1", 1);
    EXPECT_EQ(t.view("EmbeddedWB1")->navigations.size(), before + 2);
    EXPECT_EQ(t.view("EmbeddedWB1")->current(), dir.file("Rezept.htm"));
}

TEST(RecipeTabs, ListsFollowTheCookbookOrderIgnoringCase)
{
    TempDataDir dir;
    writeStore(dir, {{.name = "banana"}, {.name = "Birne"}, {.name = "Äpfel"}, {.name = "apfel"}, {.name = "Apfel"},
                     {.name = "Zwiebel"}, {.name = "Öl"}});
    TestProgram t(dir.path());
    EXPECT_EQ(listed(t, "TntListBox1"), (QStringList{"apfel", "Apfel", "Äpfel", "banana", "Birne", "Öl", "Zwiebel"}));
}

TEST(RecipeTabs, DeletingRemovesTheRecipeWhileTheOtherTabKeepsItUntilItFiltersAgain)
{
    struct Case {
        const TabNames *from, *other;
    };
    for (const Case &c : {Case{&kCatalogue, &kOwn}, Case{&kOwn, &kCatalogue}}) {
        SCOPED_TRACE(c.from->list);
        TempDataDir dir;
        writeKitchen(dir);
        TestProgram t(dir.path());
        for (const TabNames *tab : kBothTabs)
            choose(t.find<QComboBox>(tab->box), 1);
        showPage(t, c.from->pageIndex);
        const int row = int(listed(t, c.from->list).indexOf("Birnen"));
        clickEntry(t, c.from->list, row);
        const QString count = countText(t, c.from->statusBar);
        const QStringList viewHistory = t.view(c.from->view)->history;

        clickButton(t, c.from->deleteButton);
        EXPECT_EQ(dir.read("DelRez.dat"), "Birnen\r\n");
        EXPECT_FALSE(dir.read("RezList.dat").contains("Birnen"));
        EXPECT_FALSE(listed(t, c.from->list).contains("Birnen"));
        EXPECT_EQ(selectedEntry(t, c.from->list), QString());
        EXPECT_EQ(countText(t, c.from->statusBar), count);
        EXPECT_EQ(t.view(c.from->view)->history, viewHistory);
        EXPECT_TRUE(listed(t, c.other->list).contains("Birnen"));

        // With nothing selected, the button changes nothing.
        const QStringList left = listed(t, c.from->list);
        clickButton(t, c.from->deleteButton);
        EXPECT_EQ(listed(t, c.from->list), left);
        EXPECT_EQ(dir.read("DelRez.dat"), "Birnen\r\n");

        choose(t.find<QComboBox>(c.other->box), 1);
        EXPECT_FALSE(listed(t, c.other->list).contains("Birnen"));
        EXPECT_TRUE(t.messages.isEmpty()) << t.messages.join('\n').toStdString();
    }
}

TEST(RecipeTabs, FavouritesEntryListsTheFavouritesAndDeletingRemovesOnlyTheFavourite)
{
    TempDataDir dir;
    writeKitchen(dir);
    dir.write("Mlist.dat", "Zander\r\nEintopf\r\nbirnen\r\n");
    TestProgram t(dir.path());
    auto *own = t.find<OwnRecipesTab>("TntTabSheet8");
    QSignalSpy rebuilt(own, &OwnRecipesTab::favouritesChanged);
    showPage(t, 1);
    choose(t.find<QComboBox>("TntComboBox4"), OwnRecipesTab::kFavouritesPosition);
    EXPECT_EQ(t.find<QListWidget>("TntCheckListBox4")->count(), 0);
    EXPECT_EQ(listed(t, "TntListBox2"), (QStringList{"birnen", "Eintopf", "Zander"}));
    EXPECT_EQ(selectedEntry(t, "TntListBox2"), "birnen");
    EXPECT_EQ(countText(t, "StatusBar2"), "3 Recipes");

    clickEntry(t, "TntListBox2", 1);
    clickButton(t, "TntToolButton14");
    // The folder tree sorted the favourites in memory at start-up; the file takes that order now.
    EXPECT_EQ(dir.read("Mlist.dat"), "birnen\r\nZander\r\n");
    EXPECT_EQ(listed(t, "TntListBox2"), (QStringList{"birnen", "Zander"}));
    EXPECT_TRUE(dir.read("RezList.dat").contains("Eintopf"));
    EXPECT_FALSE(dir.exists("DelRez.dat") && dir.read("DelRez.dat").contains("Eintopf"));
    EXPECT_EQ(rebuilt.count(), 1);
    choose(t.find<QComboBox>("TntComboBox1"), 2);
    EXPECT_EQ(listed(t, "TntListBox1"), QStringList{"Eintopf"});

    // Nothing selected: the file is written again as it is, the list stays.
    dir.write("Mlist.dat", "");
    clickButton(t, "TntToolButton14");
    EXPECT_EQ(dir.read("Mlist.dat"), "birnen\r\nZander\r\n");
    EXPECT_EQ(listed(t, "TntListBox2"), (QStringList{"birnen", "Zander"}));
    EXPECT_EQ(rebuilt.count(), 2);
    EXPECT_TRUE(t.messages.isEmpty()) << t.messages.join('\n').toStdString();
}

TEST(RecipeTabs, OpeningARecipeChoosesItsDimensionAndKeepsItOnDisplay)
{
    TempDataDir dir;
    writeKitchen(dir);
    writeStore(dir, {{.name = "Ohne", .dimension = "0"}});
    TestProgram t(dir.path());
    auto *catalogue = t.find<CatalogueTab>("TntTabSheet1");
    auto *box = t.find<QComboBox>("TntComboBox1");

    catalogue->openRecipe("Zander");
    EXPECT_EQ(box->currentIndex(), 1);
    EXPECT_EQ(ticks(t, "TntCheckListBox1"), QList<bool>(8, true));
    EXPECT_EQ(selectedEntry(t, "TntListBox1"), "Zander");
    EXPECT_EQ(shownName(dir), "Zander");
    EXPECT_EQ(t.view("EmbeddedWB1")->current(), dir.file("Rezept.htm"));

    // A recipe filed under no dimension: no box entry, no values, an empty list, and no failure.
    catalogue->openRecipe("Ohne");
    EXPECT_EQ(box->currentIndex(), -1);
    EXPECT_EQ(t.find<QListWidget>("TntCheckListBox1")->count(), 0);
    EXPECT_TRUE(listed(t, "TntListBox1").isEmpty());
    EXPECT_EQ(countText(t, "StatusBar1"), "0 Recipes");
    EXPECT_EQ(shownName(dir), "Ohne");
    clickButton(t, "SpeedButton1");
    clickButton(t, "TntToolButton45");
    EXPECT_TRUE(listed(t, "TntListBox1").isEmpty());
    EXPECT_TRUE(t.messages.isEmpty()) << t.messages.join('\n').toStdString();
}

TEST(RecipeTabs, PopupEntriesRunTheirToolButtonsHandlers)
{
    TempDataDir dir;
    TestProgram t(dir.path());
    auto *catalogue = t.find<CatalogueTab>("TntTabSheet1");
    auto *own = t.find<OwnRecipesTab>("TntTabSheet8");
    struct Row {
        QObject *tab;
        const char *button, *entry;
        QSignalSpy spy;
    };
    Row rows[] = {
        {catalogue, "ML2", "Favoriten1", QSignalSpy(catalogue, &CatalogueTab::ML2Click)},
        {catalogue, "TntToolButton3", "Einkaufsliste1", QSignalSpy(catalogue, &CatalogueTab::TntToolButton3Click)},
        {catalogue, "TntButton70", "Calender1", QSignalSpy(catalogue, &CatalogueTab::TntButton70Click)},
        {catalogue, "TntToolButton52", "Drucken1", QSignalSpy(catalogue, &CatalogueTab::TntToolButton52Click)},
        {catalogue, nullptr, "InEditorladen1", QSignalSpy(catalogue, &CatalogueTab::InEditorladen1Click)},
        {catalogue, "TntToolButton4", nullptr, QSignalSpy(catalogue, &CatalogueTab::TntToolButton4Click)},
        {catalogue, "TntToolButton1", nullptr, QSignalSpy(catalogue, &CatalogueTab::TntToolButton1Click)},
        {own, "ML1", "Favoriten2", QSignalSpy(own, &OwnRecipesTab::ML1Click)},
        {own, "TntToolButton9", "Einkaufsliste2", QSignalSpy(own, &OwnRecipesTab::TntToolButton9Click)},
        {own, "TntToolButton7", "Calender2", QSignalSpy(own, &OwnRecipesTab::TntToolButton7Click)},
        {own, "TntToolButton10", "Drucken2", QSignalSpy(own, &OwnRecipesTab::TntToolButton10Click)},
        {own, nullptr, "InEditorladen2", QSignalSpy(own, &OwnRecipesTab::InEditorladen2Click)},
        {own, "TntToolButton8", nullptr, QSignalSpy(own, &OwnRecipesTab::TntToolButton8Click)},
        {own, "TntToolButton6", nullptr, QSignalSpy(own, &OwnRecipesTab::TntToolButton1Click)},
    };
    for (Row &row : rows) {
        SCOPED_TRACE(row.button ? row.button : row.entry);
        int expected = 0;
        if (row.button) {
            showPage(t, row.tab == catalogue ? 0 : 1);
            clickButton(t, row.button);
            ++expected;
        }
        if (row.entry) {
            row.tab->findChild<QAction *>(QLatin1String(row.entry))->trigger();
            ++expected;
        }
        EXPECT_EQ(row.spy.count(), expected);
    }
    t.program().searchDialog().hide();

    // The list's context menu request (a right click) opens its popup menu.
    for (const auto &[page, list, menu] : {std::tuple{0, "TntListBox1", "TntPopupMenu4"},
                                           std::tuple{1, "TntListBox2", "TntPopupMenu5"}}) {
        showPage(t, page);
        Q_EMIT t.find<QListView>(QLatin1String(list))->customContextMenuRequested(QPoint(5, 5));
        auto *popup = t.find<QMenu>(QLatin1String(menu));
        EXPECT_TRUE(popup->isVisible()) << menu;
        popup->hide();
    }
}

TEST(RecipeTabs, PrintingRendersIntoTheTabsOwnViewAndPreviewsItOnlyWithASelection)
{
    TempDataDir dir;
    writeKitchen(dir);
    TestProgram t(dir.path());
    for (const TabNames *tab : kBothTabs) {
        SCOPED_TRACE(tab->list);
        showPage(t, tab->pageIndex);
        choose(t.find<QComboBox>(tab->box), 1);
        // Deleting leaves nothing selected.
        clickButton(t, tab->deleteButton);
        clickButton(t, tab->printButton);
        EXPECT_EQ(t.view(tab->view)->previews, 0);

        clickEntry(t, tab->list, int(listed(t, tab->list).indexOf("Zander")));
        choose(t.find<QComboBox>(tab == &kCatalogue ? "TntComboBox4" : "TntComboBox1"), 2);
        ASSERT_NE(shownName(dir), "Zander");
        const qsizetype navigations = t.view(tab->view)->navigations.size();
        clickButton(t, tab->printButton);
        EXPECT_EQ(t.view(tab->view)->previews, 1);
        EXPECT_EQ(shownName(dir), "Zander");
        EXPECT_EQ(t.view(tab->view)->navigations.size(), navigations + (tab->mode == 0 ? 2 : 1));
        EXPECT_EQ(t.view(tab->view)->current(), dir.file("Rezept.htm"));
    }
    EXPECT_EQ(t.view("EmbeddedWB1")->previews, 1);
    EXPECT_EQ(t.view("EmbeddedWB3")->previews, 1);
    EXPECT_TRUE(t.messages.isEmpty()) << t.messages.join('\n').toStdString();
}

TEST(RecipeTabs, LayoutFollowsTheWindowDesign)
{
    TempDataDir dir;
    TestProgram t(dir.path());
    for (const auto &[page, panel, area, buttons] :
         {std::tuple{0, "Panel2", "TntComboBox1", "ML2 TntToolButton3 TntButton70 TntToolButton4 TntToolButton1 "
                                                  "TntToolButton52 TntToolButton45"},
          std::tuple{1, "Panel11", "TntComboBox4", "ML1 TntToolButton9 TntToolButton7 TntToolButton8 TntToolButton6 "
                                                   "TntToolButton10 TntToolButton14"}}) {
        SCOPED_TRACE(panel);
        showPage(t, page);
        const TabNames &tab = page == 0 ? kCatalogue : kOwn;
        auto *left = t.find<QWidget>(QLatin1String(panel));
        EXPECT_EQ(left->width(), 185);
        EXPECT_NE(qobject_cast<QSplitter *>(left->parentWidget()), nullptr);
        EXPECT_EQ(qobject_cast<QSplitter *>(left->parentWidget())->handleWidth(), 1);
        EXPECT_EQ(t.find<QWidget>(QLatin1String(area))->parentWidget()->height(), 160);
        EXPECT_EQ(t.find<QWidget>(QLatin1String(tab.toggle))->height(), 17);
        EXPECT_FALSE(t.find<QComboBox>(QLatin1String(tab.box))->isEditable());
        auto *values = t.find<QListWidget>(QLatin1String(tab.checkList));
        ASSERT_GT(values->count(), 0);
        EXPECT_EQ(values->visualItemRect(values->item(0)).height(), 13);
        EXPECT_EQ(t.find<QWidget>(QLatin1String(tab.statusBar))->height(), 19);
        EXPECT_EQ(t.find<QLabel>(QLatin1String(tab.statusBar) + "Panel0")->width(), 200);
        EXPECT_EQ(t.find<QLabel>(QLatin1String(tab.statusBar) + "Panel1")->width(), 50);
        for (const QString &name : QString::fromLatin1(buttons).split(' ')) {
            auto *button = t.find<QToolButton>(name);
            ASSERT_NE(button, nullptr) << name.toStdString();
            EXPECT_EQ(button->size(), QSize(41, 31)) << name.toStdString();
            EXPECT_FALSE(button->icon().isNull()) << name.toStdString();
            EXPECT_FALSE(button->toolTip().isEmpty()) << name.toStdString();
        }
    }
    EXPECT_EQ(t.find<QToolButton>("TntToolButton45")->toolTip(), "Delete");
    EXPECT_EQ(t.find<QAction>("Drucken2")->text(), "Print");
}

TEST(RecipeTabs, LeftPanelWidthComesBackFromTheSettingsFile)
{
    TempDataDir dir;
    dir.write("Lang.ini", "English\r\nMS Sans Serif\r\n497\r\n891\r\n2\r\n240\r\n161\r\n");
    {
        TestProgram t(dir.path());
        showPage(t, 1);
        EXPECT_EQ(t.find<QWidget>("Panel2")->width(), 240);
        EXPECT_EQ(t.find<QWidget>("Panel11")->width(), 240);
        t.program().close();
    }
    EXPECT_EQ(dir.read("Lang.ini").split('\n').value(5), "240\r");
}

TEST(RecipeTabs, RefreshingTheListsKeepsSelectionPageCountAndTheFavourites)
{
    TempDataDir dir;
    writeKitchen(dir);
    dir.write("Mlist.dat", "Zander\r\nEintopf\r\n");
    TestProgram t(dir.path());
    choose(t.find<QComboBox>("TntComboBox4"), OwnRecipesTab::kFavouritesPosition);
    choose(t.find<QComboBox>("TntComboBox1"), 1);
    showPage(t, 0);
    clickEntry(t, "TntListBox1", 1);
    t.find<CatalogueTab>("TntTabSheet1")->setNames({"Fremd"});
    const QStringList pages = t.view("EmbeddedWB1")->navigations;

    t.main().RefreshRecipeLists();
    EXPECT_EQ(listed(t, "TntListBox1"), (QStringList{"apfelkuchen", "Birnen", "Zander"}));
    EXPECT_EQ(selectedEntry(t, "TntListBox1"), QString());
    EXPECT_EQ(listed(t, "TntListBox2"), (QStringList{"Eintopf", "Zander"}));
    EXPECT_EQ(selectedEntry(t, "TntListBox2"), "Eintopf");
    EXPECT_EQ(countText(t, "StatusBar1"), "3 Recipes");

    clickEntry(t, "TntListBox1", 2);
    t.main().RefreshRecipeLists();
    EXPECT_EQ(selectedEntry(t, "TntListBox1"), "Zander");
    EXPECT_EQ(t.view("EmbeddedWB1")->navigations.size(), pages.size() + 2);
}
