#include "PlayerTestSupport.h"

#include "player/PlaylistPane.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>

namespace {

// The window's outer size for a movie at percent with the window's own margins.
QSize ZoomedSize(Player& player, QSize movie, int percent)
{
    const WindowMargins& m = player.Margins();
    return QSize(movie.width() * percent / 100 + m.nonClientWidth + m.surroundWidth,
        movie.height() * percent / 100 + m.nonClientHeight + m.surroundHeight);
}

}  // namespace

TEST_F(PlayerTest, ZoomSizesTheWindowForTheMovieAndChecksTheZoomItem)
{
    MakePlayer();
    player().LoadFlash(WriteMovie(QStringLiteral("a.swf"), TestMovie{400, 300}), QString(), false);
    for (int percent : {200, 50, 100}) {
        int passes = 2;
        player().ZoomFlash(percent, passes);
        EXPECT_EQ(passes, 0);
        EXPECT_EQ(player().frameGeometry().size(), ZoomedSize(player(), QSize(400, 300), percent)) << percent;
        EXPECT_EQ(player().View()->size(), QSize(400 * percent / 100, 300 * percent / 100)) << percent;
        EXPECT_TRUE(player().IsChecked(QStringLiteral("mnuZoom%1").arg(percent))) << percent;
    }
    // The playlist pane and the menu bar are the margins of the plain window.
    EXPECT_EQ(player().Margins().surroundWidth, Player::kPlaylistWidth);
    EXPECT_GT(player().Margins().nonClientHeight, 0);
}

TEST_F(PlayerTest, AZoomedWindowStaysWithinItsScreen)
{
    MakePlayer();
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    // A movie taller than any screen, and 200 % of one as wide as the screen.
    player().LoadFlash(WriteMovie(QStringLiteral("tall.swf"), TestMovie{219, 6040}), QString(), false);
    EXPECT_EQ(player().frameGeometry().height(), screen.height());
    EXPECT_EQ(player().frameGeometry().width(), ZoomedSize(player(), QSize(219, 6040), 100).width());
    player().LoadFlash(WriteMovie(QStringLiteral("wide.swf"), TestMovie{screen.width(), 200}), QString(), false);
    player().RunCommand(QStringLiteral("mnuZoom200"));
    EXPECT_EQ(
        player().frameGeometry().size(), QSize(screen.width(), ZoomedSize(player(), QSize(screen.width(), 200), 200).height()));
}

TEST_F(PlayerTest, ZoomIsRaisedToTheMinimumAndEndsKeepWindowSize)
{
    MakePlayer();
    player().LoadFlash(WriteMovie(QStringLiteral("tiny.swf"), TestMovie{40, 30}), QString(), false);
    player().RunCommand(QStringLiteral("mnuKeepSize"));
    ASSERT_TRUE(player().IsChecked(QStringLiteral("mnuKeepSize")));
    player().RunCommand(QStringLiteral("mnuZoom50"));
    EXPECT_FALSE(player().IsChecked(QStringLiteral("mnuKeepSize")));
    EXPECT_EQ(player().frameGeometry().size(), player().Layout().minimum);
    EXPECT_FALSE(player().IsChecked(QStringLiteral("mnuZoom50")));  // the control is not half the movie
}

TEST_F(PlayerTest, AMaximisedWindowIsNotZoomed)
{
    MakePlayer();
    player().LoadFlash(WriteMovie(QStringLiteral("a.swf"), TestMovie{400, 300}), QString(), false);
    player().ShowPlayer();
    player().ZoomWindow(1);
    ASSERT_TRUE(QTest::qWaitFor([this] { return player().isMaximized(); }, 5000));
    const QSize maximised = player().size();
    player().RunCommand(QStringLiteral("mnuZoom200"));
    EXPECT_EQ(player().size(), maximised);
    player().ZoomWindow(2);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !player().isMaximized(); }, 5000));
}

TEST_F(PlayerTest, CropFillsTheViewAndCutsTheOverflow)
{
    MakePlayer();
    player().LoadFlash(WriteMovie(QStringLiteral("a.swf"), TestMovie{400, 300}), QString(), false);
    player().ShowPlayer();
    int passes = 2;
    player().ZoomFlash(100, passes);
    ASSERT_TRUE(QTest::qWaitFor([this] { return player().View()->size() == QSize(400, 300); }, 5000));
    // A wider window: the control keeps the movie's shape, as wide as the view, centred.
    player().resize(player().width() + 200, player().height());
    ASSERT_TRUE(QTest::qWaitFor([this] { return player().View()->width() == 600; }, 5000));
    const QSize wider = player().View()->size();
    const QRect control = Swf().widget()->geometry();
    EXPECT_EQ(control.width(), wider.width());
    EXPECT_EQ(control.height(), wider.width() * 3 / 4);
    EXPECT_EQ(control.center().y(), QRect(QPoint(), wider).center().y());
    // Without Crop (or in another scale mode) the control fills the view.
    m_options.crop = false;
    player().ViewResize();
    EXPECT_EQ(Swf().widget()->geometry(), QRect(QPoint(), wider));
}

TEST_F(PlayerTest, TheAspectRatioFollowsABorderDrag)
{
    MakePlayer();
    player().LoadFlash(WriteMovie(QStringLiteral("a.swf"), TestMovie{400, 200}), QString(), false);
    const WindowMargins& m = player().Margins();
    const QRect dragged(100, 100, 600 + m.nonClientWidth + m.surroundWidth, 50);
    const QRect kept = player().FormResizing(dragged, kEdgeRight);
    EXPECT_EQ(kept.height(), 300 + m.nonClientHeight + m.surroundHeight);
    player().RunCommand(QStringLiteral("mnuAspectRatio"));
    EXPECT_EQ(player().FormResizing(dragged, kEdgeRight), dragged);
}

TEST_F(PlayerTest, TogglingThePlaylistTwiceRestoresTheWidth)
{
    MakePlayer();
    const int width = player().frameGeometry().width();
    ASSERT_TRUE(player().IsChecked(QStringLiteral("mnuPlaylist")));
    player().RunCommand(QStringLiteral("mnuPlaylist"));
    EXPECT_FALSE(player().IsChecked(QStringLiteral("mnuPlaylist")));
    EXPECT_TRUE(player().PlaylistBox()->isHidden());
    EXPECT_EQ(player().frameGeometry().width(), width - Player::kPlaylistWidth);
    EXPECT_EQ(player().Margins().surroundWidth, 0);
    player().RunCommand(QStringLiteral("mnuPlaylist"));
    EXPECT_FALSE(player().PlaylistBox()->isHidden());
    EXPECT_EQ(player().frameGeometry().width(), width);
}

TEST_F(PlayerTest, TheMenuBarSwitchHidesTheMenusAndTheHandyKeysServeItsShortcuts)
{
    const QString movie = WriteMovie(QStringLiteral("a.swf"));
    MakePlayer();
    player().ShowPlayer();
    player().RunCommand(QStringLiteral("mnuMenuBar"));
    EXPECT_FALSE(player().IsChecked(QStringLiteral("mnuMenuBar")));
    EXPECT_TRUE(player().MenuBarHidden());
    EXPECT_FALSE(player().MenuItem(QStringLiteral("MenuFile"))->isVisible());
    EXPECT_EQ(player().View()->y(), 0);
    // The hot keys do not depend on the menu bar; F2 comes back through the handy keys.
    m_dialogs.openAnswer = {movie};
    player().HotKeyAction(0);
    EXPECT_EQ(player().MediaInfo().SourcePath, movie);
    EXPECT_TRUE(player().HandyAction(Qt::Key_F2));
    EXPECT_FALSE(player().MenuBarHidden());
    EXPECT_GT(player().View()->y(), 0);
}

TEST_F(PlayerTest, FullScreenHidesTheMenusAndItsEdgesBringThemBack)
{
    MakePlayer();
    player().ShowPlayer();
    player().FullScreen(true, false);
    ASSERT_TRUE(QTest::qWaitFor([this] { return player().isFullScreen(); }, 5000));
    EXPECT_TRUE(player().IsChecked(QStringLiteral("mnuFullScreen")));
    EXPECT_TRUE(player().IsChecked(QStringLiteral("mnuPopFullScreen")));
    EXPECT_TRUE(player().MenuBarHidden());
    EXPECT_FALSE(player().PlaylistBox()->isHidden());  // until the pointer leaves the right edge

    const QRect screen = player().screen()->geometry();
    auto moveTo = [this](QPoint global) {
        QWidget* view = player().View();
        QMouseEvent move(
            QEvent::MouseMove, QPointF(view->mapFromGlobal(global)), QPointF(global), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view, &move);
    };
    moveTo(screen.center());
    EXPECT_TRUE(player().PlaylistBox()->isHidden());
    EXPECT_TRUE(player().FSPlaylistHidden());
    moveTo(QPoint(screen.center().x(), screen.top() + 2));
    EXPECT_FALSE(player().MenuBarHidden());
    moveTo(QPoint(screen.center().x(), screen.top() + 3));
    EXPECT_TRUE(player().MenuBarHidden());
    moveTo(QPoint(screen.right() - 1, screen.center().y()));
    EXPECT_FALSE(player().PlaylistBox()->isHidden());

    // Asking again for the state it is in changes nothing; leaving gives the window back.
    player().FullScreen(true, false);
    EXPECT_TRUE(player().isFullScreen());
    player().RunCommand(QStringLiteral("mnuFullScreen"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !player().isFullScreen(); }, 5000));
    EXPECT_FALSE(player().IsChecked(QStringLiteral("mnuFullScreen")));
    EXPECT_FALSE(player().MenuBarHidden());
}

TEST_F(PlayerTest, CentringPutsTheWindowInTheMiddleOfTheScreen)
{
    MakePlayer();
    player().ShowPlayer();
    m_options.centered = true;
    player().move(0, 0);
    player().Center();
    const QRect screen = player().screen()->geometry();
    EXPECT_LE(std::abs(player().frameGeometry().center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(player().frameGeometry().center().y() - screen.center().y()), 1);
    m_options.centered = false;
    player().move(10, 10);
    player().Center();
    EXPECT_EQ(player().pos(), QPoint(10, 10));
}

TEST_F(PlayerTest, AfterTheUserResizesTheWindowItTakesTheMovieShapeAgain)
{
    MakePlayer();
    player().LoadFlash(WriteMovie(QStringLiteral("a.swf"), TestMovie{400, 200}), QString(), false);
    player().ShowPlayer();
    int passes = 2;
    player().ZoomFlash(100, passes);
    ASSERT_TRUE(QTest::qWaitFor([this] { return player().View()->size() == QSize(400, 200); }, 5000));
    QTest::qWait(400);
    EXPECT_EQ(player().View()->size(), QSize(400, 200));  // its own size is left alone

    // As a border drag would: the width grows, the height follows once the drag rests.
    player().resize(player().width() + 200, player().height());
    EXPECT_TRUE(QTest::qWaitFor([this] { return player().View()->size() == QSize(600, 300); }, 5000))
        << player().View()->width() << "x" << player().View()->height();
}
