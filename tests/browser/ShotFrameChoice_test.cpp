#include "browser/ShotFrameChoice.h"

#include <gtest/gtest.h>

namespace {

TEST(ShotFrameChoice, DefaultsLieBetweenAFifthAndHalfTheMovie)
{
    // r x 30 % + 20 % of the frames.
    EXPECT_EQ(ChooseShotFrame(0.0, 30, 50, 100), 20);
    EXPECT_EQ(ChooseShotFrame(0.5, 30, 50, 100), 35);
    EXPECT_EQ(ChooseShotFrame(0.999999, 30, 50, 100), 50);
    for (int i = 0; i < 200; ++i) {
        const int frame = ChooseShotFrame(30, 50, 1000);
        EXPECT_GE(frame, 200);
        EXPECT_LE(frame, 500);
    }
}

TEST(ShotFrameChoice, RoundsHalvesToEven)
{
    // 0.2 x 10 + 0.5 = 2.5 -> 2; 0.2 x 15 + 0.5 ... with from 10, to 15: r x 10 % + 5 %.
    EXPECT_EQ(ChooseShotFrame(0.5, 10, 15, 10), 1);  // 0.05 + 0.05 = 0.1 x 10 = 1
    EXPECT_EQ(ChooseShotFrame(0.0, 0, 50, 5), 2);    // 2.5 -> 2
    EXPECT_EQ(ChooseShotFrame(0.0, 0, 50, 7), 4);    // 3.5 -> 4
}

TEST(ShotFrameChoice, SampleFromAboveSampleToWraps)
{
    // (20 - 60) mod 256 = 216: 2.16 of the movie, past its end.
    EXPECT_EQ(ChooseShotFrame(0.0, 60, 20, 100), 216);
    EXPECT_EQ(ChooseShotFrame(0.0, 30, 50, 0), 0);
}

}  // namespace
