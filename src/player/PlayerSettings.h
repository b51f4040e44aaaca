#pragma once

#include <QString>

#include <cstdint>

// The main window's option-backed state: plain values from LoadOpts to SaveOpts. The window
// binds its menus and controls to them; the option rows that move them are registered with the
// program's option table.

// Checked states of the main window's menu items that are options; the initial values are the
// items' design states (they are the defaults of those options).
struct MenuChecks {
    bool playlist = true;     // mnuPlaylist
    bool loop = false;        // mnuLoop
    bool nonStop = false;     // mnuNonStop
    bool topMost = false;     // mnuTopMost
    bool menuBar = true;      // mnuMenuBar
    bool handyKeys = false;   // mnuHandyKeys
    bool keepSize = false;    // mnuKeepSize
    bool aspectRatio = true;  // mnuAspectRatio
    bool fullScreen = false;  // mnuFullScreen
};

// Main window position and size in twips.
struct WindowGeometry {
    float left = 0.0f;
    float top = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
};

// Window state values.
inline constexpr int16_t kWindowNormal = 0;
inline constexpr int16_t kWindowMinimized = 1;
inline constexpr int16_t kWindowMaximized = 2;

struct PlayerOptionState {
    QString quality;
    uint8_t scaleMode = 0;
    uint8_t flashAlpha = 0;
    QString skinName;
    QString menuSet;
    uint8_t volume = 0;
    uint8_t volumeBeforeMute = 0;
    int16_t pan = 0;
    bool mute = false;
    int32_t timeMode = 0;
    MenuChecks menus;
    bool menuBarShown = true;  // the window's own copy for its menu-bar logic
    WindowGeometry geometry;   // staging for "Left", "Top", "Width", "Height"
    int16_t windowState = kWindowNormal;
    QString screenSaverModule;  // "ScreenSaver"/""
    bool initialScreenSaverActive = false;
};

// The program's single instance.
inline PlayerOptionState& PlayerOptions()
{
    static PlayerOptionState state;
    return state;
}
