#include "online/UpdateTab.h"
#include "online/Catalogue.h"
#include "online/HttpClient.h"
#include "store/AppContext.h"
#include "store/Database.h"
#include "tests/online/OnlinePeers.h"
#include "tests/support/TempDataDir.h"
#include "tests/support/TestProgram.h"

#include <QComboBox>
#include <QHeaderView>
#include <QJsonObject>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

const QByteArray kDish = "100000000000000000000"; // dimension 4, first value

// The program on a fresh folder, talking to the given exchange server.
struct Online {
    TempDataDir dir;
    ExchangeServer &server;
    TestProgram t;

    explicit Online(ExchangeServer &server, const QByteArray &deleted = {})
        : server(server), t(platform(dir, server, deleted))
    {
    }
    static Platform platform(TempDataDir &dir, ExchangeServer &server, const QByteArray &deleted)
    {
        if (!deleted.isEmpty())
            dir.write("DelRez.dat", deleted);
        Platform p = TestProgram::platformFor(dir.path());
        p.serverRoot = server.root();
        return p;
    }
    UpdateTab &tab() { return *t.find<UpdateTab>("TntTabSheet7"); }
    QTreeWidget &list() { return *t.find<QTreeWidget>("TntListView1"); }
    RecipeStore &store() { return t.program().context().store; }
    void click(const char *button) { t.find<QPushButton>(QLatin1String(button))->click(); }
    QStringList column(int c)
    {
        QStringList texts;
        for (int i = 0; i < list().topLevelItemCount(); ++i)
            texts.append(list().topLevelItem(i)->text(c));
        return texts;
    }
    int catalogueRequests() const { return int(server.paths().count(QStringLiteral("/Saffin/Rezepte.txt"))); }
};

void putPackage(ExchangeServer &server, const QByteArray &id, const QList<TestRecipe> &recipes)
{
    const TestPackage package = makePackage(recipes);
    server.put(QStringLiteral("Saffin/Rezepte/RezList%1.dat").arg(QString::fromUtf8(id)), package.index);
    server.put(QStringLiteral("Saffin/Rezepte/Rezept%1.dat").arg(QString::fromUtf8(id)), package.data);
}

} // namespace

TEST(UpdateTab, FetchListsOffersCheckedAndSortsByHeaderClicks)
{
    ExchangeServer server;
    server.put(QStringLiteral("Saffin/Rezepte.txt"),
               catalogueText(
                   {{"1", "banana bread", "Zoe", "4", kDish, "English"},
                    {"2", "Apple Pie", "Mia", "1", "000001", "English"},
                    {"3", "Crumble", "Al", "4", kDish, "English"},
                    {"4", "Eintopf", "Al", "4", kDish, "German"},
                    {"5", QString::fromUtf8("Äpfel im Schlafrock").toUtf8(), "Bo", "4", kDish, "English"}}));
    Online o(server);
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    o.click("TntBitBtn3");
    EXPECT_TRUE(o.t.messages.isEmpty()) << o.t.messages.join('\n').toStdString();
    // Every category right after a fetch, in the locale's order.
    EXPECT_EQ(o.column(0), (QStringList{QString::fromUtf8("Äpfel im Schlafrock"), QStringLiteral("Apple Pie"),
                                        QStringLiteral("banana bread"), QStringLiteral("Crumble")}));
    for (int i = 0; i < o.list().topLevelItemCount(); ++i)
        EXPECT_EQ(o.list().topLevelItem(i)->checkState(0), Qt::Checked);
    EXPECT_EQ(o.tab().catalogueList().entryCount(), 5);

    o.list().header()->sectionClicked(1); // another column: ascending
    EXPECT_EQ(o.column(1), (QStringList{"Al", "Bo", "Mia", "Zoe"}));
    EXPECT_TRUE(o.tab().SortAscending);
    o.list().header()->sectionClicked(1); // same column again: descending
    EXPECT_EQ(o.column(1), (QStringList{"Zoe", "Mia", "Bo", "Al"}));
    EXPECT_FALSE(o.tab().SortAscending);
    EXPECT_EQ(o.tab().LastClickedColumn, 1);

    // The filter applies the category selection of dimension 4 (chosen by the language start-up).
    o.tab().TntCheckListBox5Click();
    EXPECT_EQ(o.column(0), (QStringList{QString::fromUtf8("Äpfel im Schlafrock"),
                                        QStringLiteral("banana bread"), QStringLiteral("Crumble")}));
    o.click("SpeedButton2"); // nothing ticked now
    EXPECT_EQ(o.list().topLevelItemCount(), 0);
    o.click("SpeedButton2");
    EXPECT_EQ(o.list().topLevelItemCount(), 3);

    auto &languages = *o.t.find<QComboBox>("TntComboBox6");
    languages.setCurrentIndex(languages.findText(QStringLiteral("German")));
    o.tab().TntComboBox6Change();
    EXPECT_EQ(o.column(0), QStringList{QStringLiteral("Eintopf")});

    o.tab().TntMenuItem2Click();
    EXPECT_EQ(o.list().topLevelItem(0)->checkState(0), Qt::Unchecked);
    o.tab().TntMenuItem1Click();
    EXPECT_EQ(o.list().topLevelItem(0)->checkState(0), Qt::Checked);
    QLocale::setDefault(before);
}

TEST(UpdateTab, DeletedNamesAreNotOfferedUntilForgotten)
{
    ExchangeServer server;
    server.put(QStringLiteral("Saffin/Rezepte.txt"),
               catalogueText({{"1", "Old Stew", "A", "4", kDish, "English"},
                              {"2", "New Stew", "A", "4", kDish, "English"}}));
    Online o(server, "OLD STEW\r\n");
    o.click("TntBitBtn3");
    EXPECT_EQ(o.column(0), QStringList{QStringLiteral("New Stew")});
    o.click("TntBitBtn2");
    EXPECT_EQ(o.dir.read("DelRez.dat"), QByteArray());
    EXPECT_EQ(o.column(0), QStringList{QStringLiteral("New Stew")}); // not refreshed by itself
    o.click("TntBitBtn3");
    EXPECT_EQ(o.column(0), (QStringList{QStringLiteral("New Stew"), QStringLiteral("Old Stew")}));
}

TEST(UpdateTab, CatalogueFetchRetriesOnceAtOnce)
{
    ExchangeServer server(1, QStringLiteral("Rezepte.txt"));
    server.put(QStringLiteral("Saffin/Rezepte.txt"),
               catalogueText({{"1", "Soup", "A", "4", kDish, "English"}}));
    Online o(server);
    o.click("TntBitBtn3");
    EXPECT_TRUE(o.t.messages.isEmpty());
    EXPECT_EQ(o.column(0), QStringList{QStringLiteral("Soup")});
    const QList<QJsonObject> requests = server.requests();
    ASSERT_EQ(requests.size(), 2);
    EXPECT_LT(requests[1].value("time").toDouble() - requests[0].value("time").toDouble(), 0.5);

    // Two failures: reported, and the list and the catalogue stay as they were.
    server.remove(QStringLiteral("Saffin/Rezepte.txt"));
    o.click("TntBitBtn3");
    EXPECT_EQ(o.catalogueRequests(), 4);
    ASSERT_EQ(o.t.messages.size(), 1);
    EXPECT_TRUE(o.t.messages[0].contains(server.root() + QStringLiteral("Saffin/Rezepte.txt")));
    EXPECT_EQ(o.column(0), QStringList{QStringLiteral("Soup")});
    EXPECT_EQ(o.tab().catalogueList().entryCount(), 1);
}

TEST(UpdateTab, CutShortCatalogueKeepsWhatWasListedAndReports)
{
    ExchangeServer server;
    server.put(QStringLiteral("Saffin/Rezepte.txt"),
               catalogueText({{"1", "Soup", "A", "4", kDish, "English"}}) + "2\r\nStew\r\nA\r\n");
    Online o(server);
    o.click("TntBitBtn3");
    EXPECT_EQ(o.column(0), QStringList{QStringLiteral("Soup")});
    ASSERT_EQ(o.t.messages.size(), 1);
    EXPECT_TRUE(o.t.messages[0].contains(QStringLiteral("incomplete")));
}

TEST(UpdateTab, AddToDatabaseImportsEveryEntryOfATickedNameThenFetchesAgain)
{
    ExchangeServer server;
    server.put(QStringLiteral("Saffin/Rezepte.txt"),
               catalogueText({{"10", "Soup", "A", "4", kDish, "English"},
                              {"11", "Soup", "B", "4", kDish, "English"},
                              {"12", "Stew", "C", "4", kDish, "English"}}));
    putPackage(server, "10", {{"Soup", "A"}});
    putPackage(server, "11", {{"Soup", "B"}, {"Soup Two", "B"}});
    putPackage(server, "12", {{"Stew", "C"}});
    Online o(server);
    o.click("TntBitBtn3");
    ASSERT_EQ(o.column(0), (QStringList{"Soup", "Soup", "Stew"}));
    o.list().topLevelItem(2)->setCheckState(0, Qt::Unchecked);

    QStringList captions;
    QObject::connect(&o.t.main(), &QWidget::windowTitleChanged,
                     [&](const QString &title) { captions.append(title); });
    o.click("BitBtn1");
    EXPECT_TRUE(o.t.messages.isEmpty()) << o.t.messages.join('\n').toStdString();
    EXPECT_EQ(captions, (QStringList{"Saffin - 0:3", "Saffin - 1:3", "Saffin - 2:3", "Saffin"}));
    // Both "Soup" items import both "Soup" entries.
    EXPECT_EQ(o.store().recordCount(), 6);
    EXPECT_EQ(o.store().line(0, FieldAuthor), "A");
    EXPECT_EQ(o.store().line(1, FieldAuthor), "B");
    EXPECT_EQ(o.store().line(2, FieldName), "Soup Two");
    EXPECT_EQ(o.store().line(5, FieldName), "Soup Two");
    EXPECT_EQ(o.t.find<QProgressBar>("ProgressBar1")->value(), 0);
    // The fresh fetch no longer offers what is now in the store.
    EXPECT_EQ(o.catalogueRequests(), 2);
    EXPECT_EQ(o.column(0), QStringList{QStringLiteral("Stew")});
    EXPECT_EQ(o.tab().catalogueList().entryCount(), 3);
    EXPECT_EQ(o.t.main().windowTitle(), QStringLiteral("Saffin"));

    // The user agent switched with the first import and stayed for the later fetch.
    const QList<QJsonObject> requests = server.requests();
    EXPECT_EQ(requests.first().value("agent").toString(),
              QStringLiteral("Mozilla/3.0 (compatible; Indy Library)"));
    EXPECT_EQ(requests.last().value("path").toString(), QStringLiteral("/Saffin/Rezepte.txt"));
    EXPECT_EQ(requests.last().value("agent").toString(), QStringLiteral("Saffin"));
    EXPECT_EQ(o.tab().httpClient().connectTimeoutMs(), 10000);
}

TEST(UpdateTab, FailingImportKeepsEarlierRecipesCleansUpAndReports)
{
    ExchangeServer server;
    server.put(QStringLiteral("Saffin/Rezepte.txt"),
               catalogueText({{"1", "Apple", "A", "4", kDish, "English"},
                              {"2", "Broken", "A", "4", kDish, "English"},
                              {"3", "Cherry", "A", "4", kDish, "English"}}));
    putPackage(server, "1", {{"Apple"}});
    putPackage(server, "3", {{"Cherry"}});
    Online o(server);
    o.tab().importer().setRetryPauseMs(20);
    o.click("TntBitBtn3");
    ASSERT_EQ(o.list().topLevelItemCount(), 3);
    o.click("BitBtn1");
    ASSERT_EQ(o.t.messages.size(), 1);
    EXPECT_TRUE(o.t.messages[0].contains(QStringLiteral("RezList2.dat"))) << o.t.messages[0].toStdString();
    EXPECT_EQ(o.store().recordCount(), 1);
    EXPECT_EQ(o.t.main().windowTitle(), QStringLiteral("Saffin"));
    EXPECT_EQ(o.t.find<QProgressBar>("ProgressBar1")->value(), 0);
    EXPECT_EQ(o.catalogueRequests(), 2);
    EXPECT_EQ(o.column(0), (QStringList{"Broken", "Cherry"}));
}

TEST(UpdateTab, AddToDatabaseWithEmptyListOnlyCleansUp)
{
    ExchangeServer server;
    server.put(QStringLiteral("Saffin/Rezepte.txt"),
               catalogueText({{"1", "Soup", "A", "4", kDish, "German"}}));
    Online o(server);
    o.click("BitBtn1");
    EXPECT_TRUE(o.t.messages.isEmpty());
    EXPECT_EQ(server.paths(), QStringList{QStringLiteral("/Saffin/Rezepte.txt")});
    EXPECT_EQ(o.tab().catalogueList().entryCount(), 1);
}
