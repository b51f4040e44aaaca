#include "skin/SkinLayoutMath.h"

#include <gtest/gtest.h>

TEST(LargestFreeRect, TheBiggestAreaBetweenTheObstacles)
{
    const QRect area(0, 0, 400, 300);
    EXPECT_EQ(LargestFreeRect(area, {}), area);
    // A title bar and a control bar leave the band between them.
    EXPECT_EQ(LargestFreeRect(area, {QRect(0, 0, 400, 30), QRect(0, 250, 400, 50)}), QRect(0, 30, 400, 220));
    // A small button in a corner of the band: the larger side of it wins.
    EXPECT_EQ(
        LargestFreeRect(area, {QRect(0, 0, 400, 30), QRect(0, 250, 400, 50), QRect(0, 30, 20, 20)}), QRect(20, 30, 380, 220));
    // Obstacles outside the area do not count; a covered area has no room.
    EXPECT_EQ(LargestFreeRect(area, {QRect(500, 0, 10, 10)}), area);
    EXPECT_TRUE(LargestFreeRect(area, {QRect(-5, -5, 500, 500)}).isEmpty());
    EXPECT_TRUE(LargestFreeRect(QRect(), {}).isEmpty());
}

TEST(SkinLayoutMath, AMovieViewPutByTheSkinSetsTheMargins)
{
    SkinLayoutInput input;
    input.client = QSize(600, 500);
    input.frame = QSize(0, 0);
    input.menuHeight = 20;
    input.movie = QRect(6, 28, 588, 388);
    input.minimum = QSize(400, 220);
    const SkinLayout layout = ComputeSkinLayout(input);
    EXPECT_EQ(layout.view, QRect(6, 48, 588, 388));  // below the menu bar
    EXPECT_EQ(layout.menuBar, QRect(0, 0, 600, 20));
    EXPECT_EQ(layout.margins.nonClientWidth, 0);
    EXPECT_EQ(layout.margins.nonClientHeight, 20);
    EXPECT_EQ(layout.margins.surroundWidth, 12);
    EXPECT_EQ(layout.margins.surroundHeight, 480 - 388);
    EXPECT_EQ(layout.minimum, QSize(400, 220));
    EXPECT_TRUE(layout.playlist.isEmpty());
}

// A view that says nothing about the movie: the movie takes the room its elements leave, a
// backdrop that covers the whole view notwithstanding, and a shown playlist its right part.
TEST(SkinLayoutMath, WithoutAMovieViewTheMovieTakesTheFreeRoom)
{
    SkinLayoutInput input;
    input.client = QSize(500, 400);
    input.frame = QSize(8, 30);
    input.elements = {QRect(0, 0, 500, 400), QRect(0, 0, 500, 24), QRect(0, 360, 500, 40), QRect(470, 30, 30, 30)};
    SkinLayout layout = ComputeSkinLayout(input);
    EXPECT_EQ(layout.view, QRect(0, 24, 470, 336));
    EXPECT_EQ(layout.margins.nonClientWidth, 8);
    EXPECT_EQ(layout.margins.nonClientHeight, 30);
    EXPECT_EQ(layout.margins.surroundWidth, 30);
    EXPECT_EQ(layout.margins.surroundHeight, 64);

    input.playlistShown = true;
    input.playlistWidth = 200;
    layout = ComputeSkinLayout(input);
    EXPECT_EQ(layout.view, QRect(0, 24, 270, 336));
    EXPECT_EQ(layout.playlist, QRect(270, 24, 200, 336));
    EXPECT_EQ(layout.margins.surroundWidth, 230);

    // A playlist the skin placed itself lies where it says and leaves the movie alone.
    input.playlist = QRect(300, 0, 200, 100);
    layout = ComputeSkinLayout(input);
    EXPECT_EQ(layout.view, QRect(0, 24, 470, 336));
    EXPECT_EQ(layout.playlist, QRect(300, 0, 200, 100));
}
