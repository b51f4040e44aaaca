#pragma once

#include <QRect>
#include <QSize>

// The geometry of the player window: zoom, the movie's place in its view, the aspect ratio
// while a border is dragged, and the full-screen edges. Sizes are in pixels unless twips are
// named; twips per pixel are those of the screen (15 at 96 dots per inch).

// The four layout margins the skin layout computes (UpdateSkin).
struct WindowMargins {
    int nonClientWidth = 0;   // window width minus client width
    int nonClientHeight = 0;  // window height minus client height (caption, menu bar, borders)
    int surroundWidth = 0;    // client width minus the width of the movie view
    int surroundHeight = 0;   // client height minus the height of the movie view
};

// Twips per pixel for a screen of dotsPerInch.
double TwipsPerPixel(double dotsPerInch);

// ZoomFlash: the window size, in twips, that shows a movie at percent: (movie size x percent /
// 100 + margins) x twips per pixel, rounded halves to even, then raised to the minimum window
// size (pixels) where it falls below.
QSize ZoomWindowTwips(QSize movie, double percent, const WindowMargins& margins, double twipsX, double twipsY, QSize minimum);

// Center: the window's top left corner that centres a window on a screen (same units as given).
QPoint CenteredOrigin(QSize screen, QSize window);

// View_Resize with "Crop" in "Show All" mode: the control fills the view (W x H) in one
// direction and overflows it, centred, in the other, so that no stripes show. A movie without a
// size fills the view.
QRect CropPlacement(QSize view, QSize movie);

// The edges Windows names for a border drag: 1 left, 2 right, 3 top, 4 top-left, 5 top-right,
// 6 bottom, 7 bottom-left, 8 bottom-right.
enum SizingEdge {
    kEdgeLeft = 1,
    kEdgeRight,
    kEdgeTop,
    kEdgeTopLeft,
    kEdgeTopRight,
    kEdgeBottom,
    kEdgeBottomLeft,
    kEdgeBottomRight
};

// FormX_Resizing with "Keep Aspect Ratio": the dragged window rectangle (screen pixels, right
// and bottom exclusive as Windows gives them) with the other dimension made to follow the
// movie's aspect ratio. A movie without a size leaves the rectangle as it is.
QRect KeepAspectWhileSizing(QRect window, int edge, QSize movie, const WindowMargins& margins);

// The zoom item matching the control's size for a movie: 50, 100 or 200 when the control is
// that percentage of the movie in both directions; 0 when it matches none. ratiosAgree tells
// whether the horizontal and vertical ratios are equal.
struct ZoomCheck {
    bool ratiosAgree = false;
    int percent = 0;
};
ZoomCheck ZoomCheckFor(QSize control, QSize movie);

// Full screen: which edge pop-ups the pointer at (x, y) on a screen of the given size asks for:
// the menu bar in the top three pixel rows, the skin's controls in the bottom three, the
// playlist in the rightmost three columns.
struct FullScreenEdges {
    bool menuBar = false;
    bool controls = false;
    bool playlist = false;
};
FullScreenEdges FullScreenEdgesAt(int x, int y, QSize screen);
