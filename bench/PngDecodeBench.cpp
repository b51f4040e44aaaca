// Decoding a 4096 x 4096 RGBA PNG: cPNG against Qt's reader (libpng), in the same run.
// Usage: bench_png_decode [FILE.png] [RUNS]; without a file a picture is made and saved by Qt.
#include "BenchTiming.h"
#include "image/cPNG.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>

#include <zlib.h>

namespace {

// Smooth gradients with soft shapes, a little noise and a varying alpha: something like a
// large decoration image with an alpha channel.
QImage MakePicture(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    QRandomGenerator random(732);
    for (int y = 0; y < size; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size; ++x) {
            const double u = double(x) / size, v = double(y) / size;
            const int noise = int(random.bounded(6));
            const int r = int(127 + 120 * std::sin(6.0 * u + 2.0 * v)) + noise;
            const int g = int(127 + 120 * std::cos(4.0 * v - 3.0 * u * v)) + noise;
            const int b = int(255 * u * v) ^ (x >> 7 & 1 ? 0x10 : 0);
            const int a = std::clamp(int(255 * (1.2 - std::hypot(u - 0.5, v - 0.5) * 1.6)), 0, 255);
            line[x] = qRgba(std::min(r, 255), std::min(g, 255), b & 255, a);
        }
    }
    return image;
}

}  // namespace

int main(int argc, char** argv)
{
    QTemporaryDir dir;
    QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 7;
    if (path.isEmpty()) {
        path = dir.filePath(QStringLiteral("bench.png"));
        QImageWriter writer(path, "png");
        if (!writer.write(MakePicture(4096))) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
            return 1;
        }
    }
    std::printf("file: %s, %lld bytes\n", qPrintable(QFileInfo(path).fileName()), QFileInfo(path).size());

    cPNG check;
    if (check.LoadPNGFile(path) != 0 || check.IsEmpty()) {
        std::fprintf(stderr, "cPNG could not decode the file\n");
        return 1;
    }
    std::printf("image: %d x %d, bit depth %d, colour type %d, bitmap %d bits\n", check.Width(), check.Height(), check.BitDepth(),
        check.ColorType(), check.Bitmap().info.bitCount);

    // Interleaved, so that both readers see the same machine load.
    std::vector<double> ours, qt;
    for (int i = 0; i < runs; ++i) {
        ours.push_back(TimeRuns(1, [&] {
            cPNG png;
            png.LoadPNGFile(path);
        })[0]);
        qt.push_back(TimeRuns(1, [&] {
            QImageReader reader(path, "png");
            QImage image = reader.read();
        })[0]);
    }
    std::sort(ours.begin(), ours.end());
    std::sort(qt.begin(), qt.end());
    std::printf("cPNG::LoadPNGFile   min %8.1f ms   median %8.1f ms\n", ours.front(), Median(ours));
    std::printf("QImageReader (png)  min %8.1f ms   median %8.1f ms\n", qt.front(), Median(qt));
    std::printf("ratio cPNG / Qt (median): %.2f (target at most 1.5)\n", Median(ours) / Median(qt));

    // What the chunk CRC checks cost at most: one CRC over every byte of the file.
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    uLong crc = 0;
    const std::vector<double> crcTimes
        = TimeRuns(runs, [&] { crc ^= crc32(0L, reinterpret_cast<const Bytef*>(bytes.constData()), uInt(bytes.size())); });
    std::printf("CRC over the whole file: median %.1f ms = %.1f %% of cPNG's decoding [%lu]\n", Median(crcTimes),
        100.0 * Median(crcTimes) / Median(ours), crc & 1);
    return 0;
}
