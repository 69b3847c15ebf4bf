#include "browse/BrowseTexts.h"
#include "browse/SortedNameModel.h"
#include "common/LanguageTexts.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QList<QByteArray> sorted(const QList<QByteArray> &names)
{
    SortedNameModel model;
    model.setNames(names);
    return model.names();
}

// Runs with a default locale, restored afterwards.
struct LocaleScope {
    explicit LocaleScope(const QLocale &locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(previous); }
    QLocale previous;
};

} // namespace

TEST(SortedNameModel, FilesNamesAlphabeticallyIgnoringCaseAndKeepsDuplicatesInOrder)
{
    const QList<QByteArray> names = {"banana", "Birne", "Äpfel", "apfel", "Zwiebel", "Apfel", "öl", "apfel"};
    const QList<QByteArray> expected = {"apfel", "Apfel", "apfel", "Äpfel", "banana", "Birne", "öl", "Zwiebel"};
    for (const QLocale &locale : {QLocale(QLocale::C), QLocale(QLocale::German, QLocale::Germany),
                                  QLocale(QLocale::English, QLocale::UnitedKingdom)}) {
        SCOPED_TRACE(locale.name().toStdString());
        const LocaleScope scope(locale);
        EXPECT_EQ(sorted(names), expected);
    }
}

TEST(SortedNameModel, RemovesRowsFindsNamesByBytesAndShowsThemDecoded)
{
    SortedNameModel model;
    model.setNames({"Käse", "Brot", "Brot"});
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.data(model.index(2)).toString(), QString::fromUtf8("Käse"));
    EXPECT_EQ(model.rowOf("Brot"), 0);
    EXPECT_EQ(model.rowOf("brot"), -1);
    model.removeName(0);
    model.removeName(7);
    EXPECT_EQ(model.names(), (QList<QByteArray>{"Brot", "Käse"}));
    model.setNames({});
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(BrowseTexts, CountsValueLabelsAndBitStrings)
{
    const LanguageTexts texts;
    EXPECT_EQ(recipeCountText(0, texts), "0 Recipes");
    EXPECT_EQ(recipeCountText(1, texts), "1 Recipe");
    EXPECT_EQ(recipeCountText(12, texts), "12 Recipes");

    const int counts[] = {6, 8, 6, 21, 3, 23, 0};
    for (int position = 0; position < 7; ++position)
        EXPECT_EQ(valueLabelsAt(texts, position).size(), counts[position]) << position;
    EXPECT_TRUE(valueLabelsAt(texts, -1).isEmpty());
    EXPECT_TRUE(valueLabelsAt(texts, 9).isEmpty());
    EXPECT_EQ(valueLabelsAt(texts, 0).first(), "Starter");
    EXPECT_EQ(valueLabelsAt(texts, 5).last(), "Baby food");

    EXPECT_EQ(categoryBits({true, false, false, true}), "1001");
    EXPECT_EQ(categoryBits({}), "");
}

TEST(BrowseTexts, CountTextIsWhatANarrowStatusBarCanShow)
{
    LanguageTexts texts;
    QTemporaryDir dir;
    QFile file(dir.filePath("Greek.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray lines = "\xEF\xBB\xBF" "Save\r\n" "Συνταγές\r\n";
    file.write(lines);
    file.close();
    texts.load(file.fileName());
    EXPECT_EQ(recipeCountText(2, texts), "2 ????????");
}
