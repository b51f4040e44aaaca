// The playlist commands of the main window: playing, stepping, moving, removing, showing.
#include "playlist/Playlist.h"

#include "playlist/PlaylistFile.h"

#include <QFile>

#include <algorithm>

namespace {

bool IsIndex16(int value)
{
    return value >= -32768 && value <= 32767;
}

}  // namespace

void Playlist::PlayPaths(const QStringList& paths)
{
    ClearPlaylist();
    for (const QString& path : paths)
        AddToPlaylist(path, 0);
    PlayEntry(0);
}

void Playlist::PlayEntry(int index)
{
    if (!IsIndex16(index))
        return;
    // -2 or less only reloads the current entry.
    if (index > -2) {
        m_host->SelectListItem(m_model.PLCurrent());
        m_model.SetCurrent(index);
    }
    const int current = m_model.PLCurrent();
    // An empty playlist still holds its one empty text at index 0: loading that text closes
    // the movie. An index past the entries (the current one was removed) loads nothing.
    const QStringList entries = m_model.PLEntries();
    if (current < 0)
        m_host->CloseMedia(QString());
    else if (current < entries.size())
        m_host->LoadFlash(entries.at(current), QString(), false);
    m_host->SelectListItem(m_model.PLCurrent());
}

void Playlist::PlayNext()
{
    if (m_model.PLLast() < 1)
        return;
    int next = m_model.PLCurrent() + 1;
    if (next > m_model.PLLast())
        next = 0;
    PlayEntry(next);
}

void Playlist::PlayPrev()
{
    if (m_model.PLLast() < 0)
        return;
    if (m_model.PLLast() >= 1) {
        const int previous = m_model.PLCurrent() - 1;
        PlayEntry(previous >= 0 ? previous : m_model.PLLast());
        return;
    }
    // One entry: the playlist as last saved is read back and started again.
    const QString copy = m_plFile + QLatin1String(kPlaylistExtension);
    if (!m_plFile.isEmpty()) {
        QFile::remove(copy);
        QFile::copy(m_plFile, copy);
    }
    ClearPlaylist();
    AddToPlaylist(copy, 0);
    if (!m_plFile.isEmpty())
        QFile::remove(copy);
    PlayEntry(0);
}

void Playlist::MoveEntry(int index, int delta)
{
    const int last = m_model.PLLast();
    const int target = index + delta;
    if (index < 0 || index > last || target < 0 || target > last)
        return;
    if (m_model.PLCurrent() == index)
        m_model.SetCurrent(target);
    else if (m_model.PLCurrent() == target)
        m_model.SetCurrent(index);
    m_model.Swap(index, target);
}

void Playlist::RemoveEntry(int index)
{
    const int last = m_model.PLLast();
    if (index < 0 || index > last)
        return;
    // The same result as carrying the entry to the end one exchange at a time: the current
    // entry keeps its movie, or, when it is the one removed, ends one past the last entry.
    const int current = m_model.PLCurrent();
    if (current == index)
        m_model.SetCurrent(last);
    else if (current > index && current <= last)
        m_model.SetCurrent(current - 1);
    m_model.RemoveAt(index);
    m_fullReported = false;
}

void Playlist::RemoveSelectedEntries()
{
    const QList<int> selected = m_host->SelectedListItems();
    if (selected.size() == 1) {
        RemoveEntry(m_host->FocusedListItem() >= 0 ? m_host->FocusedListItem() : selected.first());
        return;
    }
    const int focused = m_host->FocusedListItem();
    if (focused >= 0)
        m_host->SetListItemSelected(focused, true);
    QList<int> indices = m_host->SelectedListItems();
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    // Each index becomes the position it has once the earlier ones are gone.
    QList<int> positions;
    for (int i = 0; i < indices.size(); ++i) {
        m_host->SetListItemSelected(indices[i], false);
        positions.append(indices[i] - i);
    }
    m_host->LockListUpdates(true);
    for (int position : positions)
        RemoveEntry(position);
    m_host->LockListUpdates(false);
}

void Playlist::AddFolder(const QString& folder)
{
    m_host->LockListUpdates(true);
    AddToPlaylist(folder, 0);
    m_host->LockListUpdates(false);
}

void Playlist::TogglePlaylist(int mode)
{
    const bool show = mode == 1 ? !m_view->IsPlaylistMenuChecked() : mode != 0;
    const PlaylistLayout before = m_view->ListLayout();
    m_view->SetListVisible(show && !(before.fullScreen && before.fsPlaylistShown));
    m_view->SetPlaylistMenuChecked(show);
    // The plain window grows and shrinks by the list's width, as it is once the list is shown.
    const PlaylistLayout after = m_view->ListLayout();
    if (after.windowNormal && !before.fullScreen && !after.skinLoaded)
        m_view->SetWindowWidth(after.windowWidth + (show ? 1 : -1) * after.listWidth);
    m_view->RunSkinEvent(QStringLiteral("onLoad"));
    m_view->RunSkinEvent(QStringLiteral("onPlayListToggle"));
    m_view->UpdateSkin();
}
