// The window's side of its input: handy keys, activation, dropped files.
#include "player/Player.h"

#include "player/PlayerSkin.h"
#include "player/PlaylistPane.h"

#include <QAction>
#include <QMenuBar>

bool Player::HandyAction(int key)
{
    for (const HandyKeyRow& row : HandyKeyTable()) {
        if (row.key != key)
            continue;
        if (row.condition == HandyCondition::MenuBarHidden && !m_menuBarHidden)
            return false;
        if (row.condition == HandyCondition::HandyKeys && (!IsChecked(QStringLiteral("mnuHandyKeys")) || IsBrowsing()))
            return false;
        if (row.handler) {
            row.handler(*this, -1);
        } else {
            QAction* item = MenuItem(QLatin1String(row.item));
            if (!item || item->isEnabled())
                RunCommand(QLatin1String(row.item));
        }
        return true;
    }
    return false;
}

void Player::ApplicationActivated(bool active)
{
    m_applicationActive = active;
    m_menuBar->update();
    m_skin->ActivateApp(active);
}

QWidget* Player::PlaylistArea() const
{
    return m_playlistPane;
}

void Player::AppendToPlaylist(const QStringList& paths)
{
    for (const QString& path : paths)
        m_playlist.AddToPlaylist(path, 0);
}
