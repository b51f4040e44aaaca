#include "PlayerTestSupport.h"

#include "player/MenuDecorations.h"

#include <QAction>

namespace {

// The calls a tick made on the control, read after clearing them.
QStringList Tick(Player& player, FakeFlashControl& swf)
{
    swf.calls.clear();
    player.TimerTick();
    return swf.calls;
}

}  // namespace

TEST_F(PlayerTest, TheTimeTextFollowsTheModeAndTheMovie)
{
    MakePlayer();
    player().LoadFlash(WriteMovie(QStringLiteral("a.swf"), TestMovie{550, 400, 12, 732}), QString(), false);
    Swf().SetTotalFrames(732);
    Swf().SetCurrentFrame(30);
    player().TimerTick();
    EXPECT_EQ(player().TimeText(), QStringLiteral("Time: 0:02 / 1:01"));
    const QStringList expected = {QStringLiteral("Time: - 0:58 / 1:01"), QStringLiteral("Frame: 31 / 732"),
        QStringLiteral("Frame: - 702 / 732"), QStringLiteral("Time: 0:02 / 1:01")};
    for (const QString& text : expected) {
        player().ToggleTimeMode();
        player().TimerTick();
        EXPECT_EQ(player().TimeText(), text);
    }
    EXPECT_EQ(player().TimeMode(), 0);
}

TEST_F(PlayerTest, EveryTickCountsTowardsTheUsage)
{
    MakePlayer();
    const int before = m_options.usageTicks;
    for (int i = 0; i < 10; ++i)
        player().TimerTick();
    EXPECT_EQ(m_options.usageTicks, before + 10);
}

TEST_F(PlayerTest, AtTheLastFrameLoopRewindsAndPlays)
{
    MakePlayer();
    const QString movie = WriteMovie(QStringLiteral("a.swf"), TestMovie{550, 400, 12, 20});
    player().PlayPaths({movie});
    player().RunCommand(QStringLiteral("mnuLoop"));
    EXPECT_EQ(Swf().calls.last(), QStringLiteral("Loop True"));
    Swf().SetTotalFrames(20);
    Swf().SetCurrentFrame(19);
    EXPECT_EQ(Tick(player(), Swf()), QStringList({QStringLiteral("Rewind"), QStringLiteral("Play")}));

    // A one-frame movie is left alone, and nothing else happens in that tick.
    Swf().SetTotalFrames(1);
    Swf().SetCurrentFrame(0);
    Swf().SetPlaying(false);
    player().RunCommand(QStringLiteral("mnuNonStop"));
    EXPECT_TRUE(Tick(player(), Swf()).isEmpty());
}

TEST_F(PlayerTest, AtTheLastFramePlayNonStopGoesToTheNextEntry)
{
    MakePlayer();
    const QString a = WriteMovie(QStringLiteral("a.swf"), TestMovie{550, 400, 12, 20});
    const QString b = WriteMovie(QStringLiteral("b.swf"));
    player().PlayPaths({a, b});
    player().RunCommand(QStringLiteral("mnuNonStop"));
    Swf().SetTotalFrames(20);
    Swf().SetCurrentFrame(19);
    player().TimerTick();
    EXPECT_EQ(player().playlist().PLCurrent(), 1);
    EXPECT_EQ(player().MediaInfo().SourcePath, b);
}

TEST_F(PlayerTest, AtTheLastFrameWithoutLoopOrNonStopTheMovieStays)
{
    MakePlayer();
    player().PlayPaths({WriteMovie(QStringLiteral("a.swf"), TestMovie{550, 400, 12, 20}), WriteMovie(QStringLiteral("b.swf"))});
    Swf().SetTotalFrames(20);
    Swf().SetCurrentFrame(19);
    Swf().SetPlaying(false);
    EXPECT_TRUE(Tick(player(), Swf()).isEmpty());
    EXPECT_EQ(player().playlist().PLCurrent(), 0);
}

TEST_F(PlayerTest, WithAnEmptyPlaylistTheEndIsNeverReached)
{
    MakePlayer();
    player().LoadFlash(WriteMovie(QStringLiteral("a.swf"), TestMovie{550, 400, 12, 20}), QString(), false);
    player().RunCommand(QStringLiteral("mnuLoop"));
    Swf().SetTotalFrames(20);
    Swf().SetCurrentFrame(19);
    Swf().SetPlaying(true);
    EXPECT_TRUE(Tick(player(), Swf()).isEmpty());
}

TEST_F(PlayerTest, AMovieThatStopsItselfIsRestartedOnlyWithPlayNonStop)
{
    MakePlayer();
    player().LoadFlash(WriteMovie(QStringLiteral("a.swf"), TestMovie{550, 400, 12, 50}), QString(), false);
    Swf().SetTotalFrames(50);
    Swf().SetCurrentFrame(9);
    Swf().SetPlaying(false);
    EXPECT_TRUE(Tick(player(), Swf()).isEmpty());
    player().RunCommand(QStringLiteral("mnuNonStop"));
    EXPECT_EQ(Tick(player(), Swf()), QStringList{QStringLiteral("Play")});
}

TEST_F(PlayerTest, ThePlayItemReadsPauseWhilePlaying)
{
    MakePlayer();
    QAction* play = player().MenuItem(QStringLiteral("mnuPlay"));
    Swf().SetPlaying(true);
    player().TimerTick();
    EXPECT_EQ(play->text(), QStringLiteral("Pause"));
    EXPECT_TRUE(player().Decorations().Find(play->text())->iconPath.endsWith(QLatin1String("/pause")));
    Swf().SetPlaying(false);
    player().TimerTick();
    EXPECT_EQ(play->text(), QStringLiteral("Play"));
}
