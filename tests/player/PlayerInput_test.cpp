// The player window's input side: hot-key actions, handy keys, pop-up menus, menu icons, the
// console.
#include "PlayerTestSupport.h"

#include "base/AppFolders.h"
#include "lang/Language.h"
#include "options/RegistryStore.h"
#include "player/ConsolePanel.h"
#include "player/MenuDecorations.h"
#include "player/NoSkin.h"
#include "player/PlayerCommands.h"
#include "player/PlaylistPane.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

namespace {

// The plain window that counts how often its skin was asked to reload.
class ReloadCountingSkin : public NoSkin {
public:
    explicit ReloadCountingSkin(int& reloads)
        : m_reloads(reloads)
    {
    }
    void ReloadSkin() override { ++m_reloads; }

private:
    int& m_reloads;
};

// What each hot-key action id is bound to: its keys and the menu item it runs.
struct HotKeyCase {
    int id;
    const char* keys;
    const char* item;
    int index = -1;
};

const HotKeyCase kHotKeys[] = {
    {0, "Ctrl+O", "mnuOpen"},
    {1, "Ctrl+W", "mnuClose"},
    {2, "Ctrl+I", "mnuInfo"},
    {3, "Ctrl+Q", "mnuExit"},
    {4, "Ctrl+F", "mnuFullScreen"},
    {5, "Alt+Return", "mnuFullScreen"},
    {6, "", "mnuMenuBar"},
    {7, "Ctrl+T", "mnuTopMost"},
    {8, "Ctrl+H", "mnuQLvl", 0},
    {9, "Ctrl+L", "mnuQLvl", 2},
    {10, "Ctrl+Z", "mnuZoom100"},
    {11, "Ctrl+P", "mnuPlay"},
    {12, "Ctrl+S", "mnuStop"},
    {13, "Ctrl+N", "mnuFFwd"},
    {14, "Ctrl+B", "mnuRwd"},
    {15, "Ctrl+U", "mnuVolumeUp"},
    {16, "Ctrl+J", "mnuVolumeDown"},
    {17, "Ctrl+M", "mnuMute"},
    {18, "Ctrl+Right", "mnuPlayNext"},
    {19, "Ctrl+Left", "mnuPlayPrev"},
    {20, "Ctrl+Ins", "mnuPicture"},
    {21, "Shift+Ins", "mnuThumbnail"},
    {22, "Shift+Del", "mnuClearCache"},
    {23, "Ctrl+K", "mnuHandyKeys"},
};

QStringList VisibleEntries(QMenu* menu)
{
    QStringList names;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator() && action->isVisible())
            names << action->objectName();
    }
    return names;
}

QStringList Calls(FakeFlashControl& swf, const QStringList& wanted)
{
    QStringList calls;
    for (const QString& call : swf.calls) {
        if (wanted.contains(call.section(QLatin1Char(' '), 0, 0)))
            calls << call;
    }
    return calls;
}

void WriteIcon(const QString& path, const QColor& colour, int size)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(path, "PNG"));
}

QColor IconColour(const QAction* item)
{
    return item->icon().pixmap(16, 16).toImage().pixelColor(8, 8);
}

}  // namespace

TEST_F(PlayerTest, EveryHotKeyIdHasItsKeysAndItsMenuItem)
{
    for (const HotKeyCase& expected : kHotKeys) {
        SCOPED_TRACE(expected.id);
        const CommandRow* row = FindHotKeyCommand(expected.id);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(QLatin1String(row->name), QLatin1String(expected.item));
        EXPECT_EQ(row->index, expected.index);
        EXPECT_EQ(QKeySequence(HotKeySequence(expected.id)), QKeySequence(QLatin1String(expected.keys)));
    }
    EXPECT_EQ(FindHotKeyCommand(-1), nullptr);
    EXPECT_EQ(FindHotKeyCommand(kHotKeyCount), nullptr);
}

TEST_F(PlayerTest, HandyKeysActOnlyUnderTheirConditions)
{
    MakePlayer();
    player().ShowPlayer();
    player().LoadFlash(WriteMovie(QStringLiteral("a.swf"), TestMovie{550, 400, 12, 30}), QString(), false);
    player().SetSound(50, 0);
    Swf().SetPlaying(false);
    Swf().calls.clear();
    // Without "Handy Hot Keys" the single keys belong to the movie.
    for (int key : {Qt::Key_Space, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Escape, Qt::Key_A})
        EXPECT_FALSE(player().HandyAction(key)) << key;
    EXPECT_TRUE(Calls(Swf(), {QStringLiteral("Play"), QStringLiteral("Forward"), QStringLiteral("Back")}).isEmpty());
    EXPECT_EQ(player().Volume(), 50);
    // F12 opens the console whatever the switches say.
    EXPECT_TRUE(player().HandyAction(Qt::Key_F12));
    EXPECT_TRUE(player().IsConsoleShown());
    player().HideConsole();

    player().RunCommand(QStringLiteral("mnuHandyKeys"));
    EXPECT_TRUE(player().HandyAction(Qt::Key_Space));
    EXPECT_TRUE(Swf().Playing());
    EXPECT_TRUE(player().HandyAction(Qt::Key_Right));
    EXPECT_TRUE(player().HandyAction(Qt::Key_Left));
    EXPECT_EQ(Calls(Swf(), {QStringLiteral("Play"), QStringLiteral("Forward"), QStringLiteral("Back")}),
        QStringList({QStringLiteral("Play"), QStringLiteral("Forward"), QStringLiteral("Back")}));
    EXPECT_TRUE(player().HandyAction(Qt::Key_Up));
    EXPECT_EQ(player().Volume(), 60);
    EXPECT_TRUE(player().HandyAction(Qt::Key_Down));
    EXPECT_TRUE(player().HandyAction(Qt::Key_Down));
    EXPECT_EQ(player().Volume(), 40);
    EXPECT_FALSE(player().HandyAction(Qt::Key_A));
    player().FullScreen(true, false);
    EXPECT_TRUE(player().HandyAction(Qt::Key_Escape));
    EXPECT_FALSE(player().IsFullScreen());

    // While the media browser is shown its movie gets the keys; F12 stays the player's.
    m_browser.browsing = true;
    Swf().calls.clear();
    EXPECT_FALSE(player().HandyAction(Qt::Key_Space));
    EXPECT_FALSE(player().HandyAction(Qt::Key_Right));
    EXPECT_TRUE(Calls(Swf(), {QStringLiteral("Stop"), QStringLiteral("Forward")}).isEmpty());
    EXPECT_TRUE(player().HandyAction(Qt::Key_F12));
}

TEST_F(PlayerTest, TheMenuBarsFunctionKeysAreHandyKeysOnlyWhileItIsHidden)
{
    int reloads = 0;
    MakePlayer(std::make_unique<ReloadCountingSkin>(reloads));
    player().ShowPlayer();
    // With the menu bar shown its shortcuts serve these keys.
    for (int key : {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F5, Qt::Key_F6})
        EXPECT_FALSE(player().HandyAction(key)) << key;
    EXPECT_TRUE(player().IsChecked(QStringLiteral("mnuPlaylist")));

    player().FullScreen(true, false);
    ASSERT_TRUE(player().MenuBarHidden());
    EXPECT_TRUE(player().HandyAction(Qt::Key_F6));
    EXPECT_FALSE(player().IsChecked(QStringLiteral("mnuPlaylist")));
    EXPECT_FALSE(player().HandyAction(Qt::Key_F4));
    EXPECT_TRUE(player().HandyAction(Qt::Key_F5));
    EXPECT_EQ(reloads, 1);
    EXPECT_TRUE(player().HandyAction(Qt::Key_F2));
    EXPECT_FALSE(player().IsChecked(QStringLiteral("mnuMenuBar")));
    // Leaving full screen with the menu bar switched off keeps it hidden: F2 brings it back.
    player().FullScreen(false, false);
    EXPECT_TRUE(player().MenuBarHidden());
    EXPECT_TRUE(player().HandyAction(Qt::Key_F2));
    EXPECT_FALSE(player().MenuBarHidden());
    EXPECT_FALSE(player().HandyAction(Qt::Key_F2));
}

TEST_F(PlayerTest, TheMoviePopUpCopiesChecksAndCaptionsFromTheMainMenus)
{
    MakePlayer();
    player().LoadFlash(WriteMovie(QStringLiteral("a.swf")), QString(), false);
    Swf().SetQuality2(QStringLiteral("Low"));
    Swf().SetPlaying(true);
    player().TimerTick();
    QMenu* menu = player().PreparePopUp(PopUpSource::Movie);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), QStringLiteral("PopUp"));
    EXPECT_FALSE(player().IsChecked(QStringLiteral("mnuPopHQ")));
    EXPECT_TRUE(player().IsChecked(QStringLiteral("mnuPopLQ")));
    EXPECT_EQ(player().MenuItem(QStringLiteral("mnuPopPlay"))->text(), QStringLiteral("Pause"));

    Swf().SetQuality2(QStringLiteral("Medium"));
    Swf().SetPlaying(false);
    player().TimerTick();
    player().MenuItem(QStringLiteral("mnuConvert"))->setText(QStringLiteral("Convert EXE to SWF"));
    player().PreparePopUp(PopUpSource::Movie);
    EXPECT_FALSE(player().IsChecked(QStringLiteral("mnuPopHQ")));
    EXPECT_FALSE(player().IsChecked(QStringLiteral("mnuPopLQ")));
    EXPECT_EQ(player().MenuItem(QStringLiteral("mnuPopPlay"))->text(), QStringLiteral("Play"));
    EXPECT_EQ(player().MenuItem(QStringLiteral("mnuPopConvert"))->text(), QStringLiteral("Convert EXE to SWF"));

    Swf().SetQuality2(QStringLiteral("High"));
    player().ShowPopUp(PopUpSource::Movie);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(player().IsChecked(QStringLiteral("mnuPopHQ")));
    menu->hide();
}

TEST_F(PlayerTest, TheItemPopUpShowsTheEntriesOfItsItem)
{
    m_extensions.offered = {PlayerFeature::Info};
    MakePlayer();
    const QString folder = FolderPath() + QStringLiteral("movies");
    QDir().mkpath(folder);
    const QString movie = WriteMovie(QStringLiteral("movies/a.swf"));

    QMenu* menu = player().PreparePopUp(PopUpSource::Browser, folder);
    EXPECT_EQ(menu->objectName(), QStringLiteral("PupItem"));
    EXPECT_EQ(VisibleEntries(menu),
        QStringList({"mnuFolderBrowse", "mnuFolderShow", "mnuItemAdd", "mnuFolderGenerator", "mnuItemCut", "mnuItemCopy",
            "mnuFolderPaste", "mnuItemDelete", "mnuItemRename"}));
    EXPECT_EQ(VisibleEntries(player().PreparePopUp(PopUpSource::Browser, folder + QStringLiteral("/..")))[0],
        QStringLiteral("mnuFolderBrowse"));
    EXPECT_EQ(VisibleEntries(player().PreparePopUp(PopUpSource::Browser, movie)),
        QStringList({"mnuMoviePlay", "mnuItemAdd", "mnuMovieFile", "mnuMovieInfo", "mnuMovieConvert", "mnuMovieExtract",
            "mnuMovieSaver", "mnuItemCut", "mnuItemCopy", "mnuItemDelete", "mnuItemRename"}));
    EXPECT_FALSE(player().PopUpFromPlaylist());
    EXPECT_EQ(player().PopUpItem(), movie);
    EXPECT_EQ(player().MenuItem(QStringLiteral("mnuMovieConvert"))->text(), QStringLiteral("Convert to EXE"));
    // The item is what the item commands act on.
    player().RunCommand(QStringLiteral("mnuMovieInfo"));
    EXPECT_EQ(m_extensions.runs, QStringList{QString::number(int(PlayerFeature::Info)) + QLatin1Char(' ') + movie});

    EXPECT_EQ(VisibleEntries(player().PreparePopUp(PopUpSource::Playlist, movie)),
        QStringList({"mnuMoviePlay", "mnuMovieFile", "mnuMovieInfo", "mnuMovieConvert", "mnuMovieExtract", "mnuMovieSaver",
            "mnuMoveUp", "mnuMoveDown", "mnuRemove", "mnuRemoveAll", "mnuPLadd", "mnuPLaddFolder"}));
    EXPECT_TRUE(player().PopUpFromPlaylist());
    EXPECT_EQ(VisibleEntries(player().PreparePopUp(PopUpSource::Playlist, QString())),
        QStringList({"mnuRemoveAll", "mnuPLadd", "mnuPLaddFolder"}));
    player().PreparePopUp(PopUpSource::Playlist, FolderPath() + QStringLiteral("game.EXE"));
    EXPECT_EQ(player().MenuItem(QStringLiteral("mnuMovieConvert"))->text(), QStringLiteral("Convert EXE to SWF"));

    // A right click over the media browser: the item under the pointer, or the movie's menu.
    m_browser.browsing = true;
    m_browser.hovered = movie;
    EXPECT_EQ(player().PreparePopUp(PopUpSource::Movie)->objectName(), QStringLiteral("PupItem"));
    EXPECT_EQ(player().PopUpItem(), movie);
    EXPECT_FALSE(player().PopUpFromPlaylist());
    m_browser.hovered.clear();
    EXPECT_EQ(player().PreparePopUp(PopUpSource::Movie)->objectName(), QStringLiteral("PopUp"));
}

TEST_F(PlayerTest, ARightClickOnThePlaylistOpensTheItemPopUpForTheEntryUnderThePointer)
{
    MakePlayer();
    player().ShowPlayer();
    const QString first = WriteMovie(QStringLiteral("first.swf"));
    const QString second = WriteMovie(QStringLiteral("second.swf"));
    player().AppendToPlaylist({first, second});
    PlaylistPane* pane = player().PlaylistBox();
    const QRect row = pane->visualRect(pane->model()->index(1, 0));
    QTest::mousePress(pane->viewport(), Qt::RightButton, {}, row.center());
    QMenu* menu = player().PreparePopUp(PopUpSource::Playlist, second);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
    EXPECT_EQ(player().PopUpItem(), second);
    EXPECT_EQ(pane->SelectedRows(), QList<int>{1});
    // "Play" plays the entry, the playlist staying as it is.
    player().RunCommand(QStringLiteral("mnuMoviePlay"));
    EXPECT_EQ(player().MediaInfo().SourcePath, second);
    EXPECT_EQ(player().playlist().PLLast(), 1);

    QTest::mousePress(pane->viewport(), Qt::RightButton, {}, QPoint(10, pane->viewport()->height() - 5));
    menu->hide();
    EXPECT_TRUE(player().PopUpItem().isEmpty());
    EXPECT_TRUE(pane->SelectedRows().isEmpty());
    EXPECT_FALSE(player().MenuItem(QStringLiteral("mnuMoviePlay"))->isVisible());
    EXPECT_TRUE(player().MenuItem(QStringLiteral("mnuPLadd"))->isVisible());
}

TEST_F(PlayerTest, AssignMenusGivesTheItemsTheIconsAndMarksOfTheTable)
{
    // The set "Blue" has three icons; the option "Menus" chooses it.
    const QString folder = Folders().menus + QStringLiteral("Blue/");
    WriteIcon(folder + QStringLiteral("open.png"), Qt::red, 16);
    WriteIcon(folder + QStringLiteral("open@2x.png"), Qt::red, 32);
    WriteIcon(folder + QStringLiteral("play.png"), Qt::green, 16);
    WriteIcon(folder + QStringLiteral("pause.png"), Qt::blue, 16);
    WriteRegistryString(QStringLiteral("View"), QStringLiteral("Menus"), QStringLiteral("Blue"));
    MakePlayer();
    const MenuDecorations& table = player().Decorations();

    const std::pair<const char*, const char*> icons[]
        = {{"File", "file"}, {"View", "skin"}, {"Playback", "play"}, {"Tools", "configure"}, {"Help", "help"},
            {"Open...", "open"}, {"Convert to EXE...", "save"}, {"Using Vorlen", "help"}, {"Get Info", "info"}, {"Play", "play"},
            {"Pause", "pause"}, {"Clear Thumbnails Up", "cleanup"}, {"Exit", "exit"}, {"Media Browser", "search"},
            {"Flash Screen Saver...", "screensaver"}, {"Options...", "configure"}, {"www.vorlen.org", "web"},
            {"Contact the Author", "mail"}, {"Skin", "skin"}, {"About Vorlen", "about"}, {"Delete", "delete"}};
    for (const auto& [caption, icon] : icons) {
        const MenuDecorations::Entry* entry = table.Find(QLatin1String(caption));
        ASSERT_NE(entry, nullptr) << caption;
        EXPECT_EQ(entry->iconPath, folder + QLatin1String(icon)) << caption;
    }
    for (const char* caption : {"Full Screen", "Playlist", "Always on Top", "Menu Bar", "Keep Window Size", "Keep Aspect Ratio",
             "Mute Sound", "Loop", "Play Non Stop", "Handy Hot Keys"}) {
        ASSERT_NE(table.Find(QLatin1String(caption)), nullptr) << caption;
        EXPECT_EQ(table.Find(QLatin1String(caption))->kind, CommandKind::Check) << caption;
    }
    for (const char* caption : {"High", "Medium", "Low", "Auto High", "Auto Low", "50%", "100%", "200%", "Show All", "No Border",
             "Fit in Window", "No Scaling"}) {
        ASSERT_NE(table.Find(QLatin1String(caption)), nullptr) << caption;
        EXPECT_EQ(table.Find(QLatin1String(caption))->kind, CommandKind::Radio) << caption;
    }
    EXPECT_EQ(table.Find(QStringLiteral("-")), nullptr);

    // The menus show the set's files; an icon the set lacks is no icon and no failure.
    QAction* open = player().MenuItem(QStringLiteral("mnuOpen"));
    EXPECT_EQ(IconColour(open), QColor(Qt::red));
    EXPECT_EQ(open->icon().availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32)}));
    EXPECT_EQ(IconColour(player().MenuItem(QStringLiteral("mnuPopOpen"))), QColor(Qt::red));
    EXPECT_TRUE(player().MenuItem(QStringLiteral("mnuExit"))->icon().isNull());
    EXPECT_FALSE(m_app.Log().contains(QStringLiteral("Failed to draw")));

    // mnuPlay's icon follows its caption when its menu opens.
    QAction* play = player().MenuItem(QStringLiteral("mnuPlay"));
    EXPECT_EQ(IconColour(play), QColor(Qt::green));
    Swf().SetPlaying(true);
    player().TimerTick();
    QMenu* playback = play->associatedObjects().isEmpty() ? nullptr : qobject_cast<QMenu*>(play->associatedObjects()[0]);
    ASSERT_NE(playback, nullptr);
    playback->popup(QPoint(0, 0));
    playback->hide();
    EXPECT_EQ(IconColour(play), QColor(Qt::blue));
}

TEST_F(PlayerTest, APopUpCopySharesTheTextOfTheKeyItsTagNames)
{
    WriteAll(Folders().languages + QStringLiteral("Test.xml"),
        QByteArray("<LANG title=\"Test\" langID=\"1\"><PLAYER><MNUOPEN text=\"Laden...\"/><MNUPOPOPEN text=\"Other\"/>"
                   "<MNUPLAY text=\"Spielen\"/></PLAYER></LANG>"));
    EnumerateLanguages(QString());
    MakePlayer();
    const auto& languages = Languages();
    const auto test = std::find_if(languages.begin(), languages.end(), [](const LanguageInfo& l) { return l.Name == "Test"; });
    ASSERT_NE(test, languages.end());
    player().ChooseLanguage(int(test - languages.begin()));
    EXPECT_EQ(player().MenuItem(QStringLiteral("mnuOpen"))->text(), QStringLiteral("Laden..."));
    EXPECT_EQ(player().MenuItem(QStringLiteral("mnuPopOpen"))->text(), QStringLiteral("Laden..."));
    EXPECT_EQ(player().MenuItem(QStringLiteral("mnuMoviePlay"))->text(), QStringLiteral("Spielen"));
    EXPECT_TRUE(player().Script().ExecuteStatement(QStringLiteral("Out mnuPopOpen.Tag")));
    EXPECT_TRUE(player().ConsoleText().endsWith(QStringLiteral("\n!PLAYER/MNUOPEN")));
    // The translated caption keeps its icon.
    EXPECT_NE(player().Decorations().Find(QStringLiteral("Laden...")), nullptr);

    QFile::remove(Folders().languages + QStringLiteral("Test.xml"));
    EnumerateLanguages(QString());
    LoadLanguage();
}

TEST_F(PlayerTest, TheConsolePrintsOutAndTheErrorsOfTheLinesTypedIntoIt)
{
    MakePlayer();
    player().ShowPlayer();
    player().Out(QStringLiteral("before"));
    ASSERT_TRUE(player().HandyAction(Qt::Key_F12));
    ConsolePanel* console = player().Console();
    ASSERT_NE(console, nullptr);
    EXPECT_TRUE(console->isVisible());
    EXPECT_EQ(console->geometry().bottom(), player().rect().bottom());
    EXPECT_EQ(console->Output(), QStringLiteral("before"));
    QLineEdit* input = console->Input()->lineEdit();
    const auto type = [&](const QString& line) {
        input->setText(line);
        QTest::keyClick(input, Qt::Key_Return);
    };
    type(QStringLiteral("Out 6 * 7"));
    type(QStringLiteral("x = 1 / 0"));
    type(QStringLiteral("OUT 6 * 7"));
    type(QStringLiteral("Out \"two\"\r\nOut 1 +"));
    EXPECT_EQ(console->Output().toStdString(),
        QStringLiteral("before\n > Out 6 * 7\n42\n > x = 1 / 0\nError 11: Division by zero (line 1)\n > OUT 6 * 7\n42\n"
                       " > Out \"two\"\nOut 1 +\nError 1023: Expected expression (line 2)")
            .toStdString());
    // Only lines that ran join the history, once whatever their letter case.
    EXPECT_EQ(console->History(), QStringList{QStringLiteral("Out 6 * 7")});
    EXPECT_TRUE(input->text().isEmpty());
    // Scripts write to it too.
    player().Script().ExecuteStatement(QStringLiteral("Out \"from a script\""));
    EXPECT_TRUE(console->Output().endsWith(QStringLiteral("\nfrom a script")));

    QTest::keyClick(input, Qt::Key_Escape);
    EXPECT_FALSE(player().IsConsoleShown());
    player().ShowConsole();
    QTest::keyClick(input, Qt::Key_F12);
    EXPECT_FALSE(player().IsConsoleShown());

    // The history is there at the next start.
    m_player.reset();
    MakePlayer();
    player().ShowConsole();
    EXPECT_EQ(player().Console()->History(), QStringList{QStringLiteral("Out 6 * 7")});
}
