#pragma once

#include "options/OptionRow.h"

#include <QString>

#include <cstdint>
#include <vector>

// The shared option variables: one per option that no window or dialog owns. The folders that
// own the other options keep them in settings structs of their own.
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

// The program's single instance.
OptionsModule& Options();

// The rows of the shared variables, with the steps that act on them and on the store itself:
// the projector path, the "Ve Zedaz" folder and the paths derived from it, the recent files,
// the file associations and the usage counter.
std::vector<OptionRow> OptionsModuleRows(OptionsModule& options);
