#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

// The pictures of the browser's windows, drawn by code: the build writes them into the images
// folder ("nomedia.png", "edit.png"), where the program reads them like every other image.

// A film frame struck through: the picture of a movie that cannot be shown (transparent
// around it).
QImage DrawNoMediaPicture(int side);
// A pencil over a sheet: the rename dialog's picture.
QImage DrawEditPicture(int side);

// A shot that failed or a movie that cannot be read: the images folder's "nomedia" picture
// centred on the background colour (six hexadecimal digits), at the shot's size.
QImage NoMediaShot(const QSize& size, const QString& background);
