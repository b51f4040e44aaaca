#include "PlayerTestSupport.h"

#include "base/AppFolders.h"
#include "options/RegistryStore.h"

// The whole document as the window writes it, with the built-in English texts and without the
// recent movies (History off).
TEST_F(PlayerTest, TheWelcomeDocumentIsWrittenExactly)
{
    WriteRegistryString(QStringLiteral("Recent"), QStringLiteral("History"), QStringLiteral("False"));
    const QString movie = WriteMovie(QStringLiteral("seen.swf"));
    MakePlayer();
    player().LoadFlash(movie, QString(), false);
    player().CloseMedia(QStringLiteral("Tom & Jerry <3 \"quoted\" &#38;"));
    EXPECT_EQ(WelcomeXml(),
        QStringLiteral("<?xml version=\"1.0\"?><WELCOME><FONT>") + UIFont().name
            + QStringLiteral("</FONT><TITLE>Recent Movies</TITLE><OPEN>Open...</OPEN><BROWSE>Media Browser</BROWSE>"
                             "<PLUS>Goodies...</PLUS><HELP>Help</HELP><SUPPORT>&#60;A href=&#34;mailto:support@vorlen.org&#34;"
                             "&#62;Support: support@vorlen.org&#60;/A&#62;&#60;BR&#62;&#60;A href=&#34;http://www.vorlen.org&#34;"
                             "&#62;Web Site: www.vorlen.org&#60;/A&#62;</SUPPORT>"
                             "<ERROR>Tom &#38; Jerry &#60;3 &#34;quoted&#34; &#38;</ERROR></WELCOME>"));
}

// When the engine cannot show a movie, the welcome screen says why; when the welcome screen
// itself fails, the window says so in its place and loads nothing more.
TEST_F(PlayerTest, AnEngineFailureShowsThePlayersOwnErrorOnTheWelcomeScreen)
{
    const QString movie = WriteMovie(QStringLiteral("broken.swf"));
    WriteAll(Folders().flash + QStringLiteral("welcome.swf"), MovieBytes());
    MakePlayer();
    player().LoadFlash(movie, QString(), false);
    ASSERT_FALSE(player().IsInterfaceMovie());
    Mark();
    Swf().RaiseEngineFailed(QStringLiteral("the engine panicked"));
    EXPECT_TRUE(player().IsInterfaceMovie());
    EXPECT_EQ(player().windowTitle(), QStringLiteral("Vorlen - Welcome"));
    EXPECT_TRUE(WelcomeXml().contains(QStringLiteral("<ERROR>This movie cannot be played: the engine panicked</ERROR>")));
    EXPECT_EQ(LogSinceMark().mid(0, 2),
        (QStringList{QStringLiteral("<br>"),
            QStringLiteral("Failed to load, since This movie cannot be played: the engine panicked<br>")}));

    const int loads = Swf().calls.filter(QStringLiteral("LoadMovie 0 ")).size();
    Swf().RaiseEngineFailed(QStringLiteral("again"));
    EXPECT_EQ(Swf().calls.filter(QStringLiteral("LoadMovie 0 ")).size(), loads);
    EXPECT_TRUE(player().IsInterfaceMovie());
}
