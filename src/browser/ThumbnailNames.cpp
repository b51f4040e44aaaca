#include "browser/ThumbnailNames.h"

#include "base/AppFolders.h"
#include "base/FileNames.h"
#include "media/CompressedMovieCache.h"

namespace {

const QString kJpeg = QStringLiteral(".jpg");

}  // namespace

QString BrowserThumbnailName(const QString& moviePath, bool satellite)
{
    if (satellite)
        return FileNameOf(moviePath, true) + kJpeg;
    return CachePathFor(moviePath, kJpeg, true, true);
}

QString BrowserThumbnailFolder(const QString& folder, bool satellite)
{
    return satellite ? folder : Folders().cache;
}

QString BrowserThumbnailPath(const QString& moviePath, bool satellite)
{
    return BrowserThumbnailFolder(FolderOf(moviePath), satellite) + BrowserThumbnailName(moviePath, satellite);
}

QString GeneratorThumbnailPath(const QString& moviePath)
{
    return FolderOf(moviePath) + FileNameOf(moviePath, true) + kJpeg;
}
