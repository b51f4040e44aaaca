#include "common/TestSupport.h"
#include "media/MediaTestSupport.h"
#include "media/TestExecutable.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int status = -1;
    QStringList out;
    QString err;
};

class ToolTest : public ::testing::Test {
protected:
    ToolRun Run(const QStringList& arguments)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), m_dir.path() + QStringLiteral("/cache"));
        process.setProcessEnvironment(environment);
        process.start(AppTreeDir() + QStringLiteral("/vorlen-tool"), arguments);
        process.waitForFinished(60000);
        ToolRun run;
        run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    QString Write(const QString& name, const QByteArray& bytes) { return WriteFile(m_dir.path(), name, bytes); }

    QTemporaryDir m_dir;
};

}  // namespace

TEST_F(ToolTest, InfoPrintsTheRecordInFieldOrder)
{
    const QString movie = Write(QStringLiteral("m.swf"), MakeTestMovie(8, true));
    const QString text = Write(QStringLiteral("t.swf"), QByteArray("not a movie"));
    const ToolRun run = Run({QStringLiteral("info"), movie, text});
    EXPECT_EQ(run.status, 1);  // one file failed
    const QStringList first = run.out.mid(0, 17);
    const QStringList expected = {QStringLiteral("Version=8"), QStringLiteral("Compressed=True"),
        QStringLiteral("UncompressedSize=%1").arg(MakeTestMovie(8, false).size()),
        QStringLiteral("FileSize=%1").arg(QFileInfo(movie).size()), QStringLiteral("Width=320"), QStringLiteral("Height=240"),
        QStringLiteral("FrameRate=12"), QStringLiteral("FrameCount=2"), QStringLiteral("WorkingPath=") + movie,
        QStringLiteral("SourcePath=") + movie, QStringLiteral("FileName=m.swf"), QStringLiteral("IsProjector=False"),
        QStringLiteral("IsVideo=False"), QStringLiteral("BackgroundColor=336699"), QStringLiteral("FirstTagPosition=21"),
        QStringLiteral("Error="), QString()};
    EXPECT_EQ(first, expected);
    EXPECT_EQ(run.out.value(17), QStringLiteral("Version=0"));
    EXPECT_EQ(run.out.value(32), QStringLiteral("Error=Not a Flash Movie"));

    EXPECT_EQ(Run({QStringLiteral("info"), movie}).status, 0);
}

TEST_F(ToolTest, ExpandAndConvertWriteTheFiles)
{
    const QString packed = Write(QStringLiteral("p.swf"), MakeTestMovie(9, true));
    const QString expanded = m_dir.path() + QStringLiteral("/expanded.swf");
    EXPECT_EQ(Run({QStringLiteral("expand"), packed, expanded}).status, 0);
    EXPECT_EQ(ReadAll(expanded), MakeTestMovie(9, false));

    const QByteArray movie = MakeTestMovie(7);
    const QString projector = Write(QStringLiteral("game.exe"), MakeProjector(MakePlayerExecutable(), movie));
    const ToolRun back = Run({QStringLiteral("convert"), projector, m_dir.path() + QStringLiteral("/game")});
    EXPECT_EQ(back.status, 0) << back.err.toStdString();
    EXPECT_EQ(ReadAll(m_dir.path() + QStringLiteral("/game.swf")), movie);

    const ToolRun broken = Run({QStringLiteral("expand"), Write(QStringLiteral("x.swf"), QByteArray("xyz12345")), expanded});
    EXPECT_EQ(broken.status, 1);
    EXPECT_TRUE(broken.err.contains(QStringLiteral("Not a Flash Movie")));
}

TEST_F(ToolTest, InfoNamesTheDamageOfAMovieCutShort)
{
    const QByteArray movie = MakeTestMovie(8, false);
    const QString cut = Write(QStringLiteral("cut.swf"), movie.left(movie.size() - 3));
    const ToolRun run = Run({QStringLiteral("info"), cut});
    EXPECT_EQ(run.status, 0);
    // The line follows the record's fields and comes before the identification's result.
    const qsizetype at = run.out.indexOf(QStringLiteral("FirstTagPosition=21"));
    ASSERT_GE(at, 0);
    EXPECT_EQ(
        run.out.value(at + 1), QStringLiteral("Damaged=cut short (%1 of %2 bytes)").arg(movie.size() - 3).arg(movie.size()));
    EXPECT_EQ(run.out.value(at + 2), QStringLiteral("Error="));
}

TEST_F(ToolTest, CheckListsWhatIsNotWholeAndFailsOnDamage)
{
    const QByteArray movie = MakeTestMovie(9, false);
    const QString folder = m_dir.path() + QStringLiteral("/collection");
    QDir().mkpath(folder + QStringLiteral("/deeper"));
    WriteFile(folder, QStringLiteral("whole.swf"), movie);
    WriteFile(folder, QStringLiteral("packed.SWF"), MakeTestMovie(9, true));
    const QString cut = WriteFile(folder + QStringLiteral("/deeper"), QStringLiteral("cut.swf"), movie.left(movie.size() - 2));
    const QString text = WriteFile(folder, QStringLiteral("notes.swf"), QByteArray("some notes"));
    WriteFile(folder, QStringLiteral("readme.txt"), QByteArray("not looked at: not a movie's name"));
    const QString named = Write(QStringLiteral("named.bin"), QByteArray("named files are checked whatever their name"));
    const QString gone = m_dir.path() + QStringLiteral("/gone.swf");

    ToolRun run = Run({QStringLiteral("check"), folder, named, gone});
    EXPECT_EQ(run.status, 1);
    const QStringList expected = {QStringLiteral("damaged: ") + cut
            + QStringLiteral(": cut short (%1 of %2 bytes)").arg(movie.size() - 2).arg(movie.size()),
        QStringLiteral("not a Flash file: ") + text + QStringLiteral(": Not a Flash Movie"),
        QStringLiteral("not a Flash file: ") + named + QStringLiteral(": Not a Flash Movie"),
        QStringLiteral("unreadable: ") + gone + QStringLiteral(": File not found"), QString()};
    EXPECT_EQ(run.out, expected);
    EXPECT_TRUE(run.err.contains(QStringLiteral("6 files checked: 1 damaged, 1 unreadable, 2 not Flash files")))
        << run.err.toStdString();

    // Whole files only: nothing listed, success; a folder of non-Flash files is no failure.
    QFile::remove(cut);
    run = Run({QStringLiteral("check"), folder});
    EXPECT_EQ(
        run.out, QStringList({QStringLiteral("not a Flash file: ") + text + QStringLiteral(": Not a Flash Movie"), QString()}));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Run({QStringLiteral("check")}).status, 2);
}

TEST_F(ToolTest, CheckFindsTheCorpusFilesThatAreDamaged)
{
    SKIP_WITHOUT_CORPUS();
    const ToolRun run
        = Run({QStringLiteral("check"), CorpusDir() + QStringLiteral("/swf"), CorpusDir() + QStringLiteral("/flv")});
    EXPECT_EQ(run.status, 1);
    QStringList damaged = run.out.filter(QRegularExpression(QStringLiteral("^damaged: ")));
    for (QString& line : damaged)
        line = QFileInfo(line.section(QStringLiteral(": "), 1, 1)).fileName();
    damaged.sort();
    EXPECT_EQ(damaged,
        QStringList(
            {"breakdance.flv", "lzma-length-too-large.swf", "lzma-malformed-length.swf", "ruffle-bad_swf_tag_past_eof-test.swf",
                "ruffle-frame_label_count_oom-test.swf", "ruffle-swf_length_too_long-test.swf"}));
    EXPECT_EQ(run.out.filter(QRegularExpression(QStringLiteral("^not a Flash file: "))).size(), 3);
}

// Only the commands that render load the web engine; the others start with the core alone.
TEST_F(ToolTest, CoreCommandsLoadNoWindowSystemOrWebEngine)
{
    QProcess ldd;
    ldd.start(QStringLiteral("ldd"), {AppTreeDir() + QStringLiteral("/vorlen-tool")});
    ASSERT_TRUE(ldd.waitForFinished(30000));
    const QString libraries = QString::fromUtf8(ldd.readAllStandardOutput());
    EXPECT_TRUE(libraries.contains(QStringLiteral("libQt6Core")));
    for (const char* heavy : {"libQt6Gui", "libQt6Widgets", "libQt6WebEngine", "libQt6Network"})
        EXPECT_FALSE(libraries.contains(QLatin1String(heavy))) << heavy;

    // Rendering options are checked before the engine is started, so no display is needed.
    const ToolRun bad = Run({QStringLiteral("shot"), QStringLiteral("a.swf"), QStringLiteral("a.jpg"),
        QStringLiteral("--timeout"), QStringLiteral("soon")});
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("--timeout needs a number of seconds"))) << bad.err.toStdString();
    EXPECT_TRUE(Run({QStringLiteral("--help")}).out.join(QLatin1Char('\n')).contains(QStringLiteral("[--timeout S]")));
}
