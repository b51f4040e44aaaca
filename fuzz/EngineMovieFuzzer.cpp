#include "FuzzSupport.h"

#include "engine/EngineMovie.h"

#include <cstdlib>

// A movie made ready for the engine: expanded in memory, its root tags walked up to the first
// frame and the host loader inserted. What comes out of an accepted movie is a movie again.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzWorld::Get();
    const QByteArray movie(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QByteArray hostUrl("vorlen:/host.swf");
    const EngineMovie prepared = PrepareEngineMovie(movie, hostUrl);
    if (prepared.error.isEmpty() && prepared.hostInserted) {
        const EngineMovie again = PrepareEngineMovie(prepared.bytes, hostUrl);
        if (!again.error.isEmpty() || again.version != prepared.version || again.frameCount != prepared.frameCount)
            std::abort();
    }
    return 0;
}
