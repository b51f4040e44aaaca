#pragma once

#include <QString>

class Playlist;
struct MediaFileInfo;

// The player's movie and playlist as the parts around the window use them: the browser shows
// its movie and plays what is clicked, the dialogs and tools read the movie shown.
class PlayerMedia {
public:
    virtual ~PlayerMedia() = default;

    // The one road from a path to a movie in the control (LoadFlash).
    virtual void LoadFlash(const QString& path, const QString& title, bool nativeSize) = 0;
    // The playlist (ClearPlaylist, AddToPlaylist, PlayEntry, PlayPaths).
    virtual Playlist& MediaPlaylist() = 0;
    // The record of the movie shown and the name it is shown under.
    virtual const MediaFileInfo& MediaInfo() const = 0;
    virtual QString MovieTitle() const = 0;
    // The movie shown is one of the player's own screens (welcome, browser, video wrapper).
    virtual bool IsInterfaceMovie() const = 0;
    // The playlist entry the item pop-up menu was opened on; -1 when it was opened elsewhere
    // (on the media browser).
    virtual int PopUpPlaylistEntry() const = 0;
};
