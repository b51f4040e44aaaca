#include "base/AppFolders.h"

#include "base/ExecutionLog.h"
#include "base/FileNames.h"
#include "base/Version.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {
AppFolders g_folders;
}

const AppFolders& Folders()
{
    return g_folders;
}

QString GetTempFolder()
{
    QString location = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (location.isEmpty())
        location = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    return WithTrailingSlash(location);
}

void ComputeApplicationFolders(const QString& appFolder, const QString& logName)
{
    QString app = WithTrailingSlash(NormalizePath(appFolder));
    // Collapse doubled separators, but keep a leading "//" of a network path.
    const bool network = app.startsWith(QStringLiteral("//"));
    while (app.contains(QStringLiteral("//")))
        app.replace(QStringLiteral("//"), QStringLiteral("/"));
    if (network)
        app.prepend(QLatin1Char('/'));

    AppFolders f;
    f.app = app;
    f.data = app + QStringLiteral("Data/");
    f.binary = f.data + QStringLiteral("Binary/");
    f.flash = f.data + QStringLiteral("Flash/");
    f.skins = app + QStringLiteral("Skins/");
    f.images = f.data + QStringLiteral("Images/");
    f.menus = f.data + QStringLiteral("Menus/");
    f.gadgets = f.data + QStringLiteral("Gadgets/");
    f.help = f.data + QStringLiteral("Help/");
    f.languages = app + QStringLiteral("Languages/");
    f.helpFile = app + QStringLiteral("Vorlen.chm");
    f.cache = GetTempFolder() + QLatin1String(kAppName) + QStringLiteral(" Cache/");
    f.logFile = logName.isEmpty() ? QString() : f.data + logName + QStringLiteral(".Log.html");
    g_folders = f;
}

void InitApplicationFolders(const QString& appFolder, const QString& logName)
{
    ComputeApplicationFolders(appFolder, logName);
    const AppFolders& f = g_folders;
    // The user's cache folder itself may not exist yet on a new account.
    QDir().mkpath(f.cache);
    QFile::remove(f.logFile);
    WriteLogHeader();
}
