#include "online/Catalogue.h"
#include "common/Error.h"
#include "store/Database.h"
#include "tests/support/TempDataDir.h"

#include <gtest/gtest.h>

namespace {

void addRecipe(RecipeStore &store, const QByteArray &name)
{
    NewRecipe recipe;
    recipe.name = name;
    recipe.author = "Someone";
    recipe.dimension = "4";
    recipe.categories = "1";
    recipe.language = "English";
    store.addRecipe(recipe);
}

QList<QByteArray> names(const Listing &listing)
{
    QList<QByteArray> result;
    for (const CatalogueEntry &entry : listing.entries)
        result.append(entry.name);
    return result;
}

} // namespace

TEST(CatalogueList, SplitsAtEveryLineBreakAndStopsAtZeroByte)
{
    CatalogueList list;
    list.setReply(QByteArray("7\rSoup\nAnna\r\n2\r\n01\nGerman\r\0ignored\n", 35));
    ASSERT_EQ(list.entryCount(), 1);
    const CatalogueEntry entry = list.entry(0);
    EXPECT_EQ(entry.packageId, "7");
    EXPECT_EQ(entry.name, "Soup");
    EXPECT_EQ(entry.author, "Anna");
    EXPECT_EQ(entry.dimension, "2");
    EXPECT_EQ(entry.categories, "01");
    EXPECT_EQ(entry.language, "German");
}

TEST(CatalogueList, EntriesRunWhileTheirFirstLineIsNotTheLast)
{
    struct Case {
        int lines;
        int entries;
        bool lastComplete;
    };
    for (const Case c : {Case{0, 0, true}, Case{1, 0, true}, Case{6, 1, true}, Case{7, 1, true},
                         Case{8, 2, false}, Case{11, 2, false}, Case{12, 2, true}}) {
        QByteArray text;
        for (int i = 0; i < c.lines; ++i)
            text += "l" + QByteArray::number(i) + "\r\n";
        CatalogueList list;
        list.setReply(text);
        EXPECT_EQ(list.entryCount(), c.entries) << c.lines;
        if (c.entries > 0 && !c.lastComplete) {
            EXPECT_THROW(list.entry(c.entries - 1), Error) << c.lines;
        }
    }
}

TEST(CatalogueListing, OffersFreeUndeletedNamesOfTheLanguage)
{
    TempDataDir dir(false);
    dir.write("DelRez.dat", "Old Stew\r\n");
    RecipeStore store(dir.path());
    store.openData();
    store.loadIndex();
    store.loadDeletedNames();
    addRecipe(store, "Apple Pie");

    CatalogueList list;
    list.setReply("1\r\nAPPLE PIE\r\nA\r\n4\r\n1\r\nEnglish\r\n" // another letter case: still offered
                  "2\r\nApple Pie\r\nA\r\n4\r\n1\r\nEnglish\r\n" // in the store: not offered
                  "3\r\nold stew\r\nA\r\n4\r\n1\r\nEnglish\r\n"  // deleted in another case: not offered
                  "4\r\nGoulash\r\nA\r\n2\r\n01\r\nGerman\r\n"   // another language
                  "5\r\nPancakes\r\nA\r\n1\r\n000001\r\nEnglish\r\n"
                  "6\r\nPancakes\r\nB\r\n9\r\n1\r\nEnglish\r\n"
                  "7\r\nWaffles\r\nA\r\n1\r\n100000\r\nenglish\r\n");
    EXPECT_EQ(names(listOffers(list, store, {"English", std::nullopt, {}})),
              (QList<QByteArray>{"APPLE PIE", "Pancakes", "Pancakes"}));
    EXPECT_EQ(names(listOffers(list, store, {"German", std::nullopt, {}})), QList<QByteArray>{"Goulash"});

    // The filter adds the dimension and the category overlap.
    EXPECT_EQ(names(listOffers(list, store, {"English", QByteArray("1"), "000001"})),
              QList<QByteArray>{"Pancakes"});
    EXPECT_TRUE(listOffers(list, store, {"English", QByteArray("1"), "111110"}).entries.isEmpty());
    EXPECT_EQ(names(listOffers(list, store, {"English", QByteArray("4"), "1"})),
              QList<QByteArray>{"APPLE PIE"});
    EXPECT_TRUE(listOffers(list, store, {"English", QByteArray("2"), "11111111"}).entries.isEmpty());
}

TEST(CatalogueListing, CutShortLastEntryKeepsWhatWasListed)
{
    TempDataDir dir(false);
    RecipeStore store(dir.path());
    store.openData();
    CatalogueList list;
    list.setReply("1\r\nSoup\r\nA\r\n4\r\n1\r\nEnglish\r\n2\r\nStew\r\nA\r\n");
    const Listing listing = listOffers(list, store, {"English", std::nullopt, {}});
    EXPECT_EQ(names(listing), QList<QByteArray>{"Soup"});
    EXPECT_TRUE(listing.error.contains(QStringLiteral("incomplete"))) << listing.error.toStdString();
}
