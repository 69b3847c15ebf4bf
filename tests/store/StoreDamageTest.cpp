#include "tests/store/StoreFixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

QByteArray indexOf(std::initializer_list<NewRecipe> recipes)
{
    QByteArray out;
    qint64 offset = 0;
    for (const NewRecipe &r : recipes) {
        out += recordBytes(r, offset, -1);
        offset += r.preparation.size() + r.ingredients.size();
    }
    return out;
}

QByteArray dataOf(std::initializer_list<NewRecipe> recipes)
{
    QByteArray out;
    for (const NewRecipe &r : recipes)
        out += r.preparation + r.ingredients;
    return out;
}

QString theCopyIn(const TempDataDir &dir)
{
    const QStringList copies = QDir(dir.path()).entryList({QStringLiteral("RezList.dat?*")}, QDir::Files);
    return copies.size() == 1 ? dir.file(copies.first()) : QString();
}

} // namespace

TEST(RecipeStoreSafety, ASecondStoreOnTheSameFolderIsLockedOut)
{
    StoreFolder f;
    f.open().addRecipe(sampleRecipe("Mine"));
    const QByteArray index = f.dir.read("RezList.dat");
    RecipeStore second(f.dir.path());
    EXPECT_THROW(second.openData(), StoreLockedError);
    try {
        second.openData();
    } catch (const StoreLockedError &e) {
        EXPECT_TRUE(e.text().contains(QDir::toNativeSeparators(f.dir.path())));
    }
    EXPECT_EQ(f.dir.read("RezList.dat"), index);
    f.store.reset(); // the first one ends: the folder is free again
    RecipeStore third(f.dir.path());
    EXPECT_NO_THROW(third.openData());
}

TEST(RecipeStoreSafety, AnIndexWithAPartialRecordKeepsTheWholeOnesAndACopy)
{
    StoreFolder f;
    const NewRecipe a = sampleRecipe("A"), b = sampleRecipe("B");
    const QByteArray whole = indexOf({a, b});
    const QByteArray damaged = whole + "C\r\nAnna\r\n4\r\n";
    f.dir.write("RezList.dat", damaged);
    f.dir.write("Rezepte.dat", dataOf({a, b}));
    RecipeStore &store = f.open();

    EXPECT_EQ(store.recordCount(), 2);
    EXPECT_EQ(*store.readIngredients("B"), b.ingredients);
    EXPECT_TRUE(store.isNameFree("C"));
    const QString copy = theCopyIn(f.dir);
    ASSERT_FALSE(copy.isEmpty());
    QFile copied(copy);
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
    EXPECT_EQ(copied.readAll(), damaged);
    EXPECT_EQ(f.dir.read("RezList.dat"), damaged); // nothing rewritten before the next change
    const QString report = store.damageReport();
    EXPECT_TRUE(report.contains(QStringLiteral("2 complete recipes")));
    EXPECT_TRUE(report.contains(QDir::toNativeSeparators(copy)));

    const NewRecipe c = sampleRecipe("C");
    store.addRecipe(c);
    EXPECT_EQ(f.dir.read("RezList.dat"), whole + recordBytes(c, dataOf({a, b}).size(), -1));
}

TEST(RecipeStoreSafety, ARecordWithANonNumberLineIsKeptAndNamedWhenUsed)
{
    StoreFolder f;
    const NewRecipe a = sampleRecipe("Good"), b = sampleRecipe("Br\xC3\xB6tchen");
    QByteArray index = indexOf({a, b});
    // Damage the ingredients length of the second record.
    QList<QByteArray> lines = index.split('\n');
    lines[18 + FieldIngredientsLength] = "twelve\r";
    index = lines.join('\n');
    f.dir.write("RezList.dat", index);
    f.dir.write("Rezepte.dat", dataOf({a, b}));
    RecipeStore &store = f.open();

    ASSERT_EQ(store.recordCount(), 2);
    EXPECT_TRUE(store.damageReport().contains(QString::fromUtf8("Brötchen")));
    QFile copied(theCopyIn(f.dir));
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
    EXPECT_EQ(copied.readAll(), index);
    EXPECT_EQ(*store.readIngredients("Good"), a.ingredients);

    auto expectNamed = [](auto operation) {
        try {
            operation();
            ADD_FAILURE() << "no error";
        } catch (const Error &e) {
            EXPECT_TRUE(e.text().contains(QString::fromUtf8("Brötchen"))) << e.text().toStdString();
        }
    };
    expectNamed([&] { store.readIngredients("Br\xC3\xB6tchen"); });
    expectNamed([&] { store.readRecipe("Br\xC3\xB6tchen"); });
    expectNamed([&] { store.ingredientsOf(1); });
    expectNamed([&] { store.numberField(1, FieldIngredientsLength); });
    EXPECT_EQ(*store.readAuthor("Br\xC3\xB6tchen"), "Anna"); // the text lines are still readable
}

TEST(RecipeStoreSafety, AnOffsetBeyondTheDataFileIsAnErrorNamingTheRecipe)
{
    StoreFolder f;
    const NewRecipe a = sampleRecipe("Lost");
    f.dir.write("RezList.dat", indexOf({a}));
    f.dir.write("Rezepte.dat", "short");
    RecipeStore &store = f.open();
    try {
        store.readIngredients("Lost");
        ADD_FAILURE() << "no error";
    } catch (const Error &e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("Lost")));
    }
}

TEST(RecipeStoreSafety, AnAdditionPastTwoGibibytesIsRefusedAndWritesNothing)
{
    StoreFolder f;
    {
        QFile data(f.dir.file("Rezepte.dat"));
        ASSERT_TRUE(data.open(QIODevice::WriteOnly));
        ASSERT_TRUE(data.resize((qint64(1) << 31) - 40)); // sparse: takes no disk space
    }
    RecipeStore &store = f.open();
    NewRecipe r = sampleRecipe("Too much");
    r.preparation = QByteArray(20, 'p');
    r.ingredients = QByteArray(20, 'i');
    try {
        store.addRecipe(r);
        ADD_FAILURE() << "no error";
    } catch (const Error &e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("Too much")));
        EXPECT_TRUE(e.text().contains(QStringLiteral("2 GB")));
    }
    EXPECT_EQ(QFileInfo(f.dir.file("Rezepte.dat")).size(), (qint64(1) << 31) - 40);
    EXPECT_FALSE(f.dir.exists("RezList.dat"));
    EXPECT_EQ(store.recordCount(), 0);

    r.ingredients = QByteArray(19, 'i'); // ends exactly at the largest offset a record can hold
    store.addRecipe(r);
    EXPECT_EQ(QFileInfo(f.dir.file("Rezepte.dat")).size(), (qint64(1) << 31) - 1);
    EXPECT_EQ(store.line(0, FieldIngredientsOffset), QByteArray::number((qint64(1) << 31) - 20));
}

TEST(RecipeStoreSafety, AnAdditionWithoutItsPictureFileChangesNothing)
{
    StoreFolder f;
    RecipeStore &store = f.open();
    store.addRecipe(sampleRecipe("Before"));
    const QByteArray data = f.dir.read("Rezepte.dat"), index = f.dir.read("RezList.dat");
    NewRecipe r = sampleRecipe("Pictured");
    r.hasPicture = true;
    try {
        store.addRecipe(r);
        ADD_FAILURE() << "no error";
    } catch (const Error &e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("temp2.jpg")));
    }
    EXPECT_EQ(f.dir.read("Rezepte.dat"), data);
    EXPECT_EQ(f.dir.read("RezList.dat"), index);
    EXPECT_TRUE(store.isNameFree("Pictured"));
}

TEST(RecipeStoreSafety, AnIndexThatCannotBeWrittenLeavesMemoryAsTheFileSays)
{
    StoreFolder f;
    RecipeStore &store = f.open();
    store.addRecipe(sampleRecipe("Kept"));
    // A folder in place of the deleted-names list: deleting fails before anything changes.
    QDir().mkdir(f.dir.file("DelRez.dat"));
    EXPECT_THROW(store.deleteRecipe("Kept"), Error);
    EXPECT_FALSE(store.isNameFree("Kept"));
    EXPECT_EQ(store.recordCount(), 1);
}

TEST(RecipeStoreSafety, ALineBreakInsideALineIsRefused)
{
    StoreFolder f;
    RecipeStore &store = f.open();
    for (QByteArray NewRecipe::*field : {&NewRecipe::name, &NewRecipe::author, &NewRecipe::dimension,
                                         &NewRecipe::categories, &NewRecipe::language}) {
        for (const char *brk : {"\r", "\n"}) {
            NewRecipe r = sampleRecipe("Split");
            r.*field += QByteArray(brk) + "more";
            EXPECT_THROW(store.addRecipe(r), Error);
        }
    }
    EXPECT_EQ(f.size("Rezepte.dat"), 0);
    EXPECT_FALSE(f.dir.exists("RezList.dat"));
}
