// The item pop-up menu's commands on files and folders.
#include "browser/BrowserTools.h"

#include "base/FileNames.h"
#include "base/ShellServices.h"
#include "browser/BrowserDialogs.h"
#include "lang/Language.h"
#include "player/PlayerMedia.h"
#include "playlist/Playlist.h"

#include <QFileInfo>

namespace {

// The listing's parent entry ("folder/..") stands for the folder itself.
QString ItemPath(const QString& item)
{
    QString path = NormalizePath(item);
    if (path.endsWith(QLatin1String("/..")))
        path.chop(2);
    return path;
}

QString Text(const char* key, const char* defaultText)
{
    return LangText(QStringLiteral("BrowseMedia/") + QLatin1String(key), QLatin1String(defaultText));
}

}  // namespace

void BrowserTools::Explore(const QString& item)
{
    if (!item.isEmpty())
        m_parts.dialogs->OpenFolder(ItemPath(item));
}

void BrowserTools::Copy(const QString& item)
{
    if (!item.isEmpty())
        m_clipboard.Copy(ItemPath(item));
}

void BrowserTools::Cut(const QString& item)
{
    if (!item.isEmpty())
        m_clipboard.Cut(ItemPath(item));
}

void BrowserTools::Paste(const QString& item)
{
    if (!m_clipboard.HasItem() || item.isEmpty())
        return;
    // Into the folder the item is, or is in.
    const QString path = ItemPath(item);
    const QString folder = QFileInfo(path).isDir() ? path : FolderOf(path);
    const FileCommandResult result = PasteInto(m_clipboard, folder);
    if (!result.Ok()) {
        m_parts.dialogs->Warn(Owner(), result.error);
        return;
    }
    Refresh();
}

void BrowserTools::Delete(const QString& item)
{
    if (item.isEmpty())
        return;
    const QString path = ItemPath(item);
    if (!m_parts.dialogs->Confirm(Owner(), Text("strDelete", "Move this item to the trash?") + QLatin1Char('\n') + path))
        return;
    if (!RecycleFile(path, false)) {
        m_parts.dialogs->Warn(
            Owner(), Text("strDeleteFailed", "The item could not be moved to the trash:") + QLatin1Char('\n') + path);
        return;
    }
    Refresh();
}

void BrowserTools::Rename(const QString& item)
{
    if (item.isEmpty())
        return;
    const QString path = ItemPath(item);
    const QString typed = m_parts.dialogs->AskNewName(Owner(), RenameProposal(path));
    if (typed.isEmpty())
        return;
    const FileCommandResult result = RenameItem(path, typed);
    if (!result.Ok()) {
        m_parts.dialogs->Warn(Owner(), result.error);
        return;
    }
    if (result.target != path)
        Refresh();
}
