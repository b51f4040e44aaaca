#include "base/FileNames.h"
#include "base/ShellServices.h"
#include "common/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

TEST(FileNames, NameExtensionAndFolder)
{
    const struct {
        const char* path;
        const char* name;
        const char* bare;
        const char* ext;
        const char* folder;
    } cases[] = {
        {"C:\\movies\\intro.swf", "intro.swf", "intro", ".swf", "C:\\movies\\"},
        {"/home/u/a.b.flv", "a.b.flv", "a.b", ".flv", "/home/u/"},
        {"/home/u.v/readme", "readme", "readme", "", "/home/u.v/"},  // dot only in the folder
        {"C:\\dir.d\\file", "file", "file", "", "C:\\dir.d\\"},
        {"plain.swf", "plain.swf", "plain", ".swf", ""},
        {"/mixed\\sep/x.SWF", "x.SWF", "x", ".SWF", "/mixed\\sep/"},
        {"/folder/", "", "", "", "/folder/"},
        {".hidden", ".hidden", "", ".hidden", ""},
        {"", "", "", "", ""},
    };
    for (const auto& c : cases) {
        const QString path = QString::fromUtf8(c.path);
        EXPECT_EQ(FileNameOf(path), QString::fromUtf8(c.name)) << c.path;
        EXPECT_EQ(FileNameOf(path, true), QString::fromUtf8(c.bare)) << c.path;
        EXPECT_EQ(ExtensionOf(path), QString::fromUtf8(c.ext)) << c.path;
        EXPECT_EQ(FolderOf(path), QString::fromUtf8(c.folder)) << c.path;
    }
}

TEST(FileNames, TrimAtNullAndNormalize)
{
    EXPECT_EQ(TrimAtNull(QStringLiteral("abc") + QChar(u'\0') + QStringLiteral("def")), QStringLiteral("abc"));
    EXPECT_EQ(TrimAtNull(QStringLiteral("abc")), QStringLiteral("abc"));
    EXPECT_EQ(NormalizePath(QStringLiteral("C:\\a\\b")), QStringLiteral("C:/a/b"));
    EXPECT_EQ(WithTrailingSlash(QStringLiteral("/a")), QStringLiteral("/a/"));
    EXPECT_EQ(WithTrailingSlash(QStringLiteral("/a\\")), QStringLiteral("/a\\"));
}

TEST(FileNames, CreateFolderMakesOneLevelAndIgnoresFailures)
{
    QTemporaryDir dir;
    CreateFolder(dir.path() + QStringLiteral("/one"));
    EXPECT_TRUE(QDir(dir.path() + QStringLiteral("/one")).exists());
    CreateFolder(dir.path() + QStringLiteral("/one"));  // exists: no error
    CreateFolder(dir.path() + QStringLiteral("/two/three"));
    EXPECT_FALSE(QDir(dir.path() + QStringLiteral("/two")).exists());
}

TEST(FileNames, AbsoluteWhenPresentOnlyForExistingNames)
{
    QTemporaryDir dir;
    WriteAll(dir.path() + QStringLiteral("/a b.swf"), "x");
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    EXPECT_EQ(AbsoluteWhenPresent(QStringLiteral("a b.swf")), QDir(dir.path()).absoluteFilePath(QStringLiteral("a b.swf")));
    EXPECT_EQ(AbsoluteWhenPresent(QStringLiteral("missing.swf")), QStringLiteral("missing.swf"));
    EXPECT_EQ(AbsoluteWhenPresent(QStringLiteral("/exec ZoomFlash 2")), QStringLiteral("/exec ZoomFlash 2"));
    EXPECT_EQ(AbsoluteWhenPresent(QString()), QString());
    QDir::setCurrent(before);
}

TEST(ShellServices, FormatByteSizeUsesThreeSignificantDigits)
{
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(FormatByteSize(0), QStringLiteral("0 bytes"));
    EXPECT_EQ(FormatByteSize(532), QStringLiteral("532 bytes"));
    EXPECT_EQ(FormatByteSize(1023), QStringLiteral("1023 bytes"));
    EXPECT_EQ(FormatByteSize(1024), QStringLiteral("1.00 KB"));
    EXPECT_EQ(FormatByteSize(1490), QStringLiteral("1.45 KB"));  // 1.455 cut, not rounded
    EXPECT_EQ(FormatByteSize(14900), QStringLiteral("14.5 KB"));
    EXPECT_EQ(FormatByteSize(149000), QStringLiteral("145 KB"));
    EXPECT_EQ(FormatByteSize(1023 * 1024), QStringLiteral("0.99 MB"));
    EXPECT_EQ(FormatByteSize(3 * 1024 * 1024), QStringLiteral("3.00 MB"));
    EXPECT_EQ(FormatByteSize(int64_t(5) * 1024 * 1024 * 1024), QStringLiteral("5.00 GB"));
}

TEST(ShellServices, MoveFilesIntoFolderAndReplacing)
{
    QTemporaryDir dir;
    const QString a = dir.path() + QStringLiteral("/a.swf");
    const QString sub = dir.path() + QStringLiteral("/sub");
    WriteAll(a, "A");
    QDir().mkdir(sub);
    EXPECT_TRUE(MoveFiles(a, sub, true));
    EXPECT_EQ(ReadAll(sub + QStringLiteral("/a.swf")), QByteArray("A"));
    EXPECT_FALSE(QFile::exists(a));

    WriteAll(a, "B");
    bool asked = false;
    SetShellConfirmation([&](const QString&) {
        asked = true;
        return false;
    });
    EXPECT_FALSE(MoveFiles(a, sub + QStringLiteral("/a.swf"), false));  // refused
    EXPECT_TRUE(asked);
    EXPECT_EQ(ReadAll(sub + QStringLiteral("/a.swf")), QByteArray("A"));
    EXPECT_TRUE(MoveFiles(a, sub + QStringLiteral("/a.swf"), true));  // silent replaces
    EXPECT_EQ(ReadAll(sub + QStringLiteral("/a.swf")), QByteArray("B"));
    SetShellConfirmation(nullptr);
    EXPECT_FALSE(MoveFiles(dir.path() + QStringLiteral("/missing"), sub, true));
}

TEST(ShellServices, RecycleFileMovesToTheTrash)
{
    QTemporaryDir dir;
    const QByteArray oldData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", (dir.path() + QStringLiteral("/share")).toUtf8());
    const QString file = dir.path() + QStringLiteral("/gone.swf");
    WriteAll(file, "x");
    SetShellConfirmation([](const QString&) { return false; });
    EXPECT_FALSE(RecycleFile(file, true));
    EXPECT_TRUE(QFile::exists(file));
    SetShellConfirmation(nullptr);
    // The data folder does not exist yet: the trash is made inside it, nowhere else.
    EXPECT_TRUE(RecycleFile(file, false));
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(QFile::exists(dir.path() + QStringLiteral("/share/Trash/files/gone.swf")));
    EXPECT_FALSE(QFile::exists(QDir::currentPath() + QStringLiteral("/files/gone.swf")));
    EXPECT_FALSE(RecycleFile(file, false));  // nothing left to recycle
    oldData.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", oldData);
}

TEST(ShellServices, SpecialFoldersHaveNoTrailingSeparator)
{
    const QString home = SpecialFolderPath(40);
    EXPECT_FALSE(home.isEmpty());
    EXPECT_FALSE(home.endsWith(QLatin1Char('/')));
    EXPECT_EQ(SpecialFolderPath(9999), QString());
}
