#include "browser/ThumbnailGenerator.h"
#include "browser/ThumbnailShooter.h"
#include "common/TestSupport.h"
#include "media/MediaTestSupport.h"
#include "media/TestExecutable.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Writes the movie's path into the thumbnail, so that the test sees which movie each came
// from; cancels the run at a chosen shot.
class RecordingShooter : public ThumbnailShooter {
public:
    QStringList shots;
    int cancelAt = 0;
    ThumbnailGenerator* generator = nullptr;

    QString TakeThumbnail(const QString& movie, const QString& jpegPath, int quality, bool show) override
    {
        shots << QFileInfo(movie).fileName();
        if (cancelAt == static_cast<int>(shots.size()) && generator)
            generator->Cancel();
        WriteAll(jpegPath, movie.toUtf8());
        return QString();
    }
};

class ThumbnailGeneratorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The tree: a.swf, B.SWF, x.exe (a projector), setup.exe (not one), sub/c.swf,
        // sub/deep/d.swf, sub/p.exe (a projector), other/e.swf, .hidden/h.swf, notes.txt.
        for (const char* name : {"a.swf", "B.SWF", "sub/c.swf", "sub/deep/d.swf", "other/e.swf", ".hidden/h.swf"})
            Make(QLatin1String(name), MakeTestMovie());
        Make(QStringLiteral("x.exe"), MakePlayerExecutable());
        Make(QStringLiteral("sub/p.exe"), MakePlayerExecutable(QStringLiteral("SwFlsh32.exe")));
        Make(QStringLiteral("setup.exe"), MakePlayerExecutable(QStringLiteral("setup.exe")));
        Make(QStringLiteral("notes.txt"), "text");
    }
    void Make(const QString& name, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(Root() + name).path());
        WriteAll(Root() + name, bytes);
    }
    QString Root() const { return m_dir.path() + QLatin1Char('/'); }
    GeneratorJob Job() const
    {
        GeneratorJob job;
        job.source = Root();
        return job;
    }

    TempAppFolder m_app;
    QTemporaryDir m_dir;
};

TEST_F(ThumbnailGeneratorTest, WalksMoviesThenProjectorsDepthFirst)
{
    RecordingShooter shooter;
    ThumbnailGenerator generator(Job(), shooter);
    QStringList status;
    QList<double> progress;
    GeneratorWatch watch;
    watch.status = [&](const QString& text) { status << text; };
    watch.progress = [&](double fraction) { progress << fraction; };
    const GeneratorResult result = generator.Run(watch);

    QStringList found;
    for (const QString& file : result.files)
        found << file.mid(Root().size());
    EXPECT_EQ(found,
        (QStringList{QStringLiteral("a.swf"), QStringLiteral("B.SWF"), QStringLiteral("other/e.swf"), QStringLiteral("sub/c.swf"),
            QStringLiteral("sub/deep/d.swf"), QStringLiteral("setup.exe"), QStringLiteral("x.exe"),
            QStringLiteral("sub/p.exe")}));
    EXPECT_EQ(result.folders, 4);  // the root, other, sub and sub/deep
    // The executable that is not a projector is skipped and not counted.
    EXPECT_EQ(shooter.shots,
        (QStringList{QStringLiteral("a.swf"), QStringLiteral("B.SWF"), QStringLiteral("e.swf"), QStringLiteral("c.swf"),
            QStringLiteral("d.swf"), QStringLiteral("x.exe"), QStringLiteral("p.exe")}));
    EXPECT_EQ(result.created, 7);
    EXPECT_FALSE(result.cancelled);
    EXPECT_EQ(ReadAll(Root() + QStringLiteral("sub/deep/d.jpg")), (Root() + QStringLiteral("sub/deep/d.swf")).toUtf8());
    EXPECT_TRUE(QFileInfo::exists(Root() + QStringLiteral("x.jpg")));
    EXPECT_FALSE(QFileInfo::exists(Root() + QStringLiteral("setup.jpg")));
    EXPECT_EQ(status,
        (QStringList{QStringLiteral("Searching for Movies..."), QStringLiteral("Searching for Projectors..."),
            QStringLiteral("Creating Thumbnails (8)...")}));
    ASSERT_EQ(progress.size(), 8);
    EXPECT_DOUBLE_EQ(progress.last(), 1.0);

    EXPECT_EQ(GeneratorSummaryText(result, false, QString()),
        QStringLiteral("Thumbnail Generation Complete!\n\nThumbnails created: 7 / 8\nFolders Searched: 4"));
}

TEST_F(ThumbnailGeneratorTest, OverwriteOffMakesOnlyMissingOnesAndSubfoldersOff)
{
    RecordingShooter first;
    ThumbnailGenerator(Job(), first).Run();

    GeneratorJob job = Job();
    job.overwrite = false;
    RecordingShooter second;
    const GeneratorResult again = ThumbnailGenerator(job, second).Run();
    EXPECT_EQ(again.created, 0);
    EXPECT_TRUE(second.shots.isEmpty());
    EXPECT_EQ(GeneratorSummaryText(again, false, QString()),
        QStringLiteral("Thumbnail Generation Complete!\n\nThumbnails created: 0 / 8\nFolders Searched: 4"));

    // Without sub-folders and with every executable taken.
    job.recursive = false;
    job.overwrite = true;
    job.genericProjectors = false;
    RecordingShooter flat;
    const GeneratorResult top = ThumbnailGenerator(job, flat).Run();
    EXPECT_EQ(flat.shots,
        (QStringList{QStringLiteral("a.swf"), QStringLiteral("B.SWF"), QStringLiteral("setup.exe"), QStringLiteral("x.exe")}));
    EXPECT_EQ(top.folders, 1);
    EXPECT_EQ(GeneratorSummaryText(top, true, QStringLiteral("/usr/bin/viewer")),
        QStringLiteral(
            "Thumbnail Generation Complete!\n\nThumbnails created: 4\nFolders Searched: 1\nExecuted: /usr/bin/viewer"));
}

TEST_F(ThumbnailGeneratorTest, CancelAfterTheThirdShot)
{
    RecordingShooter shooter;
    ThumbnailGenerator generator(Job(), shooter);
    shooter.generator = &generator;
    shooter.cancelAt = 3;
    // The third shot is cancelled while it is taken: it does not count.
    GeneratorResult result = generator.Run();
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(shooter.shots.size(), 3);
    EXPECT_EQ(result.created, 2);
    EXPECT_EQ(GeneratorSummaryText(result, false, QString()),
        QStringLiteral("Thumbnail Generation Cancelled!\n\nThumbnails created: 2 / 8\nFolders Searched: 4"));

    // Cancel between shots: the files after it are not looked at.
    RecordingShooter between;
    ThumbnailGenerator second(Job(), between);
    GeneratorWatch watch;
    watch.file = [&](int i, int, const QString&) {
        if (i == 4)
            second.Cancel();
    };
    result = second.Run(watch);
    EXPECT_EQ(result.created, 3);
    EXPECT_EQ(between.shots.size(), 3);
    EXPECT_TRUE(result.cancelled);
}

TEST_F(ThumbnailGeneratorTest, MissingSourceFindsNothing)
{
    GeneratorJob job = Job();
    job.source = Root() + QStringLiteral("gone");
    RecordingShooter shooter;
    const GeneratorResult result = ThumbnailGenerator(job, shooter).Run();
    EXPECT_TRUE(result.files.isEmpty());
    EXPECT_EQ(result.folders, 0);
    EXPECT_EQ(GeneratorSummaryText(result, false, QString()),
        QStringLiteral("Thumbnail Generation Complete!\n\nThumbnails created: 0\nFolders Searched: 0"));
}

}  // namespace
