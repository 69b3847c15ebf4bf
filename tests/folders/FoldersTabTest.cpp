#include "folders/FoldersTab.h"
#include "app/Dizevadi.h"
#include "browse/RecipeTabs.h"
#include "folders/QueryTextDialog.h"
#include "store/AppContext.h"
#include "store/Database.h"
#include "store/Favourites.h"
#include "tests/support/TempDataDir.h"
#include "tests/support/TestProgram.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <gtest/gtest.h>

// Readable failures: bytes and texts as text.
inline void PrintTo(const QByteArray &bytes, std::ostream *os) { *os << '"' << bytes.toStdString() << '"'; }
inline void PrintTo(const QString &text, std::ostream *os) { *os << '"' << text.toStdString() << '"'; }

namespace {

// The tree as the user sees it: one line per node, indented, with "+" on expanded folders and
// "*" on recipe entries.
QString shown(const QTreeWidgetItem *item, int depth = 0)
{
    QString out = QString(depth * 2, QLatin1Char(' ')) + item->text(0);
    if (FoldersTab::picture(item) == FolderPictureEntry)
        out += QLatin1Char('*');
    if (item->isExpanded() && item->childCount() > 0)
        out += QLatin1Char('+');
    out += QLatin1Char('\n');
    for (int i = 0; i < item->childCount(); ++i)
        out += shown(item->child(i), depth + 1);
    return out;
}

class FoldersWindow : public ::testing::Test {
protected:
    void start()
    {
        t = std::make_unique<TestProgram>(dir.path());
        tab = t->find<FoldersTab>(QStringLiteral("TntTabSheet10"));
        tree = t->find<QTreeWidget>(QStringLiteral("TntTreeView1"));
        ASSERT_NE(tab, nullptr);
        ASSERT_NE(tree, nullptr);
        t->main().resize(891, 497);
        t->main().pageControl()->setCurrentWidget(tab);
    }

    QString treeText() const { return shown(tree->topLevelItem(0)); }

    // The node at the end of the texts, from the root.
    QTreeWidgetItem *node(const QStringList &texts) const
    {
        QTreeWidgetItem *item = tree->topLevelItem(0);
        for (const QString &text : texts) {
            QTreeWidgetItem *next = nullptr;
            for (int i = 0; i < item->childCount() && !next; ++i)
                if (item->child(i)->text(0) == text)
                    next = item->child(i);
            if (!next)
                return nullptr;
            item = next;
        }
        return item;
    }

    void select(const QStringList &texts)
    {
        QTreeWidgetItem *item = node(texts);
        ASSERT_NE(item, nullptr) << texts.join('\\').toStdString();
        item->setSelected(true);
        tree->setCurrentItem(item);
    }

    void trigger(const char *action) { t->find<QAction>(QLatin1String(action))->trigger(); }

    // Answers the next new-folder question with the text, or cancels it.
    void answer(std::optional<QString> text)
    {
        t->onNextDialog([text](QDialog &dialog) {
            if (!text)
                return int(QDialog::Rejected);
            dialog.findChild<QLineEdit *>(QStringLiteral("Edit"))->setText(*text);
            return int(QDialog::Accepted);
        });
    }

    void addRecipe(const QByteArray &name)
    {
        NewRecipe recipe;
        recipe.name = name;
        recipe.author = "Cook";
        recipe.ingredients = "Flour";
        recipe.preparation = "Bake.";
        recipe.dimension = "1";
        recipe.categories = "100000";
        recipe.language = "English";
        recipe.own = true;
        t->program().context().store.addRecipe(recipe);
    }

    TempDataDir dir;
    std::unique_ptr<TestProgram> t;
    FoldersTab *tab = nullptr;
    QTreeWidget *tree = nullptr;
};

TEST_F(FoldersWindow, EmptyFolderShowsRootAndFavouritesAndWritesNothing)
{
    start();
    EXPECT_EQ(treeText(), QStringLiteral("\\+\n  Favourites\n"));
    EXPECT_TRUE(tree->selectedItems().isEmpty());
    EXPECT_FALSE(dir.exists("Folderlist.dat"));
    EXPECT_FALSE(dir.exists("Mlist.dat"));
    EXPECT_EQ(tree->indentation(), 19);
    auto *splitter = qobject_cast<QSplitter *>(tree->parentWidget());
    ASSERT_NE(splitter, nullptr);
    EXPECT_EQ(splitter->handleWidth(), 1);
    EXPECT_NE(t->view(QStringLiteral("EmbeddedWB4")), nullptr);
    EXPECT_EQ(tab->view(), t->view(QStringLiteral("EmbeddedWB4")));
    EXPECT_TRUE(t->messages.isEmpty());
}

TEST_F(FoldersWindow, NewFolderAsksForItsNameAndFilesIt)
{
    start();
    select({});
    answer(QStringLiteral("Soups"));
    trigger("Ordnerhinzufgen1");
    EXPECT_EQ(dir.read("Folderlist.dat"), "Soups\\\r\n");
    EXPECT_EQ(treeText(), QStringLiteral("\\+\n  Favourites\n  Soups\n"));
    EXPECT_TRUE(tree->selectedItems().isEmpty());

    for (const std::optional<QString> &reply : {std::optional<QString>(), std::optional<QString>(QString())}) {
        select({QStringLiteral("Soups")});
        answer(reply);
        trigger("Ordnerhinzufgen1");
        EXPECT_EQ(dir.read("Folderlist.dat"), "Soups\\\r\n");
    }
    EXPECT_EQ(t->dialogsRun(), 3);

    select({QStringLiteral("Favourites")});
    trigger("Ordnerhinzufgen1");
    EXPECT_EQ(t->dialogsRun(), 3);
    EXPECT_TRUE(t->messages.isEmpty());
}

TEST_F(FoldersWindow, QuestionIsLaidOutInDialogUnitsWithTheNameSelected)
{
    start();
    select({});
    bool asked = false;
    t->onNextDialog([&](QDialog &dialog) {
        asked = true;
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("New folder"));
        auto *prompt = dialog.findChild<QLabel *>(QStringLiteral("Prompt"));
        auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("Edit"));
        auto *ok = dialog.findChild<QPushButton *>(QStringLiteral("OkButton"));
        auto *cancel = dialog.findChild<QPushButton *>(QStringLiteral("CancelButton"));
        EXPECT_EQ(prompt->text(), QStringLiteral("New folder:"));
        EXPECT_TRUE(edit->text().isEmpty());
        EXPECT_TRUE(ok->isDefault());
        EXPECT_EQ(ok->text(), QStringLiteral("Ok"));
        EXPECT_EQ(cancel->text(), QStringLiteral("Cancel"));

        const QFontMetrics metrics(dialog.font());
        const int cx =
            metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52;
        const int cy = metrics.height();
        auto mulDiv = [](int a, int b, int c) { return (a * b + c / 2) / c; };
        EXPECT_EQ(dialog.width(), mulDiv(180, cx, 4));
        EXPECT_EQ(prompt->pos(), QPoint(mulDiv(8, cx, 4), mulDiv(8, cy, 8)));
        EXPECT_EQ(edit->geometry().topLeft(), QPoint(mulDiv(8, cx, 4), prompt->geometry().bottom() + 1 + 5));
        EXPECT_EQ(edit->width(), mulDiv(164, cx, 4));
        EXPECT_EQ(ok->geometry(),
                  QRect(mulDiv(38, cx, 4), edit->geometry().bottom() + 1 + 15, mulDiv(50, cx, 4), mulDiv(14, cy, 8)));
        EXPECT_EQ(cancel->geometry().topLeft(), QPoint(mulDiv(92, cx, 4), ok->y()));
        EXPECT_EQ(dialog.height(), cancel->geometry().bottom() + 1 + 13);

        // The field holds narrow text: what the code page lacks becomes "?".
        edit->setText(QStringLiteral("Käse \u0416"));
        return int(QDialog::Accepted);
    });
    trigger("Ordnerhinzufgen1");
    EXPECT_TRUE(asked);
    EXPECT_EQ(dir.read("Folderlist.dat"), QByteArray("K\xC3\xA4se ?\\\r\n"));

    QString value = QStringLiteral("preset");
    t->onNextDialog([](QDialog &dialog) {
        auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("Edit"));
        EXPECT_EQ(edit->text(), QStringLiteral("preset"));
        EXPECT_EQ(edit->selectedText(), QStringLiteral("preset"));
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(tab->AskText(QStringLiteral("C"), QStringLiteral("P"), value));
    EXPECT_EQ(value, QStringLiteral("preset"));
}

TEST_F(FoldersWindow, NewFolderUnderAnEntryKeepsShowingItsRecipe)
{
    dir.write("Folderlist.dat", "A\\N\r\n");
    start();
    addRecipe("N");
    select({QStringLiteral("A"), QStringLiteral("N")});
    answer(QStringLiteral("X"));
    trigger("Ordnerhinzufgen1");
    EXPECT_EQ(dir.read("Folderlist.dat"), "A\\N\r\nA\\N\\X\\\r\n");
    QTreeWidgetItem *n = node({QStringLiteral("A"), QStringLiteral("N")});
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(FoldersTab::NodePath(n), "A\\N");
    EXPECT_EQ(FoldersTab::NodePath(tree->topLevelItem(0)), "\\");
    EXPECT_EQ(FoldersTab::picture(n), FolderPictureFolder);

    RecordingHtmlView *view = t->view(QStringLiteral("EmbeddedWB4"));
    view->navigations.clear();
    select({QStringLiteral("A"), QStringLiteral("N")});
    emit tree->itemClicked(n, 0);
    ASSERT_EQ(view->navigations.size(), 1);
    EXPECT_TRUE(view->navigations.first().endsWith(QStringLiteral("Rezept.htm")));
    EXPECT_TRUE(dir.read("Rezept.htm").contains("Bake."));

    // A folder named like no recipe leaves the page as it was.
    select({QStringLiteral("A")});
    tab->TntTreeView1Click();
    EXPECT_EQ(view->navigations.size(), 1);
    EXPECT_TRUE(t->messages.isEmpty()) << t->messages.join('\n').toStdString();
}

TEST_F(FoldersWindow, DraggedEntryIsRefiledWhereItIsDropped)
{
    dir.write("Folderlist.dat", "A\\N\r\nB\\\r\n");
    start();
    EXPECT_EQ(treeText(), QStringLiteral("\\+\n  A+\n    N*\n  B\n  Favourites\n"));
    EXPECT_TRUE(tab->TntTreeView1DragOver(tree));
    EXPECT_FALSE(tab->TntTreeView1DragOver(&t->main()));

    select({QStringLiteral("A"), QStringLiteral("N")});
    const QPoint b = tree->visualItemRect(node({QStringLiteral("B")})).center();
    tab->TntTreeView1DragDrop(b.x(), b.y());
    EXPECT_EQ(dir.read("Folderlist.dat"), "B\\\r\nB\\N\r\n");
    EXPECT_EQ(treeText(), QStringLiteral("\\+\n  B+\n    N*\n  Favourites\n"));

    // Onto the root: the bare name, shown directly beneath it.
    tree->expandAll();
    select({QStringLiteral("B"), QStringLiteral("N")});
    const QPoint root = tree->visualItemRect(tree->topLevelItem(0)).center();
    tab->TntTreeView1DragDrop(root.x(), root.y());
    EXPECT_EQ(dir.read("Folderlist.dat"), "B\\\r\nN\r\n");
    EXPECT_EQ(treeText(), QStringLiteral("\\+\n  B\n  Favourites\n  N*\n"));

    // Onto the favourites, and from there out again.
    select({QStringLiteral("N")});
    const QPoint favourites = tree->visualItemRect(node({QStringLiteral("Favourites")})).center();
    tab->TntTreeView1DragDrop(favourites.x(), favourites.y());
    EXPECT_EQ(dir.read("Folderlist.dat"), "B\\\r\n");
    EXPECT_EQ(dir.read("Mlist.dat"), "N\r\n");
    EXPECT_EQ(treeText(), QStringLiteral("\\+\n  B\n  Favourites+\n    N*\n"));

    // A drop beside every node does nothing.
    tree->expandAll();
    select({QStringLiteral("Favourites"), QStringLiteral("N")});
    tab->TntTreeView1DragDrop(5, tree->viewport()->height() - 2);
    EXPECT_EQ(dir.read("Mlist.dat"), "N\r\n");
    EXPECT_TRUE(t->messages.isEmpty());
}

TEST_F(FoldersWindow, DeleteTakesTheSelectedEntryOrFolder)
{
    dir.write("Folderlist.dat", "A\\\r\nA\\B\\\r\nA\\N\r\nAB\\\r\n");
    dir.write("Mlist.dat", "Pie\r\n");
    start();
    select({QStringLiteral("A")});
    trigger("Lschen1");
    EXPECT_EQ(dir.read("Folderlist.dat"), "AB\\\r\n");

    select({QStringLiteral("Favourites")});
    trigger("Lschen1");
    EXPECT_EQ(treeText(), QStringLiteral("\\+\n  AB\n  Favourites+\n    Pie*\n"));

    select({QStringLiteral("Favourites"), QStringLiteral("Pie")});
    trigger("Lschen1");
    EXPECT_EQ(dir.read("Mlist.dat"), "");
    EXPECT_EQ(treeText(), QStringLiteral("\\+\n  AB\n  Favourites\n"));

    tree->clearSelection();
    trigger("Lschen1");
    EXPECT_EQ(dir.read("Folderlist.dat"), "AB\\\r\n");
}

TEST_F(FoldersWindow, ExpandedFoldersStayExpandedAcrossReloadsWhateverTheirCase)
{
    dir.write("Folderlist.dat", "A\\x\r\nB\\y\r\n");
    start();
    node({QStringLiteral("B")})->setExpanded(false);
    dir.write("Folderlist.dat", "a\\x\r\nB\\y\r\n");
    tab->ReloadFolderTree();
    EXPECT_EQ(treeText(), QStringLiteral("\\+\n  a+\n    x*\n  B\n    y*\n  Favourites\n"));
    EXPECT_TRUE(tree->selectedItems().isEmpty());
}

TEST_F(FoldersWindow, FavouritesFromTheRecipeTabsShowInTheTree)
{
    start();
    tab->addFavourite("Pie");
    EXPECT_EQ(dir.read("Mlist.dat"), "Pie\r\n");
    EXPECT_EQ(treeText(), QStringLiteral("\\+\n  Favourites+\n    Pie*\n"));

    // The own-recipes tab took one out again.
    FavouriteNames &favourites = t->program().context().favourites;
    favourites.remove("Pie");
    favourites.append("Cake");
    emit t->find<OwnRecipesTab>(QStringLiteral("TntTabSheet8"))->favouritesChanged();
    EXPECT_EQ(treeText(), QStringLiteral("\\+\n  Favourites+\n    Cake*\n"));
}

TEST_F(FoldersWindow, AFileThatCannotBeWrittenIsReportedAndTheTreeStays)
{
    start();
    QDir(dir.path()).mkdir(QStringLiteral("Folderlist.dat"));
    select({});
    answer(QStringLiteral("Soups"));
    trigger("Ordnerhinzufgen1");
    ASSERT_EQ(t->messages.size(), 1);
    EXPECT_TRUE(t->messages.first().contains(QStringLiteral("Folderlist.dat"))) << t->messages.first().toStdString();
    EXPECT_EQ(treeText(), QStringLiteral("\\+\n  Favourites\n"));
    EXPECT_EQ(tree->selectedItems().size(), 1);
}

} // namespace
