#pragma once

#include <QString>

class QWidget;

// What the options dialog and the screen-saver choice ask of the main window: the steps of
// "Save" that act on the window, and the values the window holds. The main window implements
// it; tests use a fake.
class PlayerOptionsActions {
public:
    virtual ~PlayerOptionsActions() = default;

    // The window the dialogs belong to.
    virtual QWidget* Window() = 0;
    // View_Resize: "Crop" and "Centered" take effect.
    virtual void ViewResize() = 0;
    // Dresses a new "Ve Zedaz" folder (folder ends with "/").
    virtual void PrepareMyFlashFolder(const QString& folder) = 0;
    // The recent-files list again ("History" may have changed).
    virtual void LoadRecentFiles() = 0;
    // The screen saver on or off, and its state when the player started.
    virtual void SetSSState(bool active) = 0;
    virtual bool InitialScreenSaverState() const = 0;
    // The saver module ("ScreenSaver"/""; "" when none is installed).
    virtual QString ScreenSaverModule() const = 0;
    // SaveOpts: every option to the store, the file associations applied.
    virtual void SaveOpts() = 0;
    // The language and interface font applied to the window again.
    virtual void SetVisual() = 0;
};
