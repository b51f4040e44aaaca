#include "FuzzSupport.h"

#include "media/IdentifyMedia.h"
#include "media/MediaFileInfo.h"
#include "media/MovieDamage.h"
#include "media/MovieInfoText.h"

// Identification as opening a file does it: the signature, the movie header and its frame
// rectangle, compressed movies expanded into the cache (header only, then whole), projectors
// unpacked and Flash Video wrapped; then the damage check over the whole file and the
// information box's texts of the record.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzWorld& world = FuzzWorld::Get();
    world.StartInput();
    const QString path = world.Write(QStringLiteral("input/movie.swf"), data, size);
    MediaFileInfo info;
    if (IdentifyMedia(path, info, false).isEmpty()) {
        CheckMovieDamage(info);
        ComposeMovieInfo(info);
    }
    if (IdentifyMedia(path, info, true).isEmpty()) {
        CheckMovieDamage(info);
        ComposeMovieInfo(info);
    }
    return 0;
}
