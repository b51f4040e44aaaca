#include "common/TestSupport.h"
#include "playlist/FakePlaylistHost.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistFile.h"

#include <QFile>

namespace {

class PlaylistCommandsTest : public ::testing::Test {
protected:
    TempAppFolder app;
    FakePlaylistHost host;
    Playlist playlist{{}, &host, &host};

    void Fill(int count)
    {
        for (int i = 0; i < count; ++i)
            playlist.AddToPlaylist(QStringLiteral("/m/%1.swf").arg(i), 0);
    }
    QString Entry(int i) const { return QStringLiteral("/m/%1.swf").arg(i); }
};

TEST_F(PlaylistCommandsTest, NextAndPreviousWrap)
{
    Fill(3);
    playlist.PlayEntry(2);
    playlist.PlayNext();
    EXPECT_EQ(playlist.PLCurrent(), 0);
    playlist.PlayPrev();
    EXPECT_EQ(playlist.PLCurrent(), 2);
    playlist.PlayPrev();
    EXPECT_EQ(playlist.PLCurrent(), 1);
    EXPECT_EQ(host.loaded, (QStringList{Entry(2), Entry(0), Entry(2), Entry(1)}));
    // The old current line is selected (redrawn) before the new one.
    EXPECT_EQ(host.selectCalls.mid(host.selectCalls.size() - 2), (QList<int>{2, 1}));

    // -2 reloads the current entry; a negative current closes the movie.
    playlist.PlayEntry(-2);
    EXPECT_EQ(host.loaded.last(), Entry(1));
    playlist.PlayEntry(-1);
    EXPECT_EQ(host.closed, QStringList{QString()});
    EXPECT_EQ(playlist.PLCurrent(), -1);
}

TEST_F(PlaylistCommandsTest, OpeningPathsReplacesThePlaylistAndPlaysTheFirst)
{
    const QString plFile = app.Path() + QStringLiteral("Last Played Temp.vorlen");
    playlist.SetPLFile(plFile);
    Fill(2);
    playlist.PlayPaths({QStringLiteral("/m/new.swf"), QStringLiteral("/m/skip.txt"), QStringLiteral("/m/other.flv")});
    EXPECT_EQ(playlist.PLEntries(), (QStringList{QStringLiteral("/m/new.swf"), QStringLiteral("/m/other.flv")}));
    EXPECT_EQ(playlist.PLCurrent(), 0);
    EXPECT_EQ(host.loaded, QStringList{QStringLiteral("/m/new.swf")});
    EXPECT_TRUE(QFile::exists(plFile));  // the replaced list was kept

    // Nothing acceptable: entry 0 of the empty list is its one empty text, which goes to
    // LoadFlash like any entry (it logs its header and closes the movie there).
    playlist.PlayPaths({QStringLiteral("/m/readme.txt")});
    EXPECT_EQ(playlist.PLLast(), -1);
    EXPECT_EQ(playlist.PLCurrent(), 0);
    EXPECT_EQ(host.loaded, (QStringList{QStringLiteral("/m/new.swf"), QString()}));
    EXPECT_TRUE(host.closed.isEmpty());
}

TEST_F(PlaylistCommandsTest, NothingToStepThroughInAnEmptyList)
{
    playlist.PlayNext();
    playlist.PlayPrev();
    EXPECT_TRUE(host.loaded.isEmpty());
    EXPECT_TRUE(host.closed.isEmpty());
    EXPECT_EQ(playlist.PLCurrent(), -1);
}

TEST_F(PlaylistCommandsTest, OneEntryPreviousReloadsTheSavedPlaylist)
{
    const QString plFile = app.Path() + QStringLiteral("Last Played Temp.vorlen");
    playlist.SetPLFile(plFile);
    ASSERT_TRUE(
        WriteAll(plFile, PlaylistFileText({QStringLiteral("/m/saved1.swf"), QStringLiteral("/m/saved2.swf")}, 0).toUtf8()));
    Fill(1);
    playlist.PlayEntry(0);

    playlist.PlayNext();
    EXPECT_EQ(host.loaded, QStringList{Entry(0)});

    playlist.PlayPrev();
    EXPECT_EQ(playlist.PLEntries(), (QStringList{QStringLiteral("/m/saved1.swf"), QStringLiteral("/m/saved2.swf")}));
    EXPECT_EQ(playlist.PLCurrent(), 0);
    EXPECT_EQ(host.loaded.last(), QStringLiteral("/m/saved1.swf"));
    // Clearing wrote the one-entry list to PLFile; the copy read back is gone.
    EXPECT_EQ(ReadAll(plFile), PlaylistFileText({Entry(0)}, 0).toUtf8());
    EXPECT_FALSE(QFile::exists(plFile + QStringLiteral(".vorlen")));
    EXPECT_EQ(host.recent, QStringList{plFile + QStringLiteral(".vorlen")});
}

TEST_F(PlaylistCommandsTest, MovesKeepTheCurrentMovie)
{
    Fill(4);
    playlist.SetCurrent(1);
    playlist.MoveEntry(1, +1);  // the current entry moves down and stays current
    EXPECT_EQ(playlist.PLCurrent(), 2);
    EXPECT_EQ(playlist.PLEntries(), (QStringList{Entry(0), Entry(2), Entry(1), Entry(3)}));

    playlist.MoveEntry(1, +1);  // the entry above the current one moves past it
    EXPECT_EQ(playlist.PLCurrent(), 1);
    EXPECT_EQ(playlist.Model().Entry(playlist.PLCurrent()), Entry(1));

    const QStringList before = playlist.PLEntries();
    playlist.MoveEntry(0, -1);
    playlist.MoveEntry(3, +1);
    playlist.MoveEntry(-1, +1);
    playlist.MoveEntry(7, -5);
    EXPECT_EQ(playlist.PLEntries(), before);
    EXPECT_EQ(playlist.PLCurrent(), 1);
}

TEST_F(PlaylistCommandsTest, RemovalsKeepOrPassTheCurrentIndex)
{
    Fill(5);
    playlist.SetCurrent(3);
    playlist.RemoveEntry(1);  // before the current one: same movie, index one smaller
    EXPECT_EQ(playlist.PLCurrent(), 2);
    EXPECT_EQ(playlist.Model().Entry(2), Entry(3));
    playlist.RemoveEntry(3);  // after it: nothing changes for it
    EXPECT_EQ(playlist.PLCurrent(), 2);
    EXPECT_EQ(playlist.PLEntries(), (QStringList{Entry(0), Entry(2), Entry(3)}));

    playlist.RemoveEntry(2);  // the current one: one past the last entry
    EXPECT_EQ(playlist.PLLast(), 1);
    EXPECT_EQ(playlist.PLCurrent(), 2);
    // Reloading there has no entry to load: nothing is loaded or closed.
    playlist.PlayEntry(-2);
    EXPECT_TRUE(host.loaded.isEmpty());
    EXPECT_TRUE(host.closed.isEmpty());
    playlist.PlayNext();
    EXPECT_EQ(playlist.PLCurrent(), 0);
    playlist.SetCurrent(2);
    playlist.PlayPrev();
    EXPECT_EQ(playlist.PLCurrent(), 1);

    playlist.RemoveEntry(5);
    playlist.RemoveEntry(-1);
    EXPECT_EQ(playlist.PLLast(), 1);
}

TEST_F(PlaylistCommandsTest, RemovingTheSelection)
{
    Fill(6);
    host.selection = {1, 3};
    host.focused = 3;
    playlist.RemoveSelectedEntries();
    EXPECT_EQ(playlist.PLEntries(), (QStringList{Entry(0), Entry(2), Entry(4), Entry(5)}));
    EXPECT_TRUE(host.selection.isEmpty());
    EXPECT_EQ(host.maxLockDepth, 1);
    EXPECT_EQ(host.lockDepth, 0);

    // The focused item counts as selected.
    host.selection = {0, 3};
    host.focused = 1;
    playlist.RemoveSelectedEntries();
    EXPECT_EQ(playlist.PLEntries(), QStringList{Entry(4)});

    host.selection = {0};
    host.focused = 0;
    playlist.RemoveSelectedEntries();
    EXPECT_EQ(playlist.PLLast(), -1);
}

TEST_F(PlaylistCommandsTest, ToggleRestoresTheWidthAndHonoursFullScreen)
{
    playlist.TogglePlaylist(1);
    EXPECT_TRUE(host.menuChecked);
    EXPECT_TRUE(host.listVisible);
    EXPECT_EQ(host.width, 680);
    playlist.TogglePlaylist(1);
    EXPECT_FALSE(host.menuChecked);
    EXPECT_FALSE(host.listVisible);
    EXPECT_EQ(host.width, 500);
    EXPECT_EQ(host.skinEvents.mid(0, 3),
        (QStringList{QStringLiteral("onLoad"), QStringLiteral("onPlayListToggle"), QStringLiteral("UpdateSkin")}));

    // Full screen with its own playlist shown: the list stays hidden, the width untouched.
    host.fullScreen = true;
    host.fsPlaylist = true;
    playlist.TogglePlaylist(-1);
    EXPECT_TRUE(host.menuChecked);
    EXPECT_FALSE(host.listVisible);
    EXPECT_EQ(host.width, 500);
    host.fsPlaylist = false;
    playlist.TogglePlaylist(-1);
    EXPECT_TRUE(host.listVisible);

    // A skin or a maximised window keeps its width.
    host.fullScreen = false;
    host.skin = true;
    playlist.TogglePlaylist(0);
    EXPECT_FALSE(host.listVisible);
    EXPECT_EQ(host.width, 500);
}

TEST_F(PlaylistCommandsTest, ListModelShowsFileNamesAndMarksTheCurrentEntry)
{
    playlist.AddToPlaylist(QStringLiteral("C:\\Movies\\intro.swf"), 0);
    playlist.AddToPlaylist(QStringLiteral("/m/clip.flv"), 0);
    const PlaylistModel& model = playlist.Model();
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.data(model.index(0)).toString(), QStringLiteral("intro.swf"));
    EXPECT_EQ(model.data(model.index(1), PlaylistModel::PathRole).toString(), QStringLiteral("/m/clip.flv"));

    int changes = 0;
    QObject::connect(&playlist.Model(), &QAbstractItemModel::dataChanged, [&] { ++changes; });
    playlist.PlayEntry(1);
    EXPECT_TRUE(model.data(model.index(1), PlaylistModel::CurrentRole).toBool());
    EXPECT_FALSE(model.data(model.index(0), PlaylistModel::CurrentRole).toBool());
    playlist.MoveEntry(1, -1);
    EXPECT_TRUE(model.data(model.index(0), PlaylistModel::CurrentRole).toBool());
    EXPECT_EQ(model.data(model.index(0)).toString(), QStringLiteral("clip.flv"));
    EXPECT_GE(changes, 3);
}

}  // namespace
