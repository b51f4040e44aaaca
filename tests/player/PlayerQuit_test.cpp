#include "PlayerTestSupport.h"

#include "base/AppFolders.h"
#include "options/RegistryStore.h"

#include "player/PlaylistPane.h"

#include <QCloseEvent>
#include <QDir>
#include <QSignalSpy>

namespace {

int IndexOf(const QStringList& lines, const QString& start)
{
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].startsWith(start))
            return i;
    }
    return -1;
}

}  // namespace

TEST_F(PlayerTest, QuitSavesThePlaylistAndOptionsClearsTheCacheThenUnloads)
{
    const QString movie = WriteMovie(QStringLiteral("a.swf"));
    WriteAll(Folders().cache + QStringLiteral("x.tmp"), "expanded");
    WriteAll(Folders().cache + QStringLiteral("x.jpg"), "thumbnail");
    MakePlayer();
    player().PlayPaths({movie});
    player().SetSound(40, 0);
    player().RunCommand(QStringLiteral("mnuLoop"));
    player().ShowPlayer();
    QSignalSpy unloaded(&player(), &Player::Unloaded);
    Mark();
    player().Quit(QStringLiteral("Exit Menu"), true);

    const QStringList log = LogSinceMark();
    const int saved = log.indexOf(QStringLiteral(" :: Save Options<br>"));
    ASSERT_GE(saved, 0) << log.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(log.mid(log.size() - 2), QStringList({QStringLiteral("<br>"), QStringLiteral("<B>Quit: Exit Menu</B><br>")}));
    EXPECT_EQ(unloaded.size(), 1);
    EXPECT_EQ(m_released, 1);
    EXPECT_FALSE(player().isVisible());
    EXPECT_FALSE(player().IsLoaded());

    EXPECT_EQ(ReadRegistryString(QStringLiteral("Sound"), QStringLiteral("Volume"), QString()), QStringLiteral("40"));
    EXPECT_EQ(ReadRegistryString(QStringLiteral("Playback"), QStringLiteral("Repeat"), QString()), QStringLiteral("True"));
    EXPECT_EQ(ReadRegistryString(QStringLiteral("Recent"), QStringLiteral("0"), QString()), movie);
    // The last-played playlist, written when the playlist was cleared.
    EXPECT_TRUE(QString::fromUtf8(ReadAll(MyFlash() + QStringLiteral("Last Played Temp.vorlen"))).contains(movie));
    EXPECT_EQ(player().playlist().PLLast(), -1);
    // "CacheMode" 1 keeps the thumbnails only.
    EXPECT_FALSE(QFile::exists(Folders().cache + QStringLiteral("x.tmp")));
    EXPECT_TRUE(QFile::exists(Folders().cache + QStringLiteral("x.jpg")));

    // A second Quit finds nothing left to do.
    player().Quit(QStringLiteral("Again"), true);
    EXPECT_EQ(unloaded.size(), 1);
}

TEST_F(PlayerTest, QuitWithoutSavingLeavesTheOptionsAndThePlaylistAlone)
{
    const QString movie = WriteMovie(QStringLiteral("a.swf"));
    MakePlayer();
    player().PlayPaths({movie});
    player().SetSound(40, 0);
    Mark();
    player().Quit(QStringLiteral("Flash Required"), false);
    EXPECT_LT(IndexOf(LogSinceMark(), QStringLiteral(" :: Save Options")), 0);
    EXPECT_EQ(
        ReadRegistryString(QStringLiteral("Sound"), QStringLiteral("Volume"), QStringLiteral("none")), QStringLiteral("none"));
    EXPECT_FALSE(QFile::exists(MyFlash() + QStringLiteral("Last Played Temp.vorlen")));
    EXPECT_EQ(LogSinceMark().last(), QStringLiteral("<B>Quit: Flash Required</B><br>"));
}

TEST_F(PlayerTest, TheCloseBoxQuitsWithTheStateSaved)
{
    MakePlayer();
    player().ShowPlayer();
    QSignalSpy unloaded(&player(), &Player::Unloaded);
    Mark();
    EXPECT_TRUE(player().close());
    EXPECT_EQ(unloaded.size(), 1);
    EXPECT_GE(IndexOf(LogSinceMark(), QStringLiteral(" :: Save Options")), 0);
    EXPECT_EQ(LogSinceMark().last(), QStringLiteral("<B>Quit: Form Unload</B><br>"));
}

TEST_F(PlayerTest, OptionsAreReadWhenTheWindowIsMadeAndAppliedToTheMenus)
{
    WriteRegistryString(QStringLiteral("Playback"), QStringLiteral("NonStop"), QStringLiteral("True"));
    WriteRegistryString(QStringLiteral("View"), QStringLiteral("Quality"), QStringLiteral("Low"));
    WriteRegistryString(QStringLiteral("View"), QStringLiteral("FlashAlpha"), QStringLiteral("75"));
    WriteRegistryString(QStringLiteral("View"), QStringLiteral("Playlist"), QStringLiteral("False"));
    WriteRegistryString(QStringLiteral("Sound"), QStringLiteral("Volume"), QStringLiteral("abc"));
    WriteRegistryString(QStringLiteral("Sound"), QStringLiteral("Mute"), QStringLiteral("True"));
    WriteRegistryString(QStringLiteral("Window"), QStringLiteral("MenuBar"), QStringLiteral("False"));
    MakePlayer();
    EXPECT_TRUE(player().IsChecked(QStringLiteral("mnuNonStop")));
    EXPECT_EQ(Swf().Quality2(), QStringLiteral("Low"));
    EXPECT_EQ(player().State().flashAlpha, 75);
    EXPECT_FALSE(player().IsChecked(QStringLiteral("mnuPlaylist")));
    EXPECT_TRUE(player().PlaylistBox()->isHidden());
    EXPECT_TRUE(player().IsChecked(QStringLiteral("mnuMute")));
    EXPECT_TRUE(player().MenuBarHidden());
    EXPECT_FALSE(player().IsChecked(QStringLiteral("mnuMenuBar")));
}
