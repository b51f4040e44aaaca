#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

// The main window's place in twips, declared with the main window's settings.
struct WindowGeometry;

// What LoadOpts and SaveOpts ask of the main window and of the system around it. The main
// window implements it; tests use a fake.
class OptionsHost {
public:
    virtual ~OptionsHost() = default;

    // Apply steps of LoadOpts.
    virtual void SetQuality(const QString& quality) = 0;
    virtual void SetScaleMode(uint8_t mode) = 0;
    virtual void TogglePlaylist(int16_t mode) = 0;  // -1 show, 0 hide
    virtual void MuteSound(bool mute) = 0;
    virtual void SetTopMost(bool topMost) = 0;
    virtual void MoveWindow(const WindowGeometry& geometry) = 0;
    virtual void Center() = 0;

    // The window as it is now; the state is 0 normal, 1 minimised, 2 maximised.
    virtual int16_t WindowState() const = 0;
    virtual WindowGeometry CurrentGeometry() const = 0;
    // The Flash control's quality name, and the scale mode to keep (the one before the media
    // browser took the player, while it does).
    virtual QString CurrentQuality() const = 0;
    virtual uint8_t ScaleModeToSave() const = 0;

    // The system's screen saver.
    virtual bool IsScreenSaverActive() = 0;
    virtual void SetSSState(bool active) = 0;

    // File associations and the "Ve Zedaz" folder's appearance.
    virtual void PrepareMyFlashFolder(const QString& folder) = 0;
    virtual void ApplyAssociations(bool associate) = 0;

    // The recent-files list: loaded from the options, and its entries' paths, newest first.
    virtual void LoadRecentFiles() = 0;
    virtual QStringList RecentFiles() const = 0;
};
