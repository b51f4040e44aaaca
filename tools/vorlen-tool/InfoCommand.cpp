#include "MediaToolSupport.h"
#include "ToolCommand.h"
#include "ToolCommands.h"

#include "media/IdentifyMedia.h"
#include "media/MediaFileInfo.h"
#include "media/MovieDamage.h"
#include "media/MovieInfoText.h"

// vorlen-tool info FILE...: the identification record of each file (header only), and a
// line naming the damage of a movie that is not whole.
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
        // After the record's fields: a movie that is not whole says why.
        if (error.isEmpty() && CheckMovieDamage(info).IsDamaged())
            ToolOut(QStringLiteral("Damaged=") + DamageText(info.Damage));
        ToolOut(QStringLiteral("Error=") + error);
        ToolOut(QString());
        failed = failed || !error.isEmpty();
    }
    return failed ? 1 : 0;
}
