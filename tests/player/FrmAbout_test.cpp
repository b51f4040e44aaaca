#include "PlayerTestSupport.h"

#include "base/AppFolders.h"
#include "media/FlashVideo.h"
#include "options/RegistryStore.h"
#include "player/FrmAbout.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTimer>

namespace {

QString AboutXml()
{
    return QString::fromUtf8(ReadAll(Folders().flash + QStringLiteral("about.xml")));
}

// The about box's control, kept for the test while the box owns it.
struct AboutControl {
    FakeFlashControl* swf = nullptr;
    std::unique_ptr<FlashControl> Make()
    {
        auto control = std::make_unique<FakeFlashControl>();
        swf = control.get();
        return control;
    }
};

}  // namespace

TEST_F(PlayerTest, TheAboutBoxWritesItsDocumentAndLoadsItsMovie)
{
    AboutControl control;
    FrmAbout about(control.Make(), true);
    const QString xml = AboutXml();
    EXPECT_TRUE(xml.startsWith(QStringLiteral("<?xml version=\"1.0\"?><ABOUT><FONT>"))) << xml.toStdString();
    EXPECT_TRUE(xml.contains(QStringLiteral("<INFO>&#60;B&#62;&#60;FONT size=&#34;14&#34;&#62;Vorlen 1.4.732&#60;/FONT&#62;")))
        << xml.toStdString();
    EXPECT_TRUE(xml.endsWith(QStringLiteral("&#62;Web Site: www.vorlen.org&#60;/A&#62;</SUPPORT></ABOUT>"))) << xml.toStdString();
    ASSERT_EQ(control.swf->calls.size(), 1);
    const QString prefix = QStringLiteral("LoadMovie 0 ") + Folders().flash + QStringLiteral("about.swf?myXML=")
        + EncodeUrlText(Folders().flash + QStringLiteral("about.xml")) + QStringLiteral("&time=");
    EXPECT_TRUE(control.swf->calls[0].startsWith(prefix)) << control.swf->calls[0].toStdString();
    EXPECT_TRUE(control.swf->calls[0].endsWith(QStringLiteral("&noanim=True")));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Vorlen"));
    EXPECT_EQ(control.swf->widget()->objectName(), QStringLiteral("SWF"));
    EXPECT_EQ(control.swf->widget()->size(), QSize(FrmAbout::kMovieWidth, FrmAbout::kMovieHeight));

    // Opened again, it writes the document again.
    QFile::remove(Folders().flash + QStringLiteral("about.xml"));
    AboutControl again;
    FrmAbout second(again.Make(), false);
    EXPECT_EQ(AboutXml(), xml);
    EXPECT_TRUE(again.swf->calls.value(0).endsWith(QStringLiteral("&noanim=False")));
}

TEST_F(PlayerTest, TheAboutBoxOpensTheWebSiteForGoWebAndHelpAndClosesWithExit)
{
    OpenedUrls opened;
    AboutControl control;
    FrmAbout about(control.Make(), true);
    QStringList topics;
    about.openHelp = [&topics](const QString& topic) { topics << topic; };
    about.show();
    control.swf->RaiseFsCommand(QStringLiteral("QUIT"), QString());
    control.swf->RaiseFsCommand(QStringLiteral("MEOWOPEN"), QString());
    EXPECT_TRUE(opened.urls.isEmpty());
    control.swf->RaiseFsCommand(QStringLiteral("goWeb"), QStringLiteral("http://elsewhere.example/"));
    EXPECT_EQ(opened.urls, QList<QUrl>{QUrl(QStringLiteral("http://www.vorlen.org"))});

    about.findChild<QPushButton*>(QStringLiteral("cbHelp"))->click();
    EXPECT_EQ(topics, QStringList{QStringLiteral("overview")});
    EXPECT_TRUE(about.isVisible());
    about.findChild<QPushButton*>(QStringLiteral("cbExit"))->click();
    EXPECT_FALSE(about.isVisible());
}

// The menu opens the box modally, with a " :: About" header in the log; the help button opens
// the overview page in the browser.
TEST_F(PlayerTest, AboutIsOfferedWithAControlForItAndHelpOpensItsPages)
{
    MakePlayer();
    EXPECT_FALSE(player().MenuItem(QStringLiteral("mnuAbout"))->isEnabled());
    EXPECT_FALSE(player().RunCommand(QStringLiteral("mnuAbout")));
    m_player.reset();

    OpenedUrls opened;
    QDir().mkpath(Folders().help);
    WriteAll(Folders().help + QStringLiteral("index.htm"), "start");
    WriteAll(Folders().help + QStringLiteral("overview.htm"), "overview");
    WriteAll(Folders().help + QStringLiteral("keys.htm"), "keys");
    AboutControl control;
    m_newControl = [&control] { return control.Make(); };
    MakePlayer();
    EXPECT_TRUE(player().MenuItem(QStringLiteral("mnuAbout"))->isEnabled());
    EXPECT_TRUE(player().MenuItem(QStringLiteral("mnuPopAbout"))->isEnabled());
    Mark();
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<FrmAbout*>(QApplication::activeModalWidget());
        shown = box != nullptr;
        if (box) {
            box->findChild<QPushButton*>(QStringLiteral("cbHelp"))->click();
            box->findChild<QPushButton*>(QStringLiteral("cbExit"))->click();
        }
    });
    EXPECT_TRUE(player().RunCommand(QStringLiteral("mnuAbout")));
    EXPECT_TRUE(shown);
    EXPECT_EQ(LogSinceMark().mid(0, 2), (QStringList{QStringLiteral("<br>"), QStringLiteral(" :: About<br>")}));

    // F1 and the script's HelpMe with a topic.
    EXPECT_TRUE(player().RunCommand(QStringLiteral("mnuHelpMe")));
    player().ExecuteStatement(QStringLiteral("HelpMe \"keys\""));
    EXPECT_EQ(opened.urls,
        (QList<QUrl>{QUrl::fromLocalFile(Folders().help + QStringLiteral("overview.htm")),
            QUrl::fromLocalFile(Folders().help + QStringLiteral("index.htm")),
            QUrl::fromLocalFile(Folders().help + QStringLiteral("keys.htm"))}));
}
