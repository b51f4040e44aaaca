#include "base/FileNames.h"

#include <QDir>
#include <QFileInfo>

namespace {

qsizetype LastSeparator(const QString& path)
{
    return std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
}

}  // namespace

QString NormalizePath(const QString& path)
{
    QString result = path;
    result.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return result;
}

QString FileNameOf(const QString& path, bool withoutExtension)
{
    QString name = path.mid(LastSeparator(path) + 1);
    if (withoutExtension) {
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        if (dot >= 0)
            name.truncate(dot);
    }
    return name;
}

QString ExtensionOf(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || dot < LastSeparator(path))
        return QString();
    return path.mid(dot);
}

QString FolderOf(const QString& path)
{
    const qsizetype sep = LastSeparator(path);
    return sep < 0 ? QString() : path.left(sep + 1);
}

void CreateFolder(const QString& path)
{
    QDir().mkdir(path);
}

QString TrimAtNull(const QString& text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}

QString WithTrailingSlash(const QString& path)
{
    if (path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\')))
        return path;
    return path + QLatin1Char('/');
}

QString AbsoluteWhenPresent(const QString& path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.exists() ? info.absoluteFilePath() : path;
}
