#include "PlayerTestSupport.h"

#include "base/AppFolders.h"
#include "options/RegistryStore.h"
#include "player/FSCommandTable.h"

#include <QAction>
#include <QDir>
#include <QSignalSpy>

namespace {

// A player whose movies may use the protected commands or not (option "FSCommand").
class FSCommandTest : public PlayerTest {
protected:
    Player& MakePlayerAllowing(bool allowed)
    {
        WriteRegistryString(QStringLiteral("System"), QStringLiteral("FSCommand"), allowed ? "True" : "False");
        return MakePlayer();
    }
    void Send(const QString& command, const QString& args = QString()) { Swf().RaiseFsCommand(command, args); }
    QStringList Loads() { return Swf().calls.filter(QStringLiteral("LoadMovie 0 ")); }

    OpenedUrls m_opened;
};

}  // namespace

TEST(FSCommandArguments, NumbersRoundHalvesToEvenAndTextThatIsNoNumberCountsAsZero)
{
    struct Case {
        const char* text;
        int number;
        bool boolean;
    };
    const Case cases[] = {
        {"3", 3, true},
        {" 7 ", 7, true},
        {"2.5", 2, true},
        {"3.5", 4, true},
        {"-1.5", -2, true},
        {"0", 0, false},
        {"0.4", 0, true},
        {"", 0, false},
        {"abc", 0, false},
        {"12px", 0, false},
        {"1e12", 2147483647, true},
        {"TRUE", 0, true},
        {"False", 0, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FSNumber(QLatin1String(c.text)), c.number) << c.text;
        EXPECT_EQ(FSBoolean(QLatin1String(c.text)), c.boolean) << c.text;
    }
}

// Every row is found by its name in any letter case; the three guarded ones are marked.
TEST(FSCommandArguments, TheTableKnowsEveryCommandInAnyLetterCase)
{
    QStringList guarded;
    for (const FSCommandRow& row : FSCommandTable()) {
        const QString name = QLatin1String(row.command);
        EXPECT_EQ(FindFSCommand(name.toLower()), &row);
        EXPECT_EQ(FindFSCommand(name.left(1) + name.mid(1).toLower()), &row);
        if (row.protection != FSProtection::None)
            guarded << name;
    }
    EXPECT_EQ(FSCommandTable().size(), 16u);
    EXPECT_EQ(guarded, (QStringList{QStringLiteral("FULLSCREEN"), QStringLiteral("EXEC"), QStringLiteral("QUIT")}));
    EXPECT_EQ(FindFSCommand(QStringLiteral("MEOW")), nullptr);
}

TEST_F(FSCommandTest, CommandsAreMatchedInAnyLetterCaseAndUnknownOnesAreLogged)
{
    MakePlayerAllowing(true);
    Mark();
    Send(QStringLiteral("meowlog"), QStringLiteral("first"));
    Send(QStringLiteral("MeowLog"), QStringLiteral("second <b>"));
    Send(QStringLiteral("Unknown_Thing"), QStringLiteral("ignored"));
    Send(QString(), QString());
    EXPECT_EQ(LogSinceMark().join(QLatin1Char('\n')).toStdString(),
        "<br>\nMedia debug :: first<br>\n<br>\nMedia debug :: second <b><br>\n"
        "<br>\nUnsupported FS Command (Unknown_Thing)<br>\n<br>\nUnsupported FS Command ()<br>");
}

TEST_F(FSCommandTest, ProtectedCommandsDoNothingWhileTheOptionIsOff)
{
    const QString target = WriteFile(QStringLiteral("notes.txt"), "text");
    MakePlayerAllowing(false);
    QSignalSpy unloaded(&player(), &Player::Unloaded);
    Mark();
    Send(QStringLiteral("quit"));
    Send(QStringLiteral("FULLSCREEN"), QStringLiteral("true"));
    Send(QStringLiteral("exec"), target);
    EXPECT_EQ(unloaded.count(), 0);
    EXPECT_EQ(m_released, 0);
    EXPECT_FALSE(player().IsChecked(QStringLiteral("mnuFullScreen")));
    // The request to open is logged all the same, and nothing is opened.
    EXPECT_EQ(LogSinceMark().join(QLatin1Char('\n')), QStringLiteral("<br>\nMovie opened: '") + target + QStringLiteral("'<br>"));
    EXPECT_TRUE(m_opened.urls.isEmpty());
}

TEST_F(FSCommandTest, ProtectedCommandsRunWhileTheOptionIsOn)
{
    const QString target = WriteFile(QStringLiteral("my notes.txt"), "text");
    MakePlayerAllowing(true);
    Mark();
    Send(QStringLiteral("Exec"), target);
    Send(QStringLiteral("EXEC"), QStringLiteral("http://example.org/page"));
    ASSERT_EQ(m_opened.urls.size(), 2);
    EXPECT_EQ(m_opened.urls[0], QUrl::fromLocalFile(target));
    EXPECT_EQ(m_opened.urls[1], QUrl(QStringLiteral("http://example.org/page")));
    EXPECT_TRUE(LogSinceMark().contains(QStringLiteral("Movie opened: 'http://example.org/page'<br>")));

    Send(QStringLiteral("fullscreen"), QStringLiteral("TRUE"));
    EXPECT_TRUE(player().IsChecked(QStringLiteral("mnuFullScreen")));
    Send(QStringLiteral("FULLSCREEN"), QStringLiteral("0"));
    EXPECT_FALSE(player().IsChecked(QStringLiteral("mnuFullScreen")));
    Send(QStringLiteral("FULLSCREEN"), QStringLiteral("1"));
    EXPECT_TRUE(player().IsChecked(QStringLiteral("mnuFullScreen")));
    // Text that is neither a boolean nor a number is false.
    Send(QStringLiteral("FULLSCREEN"), QStringLiteral("yes"));
    EXPECT_FALSE(player().IsChecked(QStringLiteral("mnuFullScreen")));

    QSignalSpy unloaded(&player(), &Player::Unloaded);
    Send(QStringLiteral("Quit"));
    EXPECT_EQ(unloaded.count(), 1);
    EXPECT_TRUE(LogBody().contains(QStringLiteral("<B>Quit: Movie Request</B><br>")));
}

TEST_F(FSCommandTest, TheBrowsersCommandsReachTheBrowserWithTheirNumbers)
{
    const QString movie = WriteMovie(QStringLiteral("clip.swf"));
    m_browser.items = {{QStringLiteral("/m/sub/"), true}, {movie, false}};
    MakePlayerAllowing(false);
    player().OptionValues().lastMediaFolder = QStringLiteral("/m/last/");

    Send(QStringLiteral("BROWSESCROLL"), QStringLiteral("120.5"));
    Send(QStringLiteral("browsescroll"), QStringLiteral("down"));
    Send(QStringLiteral("SHOTOVER"), QStringLiteral("2"));
    Send(QStringLiteral("SHOTOVER"), QStringLiteral("3"));  // beyond the items
    Send(QStringLiteral("SHOTOVER"), QStringLiteral("-1"));
    Send(QStringLiteral("SHOTOVER"), QStringLiteral("none"));  // 0: no item
    EXPECT_EQ(m_browser.calls,
        (QStringList{
            QStringLiteral("Scroll 120"), QStringLiteral("Scroll 0"), QStringLiteral("Hover 2"), QStringLiteral("Hover 0")}));

    // SHOTCLICK: numbers outside 1..count and text do nothing; a folder is browsed from the top.
    m_browser.calls.clear();
    const int loadsBefore = Loads().size();
    for (const char* number : {"0", "3", "x", "-2"})
        Send(QStringLiteral("SHOTCLICK"), QLatin1String(number));
    EXPECT_TRUE(m_browser.calls.isEmpty());
    EXPECT_EQ(Loads().size(), loadsBefore);
    Send(QStringLiteral("ShotClick"), QStringLiteral("1"));
    EXPECT_EQ(m_browser.calls, (QStringList{QStringLiteral("Scroll 0"), QStringLiteral("ShowFolder /m/sub/")}));
    // A movie becomes the playlist and plays.
    Send(QStringLiteral("SHOTCLICK"), QStringLiteral("1.6"));
    EXPECT_EQ(player().playlist().PLEntries().mid(0, player().playlist().PLLast() + 1), QStringList{movie});
    EXPECT_EQ(player().MediaInfo().SourcePath, movie);

    m_browser.calls.clear();
    Send(QStringLiteral("MEOWSEARCH"), QString());
    Send(QStringLiteral("MEOWSEARCH"), QStringLiteral("/m/other/"));
    EXPECT_EQ(m_browser.calls,
        (QStringList{QStringLiteral("Scroll 0"), QStringLiteral("ShowFolder /m/last/"), QStringLiteral("Scroll 0"),
            QStringLiteral("ShowFolder /m/other/")}));
}

TEST_F(FSCommandTest, MeowBrowseAsksForAFolderAndBrowsesOnlyWhatWasChosen)
{
    MakePlayerAllowing(true);
    player().OptionValues().lastMediaFolder = QStringLiteral("/m/last/");
    Send(QStringLiteral("MEOWBROWSE"), QString());
    EXPECT_EQ(m_dialogs.lastTitle, QStringLiteral("Select Folder to Browse Media in:"));
    EXPECT_EQ(m_dialogs.lastFolder, QStringLiteral("/m/last/"));
    EXPECT_TRUE(m_browser.calls.isEmpty());  // cancelled

    m_dialogs.folderAnswer = QStringLiteral("/m/chosen/");
    Send(QStringLiteral("meowbrowse"), QStringLiteral("/m/start/"));
    EXPECT_EQ(m_dialogs.lastFolder, QStringLiteral("/m/start/"));
    EXPECT_EQ(m_browser.calls, QStringList{QStringLiteral("ShowFolder /m/chosen/")});
}

TEST_F(FSCommandTest, TheWelcomeScreensCommandsRunThePlayersCommands)
{
    const QString movie = WriteMovie(QStringLiteral("recent one.swf"));
    m_extensions.offered = {PlayerFeature::Update};
    MakePlayerAllowing(false);

    Send(QStringLiteral("MEOWLOAD"), movie);
    EXPECT_EQ(player().MediaInfo().SourcePath, movie);
    EXPECT_EQ(player().playlist().PLLast(), 0);

    Send(QStringLiteral("MEOWOPEN"), QStringLiteral("ignored"));
    EXPECT_EQ(m_dialogs.lastTitle, QStringLiteral("Open Movie..."));

    Send(QStringLiteral("MEOWUPDATE"));
    EXPECT_EQ(m_extensions.runs, QStringList{QString::number(int(PlayerFeature::Update)) + QLatin1Char(' ')});

    Send(QStringLiteral("MEOWMSG"), QStringLiteral("Hello & bye"));
    EXPECT_EQ(m_dialogs.messages, QStringList{QStringLiteral("Media Debug: Hello & bye")});

    QDir().mkpath(Folders().help);
    WriteAll(Folders().help + QStringLiteral("index.htm"), "<html></html>");
    Send(QStringLiteral("MEOWHELP"), QStringLiteral("keys"));  // the argument is ignored
    Send(QStringLiteral("MEOWPLUS"));
    Send(QStringLiteral("GoWeb"), QStringLiteral("http://elsewhere.example/"));
    EXPECT_EQ(m_opened.urls,
        (QList<QUrl>{QUrl::fromLocalFile(Folders().help + QStringLiteral("index.htm")),
            QUrl(QStringLiteral("http://www.vorlen.org/plus")), QUrl(QStringLiteral("http://www.vorlen.org/"))}));
}

TEST_F(FSCommandTest, TheMoreSkinsAndMoreLanguagesItemsOpenTheVendorsPages)
{
    MakePlayer();
    ASSERT_TRUE(player().MenuItem(QStringLiteral("mnuMoreSkins"))->isEnabled());
    player().MenuItem(QStringLiteral("mnuMoreSkins"))->trigger();
    player().MenuItem(QStringLiteral("mnuMoreLangs"))->trigger();
    EXPECT_EQ(m_opened.urls,
        (QList<QUrl>{
            QUrl(QStringLiteral("http://www.vorlen.org/skins")), QUrl(QStringLiteral("http://www.vorlen.org/languages"))}));
}
