#include "online/CommunityTab.h"
#include "tests/support/TempDataDir.h"
#include "tests/support/TestProgram.h"

#include <QComboBox>
#include <QTabWidget>
#include <QToolButton>

#include <gtest/gtest.h>

TEST(CommunityTab, LoadsItsPageTheFirstTimeItIsOpened)
{
    TempDataDir dir;
    dir.write("Languages/Dansk.txt", dir.read("Languages/English.txt"));
    Platform platform = TestProgram::platformFor(dir.path());
    platform.serverRoot = QStringLiteral("http://127.0.0.1:8765/");
    TestProgram t(platform);
    RecordingHtmlView *view = t.view("EmbeddedWB2");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->widget()->objectName(), QStringLiteral("EmbeddedWB2"));
    EXPECT_TRUE(view->navigations.isEmpty());

    t.main().pageControl()->setCurrentIndex(CommunityTab::kPageIndex);
    t.main().pageControl()->setCurrentIndex(0);
    t.main().pageControl()->setCurrentIndex(CommunityTab::kPageIndex);
    EXPECT_EQ(view->navigations, QStringList{QStringLiteral("http://127.0.0.1:8765/Saffin/English")});

    // The home button follows the program's language at each click.
    auto &language = *t.find<QComboBox>("TntComboBox7");
    language.setCurrentIndex(language.findText(QStringLiteral("German")));
    t.find<QToolButton>("TntToolButton22")->click();
    EXPECT_EQ(view->navigations.last(), QStringLiteral("http://127.0.0.1:8765/Saffin/German"));

    language.setCurrentIndex(language.findText(QStringLiteral("Dansk")));
    t.find<QToolButton>("TntToolButton22")->click();
    EXPECT_EQ(view->navigations.last(), QStringLiteral("http://127.0.0.1:8765/Saffin/English"));

    t.find<QToolButton>("Back")->click();
    t.find<QToolButton>("Back")->click();
    EXPECT_EQ(view->current(), QStringLiteral("http://127.0.0.1:8765/Saffin/English"));
    t.find<QToolButton>("Back")->click(); // no earlier page: nothing happens, nothing is said
    EXPECT_TRUE(t.messages.isEmpty()) << t.messages.join('\n').toStdString();
}
