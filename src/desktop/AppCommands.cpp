#include "desktop/AppCommands.h"

#include <Qt>

namespace {

struct AppCommandRow {
    int command;
    const char* item;
};

// FormX_AppCommand's table.
const AppCommandRow kCommands[] = {
    {3, "mnuUpdSkin"},                                           // browser refresh
    {4, "mnuClose"},                                             // browser stop
    {5, "mnuBrowse"},                                            // browser search
    {7, "mnuWeb"},                                               // browser home
    {8, "mnuMute"},                                              // volume mute
    {9, "mnuVolumeDown"}, {10, "mnuVolumeUp"}, {11, "mnuFFwd"},  // next track
    {12, "mnuRwd"},                                              // previous track
    {13, "mnuStop"}, {14, "mnuPlay"},                            // play/pause
    {15, "mnuFeedback"},                                         // launch mail
    {27, "mnuHelpMe"},                                           // help
    {30, "mnuOpen"},                                             // open
    {32, "mnuConvert"},                                          // save
};

struct KeyRow {
    int key;
    int command;
};

// The keys as Qt names them. The desktop's single play key arrives as "play": it toggles.
const KeyRow kKeys[] = {
    {Qt::Key_Back, 1},
    {Qt::Key_Forward, 2},
    {Qt::Key_Refresh, 3},
    {Qt::Key_Stop, 4},
    {Qt::Key_Search, 5},
    {Qt::Key_Favorites, 6},
    {Qt::Key_HomePage, 7},
    {Qt::Key_VolumeMute, 8},
    {Qt::Key_VolumeDown, 9},
    {Qt::Key_VolumeUp, 10},
    {Qt::Key_MediaNext, 11},
    {Qt::Key_MediaPrevious, 12},
    {Qt::Key_MediaStop, 13},
    {Qt::Key_MediaTogglePlayPause, 14},
    {Qt::Key_MediaPlay, 14},
    {Qt::Key_MediaPause, 14},
    {Qt::Key_LaunchMail, 15},
    {Qt::Key_Help, 27},
    {Qt::Key_Open, 30},
    {Qt::Key_Save, 32},
};

}  // namespace

const char* AppCommandItem(int command)
{
    for (const AppCommandRow& row : kCommands) {
        if (row.command == command)
            return row.item;
    }
    return nullptr;
}

int AppCommandForKey(int key)
{
    for (const KeyRow& row : kKeys) {
        if (row.key == key)
            return row.command;
    }
    return 0;
}
