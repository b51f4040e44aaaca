#include "BrowserTestSupport.h"

#include "base/AppFolders.h"
#include "browser/FrmDecompiler.h"
#include "browser/FrmGenerator.h"
#include "browser/FrmInfo.h"
#include "browser/ThumbnailNames.h"
#include "media/MediaTestSupport.h"
#include "media/TestExecutable.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>

namespace {

// The item pop-up menu's commands through the player, on a temporary folder.
class BrowserToolsTest : public BrowserPlayerTest {
protected:
    BrowserToolsTest()
        : m_oldDataHome(qgetenv("XDG_DATA_HOME"))
    {
        // The trash lives below the user's data folder: the test's own.
        qputenv("XDG_DATA_HOME", (FolderPath() + QStringLiteral("share")).toUtf8());
    }
    ~BrowserToolsTest() override
    {
        if (m_oldDataHome.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", m_oldDataHome);
    }
    // Browses "lib/" (folders "in" and "out", movies "a.swf" and "b.swf") and waits for its shots.
    void Browse()
    {
        WriteMovie(QStringLiteral("lib/a.swf"));
        WriteMovie(QStringLiteral("lib/b.swf"));
        QDir().mkpath(Lib() + QStringLiteral("in"));
        QDir().mkpath(Lib() + QStringLiteral("out"));
        MakeBrowserPlayer();
        m_mediaBrowser.BrowseFolder(Lib());
        WaitForShots();
    }
    QString Lib() const { return FolderPath() + QStringLiteral("lib/"); }
    // Runs an item pop-up command on the browser's item number.
    bool OnItem(int number, const char* command)
    {
        Command(QStringLiteral("SHOTOVER"), QString::number(number));
        return player().RunCommand(QLatin1String(command));
    }
    int Browses() const { return LogBody().filter(QStringLiteral(" :: New Media Browse (")).size(); }

    QByteArray m_oldDataHome;
};

// Items: 1 in/, 2 out/, 3 a.swf, 4 b.swf.

TEST_F(BrowserToolsTest, CopyPasteOntoAFolderThenTheClipboardIsEmpty)
{
    Browse();
    ASSERT_EQ(m_mediaBrowser.ItemPath(3), Lib() + QStringLiteral("a.swf"));
    ASSERT_TRUE(OnItem(3, "mnuItemCopy"));
    const int before = Browses();
    ASSERT_TRUE(OnItem(1, "mnuFolderPaste"));
    EXPECT_EQ(ReadAll(Lib() + QStringLiteral("in/a.swf")), ReadAll(Lib() + QStringLiteral("a.swf")));
    EXPECT_TRUE(m_browserDialogs.warnings.isEmpty());
    EXPECT_FALSE(m_tools.Clipboard().HasItem());
    EXPECT_EQ(Browses(), before + 1);  // the listing follows

    // Nothing is pending: a second paste does nothing.
    OnItem(2, "mnuFolderPaste");
    EXPECT_FALSE(QFileInfo::exists(Lib() + QStringLiteral("out/a.swf")));
    EXPECT_EQ(Browses(), before + 1);
}

TEST_F(BrowserToolsTest, PasteConflictsAreReportedAndNothingIsOverwritten)
{
    Browse();
    WriteFile(QStringLiteral("lib/in/a.swf"), "older");
    OnItem(3, "mnuItemCut");
    const int before = Browses();
    OnItem(1, "mnuFolderPaste");
    ASSERT_EQ(m_browserDialogs.warnings.size(), 1);
    EXPECT_TRUE(m_browserDialogs.warnings[0].contains(Lib() + QStringLiteral("in/a.swf")));
    EXPECT_EQ(ReadAll(Lib() + QStringLiteral("in/a.swf")), QByteArray("older"));
    EXPECT_TRUE(QFileInfo::exists(Lib() + QStringLiteral("a.swf")));
    EXPECT_EQ(Browses(), before);

    // Between the cells the pop-up is on the listing's folder: the paste goes there, as a move.
    OnItem(4, "mnuItemCut");
    OnItem(2, "mnuFolderPaste");
    EXPECT_TRUE(QFileInfo::exists(Lib() + QStringLiteral("out/b.swf")));
    EXPECT_FALSE(QFileInfo::exists(Lib() + QStringLiteral("b.swf")));
    m_mediaBrowser.BrowseFolder(Lib() + QStringLiteral("out/"));
    OnItem(1, "mnuItemCut");
    OnItem(0, "mnuFolderPaste");  // into out/ itself: already there
    EXPECT_EQ(m_browserDialogs.warnings.size(), 2);
    m_mediaBrowser.BrowseFolder(Lib());
    OnItem(0, "mnuFolderPaste");
    EXPECT_TRUE(QFileInfo::exists(Lib() + QStringLiteral("b.swf")));
    EXPECT_EQ(m_mediaBrowser.ItemPath(4), Lib() + QStringLiteral("b.swf"));
}

TEST_F(BrowserToolsTest, DeleteAsksThenMovesToTheTrash)
{
    Browse();
    m_browserDialogs.confirmAnswer = false;
    OnItem(3, "mnuItemDelete");
    ASSERT_EQ(m_browserDialogs.questions.size(), 1);
    EXPECT_TRUE(m_browserDialogs.questions[0].contains(Lib() + QStringLiteral("a.swf")));
    EXPECT_TRUE(QFileInfo::exists(Lib() + QStringLiteral("a.swf")));

    m_browserDialogs.confirmAnswer = true;
    OnItem(3, "mnuItemDelete");
    EXPECT_FALSE(QFileInfo::exists(Lib() + QStringLiteral("a.swf")));
    EXPECT_TRUE(QFileInfo::exists(FolderPath() + QStringLiteral("share/Trash/files/a.swf")));
    EXPECT_EQ(m_mediaBrowser.ItemPath(3), Lib() + QStringLiteral("b.swf"));

    // An item that is gone meanwhile: a message, nothing else.
    QFile::remove(Lib() + QStringLiteral("b.swf"));
    OnItem(3, "mnuItemDelete");
    EXPECT_EQ(m_browserDialogs.warnings.size(), 1);
}

TEST_F(BrowserToolsTest, RenameChecksTheNewName)
{
    Browse();
    m_browserDialogs.nameAnswer.clear();  // Cancel
    OnItem(3, "mnuItemRename");
    EXPECT_EQ(m_browserDialogs.lastProposal, QStringLiteral("a"));
    EXPECT_TRUE(QFileInfo::exists(Lib() + QStringLiteral("a.swf")));

    m_browserDialogs.nameAnswer = QStringLiteral("b");
    OnItem(3, "mnuItemRename");
    ASSERT_EQ(m_browserDialogs.warnings.size(), 1);
    EXPECT_TRUE(QFileInfo::exists(Lib() + QStringLiteral("a.swf")));

    m_browserDialogs.nameAnswer = QStringLiteral("../up");
    OnItem(3, "mnuItemRename");
    EXPECT_EQ(m_browserDialogs.warnings.size(), 2);
    EXPECT_FALSE(QFileInfo::exists(FolderPath() + QStringLiteral("up.swf")));

    m_browserDialogs.nameAnswer = QStringLiteral("final");
    OnItem(3, "mnuItemRename");
    EXPECT_TRUE(QFileInfo::exists(Lib() + QStringLiteral("final.swf")));
    EXPECT_EQ(m_mediaBrowser.ItemPath(4), Lib() + QStringLiteral("final.swf"));
}

TEST_F(BrowserToolsTest, PlayFromTheBrowserOrThePlaylist)
{
    Browse();
    OnItem(4, "mnuMoviePlay");
    EXPECT_EQ(player().playlist().PLEntries(), QStringList{Lib() + QStringLiteral("b.swf")});
    EXPECT_EQ(player().MediaInfo().SourcePath, Lib() + QStringLiteral("b.swf"));

    // On the playlist box: its entry plays, the playlist stays.
    player().playlist().AddToPlaylist(Lib() + QStringLiteral("a.swf"), 0);
    player().SelectListItem(1);
    ASSERT_EQ(player().PopUpPlaylistEntry(), 1);
    ASSERT_TRUE(player().RunCommand(QStringLiteral("mnuMoviePlay")));
    EXPECT_EQ(player().playlist().PLEntries().size(), 2);
    EXPECT_EQ(player().MediaInfo().SourcePath, Lib() + QStringLiteral("a.swf"));

    // Explore and show the file.
    m_mediaBrowser.BrowseFolder(Lib());
    OnItem(1, "mnuFolderShow");
    OnItem(3, "mnuMovieFile");
    EXPECT_EQ(m_browserDialogs.openedFolders, QStringList{Lib() + QStringLiteral("in/")});
    EXPECT_EQ(m_browserDialogs.shownItems, QStringList{Lib() + QStringLiteral("a.swf")});
}

TEST_F(BrowserToolsTest, InformationExtractionAndGeneratorOnItems)
{
    Browse();
    QStringList notes;
    m_browserDialogs.onDialog = [&](QDialog& dialog) {
        if (auto* info = qobject_cast<FrmInfo*>(&dialog))
            notes << info->Label(QStringLiteral("lblVersion"))->text();
        if (auto* generator = qobject_cast<FrmGenerator*>(&dialog))
            notes << generator->findChild<QLineEdit*>(QStringLiteral("txtSource"))->text();
    };
    OnItem(3, "mnuMovieInfo");
    OnItem(3, "mnuMovieExtract");
    OnItem(1, "mnuFolderGenerator");
    OnItem(3, "mnuFolderGenerator");
    EXPECT_EQ(m_browserDialogs.dialogs,
        (QStringList{QStringLiteral("frmInfo"), QStringLiteral("frmDecompiler"), QStringLiteral("frmGenerator"),
            QStringLiteral("frmGenerator")}));
    EXPECT_EQ(notes, (QStringList{QStringLiteral("Version: 8"), Lib() + QStringLiteral("in/"), Lib()}));

    // A file that is no movie: a message, no dialog.
    WriteFile(QStringLiteral("lib/fake.swf"), "no movie here");
    m_mediaBrowser.Refresh();
    ASSERT_EQ(m_mediaBrowser.ItemPath(5), Lib() + QStringLiteral("fake.swf"));
    OnItem(5, "mnuMovieExtract");
    ASSERT_EQ(m_browserDialogs.warnings.size(), 1);
    EXPECT_EQ(m_browserDialogs.warnings[0], QStringLiteral("fake.swf: Not a Flash Movie"));
    EXPECT_EQ(m_browserDialogs.dialogs.size(), 4);
}

TEST_F(BrowserToolsTest, ConvertingAnItemAsksWhereAndSaysWhyItFailed)
{
    Browse();
    m_dialogs.saveAnswer.clear();
    OnItem(3, "mnuMovieConvert");
    EXPECT_EQ(m_dialogs.lastTitle, QStringLiteral("Convert to EXE"));
    EXPECT_EQ(m_dialogs.lastFilter, QStringLiteral("Flash Projector (EXE)|*.exe"));
    EXPECT_TRUE(m_browserDialogs.warnings.isEmpty());

    // No player template in the binary folder: the reason is shown and nothing is written.
    m_dialogs.saveAnswer = FolderPath() + QStringLiteral("a");
    OnItem(3, "mnuMovieConvert");
    ASSERT_EQ(m_browserDialogs.warnings.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(FolderPath() + QStringLiteral("a.exe")));

    // With a template the projector is written.
    WriteAll(Folders().binary + QStringLiteral("projector.dll"), MakePlayerExecutable());
    OnItem(3, "mnuMovieConvert");
    EXPECT_EQ(m_browserDialogs.warnings.size(), 1);
    const QByteArray projector = ReadAll(FolderPath() + QStringLiteral("a.exe"));
    EXPECT_TRUE(projector.startsWith("MZ"));
    EXPECT_TRUE(projector.contains(ReadAll(Lib() + QStringLiteral("a.swf"))));
}

TEST_F(BrowserToolsTest, PictureAndThumbnailOfTheMovieShown)
{
    const QString movie = WriteMovie(QStringLiteral("shown.swf"), TestMovie{320, 240, 12, 30});
    MakeBrowserPlayer();
    player().LoadFlash(movie, QString(), false);
    swf().SetCurrentFrame(7);
    ASSERT_TRUE(player().RunCommand(QStringLiteral("mnuPicture")));
    const QString picture = m_options.screenShotsFolder + QStringLiteral("shown.swf.7.jpg");
    QImageReader reader(picture);
    EXPECT_EQ(reader.format(), QByteArray("jpeg"));
    EXPECT_EQ(reader.size(), swf().widget()->size());

    m_generator.width = 100;
    m_generator.height = 75;
    ASSERT_TRUE(player().RunCommand(QStringLiteral("mnuThumbnail")));
    QImageReader thumbnail(BrowserThumbnailPath(movie, false));
    EXPECT_EQ(thumbnail.size(), QSize(100, 75));
    EXPECT_TRUE(LogBody().filter(QStringLiteral("Failed to save JPEG")).isEmpty());
}

TEST_F(BrowserToolsTest, GenerateFromAScriptRunsWithoutQuestions)
{
    WriteMovie(QStringLiteral("gen/one.swf"));
    WriteMovie(QStringLiteral("gen/sub/two.swf"));
    MakeBrowserPlayer();
    const QString gen = FolderPath() + QStringLiteral("gen");
    ASSERT_TRUE(player().ExecuteStatement(QStringLiteral("Generate 80, 60, \"#102030\", 70, \"%1\", False").arg(gen)));
    EXPECT_EQ(m_generator.width, 80);
    EXPECT_EQ(m_generator.height, 60);
    EXPECT_EQ(m_generator.backColor, QStringLiteral("102030"));
    EXPECT_EQ(m_generator.quality, 70);
    EXPECT_FALSE(m_generator.recursive);
    EXPECT_EQ(m_shooter.shots, QStringList{gen + QStringLiteral("/one.swf")});
    EXPECT_EQ(m_shooter.qualities, QList<int>{70});
    EXPECT_TRUE(QFileInfo::exists(gen + QStringLiteral("/one.jpg")));
    EXPECT_TRUE(m_browserDialogs.dialogs.isEmpty());
}

}  // namespace
