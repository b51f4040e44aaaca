#include "base/AppFolders.h"
#include "common/TestSupport.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

// A new account has no cache folder yet: the player's cache is made with every folder above it.
TEST(AppFolders, CacheFolderIsMadeWithTheFoldersAboveIt)
{
    TempAppFolder app;
    const QByteArray oldCache = qgetenv("XDG_CACHE_HOME");
    const QString base = app.Path() + QStringLiteral("new-account/.cache");
    qputenv("XDG_CACHE_HOME", base.toUtf8());
    InitApplicationFolders(app.Path(), QStringLiteral("Flash Player"));
    EXPECT_TRUE(Folders().cache.startsWith(base + QLatin1Char('/')));
    EXPECT_TRUE(QFileInfo(Folders().cache).isDir());
    qputenv("XDG_CACHE_HOME", oldCache);
}
