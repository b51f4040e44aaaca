#include "SkinTestSupport.h"

#include "player/PlaylistPane.h"

#include <QRegularExpression>
#include <QTest>

namespace {

class ShippedSkinTest : public SkinTest, public ::testing::WithParamInterface<const char*> {
protected:
    QString Name() const { return QLatin1String(GetParam()); }

    // The window rectangles of the visible elements of the current view that react to the
    // pointer (buttons, bars, labels with a click).
    std::vector<std::pair<QString, QRect>> ActiveElements()
    {
        std::vector<std::pair<QString, QRect>> rects;
        for (int i = 1; i <= Skin().ElementCount(); ++i) {
            const SkinElement* element = Skin().ElementAt(i);
            const SkinControl* control = element->control;
            if (!control || element->view != Skin().CurrentView() || !control->isVisibleTo(&player()))
                continue;
            if (IsButtonKind(element->kind) || !element->onClick.isEmpty() || element->onDrag.startsWith(QLatin1String("Seek")))
                rects.emplace_back(element->name, QRect(control->mapTo(&player(), QPoint(0, 0)), control->size()));
        }
        return rects;
    }

    void ExpectNothingUnder(const QRect& area, const char* what)
    {
        for (const auto& [name, rect] : ActiveElements())
            EXPECT_FALSE(area.intersects(rect)) << what << " lies under " << name.toStdString();
    }
};

}  // namespace

// The shipped skins load without a single report, shape the window, keep the movie at its zoom
// size and off their controls, and their controls work.
TEST_P(ShippedSkinTest, LoadsShapesTheWindowAndWorks)
{
    CopyShippedSkin(Name());
    MakeSkinnedPlayer(Name());
    ASSERT_TRUE(Skin().IsActive());
    Swf().SetTotalFrames(101);
    player().LoadFlash(WriteMovie(QStringLiteral("movie.swf"), TestMovie{550, 400, 12, 101}), QString(), false);
    player().TogglePlaylist(0);
    player().MenuVisible(false);
    player().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&player()));
    player().TimerTick();

    EXPECT_TRUE(player().windowFlags().testFlag(Qt::FramelessWindowHint));
    const QRegion shape = player().mask();
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(player().width() - 1, player().height() - 1)));
    EXPECT_TRUE(shape.contains(QPoint(player().width() / 2, 0)));
    EXPECT_TRUE(shape.contains(player().rect().center()));

    for (int percent : {100, 200}) {
        int passes = 2;
        player().ZoomFlash(percent, passes);
        EXPECT_EQ(player().View()->size(), QSize(550, 400) * percent / 100) << percent;
        ExpectNothingUnder(player().View()->geometry(), "the movie");
    }
    // The playlist widens the window by its width: the movie keeps its size.
    player().TogglePlaylist(1);
    QTRY_COMPARE(player().View()->size(), QSize(1100, 800));
    EXPECT_TRUE(player().rect().contains(player().PlaylistBox()->geometry()));
    ExpectNothingUnder(player().PlaylistBox()->geometry(), "the playlist");
    ExpectNothingUnder(player().View()->geometry(), "the movie");

    // Play, the time mode, and the seek bar at its middle.
    Swf().SetPlaying(false);
    player().TimerTick();
    ASSERT_FALSE(Control(QStringLiteral("btnPlay"))->isHidden());
    QTest::mouseClick(Control(QStringLiteral("btnPlay")), Qt::LeftButton);
    EXPECT_TRUE(Swf().Playing());
    player().TimerTick();
    EXPECT_TRUE(Control(QStringLiteral("btnPlay"))->isHidden());
    EXPECT_FALSE(Control(QStringLiteral("btnPause"))->isHidden());
    QTest::mouseClick(Control(QStringLiteral("lblTime")), Qt::LeftButton);
    EXPECT_EQ(player().TimeMode(), 1);
    player().TimerTick();
    EXPECT_TRUE(Control(QStringLiteral("lblTime"))->Caption().contains(QLatin1Char('-')));
    SkinControl* bar = Control(QStringLiteral("seekBar"));
    const int knob = Control(QStringLiteral("seekKnob"))->width();
    const QPoint middle(knob / 2 + (bar->width() - knob) / 2, bar->height() / 2);
    QTest::mousePress(bar, Qt::LeftButton, {}, middle);
    EXPECT_FALSE(Swf().Playing());  // held still while the bar is held
    QTest::mouseRelease(bar, Qt::LeftButton, {}, middle);
    EXPECT_NEAR(Swf().CurrentFrame(), 50, 1);
    EXPECT_TRUE(Swf().Playing());

    // Full screen: the movie takes the screen, the controls come at the edge.
    player().FullScreen(true, false);
    EXPECT_EQ(Say(QStringLiteral("Out CurrentView")), QStringLiteral("viewFullScreen"));
    EXPECT_EQ(player().View()->size(), player().size());
    EXPECT_TRUE(ActiveElements().empty());
    player().ShowFSControls(true);
    EXPECT_FALSE(ActiveElements().empty());
    for (const auto& [name, rect] : ActiveElements())
        EXPECT_EQ(rect.bottom() < player().height(), true) << name.toStdString();
    player().ShowFSControls(false);
    player().FullScreen(false, false);
    EXPECT_EQ(Say(QStringLiteral("Out CurrentView")), QStringLiteral("viewNormal"));

    for (const QString& line : LogBody()) {
        EXPECT_FALSE(line.contains(QLatin1String("ALERT"))) << line.toStdString();
        EXPECT_FALSE(line.contains(QLatin1String("Node Failed"))) << line.toStdString();
        EXPECT_FALSE(line.contains(QLatin1String("Failed to draw"))) << line.toStdString();
        EXPECT_FALSE(line.contains(QLatin1String("No such view"))) << line.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Skins, ShippedSkinTest, ::testing::Values("Default", "Compact"));

namespace {

// The text of the <pre> element of that id on a help page, character references resolved.
QString HelpExample(const QString& page, const QString& id)
{
    const QString html = QString::fromUtf8(ReadAll(SourceDir() + QStringLiteral("/data/Help/") + page));
    const QRegularExpression pre(
        QStringLiteral("<pre[^>]*id=\"") + id + QStringLiteral("\">(.*?)</pre>"), QRegularExpression::DotMatchesEverythingOption);
    QString text = pre.match(html).captured(1);
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<")).replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    return text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

}  // namespace

// The example skin of the help page works as it is written there: it loads without a report,
// the movie takes the free room, and its labels act as buttons.
TEST_F(SkinTest, TheHelpPagesExampleSkinWorks)
{
    const QString xml = HelpExample(QStringLiteral("skins.htm"), QStringLiteral("example-skin"));
    const QString script = HelpExample(QStringLiteral("skins.htm"), QStringLiteral("example-script"));
    ASSERT_TRUE(xml.contains(QLatin1String("<THEME")));
    ASSERT_TRUE(script.contains(QLatin1String("Sub Layout")));
    WriteSkin(QStringLiteral("Plain Bar"), xml, script);
    MakeSkinnedPlayer(QStringLiteral("Plain Bar"));
    ASSERT_TRUE(Skin().IsActive());
    Swf().SetTotalFrames(11);
    player().LoadFlash(WriteMovie(QStringLiteral("m.swf"), TestMovie{550, 400, 12, 11}), QString(), false);
    player().TogglePlaylist(0);
    player().MenuVisible(false);
    player().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&player()));
    int passes = 2;
    player().ZoomFlash(100, passes);
    EXPECT_EQ(player().View()->size(), QSize(550, 400));
    EXPECT_EQ(player().View()->geometry().top(), 24);  // below the title

    Swf().SetPlaying(false);
    QTest::mouseClick(Control(QStringLiteral("play")), Qt::LeftButton);
    EXPECT_TRUE(Swf().Playing());
    player().TimerTick();
    EXPECT_EQ(Control(QStringLiteral("play"))->Caption(), QStringLiteral("Pause"));
    EXPECT_EQ(
        Control(QStringLiteral("time"))->Caption(), player().TimeText().mid(player().TimeText().indexOf(QLatin1Char(':')) + 2));
    QTest::mousePress(
        Control(QStringLiteral("seek")), Qt::LeftButton, {}, QPoint(Control(QStringLiteral("seek"))->width() - 1, 5));
    EXPECT_EQ(Swf().CurrentFrame(), 9);
    for (const QString& line : LogBody())
        EXPECT_FALSE(line.contains(QLatin1String("ALERT")) || line.contains(QLatin1String("Failed"))) << line.toStdString();
}
