#include "FuzzSupport.h"

#include "base/ByteReader.h"
#include "media/FlashVideo.h"
#include "media/MediaFileInfo.h"

// The Flash Video reader: the frame size from the picture header of the first video packet,
// read from offset 28 as identification hands the file over, and the wrapper's description.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzWorld& world = FuzzWorld::Get();
    world.StartInput();
    const QByteArray video = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    MediaFileInfo info;
    info.WorkingPath = world.Root() + QStringLiteral("input/video.flv");
    ByteReader reader(video);
    reader.Seek(28);
    WrapFlashVideo(reader, info);
    return 0;
}
