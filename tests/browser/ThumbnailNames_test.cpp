#include "browser/ThumbnailNames.h"
#include "common/TestSupport.h"
#include "media/MediaTestSupport.h"

#include "base/AppFolders.h"

namespace {

struct NameCase {
    const char* movie;
    bool satellite;
    const char* name;
};

TEST(ThumbnailNames, FlattenedOrSatelliteNames)
{
    const NameCase cases[] = {
        // The drive's ":\" becomes "@", every separator "#", the extension stays.
        {"C:\\Flash\\intro.swf", false, "C@Flash#intro.swf.jpg"},
        {"\\\\server\\share\\a.swf", false, "#server#share#a.swf.jpg"},
        {"C:\\Flash\\\\intro.swf", false, "C@Flash#intro.swf.jpg"},
        {"/home/me/Flash/intro.swf", false, "#home#me#Flash#intro.swf.jpg"},
        {"/m/Cute Cat - 3092.flv", false, "#m#Cute Cat - 3092.flv.jpg"},
        // Beside the movie: its name without the extension.
        {"D:\\m\\a.swf", true, "a.jpg"},
        {"/m/v1.2/game.final.exe", true, "game.final.jpg"},
        {"/m/noextension", true, "noextension.jpg"},
    };
    for (const NameCase& c : cases)
        EXPECT_EQ(BrowserThumbnailName(QString::fromUtf8(c.movie), c.satellite), QString::fromUtf8(c.name)) << c.movie;
}

TEST(ThumbnailNames, FoldersOfTheTwoModes)
{
    TempAppFolder app;
    EXPECT_EQ(BrowserThumbnailPath(QStringLiteral("/m/a.swf"), true), QStringLiteral("/m/a.jpg"));
    EXPECT_EQ(BrowserThumbnailPath(QStringLiteral("D:\\m\\a.swf"), true), QStringLiteral("D:\\m\\a.jpg"));
    EXPECT_EQ(BrowserThumbnailPath(QStringLiteral("/m/a.swf"), false), Folders().cache + QStringLiteral("#m#a.swf.jpg"));
    EXPECT_EQ(BrowserThumbnailFolder(QStringLiteral("/m/"), true), QStringLiteral("/m/"));
    EXPECT_EQ(BrowserThumbnailFolder(QStringLiteral("/m/"), false), Folders().cache);
}

TEST(ThumbnailNames, GeneratorReplacesTheExtension)
{
    EXPECT_EQ(GeneratorThumbnailPath(QStringLiteral("C:\\Flash\\intro.swf")), QStringLiteral("C:\\Flash\\intro.jpg"));
    EXPECT_EQ(GeneratorThumbnailPath(QStringLiteral("/m/v1.2/projector.exe")), QStringLiteral("/m/v1.2/projector.jpg"));
    EXPECT_EQ(GeneratorThumbnailPath(QStringLiteral("/m/plain")), QStringLiteral("/m/plain.jpg"));
}

}  // namespace
