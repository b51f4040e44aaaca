#include "skin/SkinLayoutMath.h"

#include <gtest/gtest.h>

#include <random>

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

namespace {

// Every rectangle of the area tried pixel by pixel: the largest free one, the first of equal
// ones by left edge, then width, then top edge.
QRect LargestFreeRectByPixels(const QRect& area, const std::vector<QRect>& obstacles)
{
    const auto isFree = [&](const QRect& rect) {
        for (const QRect& obstacle : obstacles) {
            if (obstacle.intersects(rect))
                return false;
        }
        return true;
    };
    QRect best;
    for (int left = area.left(); left <= area.right(); ++left) {
        for (int width = 1; left + width - 1 <= area.right(); ++width) {
            for (int top = area.top(); top <= area.bottom(); ++top) {
                for (int height = area.bottom() - top + 1; height > 0; --height) {
                    const QRect rect(left, top, width, height);
                    if (qint64(width) * height > qint64(best.width()) * best.height() && isFree(rect)) {
                        best = rect;
                        break;
                    }
                }
            }
        }
    }
    return best;
}

}  // namespace

TEST(LargestFreeRect, AgreesWithATrialOfEveryRectangle)
{
    // Overlapping, touching and partly outside obstacles of every size, in random order.
    std::mt19937 random(7);
    const QRect area(-2, 3, 14, 11);
    for (int round = 0; round < 400; ++round) {
        std::vector<QRect> obstacles(random() % 9);
        for (QRect& obstacle : obstacles) {
            obstacle = QRect(int(random() % 18) - 4, int(random() % 15), int(random() % 7) + 1, int(random() % 7) + 1);
        }
        EXPECT_EQ(LargestFreeRect(area, obstacles), LargestFreeRectByPixels(area, obstacles)) << "round " << round;
    }
}

TEST(LargestFreeRect, AThousandScatteredElements)
{
    // A skin may have a great many small elements: a grid of dots with a gap row and a wider
    // gap column.
    std::vector<QRect> obstacles;
    for (int row = 0; row < 32; ++row) {
        for (int column = 0; column < 32; ++column) {
            if (row != 20 && column != 9 && column != 10)
                obstacles.emplace_back(column * 20, row * 15, 4, 3);
        }
    }
    // The gap row takes y 288 to 314 (27 x 640 pixels), the gap column x 164 to 219 (56 x 480).
    EXPECT_EQ(LargestFreeRect(QRect(0, 0, 640, 480), obstacles), QRect(164, 0, 56, 480));
    obstacles.emplace_back(190, 240, 1, 1);
    EXPECT_EQ(LargestFreeRect(QRect(0, 0, 640, 480), obstacles), QRect(0, 288, 640, 27));
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
