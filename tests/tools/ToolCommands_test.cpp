#include "common/TestSupport.h"
#include "media/MediaTestSupport.h"
#include "media/TestExecutable.h"

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
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

    // Paths enter with "/" separators whatever the command line used.
    QString backslashed = movie;
    backslashed.replace(QLatin1Char('/'), QLatin1Char('\\'));
    const ToolRun again = Run({QStringLiteral("info"), backslashed});
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.out.mid(8, 2), expected.mid(8, 2));
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
