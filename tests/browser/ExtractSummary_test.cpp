#include "browser/ExtractSummary.h"

#include <gtest/gtest.h>

TEST(ExtractSummary, ListsKindsAboveZeroInCounterOrder)
{
    ExtractCounters counters;
    counters.value = {4, 0, -1, 2, 0};
    EXPECT_EQ(ExtractSummaryText(counters), QStringLiteral("\r\nJPEG Images: 4\r\nMP3 Streams: 2"));
    counters.value = {0, 1, 12, 0, 3};  // counts the walk never makes for PNG and Video still show
    EXPECT_EQ(ExtractSummaryText(counters), QStringLiteral("\r\nPNG Images: 1\r\nEvent MP3s: 12\r\nVideo Streams: 3"));
}

TEST(ExtractSummary, NothingWrittenAndHeadings)
{
    ExtractCounters counters;
    EXPECT_EQ(ExtractSummaryText(counters), QStringLiteral("\r\nNo resources were extracted"));
    counters.value = {0, 0, 0, 0, 0};
    EXPECT_EQ(ExtractSummaryMessage(counters, false),
        QStringLiteral("Resource Extraction Complete!\r\n\r\nNo resources were extracted"));
    counters.value = {0, 0, 1, 0, 0};
    EXPECT_EQ(ExtractSummaryMessage(counters, true), QStringLiteral("Resource Extraction Cancelled!\r\n\r\nEvent MP3s: 1"));
}
