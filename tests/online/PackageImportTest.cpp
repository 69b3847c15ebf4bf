#include "online/PackageImport.h"
#include "common/Error.h"
#include "online/HttpClient.h"
#include "store/Database.h"
#include "tests/online/OnlinePeers.h"
#include "tests/support/TempDataDir.h"

#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

struct Fixture {
    TempDataDir dir{false};
    RecipeStore store{dir.path()};
    HttpClient http;
    Fixture()
    {
        store.openData();
        store.loadIndex();
    }
};

QByteArray jpegLike(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 7 + 3);
    return bytes;
}

QString importError(PackageImporter &importer, const QString &base, const QByteArray &id)
{
    try {
        importer.ImportPackage(base, id);
    } catch (const Error &error) {
        return error.text();
    }
    return QString();
}

} // namespace

TEST(PackageImport, AddsEveryRecordAsCatalogueRecipe)
{
    Fixture f;
    ExchangeServer server;
    const TestPackage package = makePackage({
        {"Apple Pie", "Anna", "4", "1010", "English", "3 apples\r\nflour", "Bake.", jpegLike(512)},
        {"Plain Soup", "Ben", "2", "01", "German", "water", "Boil.", {}},
        {"Tiny Tart", "Cy", "1", "1", "English", "jam", "Fill.", jpegLike(100)},
    });
    server.put(QStringLiteral("Saffin/Rezepte/RezList17.dat"), package.index);
    server.put(QStringLiteral("Saffin/Rezepte/Rezept17.dat"), package.data);
    f.dir.write("temp.jpg", "old page picture");

    PackageImporter importer(f.http, f.store, f.dir.path());
    importer.ImportPackage(server.root() + QStringLiteral("Saffin/Rezepte/"), "17");

    EXPECT_EQ(server.paths(), (QStringList{QStringLiteral("/Saffin/Rezepte/RezList17.dat"),
                                           QStringLiteral("/Saffin/Rezepte/Rezept17.dat")}));
    ASSERT_EQ(f.store.recordCount(), 3);
    EXPECT_FALSE(f.dir.exists("temp.jpg"));
    EXPECT_EQ(f.dir.read("temp2.jpg"), jpegLike(100)); // the last record's picture
    const auto pie = f.store.readRecipe("Apple Pie");
    ASSERT_TRUE(pie);
    EXPECT_EQ(pie->ingredients, "3 apples\r\nflour");
    EXPECT_EQ(pie->preparation, "Bake.");
    EXPECT_EQ(pie->author, "Anna");
    EXPECT_EQ(pie->categories, "1010");
    EXPECT_EQ(f.store.line(0, FieldOwn), "False");
    EXPECT_EQ(f.store.line(0, FieldPictureBlocks), "2");
    EXPECT_EQ(f.store.line(0, FieldPictureTail), "0");
    EXPECT_EQ(f.store.pictureOf(0), jpegLike(512));
    EXPECT_EQ(f.store.line(1, FieldPictureOffset), "-1");
    EXPECT_EQ(f.store.line(1, FieldLanguage), "German");
    EXPECT_EQ(f.store.pictureOf(2), jpegLike(100));

    // The same package again: every recipe once more.
    importer.ImportPackage(server.root() + QStringLiteral("Saffin/Rezepte/"), "17");
    EXPECT_EQ(f.store.recordCount(), 6);
}

TEST(PackageImport, RecordWithoutPictureLeavesTheExchangeFile)
{
    Fixture f;
    ExchangeServer server;
    const TestPackage package = makePackage({{"Soup", "A", "2", "1", "English", "water", "Boil.", {}}});
    server.put(QStringLiteral("Saffin/Rezepte/RezListx.dat"), package.index);
    server.put(QStringLiteral("Saffin/Rezepte/Rezeptx.dat"), package.data);
    f.dir.write("temp2.jpg", "kept");
    f.dir.write("temp.jpg", "gone");
    PackageImporter importer(f.http, f.store, f.dir.path());
    importer.ImportPackage(server.root() + QStringLiteral("Saffin/Rezepte/"), "x");
    EXPECT_EQ(f.dir.read("temp2.jpg"), "kept");
    EXPECT_FALSE(f.dir.exists("temp.jpg"));
    EXPECT_EQ(f.store.recordCount(), 1);
}

TEST(PackageImport, EmptyIndexAddsNothingButFetchesBoth)
{
    Fixture f;
    ExchangeServer server;
    server.put(QStringLiteral("Saffin/Rezepte/RezList1.dat"), "");
    server.put(QStringLiteral("Saffin/Rezepte/Rezept1.dat"), "");
    PackageImporter importer(f.http, f.store, f.dir.path());
    importer.ImportPackage(server.root() + QStringLiteral("Saffin/Rezepte/"), "1");
    EXPECT_EQ(server.paths().size(), 2);
    EXPECT_EQ(f.store.recordCount(), 0);
}

TEST(PackageImport, SecondTryComesAfterOneSecondAndSwitchesTheAgent)
{
    Fixture f;
    ExchangeServer server(1, QStringLiteral("Rezept5"));
    const TestPackage package = makePackage({{"Soup"}});
    server.put(QStringLiteral("Saffin/Rezepte/RezList5.dat"), package.index);
    server.put(QStringLiteral("Saffin/Rezepte/Rezept5.dat"), package.data);
    PackageImporter importer(f.http, f.store, f.dir.path());
    importer.ImportPackage(server.root() + QStringLiteral("Saffin/Rezepte/"), "5");

    const QList<QJsonObject> requests = server.requests();
    ASSERT_EQ(requests.size(), 3);
    EXPECT_EQ(requests[0].value("path").toString(), QStringLiteral("/Saffin/Rezepte/RezList5.dat"));
    EXPECT_EQ(requests[1].value("path").toString(), QStringLiteral("/Saffin/Rezepte/Rezept5.dat"));
    EXPECT_EQ(requests[2].value("path").toString(), QStringLiteral("/Saffin/Rezepte/Rezept5.dat"));
    const double pause = requests[2].value("time").toDouble() - requests[1].value("time").toDouble();
    EXPECT_GE(pause, 0.95);
    EXPECT_LT(pause, 3.0);
    for (const QJsonObject &request : requests)
        EXPECT_EQ(request.value("agent").toString(), QStringLiteral("Saffin"));
    EXPECT_EQ(f.http.connectTimeoutMs(), 10000);
    EXPECT_EQ(f.store.recordCount(), 1);
}

TEST(PackageImport, TwoFailuresEndTheImportBeforeAnythingIsAdded)
{
    Fixture f;
    ExchangeServer server(2, QStringLiteral("RezList"));
    const TestPackage package = makePackage({{"Soup"}});
    server.put(QStringLiteral("Saffin/Rezepte/RezList5.dat"), package.index);
    server.put(QStringLiteral("Saffin/Rezepte/Rezept5.dat"), package.data);
    PackageImporter importer(f.http, f.store, f.dir.path(), 50);
    const QString error = importError(importer, server.root() + QStringLiteral("Saffin/Rezepte/"), "5");
    EXPECT_TRUE(error.contains(QStringLiteral("RezList5.dat"))) << error.toStdString();
    EXPECT_EQ(server.paths().size(), 2); // the data file is never asked for
    EXPECT_EQ(f.store.recordCount(), 0);
}

TEST(PackageImport, HostilePackagesAreRefusedWhole)
{
    const TestPackage good = makePackage(
        {{"First", "A", "4", "1", "English", "ingredients", "preparation", jpegLike(300)}, {"Second"}});
    QList<QByteArray> lines = good.index.split('\n');
    auto withLine = [&](int line, const QByteArray &value) {
        QList<QByteArray> copy = lines;
        copy[line] = value + '\r';
        return copy.join('\n');
    };
    struct Case {
        const char *what;
        QByteArray index;
        const char *expected;
    };
    const Case cases[] = {
        {"bad number", withLine(18 + 8, "12x"), "not a number"},
        {"blank number", withLine(18 + 9, ""), "not a number"},
        {"text outside", withLine(18 + 7, "100000"), "outside"},
        {"negative length", withLine(18 + 10, "-5"), "outside"},
        {"picture outside", withLine(12, "40"), "outside"},
        {"tail 300", withLine(13, "300"), "tail"},
        {"cut short", good.index + "Third\r\nB\r\n4\r\n1\r\nEnglish\r\n", "cut short"},
    };
    for (const Case &c : cases) {
        Fixture f;
        ExchangeServer server;
        server.put(QStringLiteral("Saffin/Rezepte/RezList9.dat"), c.index);
        server.put(QStringLiteral("Saffin/Rezepte/Rezept9.dat"), good.data);
        PackageImporter importer(f.http, f.store, f.dir.path());
        const QString error = importError(importer, server.root() + QStringLiteral("Saffin/Rezepte/"), "9");
        EXPECT_TRUE(error.contains(QLatin1String(c.expected))) << c.what << ": " << error.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("RezList9.dat"))) << c.what;
        EXPECT_EQ(f.store.recordCount(), 0) << c.what;
        EXPECT_EQ(f.dir.read("Rezepte.dat").size(), 0) << c.what;
    }
}

TEST(PackageImport, IdentifierStaysInsideThePackageFolder)
{
    Fixture f;
    ExchangeServer server;
    server.put(QStringLiteral("Saffin/Rezepte.txt"), "not a package");
    PackageImporter importer(f.http, f.store, f.dir.path(), 10);
    const QString error =
        importError(importer, server.root() + QStringLiteral("Saffin/Rezepte/"), "/../../Rezepte.txt?x#y");
    EXPECT_FALSE(error.isEmpty());
    const QStringList paths = server.paths();
    ASSERT_FALSE(paths.isEmpty());
    for (const QString &path : paths) {
        EXPECT_TRUE(
            path.startsWith(QStringLiteral("/Saffin/Rezepte/RezList%2F..%2F..%2FRezepte.txt%3Fx%23y.dat")))
            << path.toStdString();
    }
    EXPECT_EQ(f.store.recordCount(), 0);
}
