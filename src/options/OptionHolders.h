#pragma once

#include "browser/DecompilerOptions.h"
#include "lang/UIFont.h"

#include <QString>

#include <cstdint>

// The plain in-memory homes of the options. The option table (OptionTable.h) reads and writes
// them; the windows that come later bind their menus and controls to them.

// The shared option variables: one per option that no window owns.
struct OptionsModule {
    // "Gadgets"
    bool noAnimation = false;
    // "System"
    int32_t cacheMode = 0;
    bool oneInstance = false;
    int32_t startUp = 0;
    uint8_t optionsPage = 0;
    bool associate = false;
    bool fsCommand = false;
    bool genericProjectors = false;
    bool removeProjectors = false;
    QString projectorPath;  // recomputed by every LoadOpts: binary folder + "projector.dll"
    bool disableScreenSaver = false;
    bool gpf = false;
    // "Thumbnails"
    bool hqShots = false;
    bool satellite = false;
    uint8_t shotJpeg = 0;
    uint8_t sampleFrom = 0;
    uint8_t sampleTo = 0;
    // "Update"
    bool updateAuto = false;
    int32_t usage = 0;
    int32_t played = 0;
    int32_t usageTicks = 0;  // status-timer ticks since the last SaveOpts
    // "Window"
    bool winSFX = false;
    bool centered = false;
    bool crop = false;
    int32_t browseWidth = 0;
    int32_t browseHeight = 0;
    // "Recent" and the paths derived from the "Ve Zedaz" folder (all "/"-terminated folders)
    QString myFlash;  // the "Ve Zedaz" folder
    QString playlistFile;
    QString screenShotsFolder;
    bool browseDefault = false;
    bool history = false;
    QString lastMediaFolder;  // "Recent"/"": the folder the media browser showed last
};

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

// The main window's option-backed state.
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

// Thumbnail generator dialog fields.
struct GeneratorSettings {
    int16_t width = 0;
    int16_t height = 0;
    QString backColor;
    uint8_t quality = 0;
    bool show = false;
    QString source;
    bool recursive = false;
    bool overwrite = false;
    bool execute = false;
    QString app;
};

// The resource extractor's settings (section "Decompiler") are the extractor dialog's own.
using ExtractorSettings = DecompilerOptions;

// Update dialog fields.
struct UpdateSettings {
    int32_t knownBuild = 0;
    QString lastCheckDate;
};

// Everything the option table addresses.
struct OptionHolders {
    OptionsModule* options = nullptr;
    PlayerOptionState* player = nullptr;
    GeneratorSettings* generator = nullptr;
    ExtractorSettings* extractor = nullptr;
    UpdateSettings* update = nullptr;
    UIFontInfo* font = nullptr;
};

// The program's single instances.
OptionsModule& Options();
PlayerOptionState& PlayerOptions();
GeneratorSettings& GeneratorOptions();
ExtractorSettings& ExtractorOptions();
UpdateSettings& UpdateOptions();
OptionHolders GlobalOptionHolders();
