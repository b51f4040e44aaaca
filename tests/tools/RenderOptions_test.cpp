#include "RenderOptions.h"

#include <gtest/gtest.h>

TEST(RenderOptions, ValuesFilesAndRefusals)
{
    RenderOptions options = ParseRenderOptions(QStringLiteral("shot"),
        {QStringLiteral("m.swf"), QStringLiteral("--frame"), QStringLiteral("3"), QStringLiteral("out.jpg"),
            QStringLiteral("--timeout"), QStringLiteral("2.5"), QStringLiteral("--width"), QStringLiteral("160"),
            QStringLiteral("--height"), QStringLiteral("90")});
    EXPECT_EQ(options.error, QString());
    EXPECT_EQ(options.files, QStringList({QStringLiteral("m.swf"), QStringLiteral("out.jpg")}));
    EXPECT_EQ(options.frame, 3);
    EXPECT_EQ(options.width, 160);
    EXPECT_EQ(options.height, 90);
    EXPECT_EQ(options.timeoutMs, 2500);
    EXPECT_TRUE(options.frameGiven);
    EXPECT_EQ(options.quality, 90);

    options = ParseRenderOptions(QStringLiteral("shot"), {QStringLiteral("m.swf")});
    EXPECT_EQ(options.frame, 1);
    EXPECT_EQ(options.timeoutMs, 20000);  // the load limit when none is given
    EXPECT_EQ(options.width, 0);
    EXPECT_FALSE(options.frameGiven);
    for (int quality : {0, 55, 100})
        EXPECT_EQ(
            ParseRenderOptions(QStringLiteral("shot"), {QStringLiteral("--quality"), QString::number(quality)}).quality, quality);

    EXPECT_EQ(ParseRenderOptions(QStringLiteral("shot"), {QStringLiteral("--timeout"), QStringLiteral("0.0001")}).timeoutMs, 1);
    const QList<QStringList> refused = {
        {QStringLiteral("--timeout"), QStringLiteral("0")},
        {QStringLiteral("--timeout"), QStringLiteral("-3")},
        {QStringLiteral("--timeout"), QStringLiteral("inf")},
        {QStringLiteral("--timeout"), QStringLiteral("1e9")},
        {QStringLiteral("--timeout")},
        {QStringLiteral("--frame"), QStringLiteral("0")},
        {QStringLiteral("--width"), QStringLiteral("wide")},
        {QStringLiteral("--height")},
        {QStringLiteral("--quality"), QStringLiteral("101")},
        {QStringLiteral("--quality"), QStringLiteral("-1")},
        {QStringLiteral("--quality"), QStringLiteral("best")},
    };
    for (const QStringList& arguments : refused) {
        const RenderOptions bad = ParseRenderOptions(QStringLiteral("shot"), arguments);
        EXPECT_TRUE(bad.error.startsWith(QStringLiteral("shot: ") + arguments.first())) << bad.error.toStdString();
    }
}
