#include "playlist/OptionPlaylistServices.h"

#include "media/Projector.h"

PlaylistServices OptionPlaylistServices(const OptionsModule& options)
{
    PlaylistServices services;
    const OptionsModule* source = &options;
    services.history = [source] { return source->history; };
    services.genericProjectors = [source] { return source->genericProjectors; };
    services.isProjector = [](const QString& path) { return IsGenericProjector(path, false); };
    return services;
}
