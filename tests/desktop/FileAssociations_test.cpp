#include "DesktopTestSupport.h"

#include "desktop/DesktopEntry.h"
#include "desktop/FileAssociations.h"
#include "desktop/MimeDefaults.h"
#include "options/RegistryStore.h"

#include <QFileInfo>

namespace {

const QString kSwf = QStringLiteral("application/vnd.adobe.flash.movie");
const QString kSwfAlias = QStringLiteral("application/x-shockwave-flash");
const QString kFlv = QStringLiteral("video/x-flv");
const QString kPlaylist = QStringLiteral("application/x-vorlen-playlist");
const QString kPlayer = QStringLiteral("vorlen.desktop");

QString Previous(const char* name)
{
    return ReadRegistryString(QStringLiteral("System"), QLatin1String(name), QStringLiteral("<none>"));
}

class FileAssociationsTest : public ::testing::Test {
protected:
    FileAssociationsTest()
    {
        m_install.programFile = m_desktop.MakeProgram(QStringLiteral("vorlen"));
        m_install.imagesFolder = SourceDir() + QStringLiteral("/data/Images/");
        m_install.playlistComment = QStringLiteral("Flash Playlist & more");
        m_desktop.InstallOtherApplication(
            QStringLiteral("oldflash.desktop"), kSwf + QLatin1Char(';') + kSwfAlias + QLatin1Char(';'));
    }

    FileAssociations Associations() const { return FileAssociations(m_install, DesktopFilePathsIn(m_desktop.dataHome())); }

    TempDesktop m_desktop;
    DesktopInstall m_install;
};

}  // namespace

TEST(DesktopExecArgument, QuotesWhatTheShellWouldSplitAndEscapesForTheEntry)
{
    const struct {
        const char* argument;
        const char* value;
    } cases[] = {
        {"/opt/vorlen/vorlen", "/opt/vorlen/vorlen"},
        {"/home/a b/vorlen", "\"/home/a b/vorlen\""},
        {"/x/100%/vorlen", "/x/100%%/vorlen"},
        {"/x/$HOME/v", "\"/x/\\\\$HOME/v\""},
        {"/x/back\\slash/v", "\"/x/back\\\\\\\\slash/v\""},
        {"/x/say \"hi\"/v", "\"/x/say \\\\\"hi\\\\\"/v\""},
        {"/x/it's/v", "\"/x/it's/v\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DesktopExecArgument(QString::fromUtf8(c.argument)), QString::fromUtf8(c.value)) << c.argument;
}

TEST(MimeAppsWithout, TakesOnlyThePlayerOffTheTypesChoices)
{
    const QString before = QStringLiteral("[Default Applications]\n"
                                          "video/x-flv=vorlen.desktop\n"
                                          "application/vnd.adobe.flash.movie=vorlen.desktop;other.desktop;\n"
                                          "video/x-flvx=vorlen.desktop\n"
                                          "\n"
                                          "[Added Associations]\n"
                                          "video/x-flv=other.desktop;vorlen.desktop;\n"
                                          "[Removed Associations]\n"
                                          "video/x-flv=vorlen.desktop\n");
    const QString flv = MimeAppsWithout(before, kFlv, kPlayer);
    EXPECT_EQ(flv,
        QStringLiteral("[Default Applications]\n"
                       "application/vnd.adobe.flash.movie=vorlen.desktop;other.desktop;\n"
                       "video/x-flvx=vorlen.desktop\n"
                       "\n"
                       "[Added Associations]\n"
                       "video/x-flv=other.desktop;\n"
                       "[Removed Associations]\n"
                       "video/x-flv=vorlen.desktop\n"));
    EXPECT_EQ(MimeAppsWithout(flv, kSwf, kPlayer).count(kPlayer), 2);  // the list keeps the other
    EXPECT_EQ(MimeAppsWithout(before, QStringLiteral("text/plain"), kPlayer), before);
}

TEST_F(FileAssociationsTest, TypesGoToThePlayerAndBackToTheirOwnersOrToNone)
{
    TempDesktop::SetDefault(kSwf, QStringLiteral("oldflash.desktop"));
    ASSERT_EQ(TempDesktop::QueryDefault(kSwf), QStringLiteral("oldflash.desktop"));

    Associations().Apply(true);
    EXPECT_EQ(Previous("PrevSWF"), QStringLiteral("oldflash.desktop"));
    EXPECT_EQ(Previous("PrevFLV"), QString());
    EXPECT_EQ(Previous("PrevPLext"), QString());
    for (const QString& type : {kSwf, kSwfAlias, kFlv, kPlaylist}) {
        EXPECT_EQ(TempDesktop::QueryDefault(type), kPlayer) << type.toStdString();
        EXPECT_TRUE(m_desktop.MimeAppsText().contains(type + QStringLiteral("=vorlen.desktop"))) << type.toStdString();
    }

    // A second save keeps the owner from before the player, not the player itself.
    Associations().Apply(true);
    EXPECT_EQ(Previous("PrevSWF"), QStringLiteral("oldflash.desktop"));

    Associations().Apply(false);
    EXPECT_EQ(TempDesktop::QueryDefault(kSwf), QStringLiteral("oldflash.desktop"));
    EXPECT_EQ(TempDesktop::QueryDefault(kSwfAlias), QStringLiteral("oldflash.desktop"));
    // The types that had no owner have none of the user's again.
    EXPECT_FALSE(m_desktop.MimeAppsText().contains(kPlayer)) << m_desktop.MimeAppsText().toStdString();
    EXPECT_EQ(Previous("PrevSWF"), QStringLiteral("oldflash.desktop"));

    // Switched off twice, nothing changes.
    const QString list = m_desktop.MimeAppsText();
    Associations().Apply(false);
    EXPECT_EQ(m_desktop.MimeAppsText(), list);
}

TEST_F(FileAssociationsTest, AnOwnerChosenUnderTheOlderTypeNameIsRememberedToo)
{
    TempDesktop::SetDefault(kSwfAlias, QStringLiteral("oldflash.desktop"));
    Associations().Apply(true);
    EXPECT_EQ(Previous("PrevSWF"), QStringLiteral("oldflash.desktop"));
    Associations().Apply(false);
    EXPECT_EQ(TempDesktop::QueryDefault(kSwf), QStringLiteral("oldflash.desktop"));
}

TEST_F(FileAssociationsTest, TheEntryIconsAndPlaylistTypeAreInstalledAndRemoved)
{
    const DesktopFilePaths paths = DesktopFilePathsIn(m_desktop.dataHome());
    Associations().Apply(true);

    const QString entry = QString::fromUtf8(ReadAll(paths.entry));
    EXPECT_TRUE(entry.startsWith(QStringLiteral("[Desktop Entry]\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nExec=") + m_install.programFile + QStringLiteral(" %F\n")))
        << entry.toStdString();
    EXPECT_TRUE(entry.contains(QStringLiteral("\nIcon=vorlen\n")));
    for (const QString& type : {kSwf, kSwfAlias, kFlv, kPlaylist})
        EXPECT_TRUE(entry.contains(type + QLatin1Char(';'))) << type.toStdString();
    EXPECT_EQ(ReadAll(paths.appIcon), ReadAll(m_install.imagesFolder + QStringLiteral("vorlen.svg")));
    EXPECT_EQ(ReadAll(paths.playlistIcon), ReadAll(m_install.imagesFolder + QStringLiteral("vorlen-playlist.svg")));

    // The user's MIME database knows the playlists by their extension, named in the language.
    const QString package = QString::fromUtf8(ReadAll(paths.mimePackage));
    EXPECT_TRUE(package.contains(QStringLiteral("<comment>Flash Playlist &amp; more</comment>")));
    const QString globs = QString::fromUtf8(ReadAll(paths.mimeFolder + QStringLiteral("globs2")));
    EXPECT_TRUE(globs.contains(kPlaylist + QStringLiteral(":*.vorlen"))) << globs.toStdString();

    Associations().Apply(false);
    EXPECT_TRUE(QFileInfo::exists(paths.entry));  // switched off, the player stays an application

    Associations().RemoveFiles();
    for (const QString& file : {paths.entry, paths.appIcon, paths.playlistIcon, paths.mimePackage})
        EXPECT_FALSE(QFileInfo::exists(file)) << file.toStdString();
    EXPECT_FALSE(ReadAll(paths.mimeFolder + QStringLiteral("globs2")).contains("vorlen"));
}
