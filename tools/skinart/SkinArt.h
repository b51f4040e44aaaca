#pragma once

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>

#include <functional>

class QPainter;

// Drawing helpers of the skin art: every picture of the shipped skins is painted here, at
// build time, from shapes and gradients.

// The colour a skin uses to cut its window's shape (the pixels of this colour are not part of
// the window).
inline constexpr QRgb kMaskColor = 0xFFFF00FF;

// The picture symbols of the buttons.
enum class Glyph {
    Play,
    Pause,
    Stop,
    Previous,
    Next,
    Menu,
    Minimize,
    Close,
    FullScreen,
    Restore,
    Playlist,
    Speaker,
    Muted,
    Grip
};

// A transparent picture.
QImage NewPicture(int width, int height);

// Writes a picture as PNG below folder (sub-folders are made); false on failure.
bool SavePicture(const QImage& picture, const QString& folder, const QString& name);

// Draws a symbol centred in box, in colour.
void DrawGlyph(QPainter& painter, Glyph glyph, const QRectF& box, const QColor& color);

// A picture filled top to bottom with a gradient given as (position, colour) stops.
QImage VerticalGradient(int width, int height, const QGradientStops& stops);

// A rounded corner piece of size x size: inside the quarter circle of radius size the
// background's pixels (background(x, y) in the piece's coordinates) with an edge line of the
// border colour along the arc; outside it the mask colour, pixel-exact, so that the window's
// shape can be cut from it. corner: which corner of the window the piece is.
QImage CornerPiece(int size, Qt::Corner corner, const std::function<QColor(int x, int y)>& background, const QColor& border);

// The colour of a vertical gradient picture at row y.
QColor RowColor(const QImage& gradient, int y);

// A rounded box with pixel-exact mask-colour corners (for panels cut by a mask colour).
QImage MaskedRoundedBox(int width, int height, int radius, const QGradientStops& fill, const QColor& border);

// How a set of flat buttons looks in its four states.
struct ButtonStyle {
    QColor glyph;
    QColor glyphOver;
    QColor glyphDown;
    QColor glyphDisabled;
    QColor fillOver;  // the rounded face under the pointer (transparent: none)
    QColor fillDown;
    QColor edge;  // the face's outline
    double radius = 4;
    double glyphSize = 16;  // the symbol's square, pixels
};

// Writes up/, over/, down/ and disabled/ pictures of a flat button: the symbol alone when up,
// on a rounded face under the pointer and pressed.
bool SaveButtonSet(const QString& skin, const QString& name, QSize size, Glyph glyph, const ButtonStyle& style);

// Writes the four pictures of a round button with a gradient face (light to dark colour) and a
// symbol; pressed it is darker and the symbol sits a pixel lower; disabled it is grey.
bool SaveRoundButtonSet(const QString& skin, const QString& name, int diameter, Glyph glyph, const QColor& light,
    const QColor& dark, const QColor& symbol);

// A horizontal bar slice of height: a rounded groove or fill of thickness in the middle, made to
// be stretched sideways.
QImage BarSlice(int width, int height, int thickness, const QColor& top, const QColor& bottom, const QColor& edge);

// A round knob of diameter.
QImage Knob(int diameter, const QColor& light, const QColor& dark, const QColor& edge);
