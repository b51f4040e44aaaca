// Resampling 1920 x 1080 to 120 x 90: cDIBSection::Resample against QImage::scaled with
// smooth transformation, in the same run. Usage: bench_resample [RUNS]
#include "BenchTiming.h"
#include "image/cDIBSection.h"
#include "image/ui/DibImage.h"

#include <QImage>

#include <cstdio>

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 201;
    cDIBSection source;
    if (!source.Create(1920, 1080))
        return 1;
    for (int y = 0; y < 1080; ++y)
        for (int x = 0; x < 1920; ++x)
            source.SetPixel(x, y, uint32_t((x * 7 + y) & 255) << 16 | uint32_t((x ^ y) & 255) << 8 | uint32_t((y * 3) & 255));
    const QImage picture = DibToQImage(source);

    size_t sink = 0;
    const std::vector<double> ours = TimeRuns(runs, [&] {
        auto small = source.Resample(120, 90);
        sink += small->Pixel(1, 1);
    });
    const std::vector<double> qt = TimeRuns(runs, [&] {
        const QImage small = picture.scaled(120, 90, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        sink += small.pixel(1, 1);
    });
    std::printf("cDIBSection::Resample 1920x1080 -> 120x90   min %7.3f ms   median %7.3f ms\n", ours.front(), Median(ours));
    std::printf("QImage::scaled (smooth)                     min %7.3f ms   median %7.3f ms\n", qt.front(), Median(qt));
    std::printf("ratio Resample / Qt (median): %.2f (target at most 2)   [%zu]\n", Median(ours) / Median(qt), sink & 1);
    return 0;
}
