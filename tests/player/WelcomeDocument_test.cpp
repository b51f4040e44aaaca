#include "player/WelcomeDocument.h"

#include <gtest/gtest.h>

namespace {

WelcomeContent English()
{
    WelcomeContent content;
    content.font = QStringLiteral("Century Gothic");
    content.title = QStringLiteral("Recent Movies");
    content.open = QStringLiteral("Open...");
    content.browse = QStringLiteral("Media Browser");
    content.plus = QStringLiteral("Goodies...");
    content.help = QStringLiteral("Help");
    content.support = QStringLiteral("<A href=\"mailto:a@b\">Support</A>");
    return content;
}

}  // namespace

TEST(WelcomeDocumentText, OneLineInTheOrderOfTheElements)
{
    WelcomeContent content = English();
    content.error = QStringLiteral("File Not Found");
    content.recent = {
        {QStringLiteral("/m/a.swf"), QStringLiteral("/m/a.swf")}, {QStringLiteral("/x/.../b.swf"), QStringLiteral("/x/y/b.swf")}};
    EXPECT_EQ(WelcomeDocumentText(content),
        QStringLiteral("<?xml version=\"1.0\"?><WELCOME><FONT>Century Gothic</FONT><TITLE>Recent Movies</TITLE>"
                       "<OPEN>Open...</OPEN><BROWSE>Media Browser</BROWSE><PLUS>Goodies...</PLUS><HELP>Help</HELP>"
                       "<SUPPORT>&#60;A href=&#34;mailto:a@b&#34;&#62;Support&#60;/A&#62;</SUPPORT>"
                       "<ERROR>File Not Found</ERROR><RECENT>/m/a.swf</RECENT><FILE>/m/a.swf</FILE>"
                       "<RECENT>/x/.../b.swf</RECENT><FILE>/x/y/b.swf</FILE></WELCOME>"));
}

TEST(WelcomeDocumentText, EscapesEverythingButTheFontAndKeepsReferences)
{
    WelcomeContent content = English();
    content.font = QStringLiteral("A&B");
    content.error = QStringLiteral("a < b");
    content.recent = {{QStringLiteral("Tom &#38; Jerry"), QStringLiteral("/m/Tom & Jerry.swf")}};
    const QString text = WelcomeDocumentText(content);
    EXPECT_TRUE(text.contains(QStringLiteral("<FONT>A&B</FONT>")));
    EXPECT_TRUE(text.contains(QStringLiteral("<ERROR>a &#60; b</ERROR>")));
    EXPECT_TRUE(text.contains(QStringLiteral("<RECENT>Tom &#38; Jerry</RECENT><FILE>/m/Tom &#38; Jerry.swf</FILE>")));
}

TEST(WelcomeDocumentText, WithoutHistoryNoRecentMovies)
{
    WelcomeContent content = English();
    content.history = false;
    content.recent = {{QStringLiteral("a"), QStringLiteral("/a.swf")}};
    const QString text = WelcomeDocumentText(content);
    EXPECT_FALSE(text.contains(QStringLiteral("<RECENT>")));
    EXPECT_FALSE(text.contains(QStringLiteral("<FILE>")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("<ERROR></ERROR></WELCOME>")));
}

TEST(InterfaceMovieAddress, EncodesThePathAndNamesTimeAndAnimation)
{
    const QString address = InterfaceMovieAddress(QStringLiteral("/app/Data/Flash/"), QStringLiteral("welcome.swf"),
        QStringLiteral("/my dir/\u00e9/welcome.xml"), QStringLiteral("10:11:12.013"), true);
    EXPECT_EQ(address,
        QStringLiteral("/app/Data/Flash/welcome.swf?myXML=%2Fmy%20dir%2F%C3%A9%2Fwelcome%2Exml&time=10:11:12.013&noanim=True"));
    EXPECT_TRUE(InterfaceMovieAddress(QString(), QStringLiteral("a.swf"), QString(), QString(), false)
                    .endsWith(QStringLiteral("&noanim=False")));
}
