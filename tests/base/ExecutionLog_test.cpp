#include "base/AppFolders.h"
#include "base/ErrorContext.h"
#include "base/ExecutionLog.h"
#include "base/Version.h"
#include "common/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

float g_fakeNow = 0.0f;
float FakeTimer()
{
    return g_fakeNow;
}

class ExecutionLogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetLogTiming();
        SetLogTimer(&FakeTimer);
    }
    void TearDown() override
    {
        SetLogTimer(nullptr);
        ResetLogTiming();
    }
    TempAppFolder app;
};

}  // namespace

TEST_F(ExecutionLogTest, HeaderHasElevenLinesEndingInCrLf)
{
    const QString log = app.Log();
    ASSERT_TRUE(log.endsWith(QStringLiteral("\r\n")));
    const QStringList lines = log.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 12);  // 11 lines and the empty rest after the last CR LF
    EXPECT_EQ(lines[0], QStringLiteral("<html>"));
    EXPECT_EQ(lines[1], QStringLiteral("<head>"));
    EXPECT_EQ(lines[2], QStringLiteral("<title>Vorlen | Execution Log</title>"));
    EXPECT_EQ(lines[3], QStringLiteral("</head>"));
    EXPECT_EQ(lines[4], QStringLiteral("<LINK href=\"Kelvane.css\" rel=\"stylesheet\" type=\"text/css\">"));
    EXPECT_EQ(lines[5], QStringLiteral("<body bgcolor=#304E7E class=\"Text\">"));
    EXPECT_TRUE(lines[6].startsWith(QStringLiteral("<b>Vorlen</b> | <a href=\"mailto:")));
    EXPECT_TRUE(lines[6].endsWith(QStringLiteral("</a><br>")));
    EXPECT_EQ(lines[7], QStringLiteral("<br>"));
    EXPECT_TRUE(lines[8].endsWith(QStringLiteral(" :: Vorlen 1.4.732<br>")));
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral(R"(^Windows (\d+\.\d+ Build #\S+|version is n/a)<br>$)")).match(lines[9]).hasMatch())
        << lines[9].toStdString();
    EXPECT_EQ(lines[10], QStringLiteral("<br>"));
}

TEST_F(ExecutionLogTest, FoldersAreDerivedFromTheApplicationFolder)
{
    const AppFolders& f = Folders();
    EXPECT_EQ(f.app, app.Path());
    EXPECT_EQ(f.data, app.Path() + QStringLiteral("Data/"));
    EXPECT_EQ(f.binary, f.data + QStringLiteral("Binary/"));
    EXPECT_EQ(f.flash, f.data + QStringLiteral("Flash/"));
    EXPECT_EQ(f.skins, app.Path() + QStringLiteral("Skins/"));
    EXPECT_EQ(f.languages, app.Path() + QStringLiteral("Languages/"));
    EXPECT_EQ(f.logFile, f.data + QStringLiteral("Flash Player.Log.html"));
    EXPECT_TRUE(f.cache.endsWith(QStringLiteral("/Vorlen Cache/")));
    EXPECT_TRUE(QDir(f.cache).exists());
}

TEST_F(ExecutionLogTest, DoubledSeparatorsCollapseAndBackslashesAreAccepted)
{
    ComputeApplicationFolders(QStringLiteral("\\opt\\\\vorlen\\"), QStringLiteral("X"));
    EXPECT_EQ(Folders().app, QStringLiteral("/opt/vorlen/"));
    ComputeApplicationFolders(QStringLiteral("/"), QStringLiteral("X"));
    EXPECT_EQ(Folders().app, QStringLiteral("/"));
    EXPECT_EQ(Folders().data, QStringLiteral("/Data/"));
}

TEST_F(ExecutionLogTest, RestartReplacesTheOldLog)
{
    LogLine(QStringLiteral("before restart"), true);
    InitApplicationFolders(app.Path(), QStringLiteral("Flash Player"));
    EXPECT_FALSE(app.Log().contains(QStringLiteral("before restart")));
    EXPECT_TRUE(app.LogBody().isEmpty());
}

TEST_F(ExecutionLogTest, LineBreakIsAddedOnlyWhenAsked)
{
    LogLine(QStringLiteral(" :: LoadFlash ("), false);
    LogLine(QStringLiteral("Ok"), true);
    LogEmptyLine();
    EXPECT_EQ(app.LogBody(), (QStringList{QStringLiteral(" :: LoadFlash ("), QStringLiteral("Ok<br>"), QStringLiteral("<br>")}));
}

TEST_F(ExecutionLogTest, TimingMarks)
{
    g_fakeNow = 100.0f;
    LogTiming(QString(), true);  // first call: sets both marks, writes nothing
    EXPECT_TRUE(app.LogBody().isEmpty());
    g_fakeNow = 100.25f;
    LogTiming(QStringLiteral("Initialized"), false);
    g_fakeNow = 100.25f;
    LogTiming(QStringLiteral("Again"), false);  // right after another timing call
    g_fakeNow = 101.5f;
    LogTiming(QString(), false);  // empty text restarts the lap only
    g_fakeNow = 102.0f;
    LogTiming(QStringLiteral("Lap"), false);
    LogTiming(QStringLiteral("<B>Player Loaded</B>"), true);
    EXPECT_EQ(app.LogBody(),
        (QStringList{QStringLiteral("Initialized in 250 ms<br>"), QStringLiteral("Again in 0 ms<br>"),
            QStringLiteral("Lap in 500 ms<br>"), QStringLiteral("<B>Player Loaded</B> in 2000 ms<br>")}));
}

TEST_F(ExecutionLogTest, TimingAcrossMidnightComesOutNegative)
{
    g_fakeNow = 86399.0f;
    LogTiming(QString(), true);
    g_fakeNow = 1.0f;
    LogTiming(QStringLiteral("Late"), true);
    EXPECT_EQ(app.LogBody(), QStringList{QStringLiteral("Late in -86398000 ms<br>")});
}

TEST_F(ExecutionLogTest, ErrorReportLinesAndClearing)
{
    SetCurrentError(53, QStringLiteral("Vorlen"), QString());
    LogErrorReport(QStringLiteral("LoadFlash"), QStringLiteral("a<b & c"));
    const QStringList expected{
        QStringLiteral("<br>"),
        QStringLiteral("<B><FONT color=\"#000000\">53<br>"),
        QStringLiteral("LoadFlash<br>"),
        QStringLiteral("Vorlen<br>"),
        QStringLiteral("File not found<br>"),
        QStringLiteral("</B><I><FONT color=\"#333333\">a&#60;b &#38; c</FONT></I><B><br>"),
        QStringLiteral("</FONT></B><br>"),
        QStringLiteral("<B>ALERT:</B> LoadFlash<BR>File not found<BR>Vorlen<br>"),
    };
    EXPECT_EQ(app.LogBody(), expected);
    EXPECT_EQ(CurrentError().number, 0);
    EXPECT_TRUE(CurrentError().description.isEmpty());
}

TEST_F(ExecutionLogTest, ErrorReportWithoutDetailHasNoDetailLine)
{
    try {
        RaiseError(75, QStringLiteral("Cache"));
    } catch (const VorlenError& e) {
        SetCurrentError(e.Info());
    }
    LogErrorReport(QStringLiteral("Start Up"));
    const QStringList body = app.LogBody();
    ASSERT_EQ(body.size(), 7);
    EXPECT_EQ(body[4], QStringLiteral("Path/File access error<br>"));
    EXPECT_EQ(body[5], QStringLiteral("</FONT></B><br>"));
}

TEST_F(ExecutionLogTest, PresetContextKeepsTheNumber)
{
    SetCurrentError(339, QStringLiteral("x"), QStringLiteral("y"));
    SetErrorContext(QStringLiteral("Macromedia Flash ActiveX"), QStringLiteral("required"));
    EXPECT_EQ(CurrentError().number, 339);
    EXPECT_EQ(CurrentError().source, QStringLiteral("Macromedia Flash ActiveX"));
}

TEST(ExecutionLogWithoutFolder, MissingDataFolderMeansNoLogAndNoFailure)
{
    QTemporaryDir dir;
    InitApplicationFolders(dir.path() + QStringLiteral("/nowhere"), QStringLiteral("Flash Player"));
    LogLine(QStringLiteral("lost"), true);
    EXPECT_FALSE(QFile::exists(Folders().logFile));
    ComputeApplicationFolders(QDir::tempPath());
}

TEST(Version, TextAndCaptionPrefix)
{
    EXPECT_EQ(VersionText(), QStringLiteral("Vorlen 1.4.732"));
    EXPECT_EQ(CaptionPrefix(), QStringLiteral("Vorlen - "));
}
