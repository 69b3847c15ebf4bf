#include "common/Error.h"
#include "common/FileIO.h"
#include "common/LanguageTexts.h"
#include "tests/support/TempDataDir.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

template <typename F> QString errorOf(F f)
{
    try {
        f();
    } catch (const Error &e) {
        return e.text();
    }
    return QString();
}

} // namespace

TEST(FileIO, WritesReadsAndRemoves)
{
    TempDataDir dir(false);
    const QString path = dir.file("a.dat");
    EXPECT_FALSE(readFileIfExists(path));
    writeFileAtomically(path, QByteArray("one\0two", 7));
    EXPECT_EQ(*readFileIfExists(path), QByteArray("one\0two", 7));
    writeFileAtomically(path, "x");
    EXPECT_EQ(readWholeFile(path), "x");
    writeFileAtomically(path, "");
    EXPECT_EQ(readWholeFile(path), "");
    removeFileIfExists(path);
    EXPECT_FALSE(dir.exists("a.dat"));
    EXPECT_NO_THROW(removeFileIfExists(path));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{}); // no temporaries left
}

TEST(FileIO, FailuresNameTheFile)
{
    TempDataDir dir(false);
    QDir().mkdir(dir.file("Busy.dat"));
    const QString busy = QDir::toNativeSeparators(dir.file("Busy.dat"));
    EXPECT_TRUE(errorOf([&] { writeFileAtomically(dir.file("Busy.dat"), "x"); }).contains(busy));
    EXPECT_TRUE(errorOf([&] { writePlainFile(dir.file("Busy.dat"), "x"); }).contains(busy));
    EXPECT_TRUE(
        errorOf([&] { writeFileAtomically(dir.file("No/such/folder.dat"), "x"); }).contains("folder.dat"));
    EXPECT_TRUE(errorOf([&] { readWholeFile(dir.file("Missing.dat")); }).contains("Missing.dat"));
    EXPECT_TRUE(errorOf([&] { readFileIfExists(dir.file("Busy.dat")); }).contains(busy));
    QDir().mkpath(dir.file("Full/inside"));
    EXPECT_TRUE(errorOf([&] { removeFileIfExists(dir.file("Full")); }).contains("Full"));
}

TEST(FileIO, PlainWriteReplacesTheFile)
{
    TempDataDir dir(false);
    writePlainFile(dir.file("page.htm"), "a longer first version");
    writePlainFile(dir.file("page.htm"), "short");
    EXPECT_EQ(dir.read("page.htm"), "short");
}

TEST(LanguageTexts, AShortFileFallsBackToTheBuiltInTexts)
{
    TempDataDir dir(false);
    dir.write("Short.txt", "\xEF\xBB\xBFnull\r\neins\r\nzw\xC3\xB6lf");
    LanguageTexts texts;
    texts.load(dir.file("Short.txt"));
    EXPECT_EQ(texts.loadedCount(), 3);
    EXPECT_EQ(texts.text(0), "null");
    EXPECT_EQ(texts.text(2), QString::fromUtf8("zwölf"));
    ASSERT_GE(LanguageTexts::builtIn().size(), LanguageTexts::kCount);
    EXPECT_EQ(texts.text(3), LanguageTexts::builtIn().at(3));
    EXPECT_EQ(texts.text(128), LanguageTexts::builtIn().at(128));
    EXPECT_FALSE(texts.text(128).isEmpty());
    EXPECT_EQ(texts.text(-1), QString());
    EXPECT_EQ(texts.text(100000), QString());
}

TEST(LanguageTexts, AFileThatCannotBeReadLeavesTheTable)
{
    TempDataDir dir(false);
    dir.write("Two.txt", "a\nb\n");
    LanguageTexts texts;
    texts.load(dir.file("Two.txt"));
    EXPECT_THROW(texts.load(dir.file("Missing.txt")), Error);
    EXPECT_EQ(texts.text(1), "b");
    EXPECT_EQ(texts.loadedPath(), dir.file("Two.txt"));
}
