#pragma once

#include <QImage>

class cDIBSection;
class QPainter;

// Copying pictures into and out of a cDIBSection with Qt. Coordinates count from the
// top-left; negative sizes mean the bitmap's own.

// A top-down copy of the surface (Format_RGB32); a null image when empty.
QImage DibToQImage(const cDIBSection& dib);

// Creates the surface at the picture's size and copies the picture in.
bool CreateFromPicture(cDIBSection& dib, const QImage& picture);

// Copies from the picture at (sourceX, sourceY) into the surface at (0, 0), clipped.
void LoadPictureBlt(cDIBSection& dib, const QImage& source, int sourceX, int sourceY, int width = -1, int height = -1);

// Copies from the surface at (sourceX, sourceY) to the painter at (x, y), one to one.
void PaintPicture(const cDIBSection& dib, QPainter& destination, int x, int y, int width = -1, int height = -1, int sourceX = 0,
    int sourceY = 0);
