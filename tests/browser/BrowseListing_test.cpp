#include "browser/BrowseDocument.h"
#include "browser/BrowseListing.h"
#include "browser/ThumbnailNames.h"
#include "common/TestSupport.h"
#include "media/MediaTestSupport.h"
#include "media/TestExecutable.h"

#include "base/AppFolders.h"

#include <QDir>

namespace {

TEST(ResolveBrowsePath, ParentsComputerAndCurrentFolder)
{
    const QString current = QStringLiteral("/cur/");
    const struct {
        const char* path;
        const char* folder;
    } cases[] = {
        {"/m/flash", "/m/flash/"},
        {"/m/flash/", "/m/flash/"},
        {"C:\\Flash", "C:/Flash/"},
        {"/m/flash/../", "/m/"},
        {"/m/flash/..", "/m/"},
        {"/m/flash/sub/..\\", "/m/flash/"},
        {"/m/../", "/"},
        {"C:\\Flash\\..\\", "C:/"},
        {"", "/cur/"},
        // The computer: ":\", a drive root's parent and the parent of "/".
        {":\\", ":\\"},
        {"C:\\..\\", ":\\"},
        {"C:/..", ":\\"},
        {"/../", ":\\"},
        {"/..", ":\\"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResolveBrowsePath(QString::fromUtf8(c.path), current), QString::fromUtf8(c.folder)) << c.path;
}

class BrowseListingTest : public ::testing::Test {
protected:
    QString Make(const QString& name, const QByteArray& bytes = "x")
    {
        QDir().mkpath(QFileInfo(m_dir.path() + QLatin1Char('/') + name).path());
        return WriteFile(m_dir.path(), name, bytes);
    }
    QString Folder() const { return m_dir.path() + QLatin1Char('/'); }

    TempAppFolder m_app;
    QTemporaryDir m_dir;
};

QStringList Titles(const BrowseListing& listing)
{
    QStringList titles;
    for (const BrowseEntry& entry : listing.entries)
        titles << QStringLiteral("%1 %2").arg(entry.type).arg(entry.title);
    return titles;
}

TEST_F(BrowseListingTest, FoldersThenMoviesVideosAndProjectorsByName)
{
    Make(QStringLiteral("b.swf"), MakeTestMovie());
    Make(QStringLiteral("A.SWF"), MakeTestMovie());
    Make(QStringLiteral("clip.flv"));
    Make(QStringLiteral("notes.txt"));
    Make(QStringLiteral("image.jpg"));
    Make(QStringLiteral("swf"));  // no extension: not a movie
    Make(QStringLiteral("player.exe"), MakePlayerExecutable());
    Make(QStringLiteral("setup.exe"), MakePlayerExecutable(QStringLiteral("setup.exe")));
    Make(QStringLiteral("zeta/inner.swf"));
    Make(QStringLiteral("Alpha/x.txt"));
    QDir().mkpath(Folder() + QStringLiteral("empty.swf"));  // a folder named like a movie

    BrowseRules rules;
    const BrowseListing listing = ListBrowseFolder(Folder(), QString(), rules);
    EXPECT_EQ(listing.folder, Folder());
    EXPECT_EQ(Titles(listing),
        (QStringList{QStringLiteral("3 Alpha"), QStringLiteral("3 empty.swf"), QStringLiteral("3 zeta"),
            QStringLiteral("1 A.SWF"), QStringLiteral("1 b.swf"), QStringLiteral("1 clip.flv"), QStringLiteral("2 player.exe")}));
    EXPECT_EQ(listing.FoundCount(), 4);
    EXPECT_EQ(listing.entries[0].target, Folder() + QStringLiteral("Alpha/"));
    EXPECT_TRUE(listing.entries[0].thumbnail.isEmpty());
    EXPECT_EQ(listing.entries[3].target, Folder() + QStringLiteral("A.SWF"));
    EXPECT_EQ(listing.entries[3].thumbnail,
        QString(Folder() + QStringLiteral("A.SWF.jpg")).replace(QLatin1Char('/'), QLatin1Char('#')));

    // Without "GenericProjectors" every executable is listed.
    rules.genericProjectors = false;
    rules.satellite = true;
    const BrowseListing all = ListBrowseFolder(Folder(), QString(), rules);
    EXPECT_EQ(all.FoundCount(), 5);
    EXPECT_EQ(all.entries.last().title, QStringLiteral("setup.exe"));
    EXPECT_EQ(all.entries.last().type, BrowseEntry::Projector);
    EXPECT_EQ(all.entries.last().thumbnail, QStringLiteral("setup.jpg"));
}

TEST_F(BrowseListingTest, FoldersOnlyAndMissingFolders)
{
    Make(QStringLiteral("one/a.txt"));
    Make(QStringLiteral("two/b.txt"));
    const BrowseListing listing = ListBrowseFolder(Folder(), QString(), BrowseRules());
    EXPECT_EQ(listing.FoundCount(), 0);
    EXPECT_EQ(listing.entries.size(), 2);

    const BrowseListing missing = ListBrowseFolder(Folder() + QStringLiteral("gone"), QString(), BrowseRules());
    EXPECT_EQ(missing.folder, Folder() + QStringLiteral("gone/"));
    EXPECT_TRUE(missing.entries.isEmpty());
}

TEST_F(BrowseListingTest, ComputerListsVolumes)
{
    BrowseRules rules;
    const BrowseListing computer = ListBrowseFolder(QStringLiteral("/../"), QString(), rules);
    EXPECT_EQ(computer.folder, QStringLiteral(":\\"));
    ASSERT_FALSE(computer.entries.isEmpty());
    EXPECT_EQ(computer.entries[0].target, QStringLiteral("/"));
    for (const BrowseEntry& entry : computer.entries) {
        EXPECT_EQ(entry.type, BrowseEntry::Folder);
        EXPECT_TRUE(entry.target.endsWith(QLatin1Char('/'))) << qPrintable(entry.target);
    }
    rules.computerEntries = [] { return QList<BrowseEntry>{{QStringLiteral("Disk"), QStringLiteral("/d/"), 3, {}}}; };
    EXPECT_EQ(ListBrowseFolder(QStringLiteral("C:\\..\\"), QString(), rules).entries.size(), 1);
}

TEST_F(BrowseListingTest, DocumentByteForByte)
{
    BrowseListing listing;
    listing.folder = QStringLiteral("/m/<a & b>/");
    listing.entries = {
        {QStringLiteral("sub"), QStringLiteral("/m/<a & b>/sub/"), BrowseEntry::Folder, {}},
        {QStringLiteral("\"q\".swf"), QStringLiteral("/m/<a & b>/\"q\".swf"), BrowseEntry::Movie, QStringLiteral("#m#q.swf.jpg")},
        {QStringLiteral("p.exe"), QStringLiteral("/m/<a & b>/p.exe"), BrowseEntry::Projector, QStringLiteral("p.jpg")},
    };
    BrowseTexts texts;
    texts.font = QStringLiteral("Sans");
    texts.browse = QStringLiteral("Browse Media");
    texts.found = QStringLiteral("Media Files Found:");
    texts.explore = QStringLiteral("Explore This Folder");
    texts.wait = QStringLiteral("Loading");
    EXPECT_EQ(BrowseDocumentText(texts, listing, 240, QStringLiteral("/cache/"), QStringLiteral("Not <found>")),
        QStringLiteral("<?xml version=\"1.0\"?><BROWSE><FONT>Sans</FONT><BROWSE>Browse Media</BROWSE>"
                       "<FOUND>Media Files Found: 2</FOUND><EXPLORE>Explore This Folder</EXPLORE><SCROLL>240</SCROLL>"
                       "<FOLDER>/m/&#60;a &#38; b&#62;/</FOLDER><CACHE>/cache/</CACHE><WAIT>Loading</WAIT>"
                       "<ERROR>Not &#60;found&#62;</ERROR>"
                       "<JPEG></JPEG><TITLE>sub</TITLE><TYPE>3</TYPE>"
                       "<JPEG>#m#q.swf.jpg</JPEG><TITLE>&#34;q&#34;.swf</TITLE><TYPE>1</TYPE>"
                       "<JPEG>p.jpg</JPEG><TITLE>p.exe</TITLE><TYPE>2</TYPE></BROWSE>"));
}

TEST_F(BrowseListingTest, DefaultTextsWithoutALanguage)
{
    const BrowseTexts texts = CurrentBrowseTexts();
    EXPECT_EQ(texts.browse, QStringLiteral("Browse Media"));
    EXPECT_EQ(texts.found, QStringLiteral("Media Files Found:"));
    EXPECT_EQ(texts.explore, QStringLiteral("Explore This Folder"));
    EXPECT_EQ(texts.wait, QStringLiteral("Loading"));
}

}  // namespace
