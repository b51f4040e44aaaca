#include "browser/RecentMovies.h"
#include "browser/RecentlyUsedFile.h"
#include "common/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <pugixml.hpp>

namespace {

// Points $XDG_DATA_HOME at a fresh folder for the duration of a test.
class DataHome {
public:
    DataHome()
        : m_old(qgetenv("XDG_DATA_HOME"))
    {
        qputenv("XDG_DATA_HOME", (m_dir.path() + QStringLiteral("/share")).toUtf8());
    }
    ~DataHome()
    {
        if (m_old.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", m_old);
    }
    QString Path() const { return m_dir.path() + QStringLiteral("/share/"); }

private:
    QTemporaryDir m_dir;
    QByteArray m_old;
};

class RecentMoviesTest : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    QStringList reported;
    QStringList folders;

    RecentServices Services()
    {
        RecentServices services;
        services.fitCaption = [](const QString& path) { return QStringLiteral("...") + path.right(8); };
        services.setBrowserFolder = [this](const QString& folder) { folders.append(folder); };
        services.reportToDesktop = [this](const QString& path) { reported.append(path); };
        return services;
    }
    QString Movie(const QString& name)
    {
        const QString path = tmp.path() + QLatin1Char('/') + name;
        EXPECT_TRUE(WriteAll(path, "FWS"));
        return path;
    }
    static QStringList Tags(const RecentMovies& recent)
    {
        QStringList tags;
        for (int i = 0; i <= recent.Count(); ++i)
            tags.append(recent.Tag(i));
        return tags;
    }
};

TEST_F(RecentMoviesTest, NewestFirstAtMostFive)
{
    RecentMovies recent(Services());
    EXPECT_EQ(recent.Count(), -1);
    for (int i = 1; i <= 6; ++i)
        recent.AddRecent(QStringLiteral("/m/%1.swf").arg(i));
    EXPECT_EQ(recent.Count(), 4);
    EXPECT_EQ(Tags(recent),
        (QStringList{QStringLiteral("/m/6.swf"), QStringLiteral("/m/5.swf"), QStringLiteral("/m/4.swf"),
            QStringLiteral("/m/3.swf"), QStringLiteral("/m/2.swf")}));
    EXPECT_EQ(recent.Caption(0), QStringLiteral(".../m/6.swf"));
    EXPECT_EQ(recent.rowCount(), 5);
    EXPECT_EQ(recent.data(recent.index(1), RecentMovies::TagRole).toString(), QStringLiteral("/m/5.swf"));
    EXPECT_EQ(reported.size(), 6);
    EXPECT_EQ(folders.last(), QStringLiteral("/m/"));
}

TEST_F(RecentMoviesTest, KnownPathMovesToTopIgnoringCase)
{
    RecentMovies recent(Services());
    for (const char* path : {"/m/a.swf", "/m/b.swf", "/m/c.swf"})
        recent.AddRecent(QString::fromLatin1(path));
    recent.AddRecent(QStringLiteral("/M/A.SWF"));
    EXPECT_EQ(Tags(recent), (QStringList{QStringLiteral("/M/A.SWF"), QStringLiteral("/m/c.swf"), QStringLiteral("/m/b.swf")}));
    recent.AddRecent(QStringLiteral("/m/c.swf"));
    EXPECT_EQ(Tags(recent), (QStringList{QStringLiteral("/m/c.swf"), QStringLiteral("/M/A.SWF"), QStringLiteral("/m/b.swf")}));
}

TEST_F(RecentMoviesTest, TheLastPlayedPlaylistIsIgnored)
{
    RecentMovies recent(Services());
    recent.SetLastPlayedPath(QStringLiteral("/home/u/Ve Zedaz/Last Played Temp.vorlen"));
    recent.AddRecent(QStringLiteral("/home/u/Ve Zedaz/last played temp.vorlen"));
    EXPECT_EQ(recent.Count(), -1);
    EXPECT_TRUE(reported.isEmpty());
    EXPECT_TRUE(folders.isEmpty());
}

TEST_F(RecentMoviesTest, LoadThroughTheOptionSlots)
{
    const QString a = Movie(QStringLiteral("a.swf"));
    const QString b = Movie(QStringLiteral("b.flv"));
    const QString gone = tmp.path() + QStringLiteral("/gone.swf");
    RecentMovies recent(Services());
    recent.LoadRecent(true, {a, gone, QString(), b});
    EXPECT_TRUE(recent.IsMenuVisible());
    EXPECT_EQ(Tags(recent), (QStringList{a, b}));

    recent.LoadRecent(false, {a, b});
    EXPECT_FALSE(recent.IsMenuVisible());
    EXPECT_EQ(recent.Count(), -1);
}

TEST(RecentlyUsedFileTest, AddsAndUpdatesBookmarksKeepingOthers)
{
    DataHome home;
    EXPECT_EQ(RecentlyUsedFilePath(), home.Path() + QStringLiteral("recently-used.xbel"));
    QDir().mkpath(home.Path());
    const QByteArray existing = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                "<xbel version=\"1.0\" xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\""
                                " xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                                "  <bookmark href=\"file:///other/doc.txt\" added=\"2020-01-01T00:00:00Z\"/>\n"
                                "</xbel>\n";
    ASSERT_TRUE(WriteAll(RecentlyUsedFilePath(), existing));

    ASSERT_TRUE(AddToRecentlyUsed(QStringLiteral("/movies/my film.swf")));
    ASSERT_TRUE(AddToRecentlyUsed(QStringLiteral("/movies/my film.swf")));
    ASSERT_TRUE(AddToRecentlyUsed(QStringLiteral("/movies/clip.FLV")));

    pugi::xml_document document;
    const QByteArray bytes = ReadAll(RecentlyUsedFilePath());
    ASSERT_TRUE(document.load_buffer(bytes.constData(), bytes.size()));
    const pugi::xml_node root = document.child("xbel");
    EXPECT_TRUE(root.find_child_by_attribute("bookmark", "href", "file:///other/doc.txt"));
    const pugi::xml_node film = root.find_child_by_attribute("bookmark", "href", "file:///movies/my%20film.swf");
    ASSERT_TRUE(film);
    EXPECT_TRUE(film.attribute("added"));
    EXPECT_TRUE(film.attribute("visited"));
    const pugi::xml_node metadata = film.child("info").child("metadata");
    EXPECT_STREQ(metadata.child("mime:mime-type").attribute("type").value(), "application/vnd.adobe.flash.movie");
    const pugi::xml_node application
        = metadata.child("bookmark:applications").find_child_by_attribute("bookmark:application", "name", "Vorlen");
    EXPECT_EQ(application.attribute("count").as_int(), 2);
    const pugi::xml_node clip = root.find_child_by_attribute("bookmark", "href", "file:///movies/clip.FLV");
    EXPECT_STREQ(clip.child("info").child("metadata").child("mime:mime-type").attribute("type").value(), "video/x-flv");
    int bookmarks = 0;
    for (pugi::xml_node node = root.child("bookmark"); node; node = node.next_sibling("bookmark"))
        ++bookmarks;
    EXPECT_EQ(bookmarks, 3);
}

TEST(RecentlyUsedFileTest, CreatesTheListAndLeavesForeignOrUnwritableOnesAlone)
{
    DataHome home;
    // No folder and no file yet: both are created.
    ASSERT_TRUE(AddToRecentlyUsed(QStringLiteral("/movies/a.swf")));
    EXPECT_TRUE(ReadAll(RecentlyUsedFilePath()).contains("file:///movies/a.swf"));

    // A damaged list is not overwritten.
    const QByteArray damaged = "<xbel version=\"1.0\"><bookmark href=\"file:///x\"";
    ASSERT_TRUE(WriteAll(RecentlyUsedFilePath(), damaged));
    EXPECT_FALSE(AddToRecentlyUsed(QStringLiteral("/movies/b.swf")));
    EXPECT_EQ(ReadAll(RecentlyUsedFilePath()), damaged);

    // A data folder that cannot exist (a file stands in its place): skipped.
    QFile::remove(RecentlyUsedFilePath());
    QDir(home.Path()).removeRecursively();
    ASSERT_TRUE(WriteAll(home.Path().chopped(1), "not a folder"));
    EXPECT_FALSE(AddToRecentlyUsed(QStringLiteral("/movies/c.swf")));
}

TEST(RecentlyUsedFileTest, RecentMoviesReportToTheDesktopByDefault)
{
    DataHome home;
    RecentMovies recent;
    recent.AddRecent(QStringLiteral("/movies/default.swf"));
    EXPECT_TRUE(ReadAll(RecentlyUsedFilePath()).contains("file:///movies/default.swf"));
}

}  // namespace
