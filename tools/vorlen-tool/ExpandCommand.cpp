#include "MediaToolSupport.h"
#include "ToolCommand.h"
#include "ToolCommands.h"

#include "media/IdentifyMedia.h"
#include "media/MediaFileInfo.h"

#include <QFile>

// vorlen-tool expand MOVIE OUT: the fully expanded movie (taken out of a projector first).
int RunExpand(const QStringList& arguments)
{
    if (arguments.size() != 2) {
        ToolErr(QStringLiteral("usage: vorlen-tool expand MOVIE OUT"));
        return 2;
    }
    PrepareMediaCache();
    MediaFileInfo info;
    const QString error = IdentifyMedia(arguments[0], info, true);
    if (!error.isEmpty()) {
        ToolErr(arguments[0] + QStringLiteral(": ") + error);
        return 1;
    }
    if (info.IsVideo) {
        ToolErr(arguments[0] + QStringLiteral(": Flash Video is not a movie"));
        return 1;
    }
    const QString target = arguments[1];
    if (QFile::exists(target))
        QFile::remove(target);
    if (!QFile::copy(info.WorkingPath, target)) {
        ToolErr(arguments[1] + QStringLiteral(": cannot write the expanded movie"));
        return 1;
    }
    return 0;
}
