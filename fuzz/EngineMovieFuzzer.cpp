#include "FuzzSupport.h"

#include "engine/EngineMovie.h"

#include <cstdlib>

// A movie made ready for the engine: expanded in memory, its root tags walked up to the first
// frame and the host inserted (the AVM1 host loader, or for ActionScript 3 a frame host whose
// code the walk treats as opaque bytes). What comes out of an accepted movie is a movie again.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzWorld::Get();
    const QByteArray movie(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QByteArray hostUrl("vorlen:/host.swf");
    static const QByteArray frameHost = QByteArray::fromHex("01000000") + QByteArray("FrameHost", 10) + QByteArray(24, '\x2A');
    const EngineMovie prepared = PrepareEngineMovie(movie, hostUrl, frameHost);
    if (prepared.error.isEmpty() && prepared.hostInserted) {
        const EngineMovie again = PrepareEngineMovie(prepared.bytes, hostUrl, frameHost);
        if (!again.error.isEmpty() || again.version != prepared.version || again.frameCount != prepared.frameCount)
            std::abort();
    }
    return 0;
}
