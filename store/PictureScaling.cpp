#include "store/PictureScaling.h"

#include "common/Error.h"
#include "common/FileIO.h"
#include "store/JpegCodec.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace {

constexpr qint64 kMaxOutputPixels = 100'000'000;

QString translated(const char *text)
{
    return QCoreApplication::translate("PictureScaling", text);
}

int roundHalfToEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    double result = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        result = below + 1.0;
    return int(
        std::clamp(result, double(std::numeric_limits<int>::min()), double(std::numeric_limits<int>::max())));
}

// For every target index along one axis, the source indices it draws from and their weights
// (summing to 1).
struct AxisWeights {
    std::vector<int> first, count;
    std::vector<int> offset; // into weights
    std::vector<float> weights;
};

AxisWeights axisWeights(int source, int target)
{
    AxisWeights a;
    a.first.resize(size_t(target));
    a.count.resize(size_t(target));
    a.offset.resize(size_t(target));
    const double scale = double(source) / target;
    for (int i = 0; i < target; ++i) {
        a.offset[size_t(i)] = int(a.weights.size());
        if (target < source) {
            // Area average: each target pixel covers [i, i + 1) * scale of the source.
            const double from = i * scale, to = std::min(double(source), (i + 1) * scale);
            const int j0 = int(std::floor(from)), j1 = std::min(source, int(std::ceil(to)));
            a.first[size_t(i)] = j0;
            for (int j = j0; j < j1; ++j)
                a.weights.push_back(float((std::min(to, j + 1.0) - std::max(from, double(j))) / scale));
            a.count[size_t(i)] = j1 - j0;
        } else {
            // Bilinear between the two nearest source centres, edges held.
            const double centre = std::clamp((i + 0.5) * scale - 0.5, 0.0, double(source - 1));
            const int j0 = int(std::floor(centre));
            const int j1 = std::min(j0 + 1, source - 1);
            const float t = float(centre - j0);
            a.first[size_t(i)] = j0;
            if (j1 == j0 || t == 0.0f) {
                a.weights.push_back(1.0f);
                a.count[size_t(i)] = 1;
            } else {
                a.weights.push_back(1.0f - t);
                a.weights.push_back(t);
                a.count[size_t(i)] = 2;
            }
        }
    }
    return a;
}

// Resamples a picture fed row by row: each source row is resampled across once and added into
// the target rows it contributes to, so no whole-size copy of the source is ever needed.
class RowResampler {
public:
    RowResampler(QSize source, QSize target)
        : m_across(axisWeights(source.width(), target.width())), m_target(target),
          m_line(size_t(target.width()) * 3), m_sums(size_t(target.width()) * 3 * size_t(target.height())),
          m_into(size_t(source.height()))
    {
        const AxisWeights down = axisWeights(source.height(), target.height());
        for (int i = 0; i < target.height(); ++i)
            for (int k = 0; k < down.count[size_t(i)]; ++k)
                m_into[size_t(down.first[size_t(i)] + k)].push_back(
                    {i, down.weights[size_t(down.offset[size_t(i)] + k)]});
    }

    void addRow(int y, const uchar *rgb)
    {
        const auto &targets = m_into[size_t(y)];
        if (targets.empty())
            return;
        for (int x = 0; x < m_target.width(); ++x) {
            const float *w = m_across.weights.data() + m_across.offset[size_t(x)];
            const uchar *p = rgb + size_t(m_across.first[size_t(x)]) * 3;
            float r = 0, g = 0, b = 0;
            for (int k = 0, n = m_across.count[size_t(x)]; k < n; ++k, p += 3) {
                r += w[k] * p[0];
                g += w[k] * p[1];
                b += w[k] * p[2];
            }
            m_line[size_t(x) * 3] = r;
            m_line[size_t(x) * 3 + 1] = g;
            m_line[size_t(x) * 3 + 2] = b;
        }
        for (const auto &[row, weight] : targets) {
            float *sum = m_sums.data() + size_t(row) * m_line.size();
            for (size_t i = 0; i < m_line.size(); ++i)
                sum[i] += weight * m_line[i];
        }
    }

    QImage result() const
    {
        QImage target(m_target, QImage::Format_RGB888);
        if (target.isNull())
            throw Error(translated("There is not enough memory for a picture of %1 x %2 pixels.")
                            .arg(m_target.width())
                            .arg(m_target.height()));
        for (int y = 0; y < m_target.height(); ++y) {
            const float *sum = m_sums.data() + size_t(y) * m_line.size();
            uchar *out = target.scanLine(y);
            for (size_t i = 0; i < m_line.size(); ++i)
                out[i] = uchar(std::clamp(int(sum[i] + 0.5f), 0, 255));
        }
        return target;
    }

private:
    AxisWeights m_across;
    QSize m_target;
    std::vector<float> m_line, m_sums;
    std::vector<std::vector<std::pair<int, float>>> m_into; // per source row: target rows and weights
};

QSize fittedSize(QSize picture, int boxWidth, int boxHeight)
{
    const QSize size = ScaledPictureSize(picture, boxWidth, boxHeight);
    if (size.isEmpty() || qint64(size.width()) * size.height() > kMaxOutputPixels)
        throw Error(translated("A picture of %1 x %2 pixels cannot be made from this one.")
                        .arg(size.width())
                        .arg(size.height()));
    return size;
}

// Scales a JPEG while it is being decoded.
class ScalingSink : public JpegRowSink {
public:
    ScalingSink(int boxWidth, int boxHeight) : m_boxWidth(boxWidth), m_boxHeight(boxHeight) {}
    void begin(QSize size) override { m_resampler.emplace(size, fittedSize(size, m_boxWidth, m_boxHeight)); }
    void row(int y, const uchar *rgb) override { m_resampler->addRow(y, rgb); }
    QImage result() const { return m_resampler->result(); }

private:
    int m_boxWidth, m_boxHeight;
    std::optional<RowResampler> m_resampler;
};

QImage scaledPicture(const QByteArray &bytes, bool bitmap, int boxWidth, int boxHeight)
{
    if (bitmap) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "bmp");
        const QImage image = reader.read();
        if (image.isNull())
            throw Error(
                translated("The picture is not a readable Windows bitmap: %1").arg(reader.errorString()));
        const QImage rgb = opaqueRgb888(image);
        return ResamplePicture(rgb, fittedSize(rgb.size(), boxWidth, boxHeight));
    }
    ScalingSink sink(boxWidth, boxHeight);
    decodeJpegRows(bytes, sink);
    return sink.result();
}

QByteArray encodeAs(const QImage &image, bool bitmap, bool quality)
{
    if (!bitmap)
        return encodeJpeg(image, quality ? 80 : 90);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(image))
        throw Error(
            translated("The picture could not be written as a Windows bitmap: %1").arg(writer.errorString()));
    return buffer.data();
}

} // namespace

QSize ScaledPictureSize(QSize picture, int boxWidth, int boxHeight)
{
    if (picture.isEmpty())
        return {};
    if (boxWidth == 0)
        boxWidth = picture.width();
    if (boxHeight == 0)
        boxHeight = picture.height();
    const double ratio = double(picture.width()) / picture.height();
    if (ratio > 1.0)
        return {boxWidth, std::max(1, roundHalfToEven(boxWidth / ratio))};
    return {std::max(1, roundHalfToEven(boxHeight * ratio)), boxHeight};
}

QImage ResamplePicture(const QImage &rgb, QSize size)
{
    const QImage source =
        rgb.format() == QImage::Format_RGB888 ? rgb : rgb.convertToFormat(QImage::Format_RGB888);
    RowResampler resampler(source.size(), size);
    for (int y = 0; y < source.height(); ++y)
        resampler.addRow(y, source.constScanLine(y));
    return resampler.result();
}

QImage opaqueRgb888(const QImage &picture)
{
    if (!picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_RGB888);
    QImage flat(picture.size(), QImage::Format_RGB888);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
    painter.end();
    return flat;
}

void ScalePicture(QIODevice &source, QIODevice &target, int boxWidth, int boxHeight, const QString &extension,
                  bool quality)
{
    if (boxWidth < 0 || boxHeight < 0)
        throw Error(translated("A picture cannot be fitted into a box of %1 x %2 pixels.")
                        .arg(boxWidth)
                        .arg(boxHeight));
    const bool bitmap = extension == QLatin1String(".bmp");
    const QByteArray bytes =
        encodeAs(scaledPicture(source.readAll(), bitmap, boxWidth, boxHeight), bitmap, quality);
    if (target.write(bytes) != bytes.size())
        throw Error(translated("The scaled picture could not be written: %1").arg(target.errorString()));
}

void ScalePictureFile(const QString &sourcePath, const QString &targetPath)
{
    const std::optional<QByteArray> bytes = readFileIfExists(sourcePath);
    if (!bytes)
        return;
    QBuffer source;
    source.setData(*bytes);
    source.open(QIODevice::ReadOnly);
    QBuffer scaled;
    scaled.open(QIODevice::WriteOnly);
    const QString suffix = QFileInfo(sourcePath).suffix();
    const QString extension = suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix.toLower();
    try {
        ScalePicture(source, scaled, 300, 300, extension, true);
    } catch (const Error &error) {
        throw Error(translated("The picture \"%1\" could not be scaled. %2")
                        .arg(QFileInfo(sourcePath).fileName(), error.text()));
    }
    // Written only now, so a picture that fails leaves the old file whole.
    writeFileAtomically(targetPath, scaled.data());
}
