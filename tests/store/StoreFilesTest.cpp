#include "tests/store/StoreFixture.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

QByteArray pictureOfSize(int n)
{
    QByteArray bytes(n, Qt::Uninitialized);
    for (int i = 0; i < n; ++i)
        bytes[i] = char(i * 7 + 3);
    return bytes;
}

QStringList filesIn(const TempDataDir &dir) { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }

} // namespace

TEST(RecipeStoreFiles, NoDataFilesGivesAnEmptyStoreAndCreatesTheDataFile)
{
    StoreFolder f;
    RecipeStore &store = f.open();
    EXPECT_EQ(filesIn(f.dir), QStringList{"Rezepte.dat"});
    EXPECT_EQ(f.size("Rezepte.dat"), 0);
    EXPECT_EQ(store.recordCount(), 0);
    EXPECT_TRUE(store.isNameFree("anything"));
    EXPECT_TRUE(store.isNameFree(""));
    EXPECT_FALSE(store.readIngredients("anything"));
}

class PictureSizes : public ::testing::TestWithParam<int> {};

TEST_P(PictureSizes, AddAppendsTextsAndPictureAndEighteenLines)
{
    const int pictureBytes = GetParam(); // -1: no picture
    StoreFolder f;
    f.dir.write("Rezepte.dat", "earlier bytes");
    RecipeStore &store = f.open();
    store.addRecipe(sampleRecipe("first"));
    const QByteArray dataBefore = f.dir.read("Rezepte.dat");
    const QByteArray indexBefore = f.dir.read("RezList.dat");

    NewRecipe r = sampleRecipe("Käsekuchen", "Ölmann");
    const QByteArray picture = pictureOfSize(std::max(pictureBytes, 0));
    if (pictureBytes >= 0) {
        f.dir.write("temp2.jpg", picture);
        r.hasPicture = true;
    }
    store.addRecipe(r);

    EXPECT_EQ(f.dir.read("Rezepte.dat"),
              dataBefore + r.preparation + r.ingredients + (r.hasPicture ? picture : ""));
    EXPECT_EQ(f.dir.read("RezList.dat"), indexBefore + recordBytes(r, dataBefore.size(), pictureBytes));

    QFile::remove(f.dir.file("temp2.jpg"));
    const auto back = store.readRecipe("Käsekuchen");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->preparation, r.preparation);
    EXPECT_EQ(back->ingredients, r.ingredients);
    EXPECT_EQ(back->hasPicture, pictureBytes >= 0);
    EXPECT_EQ(back->name, r.name);
    EXPECT_EQ(back->author, r.author);
    EXPECT_EQ(back->dimension, r.dimension);
    EXPECT_EQ(back->categories, r.categories);
    EXPECT_EQ(back->language, r.language);
    EXPECT_EQ(f.dir.exists("temp2.jpg"), pictureBytes >= 0);
    if (pictureBytes >= 0) {
        EXPECT_EQ(f.dir.read("temp2.jpg"), picture);
    }
}

INSTANTIATE_TEST_SUITE_P(Blocks, PictureSizes, ::testing::Values(-1, 0, 100, 255, 256, 512, 1000));

TEST(RecipeStoreFiles, DeleteKeepsTheDataAndListsTheNameEveryTime)
{
    StoreFolder f;
    RecipeStore &store = f.open();
    store.addRecipe(sampleRecipe("Soup", "first"));
    store.addRecipe(sampleRecipe("Cake"));
    store.addRecipe(sampleRecipe("Soup", "second"));
    const qint64 dataSize = f.size("Rezepte.dat");
    const QByteArray cake =
        recordBytes(sampleRecipe("Cake"),
                    sampleRecipe("Soup").preparation.size() + sampleRecipe("Soup").ingredients.size(), -1);

    EXPECT_EQ(*store.readAuthor("Soup"), "first");
    ASSERT_TRUE(store.deleteRecipe("Soup"));
    EXPECT_EQ(f.size("Rezepte.dat"), dataSize);
    EXPECT_EQ(f.dir.read("DelRez.dat"), "Soup\r\n");
    EXPECT_EQ(store.recordCount(), 2);
    EXPECT_EQ(*store.readAuthor("Soup"), "second"); // the later one is reached now
    EXPECT_TRUE(f.dir.read("RezList.dat").startsWith(cake));

    ASSERT_TRUE(store.deleteRecipe("Soup"));
    EXPECT_EQ(f.dir.read("DelRez.dat"), "Soup\r\nSoup\r\n");
    EXPECT_EQ(f.dir.read("RezList.dat"), cake);
    EXPECT_TRUE(store.isNameFree("Soup"));
    EXPECT_FALSE(store.deleteRecipe("Soup"));
    EXPECT_EQ(f.dir.read("DelRez.dat"), "Soup\r\nSoup\r\n");
    EXPECT_EQ(f.size("Rezepte.dat"), dataSize);

    RecipeStore &again = f.open();
    EXPECT_EQ(again.deletedNames(), (QList<QByteArray>{"Soup", "Soup"}));
    EXPECT_TRUE(again.isDeleted("sOUP"));
    EXPECT_EQ(again.recordCount(), 1);
}

TEST(RecipeStoreFiles, DuplicateNamesActOnTheFirstAndCaseMatters)
{
    StoreFolder f;
    RecipeStore &store = f.open();
    for (const char *author : {"one", "two", "three"})
        store.addRecipe(sampleRecipe("Stew", author));
    store.addRecipe(sampleRecipe("stew", "lower"));
    EXPECT_EQ(*store.findFirst("Stew"), 0);
    EXPECT_EQ(*store.findFirst("stew"), 3);
    EXPECT_FALSE(store.findFirst("STEW"));
    EXPECT_EQ(store.readRecipe("Stew")->author, "one");

    store.deleteRecipe("Stew");
    EXPECT_EQ(*store.readAuthor("Stew"), "two");
    store.deleteRecipe("stew");
    EXPECT_EQ(*store.readAuthor("Stew"), "two");
    store.deleteRecipe("Stew");
    EXPECT_EQ(*store.readAuthor("Stew"), "three");
    store.addRecipe(sampleRecipe("Stew", "four"));
    EXPECT_EQ(*store.readAuthor("Stew"), "three");
    store.deleteRecipe("Stew");
    EXPECT_EQ(*store.readAuthor("Stew"), "four");
    EXPECT_EQ(store.recordCount(), 1);
}

TEST(RecipeStoreFiles, LookingUpAMissingNameWritesNothing)
{
    StoreFolder f;
    RecipeStore &store = f.open();
    store.addRecipe(sampleRecipe("Present"));
    f.dir.write("temp.jpg", "page picture");
    const QStringList before = filesIn(f.dir);
    const QByteArray index = f.dir.read("RezList.dat");

    EXPECT_FALSE(store.readRecipe("Absent"));
    EXPECT_FALSE(store.readIngredients("Absent"));
    EXPECT_FALSE(store.readAuthor("Absent"));
    EXPECT_FALSE(store.deleteRecipe("Absent"));
    EXPECT_FALSE(store.readRecipe("present"));
    EXPECT_EQ(filesIn(f.dir), before);
    EXPECT_EQ(f.dir.read("temp.jpg"), "page picture");
    EXPECT_EQ(f.dir.read("RezList.dat"), index);
}

TEST(RecipeStoreFiles, ReadRecipeDeletesThePagePicture)
{
    StoreFolder f;
    RecipeStore &store = f.open();
    store.addRecipe(sampleRecipe("Plain"));
    f.dir.write("temp.jpg", "old");
    f.dir.write("temp2.jpg", "old exchange");
    ASSERT_TRUE(store.readRecipe("Plain"));
    EXPECT_FALSE(f.dir.exists("temp.jpg"));
    EXPECT_EQ(f.dir.read("temp2.jpg"), "old exchange"); // no picture: the exchange file is not touched
}

namespace {

// A record as a Windows copy of the program wrote it, with a Windows-1252 language name.
QByteArray windowsRecord(const QByteArray &name, qint64 offset, const QByteArray &prep, const QByteArray &ing)
{
    return name +
           "\r\nJos\xC3\xA9\r\n2\r\n01100000\r\nFran\xE7"
           "ais\r\nFalse\r\n\r\n" +
           QByteArray::number(offset) + "\r\n" + QByteArray::number(prep.size()) + "\r\n" +
           QByteArray::number(offset + prep.size()) + "\r\n" + QByteArray::number(ing.size()) +
           "\r\n-1\r\n-1\r\n-1\r\n-1\r\n-1\r\nFalse\r\nFalse\r\n";
}

} // namespace

TEST(RecipeStoreFiles, AWindowsDataFolderLoadsUnchangedAndRewritesIdentically)
{
    StoreFolder f;
    const QByteArray data = "Prep one\r\nIng one\r\nPrep two\r\nIng two";
    const QByteArray index = windowsRecord("Cr\xC3\xAApe", 0, "Prep one\r\n", "Ing one\r\n") +
                             windowsRecord("Gratin", 19, "Prep two\r\n", "Ing two");
    f.dir.write("RezList.dat", index);
    f.dir.write("Rezepte.dat", data);
    f.dir.write("DelRez.dat", "Old\r\n");
    RecipeStore &store = f.open();
    ASSERT_EQ(store.recordCount(), 2);
    EXPECT_TRUE(store.damageReport().isEmpty());
    EXPECT_EQ(store.line(0, FieldLanguage), "Fran\xE7"
                                            "ais");
    EXPECT_EQ(*store.readIngredients("Gratin"), "Ing two");
    EXPECT_EQ(f.dir.read("RezList.dat"), index);
    EXPECT_EQ(f.dir.read("Rezepte.dat"), data);

    store.deleteRecipe("Gratin");
    EXPECT_EQ(f.dir.read("RezList.dat"), windowsRecord("Cr\xC3\xAApe", 0, "Prep one\r\n", "Ing one\r\n"));
    EXPECT_EQ(f.dir.read("DelRez.dat"), "Old\r\nGratin\r\n");
    EXPECT_EQ(f.dir.read("Rezepte.dat"), data);
}

TEST(RecipeStoreFiles, AnIndexWithOtherLineEndsIsRewrittenWithCrLfByTheNextAddition)
{
    for (const QByteArray &ending : {QByteArray("\n"), QByteArray("\r")}) {
        StoreFolder f;
        QByteArray canonical = windowsRecord("Gratin", 0, "P", "I");
        QByteArray odd = canonical;
        odd.replace("\r\n", ending);
        f.dir.write("RezList.dat", odd);
        f.dir.write("Rezepte.dat", "PI");
        RecipeStore &store = f.open();
        ASSERT_EQ(store.recordCount(), 1);
        EXPECT_EQ(store.line(0, FieldLanguage), "Fran\xE7"
                                                "ais");
        EXPECT_EQ(*store.readIngredients("Gratin"), "I");
        EXPECT_EQ(f.dir.read("RezList.dat"), odd); // loading writes nothing

        const NewRecipe r = sampleRecipe("Next");
        store.addRecipe(r);
        EXPECT_EQ(f.dir.read("RezList.dat"), canonical + recordBytes(r, 2, -1));
    }
}

TEST(RecipeStoreFiles, AppendedIndexEqualsAWholeRewrite)
{
    // The same additions on a canonical index (appended to) and on an LF index (rewritten whole).
    StoreFolder appended, rewritten;
    const QByteArray start = windowsRecord("Gratin", 0, "P", "I");
    QByteArray lf = start;
    lf.replace("\r\n", "\n");
    appended.dir.write("RezList.dat", start);
    rewritten.dir.write("RezList.dat", lf);
    for (StoreFolder *f : {&appended, &rewritten}) {
        f->dir.write("Rezepte.dat", "PI");
        RecipeStore &store = f->open();
        for (int i = 0; i < 5; ++i) {
            NewRecipe r = sampleRecipe("Dish " + QByteArray::number(i));
            r.own = i % 2;
            store.addRecipe(r);
            if (i == 2)
                store.deleteRecipe("Dish 1");
        }
        store.addRecipe(sampleRecipe("Last"));
    }
    const QByteArray bytes = appended.dir.read("RezList.dat");
    EXPECT_EQ(bytes, rewritten.dir.read("RezList.dat"));
    QByteArray expected;
    for (int r = 0; r < appended.store->recordCount(); ++r)
        for (int field = 0; field < RecordLineCount; ++field)
            expected += appended.store->line(r, field).toByteArray() + "\r\n";
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(appended.store->recordCount(), 6);
}
