#include "SkinTestSupport.h"

#include "options/RegistryStore.h"
#include "script/ScriptEngine.h"

#include <QAction>
#include <QTest>

namespace {

bool Contains(const QStringList& lines, const QString& text)
{
    for (const QString& line : lines) {
        if (line.contains(text))
            return true;
    }
    return false;
}

}  // namespace

// Every element kind, in any letter case, becomes a member of its control array; other nodes
// are skipped with their children; the first view shows, onLoad and then the view's
// onMediaChange run, and the engine is connected.
TEST_F(SkinTest, ASkinBuildsItsElementsAndRunsItsFirstEvents)
{
    WriteSkin(QStringLiteral("Shiny"),
        Theme(QStringLiteral("<VIEW name='first' onMediaChange='Out \"media\"'>"
                             "  <button name='b'/><BUTTONLITE name='lite'/><IMAGE name='img'/><LABEL name='lbl'/>"
                             "  <SUBVIEW name='sub'><Label name='inner'/></SUBVIEW>"
                             "  <FOO><BUTTON name='inFoo'/></FOO>"
                             "</VIEW><VIEW name='second'><IMAGE name='other'/></VIEW>"),
            QStringLiteral("title='Shiny Skin' hidesMenu='True'")),
        QStringLiteral("Sub onLoad\n  Out \"load \" & PIC(2).Name & IMG(1).Name & LBL(2).Name\nEnd Sub\n"));
    Mark();
    MakeSkinnedPlayer(QStringLiteral("Shiny"));
    ASSERT_TRUE(Skin().IsActive());
    EXPECT_EQ(Skin().ElementCount(), 9);
    EXPECT_EQ(Skin().FindElement(QStringLiteral("inFoo")), 0);
    EXPECT_EQ(Control(QStringLiteral("b"))->Kind(), SkinElementKind::Button);
    EXPECT_EQ(Control(QStringLiteral("inner"))->parentWidget(), Control(QStringLiteral("sub")));
    EXPECT_EQ(player().ConsoleText().trimmed(), QStringLiteral("load bliteinner\nmedia"));
    EXPECT_EQ(Say(QStringLiteral("Out PIC(1).Name & \" \" & PIC(3).Name & \" \" & IMG(3).Name & \" \" & CurrentView")),
        QStringLiteral("first sub other first"));
    EXPECT_EQ(player().Script().State(), ScriptEngineState::Connected);
    EXPECT_TRUE(Control(QStringLiteral("first"))->isVisibleTo(&player()));
    EXPECT_FALSE(Control(QStringLiteral("second"))->isVisibleTo(&player()));
    EXPECT_TRUE(player().windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(player().MenuItem(QStringLiteral("mnuMenuBar"))->isVisible());

    const QStringList log = LogSinceMark();
    EXPECT_TRUE(log.contains(QStringLiteral(" :: Enumerate Skins<br>")));
    EXPECT_TRUE(log.contains(QStringLiteral(" :: Load Skin (") + SkinsFolder() + QStringLiteral("Shiny/skin.xml)<br>")));
    EXPECT_TRUE(Contains(log, QStringLiteral("Skin Loaded in ")));
    EXPECT_FALSE(Contains(log, QStringLiteral("ALERT")));

    QAction* item = player().MenuItem(QStringLiteral("mnuSkinList"), 1);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QStringLiteral("Shiny Skin"));
    EXPECT_EQ(item->data().toString(), QStringLiteral("Shiny"));
    EXPECT_TRUE(item->isChecked());
    EXPECT_FALSE(player().MenuItem(QStringLiteral("mnuSkinList"), 0)->isChecked());
}

struct BuildCase {
    const char* attribute;
    bool loads;
    const char* message;
};

// Builds 655 to 732 load; others are refused with their message, and the window goes on
// without a skin, "No Skin" checked.
TEST_F(SkinTest, BuildNumbersOutsideTheRangeAreRefused)
{
    const QString outdated = QStringLiteral("This Skin is outdated\r\nPlease check for an updated version");
    const QString newer = QStringLiteral("This Skin is for newer Vorlen\r\nCheck for Updates, please");
    const BuildCase cases[] = {
        {"build='654'", false, "outdated"},
        {"build='655'", true, ""},
        {"build='732'", true, ""},
        {"build='733'", false, "newer"},
        {"", false, "outdated"},
    };
    for (const BuildCase& c : cases) {
        SCOPED_TRACE(c.attribute);
        WriteSkin(QStringLiteral("Versioned"),
            QStringLiteral("<THEME ") + QLatin1String(c.attribute) + QStringLiteral("><VIEW><IMAGE/></VIEW></THEME>"));
        m_messages.clear();
        Mark();
        MakeSkinnedPlayer(QStringLiteral("Versioned"));
        EXPECT_EQ(Skin().IsActive(), c.loads);
        if (c.loads) {
            EXPECT_TRUE(m_messages.isEmpty());
            continue;
        }
        EXPECT_EQ(m_messages, QStringList{QLatin1String(c.message) == QLatin1String("newer") ? newer : outdated});
        EXPECT_TRUE(LogSinceMark().contains(QStringLiteral("LoadSkin Versioned<br>")));
        EXPECT_EQ(Skin().SkinName(), QString());
        EXPECT_EQ(Skin().ElementCount(), 0);
        EXPECT_TRUE(player().MenuItem(QStringLiteral("mnuSkinList"), 0)->isChecked());
        EXPECT_FALSE(player().windowFlags().testFlag(Qt::FramelessWindowHint));
    }
}

// A skin that cannot be read leaves the plain window, and the next start uses "No Skin".
TEST_F(SkinTest, AMissingOrMalformedSkinLeavesThePlainWindow)
{
    WriteSkin(QStringLiteral("Broken"), QStringLiteral("<THEME build='700'><VIEW></THEME>"));
    WriteSkin(QStringLiteral("Rootless"), QStringLiteral("<SKIN build='700'/>"));
    for (const QString& name : {QStringLiteral("Gone"), QStringLiteral("Broken"), QStringLiteral("Rootless")}) {
        SCOPED_TRACE(name.toStdString());
        Mark();
        MakeSkinnedPlayer(name);
        EXPECT_FALSE(Skin().IsActive());
        const QStringList log = LogSinceMark();
        EXPECT_TRUE(log.contains(QStringLiteral("LoadSkin ") + name + QStringLiteral("<br>")));
        EXPECT_TRUE(Contains(log, QStringLiteral("<B>ALERT:</B> LoadSkin ") + name));
        EXPECT_TRUE(player().MenuItem(QStringLiteral("mnuSkinList"), 0)->isChecked());
        EXPECT_TRUE(player().MenuItem(QStringLiteral("mnuMenuBar"))->isVisible());
        player().SaveOpts();
        EXPECT_EQ(ReadRegistryString(QStringLiteral("View"), QStringLiteral("Skin"), QStringLiteral("unset")), QString());
    }
    // Only the readable skins are listed.
    EXPECT_EQ(player().MenuItem(QStringLiteral("mnuSkinList"), 1)->data().toString(), QStringLiteral("Rootless"));
    EXPECT_EQ(player().MenuItem(QStringLiteral("mnuSkinList"), 2), nullptr);
}

// Compiled skin libraries belong to another platform: the theme node fails and the window goes
// on without a skin. A script whose name only contains "dll" is a script.
TEST_F(SkinTest, CompiledSkinLibrariesAreRefused)
{
    WriteSkin(QStringLiteral("Binary"), Theme(QStringLiteral("<VIEW/>"), QStringLiteral("scriptFile='Skin.DLL'")));
    Mark();
    MakeSkinnedPlayer(QStringLiteral("Binary"));
    EXPECT_FALSE(Skin().IsActive());
    const QStringList log = LogSinceMark();
    EXPECT_TRUE(log.contains(
        QStringLiteral("Node Failed: THEME (Compiled skin libraries are not supported on this platform (Skin.DLL))<br>")));
    EXPECT_TRUE(log.contains(QStringLiteral("LoadSkin Binary<br>")));

    WriteSkin(QStringLiteral("Text"), Theme(QStringLiteral("<VIEW/>"), QStringLiteral("scriptFile='dll.vbs.txt'")));
    WriteAll(SkinsFolder() + QStringLiteral("Text/dll.vbs.txt"), "Sub onLoad\n  Out \"from the text file\"\nEnd Sub\n");
    MakeSkinnedPlayer(QStringLiteral("Text"));
    EXPECT_TRUE(Skin().IsActive());
    EXPECT_EQ(player().ConsoleText().trimmed(), QStringLiteral("from the text file"));
}

// A script with a syntax error, an element with an impossible size, a geometry the engine cannot
// evaluate, a missing picture: each is reported and the rest of the skin is built.
TEST_F(SkinTest, BrokenPartsAreReportedAndTheRestIsBuilt)
{
    WriteSkin(QStringLiteral("Parts"),
        Theme(QStringLiteral("<VIEW name='v'>"
                             "<BUTTON name='wide' width='-5'/>"
                             "<SUBVIEW name='box' left='1 +'><IMAGE name='inBox' width='40' height='Nonsense(3)'/></SUBVIEW>"
                             "<SUBVIEW name='bad' height='-1'><IMAGE name='inBad'/></SUBVIEW>"
                             "<IMAGE name='pic' image='missing.png'/>"
                             "<LABEL name='late' caption='Late' fontSize='0'/>"
                             "<LABEL name='last' caption='Last'/>"
                             "</VIEW>")),
        QStringLiteral("Sub onLoad\n  Out \"ok\"\nEnd Sub\nSub Broken(\n"));
    Mark();
    MakeSkinnedPlayer(QStringLiteral("Parts"));
    ASSERT_TRUE(Skin().IsActive());
    const QStringList log = LogSinceMark();
    EXPECT_TRUE(Contains(log, QStringLiteral("Script Execution 'script.vbs' (Line:4)")));
    EXPECT_TRUE(log.contains(QStringLiteral("Node Failed: BUTTON (Invalid property value)<br>")));
    EXPECT_TRUE(log.contains(QStringLiteral("Node Failed: SUBVIEW (Invalid property value)<br>")));
    EXPECT_TRUE(log.contains(QStringLiteral("Node Failed: LABEL (Invalid property value)<br>")));
    EXPECT_TRUE(Contains(log, QStringLiteral("EvalSkinExpression '1 +'")));
    EXPECT_TRUE(Contains(log, QStringLiteral("EvalSkinExpression 'Nonsense(3)'")));
    EXPECT_TRUE(log.contains(QStringLiteral("Failed to draw ") + SkinsFolder() + QStringLiteral("Parts/base/missing.png<br>")));

    // The script was dropped as a whole; the elements that could be built are there.
    EXPECT_TRUE(player().ConsoleText().trimmed().isEmpty());
    for (const char* gone : {"wide", "bad", "inBad", "late"})
        EXPECT_EQ(Skin().FindElement(QLatin1String(gone)), 0) << gone;
    EXPECT_EQ(Control(QStringLiteral("box"))->pos(), QPoint(0, 0));
    EXPECT_EQ(Control(QStringLiteral("inBox"))->size(), QSize(40, 0));
    EXPECT_FALSE(Control(QStringLiteral("pic"))->HasPicture(SkinControl::StateUp));
    EXPECT_EQ(Control(QStringLiteral("last"))->Caption(), QStringLiteral("Last"));
    EXPECT_EQ(Say(QStringLiteral("Out LBL(1).Name & IMG(1).Name & IMG(2).Name")), QStringLiteral("lastinBoxpic"));
}

// An endless loop in an event ends at the step budget with a report; the statement is not run
// again, so the player stays responsive.
TEST_F(SkinTest, AnEventThatLoopsForeverIsStoppedOnce)
{
    WriteSkin(QStringLiteral("Spin"), Theme(QStringLiteral("<VIEW onInfoUpdate='Spin'/>")),
        QStringLiteral("Sub Spin\n  Do\n    n = n + 1\n  Loop\nEnd Sub\n"));
    MakeSkinnedPlayer(QStringLiteral("Spin"));
    Mark();
    player().TimerTick();
    const QStringList first = LogSinceMark();
    EXPECT_TRUE(Contains(first, QStringLiteral("<B>ALERT:</B> Script Execution 'Spin' (Line:")));
    EXPECT_TRUE(Contains(first, QStringLiteral("step budget")));
    Mark();
    player().TimerTick();
    player().UpdateInfo();
    EXPECT_TRUE(LogSinceMark().isEmpty());
    EXPECT_TRUE(Skin().IsActive());
}

// Geometry that loops ends at the step budget once per load: the skin's later expressions give 0
// without running, numbers still count, and loading the skin again tries again.
TEST_F(SkinTest, GeometryThatLoopsForeverStopsTheSkinsOtherExpressions)
{
    WriteSkin(QStringLiteral("Spin"),
        Theme(QStringLiteral("<VIEW><IMAGE name='a' left='Spin + 1'/><IMAGE name='b' left='Spin + 2'/>"
                             "<IMAGE name='c' left='7' top='Twice(4)'/></VIEW>")),
        QStringLiteral("Function Spin\n  Do\n    n = n + 1\n  Loop\nEnd Function\n"
                       "Function Twice(v)\n  Twice = v * 2\nEnd Function\n"));
    for (int load = 0; load < 2; ++load) {
        Mark();
        if (load == 0)
            MakeSkinnedPlayer(QStringLiteral("Spin"));
        else
            Skin().ReloadSkin();
        ASSERT_TRUE(Skin().IsActive());
        const QStringList log = LogSinceMark();
        EXPECT_TRUE(Contains(log, QStringLiteral("EvalSkinExpression 'Spin + 1'"))) << load;
        EXPECT_TRUE(Contains(log, QStringLiteral("step budget"))) << load;
        EXPECT_FALSE(Contains(log, QStringLiteral("EvalSkinExpression 'Spin + 2'"))) << load;
        EXPECT_EQ(Control(QStringLiteral("c"))->pos(), QPoint(7, 0)) << load;
    }
}

// The menu lists the readable skins but none whose folder starts with "-"; a click on one loads
// it, "No Skin" gives the plain window back without a report, and F5 reads the skin again.
TEST_F(SkinTest, TheSkinMenuChoosesAndReloadsSkins)
{
    WriteSkin(QStringLiteral("Alpha"), Theme(QStringLiteral("<VIEW><IMAGE name='a'/></VIEW>")));
    WriteSkin(QStringLiteral("Beta"), Theme(QStringLiteral("<VIEW><IMAGE name='b'/></VIEW>")));
    WriteSkin(QStringLiteral("-Old"), Theme(QStringLiteral("<VIEW/>")));
    MakeSkinnedPlayer(QStringLiteral("beta"));
    ASSERT_TRUE(Skin().IsActive());
    EXPECT_EQ(Skin().SkinFolder(), SkinsFolder() + QStringLiteral("Beta/"));
    EXPECT_TRUE(player().MenuItem(QStringLiteral("mnuSkinList"), 2)->isChecked());
    EXPECT_EQ(player().MenuItem(QStringLiteral("mnuSkinList"), 3), nullptr);

    player().MenuItem(QStringLiteral("mnuSkinList"), 1)->trigger();
    Settle();
    EXPECT_EQ(Skin().SkinName(), QStringLiteral("Alpha"));
    EXPECT_NE(Skin().FindElement(QStringLiteral("a")), 0);
    EXPECT_EQ(Skin().FindElement(QStringLiteral("b")), 0);
    EXPECT_TRUE(player().MenuItem(QStringLiteral("mnuSkinList"), 1)->isChecked());

    WriteSkin(QStringLiteral("Alpha"),
        Theme(QStringLiteral("<VIEW><IMAGE name='again' width='10' height='10' onClick='ReloadSkin'/></VIEW>")));
    player().RunCommand(QStringLiteral("mnuUpdSkin"));
    Settle();
    EXPECT_NE(Skin().FindElement(QStringLiteral("again")), 0);
    // A statement may reload the skin, also one of the skin's own elements while it is clicked.
    Say(QStringLiteral("ReloadSkin"));
    SkinControl* again = Control(QStringLiteral("again"));
    QTest::mouseClick(again, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_NE(Control(QStringLiteral("again")), nullptr);
    Settle();
    EXPECT_TRUE(Skin().IsActive());
    EXPECT_NE(Control(QStringLiteral("again")), again);
    EXPECT_EQ(player().findChildren<SkinControl*>().size(), 2);  // the view and its image

    Mark();
    player().MenuItem(QStringLiteral("mnuSkinList"), 0)->trigger();
    Settle();
    EXPECT_FALSE(Skin().IsActive());
    EXPECT_EQ(Skin().ElementCount(), 0);
    EXPECT_FALSE(Contains(LogSinceMark(), QStringLiteral("ALERT")));
    EXPECT_FALSE(player().windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(player().findChildren<SkinControl*>().isEmpty());
    EXPECT_TRUE(player().MenuItem(QStringLiteral("mnuSkinList"), 0)->isChecked());
}
