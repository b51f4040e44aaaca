#include "RenderOptions.h"
#include "ToolCommand.h"
#include "ToolCommands.h"

#include "base/ErrorContext.h"
#include "engine/EngineMovie.h"
#include "engine/RuffleFlashControl.h"
#include "image/SaveDibAsJpeg.h"
#include "image/cDIBSection.h"
#include "image/ui/DibImage.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QWidget>

// vorlen-tool shot MOVIE OUT.jpg [--frame N] [--width W --height H] [--timeout S]: loads the movie in a
// control that is never shown on screen, goes to frame N (1-based, default 1) and saves
// what the engine painted as a JPEG file.
int RunShot(const QStringList& arguments)
{
    const RenderOptions options = ParseRenderOptions(QStringLiteral("shot"), arguments);
    if (!options.error.isEmpty()) {
        ToolErr(options.error);
        return 2;
    }
    const QStringList& files = options.files;
    const int frame = options.frame;
    int width = options.width;
    int height = options.height;
    if (files.size() != 2) {
        ToolErr(QStringLiteral("usage: vorlen-tool shot MOVIE OUT.jpg [--frame N] [--width W --height H] [--timeout S]"));
        return 2;
    }
    const QString movie = QFileInfo(files[0]).absoluteFilePath();
    QFile file(movie);
    if (!file.open(QIODevice::ReadOnly)) {
        ToolErr(QStringLiteral("shot: cannot read %1").arg(files[0]));
        return 1;
    }
    // The movie's own size unless one is given.
    const EngineMovie prepared = PrepareEngineMovie(file.readAll(), QByteArray());
    file.close();
    if (!prepared.error.isEmpty()) {
        ToolErr(QStringLiteral("shot: %1: %2").arg(files[0], prepared.error));
        return 1;
    }
    if (width <= 0)
        width = prepared.width > 0 && prepared.width <= 4096 ? prepared.width : 550;
    if (height <= 0)
        height = prepared.height > 0 && prepared.height <= 4096 ? prepared.height : 400;

    RuffleFlashControl control;
    QWidget* view = control.widget();
    view->setAttribute(Qt::WA_DontShowOnScreen);
    view->resize(width, height);
    view->show();
    control.LoadMovie(0, movie);
    if (!control.WaitForMovie(options.timeoutMs)) {
        const QString reason = control.LastError().isEmpty() ? QStringLiteral("the engine did not load it") : control.LastError();
        ToolErr(QStringLiteral("shot: %1: %2").arg(files[0], reason));
        return 1;
    }
    control.GotoFrame(frame - 1);
    const QImage image = control.GrabFrame();
    // Written by the player's own JPEG writer, the one its screenshots and thumbnails use.
    cDIBSection bitmap;
    try {
        if (image.isNull() || !CreateFromPicture(bitmap, image) || !SaveDibAsJpeg(bitmap, files[1], 90)) {
            ToolErr(QStringLiteral("shot: cannot write %1").arg(files[1]));
            return 1;
        }
    } catch (const VorlenError& error) {
        ToolErr(QStringLiteral("shot: cannot write %1: %2").arg(files[1], error.info().description));
        return 1;
    }
    ToolOut(QStringLiteral("%1 (%2x%3, frame %4 of %5)")
                .arg(files[1])
                .arg(image.width())
                .arg(image.height())
                .arg(control.CurrentFrame() + 1)
                .arg(control.TotalFrames()));
    return 0;
}
