#include "RenderOptions.h"
#include "ToolCommand.h"
#include "ToolCommands.h"

#include "engine/ShotMachine.h"

#include <QFileInfo>

// vorlen-tool shot MOVIE OUT.jpg [--frame N] [--width W --height H] [--timeout S]
// [--quality Q]: takes a shot of frame N (1-based; the first frame when not given) through
// the player's shot sequence, in a control that is never shown on screen, and saves it as a
// JPEG file of quality Q. A frame asked for that frame control cannot reach is an error.
int RunShot(const QStringList& arguments)
{
    const RenderOptions options = ParseRenderOptions(QStringLiteral("shot"), arguments);
    if (!options.error.isEmpty()) {
        ToolErr(options.error);
        return 2;
    }
    const QStringList& files = options.files;
    if (files.size() != 2) {
        ToolErr(QStringLiteral("usage: vorlen-tool shot MOVIE OUT.jpg [--frame N] [--width W --height H] [--timeout S] "
                               "[--quality Q]"));
        return 2;
    }

    ShotRequest request;
    request.movie = QFileInfo(files[0]).absoluteFilePath();
    request.size = QSize(options.width, options.height);
    // Frame 1 when none is asked for, as far as frame control reaches the movie.
    request.frame = ShotFrame::At(options.frame - 1);
    request.needFrameControl = options.frameGiven;
    ShotMachine machine;
    machine.SetTimeLimit(options.timeoutMs);
    const Shot shot = machine.TakeShot(request);
    if (!shot.Ok()) {
        ToolErr(QStringLiteral("shot: %1: %2").arg(files[0], shot.error));
        return 1;
    }
    const QString error = ShotMachine::SaveJpeg(shot.image, files[1], options.quality);
    if (!error.isEmpty()) {
        ToolErr(QStringLiteral("shot: %1").arg(error));
        return 1;
    }
    ToolOut(QStringLiteral("%1 (%2x%3, frame %4 of %5)")
                .arg(files[1])
                .arg(shot.image.width())
                .arg(shot.image.height())
                .arg(shot.frame + 1)
                .arg(shot.totalFrames));
    return 0;
}
