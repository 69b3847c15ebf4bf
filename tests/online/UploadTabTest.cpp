#include "online/UploadTab.h"
#include "common/LanguageTexts.h"
#include "common/TextLines.h"
#include "online/HttpClient.h"
#include "online/PackageImport.h"
#include "online/UpdateTab.h"
#include "store/AppContext.h"
#include "store/Database.h"
#include "tests/online/OnlinePeers.h"
#include "tests/support/TempDataDir.h"
#include "tests/support/TestProgram.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QListWidget>
#include <QTabWidget>
#include <QToolButton>

#include <gtest/gtest.h>
#include <zip.h>

namespace {

QByteArray pictureBytes(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(255 - i % 251);
    return bytes;
}

struct Upload {
    TempDataDir dir;
    ExchangeServer server;
    TestProgram t;

    explicit Upload(int smtpPort = 9) : t(platform(dir, server, smtpPort)) {}
    static Platform platform(TempDataDir &dir, ExchangeServer &server, int smtpPort)
    {
        Platform p = TestProgram::platformFor(dir.path());
        p.serverRoot = server.root();
        p.smtp = {QStringLiteral("127.0.0.1"),
                  smtpPort,
                  QStringLiteral("saffin01"),
                  QStringLiteral("uploadmailbox0000000"),
                  QStringLiteral("upload@saffin.invalid"),
                  QStringLiteral("recipes@saffin.invalid")};
        return p;
    }
    UploadTab &tab() { return *t.find<UploadTab>("TntTabSheet3"); }
    QListWidget &list() { return *t.find<QListWidget>("TntCheckListBox2"); }
    RecipeStore &store() { return t.program().context().store; }
    void addOwn(const QByteArray &name, const QByteArray &author, const QByteArray &picture = {},
                bool own = true)
    {
        if (!picture.isEmpty())
            dir.write("temp2.jpg", picture);
        NewRecipe r;
        r.name = name;
        r.author = author;
        r.dimension = "3";
        r.categories = "010000";
        r.language = "German";
        r.ingredients = "ingredients of " + name;
        r.preparation = "preparation of " + name + "\r\nsecond line";
        r.hasPicture = !picture.isEmpty();
        r.own = own;
        store().addRecipe(r);
    }
    QStringList items()
    {
        QStringList texts;
        for (int i = 0; i < list().count(); ++i)
            texts.append(list().item(i)->text());
        return texts;
    }
};

QMap<QString, QByteArray> unzip(const QByteArray &archive)
{
    QMap<QString, QByteArray> files;
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source =
        zip_source_buffer_create(archive.constData(), zip_uint64_t(archive.size()), 0, &error);
    zip_t *zip = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    if (!zip) {
        if (source)
            zip_source_free(source);
        zip_error_fini(&error);
        return files;
    }
    for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i) {
        zip_stat_t stat;
        zip_stat_index(zip, zip_uint64_t(i), 0, &stat);
        QByteArray bytes(qsizetype(stat.size), '\0');
        zip_file_t *file = zip_fopen_index(zip, zip_uint64_t(i), 0);
        zip_fread(file, bytes.data(), stat.size);
        zip_fclose(file);
        files.insert(QString::fromUtf8(stat.name), bytes);
    }
    zip_close(zip);
    zip_error_fini(&error);
    return files;
}

} // namespace

TEST(UploadTab, ListsOwnRecipesTheServerDoesNotOfferUnderTheSameAuthor)
{
    Upload u;
    u.server.put(QStringLiteral("Saffin/Rezepte.txt"),
                 catalogueText({{"1", "Borscht", "Olga", "3", "01", "German"},
                                {"2", "Knoedel", "Else", "3", "01", "German"}}));
    u.addOwn("Borscht", "Olga"); // offered under the same author: left out
    u.addOwn("Knoedel", "Hans"); // same name, another author: listed
    u.addOwn("Zwiebelkuchen", "Hans");
    u.addOwn("Apfelmus", "Hans");
    u.addOwn("Imported", "Hans", {}, false);
    u.t.find<QToolButton>("TntToolButton20")->click();
    EXPECT_TRUE(u.t.messages.isEmpty()) << u.t.messages.join('\n').toStdString();
    EXPECT_EQ(u.items(), (QStringList{"Apfelmus", "Knoedel", "Zwiebelkuchen"}));
    for (int i = 0; i < u.list().count(); ++i)
        EXPECT_EQ(u.list().item(i)->checkState(), Qt::Checked);
    // The catalogue list is the one the update tab filters.
    EXPECT_EQ(u.t.find<UpdateTab>("TntTabSheet7")->catalogueList().entryCount(), 2);

    u.tab().Marknone1Click();
    EXPECT_EQ(u.list().item(0)->checkState(), Qt::Unchecked);
    u.tab().Markall1Click();
    EXPECT_EQ(u.list().item(2)->checkState(), Qt::Checked);

    // A double click shows the recipe on the "Rezepte" tab.
    u.list().setCurrentRow(1);
    u.tab().TntCheckListBox2DblClick();
    EXPECT_EQ(u.t.main().pageControl()->currentIndex(), 0);
}

TEST(UploadTab, ExportReadsBackAsPackageAndIsMailedZipped)
{
    MailSink sink;
    Upload u(sink.port());
    u.server.put(QStringLiteral("Saffin/Rezepte.txt"), "");
    u.addOwn("Sauerbraten", "Hans", pictureBytes(700));
    u.addOwn("Apfelmus", "Hans");
    u.addOwn("Gulasch", "Hans", pictureBytes(256));
    u.addOwn("Weg", "Hans");
    u.tab().TntToolButton20Click();
    ASSERT_EQ(u.items(), (QStringList{"Apfelmus", "Gulasch", "Sauerbraten", "Weg"}));
    u.store().deleteRecipe("Weg"); // left the store after the listing: skipped
    u.t.find<QToolButton>("TB76")->click();

    const LanguageTexts &texts = u.t.program().context().texts;
    EXPECT_EQ(u.t.messages, QStringList{texts.text(119)});
    EXPECT_FALSE(u.dir.exists("Upload.zip"));

    const QByteArray index = u.dir.read("RezList.new");
    const QByteArray data = u.dir.read("Rezepte.new");
    const QList<QByteArray> lines = splitLines(index);
    ASSERT_EQ(lines.size(), 3 * 18);
    EXPECT_TRUE(index.endsWith("\r\n"));
    EXPECT_EQ(lines[0], "Apfelmus");
    EXPECT_EQ(lines[5], "False");
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(lines[11], "-1");
    EXPECT_EQ(lines[12], "-1");
    EXPECT_EQ(lines[13], "-1");
    EXPECT_EQ(lines[14], "-1");
    EXPECT_EQ(lines[15], "-1");
    EXPECT_EQ(lines[16], "False");
    EXPECT_EQ(lines[17], "False");
    EXPECT_EQ(lines[18 + 12], "1");
    EXPECT_EQ(lines[18 + 13], "0");
    EXPECT_EQ(lines[36 + 12], "2");
    EXPECT_EQ(lines[36 + 13], "188");

    // Read back as a package into a fresh store.
    u.server.put(QStringLiteral("Saffin/Rezepte/RezListnew.dat"), index);
    u.server.put(QStringLiteral("Saffin/Rezepte/Rezeptnew.dat"), data);
    TempDataDir fresh(false);
    RecipeStore store(fresh.path());
    store.openData();
    HttpClient http;
    PackageImporter(http, store, fresh.path())
        .ImportPackage(u.server.root() + QStringLiteral("Saffin/Rezepte/"), "new");
    ASSERT_EQ(store.recordCount(), 3);
    for (int r = 0; r < 3; ++r) {
        const QByteArray name = store.line(r, FieldName).toByteArray();
        const auto original = u.store().findFirst(name);
        ASSERT_TRUE(original) << name.toStdString();
        for (int field : {FieldAuthor, FieldDimension, FieldCategories, FieldLanguage})
            EXPECT_EQ(store.line(r, field), u.store().line(*original, field));
        EXPECT_EQ(store.preparationOf(r), u.store().preparationOf(*original));
        EXPECT_EQ(store.ingredientsOf(r), u.store().ingredientsOf(*original));
        EXPECT_EQ(store.pictureOf(r), u.store().pictureOf(*original));
    }

    // The mail.
    ASSERT_EQ(sink.mailCount(), 1);
    const QJsonObject mail = sink.mail(1);
    const QByteArray zip = sink.attachment(1, QStringLiteral("Upload.zip"));
    const QString size = QString::number(zip.size());
    EXPECT_EQ(mail.value("subject").toString(), QStringLiteral("Dizevadi.dat, Filesize: ") + size);
    EXPECT_EQ(mail.value("body").toString(), QStringLiteral("Version: 1.1\r\nFilesize: ") + size);
    EXPECT_EQ(mail.value("from").toString(), QStringLiteral("upload@saffin.invalid"));
    EXPECT_EQ(mail.value("to").toArray().first().toString(), QStringLiteral("recipes@saffin.invalid"));
    const QMap<QString, QByteArray> files = unzip(zip);
    EXPECT_EQ(files.keys(), (QStringList{"RezList.new", "Rezepte.new"}));
    EXPECT_EQ(files.value("RezList.new"), index);
    EXPECT_EQ(files.value("Rezepte.new"), data);
}

TEST(UploadTab, FailedSendKeepsTheArchiveAndSaysNothingOfSuccess)
{
    Upload u(freePort());
    u.server.put(QStringLiteral("Saffin/Rezepte.txt"), "");
    u.addOwn("Apfelmus", "Hans");
    u.tab().TntToolButton20Click();
    u.t.find<QToolButton>("TB76")->click();
    EXPECT_TRUE(u.dir.exists("Upload.zip"));
    ASSERT_EQ(u.t.messages.size(), 1);
    EXPECT_TRUE(u.t.messages[0].contains(QStringLiteral("mail"))) << u.t.messages[0].toStdString();
    EXPECT_NE(u.t.messages[0], u.t.program().context().texts.text(119));
}

TEST(UploadTab, NothingCheckedWritesAnEmptyDataFileAndKeepsTheOldIndex)
{
    MailSink sink;
    Upload u(sink.port());
    u.server.put(QStringLiteral("Saffin/Rezepte.txt"), "");
    u.dir.write("RezList.new", "from an earlier export\r\n");
    u.dir.write("Rezepte.new", "old data");
    u.addOwn("Apfelmus", "Hans");
    u.tab().TntToolButton20Click();
    u.tab().Marknone1Click();
    u.tab().TB76Click();
    EXPECT_EQ(u.dir.read("Rezepte.new"), QByteArray());
    EXPECT_EQ(u.dir.read("RezList.new"), "from an earlier export\r\n");
    EXPECT_EQ(sink.mailCount(), 1);
    EXPECT_EQ(u.t.messages.size(), 1);
}
