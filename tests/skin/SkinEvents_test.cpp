#include "SkinTestSupport.h"

#include <QAction>
#include <QMenu>
#include <QTest>

namespace {

// A skin whose events write their names to the console.
const char* const kEventScript = "Sub onLoad\n  Out \"onLoad\"\nEnd Sub\n"
                                 "Sub onPlayListToggle\n  Out \"onPlayListToggle\"\nEnd Sub\n"
                                 "Sub onShowFSControls\n  Out \"onShowFSControls\"\nEnd Sub\n"
                                 "Sub onHideFSControls\n  Out \"onHideFSControls\"\nEnd Sub\n"
                                 "Sub ShowFSPlaylist\n  Out \"ShowFSPlaylist\"\nEnd Sub\n"
                                 "Sub Broken\n  a = 1\n  b = 0\n  c = a / b\nEnd Sub\n";

QStringList Lines(const QString& text)
{
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

}  // namespace

// The events of the player reach the skin: after loading onLoad then the view's onMediaChange;
// onInfoUpdate on every tick and on UpdateInfo; onMediaChange after a movie loaded; onLoad and
// onPlayListToggle after the playlist was toggled; onResize after every layout; the full-screen
// statements by the names the script gives them.
TEST_F(SkinTest, ThePlayersEventsRunTheSkinsStatements)
{
    WriteSkin(QStringLiteral("Events"),
        Theme(QStringLiteral("<VIEW name='viewNormal' onInfoUpdate='Out \"info\"' onMediaChange='Out \"media\"'"
                             " onResize='Out \"resize\"'/><VIEW name='viewFullScreen'/>")),
        QLatin1String(kEventScript));
    MakeSkinnedPlayer(QStringLiteral("Events"));
    EXPECT_EQ(Lines(player().ConsoleText()).mid(0, 2), (QStringList{QStringLiteral("onLoad"), QStringLiteral("media")}));

    auto since = [this](qsizetype from) { return Lines(player().ConsoleText().mid(from)); };
    qsizetype mark = player().ConsoleText().size();
    player().TimerTick();
    player().TimerTick();
    player().UpdateInfo();
    EXPECT_EQ(since(mark), QStringList(3, QStringLiteral("info")));

    mark = player().ConsoleText().size();
    player().LoadFlash(WriteMovie(QStringLiteral("m.swf")), QString(), false);
    EXPECT_TRUE(since(mark).contains(QStringLiteral("media")));

    mark = player().ConsoleText().size();
    player().TogglePlaylist(1);
    const QStringList toggled = since(mark);
    EXPECT_EQ(toggled.mid(toggled.indexOf(QStringLiteral("onLoad"))),
        (QStringList{QStringLiteral("onLoad"), QStringLiteral("onPlayListToggle"), QStringLiteral("resize")}));

    mark = player().ConsoleText().size();
    player().ShowFSControls(true);
    player().ShowFSControls(true);  // only a change runs the statement
    player().ShowFSControls(false);
    player().ShowFSPlaylist(false);
    player().ShowFSPlaylist(true);
    EXPECT_EQ(since(mark).filter(QStringLiteral("FS")),
        (QStringList{QStringLiteral("onShowFSControls"), QStringLiteral("onHideFSControls"), QStringLiteral("ShowFSPlaylist")}));

    // A statement failing inside a procedure is reported with the statement and the line.
    Mark();
    Skin().RunSkinEvent(QStringLiteral("Broken"));
    EXPECT_TRUE(
        LogSinceMark().contains(QStringLiteral("<B>ALERT:</B> Script Execution 'Broken' (Line:19)<BR>Division by zero<BR>")
            + QStringLiteral("VBScript runtime error<br>")))
        << LogSinceMark().join(QLatin1Char('\n')).toStdString();
}

// Without a skin nothing runs, and events a script does not have are no errors.
TEST_F(SkinTest, EventsNeedASkinButNotEveryProcedure)
{
    WriteSkin(QStringLiteral("Quiet"), Theme(QStringLiteral("<VIEW/>")), QStringLiteral("x = 1\n"));
    MakeSkinnedPlayer(QStringLiteral("Quiet"));
    Mark();
    player().TogglePlaylist(1);
    player().ShowFSControls(true);
    player().TimerTick();
    EXPECT_TRUE(LogSinceMark().filter(QStringLiteral("Script Execution")).isEmpty());

    MakeSkinnedPlayer(QString());
    EXPECT_FALSE(Skin().IsActive());
    Say(QStringLiteral("n = 0"));
    Skin().RunSkinEvent(QStringLiteral("n = n + 1"));
    player().TogglePlaylist(1);
    EXPECT_EQ(Say(QStringLiteral("Out n")), QStringLiteral("0"));
}

// Element mouse handling: the over picture while the pointer is on a button, the down picture
// while it is pressed, X and Y in the element's coordinates before each drag statement, the
// movie's play state given back at the release, then the click.
TEST_F(SkinTest, ButtonsFollowThePointerAndRunTheirStatements)
{
    WriteSkin(QStringLiteral("Mouse"),
        Theme(QStringLiteral("<VIEW name='viewNormal'>"
                             "<BUTTON name='seek' image='b.png' left='20' top='30' width='100' height='20'"
                             " onDrag='Out \"drag \" &amp; X &amp; \",\" &amp; Y: SWF.Playing = False' onClick='Out \"click\"'"
                             " onDblClick='Out \"double\"'/>"
                             "<IMAGE name='quiet' left='200' top='30' width='20' height='20' onDrag='' onClick=''/>"
                             "</VIEW>")));
    for (const char* folder : {"up", "over", "down"})
        WritePicture(QStringLiteral("Mouse"), QLatin1String(folder) + QStringLiteral("/b.png"), Solid(QSize(4, 4), Qt::gray));
    MakeSkinnedPlayer(QStringLiteral("Mouse"));
    player().MenuVisible(false);
    player().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&player()));
    SkinControl* seek = Control(QStringLiteral("seek"));

    QTest::mouseMove(seek, QPoint(5, 5));
    QTRY_COMPARE(seek->ShownState(), int(SkinControl::StateOver));
    Swf().SetPlaying(true);
    const qsizetype mark = player().ConsoleText().size();
    QTest::mousePress(seek, Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(seek->ShownState(), int(SkinControl::StateDown));
    EXPECT_FALSE(Swf().Playing());  // the drag statement stopped the movie
    QTest::mouseMove(seek, QPoint(60, 7));
    QTest::mouseRelease(seek, Qt::LeftButton, {}, QPoint(60, 7));
    EXPECT_EQ(seek->ShownState(), int(SkinControl::StateUp));
    EXPECT_TRUE(Swf().Playing());  // given back at the release
    EXPECT_EQ(Lines(player().ConsoleText().mid(mark)),
        (QStringList{
            QStringLiteral("drag 10,5"), QStringLiteral("drag 60,7"), QStringLiteral("drag 60,7"), QStringLiteral("click")}));
    EXPECT_EQ(Say(QStringLiteral("Out X + Y")), QStringLiteral("67"));

    const qsizetype beforeDouble = player().ConsoleText().size();
    QTest::mouseDClick(seek, Qt::LeftButton, {}, QPoint(3, 3));
    const QStringList doubled = Lines(player().ConsoleText().mid(beforeDouble));
    EXPECT_EQ(doubled.count(QStringLiteral("double")), 1);
    // The release after the double click is no click.
    EXPECT_EQ(doubled.indexOf(QStringLiteral("click"), doubled.indexOf(QStringLiteral("double"))), -1);

    // An element with empty statements runs nothing and logs nothing.
    Mark();
    const qsizetype beforeQuiet = player().ConsoleText().size();
    QTest::mouseClick(Control(QStringLiteral("quiet")), Qt::LeftButton);
    EXPECT_EQ(player().ConsoleText().size(), beforeQuiet);
    EXPECT_TRUE(LogSinceMark().isEmpty());
}

// An element without statements lets the button through to its container, whose statement gets
// the pointer in its own coordinates; the right button opens the movie's pop-up menu.
TEST_F(SkinTest, ElementsWithoutStatementsLetThePointerThrough)
{
    WriteSkin(QStringLiteral("Through"),
        Theme(QStringLiteral("<VIEW name='viewNormal'>"
                             "<SUBVIEW name='bar' left='10' top='10' width='200' height='20' onDrag='Out X'>"
                             "<IMAGE name='knob' left='50' top='0' width='10' height='20' onDrag=''/></SUBVIEW>"
                             "<IMAGE name='zoom' left='10' top='40' width='20' height='20' onDrag='' onClick='ZoomFlash 200'/>"
                             "</VIEW>")));
    MakeSkinnedPlayer(QStringLiteral("Through"));
    player().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&player()));
    const qsizetype mark = player().ConsoleText().size();
    QTest::mousePress(Control(QStringLiteral("knob")), Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseRelease(Control(QStringLiteral("knob")), Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(Lines(player().ConsoleText().mid(mark)), (QStringList{QStringLiteral("54"), QStringLiteral("54")}));

    // A click on an element runs the player's operation.
    player().LoadFlash(WriteMovie(QStringLiteral("small.swf"), TestMovie{200, 100}), QString(), false);
    QTest::mouseClick(Control(QStringLiteral("zoom")), Qt::LeftButton);
    EXPECT_EQ(player().View()->size(), QSize(400, 200));

    QMenu* popup = player().MenuItem(QStringLiteral("PopUp"))->menu();
    ASSERT_NE(popup, nullptr);
    QTest::mousePress(Control(QStringLiteral("knob")), Qt::RightButton);
    EXPECT_TRUE(popup->isVisible());
    popup->hide();
}

// While the application is inactive the elements of the current view with disabled pictures
// show them; becoming active gives their normal pictures back.
TEST_F(SkinTest, InactiveApplicationsShowTheDisabledPictures)
{
    WriteSkin(QStringLiteral("Dim"),
        Theme(QStringLiteral("<VIEW name='viewNormal'><BUTTON name='b' image='b.png' width='4' height='4'/>"
                             "<IMAGE name='plain' image='p.png' width='4' height='4'/></VIEW>")));
    WritePicture(QStringLiteral("Dim"), QStringLiteral("up/b.png"), Solid(QSize(4, 4), Qt::white));
    WritePicture(QStringLiteral("Dim"), QStringLiteral("disabled/b.png"), Solid(QSize(4, 4), Qt::gray));
    WritePicture(QStringLiteral("Dim"), QStringLiteral("base/p.png"), Solid(QSize(4, 4), Qt::white));
    MakeSkinnedPlayer(QStringLiteral("Dim"));
    Skin().SetApplicationActive(false);
    EXPECT_EQ(Control(QStringLiteral("b"))->ShownState(), int(SkinControl::StateDisabled));
    EXPECT_EQ(Control(QStringLiteral("plain"))->ShownState(), int(SkinControl::StateUp));
    Skin().SetApplicationActive(true);
    EXPECT_EQ(Control(QStringLiteral("b"))->ShownState(), int(SkinControl::StateUp));
    Say(QStringLiteral("Element(\"b\").Enabled = False"));
    EXPECT_EQ(Control(QStringLiteral("b"))->ShownState(), int(SkinControl::StateDisabled));
}
