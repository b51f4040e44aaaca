#include "desktop/DesktopExtensions.h"

#include "desktop/FrmOptions.h"
#include "desktop/ScreenSaverChoice.h"
#include "player/PlayerOptionsActions.h"

DesktopExtensions::DesktopExtensions(OptionsModule& options, UIFontInfo& font)
    : m_options(options)
    , m_font(font)
{
}

bool DesktopExtensions::Offers(PlayerFeature feature) const
{
    return feature == PlayerFeature::Options || feature == PlayerFeature::ScreenSaver;
}

void DesktopExtensions::Run(PlayerFeature feature, const QString& argument)
{
    if (feature == PlayerFeature::Options)
        ShowOptions();
    else if (feature == PlayerFeature::ScreenSaver)
        SetAsSS(argument);
}

bool DesktopExtensions::ShowOptions(int page)
{
    if (!m_player)
        return false;
    FrmOptions dialog(m_options, m_font, *m_player, m_player->Window());
    if (page >= 0)
        dialog.ShowPage(page);
    const bool saved = dialog.exec() == QDialog::Accepted;
    if (saved && optionsSaved)
        optionsSaved();
    return saved;
}

void DesktopExtensions::SetAsSS(const QString& path)
{
    if (!m_player)
        return;
    RecordScreenSaverMovie(path, m_player->ScreenSaverModule());
    ShowOptions(0);
}
