#include "common/Error.h"
#include "folders/Folders.h"
#include "store/Favourites.h"
#include "tests/support/TempDataDir.h"

#include <QDir>
#include <gtest/gtest.h>

// Readable failures: bytes and texts as text.
inline void PrintTo(const QByteArray &bytes, std::ostream *os) { *os << '"' << bytes.toStdString() << '"'; }
inline void PrintTo(const QString &text, std::ostream *os) { *os << '"' << text.toStdString() << '"'; }

namespace {

const QByteArray kFav = "Favourites";

// The tree as indented lines: text and picture.
void describe(const FolderNode &node, int depth, QByteArray &out)
{
    out += QByteArray(depth * 2, ' ') + node.text + ' ' + QByteArray::number(node.picture) + '\n';
    for (const FolderNode &child : node.children)
        describe(child, depth + 1, out);
}

QByteArray describe(const FolderNode &node)
{
    QByteArray out;
    describe(node, 0, out);
    return out;
}

class FolderLists : public ::testing::Test {
protected:
    FolderLists() : favourites(dir.path()), folders(dir.path(), favourites) {}

    void writeLines(const QByteArray &bytes) { dir.write("Folderlist.dat", bytes); }
    QByteArray tree() { return describe(folders.reload(kFav)); }
    QByteArray lines() const { return dir.read("Folderlist.dat"); }
    QByteArray favouritesFile() const { return dir.read("Mlist.dat"); }

    TempDataDir dir{false};
    FavouriteNames favourites;
    Folders folders;
};

TEST_F(FolderLists, EmptyFolderGivesRootAndEmptyFavouritesWithoutWritingAnything)
{
    EXPECT_EQ(tree(), "\\ 0\n  Favourites 0\n");
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(FolderLists, TreeFollowsSortedLinesWithFavouritesFolderAmongThemAndFavouritesLast)
{
    writeLines("Zucchini\\Soup\r\napple\\\nGarden\\Beans\\Green\rBread\r\n");
    dir.write("Mlist.dat", "Pie\r\ncake\r\n");
    favourites.load();
    EXPECT_EQ(tree(), "\\ 0\n"
                      "  apple 0\n"
                      "  Bread 1\n"
                      "  Favourites 0\n"
                      "    cake 1\n"
                      "    Pie 1\n"
                      "  Garden 0\n"
                      "    Beans 0\n"
                      "      Green 1\n"
                      "  Zucchini 0\n"
                      "    Soup 1\n");
    // The favourites are sorted in memory only; their file keeps its order until written.
    EXPECT_EQ(favourites.names(), (QList<QByteArray>{"cake", "Pie"}));
    EXPECT_EQ(favouritesFile(), "Pie\r\ncake\r\n");
}

TEST_F(FolderLists, FoldersDifferingInCaseAreTwoNodesButOneLineForANewFolder)
{
    writeLines("A\\\r\na\\x\r\n");
    EXPECT_EQ(tree(), "\\ 0\n  A 0\n  a 0\n    x 1\n  Favourites 0\n");
    folders.addFolder({}, QStringLiteral("a"));
    EXPECT_EQ(lines(), "A\\\r\na\\x\r\n");
}

TEST_F(FolderLists, LastLineThroughANodeSetsItsPicture)
{
    writeLines("A\\N\r\nA\\N\\X\\\r\n");
    EXPECT_EQ(tree(), "\\ 0\n  A 0\n    N 0\n      X 0\n  Favourites 0\n");
    // The favourites come last, so a favourite wins over a folder line through the same node.
    writeLines("Favourites\\N\\X\\\r\n");
    folders.addFavourite("N");
    EXPECT_EQ(tree(), "\\ 0\n  Favourites 0\n    N 1\n      X 0\n");
}

TEST_F(FolderLists, AddingAFavouriteTwiceWritesOnlyOnce)
{
    EXPECT_TRUE(folders.addFavourite("Pie"));
    EXPECT_EQ(favouritesFile(), "Pie\r\n");
    QFile::remove(dir.file("Mlist.dat"));
    EXPECT_FALSE(folders.addFavourite("Pie"));
    EXPECT_FALSE(folders.addFavourite("PIE"));
    EXPECT_FALSE(dir.exists("Mlist.dat"));
    EXPECT_EQ(favourites.names(), QList<QByteArray>{"Pie"});
}

TEST_F(FolderLists, DraggingAnEntryOntoAnotherFolderRefilesIt)
{
    writeLines("A\\N\r\nB\\\r\n");
    tree();
    EXPECT_TRUE(folders.moveEntry({"A", "N"}, FolderPictureEntry, {"B"}, FolderPictureFolder, kFav));
    EXPECT_EQ(lines(), "B\\\r\nB\\N\r\n");
    EXPECT_EQ(tree(), "\\ 0\n  B 0\n    N 1\n  Favourites 0\n");
}

TEST_F(FolderLists, DraggingOntoTheFavouritesFolderMakesOneFavourite)
{
    writeLines("A\\N\r\nC\\N\r\n");
    tree();
    EXPECT_TRUE(folders.moveEntry({"A", "N"}, FolderPictureEntry, {kFav}, FolderPictureFolder, kFav));
    EXPECT_EQ(lines(), "C\\N\r\n");
    EXPECT_EQ(favouritesFile(), "N\r\n");
    EXPECT_TRUE(folders.moveEntry({"C", "N"}, FolderPictureEntry, {kFav}, FolderPictureFolder, kFav));
    EXPECT_EQ(lines(), "");
    EXPECT_EQ(favourites.names(), QList<QByteArray>{"N"});
    EXPECT_EQ(tree(), "\\ 0\n  Favourites 0\n    N 1\n");
}

TEST_F(FolderLists, DraggingAFavouriteOntoAFolderTakesItOutOfTheFavourites)
{
    writeLines("B\\\r\n");
    folders.addFavourite("N");
    tree();
    EXPECT_TRUE(folders.moveEntry({kFav, "N"}, FolderPictureEntry, {"B"}, FolderPictureFolder, kFav));
    EXPECT_EQ(favouritesFile(), "");
    EXPECT_EQ(lines(), "B\\\r\nB\\N\r\n");
}

TEST_F(FolderLists, AnEntryDroppedOnTheRootIsFiledByItsBareName)
{
    writeLines("A\\N\r\nB\\\r\n");
    tree();
    EXPECT_TRUE(folders.moveEntry({"A", "N"}, FolderPictureEntry, {}, FolderPictureFolder, kFav));
    EXPECT_EQ(lines(), "B\\\r\nN\r\n");
    EXPECT_EQ(tree(), "\\ 0\n  B 0\n  Favourites 0\n  N 1\n");
    EXPECT_TRUE(folders.moveEntry({"N"}, FolderPictureEntry, {"B"}, FolderPictureFolder, kFav));
    EXPECT_EQ(lines(), "B\\\r\nB\\N\r\n");
    folders.moveEntry({"B", "N"}, FolderPictureEntry, {}, FolderPictureFolder, kFav);
    folders.deleteNode({"N"}, FolderPictureEntry, kFav);
    EXPECT_EQ(lines(), "B\\\r\n");
}

TEST_F(FolderLists, DropsThatDoNotApplyChangeNothing)
{
    writeLines("A\\N\r\nA\\M\r\nB\\\r\n");
    tree();
    EXPECT_FALSE(folders.moveEntry({"A", "N"}, FolderPictureEntry, {"A", "M"}, FolderPictureEntry, kFav));
    EXPECT_FALSE(folders.moveEntry({"A"}, FolderPictureFolder, {"B"}, FolderPictureFolder, kFav));
    EXPECT_FALSE(folders.moveEntry({}, FolderPictureFolder, {"B"}, FolderPictureFolder, kFav));
    EXPECT_EQ(lines(), "A\\N\r\nA\\M\r\nB\\\r\n");
    EXPECT_FALSE(dir.exists("Mlist.dat"));
}

TEST_F(FolderLists, DeletingAFolderTakesItsLinesButNotALookalike)
{
    writeLines("A\\\r\nA\\B\\\r\nAB\\\r\nA\\N\r\na\\x\r\n");
    tree();
    folders.deleteNode({"A"}, FolderPictureFolder, kFav);
    EXPECT_EQ(lines(), "AB\\\r\na\\x\r\n");
}

TEST_F(FolderLists, DeletingAnEntryTakesItsLineOrItsFavourite)
{
    writeLines("A\\N\r\nA\\M\r\n");
    folders.addFavourite("N");
    tree();
    folders.deleteNode({"A", "N"}, FolderPictureEntry, kFav);
    EXPECT_EQ(lines(), "A\\M\r\n");
    EXPECT_EQ(favouritesFile(), "N\r\n");
    folders.deleteNode({kFav, "N"}, FolderPictureEntry, kFav);
    EXPECT_EQ(favouritesFile(), "");
    EXPECT_EQ(lines(), "A\\M\r\n");
}

TEST_F(FolderLists, DeletingTheFavouritesFolderKeepsItWithAllItsEntries)
{
    folders.addFavourite("N");
    folders.addFavourite("M");
    folders.deleteNode({kFav}, FolderPictureFolder, kFav);
    EXPECT_EQ(favouritesFile(), "N\r\nM\r\n");
    EXPECT_EQ(tree(), "\\ 0\n  Favourites 0\n    M 1\n    N 1\n");
}

TEST_F(FolderLists, NewFolderGoesInsideTheSelectedNodeButNeverIntoTheFavourites)
{
    writeLines("A\\N\r\n");
    folders.addFavourite("P");
    tree();
    EXPECT_TRUE(folders.mayHoldNewFolder({}, kFav));
    EXPECT_TRUE(folders.mayHoldNewFolder({"A", "N"}, kFav));
    EXPECT_FALSE(folders.mayHoldNewFolder({kFav}, kFav));
    EXPECT_FALSE(folders.mayHoldNewFolder({kFav, "P"}, kFav));

    folders.addFolder({"A", "N"}, QStringLiteral("X"));
    EXPECT_EQ(lines(), "A\\N\r\nA\\N\\X\\\r\n");
    folders.addFolder({}, QStringLiteral("Soups"));
    folders.addFolder({}, QStringLiteral("soups"));
    EXPECT_EQ(lines(), "A\\N\r\nA\\N\\X\\\r\nSoups\\\r\n");
    const QByteArray before = lines();
    folders.addFolder({}, QString());
    EXPECT_EQ(lines(), before);
}

TEST_F(FolderLists, TypedNamesWithStraySeparatorsGiveTheFolderTheyShow)
{
    const struct {
        const char *typed;
        QByteArray line;
    } cases[] = {
        {"\\X", "X\\"},
        {"X\\\\Y", "X\\Y\\"},
        {"\\\\X\\", "X\\"},
        {"X\\Y", "X\\Y\\"},
    };
    for (const auto &c : cases) {
        QFile::remove(dir.file("Folderlist.dat"));
        tree();
        folders.addFolder({"A"}, QString::fromUtf8(c.typed));
        EXPECT_EQ(lines(), "A\\" + c.line + "\r\n") << c.typed;
        tree();
        folders.deleteNode({"A", LineComponents(c.line).first()}, FolderPictureFolder, kFav);
        EXPECT_EQ(lines(), "") << c.typed;
    }
    QFile::remove(dir.file("Folderlist.dat"));
    tree();
    folders.addFolder({}, QStringLiteral("\\\\"));
    EXPECT_FALSE(dir.exists("Folderlist.dat"));
}

TEST_F(FolderLists, LinesOfOlderFilesWithStraySeparatorsCanBeDeleted)
{
    writeLines("\\Old\\\r\nKeep\\\\Inner\\Pie\r\n\\\\Root\\\r\n");
    EXPECT_EQ(tree(), "\\ 0\n"
                      "  Root 0\n"
                      "  Old 0\n"
                      "  Favourites 0\n"
                      "  Keep 0\n"
                      "    Inner 0\n"
                      "      Pie 1\n");
    folders.deleteNode({"Old"}, FolderPictureFolder, kFav);
    folders.deleteNode({"Keep", "Inner", "Pie"}, FolderPictureEntry, kFav);
    EXPECT_EQ(lines(), "\\\\Root\\\r\n");
    // The root's path is "\": deleting it takes only lines that begin with "\\".
    folders.deleteNode({}, FolderPictureFolder, kFav);
    EXPECT_EQ(lines(), "");
}

TEST_F(FolderLists, ARecipeNameWithABackslashStaysOneEntry)
{
    const QByteArray name = "Salt\\Pepper 50%";
    writeLines("B\\\r\n");
    folders.addFavourite(name);
    EXPECT_EQ(tree(), "\\ 0\n  B 0\n  Favourites 0\n    " + name + " 1\n");
    EXPECT_TRUE(folders.moveEntry({kFav, name}, FolderPictureEntry, {"B"}, FolderPictureFolder, kFav));
    EXPECT_EQ(lines(), "B\\\r\nB\\Salt%5CPepper 50%\r\n");
    EXPECT_EQ(tree(), "\\ 0\n  B 0\n    " + name + " 1\n  Favourites 0\n");
    folders.addFolder({"B", name}, QStringLiteral("Sub"));
    EXPECT_EQ(tree(), "\\ 0\n  B 0\n    " + name + " 0\n      Sub 0\n  Favourites 0\n");
    folders.deleteNode({"B", name}, FolderPictureFolder, kFav);
    EXPECT_EQ(lines(), "B\\\r\nB\\Salt%5CPepper 50%\r\n");
    EXPECT_TRUE(folders.moveEntry({"B", name}, FolderPictureEntry, {kFav}, FolderPictureFolder, kFav));
    EXPECT_EQ(favourites.names(), QList<QByteArray>{name});
    EXPECT_EQ(lines(), "B\\\r\n");
}

TEST(FolderPaths, ComponentsReadBackExactly)
{
    const QByteArray texts[] = {"plain", "a\\b", "50%", "%5C", "%25", "%%5C", "%5C\\%", "100%25 off", "%2", "\\"};
    for (const QByteArray &text : texts) {
        const QByteArray escaped = escapeComponent(text);
        EXPECT_FALSE(escaped.contains('\\')) << text.constData();
        EXPECT_EQ(unescapeComponent(escaped), text) << text.constData();
    }
    EXPECT_EQ(escapeComponent("50%"), "50%");
    EXPECT_EQ(NodePath({}), "\\");
    EXPECT_EQ(NodePath({"A", "B\\C"}), "A\\B%5CC");
    EXPECT_EQ(LineComponents("\\A\\\\B%5CC\\"), (NodeTexts{"A", "B\\C"}));
}

TEST_F(FolderLists, FileIsFoundWhateverTheCaseOfItsName)
{
    dir.write("FolderList.dat", "A\\\r\n");
    EXPECT_EQ(tree(), "\\ 0\n  A 0\n  Favourites 0\n");
    folders.addFolder({}, QStringLiteral("B"));
    EXPECT_EQ(dir.read("FolderList.dat"), "A\\\r\nB\\\r\n");
    EXPECT_FALSE(QDir(dir.path()).entryList(QDir::Files).contains(QStringLiteral("Folderlist.dat")));
}

TEST_F(FolderLists, AFolderListThatCannotBeWrittenIsReportedAndRereadAtTheNextReload)
{
    writeLines("A\\\r\n");
    tree();
    QFile::remove(dir.file("Folderlist.dat"));
    QDir(dir.path()).mkdir(QStringLiteral("Folderlist.dat"));
    try {
        folders.addFolder({}, QStringLiteral("B"));
        FAIL() << "no error";
    } catch (const Error &error) {
        EXPECT_TRUE(error.text().contains(QStringLiteral("Folderlist.dat"))) << error.text().toStdString();
    }
    EXPECT_EQ(tree(), "\\ 0\n  Favourites 0\n");
}

TEST_F(FolderLists, AFavouritesFileThatCannotBeWrittenKeepsTheChangeInMemory)
{
    QDir(dir.path()).mkdir(QStringLiteral("Mlist.dat"));
    EXPECT_THROW(folders.addFavourite("Pie"), Error);
    EXPECT_TRUE(favourites.contains("Pie"));
    EXPECT_EQ(tree(), "\\ 0\n  Favourites 0\n    Pie 1\n");
}

} // namespace
