#include "media/MediaOptions.h"

#include "base/AppFolders.h"

namespace {
MediaOptions g_options;
}

const MediaOptions& CurrentMediaOptions()
{
    return g_options;
}

void SetMediaOptions(const MediaOptions& options)
{
    g_options = options;
}

QString ProjectorTemplatePath()
{
    if (!g_options.projectorTemplate.isEmpty())
        return g_options.projectorTemplate;
    return Folders().binary + QStringLiteral("projector.dll");
}
