#include "player/TimeText.h"

#include <gtest/gtest.h>

namespace {

const PositionLabels kLabels{QStringLiteral("Time"), QStringLiteral("Frame")};

QString Text(const std::optional<QString>& text)
{
    return text.value_or(QStringLiteral("<none>"));
}

}  // namespace

TEST(FrameTimeText, RoundsSecondsAndMinutesHalvesToEven)
{
    EXPECT_EQ(Text(FrameTimeText(36, 12)), QStringLiteral("0:03"));
    EXPECT_EQ(Text(FrameTimeText(30, 12)), QStringLiteral("0:02"));  // 2.5 s
    EXPECT_EQ(Text(FrameTimeText(42, 12)), QStringLiteral("0:04"));  // 3.5 s
    EXPECT_EQ(Text(FrameTimeText(732, 12)), QStringLiteral("1:01"));
    EXPECT_EQ(Text(FrameTimeText(726, 12)), QStringLiteral("1:00"));  // 60.5 s
    EXPECT_EQ(Text(FrameTimeText(120, 12)), QStringLiteral("0:10"));
    EXPECT_EQ(Text(FrameTimeText(45000, 25)), QStringLiteral("30:00"));
    EXPECT_FALSE(FrameTimeText(10, 0).has_value());
}

TEST(PositionText, TheFourModes)
{
    EXPECT_EQ(Text(PositionText(0, 36, 732, 12, kLabels)), QStringLiteral("Time: 0:03 / 1:01"));
    EXPECT_EQ(Text(PositionText(1, 35, 732, 12, kLabels)), QStringLiteral("Time: - 0:58 / 1:01"));
    EXPECT_EQ(Text(PositionText(2, 0, 732, 12, kLabels)), QStringLiteral("Frame: 1 / 732"));
    EXPECT_EQ(Text(PositionText(3, 0, 732, 12, kLabels)), QStringLiteral("Frame: - 732 / 732"));
}

TEST(PositionText, RemainingTimeAtTheLastFrameIsZero)
{
    EXPECT_EQ(Text(PositionText(1, 731, 732, 12, kLabels)), QStringLiteral("Time: - 0:00 / 1:01"));
}

TEST(PositionText, UnknownModeOrNoFrameRateKeepsThePreviousText)
{
    EXPECT_FALSE(PositionText(4, 1, 10, 12, kLabels).has_value());
    EXPECT_FALSE(PositionText(-1, 1, 10, 12, kLabels).has_value());
    EXPECT_FALSE(PositionText(0, 1, 10, 0, kLabels).has_value());
    // The frame modes need no frame rate.
    EXPECT_EQ(Text(PositionText(2, 4, 10, 0, kLabels)), QStringLiteral("Frame: 5 / 10"));
}

TEST(PositionText, TranslatedLabels)
{
    const PositionLabels german{QStringLiteral("Zeit"), QStringLiteral("Bild")};
    EXPECT_EQ(Text(PositionText(0, 0, 12, 12, german)), QStringLiteral("Zeit: 0:00 / 0:01"));
    EXPECT_EQ(Text(PositionText(3, 11, 12, 12, german)), QStringLiteral("Bild: - 1 / 12"));
}

TEST(NextTimeMode, FourTogglesReturnToTheStart)
{
    int mode = 2;
    for (int i = 0; i < 4; ++i)
        mode = NextTimeMode(mode);
    EXPECT_EQ(mode, 2);
    EXPECT_EQ(NextTimeMode(3), 0);
    EXPECT_EQ(NextTimeMode(7), 0);
}
