#include "FuzzSupport.h"

#include "playlist/PlaylistFile.h"

// A playlist file as opening one reads it (the build check and every entry), and the entries
// written back as a playlist and read again.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzWorld& world = FuzzWorld::Get();
    const PlaylistReadResult read = ReadPlaylistFile(world.Write(QStringLiteral("input/list.vorlen"), data, size));
    if (read.status != PlaylistReadStatus::Ok)
        return 0;
    const QString again = world.Write(QStringLiteral("input/again.vorlen"), PlaylistFileText(read.paths, 0).toUtf8());
    ReadPlaylistFile(again);
    return 0;
}
