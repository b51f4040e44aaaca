#pragma once

#include <QString>

// The main window's layout as showing and hiding the list depends on it.
struct PlaylistLayout {
    bool fullScreen = false;       // mnuFullScreen checked
    bool fsPlaylistShown = false;  // the full-screen playlist state that ShowFSPlaylist keeps
    bool windowNormal = true;      // neither minimised nor maximised
    bool skinLoaded = false;
    int windowWidth = 0;  // pixels
    int listWidth = 0;    // pixels
};

// The main window's side of TogglePlaylist: the menu check, the list's visibility, the window
// width and the skin's events. The main window implements it; the defaults do nothing.
class PlaylistView {
public:
    virtual ~PlaylistView() = default;

    // mnuPlaylist's check mark: whether the list is meant to be shown.
    virtual bool IsPlaylistMenuChecked() const { return false; }
    virtual void SetPlaylistMenuChecked(bool checked) { }
    virtual PlaylistLayout ListLayout() const { return {}; }
    virtual void SetListVisible(bool visible) { }
    virtual void SetWindowWidth(int width) { }
    virtual void RunSkinEvent(const QString& event) { }
    virtual void UpdateSkin() { }
};
