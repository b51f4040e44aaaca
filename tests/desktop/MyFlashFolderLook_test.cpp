#include "common/TestSupport.h"

#include "desktop/MyFlashFolderLook.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

MyFlashFolderLook Look()
{
    return MyFlashFolderLook{QStringLiteral("/opt/vorlen/vorlen"), QStringLiteral("/opt/vorlen/Data/Images/vorlen-folder.svg"),
        QStringLiteral("Ve Zedaz Folder: Your default folder with Flash files")};
}

}  // namespace

TEST(MyFlashFolderLook, DesktopIniIsReplacedEvenWhenReadOnly)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    const QString ini = folder + QStringLiteral("Desktop.ini");
    ASSERT_TRUE(WriteAll(ini, "[.ShellClassInfo]\r\nIconFile=old\r\n"));
    QFile::setPermissions(ini, QFileDevice::ReadOwner);

    PrepareMyFlashFolder(folder, Look());
    EXPECT_EQ(ReadAll(ini),
        QByteArray("[.ShellClassInfo]\r\nIconFile=/opt/vorlen/vorlen\r\nIconIndex=4\r\n"
                   "InfoTip=Ve Zedaz Folder: Your default folder with Flash files\r\n"));
    EXPECT_FALSE(QFile::permissions(ini) & (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther));
    EXPECT_EQ(ReadAll(folder + QStringLiteral(".directory")),
        QByteArray("[Desktop Entry]\nIcon=/opt/vorlen/Data/Images/vorlen-folder.svg\n"));
}

TEST(MyFlashFolderLook, DirectoryFileKeepsWhatFileManagersStoredThere)
{
    const QString icon = QStringLiteral("/i.svg");
    EXPECT_EQ(DirectoryFileText(QString(), icon), QStringLiteral("[Desktop Entry]\nIcon=/i.svg\n"));
    EXPECT_EQ(DirectoryFileText(QStringLiteral("[Dolphin]\nViewMode=1\n"), icon),
        QStringLiteral("[Desktop Entry]\nIcon=/i.svg\n\n[Dolphin]\nViewMode=1\n"));
    EXPECT_EQ(DirectoryFileText(QStringLiteral("[Desktop Entry]\nIcon=folder-red\nName=x\n[Dolphin]\nIcon=keep\n"), icon),
        QStringLiteral("[Desktop Entry]\nIcon=/i.svg\nName=x\n[Dolphin]\nIcon=keep\n"));
    EXPECT_EQ(DirectoryFileText(QStringLiteral("[Dolphin]\nIcon=keep\n[Desktop Entry]\nName=x\n"), icon),
        QStringLiteral("[Dolphin]\nIcon=keep\n[Desktop Entry]\nIcon=/i.svg\nName=x\n"));
}

TEST(MyFlashFolderLook, MovingTheFolderTakesScreenshotsAndDressAlong)
{
    QTemporaryDir dir;
    const QString oldFolder = dir.path() + QStringLiteral("/old/");
    const QString newFolder = dir.path() + QStringLiteral("/new/");
    QDir().mkpath(oldFolder + QStringLiteral("ScreenShots"));
    ASSERT_TRUE(WriteAll(oldFolder + QStringLiteral("ScreenShots/a.jpg"), "jpeg"));
    PrepareMyFlashFolder(oldFolder, Look());

    MoveMyFlashFolder(oldFolder, newFolder);
    EXPECT_EQ(ReadAll(newFolder + QStringLiteral("ScreenShots/a.jpg")), QByteArray("jpeg"));
    EXPECT_TRUE(QFileInfo::exists(newFolder + QStringLiteral("Desktop.ini")));
    EXPECT_TRUE(QFileInfo::exists(newFolder + QStringLiteral(".directory")));
    EXPECT_FALSE(QFileInfo::exists(oldFolder));  // nothing else was in it

    // A folder that holds more stays; the screenshots join those already in the new folder.
    QDir().mkpath(newFolder + QStringLiteral("ScreenShots"));
    ASSERT_TRUE(WriteAll(newFolder + QStringLiteral("movie.swf"), "FWS"));
    const QString third = dir.path() + QStringLiteral("/third/");
    QDir().mkpath(third + QStringLiteral("ScreenShots"));
    ASSERT_TRUE(WriteAll(third + QStringLiteral("ScreenShots/b.jpg"), "jpeg b"));
    MoveMyFlashFolder(newFolder, third);
    EXPECT_EQ(ReadAll(third + QStringLiteral("ScreenShots/a.jpg")), QByteArray("jpeg"));
    EXPECT_EQ(ReadAll(third + QStringLiteral("ScreenShots/b.jpg")), QByteArray("jpeg b"));
    EXPECT_TRUE(QFileInfo::exists(newFolder + QStringLiteral("movie.swf")));
    EXPECT_FALSE(QFileInfo::exists(newFolder + QStringLiteral("ScreenShots")));
}
