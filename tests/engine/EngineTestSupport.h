#pragma once

#include "engine/RuffleFlashControl.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QTemporaryDir>

// One application and one control for all engine tests: the web engine starts once.
RuffleFlashControl& SharedControl();
// Loads a movie into the shared control and waits for it and, when waitForHost and the
// movie has one, for its frame host.
RuffleFlashControl& LoadFresh(const QString& path, bool waitForHost = true);
// Five colours that the test movies show one per frame.
const QList<QColor>& TestColours();
// A folder for the movies the tests write.
QString MovieFolder();
// Writes bytes into the movie folder and returns the path.
QString WriteMovie(const QString& name, const QByteArray& bytes);
// The colour at the centre of an image.
QColor CentreColour(const QImage& image);
// True when two colours differ by at most tolerance in each channel.
bool Near(const QColor& a, const QColor& b, int tolerance = 24);
