#include "base/XmlDocument.h"
#include "common/TestSupport.h"

#include <QTemporaryDir>

TEST(XmlDocument, SelectsElementsAndAttributes)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.loadXML(QStringLiteral("<?xml version=\"1.0\"?><THEME build=\"700\" name=\"Blue &#38; Gold\">"
                                           "<VIEW id=\"main\"><IMG src=\"a.png\"/></VIEW><VIEW id=\"mini\"/></THEME>")));
    EXPECT_EQ(doc.parseError().errorCode, 0);
    EXPECT_EQ(doc.selectSingleNode(QStringLiteral("THEME/@build")).text(), QStringLiteral("700"));
    EXPECT_EQ(doc.selectSingleNode(QStringLiteral("THEME/@name")).text(), QStringLiteral("Blue & Gold"));
    EXPECT_EQ(doc.selectSingleNode(QStringLiteral("THEME/@name")).nodeName(), QStringLiteral("name"));
    const XmlNode view = doc.selectSingleNode(QStringLiteral("THEME/VIEW"));
    ASSERT_TRUE(view);
    EXPECT_EQ(view.Attribute(QStringLiteral("id")), QStringLiteral("main"));
    EXPECT_EQ(view.selectSingleNode(QStringLiteral("IMG/@src")).nodeValue(), QStringLiteral("a.png"));
    EXPECT_EQ(doc.DocumentElement().lastChild().Attribute(QStringLiteral("id")), QStringLiteral("mini"));
}

TEST(XmlDocument, LookUpsThatFindNothingGiveNullNodes)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.loadXML(QStringLiteral("<LANG title=\"English\"><PLAYER/></LANG>")));
    EXPECT_FALSE(doc.selectSingleNode(QStringLiteral("LANG/@missing")));
    EXPECT_FALSE(doc.selectSingleNode(QStringLiteral("lang/@title")));  // names match exactly
    EXPECT_FALSE(doc.selectSingleNode(QStringLiteral("LANG/NOPE/X")));
    EXPECT_FALSE(doc.selectSingleNode(QStringLiteral("LANG/[")));  // invalid path
    EXPECT_FALSE(doc.selectSingleNode(QString()));
    const XmlNode none;
    EXPECT_EQ(none.text(), QString());
    EXPECT_EQ(none.childNodes().length(), 0);
    EXPECT_FALSE(none.selectSingleNode(QStringLiteral("X")));
    EXPECT_FALSE(doc.DocumentElement().childNodes().item(5));
}

TEST(XmlDocument, ChildNodesComeInDocumentOrderWithText)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.loadXML(QStringLiteral("<PLAYLIST>\r\n\t<FILE>C:\\a.swf</FILE>\r\n\t<X>C:\\b&#38;c.swf</X>\r\n\t"
                                           "<FILE><![CDATA[/c<d>.swf]]></FILE></PLAYLIST>")));
    const XmlNodeList children = doc.selectSingleNode(QStringLiteral("PLAYLIST")).childNodes();
    ASSERT_EQ(children.length(), 3);  // white space between elements is not a node
    EXPECT_EQ(children.item(0).text(), QStringLiteral("C:\\a.swf"));
    EXPECT_EQ(children.item(1).nodeName(), QStringLiteral("X"));
    EXPECT_EQ(children.item(1).text(), QStringLiteral("C:\\b&c.swf"));
    EXPECT_EQ(children.item(2).text(), QStringLiteral("/c<d>.swf"));
    EXPECT_EQ(children.item(0).nodeValue(), QString());  // elements have no value
    EXPECT_EQ(children.item(0).childNodes().item(0).nodeName(), QStringLiteral("#text"));
}

TEST(XmlDocument, ElementTextGathersDescendantsAndTrims)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.loadXML(QStringLiteral("<a>  one <b>two</b> three  </a>")));
    EXPECT_EQ(doc.DocumentElement().text(), QStringLiteral("one two three"));
}

TEST(XmlDocument, ParseErrorsCarryLinePositionAndSourceText)
{
    const struct {
        const char* text;
        int line;
        int linepos;
        const char* src;
    } cases[] = {
        {"<a>\n  <b>text</c>\n</a>", 2, 12, "  <b>text</c>"},
        {"<a>\n<b x=1/>\n</a>", 2, 6, "<b x=1/>"},
        {"<a/><b/>", 1, 5, "<a/><b/>"},  // two top-level elements
        {"<a><b></a>", 1, 9, "<a><b></a>"},
        {"<a>", 1, 4, "<a>"},
    };
    for (const auto& c : cases) {
        XmlDocument doc;
        EXPECT_FALSE(doc.loadXML(QString::fromUtf8(c.text))) << c.text;
        const XmlParseError& e = doc.parseError();
        EXPECT_NE(e.errorCode, 0) << c.text;
        EXPECT_FALSE(e.reason.isEmpty()) << c.text;
        EXPECT_EQ(e.line, c.line) << c.text;
        EXPECT_EQ(e.linepos, c.linepos) << c.text;
        EXPECT_EQ(e.srcText, QString::fromUtf8(c.src)) << c.text;
        EXPECT_FALSE(doc.DocumentElement());
    }
    XmlDocument empty;
    EXPECT_FALSE(empty.loadXML(QString()));
    EXPECT_NE(empty.parseError().errorCode, 0);
}

TEST(XmlDocument, LoadAndSaveFiles)
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/lang.xml");
    WriteAll(path,
        "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<LANG title=\"Fran\xC3\xA7"
        "ais\"/>");
    XmlDocument doc;
    ASSERT_TRUE(doc.load(path));
    EXPECT_EQ(doc.selectSingleNode(QStringLiteral("LANG/@title")).text(), QStringLiteral("Français"));

    WriteAll(path,
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><LANG title=\"Fran\xE7"
        "ais\"/>");
    ASSERT_TRUE(doc.load(path));
    EXPECT_EQ(doc.selectSingleNode(QStringLiteral("LANG/@title")).text(), QStringLiteral("Français"));

    const QString copy = dir.path() + QStringLiteral("/copy.xml");
    ASSERT_TRUE(doc.save(copy));
    XmlDocument again;
    ASSERT_TRUE(again.load(copy));
    EXPECT_EQ(again.selectSingleNode(QStringLiteral("LANG/@title")).text(), QStringLiteral("Français"));

    XmlDocument missing;
    EXPECT_FALSE(missing.load(dir.path() + QStringLiteral("/none.xml")));
    EXPECT_NE(missing.parseError().errorCode, 0);
    EXPECT_FALSE(missing.parseError().reason.isEmpty());
}

TEST(XmlDocument, NodesOutliveTheirDocumentAndReloads)
{
    XmlNode kept;
    {
        XmlDocument doc;
        ASSERT_TRUE(doc.loadXML(QStringLiteral("<a><b>kept</b></a>")));
        kept = doc.selectSingleNode(QStringLiteral("a/b"));
        ASSERT_TRUE(doc.loadXML(QStringLiteral("<z/>")));
    }
    EXPECT_EQ(kept.text(), QStringLiteral("kept"));
}

TEST(XmlDocument, NamespaceOfElementsAndAttributes)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.loadXML(QStringLiteral("<r xmlns=\"urn:d\" xmlns:p=\"urn:p\"><p:e p:a=\"1\" b=\"2\"/><f/></r>")));
    const XmlNode e = doc.DocumentElement().childNodes().item(0);
    EXPECT_EQ(e.namespaceURI(), QStringLiteral("urn:p"));
    EXPECT_EQ(doc.DocumentElement().childNodes().item(1).namespaceURI(), QStringLiteral("urn:d"));
    EXPECT_EQ(e.selectSingleNode(QStringLiteral("@p:a")).namespaceURI(), QStringLiteral("urn:p"));
    EXPECT_EQ(e.selectSingleNode(QStringLiteral("@b")).namespaceURI(), QString());
}
