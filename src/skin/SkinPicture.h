#pragma once

#include <QImage>
#include <QRegion>
#include <QString>

#include <cstdint>

// A picture of a skin element from a file of the skin folder: PNG files through the program's
// own decoder, other formats (BMP, JPEG, GIF) through Qt. A null image when the file is missing
// or cannot be read.
QImage LoadSkinPicture(const QString& path);

// The picture as an element shows it at size: scaled when the size differs (smoothly, or pixel
// for pixel where a mask colour must stay exact).
QImage ScaledSkinPicture(const QImage& picture, QSize size, bool exact);

// The holes a mask colour (0x00BBGGRR) cuts into a picture shown at size: every pixel of that
// colour, in the element's coordinates.
QRegion MaskHoles(const QImage& picture, QSize size, uint32_t maskColor);
