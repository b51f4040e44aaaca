#pragma once

#include "RenderOptions.h"

// The options of "thumbs": FOLDER [--recursive] [--width W --height H] [--quality Q]
// [--overwrite] [--timeout S]. The shot size is the thumbnail generator's (120 x 90) unless
// given; sub-folders are walked and existing thumbnails replaced only when asked.
struct ThumbsOptions {
    QString folder;
    bool recursive = false;
    bool overwrite = false;
    RenderOptions render;  // width, height, quality, timeout
    QString error;         // why the arguments cannot be used; empty when they can
};

ThumbsOptions ParseThumbsOptions(const QStringList& arguments);
