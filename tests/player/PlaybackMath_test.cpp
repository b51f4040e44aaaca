#include "player/PlaybackMath.h"

#include <gtest/gtest.h>

TEST(SeekTarget, OneSecondOfFramesEitherWayRoundedHalvesToEvenAndNotClamped)
{
    EXPECT_EQ(SeekTarget(3, 12, false), -9);  // passed on below the first frame
    EXPECT_EQ(SeekTarget(0, 25, true), 25);
    EXPECT_EQ(SeekTarget(10, 12.5, true), 22);   // 22.5 -> 22
    EXPECT_EQ(SeekTarget(11, 12.5, true), 24);   // 23.5 -> 24
    EXPECT_EQ(SeekTarget(10, 12.5, false), -2);  // -2.5 -> -2
    EXPECT_EQ(SeekTarget(100, 0, true), 100);
}

TEST(MoviePercent, FractionOfTheLastFrameIndexAndZeroBelowTwoFrames)
{
    EXPECT_FLOAT_EQ(MoviePercent(50, 101), 0.5f);
    EXPECT_FLOAT_EQ(MoviePercent(100, 101), 1.0f);
    EXPECT_FLOAT_EQ(MoviePercent(0, 1), 0.0f);
    EXPECT_FLOAT_EQ(MoviePercent(5, 0), 0.0f);
    EXPECT_FLOAT_EQ(MoviePercent(1, 4), 1.0f / 3.0f);
}

TEST(SoundSettings, VolumeAndPanAreClampedAndNamedInTheSoundMovieAddress)
{
    EXPECT_EQ(ClampVolume(105), 100);
    EXPECT_EQ(ClampVolume(-5), 0);
    EXPECT_EQ(ClampVolume(42), 42);
    EXPECT_EQ(ClampPan(-300), -100);
    EXPECT_EQ(ClampPan(101), 100);
    EXPECT_EQ(SoundMovieAddress(QStringLiteral("/app/Data/Flash/"), 70, -20, 550, 400),
        QStringLiteral("/app/Data/Flash/sound.swf?volume=70&pan=-20&x=550&y=400"));
}

TEST(EndOfMovie, LoopRewindsOnlyMoviesOfTwoFramesOrMore)
{
    EndOfMovieState state{9, 10, 0, false, true, true};
    EXPECT_EQ(EndOfMovieStep(state), EndOfMovieAction::Rewind);  // Loop wins over Play Non Stop
    state.frameNum = 0;
    state.totalFrames = 1;
    EXPECT_EQ(EndOfMovieStep(state), EndOfMovieAction::Stay);
}

TEST(EndOfMovie, NonStopPlaysTheNextEntryAndNeitherContinues)
{
    EndOfMovieState state{49, 50, 2, false, false, true};
    EXPECT_EQ(EndOfMovieStep(state), EndOfMovieAction::PlayNext);
    state.nonStop = false;
    EXPECT_TRUE(AtEndOfMovie(state));
    EXPECT_EQ(EndOfMovieStep(state), EndOfMovieAction::Continue);
}

TEST(EndOfMovie, NeverFiresBeforeTheLastFrameWithAnEmptyPlaylistOrOnInterfaceMovies)
{
    const EndOfMovieState beforeEnd{47, 50, 2, false, true, true};
    EXPECT_FALSE(AtEndOfMovie(beforeEnd));
    EXPECT_EQ(EndOfMovieStep(beforeEnd), EndOfMovieAction::Continue);
    const EndOfMovieState emptyList{49, 50, -1, false, true, true};
    EXPECT_EQ(EndOfMovieStep(emptyList), EndOfMovieAction::Continue);
    const EndOfMovieState welcome{49, 50, 3, true, true, true};
    EXPECT_EQ(EndOfMovieStep(welcome), EndOfMovieAction::Continue);
}

// A video's wrapper is one frame until it tells the video's length; from then on its last frame
// is the end like a movie's.
TEST(EndOfMovie, AVideoEndsOnlyOnceItsWrapperToldItsLength)
{
    const EndOfMovieState wrapperAlone{0, 1, 0, false, false, true, true};
    EXPECT_FALSE(AtEndOfMovie(wrapperAlone));
    EXPECT_EQ(EndOfMovieStep(wrapperAlone), EndOfMovieAction::Continue);
    const EndOfMovieState movieOfOneFrame{0, 1, 0, false, false, true, false};
    EXPECT_EQ(EndOfMovieStep(movieOfOneFrame), EndOfMovieAction::PlayNext);
    const EndOfMovieState videoAtEnd{120, 121, 0, false, true, true, true};
    EXPECT_EQ(EndOfMovieStep(videoAtEnd), EndOfMovieAction::Rewind);
}

TEST(OpacityItem, OnlyTheFourOpacitiesHaveAnItem)
{
    EXPECT_EQ(OpacityItem(100), 0);
    EXPECT_EQ(OpacityItem(75), 1);
    EXPECT_EQ(OpacityItem(50), 2);
    EXPECT_EQ(OpacityItem(25), 3);
    EXPECT_EQ(OpacityItem(60), -1);
}
