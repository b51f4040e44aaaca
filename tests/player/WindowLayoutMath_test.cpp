#include "player/WindowLayoutMath.h"

#include <gtest/gtest.h>

TEST(ZoomWindowTwips, MovieAtPercentPlusTheMarginsInTwips)
{
    const WindowMargins margins{8, 46, 0, 30};
    EXPECT_EQ(ZoomWindowTwips(QSize(550, 400), 200, margins, 15, 15, QSize()), QSize(16620, 13140));
    EXPECT_EQ(ZoomWindowTwips(QSize(550, 400), 50, margins, 15, 15, QSize()), QSize((275 + 8) * 15, (200 + 76) * 15));
    EXPECT_EQ(ZoomWindowTwips(QSize(550, 400), 100, margins, 12, 12, QSize()), QSize(558 * 12, 476 * 12));
}

TEST(ZoomWindowTwips, OddPercentagesRoundHalvesToEven)
{
    // 101 x 33 / 100 = 33.33; + 0 margins; x 1.5 = 49.995 -> 50. 3 x 50 / 100 = 1.5 x 1 -> 2.
    EXPECT_EQ(ZoomWindowTwips(QSize(101, 3), 33, {}, 1.5, 1, QSize()).width(), 50);
    EXPECT_EQ(ZoomWindowTwips(QSize(5, 3), 50, {}, 1, 1, QSize()), QSize(2, 2));  // 2.5 -> 2, 1.5 -> 2
}

TEST(ZoomWindowTwips, RaisedToTheMinimumSize)
{
    const QSize size = ZoomWindowTwips(QSize(100, 50), 50, WindowMargins{8, 46, 0, 0}, 15, 15, QSize(300, 200));
    EXPECT_EQ(size, QSize(300 * 15, 200 * 15));
    const QSize widthOnly = ZoomWindowTwips(QSize(100, 500), 100, {}, 15, 15, QSize(300, 200));
    EXPECT_EQ(widthOnly, QSize(300 * 15, 500 * 15));
}

TEST(TwipsPerPixel, FifteenAtNinetySixDotsPerInch)
{
    EXPECT_DOUBLE_EQ(TwipsPerPixel(96), 15);
    EXPECT_DOUBLE_EQ(TwipsPerPixel(120), 12);
    EXPECT_DOUBLE_EQ(TwipsPerPixel(0), 15);
}

TEST(CropPlacement, AFourToThreeMovieInASixteenToNineViewIsCutTopAndBottom)
{
    const QRect placed = CropPlacement(QSize(1600, 900), QSize(640, 480));
    EXPECT_EQ(placed, QRect(0, -150, 1600, 1200));
}

TEST(CropPlacement, ATallViewCutsLeftAndRight)
{
    const QRect placed = CropPlacement(QSize(300, 400), QSize(550, 400));
    EXPECT_EQ(placed.size(), QSize(550, 400));
    EXPECT_EQ(placed.topLeft(), QPoint(-125, 0));
    EXPECT_EQ(CropPlacement(QSize(200, 100), QSize(0, 0)), QRect(0, 0, 200, 100));
}

TEST(KeepAspectWhileSizing, DraggingTheRightBorderOfATwoToOneMovie)
{
    const WindowMargins margins{8, 46, 200, 0};
    // Content width 600 -> content height 300.
    const QRect dragged(100, 50, 600 + 8 + 200, 123);
    const QRect kept = KeepAspectWhileSizing(dragged, kEdgeRight, QSize(400, 200), margins);
    EXPECT_EQ(kept.left(), 100);
    EXPECT_EQ(kept.width(), 808);
    EXPECT_EQ(kept.height(), 300 + 46);
}

TEST(KeepAspectWhileSizing, EachEdgeMovesTheSideItIsMeantTo)
{
    const WindowMargins margins{0, 20, 0, 0};
    const QSize movie(200, 100);
    const QRect start(10, 10, 300, 500);
    const QRect topLeft = KeepAspectWhileSizing(start, kEdgeTopLeft, movie, margins);
    EXPECT_EQ(topLeft.bottom(), start.bottom());
    EXPECT_EQ(topLeft.height(), 150 + 20);
    for (int edge : {kEdgeTop, kEdgeTopRight, kEdgeBottom}) {
        const QRect kept = KeepAspectWhileSizing(start, edge, movie, margins);
        EXPECT_EQ(kept.height(), 500) << edge;
        EXPECT_EQ(kept.left(), 10) << edge;
        EXPECT_EQ(kept.width(), 960) << edge;  // (500 - 20) x 2
    }
    EXPECT_EQ(KeepAspectWhileSizing(start, kEdgeRight, QSize(), margins), start);
}

TEST(ZoomCheckFor, OnlyExactFactorsInBothDirections)
{
    EXPECT_EQ(ZoomCheckFor(QSize(550, 400), QSize(550, 400)).percent, 100);
    EXPECT_EQ(ZoomCheckFor(QSize(1100, 800), QSize(550, 400)).percent, 200);
    EXPECT_EQ(ZoomCheckFor(QSize(275, 200), QSize(550, 400)).percent, 50);
    const ZoomCheck stretched = ZoomCheckFor(QSize(550, 300), QSize(550, 400));
    EXPECT_FALSE(stretched.ratiosAgree);
    EXPECT_EQ(stretched.percent, 0);
    const ZoomCheck other = ZoomCheckFor(QSize(825, 600), QSize(550, 400));
    EXPECT_TRUE(other.ratiosAgree);
    EXPECT_EQ(other.percent, 0);
}

TEST(FullScreenEdgesAt, ThreePixelBandsAtTheTopBottomAndRight)
{
    const QSize screen(1280, 1024);
    EXPECT_TRUE(FullScreenEdgesAt(500, 2, screen).menuBar);
    EXPECT_FALSE(FullScreenEdgesAt(500, 3, screen).menuBar);
    EXPECT_TRUE(FullScreenEdgesAt(500, 1022, screen).controls);
    EXPECT_FALSE(FullScreenEdgesAt(500, 1021, screen).controls);
    EXPECT_TRUE(FullScreenEdgesAt(1278, 500, screen).playlist);
    EXPECT_FALSE(FullScreenEdgesAt(1277, 500, screen).playlist);
}
