// The player window with its hooks, on the fake control: activation and hot keys, keys, the
// mouse on the movie, dropped files, media keys.
#include "InputTestSupport.h"
#include "PlayerTestSupport.h"

#include "desktop/WindowHooks.h"
#include "player/PlaylistPane.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QTest>
#include <QWindow>

namespace {

class WindowHooksTest : public PlayerTest {
protected:
    WindowHooksTest() { m_hooks = &hooks; }
    ~WindowHooksTest() override { m_player.reset(); }

    // The window shown and active, with a 25 frames-per-second movie of 100 frames playing.
    void ShowWithMovie()
    {
        MakePlayer();
        player().ShowPlayer();
        player().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&player()));
        player().LoadFlash(WriteMovie(QStringLiteral("a.swf"), TestMovie{550, 400, 25, 100}), QString(), false);
        Swf().SetTotalFrames(100);
        Swf().SetPlaying(true);
        Swf().calls.clear();
    }
    QWidget* Movie() { return Swf().widget(); }
    QWindow* Window() { return player().windowHandle(); }
    QMenu* PopUp() { return player().PreparePopUp(PopUpSource::Movie); }
    QPoint MovieCentre() { return Movie()->mapTo(&player(), Movie()->rect().center()); }
    void Wheel(int delta)
    {
        const QPointF at = Movie()->rect().center();
        QWheelEvent wheel(
            at, Movie()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Movie(), &wheel);
    }
    int Count(const QString& line) const { return int(LogSinceMark().count(line)); }

    WindowHooks hooks;
};

}  // namespace

TEST_F(WindowHooksTest, HotKeysLiveOnlyWhileThePlayerIsTheActiveApplication)
{
    Mark();
    ShowWithMovie();
    EXPECT_EQ(Count(QStringLiteral("Added Hotkeys<br>")), 1);
    EXPECT_TRUE(hooks.HotKeysAdded());
    QList<int> ids = hooks.FormEvents().HotKeyIds();
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids.size(), 23);
    EXPECT_FALSE(ids.contains(6));
    EXPECT_TRUE(player().IsApplicationActive());

    // Another application comes to the front: the keys are given back.
    {
        FocusThief thief;
        ASSERT_TRUE(thief.Start());
        ASSERT_TRUE(QTest::qWaitFor([] { return QGuiApplication::applicationState() != Qt::ApplicationActive; }, 10000));
        EXPECT_EQ(Count(QStringLiteral("Removed Hotkeys<br>")), 1);
        EXPECT_TRUE(hooks.FormEvents().HotKeyIds().isEmpty());
        EXPECT_FALSE(player().IsApplicationActive());
    }
    ASSERT_TRUE(ActivateAgain(player()));
    EXPECT_EQ(Count(QStringLiteral("Added Hotkeys<br>")), 2);
    EXPECT_EQ(hooks.FormEvents().HotKeyIds().size(), 23);

    // Quitting releases them.
    player().Quit(QStringLiteral("Exit Menu"), false);
    EXPECT_EQ(Count(QStringLiteral("Removed Hotkeys<br>")), 2);
    EXPECT_EQ(CFormEvents::HookedFormCount(), 0);
}

TEST_F(WindowHooksTest, AHotKeyRunsItsCommandOnceWhereverTheFocusIs)
{
    ShowWithMovie();
    const QString other = WriteMovie(QStringLiteral("b.swf"));
    m_dialogs.openAnswer = {other};
    Movie()->setFocus();
    QTest::keyClick(Window(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(player().MediaInfo().SourcePath, other);
    Swf().calls.clear();
    player().PlaylistBox()->setFocus();
    QTest::keyClick(Window(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(Swf().calls, QStringList{QStringLiteral("Stop")});
    QTest::keyClick(Window(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(Swf().calls, QStringList({QStringLiteral("Stop"), QStringLiteral("Play")}));
}

TEST_F(WindowHooksTest, F6IsTheMenuShortcutOrTheHandyKeyButAlwaysActsOnce)
{
    ShowWithMovie();
    Movie()->setFocus();
    ASSERT_TRUE(player().IsChecked(QStringLiteral("mnuPlaylist")));
    QTest::keyClick(Window(), Qt::Key_F6);
    EXPECT_FALSE(player().IsChecked(QStringLiteral("mnuPlaylist")));
    player().FullScreen(true, false);
    ASSERT_TRUE(player().MenuBarHidden());
    QTest::keyClick(Window(), Qt::Key_F6);
    EXPECT_TRUE(player().IsChecked(QStringLiteral("mnuPlaylist")));
    player().PlaylistBox()->setFocus();
    QTest::keyClick(Window(), Qt::Key_F6);
    EXPECT_FALSE(player().IsChecked(QStringLiteral("mnuPlaylist")));
}

TEST_F(WindowHooksTest, KeysOnTheMovieAreItsOwnUnlessTheHandyKeysTakeThem)
{
    ShowWithMovie();
    Movie()->setFocus();
    // Whether the player took a key: a key no one takes ends up ignored.
    const auto press = [&](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(Movie(), &event);
        return event.isAccepted();
    };
    // "Handy Hot Keys" off: a game's keys reach the movie.
    for (int key : {Qt::Key_Space, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_A})
        EXPECT_FALSE(press(key)) << key;
    EXPECT_TRUE(Swf().calls.isEmpty());
    // F12 is the player's.
    EXPECT_TRUE(press(Qt::Key_F12));
    EXPECT_TRUE(player().IsConsoleShown());
    player().HideConsole();

    player().RunCommand(QStringLiteral("mnuHandyKeys"));
    EXPECT_TRUE(press(Qt::Key_Space));
    EXPECT_EQ(Swf().calls, QStringList{QStringLiteral("Stop")});
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier);
    QApplication::sendEvent(Movie(), &release);
    EXPECT_TRUE(release.isAccepted());
    // Letters and keys with Ctrl or Alt stay the movie's.
    EXPECT_FALSE(press(Qt::Key_A));
    EXPECT_FALSE(press(Qt::Key_Left, Qt::AltModifier));
    // Text typed into a control of the window is not taken either.
    player().ShowConsole();
    QTest::keyClick(Window(), Qt::Key_Space);
    EXPECT_EQ(Swf().calls, QStringList{QStringLiteral("Stop")});
}

TEST_F(WindowHooksTest, TheRightButtonShowsThePlayersPopUpAndTheMiddleButtonPlaysAndPauses)
{
    ShowWithMovie();
    QTest::mouseClick(Window(), Qt::MiddleButton, {}, MovieCentre());
    EXPECT_FALSE(Swf().Playing());
    QTest::mouseClick(Window(), Qt::MiddleButton, {}, MovieCentre());
    EXPECT_TRUE(Swf().Playing());
    // A double click toggles full screen and leaves playing as it was.
    QTest::mouseDClick(Window(), Qt::MiddleButton, {}, MovieCentre());
    EXPECT_TRUE(player().IsFullScreen());
    EXPECT_TRUE(Swf().Playing());
    QTest::mouseDClick(Window(), Qt::MiddleButton, {}, MovieCentre());
    EXPECT_FALSE(player().IsFullScreen());
    EXPECT_TRUE(Swf().Playing());
    // The left button is the movie's.
    Swf().calls.clear();
    QMouseEvent left(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Movie(), &left);
    EXPECT_FALSE(left.isAccepted());
    EXPECT_TRUE(Swf().calls.isEmpty());

    QTest::mouseClick(Window(), Qt::RightButton, {}, MovieCentre());
    EXPECT_TRUE(PopUp()->isVisible());
    PopUp()->hide();
}

TEST_F(WindowHooksTest, TheWheelSeeksASecondPerNotchOrTellsTheBrowsersMovie)
{
    ShowWithMovie();
    Swf().SetCurrentFrame(10);
    Wheel(120);
    EXPECT_EQ(Swf().calls.first(), QStringLiteral("GotoFrame 35"));
    EXPECT_EQ(Swf().CurrentFrame(), 35);
    // Half notches add up; turning back starts over.
    Swf().calls.clear();
    Wheel(60);
    Wheel(-60);
    EXPECT_TRUE(Swf().calls.isEmpty());
    Wheel(-60);
    ASSERT_FALSE(Swf().calls.isEmpty());
    EXPECT_EQ(Swf().calls.first(), QStringLiteral("GotoFrame 10"));
    Wheel(0);

    m_browser.browsing = true;
    Swf().calls.clear();
    Wheel(-240);
    Wheel(120);
    const QStringList notice({QStringLiteral("SetVariable _root.mwheel -1"), QStringLiteral("TCallLabel vbCall MWH"),
        QStringLiteral("SetVariable _root.mwheel -1"), QStringLiteral("TCallLabel vbCall MWH"),
        QStringLiteral("SetVariable _root.mwheel 1"), QStringLiteral("TCallLabel vbCall MWH")});
    EXPECT_EQ(Swf().calls, notice);
}

TEST_F(WindowHooksTest, ThePointerHidesAfterRestingOverTheMovie)
{
    ShowWithMovie();
    Movie()->setMouseTracking(true);  // as the engine's view does
    // The display's own pointer is moved: what the window system says about it then agrees.
    const QPoint centre = Movie()->mapToGlobal(Movie()->rect().center());
    QCursor::setPos(centre + QPoint(7, 5));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Movie()->underMouse(); }, 3000));
    EXPECT_FALSE(hooks.FlashView().IsCursorHidden());
    ASSERT_TRUE(QTest::qWaitFor([&] { return hooks.FlashView().IsCursorHidden(); }, FlashViewHook::kRestMs + 2000));
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor);
    QCursor::setPos(centre + QPoint(12, 9));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !hooks.FlashView().IsCursorHidden(); }, 3000));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    // Leaving the movie shows it too, and no rest over anything else hides it.
    QCursor::setPos(centre + QPoint(7, 5));
    QTest::qWait(100);
    QCursor::setPos(Movie()->mapToGlobal(QPoint(0, 0)) - QPoint(20, 20));
    QTest::qWait(FlashViewHook::kRestMs + 500);
    EXPECT_FALSE(hooks.FlashView().IsCursorHidden());
}

TEST_F(WindowHooksTest, FilesDroppedOnThePlaylistAreAddedAndElsewhereTheyArePlayed)
{
    ShowWithMovie();
    const QString shown = player().MediaInfo().SourcePath;
    const QString b = WriteMovie(QStringLiteral("drop/b.swf"));
    const QString c = WriteMovie(QStringLiteral("drop/c.swf"));
    PlaylistPane* list = player().PlaylistBox();
    ASSERT_TRUE(list->isVisible());
    const int before = player().playlist().PLLast();
    const QPoint onList = list->mapTo(&player(), list->rect().center());
    ASSERT_TRUE(DropOn(&player(), onList, {QUrl::fromLocalFile(b), QUrl::fromLocalFile(c)}));
    EXPECT_EQ(player().playlist().PLLast(), before + 2);
    EXPECT_EQ(player().playlist().PLEntries().mid(before + 1), QStringList({b, c}));
    EXPECT_EQ(player().MediaInfo().SourcePath, shown);

    // Onto the movie: a folder and an address; the address is refused, the folder played.
    Mark();
    ASSERT_TRUE(DropOn(&player(), MovieCentre(),
        {QUrl(QStringLiteral("http://example.org/x.swf")), QUrl::fromLocalFile(FolderPath() + QStringLiteral("drop"))}));
    EXPECT_EQ(player().playlist().PLEntries(), QStringList({b, c}));
    EXPECT_EQ(player().MediaInfo().SourcePath, b);
    EXPECT_EQ(Count(QStringLiteral("Dropped Item Refused (not a local file): http://example.org/x.swf<br>")), 1);
}

TEST_F(WindowHooksTest, MediaKeysRunTheirMenuItemsAndUnknownCommandsNothing)
{
    ShowWithMovie();
    player().SetSound(50, 0);
    Swf().calls.clear();
    ClickKey(Window(), Qt::Key_MediaPlay);
    EXPECT_FALSE(Swf().Playing());
    ClickKey(Window(), Qt::Key_VolumeUp);
    EXPECT_EQ(player().Volume(), 60);
    ClickKey(Window(), Qt::Key_MediaNext);
    EXPECT_TRUE(Swf().calls.contains(QStringLiteral("Forward")));
    Swf().calls.clear();
    const int volume = player().Volume();
    for (int command : {0, 1, 2, 6, 16, 31, 99})
        hooks.FormX_AppCommand(command);
    EXPECT_TRUE(Swf().calls.isEmpty());
    EXPECT_EQ(player().Volume(), volume);
}
