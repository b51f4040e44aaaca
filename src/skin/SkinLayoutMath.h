#pragma once

#include "player/PlayerSkin.h"

#include <QRect>
#include <QSize>

#include <optional>
#include <vector>

// The largest rectangle inside area that overlaps none of the obstacles (the first one found
// among rectangles of equal area, scanning from the left); an empty rectangle when every point
// is covered.
QRect LargestFreeRect(const QRect& area, const std::vector<QRect>& obstacles);

// What the skin layout is computed from. Rectangles of the view are in view coordinates (the
// view fills the client area below the menu bar).
struct SkinLayoutInput {
    QSize client;
    QSize frame;
    int menuHeight = 0;           // 0: no menu bar
    std::optional<QRect> movie;   // where the view put the movie ("View")
    std::vector<QRect> elements;  // the view's visible elements, when it said nothing
    bool playlistShown = false;
    int playlistWidth = 0;
    std::optional<QRect> playlist;  // where the view put the playlist
    QSize minimum;                  // the skin's smallest window size
};

// UpdateSkin's computation: the view takes the client area below the menu bar; the movie goes
// where the view put it, or else into the largest area its elements leave free (an element that
// covers the whole view is its backdrop and leaves the area free). A shown playlist goes where
// the view put it, or else takes its width from the right of the movie's area. The margins are
// what the movie leaves of the window: NonClientWidth/-Height the frame (and the menu bar),
// SurroundWidth/-Height the client area around the movie.
SkinLayout ComputeSkinLayout(const SkinLayoutInput& input);
