#include "browser/FileCommands.h"
#include "common/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>

#include <sys/wait.h>
#include <unistd.h>

namespace {

class FileCommandsTest : public ::testing::Test {
protected:
    QString Make(const QString& name, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(Path(name)).path());
        EXPECT_TRUE(WriteAll(Path(name), bytes));
        return Path(name);
    }
    QString Dir(const QString& name)
    {
        QDir().mkpath(Path(name));
        return Path(name) + QLatin1Char('/');
    }
    QString Path(const QString& name) const { return m_dir.path() + QLatin1Char('/') + name; }
    // Runs body where permissions apply: the superuser is not stopped by them, so it runs in a
    // child process that has given up its rights (the folder is opened to everybody first).
    void WithoutPrivileges(const std::function<void()>& body)
    {
        if (::geteuid() != 0) {
            body();
            return;
        }
        QFile::setPermissions(m_dir.path(), QFileDevice::Permissions(0x7777));
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const bool dropped = ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
            if (dropped)
                body();
            ::_exit(!dropped ? 3 : ::testing::Test::HasFailure() ? 1 : 0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "the unprivileged part failed (see above)";
    }
    static constexpr int kNobody = 65534;

    QTemporaryDir m_dir;
};

TEST_F(FileCommandsTest, ClipboardHoldsOnePathAndItsEndMark)
{
    FileClipboard clipboard;
    EXPECT_FALSE(clipboard.HasItem());
    clipboard.Cut(QStringLiteral("/m/a.swf"));
    EXPECT_EQ(clipboard.Text(), QStringLiteral("/m/a.swf") + QChar(0) + QChar(0));
    EXPECT_EQ(clipboard.Path(), QStringLiteral("/m/a.swf"));
    EXPECT_TRUE(clipboard.IsCut());
    clipboard.Copy(QStringLiteral("b"));
    EXPECT_TRUE(clipboard.HasItem());
    EXPECT_FALSE(clipboard.IsCut());
}

TEST_F(FileCommandsTest, CopyPasteOnceThenNothingAndConflictsKeepBothFiles)
{
    const QString movie = Make(QStringLiteral("a.swf"), "movie");
    const QString folder = Dir(QStringLiteral("target"));
    FileClipboard clipboard;
    clipboard.Copy(movie);
    FileCommandResult result = PasteInto(clipboard, folder);
    ASSERT_TRUE(result.Ok()) << result.error.toStdString();
    EXPECT_EQ(result.target, folder + QStringLiteral("a.swf"));
    EXPECT_EQ(ReadAll(folder + QStringLiteral("a.swf")), QByteArray("movie"));
    EXPECT_EQ(ReadAll(movie), QByteArray("movie"));
    EXPECT_FALSE(clipboard.HasItem());
    // The clipboard is empty: a second paste does nothing.
    result = PasteInto(clipboard, folder);
    EXPECT_TRUE(result.Ok());
    EXPECT_TRUE(result.target.isEmpty());

    // A different file of the same name is there: nothing is overwritten, the clipboard stays.
    WriteAll(folder + QStringLiteral("a.swf"), "other");
    clipboard.Copy(movie);
    result = PasteInto(clipboard, folder);
    EXPECT_FALSE(result.Ok());
    EXPECT_TRUE(result.error.contains(folder + QStringLiteral("a.swf"))) << result.error.toStdString();
    EXPECT_EQ(ReadAll(folder + QStringLiteral("a.swf")), QByteArray("other"));
    EXPECT_EQ(ReadAll(movie), QByteArray("movie"));
    EXPECT_TRUE(clipboard.HasItem());

    // Pasting into the item's own folder is the same conflict.
    clipboard.Cut(movie);
    EXPECT_FALSE(PasteInto(clipboard, Path(QString())).Ok());
    EXPECT_EQ(ReadAll(movie), QByteArray("movie"));
}

TEST_F(FileCommandsTest, CutPasteMovesFilesAndFolders)
{
    const QString movie = Make(QStringLiteral("a.swf"), "movie");
    Make(QStringLiteral("set/one.swf"), "1");
    Make(QStringLiteral("set/deep/two.swf"), "2");
    const QString folder = Dir(QStringLiteral("target"));
    FileClipboard clipboard;
    clipboard.Cut(movie);
    // The parent entry of a listing stands for its folder.
    ASSERT_TRUE(PasteInto(clipboard, folder + QStringLiteral("..")).Ok());
    EXPECT_FALSE(QFileInfo::exists(movie));
    EXPECT_EQ(ReadAll(Path(QStringLiteral("a.swf"))), QByteArray());
    EXPECT_EQ(ReadAll(folder + QStringLiteral("../a.swf")), QByteArray());

    clipboard.Cut(Path(QStringLiteral("set/")));
    ASSERT_TRUE(PasteInto(clipboard, folder).Ok());
    EXPECT_EQ(ReadAll(folder + QStringLiteral("set/deep/two.swf")), QByteArray("2"));
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("set"))));
}

TEST_F(FileCommandsTest, FoldersAreCopiedWholeAndNeverIntoThemselves)
{
    Make(QStringLiteral("set/one.swf"), "1");
    Make(QStringLiteral("set/deep/two.swf"), "2");
    const QString target = Dir(QStringLiteral("copies"));
    FileCommandResult result = CopyOrMoveFiles(Path(QStringLiteral("set")), target, false);
    ASSERT_TRUE(result.Ok());
    EXPECT_EQ(ReadAll(target + QStringLiteral("set/deep/two.swf")), QByteArray("2"));
    EXPECT_EQ(ReadAll(Path(QStringLiteral("set/one.swf"))), QByteArray("1"));

    result = CopyOrMoveFiles(Path(QStringLiteral("set")), Path(QStringLiteral("set/deep")), true);
    EXPECT_FALSE(result.Ok());
    EXPECT_TRUE(QFileInfo::exists(Path(QStringLiteral("set/deep/two.swf"))));
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("set/deep/set"))));

    EXPECT_FALSE(CopyOrMoveFiles(Path(QStringLiteral("gone.swf")), target, false).Ok());
    EXPECT_FALSE(CopyOrMoveFiles(Path(QStringLiteral("set")), Path(QStringLiteral("nowhere")), false).Ok());
}

TEST_F(FileCommandsTest, ReadOnlyPlacesLeaveEverythingAsItWas)
{
    const QString locked = Dir(QStringLiteral("locked"));
    const QString movie = Make(QStringLiteral("locked/a.swf"), "movie");
    const QString open = Dir(QStringLiteral("open"));
    const QString other = Make(QStringLiteral("open/b.swf"), "b");
    const QString secret = Make(QStringLiteral("open/secret.swf"), "s");
    const auto all = QFileDevice::Permissions(0x7777);
    QFile::setPermissions(open, all);
    QFile::setPermissions(other, all);
    QFile::setPermissions(movie, all);
    QFile::setPermissions(
        locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther | QFileDevice::ExeOther);
    QFile::setPermissions(secret, QFileDevice::WriteOwner);

    WithoutPrivileges([&] {
        // Moving out of a folder that cannot be changed fails; the copy made on the way is gone.
        FileClipboard clipboard;
        clipboard.Cut(movie);
        FileCommandResult result = PasteInto(clipboard, open);
        EXPECT_FALSE(result.Ok());
        EXPECT_FALSE(result.error.isEmpty());
        EXPECT_EQ(ReadAll(movie), QByteArray("movie"));
        EXPECT_FALSE(QFileInfo::exists(open + QStringLiteral("a.swf")));
        EXPECT_TRUE(clipboard.HasItem());

        // Copying into it fails and writes nothing.
        EXPECT_FALSE(CopyOrMoveFiles(other, locked, false).Ok());
        EXPECT_FALSE(QFileInfo::exists(locked + QStringLiteral("b.swf")));

        // Renaming inside it fails.
        EXPECT_FALSE(RenameItem(movie, QStringLiteral("final")).Ok());
        EXPECT_TRUE(QFileInfo::exists(movie));
        EXPECT_FALSE(QFileInfo::exists(locked + QStringLiteral("final.swf")));

        // A file that cannot be read is not copied, and leaves no part behind.
        EXPECT_FALSE(CopyOrMoveFiles(secret, Path(QString()), false).Ok());
        EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("secret.swf"))));
    });
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(FileCommandsTest, RenameKeepsFolderAndExtension)
{
    const QString movie = Make(QStringLiteral("intro.swf"), "movie");
    EXPECT_EQ(RenameProposal(movie), QStringLiteral("intro"));
    EXPECT_EQ(RenameTarget(movie, QStringLiteral("final")), Path(QStringLiteral("final.swf")));
    EXPECT_EQ(RenameTarget(movie, QStringLiteral("final.swf")), Path(QStringLiteral("final.swf.swf")));

    // The unchanged name does nothing.
    FileCommandResult result = RenameItem(movie, QStringLiteral("intro"));
    EXPECT_TRUE(result.Ok());
    EXPECT_EQ(result.target, movie);
    EXPECT_TRUE(QFileInfo::exists(movie));

    result = RenameItem(movie, QStringLiteral("final"));
    ASSERT_TRUE(result.Ok());
    EXPECT_EQ(result.target, Path(QStringLiteral("final.swf")));
    EXPECT_EQ(ReadAll(Path(QStringLiteral("final.swf"))), QByteArray("movie"));
    EXPECT_FALSE(QFileInfo::exists(movie));
}

TEST_F(FileCommandsTest, RenameRefusesSeparatorsBadNamesAndExistingItems)
{
    const QString movie = Make(QStringLiteral("intro.swf"), "movie");
    Make(QStringLiteral("taken.swf"), "taken");
    for (const char* name : {"sub/final", "..\\final", "", "  ", ".", ".."}) {
        const FileCommandResult result = RenameItem(movie, QLatin1String(name));
        EXPECT_FALSE(result.Ok()) << name;
        EXPECT_FALSE(result.error.isEmpty()) << name;
    }
    const FileCommandResult result = RenameItem(movie, QStringLiteral("taken"));
    EXPECT_FALSE(result.Ok());
    EXPECT_EQ(ReadAll(movie), QByteArray("movie"));
    EXPECT_EQ(ReadAll(Path(QStringLiteral("taken.swf"))), QByteArray("taken"));
    EXPECT_EQ(QDir(Path(QString())).entryList(QDir::Files).size(), 2);

    // Folders keep their trailing part the same way.
    Dir(QStringLiteral("My.Games"));
    EXPECT_EQ(RenameProposal(Path(QStringLiteral("My.Games/"))), QStringLiteral("My"));
    ASSERT_TRUE(RenameItem(Path(QStringLiteral("My.Games/")), QStringLiteral("Old")).Ok());
    EXPECT_TRUE(QFileInfo(Path(QStringLiteral("Old.Games"))).isDir());
}

}  // namespace
