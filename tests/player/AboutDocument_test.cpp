#include "player/AboutDocument.h"
#include "player/HelpPages.h"

#include "common/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

AboutContent Program()
{
    AboutContent content;
    content.font = QStringLiteral("Tahoma");
    content.productName = QStringLiteral("Vorlen");
    content.version = QStringLiteral("1.4.732");
    content.comments = QStringLiteral("Plays movies & videos");
    content.copyright = QStringLiteral("(c) us");
    content.trademarks = QStringLiteral("Marks");
    content.support = QStringLiteral("<A href=\"mailto:a@b\">a@b</A>");
    return content;
}

}  // namespace

TEST(AboutDocumentText, OneLineWithTheInformationTextEscaped)
{
    EXPECT_EQ(AboutDocumentText(Program()),
        QStringLiteral("<?xml version=\"1.0\"?><ABOUT><FONT>Tahoma</FONT><INFO>&#60;B&#62;&#60;FONT size=&#34;14&#34;&#62;"
                       "Vorlen 1.4.732&#60;/FONT&#62;&#60;/B&#62; | Plays movies &#38; videos&#60;BR&#62;&#60;BR&#62;"
                       "&#60;FONT size=&#34;10&#34;&#62;(c) us&#60;BR&#62;&#60;BR&#62;Marks&#60;/FONT&#62;</INFO>"
                       "<SUPPORT>&#60;A href=&#34;mailto:a@b&#34;&#62;a@b&#60;/A&#62;</SUPPORT></ABOUT>"));
}

TEST(AboutDocumentText, CreditsStandBeforeTheCopyrightAndTheFontIsEscaped)
{
    AboutContent content = Program();
    content.font = QStringLiteral("A&B");
    content.credits = QStringLiteral("Translated by Jos&#233;");
    EXPECT_EQ(AboutInfoText(content),
        QStringLiteral("<B><FONT size=\"14\">Vorlen 1.4.732</FONT></B> | Plays movies & videos<BR><BR>"
                       "Translated by Jos&#233;<BR><BR><FONT size=\"10\">(c) us<BR><BR>Marks</FONT>"));
    const QString document = AboutDocumentText(content);
    EXPECT_TRUE(document.contains(QStringLiteral("<FONT>A&#38;B</FONT>")));
    // A reference already in the text passes unchanged.
    EXPECT_TRUE(document.contains(QStringLiteral("Translated by Jos&#233;&#60;BR&#62;")));
}

TEST(HelpPagePath, TopicsArePagesOfTheHelpFolderAndTheStartPageStandsIn)
{
    QTemporaryDir dir;
    const QString help = dir.path() + QStringLiteral("/Help/");
    QDir().mkpath(help);
    WriteAll(help + QStringLiteral("index.htm"), "start");
    WriteAll(help + QStringLiteral("overview.htm"), "overview");
    EXPECT_EQ(HelpPagePath(help, QString()), help + QStringLiteral("index.htm"));
    EXPECT_EQ(HelpPagePath(help, QStringLiteral("overview")), help + QStringLiteral("overview.htm"));
    EXPECT_EQ(HelpPagePath(help, QStringLiteral("missing")), help + QStringLiteral("index.htm"));
    // Only the last name counts: a topic cannot reach a page outside the folder.
    WriteAll(dir.path() + QStringLiteral("/secret.htm"), "outside");
    EXPECT_EQ(HelpPagePath(help, QStringLiteral("../secret")), help + QStringLiteral("index.htm"));
    EXPECT_EQ(HelpPagePath(help, QStringLiteral("..\\..\\x/overview")), help + QStringLiteral("overview.htm"));
    EXPECT_EQ(HelpPagePath(help, QStringLiteral("..")), help + QStringLiteral("index.htm"));
}
