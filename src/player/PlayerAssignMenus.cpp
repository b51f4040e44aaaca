// AssignMenus: the menus' icons and marks from the command table and the menu icon set.
#include "player/Player.h"

#include "base/AppFolders.h"
#include "lang/Language.h"
#include "player/MenuDecorations.h"
#include "player/PlayerMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

void Player::AssignMenus()
{
    m_decorations->Clear();
    const QString set = State().menuSet.isEmpty() ? QStringLiteral("Default") : State().menuSet;
    const QString folder = Folders().menus + set + QLatin1Char('/');
    m_menuIconFolder = folder;
    // mnuPlay shows "play" beside the play text and "pause" beside the pause text.
    m_decorations->Register(
        LangText(QStringLiteral("Player/mnuPlay"), QStringLiteral("Play")), folder + QStringLiteral("play"), CommandKind::Plain);
    m_decorations->Register(LangText(QStringLiteral("Player/mnuPause"), QStringLiteral("Pause")),
        folder + QStringLiteral("pause"), CommandKind::Plain);
    for (QAction* item : m_menus->Items())
        RegisterDecoration(item);
    for (QMenu* menu : m_menus->Menus())
        DecorateMenu(menu);
}

// Registers an item's caption as it reads now with its row's icon and kind.
void Player::RegisterDecoration(QAction* item)
{
    const CommandRow* row = m_menus->RowOf(item);
    if (!row || QLatin1String(row->name) == QLatin1String("mnuPlay"))
        return;
    const bool marked = row->kind == CommandKind::Check || row->kind == CommandKind::Radio;
    if (!row->icon && !marked)
        return;
    const QString caption = item->menu() ? item->menu()->title() : item->text();
    m_decorations->Register(caption, row->icon ? m_menuIconFolder + QLatin1String(row->icon) : QString(), row->kind);
}

// Prepares a menu before it opens: captions changed since AssignMenus (a movie's convert item)
// join the table, then every item shows the icon of its caption as it reads now.
void Player::DecorateMenu(QMenu* menu)
{
    if (!menu)
        return;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        RegisterDecoration(action);
        const QString caption = action->menu() ? action->menu()->title() : action->text();
        action->setIcon(m_decorations->IconFor(caption));
    }
}
