// The pop-up menus: PopUp over the movie and PupItem for playlist entries and browser items.
#include "player/Player.h"

#include "engine/FlashControl.h"
#include "lang/Language.h"
#include "player/PlayerBrowser.h"
#include "player/PlayerMenus.h"
#include "player/PlaylistPane.h"

#include <QAction>
#include <QCursor>
#include <QFileInfo>
#include <QMenu>

namespace {

// Which of the item pop-up's entries an item gets.
unsigned ItemKind(PopUpSource source, const QString& item)
{
    if (source == PopUpSource::Playlist)
        return item.isEmpty() ? kForList : kForEntry;
    // The browser's parent entry ".." stands for a folder too.
    if (item.isEmpty() || item.endsWith(QLatin1String("..")) || QFileInfo(item).isDir())
        return kForFolder;
    return kForMovie;
}

}  // namespace

QMenu* Player::PreparePopUp(PopUpSource source, const QString& item)
{
    // Over the media browser the item under the pointer gets its own menu.
    if (source == PopUpSource::Movie && m_browser->IsBrowsing() && !m_browser->SelectedItem().isEmpty())
        return PreparePopUp(PopUpSource::Browser, m_browser->SelectedItem());
    if (source == PopUpSource::Movie) {
        const QString quality = m_swf->Quality2();
        SetChecked(QStringLiteral("mnuPopHQ"), quality == QLatin1String("High"));
        SetChecked(QStringLiteral("mnuPopLQ"), quality == QLatin1String("Low"));
        for (const auto& [from, to] : {std::pair{"mnuPlay", "mnuPopPlay"}, std::pair{"mnuConvert", "mnuPopConvert"}}) {
            QAction* original = MenuItem(QLatin1String(from));
            QAction* copy = MenuItem(QLatin1String(to));
            if (original && copy)
                copy->setText(original->text());
        }
        QMenu* menu = m_menus->Menu(QStringLiteral("PopUp"));
        DecorateMenu(menu);
        return menu;
    }
    m_popUpItem = item;
    m_popUpFromPlaylist = source == PopUpSource::Playlist;
    ShowItemEntries(source, item);
    if (QAction* convert = MenuItem(QStringLiteral("mnuMovieConvert"))) {
        convert->setText(item.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)
                ? LangText(QStringLiteral("Player/mnuConvertEXE"), QStringLiteral("Convert EXE to SWF"))
                : LangText(QStringLiteral("Player/mnuConvert"), QStringLiteral("Convert to EXE")));
    }
    QMenu* menu = m_menus->Menu(QStringLiteral("PupItem"));
    DecorateMenu(menu);
    return menu;
}

void Player::ShowPopUp(PopUpSource source, const QString& item)
{
    if (QMenu* menu = PreparePopUp(source, item))
        menu->popup(QCursor::pos());
}

void Player::ShowItemEntries(PopUpSource source, const QString& item)
{
    QMenu* menu = m_menus->Menu(QStringLiteral("PupItem"));
    if (!menu)
        return;
    const unsigned kind = ItemKind(source, item);
    for (QAction* action : menu->actions()) {
        const CommandRow* row = m_menus->RowOf(action);
        // Separators stay; the menu folds those that end up next to each other.
        if (row && row->kind != CommandKind::Separator)
            action->setVisible(row->flags & kind);
    }
}

void Player::PlayPopUpItem()
{
    // A playlist entry plays and the playlist stays; a browser item becomes the new playlist.
    const int entry = m_popUpFromPlaylist ? m_playlistPane->FocusedRow() : (m_popUpItem.isEmpty() ? PopUpPlaylistEntry() : -1);
    if (entry >= 0) {
        m_playlist.PlayEntry(entry);
        return;
    }
    if (m_popUpFromPlaylist)
        return;
    const QString item = m_popUpItem.isEmpty() && m_browser->IsBrowsing() ? m_browser->SelectedItem() : m_popUpItem;
    if (!item.isEmpty())
        PlayPaths({item});
}
