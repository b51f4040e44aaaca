#include "player/NoSkin.h"

#include <algorithm>

SkinLayout NoSkin::UpdateSkin(const SkinLayoutRequest& request)
{
    SkinLayout layout;
    const int width = request.client.width();
    const int height = request.client.height();
    const int menuHeight = request.menuBarShown ? std::max(0, request.menuBarHeight) : 0;
    const int listWidth = request.playlistShown ? std::clamp(request.playlistWidth, 0, std::max(0, width)) : 0;

    // The menu bar counts as part of the frame, as a window's own menu does.
    layout.margins.nonClientWidth = request.frame.width();
    layout.margins.nonClientHeight = request.frame.height() + menuHeight;
    layout.margins.surroundWidth = listWidth;
    layout.margins.surroundHeight = 0;

    const int below = std::max(0, height - menuHeight);
    if (menuHeight > 0)
        layout.menuBar = QRect(0, 0, width, menuHeight);
    layout.view = QRect(0, menuHeight, std::max(0, width - listWidth), below);
    if (listWidth > 0)
        layout.playlist = QRect(width - listWidth, menuHeight, listWidth, below);
    layout.minimum
        = QSize(request.frame.width() + listWidth + kMinimumViewWidth, request.frame.height() + menuHeight + kMinimumViewHeight);
    return layout;
}
