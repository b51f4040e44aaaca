#include "playlist/Playlist.h"

#include "base/ExecutionLog.h"
#include "base/FileNames.h"
#include "base/XmlText.h"
#include "playlist/PlaylistFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The extensions taken as entries without further test.
const char* const kMovieExtensions[] = {".swf", ".flv", kPlaylistExtension};

bool IsExtension(const QString& ext, const char* wanted)
{
    return ext.compare(QLatin1String(wanted), Qt::CaseInsensitive) == 0;
}

}  // namespace

Playlist::Playlist(PlaylistServices services, PlaylistHost* host, PlaylistView* view)
    : m_services(std::move(services))
    , m_host(host ? host : &m_nullHost)
    , m_view(view ? view : &m_nullView)
{
    // A service left empty keeps its default.
    const PlaylistServices defaults;
    if (!m_services.history)
        m_services.history = defaults.history;
    if (!m_services.genericProjectors)
        m_services.genericProjectors = defaults.genericProjectors;
    if (!m_services.isProjector)
        m_services.isProjector = defaults.isProjector;
}

void Playlist::AddToPlaylist(const QString& path, int level)
{
    AddPath(path, level, nullptr);
}

void Playlist::AddPath(const QString& path, int level, const QFileInfo* known)
{
    const QString ext = ExtensionOf(path);
    if (IsExtension(ext, kPlaylistExtension) && level <= 0) {
        AddPlaylistFile(path, level);
        return;
    }
    // An entry keeps the text it was given; the file system gets it with "/" separators. Paths
    // found in a folder have them already.
    const QString local = known ? path : NormalizePath(path);
    const QFileInfo info = known ? *known : QFileInfo(local);
    if (!path.isEmpty() && info.isDir()) {
        AddFolderItems(local, level + 1);
        return;
    }
    bool accepted = false;
    for (const char* movie : kMovieExtensions)
        accepted = accepted || IsExtension(ext, movie);
    if (!accepted && IsExtension(ext, ".exe"))
        accepted = !m_services.genericProjectors() || m_services.isProjector(local);
    if (accepted)
        AddEntry(path);
}

void Playlist::AddFolderItems(const QString& folder, int level)
{
    // Nothing more fits: the walk would only find entries to refuse.
    if (m_model.IsFull()) {
        ReportFull(folder);
        return;
    }
    const QString folderPath = WithTrailingSlash(folder);
    const QString canonical = QFileInfo(folderPath).canonicalFilePath();
    if (canonical.isEmpty() || m_walkedFolders.contains(canonical))
        return;
    m_walkedFolders.insert(canonical);
    // Sub-folders first, then files, each by name, hidden items left out, as a file manager lists
    // them; any stable order will do.
    const QFileInfoList items = QDir(folderPath)
                                    .entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System,
                                        QDir::DirsFirst | QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& item : items)
        AddPath(folderPath + item.fileName(), level, &item);
    m_walkedFolders.remove(canonical);
}

void Playlist::AddPlaylistFile(const QString& path, int level)
{
    const PlaylistReadResult read = ReadPlaylistFile(NormalizePath(path));
    if (read.status == PlaylistReadStatus::Unloadable) {
        Log(QStringLiteral("Failed to load PL XML"));
        return;
    }
    if (read.status == PlaylistReadStatus::Incompatible) {
        Log(QStringLiteral("PL Version is incompatible"));
        return;
    }
    m_host->AddRecent(path);
    for (const QString& child : read.paths)
        AddPath(child, level + 1, nullptr);
}

void Playlist::AddEntry(const QString& path)
{
    if (!m_model.Append(path)) {
        ReportFull(path);
        return;
    }
    m_host->EnableOneEntryMenus(true);
    m_host->EnableTwoEntryMenus(m_model.PLLast() >= 1);
}

void Playlist::ReportFull(const QString& path)
{
    // The 16-bit index holds no more; said once until there is room again.
    if (!m_fullReported)
        Log(QStringLiteral("Playlist is full (%1 entries), not added: %2").arg(PlaylistModel::kMaxEntries).arg(path));
    m_fullReported = true;
}

void Playlist::ClearPlaylist()
{
    if (m_model.PLLast() >= 0 && m_services.history() && !m_plFile.isEmpty())
        SavePlaylist(m_plFile);
    m_model.Clear();
    m_fullReported = false;
    m_host->EnableOneEntryMenus(false);
}

void Playlist::SavePlaylist(const QString& path)
{
    const QStringList entries = m_model.PLLast() >= 0 ? m_model.PLEntries() : QStringList();
    SaveXML(PlaylistSavePath(path), PlaylistFileText(entries, m_model.PLCurrent()));
}

void Playlist::Log(const QString& line)
{
    LogLine(line, true);
    if (m_services.notice)
        m_services.notice(line);
}
