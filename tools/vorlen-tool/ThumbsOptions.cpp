#include "ThumbsOptions.h"

#include <QFileInfo>

namespace {

constexpr int kDefaultWidth = 120;
constexpr int kDefaultHeight = 90;

}  // namespace

ThumbsOptions ParseThumbsOptions(const QStringList& arguments)
{
    ThumbsOptions options;
    QStringList rest;
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--recursive"))
            options.recursive = true;
        else if (argument == QLatin1String("--overwrite"))
            options.overwrite = true;
        else
            rest << argument;
    }
    options.render = ParseRenderOptions(QStringLiteral("thumbs"), rest);
    if (!options.render.error.isEmpty()) {
        options.error = options.render.error;
    } else if (options.render.frameGiven) {
        options.error = QStringLiteral("thumbs: the frame of a thumbnail is chosen by the player; --frame is not an option here");
    } else if (options.render.files.size() != 1) {
        options.error = QStringLiteral("usage: vorlen-tool thumbs FOLDER [--recursive] [--width W --height H] [--quality Q] "
                                       "[--overwrite]");
    } else if (!QFileInfo(options.render.files[0]).isDir()) {
        options.error = QStringLiteral("thumbs: %1 is not a folder").arg(options.render.files[0]);
    } else {
        options.folder = QFileInfo(options.render.files[0]).absoluteFilePath();
    }
    if (options.render.width <= 0)
        options.render.width = kDefaultWidth;
    if (options.render.height <= 0)
        options.render.height = kDefaultHeight;
    return options;
}
