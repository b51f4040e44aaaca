#pragma once

#include <QStringList>

// The options of the commands that render, parsed in one place: --frame N (1-based, default
// 1), --width W and --height H (pixels, 0: the movie's own size) and --timeout S (the seconds
// the engine may take to load the movie, default 20). Other arguments are the command's files.
struct RenderOptions {
    QStringList files;
    int frame = 1;
    int width = 0;
    int height = 0;
    int timeoutMs = 20000;
    QString error;  // why the arguments cannot be used; empty when they can
};

RenderOptions ParseRenderOptions(const QString& command, const QStringList& arguments);
