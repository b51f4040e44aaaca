// The window as the playlist and the option store see it, and the options moved in and out.
#include "player/Player.h"

#include "engine/FlashControl.h"
#include "options/LoadSaveOptions.h"
#include "options/RegistryStore.h"
#include "player/PlayerBrowser.h"
#include "player/PlayerDesktop.h"
#include "player/PlayerMenus.h"
#include "player/PlaylistPane.h"
#include "player/RecentList.h"

#include <QAction>

// ---- Options

namespace {

// The menu items whose checks are options, and where the option holders keep them.
struct MenuOption {
    const char* item;
    bool MenuChecks::*check;
};

const MenuOption kMenuOptions[] = {
    {"mnuPlaylist", &MenuChecks::playlist},
    {"mnuLoop", &MenuChecks::loop},
    {"mnuNonStop", &MenuChecks::nonStop},
    {"mnuTopMost", &MenuChecks::topMost},
    {"mnuMenuBar", &MenuChecks::menuBar},
    {"mnuHandyKeys", &MenuChecks::handyKeys},
    {"mnuKeepSize", &MenuChecks::keepSize},
    {"mnuAspectRatio", &MenuChecks::aspectRatio},
    {"mnuFullScreen", &MenuChecks::fullScreen},
};

}  // namespace

void Player::LoadOpts()
{
    StoreMenuChecksInOptions();  // the items' design states are the defaults
    ::LoadOpts(*this, m_holders);
    ApplyMenuChecksFromOptions();
}

void Player::SaveOpts()
{
    StoreMenuChecksInOptions();
    State().skinName = m_skin->SkinName();
    ::SaveOpts(*this, m_holders);
}

void Player::StoreMenuChecksInOptions()
{
    for (const MenuOption& option : kMenuOptions)
        State().menus.*option.check = IsChecked(QLatin1String(option.item));
}

void Player::ApplyMenuChecksFromOptions()
{
    // Full screen is not taken from here: the window enters it when it is shown.
    for (const MenuOption& option : kMenuOptions) {
        if (option.check != &MenuChecks::fullScreen)
            SetChecked(QLatin1String(option.item), State().menus.*option.check);
    }
    m_swf->SetLoop(State().menus.loop);
    if (!IsFullScreen())
        ShowMenuBar(State().menuBarShown);
}

void Player::MoveWindow(const WindowGeometry& geometry)
{
    if (geometry.width <= 0 || geometry.height <= 0)
        return;
    SetGeometryTwips(QRect(int(geometry.left), int(geometry.top), int(geometry.width), int(geometry.height)));
}

int16_t Player::WindowState() const
{
    if (isMinimized())
        return kWindowMinimized;
    if (isMaximized() || isFullScreen() || IsChecked(QStringLiteral("mnuFullScreen")))
        return kWindowMaximized;
    return kWindowNormal;
}

WindowGeometry Player::CurrentGeometry() const
{
    const QRect twips = GeometryTwips();
    return WindowGeometry{float(twips.x()), float(twips.y()), float(twips.width()), float(twips.height())};
}

QString Player::CurrentQuality() const
{
    return m_swf->Quality2();
}

uint8_t Player::ScaleModeToSave() const
{
    return m_nativeSize && m_browser->IsBrowsing() ? m_savedScaleMode : uint8_t(m_swf->ScaleMode());
}

bool Player::IsScreenSaverActive()
{
    return m_desktop->IsScreenSaverActive();
}

void Player::SetSSState(bool active)
{
    m_desktop->SetSSState(active);
}

void Player::PrepareMyFlashFolder(const QString& folder)
{
    m_desktop->PrepareMyFlashFolder(folder);
}

void Player::ApplyAssociations(bool associate)
{
    m_desktop->ApplyAssociations(associate);
}

void Player::LoadRecentFiles()
{
    QStringList slots;
    for (int i = 0; i < 5; ++i)
        slots << ReadRegistryString(QStringLiteral("Recent"), QString::number(i), QString());
    m_recent->LoadRecent(OptionValues().history, slots);
    RebuildRecentMenu();
}

QStringList Player::RecentFiles() const
{
    QStringList files;
    for (int i = 0; i < m_recent->RecentCount(); ++i)
        files << m_recent->Tag(i);
    return files;
}

void Player::AddRecent(const QString& path)
{
    m_recent->AddRecent(path);
    RebuildRecentMenu();
}

// ---- Playlist

void Player::TogglePlaylist(int16_t mode)
{
    m_playlist.TogglePlaylist(mode);
}

void Player::EnableOneEntryMenus(bool enabled)
{
    for (QAction* item : m_menus->Items()) {
        const CommandRow* row = m_menus->RowOf(item);
        // Without an entry there are not two either.
        if (row && ((row->flags & kNeedsOneEntry) || (!enabled && (row->flags & kNeedsTwoEntries))))
            item->setEnabled(enabled);
    }
}

void Player::EnableTwoEntryMenus(bool enabled)
{
    for (QAction* item : m_menus->Items()) {
        const CommandRow* row = m_menus->RowOf(item);
        if (row && row->flags & kNeedsTwoEntries)
            item->setEnabled(enabled);
    }
}

void Player::SelectListItem(int index)
{
    m_playlistPane->SelectRow(index);
}

QList<int> Player::SelectedListItems() const
{
    return m_playlistPane->SelectedRows();
}

int Player::FocusedListItem() const
{
    return m_playlistPane->FocusedRow();
}

void Player::SetListItemSelected(int index, bool selected)
{
    m_playlistPane->SetRowSelected(index, selected);
}

void Player::LockListUpdates(bool locked)
{
    m_playlistPane->setUpdatesEnabled(!locked);
}

bool Player::IsPlaylistMenuChecked() const
{
    return IsChecked(QStringLiteral("mnuPlaylist"));
}

void Player::SetPlaylistMenuChecked(bool checked)
{
    SetChecked(QStringLiteral("mnuPlaylist"), checked);
}

void Player::SetListVisible(bool visible)
{
    if (m_playlistPane->isHidden() == !visible)
        return;
    m_playlistPane->setVisible(visible);
    UpdateSkin();
}

bool Player::IsFullScreen() const
{
    return IsChecked(QStringLiteral("mnuFullScreen"));
}

bool Player::IsFSPlaylistShown() const
{
    // The playlist's question is whether the full-screen state keeps the list away.
    return m_fsPlaylistHidden;
}

bool Player::IsWindowNormal() const
{
    // The full-screen item counts too: without a window manager the window system may not know.
    return !isMinimized() && !isMaximized() && !isFullScreen() && !IsChecked(QStringLiteral("mnuFullScreen"));
}

bool Player::IsSkinLoaded() const
{
    return m_skin->IsActive();
}

int Player::WindowWidth() const
{
    return frameGeometry().width();
}

void Player::SetWindowWidth(int width)
{
    ResizeOuter(QSize(std::max(1, width), frameGeometry().height()), nullptr);
}

int Player::ListWidth() const
{
    return kPlaylistWidth;
}

void Player::RunSkinEvent(const QString& event)
{
    m_skin->RunSkinEvent(event);
}
