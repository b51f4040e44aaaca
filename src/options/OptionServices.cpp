#include "options/OptionServices.h"

#include "media/MediaOptions.h"
#include "media/Projector.h"

void PublishMediaOptions(const OptionsModule& options)
{
    MediaOptions media;
    media.genericProjectors = options.genericProjectors;
    media.projectorTemplate = options.projectorPath;
    SetMediaOptions(media);
}

PlaylistServices OptionPlaylistServices(const OptionsModule& options)
{
    PlaylistServices services;
    const OptionsModule* source = &options;
    services.history = [source] { return source->history; };
    services.genericProjectors = [source] { return source->genericProjectors; };
    services.isProjector = [](const QString& path) { return IsGenericProjector(path, false); };
    return services;
}
