#include "app/CommandLine.h"
#include "app/PlaylistCommandLineHost.h"
#include "common/TestSupport.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistHost.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// Records the calls in order, one text each.
class RecordingHost : public CommandLineHost {
public:
    QStringList calls;

    void LoadFlash(const QString& path, const QString& caption, bool nativeSize) override
    {
        calls << QStringLiteral("LoadFlash [%1] [%2] %3").arg(path, caption).arg(nativeSize);
    }
    void ClearPlaylist() override { calls << QStringLiteral("ClearPlaylist"); }
    void AddToPlaylist(const QString& path, int level) override { calls << QStringLiteral("Add [%1] %2").arg(path).arg(level); }
    void PlayEntry(int index) override { calls << QStringLiteral("PlayEntry %1").arg(index); }
    void RestoreMinimisedWindow() override { calls << QStringLiteral("Restore"); }
};

QString Nul()
{
    return QString(QChar(u'\0'));
}

}  // namespace

TEST(SplitCommandLine, SpacesOutsideQuotesSeparateAndQuotesAreDropped)
{
    struct Case {
        QString argument;
        QStringList names;
    };
    const Case cases[] = {
        {QStringLiteral("\"/home/me/My Movies/intro.swf\""), {QStringLiteral("/home/me/My Movies/intro.swf")}},
        {QStringLiteral("/a/one.swf  /b/two.swf"), {QStringLiteral("/a/one.swf"), QStringLiteral("/b/two.swf")}},
        {QStringLiteral("\"/x/with space.swf\" /y/plain.flv"),
            {QStringLiteral("/x/with space.swf"), QStringLiteral("/y/plain.flv")}},
        // Quotes in the middle of a name only protect the spaces between them.
        {QStringLiteral("/m/a\" \"b.swf c.swf"), {QStringLiteral("/m/a b.swf"), QStringLiteral("c.swf")}},
        // An unclosed quote protects the rest of the line.
        {QStringLiteral("\"open quote.swf next.swf"), {QStringLiteral("open quote.swf next.swf")}},
        {QStringLiteral("   lead.swf"), {QStringLiteral("lead.swf")}},
        {QStringLiteral("\u00e9t\u00e9 \u65e5\u672c.swf"), {QStringLiteral("\u00e9t\u00e9"), QStringLiteral("\u65e5\u672c.swf")}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitCommandLine(c.argument), c.names) << c.argument.toStdString();
}

TEST(SplitCommandLine, NamesAreTakenOnlyWhileThreeCharactersRemain)
{
    // The separated text carries one NUL per separator plus one at the end; a name is taken
    // only while at least three characters are left, separators counted.
    EXPECT_TRUE(SplitCommandLine(QStringLiteral("x")).isEmpty());  // "x\0": two characters
    EXPECT_EQ(SplitCommandLine(QStringLiteral("xy")), QStringList{QStringLiteral("xy")});
    EXPECT_EQ(SplitCommandLine(QStringLiteral("abc x")), QStringList{QStringLiteral("abc")});
    EXPECT_EQ(SplitCommandLine(QStringLiteral("abc xy")), (QStringList{QStringLiteral("abc"), QStringLiteral("xy")}));
    // A one-character name is kept when more follows it.
    EXPECT_EQ(SplitCommandLine(QStringLiteral("x abc")), (QStringList{QStringLiteral("x"), QStringLiteral("abc")}));
    // "\"\"" is an empty name; trailing spaces leave only empty names.
    EXPECT_EQ(SplitCommandLine(QStringLiteral("abc \"\"  ")), QStringList{QStringLiteral("abc")});
    EXPECT_TRUE(SplitCommandLine(QString()).isEmpty());
    EXPECT_TRUE(SplitCommandLine(QStringLiteral("     ")).isEmpty());
    // The empty name between two spaces uses up the characters the last name needed.
    EXPECT_EQ(SplitCommandLine(QStringLiteral("ab  c")), QStringList{QStringLiteral("ab")});
    EXPECT_EQ(SplitCommandLine(QStringLiteral("ab  cd")), (QStringList{QStringLiteral("ab"), QStringLiteral("cd")}));
    // A NUL inside the argument separates as well (the text is NUL-separated internally).
    EXPECT_EQ(SplitCommandLine(QStringLiteral("one") + Nul() + QStringLiteral("two")),
        (QStringList{QStringLiteral("one"), QStringLiteral("two")}));
}

TEST(HandleCommandLine, ReplacesThePlaylistAndPlaysTheFirstEntry)
{
    RecordingHost host;
    HandleCommandLine(QStringLiteral("\"/p/a b.swf\"  /p/c.flv"), host);
    EXPECT_EQ(host.calls,
        (QStringList{QStringLiteral("ClearPlaylist"), QStringLiteral("Add [/p/a b.swf] 0"), QStringLiteral("Add [/p/c.flv] 0"),
            QStringLiteral("PlayEntry 0")}));

    // Names enter with "/" separators; "/exec" statements below are left as they are.
    host.calls.clear();
    HandleCommandLine(QStringLiteral("C:\\m\\a.swf \"\\\\srv\\x y.flv\""), host);
    EXPECT_EQ(host.calls,
        (QStringList{QStringLiteral("ClearPlaylist"), QStringLiteral("Add [C:/m/a.swf] 0"),
            QStringLiteral("Add [//srv/x y.flv] 0"), QStringLiteral("PlayEntry 0")}));

    // Nothing named still clears and plays entry 0.
    host.calls.clear();
    HandleCommandLine(QStringLiteral(" "), host);
    EXPECT_EQ(host.calls, (QStringList{QStringLiteral("ClearPlaylist"), QStringLiteral("PlayEntry 0")}));
}

TEST(HandleCommandLine, ExecPrefixInAnyLetterCaseGoesWholeToLoadFlash)
{
    for (const QString& argument : {QStringLiteral("/exec \"a b.swf\" c"), QStringLiteral("/EXEC x"), QStringLiteral("/ExEc"),
             QStringLiteral("/execute.swf"), QStringLiteral("/exec Out \"C:\\a\"")}) {
        RecordingHost host;
        HandleCommandLine(argument, host);
        EXPECT_EQ(host.calls, QStringList{QStringLiteral("LoadFlash [%1] [] 0").arg(argument)}) << argument.toStdString();
    }
    // Only the first five characters count: a leading space or a shorter text is a name.
    for (const QString& argument : {QStringLiteral(" /exec x"), QStringLiteral("/exe")}) {
        RecordingHost host;
        HandleCommandLine(argument, host);
        ASSERT_FALSE(host.calls.isEmpty());
        EXPECT_EQ(host.calls.first(), QStringLiteral("ClearPlaylist")) << argument.toStdString();
    }
}

TEST(ReceiveHandOver, LogsTheRequestAndHandlesIt)
{
    TempAppFolder app;
    RecordingHost host;
    ReceiveHandOver(QStringLiteral("\"/m/\u00e9t\u00e9 1.swf\" two.swf"), host);
    EXPECT_EQ(host.calls,
        (QStringList{QStringLiteral("Restore"), QStringLiteral("ClearPlaylist"), QStringLiteral("Add [/m/\u00e9t\u00e9 1.swf] 0"),
            QStringLiteral("Add [two.swf] 0"), QStringLiteral("PlayEntry 0")}));
    EXPECT_EQ(app.LogBody(), QStringList{QStringLiteral("Other Instance Requested: \"\"/m/\u00e9t\u00e9 1.swf\" two.swf\"<br>")});
}

TEST(ReceiveHandOver, EmptyTextDoesNothing)
{
    TempAppFolder app;
    RecordingHost host;
    ReceiveHandOver(QString(), host);
    EXPECT_TRUE(host.calls.isEmpty());
    EXPECT_TRUE(app.LogBody().isEmpty());
}

namespace {

class LoadRecorder : public PlaylistHost {
public:
    QStringList loaded;
    void LoadFlash(const QString& path, const QString& title, bool nativeSize) override { loaded << path; }
};

}  // namespace

TEST(PlaylistCommandLineHost, FillsThePlaylistAndLoadsThroughTheWindow)
{
    TempAppFolder app;
    LoadRecorder window;
    Playlist playlist(PlaylistServices{}, &window);
    PlaylistCommandLineHost host(playlist, window);

    playlist.AddToPlaylist(QStringLiteral("old.swf"), 0);
    HandleCommandLine(QStringLiteral("\"/m/a b.swf\" notes.txt /m/c.flv"), host);
    EXPECT_EQ(playlist.PLEntries(), (QStringList{QStringLiteral("/m/a b.swf"), QStringLiteral("/m/c.flv")}));
    EXPECT_EQ(window.loaded, QStringList{QStringLiteral("/m/a b.swf")});

    window.loaded.clear();
    HandleCommandLine(QStringLiteral("/Exec movie.swf"), host);
    EXPECT_EQ(window.loaded, QStringList{QStringLiteral("/Exec movie.swf")});
    EXPECT_EQ(playlist.PLEntries(), (QStringList{QStringLiteral("/m/a b.swf"), QStringLiteral("/m/c.flv")}));
}

TEST(CommandLineText, AnExecStatementIsTheArgumentsJoinedAsTheyAre)
{
    EXPECT_EQ(CommandLineText({QStringLiteral("/exec ZoomFlash 200, 2")}), QStringLiteral("/exec ZoomFlash 200, 2"));
    EXPECT_EQ(
        CommandLineText({QStringLiteral("/Exec"), QStringLiteral("ZoomFlash"), QStringLiteral("200,"), QStringLiteral("2")}),
        QStringLiteral("/Exec ZoomFlash 200, 2"));
    // Names with blanks inside a statement get no quotes of their own.
    EXPECT_EQ(CommandLineText({QStringLiteral("/EXECOut"), QStringLiteral("a b")}), QStringLiteral("/EXECOut a b"));
    // "/exec" only counts first.
    EXPECT_EQ(CommandLineText({QStringLiteral("x y.swf"), QStringLiteral("/exec")}), QStringLiteral("\"x y.swf\" /exec"));
}

TEST(CommandLineText, NamesOfExistingFilesBecomeAbsoluteAndBlanksAreQuoted)
{
    QTemporaryDir dir;
    const QString name = QStringLiteral("with blank.swf");
    ASSERT_TRUE(WriteAll(dir.filePath(name), "FWS"));
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const QString text = CommandLineText({name, QStringLiteral("missing.swf")});
    QDir::setCurrent(old);
    EXPECT_EQ(text, QLatin1Char('"') + QFileInfo(dir.filePath(name)).absoluteFilePath() + QStringLiteral("\" missing.swf"));
    EXPECT_EQ(SplitCommandLine(text).size(), 2);
    EXPECT_TRUE(CommandLineText({}).isEmpty());
}
