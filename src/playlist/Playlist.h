#pragma once

#include "playlist/PlaylistHost.h"
#include "playlist/PlaylistModel.h"
#include "playlist/PlaylistServices.h"
#include "playlist/PlaylistView.h"

#include <QSet>
#include <QString>

class QFileInfo;

// The player's one playlist: the adding rules, clearing, saving, and the commands that play,
// move and remove entries. The state and the list box model are in model().
class Playlist {
public:
    // host and view may be null: then nothing is loaded or shown (the command-line tool).
    explicit Playlist(PlaylistServices services = {}, PlaylistHost* host = nullptr, PlaylistView* view = nullptr);

    PlaylistModel& Model() { return m_model; }
    const PlaylistModel& Model() const { return m_model; }
    int PLLast() const { return m_model.PLLast(); }
    int PLCurrent() const { return m_model.PLCurrent(); }
    QStringList PLEntries() const { return m_model.PLEntries(); }

    // PLFile: the playlist kept between runs ("Last Played Temp.vorlen").
    void SetPLFile(const QString& path) { m_plFile = path; }
    QString PLFile() const { return m_plFile; }
    void SetHost(PlaylistHost* host) { m_host = host ? host : &m_nullHost; }
    void SetView(PlaylistView* view) { m_view = view ? view : &m_nullView; }
    // Sets the current index without loading anything (closing the movie clears it).
    void SetCurrent(int index) { m_model.SetCurrent(index); }

    // Adds what path names (a movie file, a folder, a playlist file) at the end. level is the
    // nesting level: 0 for callers, -2 for the start-up load of PLFile.
    void AddToPlaylist(const QString& path, int level);
    // Reads path as a playlist file and adds its entries at level + 1, whatever its extension.
    void AddPlaylistFile(const QString& path, int level);
    // Saves to PLFile first when the playlist is not empty and "History" is on.
    void ClearPlaylist();
    // Writes the playlist file; ".vorlen" is appended when the name has no extension.
    void SavePlaylist(const QString& path);

    // The usual way to open something: the playlist is cleared, each path added at level 0 and
    // entry 0 played.
    void PlayPaths(const QStringList& paths);

    // The commands.
    void PlayEntry(int index);
    void PlayNext();
    void PlayPrev();
    void MoveEntry(int index, int delta);
    void RemoveEntry(int index);
    // Removes the list's selected items (the focused item counts as selected).
    void RemoveSelectedEntries();
    // Adds a folder chosen by the user, with the list's updates locked; nothing is played.
    void AddFolder(const QString& folder);
    // mode 1 toggles, any other non-zero value shows, 0 hides.
    void TogglePlaylist(int mode);

private:
    void AddPath(const QString& path, int level, const QFileInfo* known);
    // folder has "/" separators.
    void AddFolderItems(const QString& folder, int level);
    void AddEntry(const QString& path);
    void ReportFull(const QString& path);
    void Log(const QString& line);

    PlaylistServices m_services;
    PlaylistHost m_nullHost;
    PlaylistHost* m_host;
    PlaylistView m_nullView;
    PlaylistView* m_view;
    PlaylistModel m_model;
    QString m_plFile;
    // The folders of the walk in progress (canonical paths), so that a link back to one of
    // them does not walk forever.
    QSet<QString> m_walkedFolders;
    bool m_fullReported = false;
};
