// vorlen-tool thumbs: the thumbnail generator of the player on the command line, in the
// renderer program. The same run as the generator dialog's Go, on the same shot machine.
#include "ThumbsOptions.h"
#include "ToolCommand.h"
#include "ToolCommands.h"

#include "browser/FlashShot.h"
#include "browser/GeneratorSettings.h"
#include "browser/ThumbnailGenerator.h"
#include "engine/ShotMachine.h"
#include "options/OptionsModule.h"

#include <QFileInfo>

#include <cstdio>

#include <unistd.h>

namespace {

constexpr int kBarWidth = 30;

// "[#######.......]  12/40  name" on one line of standard error, written over itself.
void ShowProgress(int i, int n, const QString& file)
{
    const int filled = n > 0 ? kBarWidth * i / n : kBarWidth;
    QString line = QLatin1Char('[') + QString(filled, QLatin1Char('#')) + QString(kBarWidth - filled, QLatin1Char('.'))
        + QStringLiteral("] %1/%2  ").arg(i, QString::number(n).size()).arg(n) + QFileInfo(file).fileName();
    line = line.left(100).leftJustified(100);
    std::fputs(("\r" + line).toUtf8().constData(), stderr);
    std::fflush(stderr);
}

}  // namespace

int RunThumbs(const QStringList& arguments)
{
    const ThumbsOptions options = ParseThumbsOptions(arguments);
    if (!options.error.isEmpty()) {
        ToolErr(options.error);
        return 2;
    }

    // The player's own option defaults ("Thumbnails" and "GenericProjectors").
    OptionsModule shotOptions;
    shotOptions.hqShots = true;
    shotOptions.sampleFrom = 30;
    shotOptions.sampleTo = 50;
    shotOptions.shotJpeg = uint8_t(options.render.quality);
    GeneratorSettings size;
    size.width = int16_t(options.render.width);
    size.height = int16_t(options.render.height);
    ShotMachine machine;
    machine.SetTimeLimit(options.render.timeoutMs);
    FlashShot shooter(shotOptions, size, &machine);

    GeneratorJob job;
    job.source = options.folder;
    job.recursive = options.recursive;
    job.overwrite = options.overwrite;
    job.quality = options.render.quality;
    job.show = false;
    job.genericProjectors = true;
    ThumbnailGenerator generator(job, shooter);
    GeneratorWatch watch;
    const bool bar = ::isatty(STDERR_FILENO) != 0 || qEnvironmentVariableIsSet("VORLEN_PROGRESS");
    if (bar)
        watch.file = ShowProgress;
    const GeneratorResult result = generator.Run(watch);
    if (bar && !result.files.isEmpty()) {
        ShowProgress(static_cast<int>(result.files.size()), static_cast<int>(result.files.size()), QString());
        std::fputc('\n', stderr);
    }
    ToolOut(GeneratorSummaryText(result, false, QString()));
    return 0;
}
