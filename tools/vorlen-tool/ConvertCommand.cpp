#include "MediaToolSupport.h"
#include "ToolCommand.h"
#include "ToolCommands.h"

#include "media/IdentifyMedia.h"
#include "media/MediaFileInfo.h"
#include "media/Projector.h"

// vorlen-tool convert IN OUT: a projector's movie out as ".swf", or a movie into a projector.
int RunConvert(const QStringList& arguments)
{
    if (arguments.size() != 2) {
        ToolErr(QStringLiteral("usage: vorlen-tool convert IN OUT"));
        return 2;
    }
    PrepareMediaCache();
    MediaFileInfo info;
    QString error = IdentifyMedia(arguments[0], info, false);
    if (error.isEmpty() && info.IsVideo)
        error = QStringLiteral("Flash Video cannot be converted");
    if (error.isEmpty()) {
        QString written;
        error = ConvertMovie(info, arguments[1], &written);
        if (error.isEmpty())
            ToolOut(written);
    }
    if (!error.isEmpty()) {
        ToolErr(arguments[0] + QStringLiteral(": ") + error);
        return 1;
    }
    return 0;
}
