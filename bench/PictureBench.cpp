#include "common/FileIO.h"
#include "store/JpegCodec.h"
#include "store/PictureScaling.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A camera-sized picture with smooth areas and grain, so the JPEG carries a realistic amount of data.
QImage photoLike(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    QRandomGenerator random(7);
    for (int y = 0; y < height; ++y) {
        uchar *row = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const int grain = int(random.bounded(24u)) - 12;
            row[x * 3] = uchar(std::clamp(x * 255 / width + grain, 0, 255));
            row[x * 3 + 1] = uchar(std::clamp(y * 255 / height + grain, 0, 255));
            row[x * 3 + 2] = uchar(std::clamp(((x / 97 + y / 89) % 2) * 160 + grain + 40, 0, 255));
        }
    }
    return image;
}

const QByteArray &cameraJpeg()
{
    static const QByteArray bytes = encodeJpeg(photoLike(4000, 3000), 90);
    return bytes;
}

void ScalePictureFile_4000x3000(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("temp.jpg"));
    const QString target = dir.filePath(QStringLiteral("temp2.jpg"));
    writeFileAtomically(source, cameraJpeg());
    for (auto _ : state)
        ScalePictureFile(source, target);
    state.counters["jpegMB"] = double(cameraJpeg().size()) / 1e6;
}
BENCHMARK(ScalePictureFile_4000x3000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void DecodeJpeg_4000x3000(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeJpeg(cameraJpeg()));
}
BENCHMARK(DecodeJpeg_4000x3000)->Unit(benchmark::kMillisecond);

void Resample_4000x3000_to_300x225(benchmark::State &state)
{
    const QImage picture = decodeJpeg(cameraJpeg());
    for (auto _ : state)
        benchmark::DoNotOptimize(ResamplePicture(picture, QSize(300, 225)));
}
BENCHMARK(Resample_4000x3000_to_300x225)->Unit(benchmark::kMillisecond);

} // namespace
