#pragma once

#include <QStringList>

// The options of the commands that render, parsed in one place: --frame N (1-based, default
// 1), --width W and --height H (pixels, 0: the movie's own size), --timeout S (the seconds
// the engine may take over the movie, default 20) and --quality Q (JPEG quality 0-100,
// default 90). Other arguments are the command's files.
struct RenderOptions {
    QStringList files;
    int frame = 1;
    bool frameGiven = false;  // --frame was given
    int width = 0;
    int height = 0;
    int timeoutMs = 20000;
    int quality = 90;
    QString error;  // why the arguments cannot be used; empty when they can
};

RenderOptions ParseRenderOptions(const QString& command, const QStringList& arguments);
