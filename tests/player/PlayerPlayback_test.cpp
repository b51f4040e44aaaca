#include "PlayerTestSupport.h"

#include "base/AppFolders.h"

#include <QAction>

namespace {

// The sound movie's address as SetSound asks for it.
QString SoundCall(int volume, int pan, int width = 550, int height = 400)
{
    return QStringLiteral("LoadMovie 6000 ") + Folders().flash
        + QStringLiteral("sound.swf?volume=%1&pan=%2&x=%3&y=%4").arg(volume).arg(pan).arg(width).arg(height);
}

}  // namespace

TEST_F(PlayerTest, VolumeStepsAreClampedAndRecentreTheBalance)
{
    MakePlayer();
    player().LoadFlash(WriteMovie(QStringLiteral("a.swf")), QString(), false);
    player().SetSound(95, -40);
    EXPECT_EQ(player().Pan(), -40);
    Swf().calls.clear();
    player().RunCommand(QStringLiteral("mnuVolumeUp"));
    EXPECT_EQ(player().Volume(), 100);
    EXPECT_EQ(player().Pan(), 0);
    EXPECT_EQ(Swf().calls, QStringList({SoundCall(100, 0), QStringLiteral("BGColor 204060")}));
    player().SetSound(5, 300);
    EXPECT_EQ(player().Pan(), 100);
    player().RunCommand(QStringLiteral("mnuVolumeDown"));
    EXPECT_EQ(player().Volume(), 0);
    EXPECT_EQ(player().Pan(), 0);
}

TEST_F(PlayerTest, MutingRemembersTheVolumeFromBeforeTheMute)
{
    MakePlayer();
    player().SetSound(70, 30);
    player().RunCommand(QStringLiteral("mnuMute"));
    EXPECT_TRUE(player().IsMuted());
    EXPECT_TRUE(player().IsChecked(QStringLiteral("mnuMute")));
    EXPECT_TRUE(player().IsChecked(QStringLiteral("mnuPopMute")));
    EXPECT_EQ(player().Volume(), 0);
    EXPECT_EQ(player().Pan(), 0);  // muting re-centres the balance
    player().SetSound(20, 0);      // changed while muted
    player().RunCommand(QStringLiteral("mnuPopMute"));
    EXPECT_FALSE(player().IsMuted());
    EXPECT_FALSE(player().IsChecked(QStringLiteral("mnuMute")));
    EXPECT_EQ(player().Volume(), 70);
}

TEST_F(PlayerTest, SeekingJumpsOneSecondWithoutClampingAndKeepsThePlayState)
{
    MakePlayer();
    player().LoadFlash(WriteMovie(QStringLiteral("a.swf"), TestMovie{550, 400, 12, 100}), QString(), false);
    Swf().SetTotalFrames(100);
    Swf().SetCurrentFrame(3);
    Swf().SetPlaying(true);
    Swf().calls.clear();
    player().Rwd();
    EXPECT_EQ(Swf().calls, QStringList({QStringLiteral("GotoFrame -9"), QStringLiteral("Playing True")}));
    Swf().SetCurrentFrame(40);
    Swf().SetPlaying(false);
    Swf().calls.clear();
    player().FFwd();
    EXPECT_EQ(Swf().calls, QStringList({QStringLiteral("GotoFrame 52"), QStringLiteral("Playing False")}));
}

TEST_F(PlayerTest, PauseEndsPlayNonStopAndStopRewindsWithoutTouchingIt)
{
    MakePlayer();
    player().RunCommand(QStringLiteral("mnuNonStop"));
    ASSERT_TRUE(player().IsChecked(QStringLiteral("mnuNonStop")));
    Swf().SetPlaying(true);
    player().RunCommand(QStringLiteral("mnuStop"));
    EXPECT_TRUE(player().IsChecked(QStringLiteral("mnuNonStop")));
    EXPECT_EQ(Swf().calls.last(), QStringLiteral("Rewind"));
    Swf().SetPlaying(true);
    player().RunCommand(QStringLiteral("mnuPlay"));  // play/pause
    EXPECT_FALSE(Swf().Playing());
    EXPECT_FALSE(player().IsChecked(QStringLiteral("mnuNonStop")));
    player().RunCommand(QStringLiteral("mnuPlay"));
    EXPECT_TRUE(Swf().Playing());
}

TEST_F(PlayerTest, QualityScaleModeAndOpacityKeepTheirMenuChecks)
{
    MakePlayer();
    player().RunCommand(QStringLiteral("mnuQLvl"), 2);
    EXPECT_EQ(Swf().Quality2(), QStringLiteral("Low"));
    for (int i = 0; i < 6; ++i)
        EXPECT_FALSE(player().IsChecked(QStringLiteral("mnuQLvl"), i)) << i;  // until the next tick
    player().TimerTick();
    EXPECT_TRUE(player().IsChecked(QStringLiteral("mnuQLvl"), 2));
    EXPECT_FALSE(player().IsChecked(QStringLiteral("mnuQLvl"), 0));
    player().RunCommand(QStringLiteral("mnuPopHQ"));
    EXPECT_EQ(Swf().Quality2(), QStringLiteral("High"));

    player().SetScaleMode(9);  // refused by the control: the checks show what it kept
    EXPECT_TRUE(player().IsChecked(QStringLiteral("mnuSMode"), 0));
    player().RunCommand(QStringLiteral("mnuSMode"), 3);
    EXPECT_EQ(Swf().ScaleMode(), 3);
    EXPECT_TRUE(player().IsChecked(QStringLiteral("mnuSMode"), 3));
    EXPECT_FALSE(player().IsChecked(QStringLiteral("mnuSMode"), 0));

    player().RunCommand(QStringLiteral("mnuOpSlite"));
    EXPECT_EQ(player().FlashAlpha(), 25);
    EXPECT_EQ(Swf().calls.last(), QStringLiteral("SetVariable _alpha 25"));
    EXPECT_TRUE(player().IsChecked(QStringLiteral("mnuOpSlite")));
    EXPECT_FALSE(player().IsChecked(QStringLiteral("mnuOpFull")));
    player().SetFlashAlpha(60);
    for (const char* item : {"mnuOpFull", "mnuOpSign", "mnuOpMed", "mnuOpSlite"})
        EXPECT_FALSE(player().IsChecked(QLatin1String(item))) << item;
}

TEST_F(PlayerTest, MoviePercentFollowsTheControl)
{
    MakePlayer();
    Swf().SetTotalFrames(101);
    Swf().SetCurrentFrame(50);
    EXPECT_FLOAT_EQ(player().MoviePercent(), 0.5f);
    Swf().SetTotalFrames(1);
    Swf().SetCurrentFrame(0);
    EXPECT_FLOAT_EQ(player().MoviePercent(), 0.0f);
}

TEST_F(PlayerTest, OpeningSeveralFilesReplacesThePlaylistAndPlaysTheFirst)
{
    const QString a = WriteMovie(QStringLiteral("a.swf"));
    const QString b = WriteMovie(QStringLiteral("b.swf"));
    const QString c = WriteMovie(QStringLiteral("c.swf"));
    MakePlayer();
    player().playlist().AddToPlaylist(WriteMovie(QStringLiteral("old.swf")), 0);
    m_dialogs.openAnswer = {b, a, c};
    player().RunCommand(QStringLiteral("mnuOpen"));
    EXPECT_EQ(m_dialogs.lastTitle, QStringLiteral("Open Movie..."));
    EXPECT_EQ(m_dialogs.lastFilter,
        QStringLiteral("All Supported Files|*.swf;*.exe;*.flv;*.vorlen|Macromedia Flash (SWF)|*.swf|"
                       "Flash Projector (EXE)|*.exe|Flash Video (FLV)|*.flv|Flash Playlist |*.vorlen"));
    EXPECT_EQ(player().playlist().PLEntries(), QStringList({b, a, c}));
    EXPECT_EQ(player().MediaInfo().SourcePath, b);
    EXPECT_TRUE(player().MenuItem(QStringLiteral("mnuPlayNext"))->isEnabled());

    // Adding keeps what is playing.
    m_dialogs.openAnswer = {a};
    player().RunCommand(QStringLiteral("mnuAddtoPL"));
    EXPECT_EQ(m_dialogs.lastTitle, QStringLiteral("Add to Playlist..."));
    EXPECT_EQ(player().playlist().PLLast(), 3);
    EXPECT_EQ(player().MediaInfo().SourcePath, b);

    // A cancelled dialog changes nothing.
    m_dialogs.openAnswer.clear();
    player().RunCommand(QStringLiteral("mnuOpen"));
    EXPECT_EQ(player().playlist().PLLast(), 3);
}

TEST_F(PlayerTest, TheReadyStateGivesTheMovieItsBackgroundAgain)
{
    MakePlayer();
    player().LoadFlash(WriteMovie(QStringLiteral("a.swf")), QString(), false);
    Swf().SetBGColor(QStringLiteral("FFFFFF"));
    Swf().RaiseReadyState(3);
    EXPECT_EQ(Swf().BGColor(), QStringLiteral("FFFFFF"));
    Swf().RaiseReadyState(4);
    EXPECT_EQ(Swf().BGColor(), QStringLiteral("204060"));
}

TEST_F(PlayerTest, ThePlaylistMenusSaveAddMoveAndRemove)
{
    const QString a = WriteMovie(QStringLiteral("a.swf"));
    const QString b = WriteMovie(QStringLiteral("b.swf"));
    WriteMovie(QStringLiteral("more/c.swf"));
    WriteMovie(QStringLiteral("more/deeper/d.swf"));
    MakePlayer();
    EXPECT_FALSE(player().MenuItem(QStringLiteral("mnuSavePL"))->isEnabled());
    player().PlayPaths({a, b});
    EXPECT_TRUE(player().MenuItem(QStringLiteral("mnuSavePL"))->isEnabled());

    m_dialogs.saveAnswer = FolderPath() + QStringLiteral("saved");
    player().RunCommand(QStringLiteral("mnuSavePL"));
    EXPECT_EQ(m_dialogs.lastFilter, QStringLiteral("Flash Playlist|*.vorlen"));
    const QString saved = QString::fromUtf8(ReadAll(FolderPath() + QStringLiteral("saved.vorlen")));
    EXPECT_TRUE(saved.contains(QStringLiteral("<FILE>") + b + QStringLiteral("</FILE>"))) << saved.toStdString();

    m_dialogs.folderAnswer = FolderPath() + QStringLiteral("more");
    player().RunCommand(QStringLiteral("mnuPLaddFolder"));
    EXPECT_EQ(player().playlist().PLLast(), 3);
    EXPECT_EQ(player().MediaInfo().SourcePath, a);  // nothing new plays

    player().SelectListItem(0);
    player().RunCommand(QStringLiteral("mnuMoveDown"));
    EXPECT_EQ(player().playlist().PLEntries().mid(0, 2), QStringList({b, a}));
    EXPECT_EQ(player().playlist().PLCurrent(), 1);  // the playing entry moved with its movie
    EXPECT_EQ(player().FocusedListItem(), 1);
    player().RunCommand(QStringLiteral("mnuRemove"));
    EXPECT_EQ(player().playlist().PLLast(), 2);
    EXPECT_FALSE(player().playlist().PLEntries().contains(a));
    player().RunCommand(QStringLiteral("mnuRemoveAll"));
    EXPECT_EQ(player().playlist().PLLast(), -1);
    EXPECT_FALSE(player().MenuItem(QStringLiteral("mnuSavePL"))->isEnabled());
    EXPECT_FALSE(player().MenuItem(QStringLiteral("mnuPlayNext"))->isEnabled());
}
