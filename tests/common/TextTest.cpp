#include "common/TextEncoding.h"
#include "common/TextLines.h"

#include <gtest/gtest.h>

using Lines = QList<QByteArray>;

TEST(SplitLines, EveryKindOfBreak)
{
    struct Case {
        QByteArray text;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\nb\rc\r\nd", {"a", "b", "c", "d"}},
        {"a\n\rb", {"a", "", "b"}},   // LF then CR: two breaks
        {"a\r\r\nb", {"a", "", "b"}}, // CR, then CR LF
        {"\r\n\r\n", {"", ""}},
        {"a\r", {"a"}},
        {"a\n\n", {"a", ""}},
        {QByteArray("a\0b\r\nc", 6), {QByteArray("a\0b", 3), "c"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(splitLines(c.text), c.lines) << c.text.toStdString();
}

TEST(SplitLines, AZeroByteEndsTheTextInTheServerVariant)
{
    EXPECT_EQ(splitLinesUntilNul(QByteArray("a\r\nb\0c\r\nd", 9)), (Lines{"a", "b"}));
    EXPECT_EQ(splitLinesUntilNul(QByteArray("\0a", 2)), Lines{});
    EXPECT_EQ(splitLinesUntilNul("a\nb"), (Lines{"a", "b"}));
}

TEST(JoinLinesCrLf, EveryLineEndsWithCrLf)
{
    EXPECT_EQ(joinLinesCrLf({}), "");
    EXPECT_EQ(joinLinesCrLf({""}), "\r\n");
    EXPECT_EQ(joinLinesCrLf({"a", "", "b"}), "a\r\n\r\nb\r\n");
    EXPECT_EQ(splitLines(joinLinesCrLf({"a", "", "b"})), (Lines{"a", "", "b"}));
}

TEST(SplitTextLines, WideText)
{
    EXPECT_EQ(splitTextLines(QStringLiteral("a\r\nb\nc\rd\u2028e\r\n")),
              (QStringList{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(splitTextLines(QString()), QStringList{});
}

TEST(Windows1252, RoundTripOfEveryByte)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    EXPECT_EQ(toAnsi(fromAnsi(all)), all);
}

TEST(Windows1252, KnownCharacters)
{
    EXPECT_EQ(fromAnsi("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(fromAnsi("Fran\xE7"
                       "ais \x93x\x94 \x9F"),
              QString::fromUtf8("Français “x” Ÿ"));
    EXPECT_EQ(toAnsi(QString::fromUtf8("5 € – Müller")), "5 \x80 \x96 M\xFCller");
    // Outside the code page: one '?' per character.
    EXPECT_EQ(toAnsi(QString::fromUtf8("Ω 日本 ł")), "? ?? ?");
    EXPECT_EQ(fromAnsi(""), QString());
}

TEST(ByteOrderMark, TheFourEncodings)
{
    const QString text = QString::fromUtf8("Käse € x");
    QByteArray utf16be("\xFE\xFF", 2);
    for (QChar c : text)
        utf16be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    EXPECT_EQ(decodeWithByteOrderMark(encodeUtf16LeWithMark(text)), text);
    EXPECT_EQ(decodeWithByteOrderMark(utf16be), text);
    EXPECT_EQ(decodeWithByteOrderMark("\xEF\xBB\xBF" + text.toUtf8()), text);
    EXPECT_EQ(decodeWithByteOrderMark(toAnsi(text)), text);
    EXPECT_EQ(decodeWithByteOrderMark("K\xC3\xA4se"), QString::fromUtf8("KÃ¤se")); // no mark: ANSI
    EXPECT_EQ(decodeWithByteOrderMark(""), QString());
    EXPECT_EQ(decodeWithByteOrderMark(QByteArray("\xFF\xFE", 2)), QString());
}

TEST(ByteOrderMark, LittleEndianWriting)
{
    EXPECT_EQ(encodeUtf16LeWithMark(QStringLiteral("A\u20AC")), QByteArray("\xFF\xFE"
                                                                           "A\0\xAC\x20",
                                                                           6));
    EXPECT_EQ(encodeUtf16LeWithMark(QString()), QByteArray("\xFF\xFE", 2));
}
