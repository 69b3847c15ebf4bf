#include "store/RecipeSearch.h"
#include "tests/store/StoreFixture.h"

#include <QString>
#include <gtest/gtest.h>

#include <random>

namespace {

using Names = QList<QByteArray>;

QByteArray lower(QByteArrayView utf8) { return QString::fromUtf8(utf8).toLower().toUtf8(); }

// The search done the plain way: every record, every text read and lower-cased afresh.
Names referenceSearch(const RecipeStore &store, QByteArrayView text, int mode, QByteArrayView dimension)
{
    Names names;
    for (int r = 0; !text.isEmpty() && r < store.recordCount(); ++r) {
        if (dimension != "0" && store.line(r, FieldDimension) != dimension)
            continue;
        bool match = lower(store.line(r, FieldAuthor)).contains(text) ||
                     lower(store.line(r, FieldName)).contains(text);
        if (!match && mode >= 1)
            match = lower(store.ingredientsOf(r)).contains(text);
        if (!match && mode >= 2)
            match = lower(store.preparationOf(r)).contains(text);
        if (match)
            names.append(store.line(r, FieldName).toByteArray());
    }
    return names;
}

struct SearchStore : StoreFolder {
    std::unique_ptr<RecipeSearch> search;
    SearchStore()
    {
        RecipeStore &s = open();
        search = std::make_unique<RecipeSearch>(s);
        auto add = [&](const char *name, const char *author, const char *dimension, const char *ingredients,
                       const char *preparation) {
            NewRecipe r = sampleRecipe(name, author);
            r.dimension = dimension;
            r.ingredients = ingredients;
            r.preparation = preparation;
            s.addRecipe(r);
        };
        add("Apfelkuchen", "\xC3\x96lmann", "3", "Mehl\r\nZucker", "Backen");
        add("Soup", "Anna", "0", "Saffron threads", "Simmer gently");
        add("Bread", "Bernd", "3", "Flour", "Knead the DOUGH");
        add("Soup", "Clara", "4", "water", "boil");
    }
    Names find(const char *text, int mode, const char *dimension = "0")
    {
        return search->SearchRecipes(text, mode, dimension);
    }
};

} // namespace

TEST(SearchRecipes, TheCasesThatMatter)
{
    SearchStore f;
    EXPECT_EQ(f.find("", 2), Names{});
    EXPECT_FALSE(f.search->isPrepared());                    // an empty text needs no texts
    EXPECT_EQ(f.find("\xC3\xB6l", 0), Names{"Apfelkuchen"}); // "öl" finds "Ölmann"
    EXPECT_EQ(f.find("saffron", 0), Names{});
    EXPECT_EQ(f.find("saffron", 1), Names{"Soup"});
    EXPECT_EQ(f.find("saffron", 2), Names{"Soup"});
    EXPECT_EQ(f.find("dough", 0), Names{});
    EXPECT_EQ(f.find("dough", 1), Names{});
    EXPECT_EQ(f.find("dough", 2), Names{"Bread"});
    EXPECT_EQ(f.find("DOUGH", 2), Names{}); // the text comes lower-cased
    EXPECT_EQ(f.find("soup", 0), (Names{"Soup", "Soup"}));
    EXPECT_EQ(f.find("soup", 0, "4"), Names{"Soup"});
    EXPECT_EQ(f.find("soup", 0, "0"), (Names{"Soup", "Soup"})); // "0" covers a record of dimension "0"
    EXPECT_EQ(f.find("e", 0, "3"), (Names{"Apfelkuchen", "Bread"}));
    EXPECT_EQ(f.find("e", 0, "5"), Names{});
    EXPECT_EQ(f.find("mehl\r\nzucker", 1), Names{"Apfelkuchen"}); // within one text, breaks included
    EXPECT_EQ(f.find("zuckerbacken", 2), Names{});                // never across two texts
    EXPECT_EQ(f.find("annasoup", 2), Names{});
    EXPECT_EQ(f.search->SearchRecipes(QByteArray("s\0s", 3), 2, "0"),
              Names{}); // not across "threads", "Simmer"
    EXPECT_TRUE(f.search->isPrepared());

    // Changes reach a prepared search.
    f.store->deleteRecipe("Soup");
    EXPECT_EQ(f.find("soup", 0), Names{"Soup"});
    EXPECT_EQ(f.find("saffron", 2), Names{});
    NewRecipe r = sampleRecipe("Gr\xC3\x9C"
                               "NKOHL",
                               "Dora");
    r.preparation = "\xC3\x84PFEL SCHÄLEN";
    f.store->addRecipe(r);
    EXPECT_EQ(f.find("gr\xC3\xBCnkohl", 0), Names{"Gr\xC3\x9C"
                                                  "NKOHL"});
    EXPECT_EQ(f.find("\xC3\xA4pfel", 2), Names{"Gr\xC3\x9C"
                                               "NKOHL"});
}

TEST(SearchRecipes, AgreesWithThePlainSearchThroughAdditionsAndDeletions)
{
    StoreFolder f;
    RecipeStore &store = f.open();
    RecipeSearch search(store);
    std::mt19937 random(7);
    const char *const words[] = {"Onion",
                                 "g\xC3\xA2teau",
                                 "\xC3\x84PFEL",
                                 "Stra\xC3\x9F"
                                 "e",
                                 "\xC4\xB0stanbul",
                                 "\xCE\xA3\xCE\x9F\xCE\xA6\xCE\x99\xCE\x91",
                                 "salt",
                                 "SALT",
                                 "x\xFFy",
                                 "Milk",
                                 "\r\n",
                                 " "};
    // Names and authors are single lines; the texts may hold breaks (the last two words).
    auto text = [&](int count, bool breaks = true) {
        QByteArray t;
        for (int i = 0; i < count; ++i)
            t += words[random() % (std::size(words) - (breaks ? 0 : 2))];
        return t;
    };
    auto addSome = [&](int n) {
        for (int i = 0; i < n; ++i) {
            NewRecipe r = sampleRecipe(text(2, false), text(1, false));
            r.dimension = QByteArray::number(int(random() % 7));
            r.ingredients = text(int(random() % 6));
            r.preparation = text(int(random() % 12));
            store.addRecipe(r);
        }
    };
    const QByteArray needles[] = {"onion",
                                  "\xC3\xA4pfel",
                                  "salt",
                                  "i\xCC\x87stanbul",
                                  "\xCF\x83\xCE\xBF",
                                  "stra\xC3\x9F"
                                  "e",
                                  "milk\r\n",
                                  "t s",
                                  "x\xEF\xBF\xBDy",
                                  "o",
                                  "\r",
                                  "zzz",
                                  "lt",
                                  "ssalt"};
    auto compare = [&] {
        for (const QByteArray &needle : needles)
            for (int mode = 0; mode <= 2; ++mode)
                for (const char *dimension : {"0", "3", "6"})
                    ASSERT_EQ(search.SearchRecipes(needle, mode, dimension),
                              referenceSearch(store, needle, mode, dimension))
                        << needle.toStdString() << " mode " << mode << " dimension " << dimension;
    };
    addSome(150);
    compare();
    for (int round = 0; round < 6; ++round) {
        for (int i = 0; i < 10 && store.recordCount() > 0; ++i)
            store.deleteRecipe(store.line(int(random() % store.recordCount()), FieldName));
        addSome(int(random() % 15));
        compare();
    }
    // A fresh search on the changed store agrees too.
    RecipeSearch fresh(store);
    for (const QByteArray &needle : needles)
        EXPECT_EQ(fresh.SearchRecipes(needle, 2, "0"), search.SearchRecipes(needle, 2, "0"));
}

TEST(SearchRecipes, AnUnreadableTextFailsTheSearchThatNeedsIt)
{
    StoreFolder f;
    const NewRecipe good = sampleRecipe("Good", "Anna"), bad = sampleRecipe("Broken", "Bernd");
    QByteArray index =
        recordBytes(good, 0, -1) + recordBytes(bad, 1000, -1); // the second points past the end
    f.dir.write("RezList.dat", index);
    f.dir.write("Rezepte.dat", good.preparation + good.ingredients);
    RecipeStore &store = f.open();
    RecipeSearch search(store);
    EXPECT_EQ(search.SearchRecipes("bernd", 2, "0"), Names{"Broken"}); // found by its author: no text read
    EXPECT_EQ(search.SearchRecipes("flour", 0, "0"), Names{});
    EXPECT_EQ(search.SearchRecipes("flour", 1, "3"), Names{}); // another dimension: not read
    try {
        search.SearchRecipes("flour", 1, "0");
        ADD_FAILURE() << "no error";
    } catch (const Error &e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("Broken")));
    }
    EXPECT_THROW(referenceSearch(store, "flour", 1, "0"), Error);
}
