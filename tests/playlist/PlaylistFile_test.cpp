#include "base/Version.h"
#include "common/TestSupport.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistFile.h"

#include <QFile>

namespace {

class PlaylistFileTest : public ::testing::Test {
protected:
    TempAppFolder app;
    QString dir = app.Path();

    QString Write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir + name;
        EXPECT_TRUE(WriteAll(path, bytes));
        return path;
    }
};

TEST_F(PlaylistFileTest, WritesTheExactText)
{
    Playlist playlist;
    playlist.AddToPlaylist(QStringLiteral("C:\\a.swf"), 0);
    playlist.AddToPlaylist(QStringLiteral("C:\\b&c.swf"), 0);
    playlist.SetCurrent(1);
    playlist.SavePlaylist(dir + QStringLiteral("two.vorlen"));

    const QByteArray expected = "<?xml version=\"1.0\"?><PLAYLIST app=\"Vorlen\" build=\"680\" play=\"1\">"
                                "\r\n\t<FILE>C:\\a.swf</FILE>"
                                "\r\n\t<FILE>C:\\b&#38;c.swf</FILE>"
                                "\r\n\t</PLAYLIST>";
    EXPECT_EQ(ReadAll(dir + QStringLiteral("two.vorlen")), expected);
}

TEST_F(PlaylistFileTest, EmptyPlaylistAndUnchangedReferences)
{
    EXPECT_EQ(PlaylistFileText({}, -1),
        QStringLiteral("<?xml version=\"1.0\"?><PLAYLIST app=\"Vorlen\" build=\"680\" play=\"-1\">\r\n\t</PLAYLIST>"));

    // A reference already in the path stays; markup characters are escaped; non-ASCII text is UTF-8.
    Playlist playlist;
    playlist.AddToPlaylist(QStringLiteral("/m/x&#38;y.swf"), 0);
    playlist.AddToPlaylist(QStringLiteral("/m/<a> \"q\" \u00e9t\u00e9.flv"), 0);
    playlist.SavePlaylist(dir + QStringLiteral("refs.vorlen"));
    const QByteArray written = ReadAll(dir + QStringLiteral("refs.vorlen"));
    EXPECT_TRUE(written.contains("<FILE>/m/x&#38;y.swf</FILE>"));
    EXPECT_TRUE(written.contains(QStringLiteral("<FILE>/m/&#60;a&#62; &#34;q&#34; \u00e9t\u00e9.flv</FILE>").toUtf8()));
    EXPECT_TRUE(written.contains("play=\"-1\""));
}

TEST_F(PlaylistFileTest, AmpersandThatIsNoReferenceStillSaves)
{
    // "&#b" would make the document unparseable; the playlist must not be lost over it.
    Playlist playlist;
    playlist.AddToPlaylist(QStringLiteral("/m/a&#b.swf"), 0);
    playlist.AddToPlaylist(QStringLiteral("/m/ok.swf"), 0);
    playlist.SavePlaylist(dir + QStringLiteral("odd"));
    const PlaylistReadResult read = ReadPlaylistFile(dir + QStringLiteral("odd.vorlen"));
    ASSERT_EQ(read.status, PlaylistReadStatus::Ok);
    EXPECT_EQ(read.paths, (QStringList{QStringLiteral("/m/a&#b.swf"), QStringLiteral("/m/ok.swf")}));
}

TEST_F(PlaylistFileTest, ExtensionAppendedOnlyWithoutOne)
{
    EXPECT_EQ(PlaylistSavePath(QStringLiteral("C:\\list")), QStringLiteral("C:\\list.vorlen"));
    EXPECT_EQ(PlaylistSavePath(QStringLiteral("C:\\list.xml")), QStringLiteral("C:\\list.xml"));
    EXPECT_EQ(PlaylistSavePath(QStringLiteral("/a.b/list")), QStringLiteral("/a.b/list.vorlen"));

    Playlist playlist;
    playlist.AddToPlaylist(QStringLiteral("/m/a.swf"), 0);
    playlist.SavePlaylist(dir + QStringLiteral("list"));
    playlist.SavePlaylist(dir + QStringLiteral("list.xml"));
    EXPECT_TRUE(QFile::exists(dir + QStringLiteral("list.vorlen")));
    EXPECT_TRUE(QFile::exists(dir + QStringLiteral("list.xml")));
    EXPECT_FALSE(QFile::exists(dir + QStringLiteral("list")));
    EXPECT_FALSE(QFile::exists(dir + QStringLiteral("list.xml.vorlen")));
}

TEST_F(PlaylistFileTest, RoundTripKeepsOrderAndPaths)
{
    const QStringList paths = {QStringLiteral("/m/one.swf"), QStringLiteral("C:\\Movies\\two & three.flv"),
        QStringLiteral("/m/\u4e2d\u6587.swf"), QStringLiteral("/m/nested.vorlen"), QStringLiteral("/m/one.swf")};
    const QString file = dir + QStringLiteral("round.vorlen");
    {
        Playlist playlist;
        for (const QString& path : paths)
            playlist.AddToPlaylist(path, 1);  // level 1: the playlist file is a plain entry
        playlist.SetCurrent(2);
        playlist.SavePlaylist(file);
    }
    const PlaylistReadResult read = ReadPlaylistFile(file);
    ASSERT_EQ(read.status, PlaylistReadStatus::Ok);
    EXPECT_EQ(read.paths, paths);
}

TEST_F(PlaylistFileTest, BuildChecks)
{
    struct Case {
        const char* root;
        bool accepted;
    };
    const Case cases[] = {
        {"<PLAYLIST app=\"Vorlen\" build=\"680\" play=\"0\">", true},
        {"<PLAYLIST build=\"0\">", true},
        {"<PLAYLIST build=\"732\">", true},
        {"<PLAYLIST build=\"733\">", false},
        {"<PLAYLIST build=\"100000\">", false},
        {"<PLAYLIST app=\"Vorlen\" play=\"0\">", false},
        {"<PLAYLIST build=\"new\">", false},
    };
    for (const Case& c : cases) {
        const QByteArray bytes = QByteArray("<?xml version=\"1.0\"?>") + c.root + "<FILE>/m/a.swf</FILE></PLAYLIST>";
        const QString file = Write(QStringLiteral("build.vorlen"), bytes);
        Playlist playlist;
        playlist.AddToPlaylist(file, 0);
        EXPECT_EQ(playlist.PLLast(), c.accepted ? 0 : -1) << c.root;
    }
    const QStringList body = app.LogBody();
    EXPECT_EQ(body.count(QStringLiteral("PL Version is incompatible<br>")), 4);
}

TEST_F(PlaylistFileTest, AnyChildElementIsAPathAndMalformedFilesAddNothing)
{
    const QString good = Write(QStringLiteral("x.vorlen"),
        "<?xml version=\"1.0\"?><PLAYLIST build=\"680\"><X>C:\\a.swf</X>\r\n\t<FILE> /m/b.flv </FILE><Y>/m/c.txt</Y></PLAYLIST>");
    Playlist playlist;
    playlist.AddToPlaylist(good, 0);
    EXPECT_EQ(playlist.PLEntries(), (QStringList{QStringLiteral("C:\\a.swf"), QStringLiteral("/m/b.flv")}));

    const QString broken
        = Write(QStringLiteral("broken.vorlen"), "<?xml version=\"1.0\"?><PLAYLIST build=\"680\"><FILE>/m/a.swf</PLAY");
    const QString empty = Write(QStringLiteral("empty.vorlen"), "");
    Playlist other;
    other.AddToPlaylist(broken, 0);
    other.AddToPlaylist(empty, 0);
    other.AddToPlaylist(dir + QStringLiteral("missing.vorlen"), 0);
    EXPECT_EQ(other.PLLast(), -1);
    EXPECT_EQ(app.LogBody().count(QStringLiteral("Failed to load PL XML<br>")), 3);
}

}  // namespace
