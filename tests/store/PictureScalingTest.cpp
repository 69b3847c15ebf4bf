#include "store/PictureScaling.h"
#include "common/Error.h"
#include "store/JpegCodec.h"
#include "tests/support/TempDataDir.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

QImage gradient(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y,
                           qRgb(x * 255 / std::max(1, width - 1), y * 255 / std::max(1, height - 1), 90));
    return image;
}

QByteArray bitmapBytes(const QImage &image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    EXPECT_TRUE(writer.write(image));
    return buffer.data();
}

QImage readBitmap(const QByteArray &bytes)
{
    QImage image;
    image.loadFromData(bytes, "BMP");
    return image;
}

// The markers of a JPEG file up to its scan data: (marker, segment bytes after the length).
QList<std::pair<int, QByteArray>> markers(const QByteArray &jpeg)
{
    QList<std::pair<int, QByteArray>> found;
    qsizetype at = 2;
    while (at + 4 <= jpeg.size() && uchar(jpeg[at]) == 0xFF) {
        const int marker = uchar(jpeg[at + 1]);
        const int length = (uchar(jpeg[at + 2]) << 8) | uchar(jpeg[at + 3]);
        found.append({marker, jpeg.mid(at + 4, length - 2)});
        if (marker == 0xDA)
            break;
        at += 2 + length;
    }
    return found;
}

QByteArray segment(const QByteArray &jpeg, int marker)
{
    for (const auto &[m, bytes] : markers(jpeg))
        if (m == marker)
            return bytes;
    return {};
}

QByteArray scaled(const QByteArray &input, const QString &extension, bool quality = true, int box = 300)
{
    QBuffer source;
    source.setData(input);
    source.open(QIODevice::ReadOnly);
    QBuffer target;
    target.open(QIODevice::WriteOnly);
    ScalePicture(source, target, box, box, extension, quality);
    return target.data();
}

} // namespace

TEST(PictureScaling, FitsIntoTheBoxKeepingTheAspectRatio)
{
    const struct {
        QSize picture, expected;
    } cases[] = {
        {{640, 480}, {300, 225}}, {{480, 640}, {225, 300}}, {{301, 300}, {300, 299}},
        {{100, 50}, {300, 150}},  {{300, 300}, {300, 300}}, {{1000, 1000}, {300, 300}},
        {{1000, 1}, {300, 1}},    {{1, 1000}, {1, 300}},    {{7, 3}, {300, 129}},
    };
    TempDataDir dir;
    for (const auto &c : cases) {
        dir.write("in.jpg", encodeJpeg(gradient(c.picture.width(), c.picture.height()), 90));
        ScalePictureFile(dir.file("in.jpg"), dir.file("out.jpg"));
        const QByteArray out = dir.read("out.jpg");
        ASSERT_TRUE(looksLikeJpeg(out)) << c.picture.width() << "x" << c.picture.height();
        EXPECT_EQ(decodeJpeg(out).size(), c.expected) << c.picture.width() << "x" << c.picture.height();
    }
}

TEST(PictureScaling, RoundsHalvesToEvenAndKeepsAtLeastOnePixel)
{
    const struct {
        QSize picture;
        int boxWidth, boxHeight;
        QSize expected;
    } cases[] = {
        {{600, 5}, 300, 300, {300, 2}}, // 2.5
        {{200, 1}, 300, 300, {300, 2}}, // 1.5
        {{1, 120}, 300, 300, {2, 300}}, // 2.5
        {{1, 200}, 300, 300, {2, 300}}, // 1.5
        {{600, 1}, 300, 300, {300, 1}}, // 0.5 rounds to 0
        {{640, 480}, 0, 0, {640, 480}},    {{640, 480}, 0, 300, {640, 480}}, {{480, 640}, 300, 0, {480, 640}},
        {{640, 480}, 300, 10, {300, 225}}, // only the width counts for a wide picture
    };
    for (const auto &c : cases)
        EXPECT_EQ(ScaledPictureSize(c.picture, c.boxWidth, c.boxHeight), c.expected)
            << c.picture.width() << "x" << c.picture.height() << " in " << c.boxWidth << "x" << c.boxHeight;
}

TEST(PictureScaling, WritesBaselineColourJpegAtTheChosenQuality)
{
    const QByteArray input = encodeJpeg(gradient(640, 480), 95);
    for (const bool quality : {true, false}) {
        const QByteArray out = scaled(input, QStringLiteral(".jpg"), quality);
        ASSERT_TRUE(looksLikeJpeg(out));
        const QByteArray frame = segment(out, 0xC0);
        ASSERT_FALSE(frame.isEmpty()) << "no baseline frame header";
        EXPECT_TRUE(segment(out, 0xC2).isEmpty()) << "progressive";
        EXPECT_EQ(uchar(frame[0]), 8);                            // bits per sample
        EXPECT_EQ((uchar(frame[1]) << 8) | uchar(frame[2]), 225); // height
        EXPECT_EQ((uchar(frame[3]) << 8) | uchar(frame[4]), 300); // width
        EXPECT_EQ(uchar(frame[5]), 3);                            // colour components
        // The luminance table's first entry is 16 in the standard table, scaled by quality.
        const QByteArray tables = segment(out, 0xDB);
        ASSERT_GE(tables.size(), 2);
        EXPECT_EQ(uchar(tables[1]), quality ? 6 : 3);
    }
}

TEST(PictureScaling, BitmapExtensionReadsAndWritesBitmaps)
{
    const QByteArray out = scaled(bitmapBytes(gradient(640, 480)), QStringLiteral(".bmp"));
    ASSERT_TRUE(out.startsWith("BM"));
    EXPECT_EQ(readBitmap(out).size(), QSize(300, 225));

    TempDataDir dir;
    dir.write("Picture.BMP", bitmapBytes(gradient(100, 50)));
    ScalePictureFile(dir.file("Picture.BMP"), dir.file("out.jpg"));
    const QByteArray file = dir.read("out.jpg");
    ASSERT_TRUE(file.startsWith("BM")) << "the extension is compared in lower case";
    EXPECT_EQ(readBitmap(file).size(), QSize(300, 150));
}

TEST(PictureScaling, MissingSourceLeavesTheTargetAlone)
{
    TempDataDir dir;
    ScalePictureFile(dir.file("missing.jpg"), dir.file("new.jpg"));
    EXPECT_FALSE(dir.exists("new.jpg"));
    dir.write("old.jpg", "old bytes");
    ScalePictureFile(dir.file("missing.jpg"), dir.file("old.jpg"));
    EXPECT_EQ(dir.read("old.jpg"), "old bytes");
}

TEST(PictureScaling, UndecodableSourceFailsAndLeavesTheTargetWhole)
{
    const QByteArray jpeg = encodeJpeg(gradient(64, 48), 90);
    const QByteArray sources[] = {
        "this is not a picture",
        bitmapBytes(gradient(64, 48)), // a bitmap under a JPEG name
        jpeg.left(40),                 // cut off inside the headers
        QByteArray(),
    };
    TempDataDir dir;
    dir.write("temp2.jpg", "the stored picture");
    for (const QByteArray &source : sources) {
        dir.write("temp.jpg", source);
        try {
            ScalePictureFile(dir.file("temp.jpg"), dir.file("temp2.jpg"));
            ADD_FAILURE() << "no error for " << source.left(12).toHex().constData();
        } catch (const Error &error) {
            EXPECT_TRUE(error.text().contains(QLatin1String("temp.jpg"))) << error.text().toStdString();
        }
        EXPECT_EQ(dir.read("temp2.jpg"), "the stored picture");
    }
    EXPECT_THROW(scaled("BM not really", QStringLiteral(".bmp")), Error);
}

TEST(PictureScaling, TargetThatCannotBeWrittenIsAnError)
{
    TempDataDir dir;
    dir.write("target.jpg", "x");
    QFile target(dir.file("target.jpg"));
    ASSERT_TRUE(target.open(QIODevice::ReadOnly));
    QBuffer source;
    source.setData(encodeJpeg(gradient(40, 30), 90));
    source.open(QIODevice::ReadOnly);
    EXPECT_THROW(ScalePicture(source, target, 300, 300, QStringLiteral(".jpg"), true), Error);
}

TEST(PictureScaling, ShrinkingAveragesFineDetailInsteadOfAliasing)
{
    // One-pixel checkerboard, shrunk tenfold: every target pixel covers 50 black and 50 white.
    QImage board(1000, 700, QImage::Format_RGB888);
    for (int y = 0; y < board.height(); ++y) {
        uchar *row = board.scanLine(y);
        for (int x = 0; x < board.width(); ++x)
            std::fill_n(row + x * 3, 3, uchar((x + y) % 2 ? 255 : 0));
    }
    const QImage out = readBitmap(scaled(bitmapBytes(board), QStringLiteral(".bmp"), true, 100));
    ASSERT_EQ(out.size(), QSize(100, 70));
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            ASSERT_NEAR(qGray(out.pixel(x, y)), 128, 1) << x << "," << y;

    // A non-integral factor still keeps the mean grey.
    const QImage odd = ResamplePicture(board, QSize(97, 61));
    for (int y = 0; y < odd.height(); ++y)
        for (int x = 0; x < odd.width(); ++x)
            ASSERT_NEAR(qGray(odd.pixel(x, y)), 128, 3) << x << "," << y;
}

TEST(PictureScaling, EnlargingBlendsNeighbours)
{
    QImage halves(100, 50, QImage::Format_RGB888);
    halves.fill(Qt::black);
    QPainter(&halves).fillRect(50, 0, 50, 50, Qt::white);
    const QImage out = readBitmap(scaled(bitmapBytes(halves), QStringLiteral(".bmp")));
    ASSERT_EQ(out.size(), QSize(300, 150));
    int previous = -1, between = 0;
    for (int x = 0; x < out.width(); ++x) {
        const int grey = qGray(out.pixel(x, 75));
        EXPECT_GE(grey, previous) << x;
        previous = grey;
        between += grey > 0 && grey < 255;
    }
    EXPECT_EQ(qGray(out.pixel(0, 0)), 0);
    EXPECT_EQ(qGray(out.pixel(299, 149)), 255);
    EXPECT_GE(between, 2);
    EXPECT_LE(between, 4); // a soft edge, not a blur over the whole picture
}

TEST(JpegCodec, DecodesGreyPicturesAsColour)
{
    QImage grey(32, 16, QImage::Format_Grayscale8);
    grey.fill(200);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    if (!writer.write(grey))
        GTEST_SKIP() << "no JPEG writer in this Qt";
    const QImage decoded = decodeJpeg(buffer.data());
    ASSERT_EQ(decoded.format(), QImage::Format_RGB888);
    ASSERT_EQ(decoded.size(), QSize(32, 16));
    const QRgb pixel = decoded.pixel(5, 5);
    EXPECT_NEAR(qRed(pixel), 200, 2);
    EXPECT_EQ(qRed(pixel), qGreen(pixel));
    EXPECT_EQ(qGreen(pixel), qBlue(pixel));
}

TEST(JpegCodec, RoundTripKeepsThePicture)
{
    const QImage picture = gradient(123, 77);
    const QImage back = decodeJpeg(encodeJpeg(picture, 95));
    ASSERT_EQ(back.size(), picture.size());
    for (int y = 0; y < picture.height(); y += 10)
        for (int x = 0; x < picture.width(); x += 10)
            EXPECT_NEAR(qGreen(back.pixel(x, y)), qGreen(picture.pixel(x, y)), 6);
    EXPECT_THROW(encodeJpeg(QImage(), 80), Error);
}
