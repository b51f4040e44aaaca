#pragma once

#include "engine/RuffleFlashControl.h"

#include <QColor>
#include <QImage>
#include <QTemporaryDir>

// One application and one control for all engine tests: the web engine starts once.
RuffleFlashControl& SharedControl();
// A folder for the movies the tests write.
QString MovieFolder();
// Writes bytes into the movie folder and returns the path.
QString WriteMovie(const QString& name, const QByteArray& bytes);
// The colour at the centre of an image.
QColor CentreColour(const QImage& image);
// True when two colours differ by at most tolerance in each channel.
bool Near(const QColor& a, const QColor& b, int tolerance = 24);
