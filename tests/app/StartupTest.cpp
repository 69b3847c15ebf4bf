#include "about/AboutTab.h"
#include "app/Dizevadi.h"
#include "tests/support/TempDataDir.h"
#include "tests/support/TestProgram.h"

#include "about/Donation.h"
#include "about/WCIU.h"
#include "app/Splash.h"
#include "browse/Search.h"
#include "print/Printer.h"

#include <QComboBox>
#include <QTabWidget>
#include <gtest/gtest.h>

TEST(Startup, FirstStartInEmptyFolderOpensOnAboutInEnglish)
{
    TempDataDir dir;
    TestProgram t(dir.path());
    ASSERT_TRUE(t.program().isRunning());
    EXPECT_TRUE(dir.exists("Rezepte.dat"));
    EXPECT_EQ(dir.read("Rezepte.dat").size(), 0);
    EXPECT_EQ(t.main().pageControl()->currentIndex(), 9);
    for (const char *name : {"TntComboBox7", "TntComboBox6", "TntComboBox3"}) {
        auto *box = t.find<QComboBox>(QLatin1String(name));
        ASSERT_NE(box, nullptr) << name;
        EXPECT_EQ(box->currentText(), QStringLiteral("English")) << name;
    }
    EXPECT_EQ(t.find<QComboBox>("ComboBox2")->currentText(), QStringLiteral("2"));
    EXPECT_EQ(t.find<QComboBox>("ComboBox1")->currentIndex(), -1);
    EXPECT_FALSE(dir.exists("Lang.ini"));

    t.program().close();
    const QList<QByteArray> lines = dir.read("Lang.ini").split('\n');
    ASSERT_GE(lines.size(), 7);
    EXPECT_EQ(lines[0], "English\r");
    EXPECT_EQ(lines[1], "MS Sans Serif\r");
    EXPECT_EQ(lines[4], "2\r");
    EXPECT_TRUE(dir.read("Lang.ini").endsWith("\r\n"));
    EXPECT_TRUE(t.messages.isEmpty()) << t.messages.join('\n').toStdString();
}

TEST(Startup, SplashIsGoneAndTheMainWindowShownOnceStarted)
{
    TempDataDir dir;
    TestProgram t(dir.path());
    EXPECT_FALSE(t.program().splashWindow().isVisible());
    EXPECT_FALSE(t.program().splashWindow().size().isEmpty());
    EXPECT_TRUE(t.main().isVisible());
    EXPECT_EQ(t.main().windowTitle(), QStringLiteral("Saffin"));
    for (QWidget *window : std::initializer_list<QWidget *>{
             &t.program().searchDialog(), &t.program().printWindow(), &t.program().infoWindow(),
             &t.program().donationWindow()})
        EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
}
