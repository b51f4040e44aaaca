// The movie's own input in the real engine: what the player takes and what reaches the movie,
// for an ActionScript 1 movie that reports its keys and for the player's ActionScript 3 screens.
#include "InputTestSupport.h"

#include "common/TestSupport.h"

#include "app/ProgramOptions.h"
#include "base/AppFolders.h"
#include "browser/DecompilerOptions.h"
#include "browser/GeneratorSettings.h"
#include "desktop/WindowHooks.h"
#include "engine/RuffleFlashControl.h"
#include "lang/UIFont.h"
#include "options/OptionSet.h"
#include "player/Player.h"
#include "swf/Avm1Assembler.h"
#include "swf/SwfWriter.h"
#include "update/UpdateSettings.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

namespace {

// A playing movie that sends fscommand("key", Key.getCode()) for every key it gets (its
// listener is added once, the first time round).
QByteArray KeyMovie()
{
    Avm1Assembler report;
    report.PushString("FSCommand:key").PushInt(0).GetVariable("Key").CallMethod("getCode").GetUrl2(0);
    Avm1Assembler setup;
    setup.GetVariable("listening").IfTrue("done");
    setup.GetVariable("_root").PushString("onKeyDown").DefineFunction("", {}, report).Op(Avm1Op::SetMember);
    setup.GetVariable("_root").PushInt(1).GetVariable("Key").CallMethod("addListener").Op(Avm1Op::Pop);
    setup.PushString("listening").PushBool(true).Op(Avm1Op::SetVariable);
    setup.Label("done");
    SwfWriter writer;
    writer.SetVersion(8).SetFrameSize(400, 300).SetFrameRate(12).SetBackgroundColor(0x30, 0x60, 0x90);
    writer.AddRaw(setup.DoActionTag()).ShowFrame().ShowFrame().ShowFrame();
    return writer.ToBytes();
}

class MovieInputTest : public ::testing::Test {
protected:
    MovieInputTest()
        : m_oldConfig(qgetenv("VORLEN_CONFIG_DIR"))
    {
        qputenv("VORLEN_CONFIG_DIR", m_dir.path().toUtf8());
        auto control = std::make_unique<RuffleFlashControl>();
        m_swf = control.get();
        PlayerParts parts;
        parts.swf = std::move(control);
        m_optionSet = std::make_unique<OptionSet>(m_options);
        AddProgramOptionRows(*m_optionSet, ProgramOptionHolders{&m_state, &m_generator, &m_extractor, &m_update, &m_font});
        parts.options = m_optionSet.get();
        parts.settings = &m_state;
        parts.hooks = &m_hooks;
        m_player = std::make_unique<Player>(std::move(parts));
        m_player->ShowPlayer();
        m_player->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_player.get()));
        EXPECT_TRUE(m_swf->WaitForPage(20000));
    }
    ~MovieInputTest() override
    {
        m_player.reset();
        if (m_oldConfig.isNull())
            qunsetenv("VORLEN_CONFIG_DIR");
        else
            qputenv("VORLEN_CONFIG_DIR", m_oldConfig);
    }

    void LoadKeyMovie()
    {
        const QString path = m_dir.path() + QStringLiteral("/keys.swf");
        WriteAll(path, KeyMovie());
        m_player->LoadFlash(path, QString(), false);
        ASSERT_TRUE(m_swf->WaitForMovie(20000)) << m_swf->LastError().toStdString();
        ASSERT_TRUE(m_swf->WaitForHost(10000));
    }
    QWindow* Window() { return m_player->windowHandle(); }
    QPoint MovieCentre()
    {
        QWidget* movie = m_swf->widget();
        return movie->mapTo(m_player.get(), movie->rect().center());
    }
    // Gives the movie the keyboard focus as a user does: a left click into it.
    void FocusMovie()
    {
        QTest::mouseClick(Window(), Qt::LeftButton, {}, MovieCentre());
        ASSERT_TRUE(QTest::qWaitFor([&] { return m_swf->widget()->isAncestorOf(QApplication::focusWidget()); }, 5000));
    }
    // The key codes the movie reported until it went quiet.
    QStringList MovieKeys(QSignalSpy& commands, int expected)
    {
        QTest::qWaitFor([&] { return commands.size() >= expected; }, 3000);
        QTest::qWait(300);
        QStringList keys;
        for (const QList<QVariant>& command : commands) {
            if (command[0].toString() == QLatin1String("key"))
                keys << command[1].toString();
        }
        return keys;
    }

    QTemporaryDir m_dir;
    QByteArray m_oldConfig;
    OptionsModule m_options;
    PlayerOptionState m_state;
    GeneratorSettings m_generator;
    DecompilerOptions m_extractor;
    UpdateSettings m_update;
    UIFontInfo m_font;
    std::unique_ptr<OptionSet> m_optionSet;
    WindowHooks m_hooks;
    RuffleFlashControl* m_swf = nullptr;
    std::unique_ptr<Player> m_player;
};

}  // namespace

TEST_F(MovieInputTest, AGamesKeysReachTheMovieWhileHandyKeysAreOff)
{
    LoadKeyMovie();
    FocusMovie();
    QSignalSpy commands(m_swf, &FlashControl::FSCommand);
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_A})
        QTest::keyClick(Window(), key);
    EXPECT_EQ(MovieKeys(commands, 6), QStringList({"32", "37", "39", "38", "40", "65"}));

    // With the handy keys the player takes the single keys it knows; the others stay the movie's.
    m_player->RunCommand(QStringLiteral("mnuHandyKeys"));
    commands.clear();
    ASSERT_TRUE(m_swf->Playing());
    QTest::keyClick(Window(), Qt::Key_Space);
    QTest::keyClick(Window(), Qt::Key_B);
    EXPECT_EQ(MovieKeys(commands, 1), QStringList({"66"}));
    EXPECT_TRUE(m_swf->WaitFor([&] { return !m_swf->Playing(); }, 3000));
}

TEST_F(MovieInputTest, ThePlayersKeysAndMouseWorkOverItsOwnActionScript3Screen)
{
    m_player->CloseMedia(QString());
    ASSERT_TRUE(m_swf->WaitForMovie(20000)) << m_swf->LastError().toStdString();
    ASSERT_TRUE(m_swf->ActionScript3());
    FocusMovie();
    // The right button gives the player's menu and nothing of the engine's.
    QMenu* popUp = m_player->PreparePopUp(PopUpSource::Movie);
    QTest::mouseClick(Window(), Qt::RightButton, {}, MovieCentre());
    EXPECT_TRUE(popUp->isVisible());
    popUp->hide();
    // Keys while the movie has the focus: F12, and a hot key the engine would claim for editing.
    FocusMovie();
    QTest::keyClick(Window(), Qt::Key_F12);
    EXPECT_TRUE(m_player->IsConsoleShown());
    m_player->HideConsole();
    m_player->SetChecked(QStringLiteral("mnuZoom100"), false);
    m_player->SetChecked(QStringLiteral("mnuKeepSize"), true);
    FocusMovie();
    QTest::keyClick(Window(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(m_player->IsChecked(QStringLiteral("mnuKeepSize")));  // ZoomFlash ends "Keep Window Size"
    // Alt alone goes into the menu bar, Down opens the menu: the menus without a mouse.
    FocusMovie();
    QTest::keyClick(Window(), Qt::Key_Alt);
    auto* bar = m_player->findChild<QMenuBar*>(QStringLiteral("qt_menubar"));
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(bar->activeAction(), nullptr);
    EXPECT_EQ(bar->activeAction()->text(), QStringLiteral("File"));
    QTest::keyClick(Window(), Qt::Key_Down);
    EXPECT_TRUE(bar->activeAction()->menu()->isVisible());
    bar->activeAction()->menu()->hide();
}

TEST_F(MovieInputTest, TheWheelAndDroppedFilesOverTheMovieAreThePlayers)
{
    LoadKeyMovie();
    const QString other = m_dir.path() + QStringLiteral("/other.swf");
    WriteAll(other, KeyMovie());
    ASSERT_TRUE(DropOn(m_player.get(), MovieCentre(), {QUrl::fromLocalFile(other)}));
    EXPECT_EQ(m_player->MediaInfo().SourcePath.toStdString(), other.toStdString());
    ASSERT_TRUE(m_swf->WaitForMovie(20000));
    ASSERT_TRUE(m_swf->WaitForHost(10000));
    m_swf->GotoFrame(0);
    ASSERT_TRUE(m_swf->WaitFor([&] { return m_swf->CurrentFrame() == 0; }, 3000));
    // One notch forward: the movie jumps a second ahead.
    QWheelEvent wheel(MovieCentre(), m_player->mapToGlobal(MovieCentre()), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
        Qt::NoScrollPhase, false);
    QGuiApplication::sendEvent(Window(), &wheel);
    EXPECT_TRUE(wheel.isAccepted());
    EXPECT_TRUE(m_swf->WaitFor([&] { return m_swf->CurrentFrame() != 0; }, 3000));
}

int main(int argc, char* argv[])
{
    RuffleFlashControl::PrepareEngine();
    QApplication application(argc, argv);
    ComputeApplicationFolders(AppTreeDir());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
