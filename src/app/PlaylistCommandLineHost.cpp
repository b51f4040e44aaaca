#include "app/PlaylistCommandLineHost.h"

#include "playlist/Playlist.h"
#include "playlist/PlaylistHost.h"

PlaylistCommandLineHost::PlaylistCommandLineHost(Playlist& playlist, PlaylistHost& window, std::function<void()> restore)
    : m_playlist(playlist)
    , m_window(window)
    , m_restore(std::move(restore))
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

void PlaylistCommandLineHost::RestoreMinimisedWindow()
{
    if (m_restore)
        m_restore();
}
