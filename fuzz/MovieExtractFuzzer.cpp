#include "FuzzSupport.h"

#include "media/IdentifyMedia.h"
#include "media/MediaFileInfo.h"
#include "media/ResourceExtractor.h"

// The resource extractor as its dialog and vorlen-tool run it: identification with full
// expansion, then the tag walk over every kind, writing images and sounds into a folder.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzWorld& world = FuzzWorld::Get();
    world.StartInput();
    const QString path = world.Write(QStringLiteral("input/movie.swf"), data, size);
    MediaFileInfo info;
    if (!IdentifyMedia(path, info, true).isEmpty())
        return 0;
    ExtractCounters counters = ExtractCounters::Chosen(true, true, true, true, true);
    const bool cancel = false;
    ExtractResources(info, world.EmptyFolder(QStringLiteral("extracted")), ExtractProgress(), counters, cancel);
    return 0;
}
