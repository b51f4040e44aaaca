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

    // The browser movie's commands. Numbers that are not numbers arrive as 0.
    // BROWSESCROLL: where the movie's view is scrolled to, written back into the next listing.
    virtual void SetScroll(int position) { }
    // SHOTOVER: the item under the mouse (0 for none); numbers outside 0..ItemCount() are ignored.
    virtual void Hover(int number) { }
    // SHOTCLICK: a folder is shown from its top, a movie played as the new playlist; numbers
    // outside 1..ItemCount() are ignored.
    virtual void Click(int number) { }
    // MEOWSEARCH: shows a folder from its top ("" for the current folder).
    virtual void Search(const QString& folder) { }
    // MEOWBROWSE: lets the user choose a folder, starting at folder ("" for the current one),
    // and shows it; nothing happens when the choice is cancelled.
    virtual void ChooseFolder(const QString& folder) { }
};
