// The player and the system around it: the screen saver, the update check and Uninstall.
#include "player/Player.h"

#include "base/AppFolders.h"
#include "media/CompressedMovieCache.h"
#include "player/PlayerDesktop.h"
#include "player/PlayerExtensions.h"

#include <QDir>

bool Player::InitialScreenSaverState() const
{
    return State().initialScreenSaverActive;
}

QString Player::ScreenSaverModule() const
{
    const QString stored = State().screenSaverModule;
    return stored.isEmpty() ? m_saverProgram : stored;
}

void Player::SetAsSS(const QString& path)
{
    // Also by name when the menus are disabled: the choice is recorded all the same.
    m_extensions->Run(PlayerFeature::ScreenSaver, path);
}

void Player::WebUpdate(bool automatic)
{
    m_extensions->Run(PlayerFeature::Update, automatic ? QLatin1String(kAutomaticUpdate) : QString());
}

void Player::Uninstall()
{
    ClearCache(2);
    // Only an empty folder goes: what is not the player's stays.
    QDir().rmdir(Folders().cache);
    m_desktop->ApplyAssociations(false);
    m_desktop->RemoveInstalledFiles();
    Quit(QStringLiteral("Unistallation"), false);
}
