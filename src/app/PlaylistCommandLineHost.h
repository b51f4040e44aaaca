#pragma once

#include "app/CommandLine.h"

#include <functional>

class Playlist;
class PlaylistHost;

// The command-line handler's host over the player's playlist: the playlist work goes to the
// Playlist, movie loading to the window behind it (the same host the playlist loads through),
// so an "/exec" line and a played entry end in the same LoadFlash.
class PlaylistCommandLineHost : public CommandLineHost {
public:
    // restore brings a minimised window back when a second start hands its command line over.
    PlaylistCommandLineHost(Playlist& playlist, PlaylistHost& window, std::function<void()> restore = {});

    void LoadFlash(const QString& path, const QString& caption, bool nativeSize) override;
    void ClearPlaylist() override;
    void AddToPlaylist(const QString& path, int level) override;
    void PlayEntry(int index) override;
    void RestoreMinimisedWindow() override;

private:
    Playlist& m_playlist;
    PlaylistHost& m_window;
    std::function<void()> m_restore;
};
