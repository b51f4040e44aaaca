#include "base/WindowShell.h"

#include "base/FileNames.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QFontMetrics>
#include <QUrl>
#include <QWidget>
#include <QWindow>

int ShellOpen(const QString& file, const QString& verb)
{
    QUrl url = QUrl(file, QUrl::StrictMode);
    const bool isAddress = url.isValid() && url.scheme().size() > 1;
    if (!isAddress) {
        QFileInfo info(NormalizePath(file));
        if (!info.exists())
            return 2;
        if (verb.compare(QStringLiteral("explore"), Qt::CaseInsensitive) == 0 && !info.isDir())
            info = QFileInfo(info.absolutePath());
        url = QUrl::fromLocalFile(info.absoluteFilePath());
    }
    return QDesktopServices::openUrl(url) ? 42 : 31;
}

QString CompactPath(const QString& path, int width, const QFontMetrics& metrics)
{
    const QString text = TrimAtNull(path);
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    const QString name = FileNameOf(text);
    const QString folder = FolderOf(text);
    const QChar separator = text.contains(QLatin1Char('\\')) ? QLatin1Char('\\') : QLatin1Char('/');
    // Keep the first folder level and the file name, drop what lies between.
    const qsizetype firstSep = folder.indexOf(separator, folder.startsWith(separator) ? 1 : 0);
    QString head = firstSep >= 0 ? folder.left(firstSep + 1) : QString();
    for (;;) {
        const QString candidate = head + QStringLiteral("...") + separator + name;
        if (metrics.horizontalAdvance(candidate) <= width)
            return candidate;
        if (head.isEmpty())
            break;
        head.chop(1);
        if (!head.isEmpty())
            head = head.left(head.size() - 1);
    }
    const QString candidate = QStringLiteral("...") + separator + name;
    if (metrics.horizontalAdvance(candidate) <= width)
        return candidate;
    return metrics.elidedText(name, Qt::ElideRight, width);
}

void DragWindow(QWidget* window)
{
    if (!window)
        return;
    if (QWindow* handle = window->window()->windowHandle())
        handle->startSystemMove();
}

void DragResizeWindow(QWidget* window)
{
    if (!window)
        return;
    if (QWindow* handle = window->window()->windowHandle())
        handle->startSystemResize(Qt::BottomEdge | Qt::RightEdge);
}
