#pragma once

#include <QList>
#include <QString>

// What the playlist needs from the main window: loading and closing movies, the recent-files
// list, the menu entries that depend on the number of entries, and the list box's selection.
// The main window implements it; the defaults do nothing, so a program without a window (the
// command-line tool) and tests override only what they use.
class PlaylistHost {
public:
    virtual ~PlaylistHost() = default;

    // Opening and closing movies; LoadFlash closes the movie when the path is empty.
    virtual void LoadFlash(const QString& path, const QString& title, bool nativeSize) { }
    virtual void CloseMedia(const QString& errorText) { }
    // The recent-files list; playlist files that are read are added to it.
    virtual void AddRecent(const QString& path) { }

    // The menu entries that need at least one entry, and at least two entries.
    virtual void EnableOneEntryMenus(bool enabled) { }
    virtual void EnableTwoEntryMenus(bool enabled) { }

    // The list box: select (and so redraw) an item, any index outside the list selecting
    // nothing; the selected items; the focused item (-1 for none); select or deselect one item;
    // lock window updates of the list (calls come in pairs).
    virtual void SelectListItem(int index) { }
    virtual QList<int> SelectedListItems() const { return {}; }
    virtual int FocusedListItem() const { return -1; }
    virtual void SetListItemSelected(int index, bool selected) { }
    virtual void LockListUpdates(bool locked) { }
};
