#pragma once

#include "player/PlayerExtensions.h"

#include <functional>

class PlayerOptionsActions;
struct OptionsModule;
struct UIFontInfo;

// The options dialog (PlayerFeature::Options) and the screen-saver choice
// (PlayerFeature::ScreenSaver, argument: the movie) as the main window's menus reach them.
class DesktopExtensions : public PlayerExtensions {
public:
    DesktopExtensions(OptionsModule& options, UIFontInfo& font);

    // The main window, once it exists; before, the features do nothing.
    void Attach(PlayerOptionsActions& player) { m_player = &player; }

    bool Offers(PlayerFeature feature) const override;
    void Run(PlayerFeature feature, const QString& argument) override;

    // Opens the options dialog modally on page (-1: the page shown last). True when saved.
    bool ShowOptions(int page = -1);
    // SetAsSS: the movie becomes the screen saver's, and the saver's settings open (the
    // options dialog's first page, where the screen saver is set).
    void SetAsSS(const QString& path);

    // Runs after every save of the options dialog (the program hands changed values on).
    std::function<void()> optionsSaved;

private:
    OptionsModule& m_options;
    UIFontInfo& m_font;
    PlayerOptionsActions* m_player = nullptr;
};
