// The media browser and the thumbnail generator in the real player, driven the way a desktop
// does: the start-up action, second starts with "/exec" statements, the log and the option
// file. Needs a display and the engine.
#include "app/AppTestSupport.h"
#include "engine/TestMovies.h"

#include "media/CompressedMovieCache.h"

#include <QImage>
#include <QImageReader>
#include <QProcess>

namespace {

class BrowserEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureCoreApplication();
        ASSERT_TRUE(tree.IsValid());
        tree.KeepMyFlashInside();
        movies = tree.Root() + QStringLiteral("movies/");
        QDir().mkpath(movies + QStringLiteral("more"));
        ASSERT_TRUE(WriteAll(movies + QStringLiteral("red.swf"), BuildColourMovie({Qt::red})));
        ASSERT_TRUE(WriteAll(movies + QStringLiteral("blue movie.swf"), BuildColourMovie({Qt::blue})));
        ASSERT_TRUE(WriteAll(movies + QStringLiteral("more/green.swf"), BuildColourMovie({QColor(0, 160, 0)})));
        // The player starts in the media browser, at the movies' folder.
        WriteRegistryString(QStringLiteral("System"), QStringLiteral("StartUp"), QStringLiteral("1"));
        WriteRegistryString(QStringLiteral("Recent"), QString(), movies);
    }
    void TearDown() override { Stop(player); }

    void StartPlayer()
    {
        player.setProcessEnvironment(tree.Environment());
        player.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        player.start(tree.Program(), QStringList());
        ASSERT_TRUE(player.waitForStarted(10000));
        ASSERT_TRUE(WaitForRegistration(player, tree.Log(), 30000));
    }
    void SecondStart(const QString& statement)
    {
        QProcess second;
        second.setProcessEnvironment(tree.Environment());
        second.start(tree.Program(), {statement});
        ASSERT_TRUE(second.waitForFinished(60000));
        EXPECT_EQ(second.exitCode(), 0);
    }
    // The cache thumbnail of a movie in the player's cache folder.
    QString Cached(const QString& movie) const
    {
        return tree.Root() + QStringLiteral("cache/Vorlen Cache/") + CachePathFor(movie, QStringLiteral(".jpg"), true, true);
    }
    static bool WaitForFile(const QString& path, int timeoutMs)
    {
        const QDeadlineTimer deadline(timeoutMs);
        while (!deadline.hasExpired()) {
            if (QImageReader(path).canRead())
                return true;
            QThread::msleep(100);
        }
        return false;
    }
    QString Log() const { return QString::fromUtf8(ReadAll(tree.Log())); }

    TempConfigDir store;
    PrivateAppTree tree;
    QProcess player;
    QString movies;
};

TEST_F(BrowserEndToEndTest, TheBrowserShowsTheFolderAndTakesItsThumbnails)
{
    StartPlayer();
    EXPECT_EQ(RunningCaption(player.processId()), QStringLiteral("Vorlen - Browse Media"));
    const QString xml = QString::fromUtf8(ReadAll(tree.Flash() + QStringLiteral("browse.xml")));
    EXPECT_TRUE(xml.contains(QStringLiteral("<FOUND>Media Files Found: 2</FOUND>"))) << xml.toStdString();
    EXPECT_TRUE(xml.contains(QStringLiteral("<FOLDER>") + movies + QStringLiteral("</FOLDER>")));
    EXPECT_TRUE(xml.contains(QStringLiteral("<TITLE>more</TITLE><TYPE>3</TYPE>")));
    EXPECT_TRUE(Log().contains(QStringLiteral(" :: New Media Browse (") + movies + QStringLiteral(")<br>")));
    EXPECT_TRUE(Log().contains(QStringLiteral("Thumbnail Generation (2)<br>")));

    // The thumbnails arrive after the grid: real pictures of the movies at the shot size.
    ASSERT_TRUE(WaitForFile(Cached(movies + QStringLiteral("red.swf")), 90000));
    ASSERT_TRUE(WaitForFile(Cached(movies + QStringLiteral("blue movie.swf")), 30000));
    const QImage red(Cached(movies + QStringLiteral("red.swf")));
    EXPECT_EQ(red.size(), QSize(120, 90));
    EXPECT_GT(red.pixelColor(60, 45).red(), 190);
    EXPECT_LT(red.pixelColor(60, 45).blue(), 60);
    const QImage blue(Cached(movies + QStringLiteral("blue movie.swf")));
    EXPECT_GT(blue.pixelColor(60, 45).blue(), 190);
    EXPECT_EQ(player.state(), QProcess::Running);
}

TEST_F(BrowserEndToEndTest, GenerateFromASecondStartWritesThumbnailsBesideTheMovies)
{
    StartPlayer();
    SecondStart(QStringLiteral("/exec Generate 64, 48, \"FFFFFF\", 80, \"%1\", True").arg(movies));
    for (const char* name : {"red.jpg", "blue movie.jpg", "more/green.jpg"}) {
        const QString thumbnail = movies + QLatin1String(name);
        ASSERT_TRUE(WaitForFile(thumbnail, 60000)) << name << Log().right(3000).toStdString();
        EXPECT_EQ(QImageReader(thumbnail).size(), QSize(64, 48)) << name;
    }
    EXPECT_GT(QImage(movies + QStringLiteral("more/green.jpg")).pixelColor(32, 24).green(), 120);

    SecondStart(QStringLiteral("/exec Quit \"Exit Menu\", True"));
    ASSERT_TRUE(player.waitForFinished(20000));
    EXPECT_EQ(ReadRegistryString(QStringLiteral("Generator"), QStringLiteral("Width"), QString()), QStringLiteral("64"));
    EXPECT_EQ(ReadRegistryString(QStringLiteral("Generator"), QStringLiteral("Quality"), QString()), QStringLiteral("80"));
    EXPECT_EQ(ReadRegistryString(QStringLiteral("Generator"), QStringLiteral("Source"), QString()), movies);
}

}  // namespace
