#pragma once

#include <QImage>
#include <QString>

class cPNG;
class QPainter;

// Drawing decoded PNG images with Qt.

// The decoded image as a QImage (non-premultiplied ARGB32, top row first); with
// halfTransparent every alpha of a 32-bit image is halved. A null image when empty.
QImage PngToQImage(const cPNG& png, bool halfTransparent = false);

// Draws the image onto target with its top-left corner at (x, y), with the program's own
// integer blend (opaque images are copied, 32-bit images blended per pixel).
void DrawToDC(const cPNG& png, QImage& target, int x, int y, bool halfTransparent = false);

// Draws onto any painter. On a painter over a QImage the destination pixels are read and the
// integer blend above is used; other devices (widgets) are composed by Qt (source over),
// which may differ from it by one step.
void DrawToDC(const cPNG& png, QPainter& painter, int x, int y, bool halfTransparent = false);

// The user interface's image routine: loads prefix + ".png" (a folder and a name) and draws
// it at (x, y); on failure logs "Failed to draw " + prefix + ".png" and returns false.
bool DrawPngFile(QPainter& painter, const QString& prefix, int x, int y, bool halfTransparent = false);
bool DrawPngFile(QImage& target, const QString& prefix, int x, int y, bool halfTransparent = false);

// The same routine for a picture shown on its own (a label's pixmap): the decoded image, or a
// null image after logging "Failed to draw " + prefix + ".png".
QImage LoadPngImage(const QString& prefix);
