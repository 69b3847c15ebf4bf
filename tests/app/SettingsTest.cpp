#include "about/AboutTab.h"
#include "app/Dizevadi.h"
#include "app/Settings.h"
#include "browse/Search.h"
#include "tests/support/TempDataDir.h"
#include "tests/support/TestProgram.h"

#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QSplitter>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

QList<QByteArray> iniLines(const TempDataDir &dir)
{
    QByteArray bytes = dir.read("Lang.ini");
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    bytes.chop(2);
    return bytes.split('\n');
}

void choose(QComboBox *box, const QString &text)
{
    const int index = box->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    box->setCurrentIndex(index);
    Q_EMIT box->activated(index);
}

QString installedFont()
{
    const QStringList families = QFontDatabase::families();
    return families.isEmpty() ? QString() : families.first();
}

// Everything under the folder with its bytes, to prove nothing was written.
QMap<QString, QByteArray> snapshot(const TempDataDir &dir)
{
    QMap<QString, QByteArray> files;
    QDir root(dir.path());
    for (const QString &name : root.entryList(QDir::Files))
        files.insert(name, dir.read(name));
    return files;
}

} // namespace

TEST(Settings, LangIniRoundTripsLanguageFontSizeAndWindow)
{
    TempDataDir dir;
    const QString font = installedFont();
    ASSERT_FALSE(font.isEmpty());
    {
        TestProgram t(dir.path());
        choose(t.find<QComboBox>("TntComboBox7"), QStringLiteral("German"));
        choose(t.find<QComboBox>("ComboBox1"), font);
        choose(t.find<QComboBox>("ComboBox2"), QStringLiteral("4"));
        t.main().resize(900, 600);
        t.program().close();
        const QList<QByteArray> lines = iniLines(dir);
        ASSERT_EQ(lines.size(), 7);
        EXPECT_EQ(lines[0], "German\r");
        EXPECT_EQ(lines[1], font.toLatin1() + "\r");
        EXPECT_EQ(lines[2], "600\r");
        EXPECT_EQ(lines[3], "900\r");
        EXPECT_EQ(lines[4], "4\r");
    }
    TestProgram t(dir.path());
    EXPECT_EQ(t.main().pageControl()->currentIndex(), 0) << "a later start shows the first tab";
    for (const char *name : {"TntComboBox7", "TntComboBox6", "TntComboBox3"})
        EXPECT_EQ(t.find<QComboBox>(QLatin1String(name))->currentText(), QStringLiteral("German")) << name;
    EXPECT_EQ(t.find<QComboBox>("ComboBox1")->currentText(), font);
    EXPECT_EQ(t.find<QComboBox>("ComboBox2")->currentText(), QStringLiteral("4"));
    EXPECT_EQ(t.main().font().family(), font);
    EXPECT_EQ(t.main().height(), 600);
    EXPECT_EQ(t.main().width(), 900);
    EXPECT_EQ(t.main().pageControl()->tabText(0), QStringLiteral("Rezepte"));
    EXPECT_EQ(t.main().pageControl()->tabText(9), QStringLiteral("Über"));
    EXPECT_EQ(t.program().settings().CommunityLanguage(), QStringLiteral("German"));
}

TEST(Settings, BadNumberInLangIniKeepsDefaultsAndDoesNotRewrite)
{
    TempDataDir dir;
    const QString font = installedFont();
    const QByteArray ini = "German\r\n" + font.toLatin1() + "\r\nabc\r\n700\r\n5\r\n240\r\n200\r\n";
    dir.write("Lang.ini", ini);
    TestProgram t(dir.path());
    EXPECT_EQ(t.find<QComboBox>("TntComboBox7")->currentText(), QStringLiteral("German"));
    EXPECT_EQ(t.find<QComboBox>("TntComboBox6")->currentText(), QStringLiteral("German"));
    EXPECT_EQ(t.find<QComboBox>("ComboBox1")->currentText(), font);
    EXPECT_EQ(t.main().pageControl()->tabText(0), QStringLiteral("Rezepte"));
    EXPECT_EQ(t.main().pageControl()->tabText(3), QStringLiteral("Neues Rezept"));
    EXPECT_EQ(t.main().font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(t.main().width(), 891);
    EXPECT_EQ(t.find<QComboBox>("ComboBox2")->currentText(), QStringLiteral("2"));
    EXPECT_EQ(dir.read("Lang.ini"), ini);
    EXPECT_TRUE(t.messages.isEmpty());
}

TEST(Settings, LanguageNamesDecideDateStyleAndCommunityLanguage)
{
    TempDataDir dir;
    dir.write("Languages/german.txt", dir.read("Languages/German.txt"));
    dir.write("Languages/Italiano.txt", dir.read("Languages/English.txt"));
    TestProgram t(dir.path());
    auto *language = t.find<QComboBox>("TntComboBox7");
    const struct {
        const char *chosen;
        const char *community;
    } cases[] = {{"German", "German"}, {"Italiano", "English"}, {"English", "English"}};
    for (const auto &c : cases) {
        language->setCurrentIndex(language->findText(QLatin1String(c.chosen), Qt::MatchFixedString | Qt::MatchCaseSensitive));
        EXPECT_EQ(t.program().settings().CommunityLanguage(), QLatin1String(c.community)) << c.chosen;
    }
    // "german" in lower case is a different language name.
    const int lower = language->findText(QStringLiteral("german"), Qt::MatchFixedString | Qt::MatchCaseSensitive);
    ASSERT_GE(lower, 0);
    language->setCurrentIndex(lower);
    EXPECT_EQ(t.program().settings().CommunityLanguage(), QStringLiteral("English"));
}

TEST(Settings, ChoosingALanguageRelabelsAndFollowsInTheOtherBoxes)
{
    TempDataDir dir;
    TestProgram t(dir.path());
    choose(t.find<QComboBox>("TntComboBox7"), QStringLiteral("German"));
    EXPECT_EQ(t.find<QComboBox>("TntComboBox6")->currentText(), QStringLiteral("German"));
    EXPECT_EQ(t.find<QComboBox>("TntComboBox3")->currentText(), QStringLiteral("German"));
    EXPECT_EQ(t.main().pageControl()->tabText(2), QStringLiteral("Ordner"));
    EXPECT_EQ(t.program().searchDialog().windowTitle(), QStringLiteral("Suche"));
    EXPECT_EQ(t.program().searchDialog().dimensionBox()->itemText(0), QStringLiteral("Alle Kategorien"));
    EXPECT_EQ(iniLines(dir).value(0), "German\r");
}

TEST(Settings, ListLanguageFilesCutsTheLastExtensionAndSkipsFolders)
{
    TempDataDir dir(false);
    QDir().mkpath(dir.file("Languages/Sub"));
    dir.write("Languages/Readme.doc", "x");
    dir.write("Languages/Deutsch.alt.txt", "x");
    dir.write("Languages/NoDot", "x");
    QStringList names = ListLanguageFiles(dir.file("Languages"));
    names.sort();
    EXPECT_EQ(names, (QStringList{"Deutsch.alt", "NoDot", "Readme"}));
    EXPECT_TRUE(ListLanguageFiles(dir.file("Missing")).isEmpty());
}

TEST(Settings, MissingOrShortLanguageFileFallsBackToEnglishWithOneMessage)
{
    TempDataDir dir(false);
    {
        TestProgram t(dir.path());
        ASSERT_TRUE(t.program().isRunning());
        EXPECT_EQ(t.main().pageControl()->tabText(0), QStringLiteral("Recipes"));
        ASSERT_EQ(t.messages.size(), 1);
        EXPECT_TRUE(t.messages[0].contains(QStringLiteral("English.txt"))) << t.messages[0].toStdString();
    }
    TempDataDir shortFile;
    shortFile.write("Languages/Kurz.txt", "Sichern\r\nRezepteKurz\r\n");
    TestProgram t(shortFile.path());
    t.messages.clear();
    choose(t.find<QComboBox>("TntComboBox7"), QStringLiteral("Kurz"));
    EXPECT_EQ(t.main().pageControl()->tabText(0), QStringLiteral("RezepteKurz"));
    EXPECT_EQ(t.main().pageControl()->tabText(9), QStringLiteral("About"));
    ASSERT_EQ(t.messages.size(), 1) << t.messages.join('\n').toStdString();
    EXPECT_TRUE(t.messages[0].contains(QStringLiteral("Kurz.txt")));
}

TEST(Settings, UnwritableLangIniIsReportedAndTheProgramGoesOn)
{
    TempDataDir dir;
    TestProgram t(dir.path());
    QDir().mkpath(dir.file("Lang.ini")); // a folder in the way
    choose(t.find<QComboBox>("ComboBox2"), QStringLiteral("3"));
    ASSERT_EQ(t.messages.size(), 1);
    EXPECT_TRUE(t.messages[0].contains(QStringLiteral("Lang.ini")));
    t.program().close();
    EXPECT_EQ(t.messages.size(), 2);
}

TEST(Startup, SecondCopyOnTheSameFolderEndsWithoutWritingAnything)
{
    TempDataDir dir;
    TestProgram first(dir.path());
    ASSERT_TRUE(first.program().isRunning());
    const auto before = snapshot(dir);
    {
        TestProgram second(dir.path());
        EXPECT_FALSE(second.program().isRunning());
        ASSERT_EQ(second.messages.size(), 1);
        EXPECT_TRUE(second.messages[0].contains(QStringLiteral("already open")));
        second.program().close();
    }
    EXPECT_EQ(snapshot(dir), before);
}

TEST(Startup, DamagedIndexIsReportedOnceWithTheCopyKept)
{
    TempDataDir dir;
    QByteArray record;
    for (const char *line : {"Soup", "Ann", "1", "100000", "English", "True", "", "0", "0", "0", "0", "-1", "-1",
                             "-1", "-1", "-1", "False", "False"})
        record += QByteArray(line) + "\r\n";
    dir.write("RezList.dat", record + "Half\r\nRecord\r\n");
    TestProgram t(dir.path());
    ASSERT_EQ(t.messages.size(), 1);
    EXPECT_TRUE(t.messages[0].contains(QStringLiteral("RezList.dat.damaged-"))) << t.messages[0].toStdString();
    const QStringList copies = QDir(dir.path()).entryList({QStringLiteral("RezList.dat.damaged-*")});
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(dir.read(copies[0]), record + "Half\r\nRecord\r\n");
}

TEST(Settings, PanelWidthsComeBackOnBothRecipeTabsAndTheFolderTree)
{
    TempDataDir dir;
    {
        TestProgram t(dir.path());
        auto *splitter = qobject_cast<QSplitter *>(t.find<QWidget>("Panel2")->parentWidget());
        ASSERT_NE(splitter, nullptr);
        t.main().pageControl()->setCurrentIndex(0);
        QList<int> sizes = splitter->sizes();
        const int total = sizes[0] + sizes[1];
        splitter->setSizes({240, total - 240});
        ASSERT_EQ(t.find<QWidget>("Panel2")->width(), 240);
        t.program().close();
        EXPECT_EQ(iniLines(dir).value(5), "240\r");
    }
    TestProgram t(dir.path());
    for (int page : {0, 1, 2})
        t.main().pageControl()->setCurrentIndex(page);
    EXPECT_EQ(t.find<QWidget>("Panel2")->width(), 240);
    EXPECT_EQ(t.find<QWidget>("Panel11")->width(), 240);
    EXPECT_EQ(t.find<QWidget>("TntTreeView1")->width(), 161);
}
