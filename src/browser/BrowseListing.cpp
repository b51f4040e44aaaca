#include "browser/BrowseListing.h"

#include "base/FileNames.h"
#include "browser/ThumbnailNames.h"
#include "media/Projector.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace {

const QString kUp = QStringLiteral("/../");

// The kind of a file by the last four characters of its name; 0 for files that are not listed.
int FileType(const QString& name)
{
    const QString ending = name.right(4).toUpper();
    if (ending == QLatin1String(".SWF") || ending == QLatin1String(".FLV"))
        return BrowseEntry::Movie;
    if (ending == QLatin1String(".EXE"))
        return BrowseEntry::Projector;
    return 0;
}

bool IsComputerPath(const QString& path)
{
    return path == QLatin1String(":/") || path.endsWith(QLatin1String(":/../")) || path == kUp;
}

}  // namespace

int BrowseListing::FoundCount() const
{
    int count = 0;
    for (const BrowseEntry& entry : entries)
        count += entry.type != BrowseEntry::Folder ? 1 : 0;
    return count;
}

QString ResolveBrowsePath(const QString& path, const QString& currentFolder)
{
    if (path.isEmpty())
        return currentFolder;
    if (path == QLatin1String(kComputerFolder))
        return path;
    QString folder = WithTrailingSlash(NormalizePath(path));
    if (IsComputerPath(folder))
        return QLatin1String(kComputerFolder);
    if (folder.endsWith(kUp)) {
        // The text up to and including the separator before the last component.
        folder.chop(kUp.size() - 1);
        const qsizetype cut = folder.lastIndexOf(QLatin1Char('/'), folder.size() - 2);
        folder = cut >= 0 ? folder.left(cut + 1) : QString();
        if (folder.isEmpty())
            return currentFolder;
    }
    return folder;
}

QList<BrowseEntry> ComputerVolumes()
{
    QList<BrowseEntry> entries;
    QStorageInfo root = QStorageInfo::root();
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        BrowseEntry entry;
        entry.type = BrowseEntry::Folder;
        entry.target = WithTrailingSlash(volume.rootPath());
        entry.title = volume.rootPath() == QLatin1String("/") ? entry.target : volume.displayName();
        if (volume == root)
            entries.prepend(entry);
        else
            entries.append(entry);
    }
    return entries;
}

BrowseListing ListBrowseFolder(const QString& path, const QString& currentFolder, const BrowseRules& rules)
{
    BrowseListing listing;
    listing.folder = ResolveBrowsePath(path, currentFolder);
    if (listing.folder == QLatin1String(kComputerFolder)) {
        listing.entries = rules.computerEntries ? rules.computerEntries() : ComputerVolumes();
        return listing;
    }

    const QDir dir(listing.folder);
    const QFileInfoList names = dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& name : names) {
        if (name.isDir())
            listing.entries.append(
                {name.fileName(), listing.folder + name.fileName() + QLatin1Char('/'), BrowseEntry::Folder, {}});
    }
    for (const QFileInfo& name : names) {
        if (name.isDir())
            continue;
        const int type = FileType(name.fileName());
        if (type == 0)
            continue;
        const QString target = listing.folder + name.fileName();
        if (type == BrowseEntry::Projector && rules.genericProjectors
            && !(rules.isProjector ? rules.isProjector(target) : IsGenericProjector(target, false)))
            continue;
        listing.entries.append({name.fileName(), target, type, BrowserThumbnailName(target, rules.satellite)});
    }
    return listing;
}
