#pragma once

#include "player/WindowLayoutMath.h"

#include <QRect>
#include <QSize>
#include <QString>

class PlayerCommands;
class QWidget;

// What the skin layout is asked to lay out (pixels).
struct SkinLayoutRequest {
    QSize client;  // the window's client area
    QSize frame;   // window size minus client size: the window system's decorations
    bool menuBarShown = true;
    int menuBarHeight = 0;  // the menu bar's height at the client width
    bool playlistShown = true;
    int playlistWidth = 0;
    bool fullScreen = false;
};

// The layout a skin computes (UpdateSkin): the four margins, where the movie view, the menu bar
// and the playlist go (client coordinates; an empty rectangle hides the part), and the smallest
// window size the user may drag to.
struct SkinLayout {
    WindowMargins margins;
    QRect view;
    QRect menuBar;
    QRect playlist;
    QSize minimum;  // MinWidth, MinHeight: window size in pixels
};

// The statements of the current view that the player runs.
enum class SkinViewEvent { InfoUpdate, MediaChange };

// The skin of the player window. The window runs with one at every moment; NoSkin is the plain
// window (menu bar, movie and playlist side by side). A skin that loads elements of its own
// takes the window over through the frame it is attached to.
class PlayerSkin {
public:
    virtual ~PlayerSkin() = default;

    // The window the skin dresses, given once by the window's creation, before the skin loads:
    // its widget, movie area, script engine and commands.
    virtual void Attach(PlayerCommands& player) { }
    // SkinLoaded: a skin is in force (NoSkin: never).
    virtual bool IsActive() const = 0;
    // The name saved as "View"/"Skin" ("" without a skin).
    virtual QString SkinName() const = 0;
    // Loads the skin of that name (option "View"/"Skin"); called once the options are loaded.
    virtual void LoadCurrentSkin(const QString& skinName) = 0;
    // The layout for the request. A skin runs its current view's onResize statement in it, so
    // that what the statement moves counts in the margins.
    virtual SkinLayout UpdateSkin(const SkinLayoutRequest& request) = 0;
    // The current view's onInfoUpdate and onMediaChange statements (onResize runs in UpdateSkin).
    virtual void RunViewEvent(SkinViewEvent event) = 0;
    // RunSkinEvent: one statement or event name ("onLoad", "onPlayListToggle"); nothing while
    // no skin is loaded.
    virtual void RunSkinEvent(const QString& statement) = 0;
    // "viewNormal" or "viewFullScreen".
    virtual void SwitchView(const QString& view) = 0;
    // Rebuilds the window's shape from the skin's masks.
    virtual void UpdateRegion(bool force) = 0;
    // The full-screen controls appear or go ("ShowFSControls"/"HideFSControls").
    virtual void ShowFSControls(bool show) = 0;
    // The application became active or inactive: the elements of the current view are enabled
    // or disabled, and those with state pictures show their active or inactive picture.
    virtual void ActivateApp(bool active) { }
    // The pointer moved onto a control of the window, or off it: an element with a hover picture
    // shows it while the pointer is over it.
    virtual void MouseEnter(QWidget* control) { }
    virtual void MouseExit(QWidget* control) { }
    // mnuUpdSkin: the current skin read again. mnuSkinList(index): another skin chosen (item 0
    // is "No Skin").
    virtual void ReloadSkin() { }
    virtual void ChooseSkin(int index) { }
};
