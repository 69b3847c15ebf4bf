#include "app/Program.h"
#include "planner/ShoppingListTab.h"
#include "store/AppContext.h"
#include "store/Database.h"
#include "tests/support/TempDataDir.h"
#include "tests/support/TestProgram.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

QByteArray utf16le(const QString &text)
{
    QByteArray bytes("\xFF\xFE", 2);
    for (QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

// Counts how often a file of the folder is replaced while an action runs (inotify).
class ReplacementCounter {
public:
    explicit ReplacementCounter(const QString &folder)
        : m_fd(inotify_init1(IN_NONBLOCK)),
          m_watch(inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), IN_MOVED_TO | IN_CREATE))
    {
    }
    ~ReplacementCounter() { close(m_fd); }

    int count(const QByteArray &name)
    {
        int found = 0;
        alignas(inotify_event) char buffer[8192];
        for (ssize_t n; (n = read(m_fd, buffer, sizeof buffer)) > 0;)
            for (char *p = buffer; p < buffer + n;) {
                const auto *event = reinterpret_cast<const inotify_event *>(p);
                if (event->len && QByteArray(event->name) == name &&
                    (event->mask & (IN_MOVED_TO | IN_CREATE)))
                    ++found;
                p += sizeof(inotify_event) + event->len;
            }
        return found;
    }
    bool ok() const { return m_fd >= 0 && m_watch >= 0; }

private:
    int m_fd;
    int m_watch;
};

class ShoppingList : public ::testing::Test {
protected:
    ShoppingListTab &tab() { return *t.find<ShoppingListTab>(QStringLiteral("TntTabSheet4")); }
    QPlainTextEdit &memo() { return *t.find<QPlainTextEdit>(QStringLiteral("TntMemo3")); }
    void addRecipe(const QByteArray &name, const QByteArray &ingredients)
    {
        NewRecipe recipe;
        recipe.name = name;
        recipe.ingredients = ingredients;
        recipe.preparation = "Kochen.";
        recipe.author = "Me";
        recipe.dimension = "1";
        recipe.categories = "100000";
        recipe.language = "German";
        t.program().context().store.addRecipe(recipe);
    }

    TempDataDir dir;
    TestProgram t{dir.path()};
};

} // namespace

TEST_F(ShoppingList, TheTabHoldsItsControls)
{
    auto *button = t.find<QToolButton>(QStringLiteral("TntToolButton11"));
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->icon().isNull());
    EXPECT_FALSE(button->toolTip().isEmpty());
    EXPECT_EQ(memo().lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(memo().horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo().verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(ShoppingList, AppendingARecipeAddsItsBlock)
{
    addRecipe("Suppe", "A\r\nB");
    addRecipe("Brot", "Mehl\nWasser\r\n");
    tab().appendRecipe("Suppe");
    EXPECT_EQ(memo().toPlainText(), QStringLiteral("--------\n\nSuppe\n\nA\nB\n\n\n\n"));
    EXPECT_EQ(dir.read("EList.dat"),
              utf16le(QStringLiteral("--------\r\n\r\nSuppe\r\n\r\nA\r\nB\r\n\r\n\r\n\r\n")));

    // A trailing break of the ingredients gives no extra line; a name without recipe gets the frame only.
    tab().appendRecipe("Brot");
    tab().appendRecipe("Nichts \xC3\xA4");
    EXPECT_EQ(memo().toPlainText(), QStringLiteral("--------\n\nSuppe\n\nA\nB\n\n\n\n"
                                                   "--------\n\nBrot\n\nMehl\nWasser\n\n\n\n"
                                                   "--------\n\nNichts ä\n\n\n\n\n"));
    EXPECT_EQ(dir.read("EList.dat"), utf16le(memo().toPlainText().replace(u'\n', QStringLiteral("\r\n"))));
    EXPECT_TRUE(t.messages.isEmpty());
}

TEST_F(ShoppingList, ABlockGoesOnANewLineAfterTypedText)
{
    memo().setPlainText(QStringLiteral("Milch"));
    tab().AppendToShoppingList("X", "");
    EXPECT_EQ(memo().toPlainText(), QStringLiteral("Milch\n--------\n\nX\n\n\n\n\n"));
}

TEST_F(ShoppingList, EachAppendedBlockIsWrittenOnce)
{
    ReplacementCounter counter(dir.path());
    ASSERT_TRUE(counter.ok());
    tab().AppendToShoppingList("Suppe", "A\r\nB\r\nC");
    EXPECT_EQ(counter.count("EList.dat"), 1);
    QTest::keyClicks(&memo(), QStringLiteral("ab"));
    EXPECT_EQ(counter.count("EList.dat"), 2); // typing writes at every change
    EXPECT_EQ(dir.read("EList.dat"), utf16le(memo().toPlainText().replace(u'\n', QStringLiteral("\r\n"))));
}

TEST(ShoppingListFile, ReadInEveryEncodingAndWrittenBackAsUtf16)
{
    const QString expected = QStringLiteral("Äpfel €\nBirnen\nKiwi\n\nEnde");
    const struct {
        const char *what;
        QByteArray bytes;
    } cases[] = {
        {"UTF-8 with mark",
         QByteArray("\xEF\xBB\xBF") + QStringLiteral("Äpfel €\r\nBirnen\nKiwi\r\rEnde").toUtf8()},
        {"8-bit", QByteArray("\xC4pfel \x80\r\nBirnen\nKiwi\r\rEnde")},
        {"UTF-16 LE", utf16le(QStringLiteral("Äpfel €\r\nBirnen\u2028Kiwi\r\n\nEnde"))},
        {"UTF-16 BE",
         [] {
             QByteArray bytes("\xFE\xFF", 2);
             for (QChar c : QStringLiteral("Äpfel €\nBirnen\nKiwi\n\nEnde")) {
                 bytes.append(char(c.unicode() >> 8));
                 bytes.append(char(c.unicode() & 0xFF));
             }
             return bytes;
         }()},
    };
    for (const auto &c : cases) {
        TempDataDir dir;
        dir.write("EList.dat", c.bytes);
        TestProgram t(dir.path());
        auto *memo = t.find<QPlainTextEdit>(QStringLiteral("TntMemo3"));
        EXPECT_EQ(memo->toPlainText(), expected) << c.what;
        EXPECT_EQ(dir.read("EList.dat"), c.bytes) << c.what; // loading writes nothing
        memo->moveCursor(QTextCursor::End);
        QTest::keyClicks(memo, QStringLiteral("!"));
        EXPECT_EQ(dir.read("EList.dat"), utf16le(QStringLiteral("Äpfel €\r\nBirnen\r\nKiwi\r\n\r\nEnde!")))
            << c.what;
    }
}

TEST_F(ShoppingList, PrintingWritesThePageAndAsksForThePrintWindow)
{
    QSignalSpy printed(&tab(), &ShoppingListTab::printRequested);
    t.find<QToolButton>(QStringLiteral("TntToolButton11"))->click();
    const QByteArray head =
        "<HTML><HEAD><META http-equiv=Content-Type content=\"text/html; charset=utf-8\"></HEAD>";
    EXPECT_EQ(dir.read("Print.html"), head + "\r\n</HTML>\r\n");
    ASSERT_EQ(printed.size(), 1);
    EXPECT_EQ(printed[0][0].toString(), dir.file("Print.html"));

    // The lines go in as they are; only the empty line after the last break is left out.
    memo().setPlainText(QStringLiteral("2 Äpfel\n\n<b>Salz</b> & Pfeffer\n"));
    t.find<QToolButton>(QStringLiteral("TntToolButton11"))->click();
    EXPECT_EQ(dir.read("Print.html"),
              head + "\r\n2 \xC3\x84pfel<br>\r\n<br>\r\n<b>Salz</b> & Pfeffer<br>\r\n</HTML>\r\n");
    EXPECT_EQ(printed.size(), 2);
    EXPECT_TRUE(t.messages.isEmpty());
}

TEST_F(ShoppingList, AFailedWriteIsReportedAndTheTextStays)
{
    QDir().mkpath(dir.file("EList.dat"));
    QTest::keyClicks(&memo(), QStringLiteral("x"));
    EXPECT_EQ(memo().toPlainText(), QStringLiteral("x"));
    ASSERT_EQ(t.messages.size(), 1);
    EXPECT_TRUE(t.messages[0].contains(QStringLiteral("EList.dat"))) << t.messages[0].toStdString();
}

TEST_F(ShoppingList, CtrlASelectsTheWholeList)
{
    memo().setPlainText(QStringLiteral("eins\nzwei"));
    QTest::keyRelease(&memo(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(memo().textCursor().selectedText(), QStringLiteral("eins\u2029zwei"));
}
