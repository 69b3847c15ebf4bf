#include "common/Error.h"
#include "common/FileIO.h"
#include "online/Catalogue.h"
#include "online/PackageImport.h"
#include "store/Categories.h"

#include <QDir>

#include <gtest/gtest.h>

// The sample exchange in the repository must be something the program takes as it is.
TEST(SampleExchange, EveryCatalogueEntryHasAValidPackage)
{
    const QString root = QStringLiteral(SAFFIN_SOURCE_DIR "/exchange/Saffin/");
    CatalogueList list;
    list.setReply(readWholeFile(root + QStringLiteral("Rezepte.txt")));
    ASSERT_GE(list.entryCount(), 12);
    int withPicture = 0;
    QSet<QByteArray> languages;
    for (int i = 0; i < list.entryCount(); ++i) {
        const CatalogueEntry entry = list.entry(i);
        const int dimension = entry.dimension.toInt();
        ASSERT_GE(dimension, 1);
        ASSERT_LE(dimension, 6);
        EXPECT_EQ(entry.categories.size(), CategoryValueCounts[dimension - 1]);
        EXPECT_TRUE(entry.categories.contains('1'));
        languages.insert(entry.language);
        const QString id = QString::fromLatin1(entry.packageId);
        const QList<PackageRecord> records =
            parsePackage(readWholeFile(root + QStringLiteral("Rezepte/RezList%1.dat").arg(id)),
                         readWholeFile(root + QStringLiteral("Rezepte/Rezept%1.dat").arg(id)), id);
        ASSERT_EQ(records.size(), 1);
        EXPECT_EQ(records[0].name, entry.name);
        EXPECT_GT(records[0].ingredientsLength, 0);
        EXPECT_GT(records[0].preparationLength, 0);
        withPicture += records[0].pictureOffset != -1;
    }
    EXPECT_GE(withPicture, 3);
    EXPECT_EQ(languages, (QSet<QByteArray>{"English", "German"}));
    for (const char *page : {"English", "German"})
        EXPECT_TRUE(readWholeFile(root + QLatin1String(page)).startsWith("<!DOCTYPE html>"));
}
