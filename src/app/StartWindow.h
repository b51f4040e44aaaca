#pragma once

#include "playlist/PlaylistHost.h"

#include <QWidget>

class QLabel;
class QStackedLayout;
class RuffleFlashControl;

// The program's window until the skinned player window exists: a welcome text, and the movie
// that a command line or a second start names, played by the Flash engine. It is the window
// host of the playlist, so "vorlen a.swf b.swf" plays a.swf; everything else a movie asks of
// the player (menus, skins, FSCommands) waits for the player window.
class StartWindow : public QWidget, public PlaylistHost {
public:
    StartWindow();
    ~StartWindow() override;

    void LoadFlash(const QString& path, const QString& title, bool nativeSize) override;
    void CloseMedia(const QString& errorText) override;

private:
    void ShowText(const QString& text);

    QStackedLayout* m_stack = nullptr;
    QLabel* m_text = nullptr;
    RuffleFlashControl* m_control = nullptr;  // made with the first movie: the engine is heavy
};
