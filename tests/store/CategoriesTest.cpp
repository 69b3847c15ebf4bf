#include "store/Categories.h"
#include "common/LanguageTexts.h"
#include "tests/store/StoreFixture.h"

#include <gtest/gtest.h>

TEST(BitsOverlap, Table)
{
    struct Case {
        const char *a, *b;
        bool overlap;
    } cases[] = {
        {"0110", "0010", true},  {"0110", "1001", false}, {"", "", false},        {"", "1", false},
        {"1", "1000000", true},  {"1000000", "1", true},  {"0001", "001", false}, {"x1y", "11a", true},
        {"2222", "2222", false}, {"0000", "0000", false}, {"1111", "1111", true}, {"0", "1", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(BitsOverlap(c.a, c.b), c.overlap) << c.a << " / " << c.b;
}

namespace {

struct FilterStore : StoreFolder {
    FilterStore()
    {
        RecipeStore &s = open();
        auto add = [&](const char *name, const char *dimension, const char *bits, bool own) {
            NewRecipe r = sampleRecipe(name);
            r.dimension = dimension;
            r.categories = bits;
            r.own = own;
            s.addRecipe(r);
        };
        add("d4-own", "4", "100000000000000000000", true);
        add("d2", "2", "11111111", false);
        add("d4-zero", "4", "000000000000000000000", true);
        add("d4", "4", "000000000000000000001", false);
        add("d4-own", "4", "010000000000000000000", true);
        add("d0", "0", "111111", true);
    }
    QList<QByteArray> filter(const char *dimension, const char *bits, bool own = false)
    {
        return FilterRecipes(*store, dimension, bits, own);
    }
};

using Names = QList<QByteArray>;

} // namespace

TEST(FilterRecipes, OnlyTheOwnDimensionAndOverlappingBits)
{
    FilterStore f;
    const QByteArray all4(21, '1');
    EXPECT_EQ(f.filter("4", all4), (Names{"d4-own", "d4", "d4-own"}));
    EXPECT_EQ(f.filter("2", all4), (Names{"d2"})); // the 21 bits overlap the 8 of dimension 2
    EXPECT_EQ(f.filter("4", "1"), (Names{"d4-own"}));
    EXPECT_EQ(f.filter("4", "01"), (Names{"d4-own"}));
    EXPECT_EQ(f.filter("4", QByteArray(21, '0')), Names{});
    EXPECT_EQ(f.filter("04", all4), Names{}); // exact text, not the number
    EXPECT_EQ(f.filter("4", "-1"), (Names{"d4-own", "d4-zero", "d4", "d4-own"}));
    EXPECT_EQ(f.filter("-1", all4), (Names{"d4-own", "d2", "d4", "d4-own", "d0"}));
}

TEST(FilterRecipes, AnyAnyListsEverythingAndOwnOnlyKeepsDuplicates)
{
    FilterStore f;
    EXPECT_EQ(f.filter("-1", "-1"), (Names{"d4-own", "d2", "d4-zero", "d4", "d4-own", "d0"}));
    EXPECT_EQ(f.filter("-1", "-1", true), (Names{"d4-own", "d4-zero", "d4-own", "d0"}));
    EXPECT_EQ(f.filter("4", QByteArray(21, '1'), true), (Names{"d4-own", "d4-own"}));
    f.store->deleteRecipe("d4-own");
    EXPECT_EQ(f.filter("-1", "-1", true), (Names{"d4-zero", "d4-own", "d0"}));
}

TEST(FilterRecipes, EmptyStore)
{
    StoreFolder f;
    EXPECT_EQ(FilterRecipes(f.open(), "-1", "-1", false), Names{});
}

TEST(CategoryLabel, IndicesFollowTheValueCounts)
{
    TempDataDir dir(false);
    QByteArray file;
    for (int i = 0; i < LanguageTexts::kCount; ++i)
        file += "t" + QByteArray::number(i) + (i == 52 ? " \xC3\xA4" : "") + "\r\n";
    dir.write("Test.txt", "\xEF\xBB\xBF" + file);
    LanguageTexts texts;
    texts.load(dir.file("Test.txt"));

    int index = 52;
    for (int d = 1; d <= 6; ++d) {
        EXPECT_EQ(CategoryLabel(texts, d, -1), "t" + QByteArray::number(46 + d - 1));
        for (int v = 1; v <= CategoryValueCounts[d - 1]; ++v, ++index)
            if (index != 52) {
                EXPECT_EQ(CategoryLabel(texts, d, v), "t" + QByteArray::number(index)) << d << "/" << v;
            }
    }
    EXPECT_EQ(index, 119); // 67 values, 52 to 118
    EXPECT_EQ(CategoryLabel(texts, 1, 1), "t52 \xC3\xA4");
    EXPECT_EQ(CategoryLabel(texts, 6, 23), "t118");

    for (auto [d, v] : {std::pair{0, 1}, {7, 1}, {-1, -1}, {1, 0}, {1, 7}, {6, 24}, {2, -2}, {5, 4}})
        EXPECT_EQ(CategoryLabel(texts, d, v), QByteArray()) << d << "/" << v;
}
