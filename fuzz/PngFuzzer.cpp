#include "FuzzSupport.h"

#include "image/cDIBSection.h"
#include "image/cPNG.h"

#include <vector>

// The PNG loader: the chunk walk and its checks, inflation, row filters, Adam7 and the pixel
// conversions; a loaded image is drawn, clipped at the edges, with and without half
// transparency.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzWorld& world = FuzzWorld::Get();
    const QString path = world.Write(QStringLiteral("input/image.png"), data, size);
    cPNG png;
    if (png.LoadPNGFile(path) != cPNG::Loaded || png.IsEmpty())
        return 0;
    cDIBSection surface;
    surface.Create(48, 40);
    png.DrawToDIB(surface, -3, -5, false);
    png.DrawToDIB(surface, 20, 30, true);
    std::vector<uint32_t> row(static_cast<size_t>(png.Width()));
    png.RowARGB(png.Height() - 1, row.data());
    return 0;
}
