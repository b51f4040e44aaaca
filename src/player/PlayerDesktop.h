#pragma once

#include <QString>

// The desktop around the player: the screen saver, file associations, the look of the
// "Ve Zedaz" folder, and the hooks and hot keys that quitting releases. This class as it is does
// nothing and reports an active screen saver.
class PlayerDesktop {
public:
    virtual ~PlayerDesktop() = default;

    virtual bool IsScreenSaverActive() { return true; }
    virtual void SetSSState(bool active) { }
    virtual void PrepareMyFlashFolder(const QString& folder) { }
    virtual void ApplyAssociations(bool associate) { }
    // Uninstall: what the player put on the desktop (its entry, icons, playlist type) goes.
    virtual void RemoveInstalledFiles() { }
    // Quit: the window hooks and hot keys are released.
    virtual void ReleaseHooks() { }
};
