#include "browse/Search.h"
#include "store/AppContext.h"
#include "store/RecipePage.h"
#include "tests/browse/BrowseFixture.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void writePantry(const TempDataDir &dir)
{
    writeStore(dir, {
                        {.name = "Gulasch", .dimension = "3", .author = "Ärger Anton", .ingredients = "Paprika"},
                        {.name = "Linsen", .dimension = "3", .own = true, .author = "Bernd",
                         .preparation = "Mit Essig abschmecken."},
                        {.name = "Rösti", .dimension = "4", .author = "Clara", .ingredients = "Kartoffeln, Paprika"},
                        {.name = "Uralt", .dimension = "0", .author = "Dora", .categories = "1"},
                        {.name = "Gulasch", .dimension = "4", .author = "Zweiter Anton"},
                    });
}

struct SearchDialog {
    TForm2 &form;
    QLineEdit *field() const { return form.findChild<QLineEdit *>("TntEdit1"); }
    QComboBox *box() const { return form.findChild<QComboBox *>("TntComboBox1"); }
    QList<QRadioButton *> searchIn() const
    {
        return form.findChild<QGroupBox *>("TntRadioGroup1")->findChildren<QRadioButton *>();
    }
    void search(const QString &text, int mode, int dimensionEntry) const
    {
        field()->setText(text);
        searchIn().at(mode)->setChecked(true);
        box()->setCurrentIndex(dimensionEntry);
        QTest::mouseClick(form.findChild<QPushButton *>("TntBitBtn1"), Qt::LeftButton);
    }
};

} // namespace

TEST(SearchDialog, IsLabelledWithItsDimensionsAndItemZeroSelected)
{
    TempDataDir dir;
    TestProgram t(dir.path());
    const SearchDialog dialog{t.program().searchDialog()};
    EXPECT_EQ(dialog.form.size(), QSize(230, 208));
    ASSERT_EQ(dialog.box()->count(), 7);
    EXPECT_EQ(dialog.box()->itemText(0), "All categories");
    EXPECT_EQ(dialog.box()->currentIndex(), 0);
    ASSERT_EQ(dialog.searchIn().size(), 3);
    EXPECT_EQ(dialog.searchIn().at(0)->text(), "Name and author");
    EXPECT_EQ(dialog.searchIn().at(1)->text(), "Ingredients");
    EXPECT_EQ(dialog.searchIn().at(2)->text(), "All");
    EXPECT_TRUE(dialog.searchIn().at(0)->isChecked());
    EXPECT_EQ(dialog.form.findChild<QPushButton *>("TntBitBtn1")->text(), "Search");
}

TEST(SearchDialog, FindsByModeAndDimensionIgnoringCaseAndFillsOnlyTheRecipeList)
{
    TempDataDir dir;
    writePantry(dir);
    TestProgram t(dir.path());
    const SearchDialog dialog{t.program().searchDialog()};
    const QString count = countText(t, "StatusBar1");
    const QList<bool> marks = ticks(t, "TntCheckListBox1");
    const QStringList own = listed(t, "TntListBox2");
    struct Case {
        const char *text;
        int mode, dimensionEntry;
        QStringList found;
    };
    const Case cases[] = {
        {"", 2, 0, {}},
        {"anton", 0, 0, {"Gulasch", "Gulasch"}},
        {"ÄRGER", 0, 0, {"Gulasch"}},
        {"rö", 0, 0, {"Rösti"}},
        {"paprika", 0, 0, {}},
        {"paprika", 1, 0, {"Gulasch", "Rösti"}},
        {"essig", 1, 0, {}},
        {"essig", 2, 0, {"Linsen"}},
        {"n", 0, 3, {"Gulasch", "Linsen"}},
        {"dora", 0, 0, {"Uralt"}},
        {"dora", 0, 3, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        SCOPED_TRACE(c.mode);
        dialog.search(QString::fromUtf8(c.text), c.mode, c.dimensionEntry);
        EXPECT_EQ(listed(t, "TntListBox1"), c.found);
        EXPECT_EQ(selectedEntry(t, "TntListBox1"), QString());
    }
    EXPECT_EQ(countText(t, "StatusBar1"), count);
    EXPECT_EQ(ticks(t, "TntCheckListBox1"), marks);
    EXPECT_EQ(listed(t, "TntListBox2"), own);
    EXPECT_TRUE(t.messages.isEmpty()) << t.messages.join('\n').toStdString();
}

TEST(SearchDialog, ReleasingEnterInTheFieldSearchesOtherKeysOnlyType)
{
    TempDataDir dir;
    writePantry(dir);
    TestProgram t(dir.path());
    const SearchDialog dialog{t.program().searchDialog()};
    const QStringList before = listed(t, "TntListBox1");
    dialog.field()->clear();
    QTest::keyClicks(dialog.field(), "bernd");
    EXPECT_EQ(listed(t, "TntListBox1"), before);
    QTest::keyClick(dialog.field(), Qt::Key_Return);
    EXPECT_EQ(listed(t, "TntListBox1"), QStringList{"Linsen"});
    dialog.field()->setText("clara");
    QTest::keyClick(dialog.field(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(listed(t, "TntListBox1"), QStringList{"Rösti"});
}

TEST(SearchDialog, AuthorSearchFromEitherTabFillsTheRecipeListWithTheShownAuthor)
{
    TempDataDir dir;
    writePantry(dir);
    TestProgram t(dir.path());
    TForm2 &form = t.program().searchDialog();
    const SearchDialog dialog{form};
    dialog.field()->setText("something else");
    dialog.searchIn().at(2)->setChecked(true);
    dialog.box()->setCurrentIndex(5);

    // Start-up showed the first entry of the fourth dimension, "Gulasch"; the first record of that
    // name is the one by Ärger Anton.
    showPage(t, 0);
    clickButton(t, "TntToolButton4");
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(dialog.field()->text(), "Ärger Anton");
    EXPECT_TRUE(dialog.searchIn().at(0)->isChecked());
    EXPECT_EQ(dialog.box()->currentIndex(), 0);
    EXPECT_EQ(listed(t, "TntListBox1"), QStringList{"Gulasch"});

    // On the own tab the own recipe on show counts.
    showPage(t, 1);
    choose(t.find<QComboBox>("TntComboBox4"), 2);
    const QStringList own = listed(t, "TntListBox2");
    ASSERT_EQ(own, QStringList{"Linsen"});
    clickButton(t, "TntToolButton8");
    EXPECT_EQ(dialog.field()->text(), "Bernd");
    EXPECT_EQ(listed(t, "TntListBox1"), QStringList{"Linsen"});
    EXPECT_EQ(listed(t, "TntListBox2"), own);
    EXPECT_EQ(t.main().pageControl()->currentIndex(), 1);
    form.hide();
}

TEST(SearchDialog, AuthorSearchBeforeAnythingWasShownEmptiesTheRecipeList)
{
    TempDataDir dir;
    writeStore(dir, {{.name = "Linsen", .dimension = "3", .own = true, .author = "Bernd"}});
    TestProgram t(dir.path());
    choose(t.find<QComboBox>("TntComboBox1"), 2);
    ASSERT_EQ(listed(t, "TntListBox1"), QStringList{"Linsen"});
    showPage(t, 1);
    clickButton(t, "TntToolButton8");
    EXPECT_EQ(t.program().searchDialog().findChild<QLineEdit *>("TntEdit1")->text(), "");
    EXPECT_TRUE(listed(t, "TntListBox1").isEmpty());
    t.program().searchDialog().hide();
}

TEST(SearchDialog, SearchButtonsOnlyBringTheDialogUpWithItsSettings)
{
    TempDataDir dir;
    writePantry(dir);
    TestProgram t(dir.path());
    TForm2 &form = t.program().searchDialog();
    const SearchDialog dialog{form};
    for (const auto &[page, button] : {std::pair{0, "TntToolButton1"}, std::pair{1, "TntToolButton6"}}) {
        SCOPED_TRACE(button);
        form.hide();
        dialog.field()->setText("kept");
        dialog.searchIn().at(1)->setChecked(true);
        const QStringList before = listed(t, "TntListBox1");
        showPage(t, page);
        clickButton(t, button);
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(dialog.field()->text(), "kept");
        EXPECT_TRUE(dialog.searchIn().at(1)->isChecked());
        EXPECT_EQ(listed(t, "TntListBox1"), before);
        const QPoint centre = t.main().frameGeometry().center();
        EXPECT_LE((form.frameGeometry().center() - centre).manhattanLength(), 40);
    }
    form.hide();
}
