#pragma once

#include "player/PlayerCommands.h"

#include <QString>
#include <QStringList>

class PlayerSkin;
struct MediaFileInfo;

// What the input around the window (window events, the movie's own mouse and keys, hot keys,
// media keys and the desktop's media controls) asks of the player window, besides its commands.
class PlayerInput : public PlayerCommands {
public:
    // HandyAction: runs the handy key (a Qt key code) when its condition holds; true when the key
    // did something, so that it goes no further (a key the player leaves alone reaches the movie).
    virtual bool HandyAction(int key) = 0;

    // The playback commands the mouse and the media controls reach directly.
    virtual void PlayMedia() = 0;
    virtual void PauseMedia() = 0;
    virtual void PlayPauseMedia() = 0;
    virtual void FFwd() = 0;
    virtual void Rwd() = 0;
    virtual void FullScreen(bool on, bool force) = 0;
    virtual int Volume() const = 0;
    virtual void SetSound(int volume, int pan) = 0;
    virtual bool IsFullScreen() const = 0;
    virtual bool IsBrowsing() const = 0;

    // Dropped files: the playlist box, appending to the playlist (level 0, in order), and opening
    // as the new playlist (cleared, added, entry 0 played).
    virtual QWidget* PlaylistArea() const = 0;
    virtual void AppendToPlaylist(const QStringList& paths) = 0;
    virtual void PlayPaths(const QStringList& paths) = 0;

    // FormX_ActivateApp, the window's part: the application became active or inactive (the menu
    // bar is redrawn, the skin's elements follow).
    virtual void ApplicationActivated(bool active) = 0;
    virtual PlayerSkin& Skin() = 0;

    // The movie shown, for the desktop's media controls.
    virtual const MediaFileInfo& MediaInfo() const = 0;
    virtual QString MovieTitle() const = 0;
    // True while one of the player's own screens (welcome screen, media browser) is shown.
    virtual bool IsInterfaceMovie() const = 0;
};
