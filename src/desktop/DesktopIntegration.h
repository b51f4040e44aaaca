#pragma once

#include "desktop/FileAssociations.h"
#include "desktop/ScreenSaverInhibitor.h"
#include "player/PlayerDesktop.h"

// The player on a freedesktop desktop: the screen saver through the session bus, the file types
// through the desktop entry and xdg-mime, and the "Ve Zedaz" folder's look.
class DesktopIntegration : public PlayerDesktop {
public:
    // The program file and the shipped images come from the application folders.
    DesktopIntegration();

    bool IsScreenSaverActive() override;
    void SetSSState(bool active) override;
    void PrepareMyFlashFolder(const QString& folder) override;
    void ApplyAssociations(bool associate) override;
    void RemoveInstalledFiles() override;

private:
    ScreenSaverInhibitor m_screenSaver;
};

// The player's program file: the application folder + "vorlen".
QString ProgramFilePath();
