#include "player/WindowLayoutMath.h"

#include "base/Rounding.h"

QSize ZoomWindowTwips(QSize movie, double percent, const WindowMargins& margins, double twipsX, double twipsY, QSize minimum)
{
    const double width
        = RoundHalfEvenValue((movie.width() * percent / 100.0 + margins.nonClientWidth + margins.surroundWidth) * twipsX);
    const double height
        = RoundHalfEvenValue((movie.height() * percent / 100.0 + margins.nonClientHeight + margins.surroundHeight) * twipsY);
    const double minWidth = minimum.width() * twipsX;
    const double minHeight = minimum.height() * twipsY;
    return QSize(int(width < minWidth ? minWidth : width), int(height < minHeight ? minHeight : height));
}

double TwipsPerPixel(double dotsPerInch)
{
    return dotsPerInch > 0 ? 1440.0 / dotsPerInch : 15.0;
}

QPoint CenteredOrigin(QSize screen, QSize window)
{
    return QPoint((screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2);
}

QRect CropPlacement(QSize view, QSize movie)
{
    const int w = view.width();
    const int h = view.height();
    if (movie.width() <= 0 || movie.height() <= 0 || w <= 0 || h <= 0)
        return QRect(0, 0, w, h);
    if (float(w) / float(h) >= float(movie.width()) / float(movie.height())) {
        const int height = int(RoundHalfEven(double(w) * movie.height() / movie.width()));
        return QRect(0, int(RoundHalfEven((h - height) / 2.0)), w, height);
    }
    const int width = int(RoundHalfEven(double(h) * movie.width() / movie.height()));
    return QRect(int(RoundHalfEven((w - width) / 2.0)), 0, width, h);
}

QRect KeepAspectWhileSizing(QRect window, int edge, QSize movie, const WindowMargins& margins)
{
    if (movie.width() <= 0 || movie.height() <= 0)
        return window;
    // Windows' rectangles end after their last pixel.
    double left = window.left();
    double top = window.top();
    double right = window.left() + window.width();
    double bottom = window.top() + window.height();
    const double cw = right - left - margins.nonClientWidth - margins.surroundWidth;
    const double ch = bottom - top - margins.nonClientHeight - margins.surroundHeight;
    const double extraHeight = margins.nonClientHeight + margins.surroundHeight;
    const double extraWidth = margins.nonClientWidth + margins.surroundWidth;
    switch (edge) {
    case kEdgeLeft:
    case kEdgeRight:
    case kEdgeBottomLeft:
    case kEdgeBottomRight:
        bottom = RoundHalfEvenValue(top + cw / movie.width() * movie.height() + extraHeight);
        break;
    case kEdgeTopLeft:
        top = RoundHalfEvenValue(bottom - (cw / movie.width() * movie.height() + extraHeight));
        break;
    case kEdgeTop:
    case kEdgeTopRight:
    case kEdgeBottom:
        right = RoundHalfEvenValue(left + ch / movie.height() * movie.width() + extraWidth);
        break;
    default:
        break;
    }
    return QRect(int(left), int(top), int(right - left), int(bottom - top));
}

ZoomCheck ZoomCheckFor(QSize control, QSize movie)
{
    ZoomCheck check;
    if (movie.width() <= 0 || movie.height() <= 0)
        return check;
    const double horizontal = double(control.width()) / movie.width();
    const double vertical = double(control.height()) / movie.height();
    check.ratiosAgree = horizontal == vertical;
    for (int percent : {50, 100, 200}) {
        if (horizontal == percent / 100.0 && vertical == percent / 100.0)
            check.percent = percent;
    }
    return check;
}

FullScreenEdges FullScreenEdgesAt(int x, int y, QSize screen)
{
    FullScreenEdges edges;
    edges.menuBar = y <= 2;
    edges.controls = y >= screen.height() - 2;
    edges.playlist = x >= screen.width() - 2;
    return edges;
}
