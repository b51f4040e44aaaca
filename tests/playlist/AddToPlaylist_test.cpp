#include "common/TestSupport.h"
#include "playlist/FakePlaylistHost.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace {

class AddToPlaylistTest : public ::testing::Test {
protected:
    TempAppFolder app;
    QString dir = app.Path() + QStringLiteral("media/");
    FakePlaylistHost host;

    void SetUp() override { QDir().mkpath(dir); }

    QString Touch(const QString& relative, const QByteArray& bytes = "FWS")
    {
        const QString path = dir + relative;
        QDir().mkpath(path.left(path.lastIndexOf(QLatin1Char('/'))));
        EXPECT_TRUE(WriteAll(path, bytes));
        return path;
    }

    QString WritePlaylist(const QString& relative, const QStringList& entries)
    {
        return Touch(relative, PlaylistFileText(entries, -1).toUtf8());
    }
};

TEST_F(AddToPlaylistTest, AcceptsByExtensionAndProjectorTest)
{
    bool generic = true;
    PlaylistServices services;
    services.genericProjectors = [&] { return generic; };
    services.isProjector = [](const QString& path) { return path.endsWith(QLatin1String("projector.exe")); };
    Playlist playlist(services, &host);

    for (const char* path : {"C:\\movie.SWF", "C:\\readme.txt", "C:\\noext", "C:\\clip.Flv", "C:\\dir.swf\\file", "C:\\tool.exe",
             "/m/projector.exe", "/m/list.VORLEN"}) {
        playlist.AddToPlaylist(QString::fromLatin1(path), 1);
    }
    EXPECT_EQ(playlist.PLEntries(),
        (QStringList{QStringLiteral("C:\\movie.SWF"), QStringLiteral("C:\\clip.Flv"), QStringLiteral("/m/projector.exe"),
            QStringLiteral("/m/list.VORLEN")}));

    generic = false;
    playlist.AddToPlaylist(QStringLiteral("C:\\tool.exe"), 0);
    EXPECT_EQ(playlist.PLEntries().last(), QStringLiteral("C:\\tool.exe"));
    EXPECT_TRUE(host.oneEntryMenus);
    EXPECT_TRUE(host.twoEntryMenus);
}

TEST_F(AddToPlaylistTest, MenusFollowTheCountAndClearDisablesThem)
{
    Playlist playlist({}, &host);
    playlist.AddToPlaylist(QStringLiteral("/m/a.swf"), 0);
    EXPECT_TRUE(host.oneEntryMenus);
    EXPECT_FALSE(host.twoEntryMenus);
    playlist.AddToPlaylist(QStringLiteral("/m/b.swf"), 0);
    EXPECT_TRUE(host.twoEntryMenus);
    playlist.ClearPlaylist();
    EXPECT_FALSE(host.oneEntryMenus);
    EXPECT_EQ(playlist.PLLast(), -1);
    EXPECT_EQ(playlist.PLCurrent(), -1);
    EXPECT_EQ(playlist.PLEntries(), QStringList{QString()});
}

TEST_F(AddToPlaylistTest, FolderWalkVisitsEverySubFolderInAStableOrder)
{
    Touch(QStringLiteral("b.swf"));
    Touch(QStringLiteral("A.flv"));
    Touch(QStringLiteral("notes.txt"));
    Touch(QStringLiteral("kept.vorlen"), PlaylistFileText({QStringLiteral("/elsewhere/x.swf")}, -1).toUtf8());
    Touch(QStringLiteral("sub/deeper/deepest/z.swf"));
    Touch(QStringLiteral("sub/c.swf"));
    QDir().mkpath(dir + QStringLiteral("empty"));

    Playlist playlist({}, &host);
    playlist.AddToPlaylist(dir.chopped(1), 0);  // no trailing separator
    const QStringList expected = {dir + QStringLiteral("sub/deeper/deepest/z.swf"), dir + QStringLiteral("sub/c.swf"),
        dir + QStringLiteral("A.flv"), dir + QStringLiteral("b.swf"), dir + QStringLiteral("kept.vorlen")};
    EXPECT_EQ(playlist.PLEntries(), expected);
    // The playlist file inside the folder is an entry, not read.
    EXPECT_TRUE(host.recent.isEmpty());

    Playlist again;
    again.AddToPlaylist(dir, 0);
    EXPECT_EQ(again.PLEntries(), expected);
}

TEST_F(AddToPlaylistTest, LinkBackToAnAncestorDoesNotWalkForever)
{
    Touch(QStringLiteral("loop/a.swf"));
    ASSERT_TRUE(QFile::link(dir + QStringLiteral("loop"), dir + QStringLiteral("loop/back")));
    Playlist playlist;
    playlist.AddToPlaylist(dir + QStringLiteral("loop"), 0);
    EXPECT_EQ(playlist.PLEntries(), QStringList{dir + QStringLiteral("loop/a.swf")});
}

TEST_F(AddToPlaylistTest, NestingLevelsOfPlaylistFiles)
{
    // outer -> middle -> inner -> innermost, each naming the next and one movie.
    const QString innermost = WritePlaylist(QStringLiteral("innermost.vorlen"), {QStringLiteral("/m/4.swf")});
    const QString inner = WritePlaylist(QStringLiteral("inner.vorlen"), {innermost, QStringLiteral("/m/3.swf")});
    const QString middle = WritePlaylist(QStringLiteral("middle.vorlen"), {inner, QStringLiteral("/m/2.swf")});
    const QString outer = WritePlaylist(QStringLiteral("outer.vorlen"), {middle, QStringLiteral("/m/1.swf")});

    // Level 0: the file is read; a playlist named inside it is a plain entry.
    Playlist user({}, &host);
    user.AddToPlaylist(outer, 0);
    EXPECT_EQ(user.PLEntries(), (QStringList{middle, QStringLiteral("/m/1.swf")}));
    EXPECT_EQ(host.recent, QStringList{outer});

    // Level -2 (start-up): two further levels are expanded.
    FakePlaylistHost startHost;
    Playlist start({}, &startHost);
    start.AddToPlaylist(outer, -2);
    EXPECT_EQ(start.PLEntries(),
        (QStringList{innermost, QStringLiteral("/m/3.swf"), QStringLiteral("/m/2.swf"), QStringLiteral("/m/1.swf")}));
    EXPECT_EQ(startHost.recent, (QStringList{outer, middle, inner}));

    // Level 1: a playlist file is just an entry.
    Playlist plain;
    plain.AddToPlaylist(outer, 1);
    EXPECT_EQ(plain.PLEntries(), QStringList{outer});
}

TEST_F(AddToPlaylistTest, BackslashPathsReachTheFileSystemButEntriesKeepTheirText)
{
    // A playlist written elsewhere names a nested playlist and a folder with "\" separators.
    QDir().mkpath(dir + QStringLiteral("sub"));
    WriteAll(dir + QStringLiteral("sub/in.swf"), "FWS");
    const QString inner = WritePlaylist(QStringLiteral("inner.vorlen"), {QStringLiteral("C:\\m\\x.swf")});
    QString innerBackslash = inner;
    innerBackslash.replace(QLatin1Char('/'), QLatin1Char('\\'));
    QString subBackslash = dir + QStringLiteral("sub");
    subBackslash.replace(QLatin1Char('/'), QLatin1Char('\\'));
    const QString outer = WritePlaylist(QStringLiteral("outer.vorlen"), {innerBackslash, subBackslash});

    Playlist playlist({}, &host);
    playlist.AddToPlaylist(outer, -1);
    EXPECT_EQ(playlist.PLEntries(), (QStringList{QStringLiteral("C:\\m\\x.swf"), dir + QStringLiteral("sub/in.swf")}));
    EXPECT_EQ(host.recent, (QStringList{outer, innerBackslash}));
}

TEST_F(AddToPlaylistTest, SelfReferencingPlaylistEnds)
{
    const QString self = dir + QStringLiteral("self.vorlen");
    WritePlaylist(QStringLiteral("self.vorlen"), {self, QStringLiteral("/m/a.swf")});
    Playlist playlist;
    playlist.AddToPlaylist(self, -2);
    EXPECT_EQ(playlist.PLEntries(),
        (QStringList{self, QStringLiteral("/m/a.swf"), QStringLiteral("/m/a.swf"), QStringLiteral("/m/a.swf")}));
}

TEST_F(AddToPlaylistTest, ThirtyThousandEntriesAndTheSixteenBitLimit)
{
    QStringList entries;
    for (int i = 0; i < 30000; ++i)
        entries.append(QStringLiteral("/m/movie%1.swf").arg(i));
    const QString file = WritePlaylist(QStringLiteral("big.vorlen"), entries);

    Playlist playlist;
    playlist.AddToPlaylist(file, 0);
    ASSERT_EQ(playlist.PLLast(), 29999);
    EXPECT_EQ(playlist.PLEntries(), entries);
    playlist.SetCurrent(29999);
    playlist.SavePlaylist(dir + QStringLiteral("copy.vorlen"));
    EXPECT_EQ(ReadPlaylistFile(dir + QStringLiteral("copy.vorlen")).paths, entries);

    // Filling up to 32767 entries works; every entry beyond is refused, said once.
    playlist.AddToPlaylist(file, 0);
    EXPECT_EQ(playlist.PLLast(), 32766);
    EXPECT_EQ(playlist.PLEntries().last(), QStringLiteral("/m/movie2766.swf"));
    playlist.AddToPlaylist(QStringLiteral("/m/more.swf"), 0);
    EXPECT_EQ(playlist.PLLast(), 32766);
    const QStringList full = app.LogBody().filter(QStringLiteral("Playlist is full"));
    ASSERT_EQ(full.size(), 1);
    EXPECT_EQ(full.first(), QStringLiteral("Playlist is full (32767 entries), not added: /m/movie2767.swf<br>"));

    // Room again: the next refusal is reported again.
    playlist.RemoveEntry(0);
    playlist.AddToPlaylist(QStringLiteral("/m/last.swf"), 0);
    playlist.AddToPlaylist(QStringLiteral("/m/refused.swf"), 0);
    EXPECT_EQ(playlist.PLEntries().last(), QStringLiteral("/m/last.swf"));
    EXPECT_EQ(app.LogBody().filter(QStringLiteral("Playlist is full")).size(), 2);
}

TEST_F(AddToPlaylistTest, ClearSavesOnlyANonEmptyListWithHistoryOn)
{
    bool history = true;
    PlaylistServices services;
    services.history = [&] { return history; };
    Playlist playlist(services, &host);
    const QString plFile = dir + QStringLiteral("Last Played Temp.vorlen");
    playlist.SetPLFile(plFile);

    playlist.ClearPlaylist();
    EXPECT_FALSE(QFile::exists(plFile));

    playlist.AddToPlaylist(QStringLiteral("/m/a.swf"), 0);
    playlist.SetCurrent(0);
    playlist.ClearPlaylist();
    EXPECT_EQ(ReadAll(plFile), PlaylistFileText({QStringLiteral("/m/a.swf")}, 0).toUtf8());

    QFile::remove(plFile);
    history = false;
    playlist.AddToPlaylist(QStringLiteral("/m/b.swf"), 0);
    playlist.ClearPlaylist();
    EXPECT_FALSE(QFile::exists(plFile));
}

}  // namespace

namespace {

TEST(AddToPlaylistCorpusTest, RealFolderGivesEveryMovieAndVideoOnce)
{
    SKIP_WITHOUT_CORPUS();
    QStringList expected;
    QDirIterator it(CorpusDir(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.endsWith(QLatin1String(".swf"), Qt::CaseInsensitive)
            || path.endsWith(QLatin1String(".flv"), Qt::CaseInsensitive))
            expected.append(path);
    }
    ASSERT_GT(expected.size(), 100);

    bool generic = true;
    PlaylistServices services;
    services.genericProjectors = [&] { return generic; };
    Playlist playlist(services);
    playlist.AddToPlaylist(CorpusDir(), 0);
    QStringList entries = playlist.PLEntries();
    entries.sort();
    expected.sort();
    EXPECT_EQ(entries, expected);

    // The corpus's executable is no projector: added only while doubtful ones are not skipped.
    generic = false;
    Playlist lenient(services);
    lenient.AddToPlaylist(CorpusDir() + QStringLiteral("/exe"), 0);
    EXPECT_EQ(lenient.PLEntries(), QStringList{CorpusDir() + QStringLiteral("/exe/EXE.exe")});
}

}  // namespace
