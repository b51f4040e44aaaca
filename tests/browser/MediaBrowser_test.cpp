#include "BrowserTestSupport.h"

#include "base/AppFolders.h"
#include "browser/FrmShot.h"
#include "browser/ThumbnailNames.h"
#include "media/MediaTestSupport.h"
#include "options/RegistryStore.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace {

class MediaBrowserTest : public BrowserPlayerTest {
protected:
    // The folder: two sub-folders, two movies, a video and a text file.
    QString MakeFolder()
    {
        WriteMovie(QStringLiteral("lib/b.swf"));
        WriteMovie(QStringLiteral("lib/a.swf"));
        WriteFile(QStringLiteral("lib/clip.flv"), "FLV");
        WriteFile(QStringLiteral("lib/readme.txt"), "text");
        WriteMovie(QStringLiteral("lib/games/g.swf"));
        QDir().mkpath(FolderPath() + QStringLiteral("lib/empty"));
        return FolderPath() + QStringLiteral("lib/");
    }
    QString Cached(const QString& movie) const { return BrowserThumbnailPath(movie, false); }
};

TEST_F(MediaBrowserTest, TheGridIsShownFirstAndMissingThumbnailsFollow)
{
    const QString folder = MakeFolder();
    // One thumbnail is there already and is used as it is.
    WriteAll(Cached(folder + QStringLiteral("b.swf")), "jpeg");
    MakeBrowserPlayer();
    swf().calls.clear();
    Mark();
    m_mediaBrowser.BrowseFolder(folder);

    // The document and the movie come before any shot.
    EXPECT_TRUE(m_shooter.shots.isEmpty());
    EXPECT_TRUE(m_mediaBrowser.IsBrowsing());
    EXPECT_TRUE(player().IsBrowsing());
    EXPECT_EQ(player().windowTitle(), QStringLiteral("Vorlen - Browse Media"));
    const QString load = swf().calls.filter(QStringLiteral("LoadMovie 0 ")).value(0);
    EXPECT_TRUE(load.startsWith(QStringLiteral("LoadMovie 0 ") + Folders().flash + QStringLiteral("browse.swf?myXML=")))
        << load.toStdString();
    EXPECT_TRUE(
        load.endsWith(QStringLiteral("&noanim=") + (m_options.noAnimation ? QStringLiteral("True") : QStringLiteral("False"))))
        << load.toStdString();
    const QString xml = BrowseXml();
    EXPECT_TRUE(xml.contains(QStringLiteral("<FOUND>Media Files Found: 3</FOUND>"))) << xml.toStdString();
    EXPECT_TRUE(xml.contains(QStringLiteral("<FOLDER>") + folder + QStringLiteral("</FOLDER><CACHE>") + Folders().cache))
        << xml.toStdString();
    EXPECT_TRUE(xml.contains(QStringLiteral("<JPEG></JPEG><TITLE>empty</TITLE><TYPE>3</TYPE>")));
    EXPECT_EQ(m_mediaBrowser.ItemCount(), 5);
    EXPECT_EQ(m_mediaBrowser.ItemPath(1), folder + QStringLiteral("empty/"));
    EXPECT_TRUE(m_mediaBrowser.ItemIsFolder(2));
    EXPECT_EQ(m_mediaBrowser.ItemPath(3), folder + QStringLiteral("a.swf"));
    EXPECT_EQ(m_options.lastMediaFolder, folder);
    EXPECT_TRUE(ContainsInOrder(LogSinceMark(),
        {QStringLiteral(" :: New Media Browse (") + folder + QStringLiteral(")<br>"), QStringLiteral(" :: LoadFlash ("),
            QStringLiteral("Thumbnail Generation (2)<br>")}))
        << LogSinceMark().join(QLatin1Char('\n')).toStdString();
    ASSERT_NE(m_mediaBrowser.ShotWindow(), nullptr);
    EXPECT_TRUE(m_mediaBrowser.ShotWindow()->ProgressVisible());

    // Then the missing ones, in list order; each is announced to the grid as it arrives.
    QStringList captions;
    m_shooter.during = [&](const QString&) { captions << m_mediaBrowser.ShotWindow()->Caption(); };
    ASSERT_TRUE(WaitForShots());
    EXPECT_EQ(m_shooter.shots, (QStringList{folder + QStringLiteral("a.swf"), folder + QStringLiteral("clip.flv")}));
    EXPECT_EQ(captions, (QStringList{QStringLiteral("Creating 1 of 2 "), QStringLiteral("Creating 2 of 2 ")}));
    EXPECT_EQ(m_shooter.qualities, (QList<int>{90, 90}));
    EXPECT_TRUE(QFileInfo::exists(Cached(folder + QStringLiteral("clip.flv"))));
    EXPECT_EQ(ReadAll(Cached(folder + QStringLiteral("b.swf"))), QByteArray("jpeg"));
    const int announced = swf().calls.indexOf(QStringLiteral("SetVariable _root.shot 3"));
    ASSERT_GE(announced, 0) << Calls().toStdString();
    EXPECT_EQ(swf().calls.value(announced + 1), QStringLiteral("TCallLabel vbCall SHOT"));
    EXPECT_TRUE(swf().calls.contains(QStringLiteral("SetVariable _root.shot 5")));

    // A second browse finds them all and takes none.
    m_shooter.shots.clear();
    m_mediaBrowser.BrowseFolder(folder);
    EXPECT_TRUE(WaitForShots());
    EXPECT_TRUE(m_shooter.shots.isEmpty());
}

TEST_F(MediaBrowserTest, OneShotHasNoProgressBarAndCancelStopsTheRest)
{
    const QString folder = MakeFolder();
    MakeBrowserPlayer();
    WriteAll(Cached(folder + QStringLiteral("a.swf")), "jpeg");
    WriteAll(Cached(folder + QStringLiteral("clip.flv")), "jpeg");
    m_mediaBrowser.BrowseFolder(folder);
    ASSERT_NE(m_mediaBrowser.ShotWindow(), nullptr);
    EXPECT_FALSE(m_mediaBrowser.ShotWindow()->ProgressVisible());
    ASSERT_TRUE(WaitForShots());
    EXPECT_EQ(m_shooter.shots.size(), 1);

    // Cancel while the first of three shots is taken.
    QFile::remove(Cached(folder + QStringLiteral("a.swf")));
    QFile::remove(Cached(folder + QStringLiteral("b.swf")));
    QFile::remove(Cached(folder + QStringLiteral("clip.flv")));
    m_shooter.shots.clear();
    m_shooter.during = [&](const QString&) {
        if (m_mediaBrowser.ShotWindow())
            Q_EMIT m_mediaBrowser.ShotWindow()->Cancelled();
    };
    m_mediaBrowser.BrowseFolder(folder);
    ASSERT_TRUE(WaitForShots());
    EXPECT_EQ(m_shooter.shots.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(Cached(folder + QStringLiteral("a.swf"))));
    EXPECT_FALSE(QFileInfo::exists(Cached(folder + QStringLiteral("clip.flv"))));
}

TEST_F(MediaBrowserTest, ANewListingDuringAShotTakesOverTheShots)
{
    const QString folder = MakeFolder();
    MakeBrowserPlayer();
    bool once = true;
    m_shooter.during = [&](const QString&) {
        if (once) {
            once = false;
            m_mediaBrowser.BrowseFolder(folder + QStringLiteral("games/"));
        }
    };
    m_mediaBrowser.BrowseFolder(folder);
    ASSERT_TRUE(WaitForShots());
    // The first listing's shot was cancelled; the second listing's movie was taken.
    EXPECT_EQ(m_shooter.shots, (QStringList{folder + QStringLiteral("a.swf"), folder + QStringLiteral("games/g.swf")}));
    EXPECT_FALSE(QFileInfo::exists(Cached(folder + QStringLiteral("a.swf"))));
    EXPECT_TRUE(QFileInfo::exists(Cached(folder + QStringLiteral("games/g.swf"))));
    EXPECT_EQ(m_mediaBrowser.CurrentFolder(), folder + QStringLiteral("games/"));
    EXPECT_FALSE(swf().calls.contains(QStringLiteral("SetVariable _root.shot 3")));
}

TEST_F(MediaBrowserTest, ClicksHoversAndTheScrollPosition)
{
    const QString folder = MakeFolder();
    MakeBrowserPlayer();
    m_mediaBrowser.BrowseFolder(folder);
    WaitForShots();

    Command(QStringLiteral("BROWSESCROLL"), QStringLiteral("240"));
    Command(QStringLiteral("SHOTOVER"), QStringLiteral("3"));
    EXPECT_EQ(m_mediaBrowser.SelectedItem(), folder + QStringLiteral("a.swf"));
    Command(QStringLiteral("SHOTOVER"), QStringLiteral("6"));  // beyond the items: kept as it was
    EXPECT_EQ(m_mediaBrowser.Hovered(), 3);
    Command(QStringLiteral("SHOTOVER"), QStringLiteral("0"));
    EXPECT_EQ(m_mediaBrowser.SelectedItem(), folder + QStringLiteral(".."));

    // Clicks outside 1..count do nothing.
    swf().calls.clear();
    Command(QStringLiteral("SHOTCLICK"), QStringLiteral("0"));
    Command(QStringLiteral("SHOTCLICK"), QStringLiteral("6"));
    EXPECT_TRUE(swf().calls.isEmpty());

    // The scroll position goes into the next listing; a folder is shown from its top.
    Command(QStringLiteral("MEOWSEARCH"), QString());
    EXPECT_TRUE(BrowseXml().contains(QStringLiteral("<SCROLL>0</SCROLL>")));
    Command(QStringLiteral("BROWSESCROLL"), QStringLiteral("120"));
    m_mediaBrowser.BrowseMedia();
    EXPECT_TRUE(BrowseXml().contains(QStringLiteral("<SCROLL>120</SCROLL>")));
    Command(QStringLiteral("SHOTCLICK"), QStringLiteral("2"));
    EXPECT_EQ(m_mediaBrowser.CurrentFolder(), folder + QStringLiteral("games/"));
    EXPECT_EQ(m_mediaBrowser.Scroll(), 0);
    WaitForShots();

    // A movie becomes the playlist and plays; the browser is left.
    Command(QStringLiteral("SHOTCLICK"), QStringLiteral("1"));
    ASSERT_EQ(player().playlist().PLEntries(), QStringList{folder + QStringLiteral("games/g.swf")});
    EXPECT_EQ(player().MediaInfo().SourcePath, folder + QStringLiteral("games/g.swf"));
    EXPECT_FALSE(m_mediaBrowser.IsBrowsing());
    EXPECT_FALSE(player().IsBrowsing());

    // The parent of a folder, as the browser movie asks for it.
    Command(QStringLiteral("MEOWSEARCH"), folder + QStringLiteral("games/../"));
    EXPECT_EQ(m_mediaBrowser.CurrentFolder(), folder);
}

TEST_F(MediaBrowserTest, ChoosingAFolder)
{
    const QString folder = MakeFolder();
    MakeBrowserPlayer();
    m_mediaBrowser.BrowseFolder(folder);
    m_dialogs.folderAnswer.clear();
    Mark();
    Command(QStringLiteral("MEOWBROWSE"), QString());
    EXPECT_EQ(m_dialogs.lastTitle, QStringLiteral("Select Folder to Browse Media in:"));
    EXPECT_EQ(m_dialogs.lastFolder, folder);
    EXPECT_TRUE(LogSinceMark().isEmpty());  // cancelled: nothing happens

    m_dialogs.folderAnswer = folder + QStringLiteral("games");
    Command(QStringLiteral("MEOWBROWSE"), folder + QStringLiteral("empty/"));
    EXPECT_EQ(m_dialogs.lastFolder, folder + QStringLiteral("empty/"));
    EXPECT_EQ(m_mediaBrowser.CurrentFolder(), folder + QStringLiteral("games/"));
    EXPECT_EQ(m_mediaBrowser.ItemCount(), 1);
}

TEST_F(MediaBrowserTest, SatelliteThumbnailsLiveBesideTheMoviesAndAreServed)
{
    const QString folder = MakeFolder();
    m_options.satellite = true;
    MakeBrowserPlayer();
    // LoadOpts reads the stored value: set it again for the test.
    m_options.satellite = true;
    swf().calls.clear();
    m_mediaBrowser.BrowseFolder(folder);
    EXPECT_TRUE(swf().calls.contains(QStringLiteral("AllowFolder ") + folder)) << Calls().toStdString();
    EXPECT_TRUE(BrowseXml().contains(QStringLiteral("<CACHE>") + folder + QStringLiteral("</CACHE>")));
    EXPECT_TRUE(BrowseXml().contains(QStringLiteral("<JPEG>a.jpg</JPEG><TITLE>a.swf</TITLE>")));
    ASSERT_TRUE(WaitForShots());
    EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("a.jpg")));
    EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("clip.jpg")));
}

TEST_F(MediaBrowserTest, FailedLoadsShowTheirTextInTheBrowser)
{
    const QString folder = MakeFolder();
    WriteFile(QStringLiteral("lib/broken.swf"), "this is not a movie");
    MakeBrowserPlayer();
    m_mediaBrowser.BrowseFolder(folder);
    WaitForShots();
    const int broken = m_mediaBrowser.Listing().entries.indexOf(
                           BrowseEntry{QStringLiteral("broken.swf"), folder + QStringLiteral("broken.swf"), BrowseEntry::Movie,
                               BrowserThumbnailName(folder + QStringLiteral("broken.swf"), false)})
        + 1;
    ASSERT_GT(broken, 0);
    Command(QStringLiteral("SHOTCLICK"), QString::number(broken));
    EXPECT_TRUE(m_mediaBrowser.IsBrowsing());
    const QString xml = BrowseXml();
    EXPECT_TRUE(xml.contains(QStringLiteral("<ERROR>Not a Flash Movie</ERROR>"))) << xml.toStdString();
    EXPECT_TRUE(xml.contains(QStringLiteral("<FOLDER>") + folder));
    EXPECT_TRUE(LogBody().filter(QStringLiteral("Failed to load, since")).size() == 1);
}

TEST_F(MediaBrowserTest, BrowseMediaStartsInTheFlashFolderWhenAsked)
{
    MakeFolder();
    WriteMovie(QStringLiteral("Ve Zedaz/mine.swf"));
    MakeBrowserPlayer();
    m_options.lastMediaFolder = FolderPath() + QStringLiteral("lib/");
    m_options.browseDefault = true;
    Mark();
    ASSERT_TRUE(player().RunCommand(QStringLiteral("mnuBrowse")));
    EXPECT_EQ(LogSinceMark().value(1), QStringLiteral(" :: Media Browse<br>"));
    EXPECT_EQ(m_mediaBrowser.CurrentFolder(), MyFlash());
    EXPECT_EQ(m_mediaBrowser.ItemPath(m_mediaBrowser.ItemCount()), MyFlash() + QStringLiteral("mine.swf"));
}

TEST_F(MediaBrowserTest, TheBrowserKeepsAWindowSizeOfItsOwn)
{
    MakeFolder();
    WriteRegistryString(QStringLiteral("Window"), QStringLiteral("BrowseWidth"), QStringLiteral("9000"));
    WriteRegistryString(QStringLiteral("Window"), QStringLiteral("BrowseHeight"), QStringLiteral("6000"));
    MakeBrowserPlayer();
    player().ShowPlayer();
    m_mediaBrowser.BrowseFolder(FolderPath() + QStringLiteral("lib/"));
    const QSize outer = player().frameGeometry().size();
    EXPECT_NEAR(outer.width(), 9000 / player().TwipsPerPixelX(), 1);
    EXPECT_NEAR(outer.height(), 6000 / player().TwipsPerPixelY(), 1);
}

}  // namespace
