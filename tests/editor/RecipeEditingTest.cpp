#include "editor/RecipeEditing.h"

#include <gtest/gtest.h>

TEST(RecipeEditing, CategoryBitsFollowTheMarksAndNoMarkMeansAll)
{
    const struct {
        QList<bool> marks;
        QByteArray bits;
    } cases[] = {
        {{false, false, false, false, false, false}, "111111"},
        {{false, true, false, true, false, false}, "010100"},
        {{true, true, true}, "111"},
        {{}, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(storedCategoryBits(c.marks), c.bits);
}

TEST(RecipeEditing, TextsAreStoredWithCrLfAndShownWithNewlines)
{
    const struct {
        QString field;
        QByteArray stored;
    } cases[] = {
        {QStringLiteral("a\nb"), "a\r\nb"},
        {QStringLiteral("a\n\nb\n"), "a\r\n\r\nb\r\n"},
        {QStringLiteral("a\r\nb\rc"), "a\r\nb\r\nc"},
        {QStringLiteral("a") + QChar::LineSeparator + "b", "a\r\nb"},
        {QStringLiteral("Grüße"), "Gr\xc3\xbc\xc3\x9f"
                                  "e"},
        {QString(), ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(storedText(c.field), c.stored) << c.field.toStdString();
    EXPECT_EQ(fieldText("a\r\nb\rc\nd"), QStringLiteral("a\nb\nc\nd"));
}
