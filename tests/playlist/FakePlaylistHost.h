#pragma once

#include "playlist/PlaylistHost.h"
#include "playlist/PlaylistView.h"

#include <QSet>
#include <QStringList>

#include <algorithm>

// The main window as the playlist sees it: records what it is asked to do and keeps a list
// box's selection and a window's width.
class FakePlaylistHost : public PlaylistHost, public PlaylistView {
public:
    QStringList loaded;      // paths given to LoadFlash
    QStringList closed;      // texts given to CloseMedia
    QStringList recent;      // paths given to AddRecent
    QStringList skinEvents;  // skin events, then "UpdateSkin"
    QList<int> selectCalls;
    QSet<int> selection;
    int focused = -1;
    bool oneEntryMenus = false;
    bool twoEntryMenus = false;
    int lockDepth = 0;
    int maxLockDepth = 0;
    bool menuChecked = false;
    bool listVisible = false;
    bool fullScreen = false;
    bool fsPlaylist = false;
    bool normal = true;
    bool skin = false;
    int width = 500;
    int listWidth = 180;

    void LoadFlash(const QString& path, const QString&, bool) override { loaded.append(path); }
    void CloseMedia(const QString& errorText) override { closed.append(errorText); }
    void AddRecent(const QString& path) override { recent.append(path); }
    void EnableOneEntryMenus(bool enabled) override { oneEntryMenus = enabled; }
    void EnableTwoEntryMenus(bool enabled) override { twoEntryMenus = enabled; }
    void SelectListItem(int index) override { selectCalls.append(index); }
    QList<int> SelectedListItems() const override
    {
        QList<int> items(selection.begin(), selection.end());
        std::sort(items.begin(), items.end());
        return items;
    }
    int FocusedListItem() const override { return focused; }
    void SetListItemSelected(int index, bool selected) override
    {
        if (selected)
            selection.insert(index);
        else
            selection.remove(index);
    }
    void LockListUpdates(bool locked) override
    {
        lockDepth += locked ? 1 : -1;
        maxLockDepth = std::max(maxLockDepth, lockDepth);
    }
    bool IsPlaylistMenuChecked() const override { return menuChecked; }
    void SetPlaylistMenuChecked(bool checked) override { menuChecked = checked; }
    void SetListVisible(bool visible) override { listVisible = visible; }
    PlaylistLayout ListLayout() const override { return PlaylistLayout{fullScreen, fsPlaylist, normal, skin, width, listWidth}; }
    void SetWindowWidth(int value) override { width = value; }
    void RunSkinEvent(const QString& event) override { skinEvents.append(event); }
    void UpdateSkin() override { skinEvents.append(QStringLiteral("UpdateSkin")); }
};
