#include "EngineTestSupport.h"
#include "UiMovieSupport.h"

#include "common/TestSupport.h"

#include "base/AppFolders.h"
#include "base/XmlText.h"
#include "lang/VendorLinks.h"

#include <QJsonArray>

namespace {

const QSize kWelcomeSize(550, 400);
const QSize kAboutSize(420, 260);

struct RecentEntry {
    QString caption;
    QString file;
};

// A welcome document as the player writes it: one line, texts escaped.
QString WelcomeXml(const QStringList& captions, const QString& error, const QList<RecentEntry>& recent,
    const QString& font = QStringLiteral("DejaVu Sans"))
{
    QString xml = QStringLiteral("<?xml version=\"1.0\"?><WELCOME><FONT>") + font + QStringLiteral("</FONT>");
    const char* names[] = {"TITLE", "OPEN", "BROWSE", "PLUS", "HELP"};
    for (int i = 0; i < 5; ++i)
        xml += QStringLiteral("<%1>%2</%1>").arg(QLatin1String(names[i]), EscapeXml(captions.value(i)));
    xml += QStringLiteral("<SUPPORT>") + EscapeXml(SupportLinksHtml()) + QStringLiteral("</SUPPORT>");
    xml += QStringLiteral("<ERROR>") + EscapeXml(error) + QStringLiteral("</ERROR>");
    for (const RecentEntry& entry : recent)
        xml += QStringLiteral("<RECENT>") + EscapeXml(entry.caption) + QStringLiteral("</RECENT><FILE>") + EscapeXml(entry.file)
            + QStringLiteral("</FILE>");
    return xml + QStringLiteral("</WELCOME>");
}

const QStringList kCaptions = {QStringLiteral("Zuletzt gespielt"), QStringLiteral("Öffnen..."),
    QStringLiteral("Medien & Vorschau"), QStringLiteral("Extras..."), QStringLiteral("Hilfe")};

QStringList Strings(const QJsonValue& value)
{
    QStringList strings;
    for (const QJsonValue& item : value.toArray())
        strings << item.toString();
    return strings;
}

QJsonObject Areas(const QJsonObject& state)
{
    return state.value(QStringLiteral("areas")).toObject();
}

QJsonObject Texts(const QJsonObject& state)
{
    return state.value(QStringLiteral("texts")).toObject();
}

}  // namespace

// The movie shows the document's own texts and sends the four actions' commands on clicks.
TEST(WelcomeMovie, ShowsTheDocumentsTextsAndSendsItsCommands)
{
    RuffleFlashControl& control = SharedControl();
    const UiDocument document(QStringLiteral("welcome"), WelcomeXml(kCaptions, QString(), {}));
    const QJsonObject state = ShowUiMovie(control, QStringLiteral("welcome.swf"), document.Path(), kWelcomeSize);
    ASSERT_EQ(state.value(QStringLiteral("state")).toString(), QStringLiteral("ready"))
        << state.value(QStringLiteral("failure")).toString().toStdString();
    EXPECT_EQ(state.value(QStringLiteral("font")).toString(), QStringLiteral("DejaVu Sans"));
    EXPECT_FALSE(state.value(QStringLiteral("animations")).toBool());
    const QJsonObject texts = Texts(state);
    EXPECT_EQ(texts.value(QStringLiteral("title")).toString(), kCaptions[0]);
    EXPECT_EQ(texts.value(QStringLiteral("open")).toString(), kCaptions[1]);
    EXPECT_EQ(texts.value(QStringLiteral("browse")).toString(), kCaptions[2]);
    EXPECT_EQ(texts.value(QStringLiteral("plus")).toString(), kCaptions[3]);
    EXPECT_EQ(texts.value(QStringLiteral("help")).toString(), kCaptions[4]);
    EXPECT_EQ(Strings(texts.value(QStringLiteral("support"))),
        (QStringList{QStringLiteral("Support: support@vorlen.org"), QStringLiteral("Web Site: www.vorlen.org")}));
    EXPECT_TRUE(Strings(texts.value(QStringLiteral("recent"))).isEmpty());
    EXPECT_FALSE(Areas(state).contains(QStringLiteral("error")));

    CommandLog commands(control);
    const QJsonObject areas = Areas(state);
    for (const char* name : {"open", "browse", "plus", "help", "link2"}) {
        const QPoint centre = AreaCentre(areas.value(QLatin1String(name)).toObject());
        ASSERT_FALSE(centre.isNull()) << name;
        ClickAt(control, centre);
    }
    ASSERT_TRUE(control.WaitFor([&] { return commands.all.size() >= 5; }, 5000)) << commands.all.size();
    const QList<QPair<QString, QString>> expected = {{QStringLiteral("MEOWOPEN"), QString()},
        {QStringLiteral("MEOWSEARCH"), QString()}, {QStringLiteral("MEOWPLUS"), QString()},
        {QStringLiteral("MEOWHELP"), QString()}, {QStringLiteral("GOWEB"), QString()}};
    EXPECT_EQ(commands.all, expected);
}

// A recent movie is played by its full path, whatever its caption says.
TEST(WelcomeMovie, RecentMovieClickSendsItsFilePath)
{
    RuffleFlashControl& control = SharedControl();
    const QList<RecentEntry> recent = {
        {QStringLiteral("/home/anna/Movies/intro.swf"), QStringLiteral("/home/anna/Movies/intro.swf")},
        {QStringLiteral("/home/anna/…/Spiele & Späße/a <b>.swf"), QStringLiteral("/home/anna/Flash/Spiele & Späße/a <b>.swf")},
        {QStringLiteral("/media/usb/Cute Cat - 3092.flv"), QStringLiteral("/media/usb/Cute Cat - 3092.flv")},
    };
    const UiDocument document(QStringLiteral("welcome"), WelcomeXml(kCaptions, QString(), recent));
    const QJsonObject state = ShowUiMovie(control, QStringLiteral("welcome.swf"), document.Path(), kWelcomeSize);
    const QJsonObject texts = Texts(state);
    EXPECT_EQ(Strings(texts.value(QStringLiteral("files"))), (QStringList{recent[0].file, recent[1].file, recent[2].file}));
    EXPECT_EQ(
        Strings(texts.value(QStringLiteral("recent"))), (QStringList{recent[0].caption, recent[1].caption, recent[2].caption}));
    const QJsonObject areas = Areas(state);
    EXPECT_FALSE(areas.contains(QStringLiteral("recent4")));

    CommandLog commands(control);
    ClickAt(control, AreaCentre(areas.value(QStringLiteral("recent2")).toObject()));
    ClickAt(control, AreaCentre(areas.value(QStringLiteral("recent3")).toObject()));
    ASSERT_TRUE(commands.WaitFor(QStringLiteral("MEOWLOAD"), 5000, 1));
    EXPECT_EQ(commands.ArgumentsOf(QStringLiteral("MEOWLOAD")), (QStringList{recent[1].file, recent[2].file}));
}

// An error is told in a banner above the actions, which move down to make room.
TEST(WelcomeMovie, ErrorTextIsShownInABanner)
{
    RuffleFlashControl& control = SharedControl();
    const QString error = QStringLiteral("Failed to open /home/anna/a&b.swf: \"<not a movie>\"");
    const UiDocument plain(QStringLiteral("welcome"), WelcomeXml(kCaptions, QString(), {}));
    const QJsonObject withoutError = ShowUiMovie(control, QStringLiteral("welcome.swf"), plain.Path(), kWelcomeSize);
    const UiDocument failed(QStringLiteral("welcome"), WelcomeXml(kCaptions, error, {}));
    const QJsonObject withError = ShowUiMovie(control, QStringLiteral("welcome.swf"), failed.Path(), kWelcomeSize);

    EXPECT_EQ(Texts(withError).value(QStringLiteral("error")).toString(), error);
    const QJsonObject banner = Areas(withError).value(QStringLiteral("error")).toObject();
    ASSERT_FALSE(banner.isEmpty());
    const auto top = [](const QJsonObject& state) {
        return Areas(state).value(QStringLiteral("open")).toObject().value(QStringLiteral("y")).toDouble();
    };
    EXPECT_GE(top(withError), banner.value(QStringLiteral("y")).toDouble() + banner.value(QStringLiteral("h")).toDouble());
    EXPECT_GT(top(withError), top(withoutError));
    // The banner is painted in the error colour, next to the warning sign.
    const QImage frame = control.GrabFrame();
    const QPoint inside(qRound(banner.value(QStringLiteral("x")).toDouble() + banner.value(QStringLiteral("w")).toDouble() - 12),
        qRound(banner.value(QStringLiteral("y")).toDouble() + 6));
    EXPECT_TRUE(Near(frame.pixelColor(inside), QColor(0x4A, 0x1F, 0x27), 12)) << frame.pixelColor(inside).name().toStdString();
}

// Without a readable document the movie shows its own English texts and still works.
TEST(WelcomeMovie, UnreadableDocumentLeavesTheBuiltInTexts)
{
    RuffleFlashControl& control = SharedControl();
    const UiDocument malformed(QStringLiteral("welcome"), QStringLiteral("<?xml version=\"1.0\"?><WELCOME><OPEN>Auf</WELCOME>"));
    for (const QString& path : {malformed.Path(), Folders().flash + QStringLiteral("no such welcome.xml")}) {
        SCOPED_TRACE(path.toStdString());
        const QJsonObject state = ShowUiMovie(control, QStringLiteral("welcome.swf"), path, kWelcomeSize, false);
        EXPECT_EQ(state.value(QStringLiteral("state")).toString(), QStringLiteral("failed"));
        EXPECT_TRUE(state.value(QStringLiteral("animations")).toBool());
        EXPECT_EQ(Texts(state).value(QStringLiteral("open")).toString(), QStringLiteral("Open..."));
        EXPECT_EQ(Texts(state).value(QStringLiteral("title")).toString(), QStringLiteral("Recent Movies"));
        // With animations on, the actions fade in before they can be seen and clicked.
        QJsonObject help;
        EXPECT_TRUE(control.WaitFor(
            [&] {
                help = Areas(MovieState(control)).value(QStringLiteral("help")).toObject();
                return !help.isEmpty();
            },
            5000));
        CommandLog commands(control);
        ClickAt(control, AreaCentre(help));
        EXPECT_TRUE(commands.WaitFor(QStringLiteral("MEOWHELP")));
    }
}

// The about box shows the information text without its markup and its web link sends GOWEB.
TEST(AboutMovie, ShowsTheInformationAndSendsGoWebForTheWebLink)
{
    RuffleFlashControl& control = SharedControl();
    const QString info
        = QStringLiteral("<B><FONT size=\"14\">Vorlen 1.4.732</FONT></B> | Flash player<BR><BR>Deutsch von A &amp; B"
                         "<BR><BR><FONT size=\"10\">© 2024 Vorlen<BR><BR>Marks</FONT>");
    const UiDocument document(QStringLiteral("about"),
        QStringLiteral("<?xml version=\"1.0\"?><ABOUT><FONT>Tahoma</FONT><INFO>") + EscapeXml(info)
            + QStringLiteral("</INFO><SUPPORT>") + EscapeXml(SupportLinksHtml()) + QStringLiteral("</SUPPORT></ABOUT>"));
    const QJsonObject state = ShowUiMovie(control, QStringLiteral("about.swf"), document.Path(), kAboutSize);
    ASSERT_EQ(state.value(QStringLiteral("state")).toString(), QStringLiteral("ready"));
    EXPECT_EQ(state.value(QStringLiteral("font")).toString(), QStringLiteral("Tahoma"));
    QString shown = Texts(state).value(QStringLiteral("info")).toString();
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    EXPECT_EQ(shown, QStringLiteral("Vorlen 1.4.732 | Flash player\n\nDeutsch von A & B\n\n© 2024 Vorlen\n\nMarks"));
    EXPECT_EQ(Strings(Texts(state).value(QStringLiteral("support"))).size(), 2);
    CommandLog commands(control);
    ClickAt(control, AreaCentre(Areas(state).value(QStringLiteral("link2")).toObject()));
    ASSERT_TRUE(commands.WaitFor(QStringLiteral("GOWEB")));
    EXPECT_EQ(commands.all.size(), 1);
}
