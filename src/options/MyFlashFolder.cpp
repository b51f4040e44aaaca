#include "options/MyFlashFolder.h"

#include "base/FileNames.h"

#include <QStandardPaths>

QString DefaultMyFlashText()
{
    return NormalizePath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)) + QStringLiteral("/Ve Zedaz");
}

QString NormalizeMyFlashFolder(const QString& text)
{
    QString folder = NormalizePath(text) + QLatin1Char('/');
    while (folder.contains(QStringLiteral("//")))
        folder.replace(QStringLiteral("//"), QStringLiteral("/"));
    return folder;
}

QString PlaylistFileFor(const QString& folder)
{
    return folder + QStringLiteral("Last Played Temp") + QStringLiteral(".vorlen");
}

QString ScreenShotsFolderFor(const QString& folder)
{
    return folder + QStringLiteral("ScreenShots/");
}
