#include "app/Dizevadi.h"
#include "app/LanguageTable.h"
#include "browse/Search.h"
#include "planner/DatePicker.h"
#include "print/Printer.h"
#include "tests/support/TempDataDir.h"
#include "tests/support/TestProgram.h"

#include <QAbstractButton>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QWidget *windowOf(TestProgram &t, TextWindow window)
{
    switch (window) {
    case TextWindow::Main:
        return &t.main();
    case TextWindow::Search:
        return &t.program().searchDialog();
    case TextWindow::Date:
        return &t.program().dateDialog();
    case TextWindow::Print:
        return &t.program().printWindow();
    }
    return nullptr;
}

} // namespace

TEST(LanguageTable, EveryPlacementFindsItsControl)
{
    TempDataDir dir;
    TestProgram t(dir.path());
    for (const TextPlacement &placement : languageTable())
        EXPECT_TRUE(applyPlacement(windowOf(t, placement.window), placement, QStringLiteral("x")))
            << placement.index << " " << placement.objectName;
}

TEST(LanguageTable, EveryTextHasItsPlace)
{
    QSet<int> placed;
    for (const TextPlacement &placement : languageTable())
        placed.insert(placement.index);
    // Read where they are used: page headings, categories, messages, search dialog, status bar.
    QSet<int> elsewhere = {29, 33, 44, 45, 119, 121, 123, 125, 126, 127, 128};
    for (int i = 46; i <= 118; ++i)
        elsewhere.insert(i);
    for (int i = 0; i < 129; ++i)
        EXPECT_TRUE(placed.contains(i) != elsewhere.contains(i)) << i;
}

TEST(LanguageTable, NarrowCaptionsLoseWhatTheCodePageLacks)
{
    TempDataDir dir;
    TestProgram t(dir.path());
    const TextPlacement narrow{2, TextWindow::Main, "SpeedButton1", TextTarget::NarrowCaption};
    ASSERT_TRUE(applyPlacement(&t.main(), narrow, QStringLiteral("Äpfel € Ω")));
    EXPECT_EQ(t.find<QAbstractButton>("SpeedButton1")->text(), QStringLiteral("Äpfel € ?"));
}
