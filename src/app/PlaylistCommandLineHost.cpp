#include "app/PlaylistCommandLineHost.h"

#include "playlist/Playlist.h"
#include "playlist/PlaylistHost.h"

PlaylistCommandLineHost::PlaylistCommandLineHost(Playlist& playlist, PlaylistHost& window)
    : m_playlist(playlist)
    , m_window(window)
{
}

void PlaylistCommandLineHost::LoadFlash(const QString& path, const QString& caption, bool nativeSize)
{
    m_window.LoadFlash(path, caption, nativeSize);
}

void PlaylistCommandLineHost::ClearPlaylist()
{
    m_playlist.ClearPlaylist();
}

void PlaylistCommandLineHost::AddToPlaylist(const QString& path, int level)
{
    m_playlist.AddToPlaylist(path, level);
}

void PlaylistCommandLineHost::PlayEntry(int index)
{
    m_playlist.PlayEntry(index);
}
