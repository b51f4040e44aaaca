#include "ToolCommand.h"
#include "ToolCommands.h"

#include "engine/ShotMachine.h"

#include <QFileInfo>

// vorlen-tool shot MOVIE OUT.jpg [--frame N] [--width W --height H] [--quality Q]: takes a
// shot of frame N (1-based; the first frame when not given) through the player's shot
// sequence, in a control that is never shown on screen, and saves it as a JPEG file of
// quality Q (default 90). A frame asked for that frame control cannot reach is an error.
int RunShot(const QStringList& arguments)
{
    QStringList files;
    int frame = 0;
    int width = 0;
    int height = 0;
    int quality = 90;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        auto number = [&](int& out, int lowest) {
            bool ok = false;
            out = i + 1 < arguments.size() ? arguments[++i].toInt(&ok) : 0;
            return ok && out >= lowest;
        };
        if (argument == QLatin1String("--frame")) {
            if (!number(frame, 1)) {
                ToolErr(QStringLiteral("shot: --frame needs a frame number from 1"));
                return 2;
            }
        } else if (argument == QLatin1String("--width")) {
            if (!number(width, 1)) {
                ToolErr(QStringLiteral("shot: --width needs a size in pixels"));
                return 2;
            }
        } else if (argument == QLatin1String("--height")) {
            if (!number(height, 1)) {
                ToolErr(QStringLiteral("shot: --height needs a size in pixels"));
                return 2;
            }
        } else if (argument == QLatin1String("--quality")) {
            if (!number(quality, 0) || quality > 100) {
                ToolErr(QStringLiteral("shot: --quality needs a JPEG quality from 0 to 100"));
                return 2;
            }
        } else {
            files << argument;
        }
    }
    if (files.size() != 2) {
        ToolErr(QStringLiteral("usage: vorlen-tool shot MOVIE OUT.jpg [--frame N] [--width W --height H] [--quality Q]"));
        return 2;
    }

    ShotRequest request;
    request.movie = QFileInfo(files[0]).absoluteFilePath();
    request.size = QSize(width, height);
    // Frame 1 when none is asked for, as far as frame control reaches the movie.
    request.frame = ShotFrame::At(frame > 0 ? frame - 1 : 0);
    request.needFrameControl = frame > 0;
    ShotMachine machine;
    // The engine may take its time over a large movie.
    machine.SetTimeLimit(20000);
    const Shot shot = machine.TakeShot(request);
    if (!shot.ok()) {
        ToolErr(QStringLiteral("shot: %1: %2").arg(files[0], shot.error));
        return 1;
    }
    const QString error = ShotMachine::SaveJpeg(shot.image, files[1], quality);
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
