#pragma once

#include <QString>

// The media browser as the player window sees it: the browse mode, showing a folder, and the
// items that the browser movie's commands name. Without a browser (this class as it is) the
// player has no browse mode, and a folder it is asked to open is played as the playlist.
class PlayerBrowser {
public:
    virtual ~PlayerBrowser() = default;

    virtual bool IsAvailable() const { return false; }
    // True while the browser movie occupies the player.
    virtual bool IsBrowsing() const { return false; }
    // Shows the browser at its last folder (mnuBrowse, StartUp 1).
    virtual void BrowseMedia() { }
    // Shows a folder (LoadFlash of a folder path, MEOWSEARCH...).
    virtual void ShowFolder(const QString& folder) { }
    // A load failed while the browser was showing: it shows the text.
    virtual void ShowError(const QString& text) { }
    // The items shown, numbered from 1.
    virtual int ItemCount() const { return 0; }
    virtual QString ItemPath(int number) const { return QString(); }
    virtual bool ItemIsFolder(int number) const { return false; }
    // The item the item pop-up menu was opened for ("" for none).
    virtual QString SelectedItem() const { return QString(); }
    // The browser movie's scroll position, written into the next listing (BROWSESCROLL).
    virtual void SetScrollPosition(int position) { }
    // The item under the mouse, 0 for none (SHOTOVER); the item pop-up menu is about it.
    virtual void SetHoveredItem(int number) { }
};
