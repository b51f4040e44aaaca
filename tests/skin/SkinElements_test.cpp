#include "SkinTestSupport.h"

#include "player/PlaylistPane.h"
#include "skin/SkinPicture.h"

#include <QAction>

namespace {

const QColor kMagenta(255, 0, 255);

// A picture with a mask-coloured block in its top-left quarter.
QImage CornerCut(QSize size)
{
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(QColor(40, 60, 80));
    for (int y = 0; y < size.height() / 2; ++y) {
        for (int x = 0; x < size.width() / 2; ++x)
            picture.setPixelColor(x, y, kMagenta);
    }
    return picture;
}

}  // namespace

// Geometry expressions are evaluated once with the script engine; pictures that are not
// stretched give their own size; stretched ones without a size are one pixel; captions are
// looked up with themselves as the default; colours are read as RRGGBB.
TEST_F(SkinTest, ElementsTakeTheirGeometryPicturesAndColours)
{
    WriteSkin(QStringLiteral("Geo"),
        Theme(
            QStringLiteral("<VIEW name='v' backColor='#0000FF'>"
                           "<IMAGE name='right' left='Player.ScaleWidth - 30' top='2 * 5' width='20' height='Len(\"abc\")'/>"
                           "<IMAGE name='own' image='p.png' noStretch='True'/>"
                           "<IMAGE name='stretched' image='p.png'/>"
                           "<LABEL name='hello' caption='Hello' foreColor='FF0000' alignment='2' fontBold='True' fontSize='14'/>"
                           "<BUTTON name='b' image='b.png' backColor='#00FF00' toolTip='Tip' visible='False'/>"
                           "</VIEW>")));
    WritePicture(QStringLiteral("Geo"), QStringLiteral("base/p.png"), Solid(QSize(37, 21), Qt::red));
    for (const char* folder : {"up", "over", "down"})
        WritePicture(QStringLiteral("Geo"), QLatin1String(folder) + QStringLiteral("/b.png"), Solid(QSize(9, 9), Qt::green));
    MakeSkinnedPlayer(QStringLiteral("Geo"));
    ASSERT_TRUE(Skin().IsActive());

    const SkinControl* view = Control(QStringLiteral("v"));
    EXPECT_EQ(view->BackColor(), QColor(0, 0, 255));
    const SkinControl* right = Control(QStringLiteral("right"));
    EXPECT_EQ(view->width() - right->geometry().right() - 1, 10);  // 30 from the edge, 20 wide
    EXPECT_EQ(right->geometry(), QRect(view->width() - 30, 10, 20, 3));
    EXPECT_EQ(Control(QStringLiteral("own"))->size(), QSize(37, 21));
    EXPECT_EQ(Control(QStringLiteral("stretched"))->size(), QSize(1, 1));

    const SkinControl* hello = Control(QStringLiteral("hello"));
    EXPECT_EQ(hello->Caption(), QStringLiteral("Hello"));
    EXPECT_EQ(hello->ForeColor(), QColor(255, 0, 0));
    EXPECT_EQ(hello->Alignment(), 2);
    EXPECT_TRUE(hello->font().bold());
    EXPECT_EQ(hello->font().pointSizeF(), 14.0);

    const SkinControl* button = Control(QStringLiteral("b"));
    EXPECT_EQ(button->BackColor(), QColor(0, 255, 0));
    EXPECT_EQ(button->toolTip(), QStringLiteral("Tip"));
    EXPECT_TRUE(button->isHidden());
    EXPECT_TRUE(button->HasPicture(SkinControl::StateUp));
    EXPECT_TRUE(button->HasPicture(SkinControl::StateOver));
    EXPECT_TRUE(button->HasPicture(SkinControl::StateDown));
    EXPECT_FALSE(button->HasPicture(SkinControl::StateDisabled));
}

// The element script objects read and write the controls.
TEST_F(SkinTest, ScriptsReachElementsByArrayAndByName)
{
    WriteSkin(QStringLiteral("Obj"),
        Theme(QStringLiteral("<VIEW><LABEL name='time' caption='x' autoSize='True'/>"
                             "<IMAGE name='img' left='5' top='6' width='7' height='8'/></VIEW>")));
    MakeSkinnedPlayer(QStringLiteral("Obj"));
    Say(QStringLiteral("LBL(1).Caption = \"a much longer text\": Element(\"img\").Move 1, 2: IMG(1).Visible = False"));
    const SkinControl* time = Control(QStringLiteral("time"));
    EXPECT_EQ(time->Caption(), QStringLiteral("a much longer text"));
    EXPECT_EQ(time->size(), time->sizeHint());  // a label that sizes itself to its text
    EXPECT_EQ(Control(QStringLiteral("img"))->geometry(), QRect(1, 2, 7, 8));
    EXPECT_TRUE(Control(QStringLiteral("img"))->isHidden());
    EXPECT_EQ(
        Say(QStringLiteral("Out Element(\"IMG\").Width & \" \" & IMG(1).Tag & \" \" & IMG(1).Index")), QStringLiteral("7 3 1"));
    EXPECT_FALSE(player().Script().ExecuteStatement(QStringLiteral("x = IMG(2).Width")));
    EXPECT_EQ(player().Script().Error().number, 340);
    EXPECT_FALSE(player().Script().ExecuteStatement(QStringLiteral("Element(\"img\").Width = -1")));
    EXPECT_EQ(player().Script().Error().number, 380);
}

// A mask colour cuts an element to its picture; the window mask parts of the current view cut
// the window when the menu bar is hidden, and never in full screen or with the menu bar shown.
TEST_F(SkinTest, MaskColoursCutElementsAndTheWindow)
{
    const QRegion stretched = MaskHoles(CornerCut(QSize(2, 2)), QSize(4, 4), 0x00FF00FF);
    EXPECT_EQ(stretched, QRegion(0, 0, 2, 2));
    EXPECT_TRUE(MaskHoles(CornerCut(QSize(4, 4)), QSize(4, 4), 0x0000FF00).isEmpty());

    WriteSkin(QStringLiteral("Shape"),
        Theme(
            QStringLiteral("<VIEW name='viewNormal'>"
                           "<SUBVIEW name='frame' image='cut.png' noStretch='True' windowMask='#FF00FF' left='0' top='0'/>"
                           "<BUTTON name='round' image='cut.png' maskColor='#FF00FF' left='100' top='0' width='20' height='20'/>"
                           "</VIEW><VIEW name='viewFullScreen'/>"),
            QStringLiteral("hidesMenu='True'")));
    WritePicture(QStringLiteral("Shape"), QStringLiteral("base/cut.png"), CornerCut(QSize(10, 10)));
    WritePicture(QStringLiteral("Shape"), QStringLiteral("up/cut.png"), CornerCut(QSize(10, 10)));
    MakeSkinnedPlayer(QStringLiteral("Shape"));
    ASSERT_TRUE(Skin().IsActive());
    EXPECT_EQ(Control(QStringLiteral("frame"))->mask(), QRegion(0, 0, 10, 10).subtracted(QRegion(0, 0, 5, 5)));
    EXPECT_EQ(Control(QStringLiteral("round"))->mask(), QRegion(0, 0, 20, 20).subtracted(QRegion(0, 0, 10, 10)));

    player().show();
    player().MenuVisible(false);
    const QRegion window = player().mask();
    EXPECT_FALSE(window.contains(QPoint(0, 0)));
    EXPECT_FALSE(window.contains(QPoint(4, 4)));
    EXPECT_TRUE(window.contains(QPoint(5, 5)));
    EXPECT_TRUE(window.contains(QPoint(player().width() - 1, player().height() - 1)));
    EXPECT_TRUE(window.contains(QPoint(100, 0)));  // a button's own mask is not the window's

    player().MenuVisible(true);
    EXPECT_TRUE(player().mask().isEmpty());
    player().MenuVisible(false);
    EXPECT_FALSE(player().mask().isEmpty());
    player().FullScreen(true, false);
    EXPECT_TRUE(player().mask().isEmpty());
    player().FullScreen(false, false);
    EXPECT_FALSE(player().mask().contains(QPoint(0, 0)));
}

// Views: the first one shows; another is shown by name; full screen switches to
// "viewFullScreen" and back to "viewNormal"; elements of the full-screen view do not move the
// window by default.
TEST_F(SkinTest, ViewsAreSwitchedByName)
{
    WriteSkin(QStringLiteral("Views"),
        Theme(QStringLiteral("<VIEW name='viewNormal' backColor='#102030'><IMAGE name='n'/></VIEW>"
                             "<VIEW name='compact'/>"
                             "<VIEW name='viewfullscreen' backColor='#000000'><IMAGE name='f'/></VIEW>")));
    MakeSkinnedPlayer(QStringLiteral("Views"));
    player().show();
    const SkinElement* normalImage = Skin().ElementAt(Skin().FindElement(QStringLiteral("n")));
    const SkinElement* fullImage = Skin().ElementAt(Skin().FindElement(QStringLiteral("f")));
    EXPECT_EQ(normalImage->onDrag, QStringLiteral("MoveWindow"));
    EXPECT_EQ(fullImage->onDrag, QString());

    Mark();
    Skin().SetSkinView(QStringLiteral("nowhere"));
    EXPECT_EQ(LogSinceMark(), QStringList{QStringLiteral("No such view \"nowhere\"<br>")});
    EXPECT_EQ(Say(QStringLiteral("Out CurrentView")), QStringLiteral("viewNormal"));

    Say(QStringLiteral("SetSkinView \"compact\""));
    EXPECT_EQ(Say(QStringLiteral("Out CurrentView")), QStringLiteral("compact"));
    EXPECT_TRUE(Control(QStringLiteral("viewNormal"))->isHidden());
    EXPECT_EQ(Control(QStringLiteral("compact"))->geometry().topLeft(), QPoint(0, player().Layout().menuBar.height()));
    EXPECT_EQ(Control(QStringLiteral("compact"))->width(), player().width());

    Mark();
    player().FullScreen(true, false);
    EXPECT_EQ(Say(QStringLiteral("Out CurrentView")), QStringLiteral("viewfullscreen"));
    EXPECT_TRUE(LogSinceMark().contains(QStringLiteral("Set Skin View viewFullScreen<br>")));
    EXPECT_EQ(player().palette().color(QPalette::Window), QColor(0, 0, 0));
    player().FullScreen(false, false);
    EXPECT_EQ(Say(QStringLiteral("Out CurrentView")), QStringLiteral("viewNormal"));
}

// A view that says where the movie goes has it there; one that says nothing has the movie in
// the room its elements leave, never under a button, and lets it show through its backdrop.
TEST_F(SkinTest, TheMovieGoesWhereTheViewSaysOrIntoTheFreeRoom)
{
    WriteSkin(QStringLiteral("Free"),
        Theme(QStringLiteral("<VIEW name='viewNormal' onResize='Layout'>"
                             "<IMAGE name='backdrop'/><IMAGE name='top'/><BUTTON name='corner'/><IMAGE name='bottom'/>"
                             "</VIEW>")),
        QStringLiteral("Sub Layout\n"
                       "  Element(\"backdrop\").Move 0, 0, ScaleWidth, ScaleHeight\n"
                       "  Element(\"top\").Move 0, 0, ScaleWidth, 30\n"
                       "  Element(\"corner\").Move ScaleWidth - 40, 40, 40, 40\n"
                       "  Element(\"bottom\").Move 0, ScaleHeight - 50, ScaleWidth, 50\n"
                       "End Sub\n"));
    MakeSkinnedPlayer(QStringLiteral("Free"));
    player().TogglePlaylist(0);
    player().MenuVisible(false);
    player().show();
    player().UpdateSkin();
    const QRect movie = player().View()->geometry();
    const SkinControl* corner = Control(QStringLiteral("corner"));
    const QRect cornerRect(corner->mapTo(&player(), QPoint(0, 0)), corner->size());
    EXPECT_FALSE(movie.intersects(cornerRect));
    EXPECT_EQ(movie, QRect(0, 30, player().width() - 40, player().height() - 80));
    EXPECT_EQ(player().Margins().surroundWidth, 40);
    EXPECT_EQ(player().Margins().surroundHeight, 80);
    // The view shows the movie through itself where no element of its own lies.
    const SkinControl* view = Control(QStringLiteral("viewNormal"));
    EXPECT_FALSE(view->mask().contains(view->mapFrom(&player(), movie.center())));
    EXPECT_TRUE(view->mask().contains(QPoint(5, 5)));

    // The skin places the movie itself; a shown playlist takes the right of it.
    Say(QStringLiteral("View.Move 10, 20, 300, 200"));
    EXPECT_EQ(player().View()->geometry(), QRect(10, 20, 300, 200));
    EXPECT_EQ(Say(QStringLiteral("Out View.Left & \",\" & View.Width")), QStringLiteral("10,300"));
    player().TogglePlaylist(-1);
    EXPECT_EQ(player().View()->geometry(), QRect(10, 20, 100, 200));
    EXPECT_EQ(player().PlaylistBox()->geometry(), QRect(110, 20, 200, 200));
    Say(QStringLiteral("Playlist.Move 0, 0, 50, 60"));
    EXPECT_EQ(player().PlaylistBox()->geometry(), QRect(0, 0, 50, 60));
    EXPECT_EQ(player().View()->geometry(), QRect(10, 20, 300, 200));
}
