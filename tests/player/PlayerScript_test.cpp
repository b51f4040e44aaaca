#include "PlayerTestSupport.h"

#include "player/PlayerCommands.h"

#include <QAction>
#include <QSet>

namespace {

// Runs a statement and gives the console output it wrote.
QString Say(Player& player, const QString& statement)
{
    const qsizetype before = player.ConsoleText().size();
    EXPECT_TRUE(player.Script().ExecuteStatement(statement))
        << statement.toStdString() << ": " << player.Script().Error().description.toStdString();
    return player.ConsoleText().mid(before).trimmed();
}

int ErrorNumber(Player& player, const QString& statement)
{
    EXPECT_FALSE(player.Script().ExecuteStatement(statement)) << statement.toStdString();
    return player.Script().Error().number;
}

}  // namespace

TEST_F(PlayerTest, TheWindowIsTheScriptObjectPlayerWithGlobalMembers)
{
    MakePlayer();
    player().LoadFlash(WriteMovie(QStringLiteral("a.swf"), TestMovie{400, 300}), QString(), false);
    Say(player(), QStringLiteral("ZoomFlash 200"));
    EXPECT_EQ(player().View()->size(), QSize(800, 600));
    Say(player(), QStringLiteral("Player.ZoomFlash 50, 2"));
    EXPECT_EQ(player().View()->size(), QSize(200, 150));
    // The passes come back through a variable, as a reference argument does.
    EXPECT_EQ(Say(player(), QStringLiteral("p = 2: ZoomFlash 100, p: Out p")), QStringLiteral("0"));
    EXPECT_EQ(Say(player(), QStringLiteral("Out ScaleWidth & \"x\" & ScaleHeight")),
        QStringLiteral("%1x%2").arg(player().width()).arg(player().height() - player().Layout().menuBar.height()));
    EXPECT_EQ(player().ScaleSize(), player().size() - QSize(0, player().Layout().menuBar.height()));
    EXPECT_EQ(Say(player(), QStringLiteral("Out Player.Width")), QString::number(player().GeometryTwips().width()));
    EXPECT_EQ(Say(player(), QStringLiteral("Out Caption")), QStringLiteral("Vorlen - a.swf"));
    Say(player(), QStringLiteral("SetSound 30, -10"));
    EXPECT_EQ(Say(player(), QStringLiteral("Out Volume & \" \" & Pan")), QStringLiteral("30 -10"));
    player().TimerTick();
    EXPECT_EQ(Say(player(), QStringLiteral("Out TimeText")), player().TimeText());
}

TEST_F(PlayerTest, TheFlashControlIsReachedAsSWF)
{
    MakePlayer();
    Swf().SetTotalFrames(42);
    EXPECT_EQ(Say(player(), QStringLiteral("Out SWF.TotalFrames")), QStringLiteral("42"));
    Swf().calls.clear();
    Say(player(), QStringLiteral("SWF.GotoFrame 5"));
    EXPECT_EQ(Swf().calls, QStringList{QStringLiteral("GotoFrame 5")});
    EXPECT_EQ(Say(player(), QStringLiteral("Out SWF.CurrentFrame")), QStringLiteral("5"));
    Say(player(), QStringLiteral("SWF.Quality2 = \"Low\": SWF.Playing = True"));
    EXPECT_EQ(Swf().Quality2(), QStringLiteral("Low"));
    EXPECT_TRUE(Swf().Playing());
    EXPECT_EQ(Say(player(), QStringLiteral("Out Player.SWF.FlashVersion \\ 65536")), QStringLiteral("32"));
    EXPECT_EQ(ErrorNumber(player(), QStringLiteral("SWF.NoSuchMember")), 438);
    EXPECT_EQ(ErrorNumber(player(), QStringLiteral("Player.NoSuchMember 1")), 438);
}

TEST_F(PlayerTest, MenuItemsAreReachedByNameWithTheirStates)
{
    MakePlayer();
    Say(player(), QStringLiteral("mnuLoop.Checked = True"));
    EXPECT_TRUE(player().IsChecked(QStringLiteral("mnuLoop")));
    EXPECT_EQ(Say(player(), QStringLiteral("Out mnuLoop.Checked")), QStringLiteral("True"));
    EXPECT_EQ(Say(player(), QStringLiteral("Out mnuQLvl(2).Caption & \"/\" & mnuQLvl(2).Tag")), QStringLiteral("Low/Low"));
    Say(player(), QStringLiteral("mnuOpen.Caption = \"Load...\": mnuStop.Enabled = False: mnuDesktop.Visible = True"));
    EXPECT_EQ(player().MenuItem(QStringLiteral("mnuOpen"))->text(), QStringLiteral("Load..."));
    EXPECT_FALSE(player().MenuItem(QStringLiteral("mnuStop"))->isEnabled());
    EXPECT_TRUE(player().MenuItem(QStringLiteral("mnuDesktop"))->isVisible());
    EXPECT_EQ(Say(player(), QStringLiteral("Out MenuFile.Caption")), QStringLiteral("File"));
    EXPECT_EQ(Say(player(), QStringLiteral("Out PopUp.Visible")), QStringLiteral("False"));
    EXPECT_EQ(ErrorNumber(player(), QStringLiteral("x = mnuQLvl(9).Checked")), 9);
    EXPECT_EQ(ErrorNumber(player(), QStringLiteral("mnuLoop.Colour = 1")), 438);
}

TEST_F(PlayerTest, ARunawayStatementEndsWithAnError)
{
    MakePlayer();
    EXPECT_FALSE(player().ExecuteStatement(QStringLiteral("Do: Loop")));
    EXPECT_TRUE(player().isEnabled());
}

TEST_F(PlayerTest, EveryTableRowIsAMenuItemAndEveryHotKeyRunsOne)
{
    MakePlayer();
    QSet<QString> seen;
    for (const CommandRow& row : CommandTable()) {
        if (row.kind == CommandKind::HotKey || row.kind == CommandKind::Separator)
            continue;
        const QString name = QLatin1String(row.name);
        QAction* item = player().MenuItem(name, row.index);
        ASSERT_NE(item, nullptr) << row.name << " " << row.index;
        const QString key = name.toLower() + QLatin1Char('#') + QString::number(row.index);
        EXPECT_FALSE(seen.contains(key)) << "twice: " << row.name;
        seen.insert(key);
        if (row.shortcut) {
            EXPECT_EQ(item->shortcut(), QKeySequence(QLatin1String(row.shortcut))) << row.name;
        }
        EXPECT_EQ(item->isCheckable(), row.kind == CommandKind::Check || row.kind == CommandKind::Radio) << row.name;
    }
    for (int id = 0; id < kHotKeyCount; ++id) {
        const CommandRow* row = FindHotKeyCommand(id);
        ASSERT_NE(row, nullptr) << id;
        EXPECT_NE(player().MenuItem(QLatin1String(row->name), row->index), nullptr) << id;
        EXPECT_TRUE(row->handler || row->feature != PlayerFeature::None) << id;
    }
    EXPECT_EQ(FindHotKeyCommand(kHotKeyCount), nullptr);
    EXPECT_EQ(QLatin1String(FindHotKeyCommand(5)->name), QLatin1String("mnuFullScreen"));
    EXPECT_EQ(HotKeySequence(5), QStringLiteral("Alt+Return"));
    EXPECT_TRUE(HotKeySequence(6).isEmpty());
    EXPECT_EQ(HotKeySequence(18), QStringLiteral("Ctrl+Right"));
}

TEST_F(PlayerTest, HotKeysRunTheirCommandsAndMissingFeaturesDoNothing)
{
    MakePlayer();
    player().HotKeyAction(23);
    EXPECT_TRUE(player().IsChecked(QStringLiteral("mnuHandyKeys")));
    player().HotKeyAction(9);
    EXPECT_EQ(Swf().Quality2(), QStringLiteral("Low"));
    player().HotKeyAction(15);
    EXPECT_EQ(player().Volume(), 100);
    player().HotKeyAction(-1);
    player().HotKeyAction(24);
    // Take Picture is nobody's yet: nothing runs.
    EXPECT_FALSE(player().RunCommand(QStringLiteral("mnuPicture")));
    player().HotKeyAction(20);
    EXPECT_TRUE(m_extensions.runs.isEmpty());
    EXPECT_FALSE(player().MenuItem(QStringLiteral("mnuPicture"))->isEnabled());
    EXPECT_FALSE(player().RunCommand(QStringLiteral("mnuNoSuchItem")));
}

TEST_F(PlayerTest, AClickOnACheckItemLeavesTheCheckToItsHandler)
{
    MakePlayer();
    // Toggled once, by the handler, not twice.
    player().MenuItem(QStringLiteral("mnuNonStop"))->trigger();
    EXPECT_TRUE(player().IsChecked(QStringLiteral("mnuNonStop")));
    player().MenuItem(QStringLiteral("mnuFullScreen"))->trigger();
    EXPECT_TRUE(player().IsChecked(QStringLiteral("mnuFullScreen")));
    player().MenuItem(QStringLiteral("mnuPopFullScreen"))->trigger();
    EXPECT_FALSE(player().IsChecked(QStringLiteral("mnuFullScreen")));
}

TEST_F(PlayerTest, RecentMoviesFillTheMenuAndOpenAsTheNewPlaylist)
{
    const QString a = WriteMovie(QStringLiteral("a.swf"));
    const QString b = WriteMovie(QStringLiteral("b.swf"));
    MakePlayer();
    EXPECT_FALSE(player().MenuItem(QStringLiteral("mnuMRU"), 0)->isEnabled());
    player().LoadFlash(a, QString(), false);
    player().LoadFlash(b, QString(), false);
    ASSERT_NE(player().MenuItem(QStringLiteral("mnuMRU"), 1), nullptr);
    EXPECT_EQ(player().MenuItem(QStringLiteral("mnuMRU"), 1)->data().toString(), a);
    player().MenuItem(QStringLiteral("mnuMRU"), 1)->trigger();
    EXPECT_EQ(player().playlist().PLEntries(), QStringList{a});
    EXPECT_EQ(player().MediaInfo().SourcePath, a);
    EXPECT_EQ(player().MenuItem(QStringLiteral("mnuMRU"), 0)->data().toString(), a);
}
