#include "FuzzSupport.h"

#include "media/FileVersion.h"
#include "media/Projector.h"

// An executable as projector handling reads it: its version resource (the PE headers, the
// ".rsrc" section and VS_VERSIONINFO), the generic-projector check and the movie taken out
// from behind the trailer.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzWorld& world = FuzzWorld::Get();
    world.StartInput();
    const QString path = world.Write(QStringLiteral("input/game.exe"), data, size);
    ReadFileVersion(path);
    IsGenericProjector(path, false);
    ExtractEXE(path);
    return 0;
}
