// The player and the system around it: Uninstall, the screen-saver choice and the update check
// reached by name, and the screen saver's own window.
#include "PlayerTestSupport.h"

#include "base/AppFolders.h"
#include "options/RegistryStore.h"
#include "player/ScreenSaverWindow.h"

#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

QString Feature(PlayerFeature feature, const QString& argument)
{
    return QString::number(int(feature)) + QLatin1Char(' ') + argument;
}

void MoveMouse(QWidget& window, const QPoint& global)
{
    QMouseEvent move(QEvent::MouseMove, window.mapFromGlobal(global), global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &move);
}

}  // namespace

TEST_F(PlayerTest, UninstallEmptiesTheCacheGivesTheTypesBackAndQuitsWithoutSaving)
{
    const QString cache = Folders().cache;
    WriteAll(cache + QStringLiteral("x.tmp"), "expanded");
    WriteAll(cache + QStringLiteral("x.jpg"), "thumbnail");
    QDir().mkpath(cache + QStringLiteral("kept"));
    WriteAll(cache + QStringLiteral("kept/y.jpg"), "not ours to judge");
    MakePlayer();
    player().PlayPaths({WriteMovie(QStringLiteral("a.swf"))});
    player().SetSound(40, 0);
    QSignalSpy unloaded(&player(), &Player::Unloaded);
    m_desktop.calls.clear();
    Mark();

    EXPECT_TRUE(player().ExecuteStatement(QStringLiteral("Uninstall")));
    EXPECT_FALSE(QFile::exists(cache + QStringLiteral("x.tmp")));
    EXPECT_FALSE(QFile::exists(cache + QStringLiteral("x.jpg")));
    EXPECT_TRUE(QFile::exists(cache + QStringLiteral("kept/y.jpg")));
    EXPECT_EQ(m_desktop.calls, QStringList({QStringLiteral("ApplyAssociations 0"), QStringLiteral("RemoveInstalledFiles")}));
    EXPECT_EQ(unloaded.size(), 1);
    const QStringList log = LogSinceMark();
    EXPECT_FALSE(log.contains(QStringLiteral(" :: Save Options<br>")));
    EXPECT_EQ(log.value(log.size() - 1), QStringLiteral("<B>Quit: Unistallation</B><br>"));
    EXPECT_EQ(ReadRegistryString(QStringLiteral("Sound"), QStringLiteral("Volume"), QStringLiteral("<none>")),
        QStringLiteral("<none>"));
}

TEST_F(PlayerTest, UninstallRemovesAnEmptyCacheFolder)
{
    MakePlayer();
    ASSERT_TRUE(QDir(Folders().cache).exists());
    player().Uninstall();
    EXPECT_FALSE(QDir(Folders().cache).exists());
}

TEST_F(PlayerTest, TheScreenSaverChoiceAndUpdateCheckAreReachedByName)
{
    MakePlayer();
    // Not offered (no saver module): the menus are off, a call by name still records the movie.
    EXPECT_TRUE(player().ExecuteStatement(QStringLiteral("SetAsSS \"/movies/a b.swf\"")));
    EXPECT_TRUE(player().ExecuteStatement(QStringLiteral("WebUpdate True")));
    EXPECT_TRUE(player().ExecuteStatement(QStringLiteral("Player.WebUpdate")));
    EXPECT_EQ(m_extensions.runs,
        QStringList({Feature(PlayerFeature::ScreenSaver, QStringLiteral("/movies/a b.swf")),
            Feature(PlayerFeature::Update, QStringLiteral("Automatic")), Feature(PlayerFeature::Update, QString())}));
    EXPECT_FALSE(player().MenuItem(QStringLiteral("mnuScreenSaver"))->isEnabled());
}

// The program itself is the screen-saver module when the option names none.
class SaverProgramTest : public PlayerTest {
protected:
    void AddParts(PlayerParts& parts) override { parts.saverProgram = QStringLiteral("/opt/vorlen/vorlen"); }
};

TEST_F(SaverProgramTest, TheProgramIsTheSaverModuleUnlessTheOptionNamesAnother)
{
    m_extensions.offered = {PlayerFeature::ScreenSaver};
    MakePlayer();
    EXPECT_EQ(player().ScreenSaverModule(), QStringLiteral("/opt/vorlen/vorlen"));
    // Offered for the user's movies, not for the player's own screens.
    EXPECT_FALSE(player().MenuItem(QStringLiteral("mnuScreenSaver"))->isEnabled());
    const QString movie = WriteMovie(QStringLiteral("saver.swf"));
    player().LoadFlash(movie, QString(), false);
    ASSERT_TRUE(player().MenuItem(QStringLiteral("mnuScreenSaver"))->isEnabled());
    player().MenuItem(QStringLiteral("mnuScreenSaver"))->trigger();
    EXPECT_EQ(m_extensions.runs, QStringList{Feature(PlayerFeature::ScreenSaver, movie)});
    player().CloseMedia(QString());
    EXPECT_FALSE(player().MenuItem(QStringLiteral("mnuScreenSaver"))->isEnabled());

    // A module named in the options is the one used.
    WriteRegistryString(QStringLiteral("ScreenSaver"), QString(), QStringLiteral("/usr/lib/saver"));
    player().LoadOpts();
    EXPECT_EQ(player().ScreenSaverModule(), QStringLiteral("/usr/lib/saver"));
}

TEST_F(PlayerTest, TheScreenSaverPlaysItsMovieAndEndsWhenTheUserComesBack)
{
    const QString movie = WriteMovie(QStringLiteral("saver.swf"), TestMovie{320, 240, 12, 5, true});
    auto control = std::make_unique<FakeFlashControl>();
    FakeFlashControl* swf = control.get();
    ScreenSaverWindow saver(std::move(control));
    EXPECT_FALSE(saver.Play(FolderPath() + QStringLiteral("missing.swf")));
    EXPECT_TRUE(swf->calls.filter(QStringLiteral("LoadMovie")).isEmpty());
    ASSERT_TRUE(saver.Play(movie));
    EXPECT_EQ(swf->calls.filter(QStringLiteral("LoadMovie 0 ")), QStringList{QStringLiteral("LoadMovie 0 ") + movie});
    EXPECT_TRUE(swf->Loop());
    EXPECT_EQ(swf->BGColor(), QStringLiteral("204060"));

    QSignalSpy ended(&saver, &ScreenSaverWindow::Ended);
    saver.show();
    const QPoint start = saver.mapToGlobal(QPoint(50, 50));
    MoveMouse(saver, start);  // the window system's report of the pointer under the new window
    MoveMouse(saver, start + QPoint(100, 0));
    QTest::qWait(ScreenSaverWindow::kSettleMs + 100);
    MoveMouse(saver, start + QPoint(100, 0));
    MoveMouse(saver, start + QPoint(100 + ScreenSaverWindow::kMoveTolerance / 2, 2));
    EXPECT_EQ(ended.size(), 0);
    MoveMouse(saver, start + QPoint(100 + ScreenSaverWindow::kMoveTolerance + 3, 0));
    EXPECT_EQ(ended.size(), 1);
    EXPECT_FALSE(saver.isVisible());
}

TEST_F(PlayerTest, AKeyEndsTheScreenSaverAtOnce)
{
    ScreenSaverWindow saver(std::make_unique<FakeFlashControl>());
    QSignalSpy ended(&saver, &ScreenSaverWindow::Ended);
    saver.show();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier);
    QApplication::sendEvent(saver.Control().widget() ? saver.Control().widget() : &saver, &key);
    EXPECT_EQ(ended.size(), 1);
    QApplication::sendEvent(&saver, &key);
    EXPECT_EQ(ended.size(), 1);
}
