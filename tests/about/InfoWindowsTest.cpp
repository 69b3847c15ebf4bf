#include "about/AboutTab.h"
#include "about/Addresses.h"
#include "about/Donation.h"
#include "about/TextPanel.h"
#include "about/WCIU.h"
#include "tests/support/TempDataDir.h"
#include "tests/support/TestProgram.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class InfoWindows : public ::testing::Test {
protected:
    InfoWindows() : t(dir.path()) {}

    template <typename T> T *in(QWidget &window, const char *name)
    {
        return window.findChild<T *>(QLatin1String(name));
    }

    TempDataDir dir;
    TestProgram t;
};

TEST_F(InfoWindows, InfoWindowScrollsTheCreditsEvenWhileHidden)
{
    TInfoForm &info = t.program().infoWindow();
    EXPECT_FALSE(info.isVisible());
    auto *panel = in<TTextPanel>(info, "TextPanel1");
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->geometry(), QRect(19, 176, 262, 193));
    EXPECT_EQ(panel->items().size(), 35);
    EXPECT_EQ(panel->items().first(), "Saffin");
    EXPECT_TRUE(panel->items().contains("Verwendete Komponenten:"));
    EXPECT_TRUE(panel->items().contains("https://libzip.org/"));
    EXPECT_EQ(panel->items().mid(33), (QList<QByteArray>{"", ""}));
    EXPECT_EQ(panel->interval(), 40u);
    EXPECT_EQ(panel->stepSize(), 1);
    EXPECT_EQ(panel->textAlignment(), Qt::AlignHCenter);
    EXPECT_EQ(panel->textFont().pixelSize(), 11);
    auto *timer = in<QTimer>(info, "TimerTextPanel1");
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 40);

    auto *showInfo = t.find<QPushButton>(QStringLiteral("Button1"));
    showInfo->click();
    EXPECT_TRUE(info.isVisible());
    panel->grab();
    EXPECT_GT(panel->LineHeight, 0);
    for (int tick = 0; tick < 3; ++tick)
        panel->TimerTick();
    QTest::keyClick(&info, Qt::Key_Return);
    EXPECT_FALSE(info.isVisible());
    const int offset = panel->PixelOffset, top = panel->TopIndex;
    panel->TimerTick();
    EXPECT_TRUE(panel->PixelOffset != offset || panel->TopIndex != top);
    const int hiddenOffset = panel->PixelOffset, hiddenTop = panel->TopIndex;
    showInfo->click();
    EXPECT_EQ(panel->PixelOffset, hiddenOffset);
    EXPECT_EQ(panel->TopIndex, hiddenTop);
}

TEST_F(InfoWindows, MakersAddressOpensFromTheInfoWindow)
{
    TInfoForm &info = t.program().infoWindow();
    info.show();
    auto *label = in<QLabel>(info, "Label2");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), makerHomePage().toString());
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(t.openedUrls, QList<QUrl>{makerHomePage()});
    EXPECT_FALSE(makerHomePage().isEmpty());
}

TEST_F(InfoWindows, DonationButtonsOpenTheirPagesAndCloseHides)
{
    TForm14 &donation = t.program().donationWindow();
    t.find<QPushButton>(QStringLiteral("Button2"))->click();
    EXPECT_TRUE(donation.isVisible());
    EXPECT_EQ(donation.size(), QSize(390, 204));
    const QString text = in<QPlainTextEdit>(donation, "Memo1")->toPlainText();
    EXPECT_EQ(text, QStringLiteral("Saffin is freeware, if you like the program or think it is useful to you, \n"
                                   "please support me and the further development of Saffin. "));
    EXPECT_TRUE(in<QPlainTextEdit>(donation, "Memo1")->isReadOnly());
    in<QPushButton>(donation, "Button1")->click();
    in<QPushButton>(donation, "Button2")->click();
    EXPECT_EQ(t.openedUrls, (QList<QUrl>{paypalDonationPage(), amazonWishList()}));
    in<QPushButton>(donation, "Button3")->click();
    EXPECT_FALSE(donation.isVisible());
}

} // namespace
