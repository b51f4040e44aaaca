#include "MediaToolSupport.h"
#include "ToolCommand.h"
#include "ToolCommands.h"

#include "media/IdentifyMedia.h"
#include "media/MediaFileInfo.h"

// vorlen-tool info FILE...: the identification record of each file (header only).
int RunInfo(const QStringList& arguments)
{
    if (arguments.isEmpty()) {
        ToolErr(QStringLiteral("usage: vorlen-tool info FILE..."));
        return 2;
    }
    PrepareMediaCache();
    bool failed = false;
    for (const QString& path : arguments) {
        MediaFileInfo info;
        const QString error = IdentifyMedia(path, info, false);
        for (const QString& line : MediaInfoLines(info))
            ToolOut(line);
        ToolOut(QStringLiteral("Error=") + error);
        ToolOut(QString());
        failed = failed || !error.isEmpty();
    }
    return failed ? 1 : 0;
}
