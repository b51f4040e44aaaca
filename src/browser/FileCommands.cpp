#include "browser/FileCommands.h"

#include "base/FileNames.h"
#include "lang/Language.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString StripSlash(const QString& path)
{
    QString stripped = NormalizePath(path);
    while (stripped.size() > 1 && stripped.endsWith(QLatin1Char('/')))
        stripped.chop(1);
    return stripped;
}

FileCommandResult Failure(const char* key, const char* defaultText, const QString& path)
{
    return {LangText(QStringLiteral("BrowseMedia/") + QLatin1String(key), QLatin1String(defaultText)) + QLatin1Char('\n') + path,
        QString()};
}

// Copies a folder tree; what it made is removed again when a part fails.
bool CopyTree(const QString& source, const QString& target)
{
    if (!QDir().mkdir(target))
        return false;
    const QDir from(source);
    const QFileInfoList items = from.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QFileInfo& item : items) {
        const QString destination = target + QLatin1Char('/') + item.fileName();
        const bool copied = item.isDir() && !item.isSymLink() ? CopyTree(item.filePath(), destination)
                                                              : QFile::copy(item.filePath(), destination);
        if (!copied) {
            QDir(target).removeRecursively();
            return false;
        }
    }
    return true;
}

bool CopyItem(const QFileInfo& source, const QString& target)
{
    if (source.isDir() && !source.isSymLink())
        return CopyTree(source.filePath(), target);
    if (QFile::copy(source.filePath(), target))
        return true;
    QFile::remove(target);  // a copy cut short
    return false;
}

}  // namespace

void FileClipboard::Set(const QString& path, bool cut)
{
    m_text = path + QChar(0) + QChar(0);
    m_cut = cut;
}

QString FileClipboard::Path() const
{
    return TrimAtNull(m_text);
}

FileCommandResult CopyOrMoveFiles(const QString& from, const QString& to, bool move)
{
    const QFileInfo source(StripSlash(from));
    if (!source.exists() && !source.isSymLink())
        return Failure("strMissing", "The item is no longer there:", source.filePath());
    const QString folder = WithTrailingSlash(NormalizePath(to));
    if (!QFileInfo(folder).isDir())
        return Failure("strNoFolder", "The folder is not there:", folder);
    const QString target = folder + source.fileName();
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
        return Failure("strExists", "An item of that name is already there:", target);
    if (source.isDir()) {
        const QString inside = QFileInfo(folder).canonicalFilePath() + QLatin1Char('/');
        if (inside.startsWith(source.canonicalFilePath() + QLatin1Char('/')))
            return Failure("strIntoItself", "A folder cannot be put into itself:", source.filePath());
    }

    if (!move) {
        if (!CopyItem(source, target))
            return Failure("strCopyFailed", "The item could not be copied:", source.filePath());
        return {QString(), target};
    }
    if (QDir().rename(source.filePath(), target))
        return {QString(), target};
    // Another file system: the source goes only once its copy is whole.
    if (!CopyItem(source, target))
        return Failure("strMoveFailed", "The item could not be moved:", source.filePath());
    if (source.isDir() && !source.isSymLink()) {
        // What could not be removed of the folder is still whole at the target.
        if (!QDir(source.filePath()).removeRecursively())
            return Failure(
                "strMovedPartly", "The item was copied, but the original could not be removed completely:", source.filePath());
    } else if (!QFile::remove(source.filePath())) {
        QFile::remove(target);
        return Failure("strMoveFailed", "The item could not be moved:", source.filePath());
    }
    return {QString(), target};
}

FileCommandResult PasteInto(FileClipboard& clipboard, const QString& folder)
{
    if (!clipboard.HasItem())
        return {};
    QString target = NormalizePath(folder);
    if (target.endsWith(QLatin1String("/..")))
        target.chop(2);
    const FileCommandResult result = CopyOrMoveFiles(clipboard.Path(), target, clipboard.IsCut());
    if (result.Ok())
        clipboard.Clear();
    return result;
}

QString RenameProposal(const QString& item)
{
    return FileNameOf(StripSlash(item), true);
}

QString RenameTarget(const QString& item, const QString& typed)
{
    const QString path = StripSlash(item);
    return FolderOf(path) + FileNameOf(typed, false) + ExtensionOf(path);
}

FileCommandResult RenameItem(const QString& item, const QString& typed)
{
    const QString path = StripSlash(item);
    if (typed.contains(QLatin1Char('/')) || typed.contains(QLatin1Char('\\')))
        return Failure("strBadName", "A name cannot hold a folder separator (/ or \\):", typed);
    if (typed.trimmed().isEmpty() || typed == QLatin1String(".") || typed == QLatin1String(".."))
        return Failure("strNoName", "That is not a name an item can have:", typed);
    const QString target = RenameTarget(path, typed);
    if (target == path)
        return {QString(), path};
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return Failure("strMissing", "The item is no longer there:", path);
    // A change of letter case alone is a rename to the same item on file systems that ignore it.
    const bool sameItem = target.compare(path, Qt::CaseInsensitive) == 0 && QFileInfo(target).exists()
        && QFileInfo(target).canonicalFilePath() == QFileInfo(path).canonicalFilePath();
    if (!sameItem && (QFileInfo::exists(target) || QFileInfo(target).isSymLink()))
        return Failure("strExists", "An item of that name is already there:", target);
    if (!QDir().rename(path, target))
        return Failure("strRenameFailed", "The item could not be renamed:", path);
    return {QString(), target};
}
