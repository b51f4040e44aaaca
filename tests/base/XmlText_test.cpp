#include "base/AppFolders.h"
#include "base/XmlText.h"
#include "common/TestSupport.h"

#include <QFile>

TEST(EscapeXml, ReplacesMarkupCharactersWithNumericReferences)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"a<b", "a&#60;b"},
        {"x > y", "x &#62; y"},
        {"say \"hi\"", "say &#34;hi&#34;"},
        {"b&c", "b&#38;c"},                      // lone ampersand
        {"C:\\b&#38;c.swf", "C:\\b&#38;c.swf"},  // a reference already in the text passes
        {"end&", "end&#38;"},                    // trailing ampersand
        {"it's", "it's"},                        // apostrophes stay
        {"", ""},
        {"<&#>", "&#60;&#&#62;"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EscapeXml(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;
}

TEST(EscapeXml, KeepsNonAsciiText)
{
    EXPECT_EQ(EscapeXml(QStringLiteral("Überführung <ä>")), QStringLiteral("Überführung &#60;ä&#62;"));
}

class SaveXmlTest : public ::testing::Test {
protected:
    TempAppFolder app;
    QString target() const { return app.path() + QStringLiteral("out.xml"); }
};

TEST_F(SaveXmlTest, WellFormedTextIsWrittenExactly)
{
    const QString text
        = QStringLiteral("<?xml version=\"1.0\"?><PLAYLIST app=\"Vorlen\" build=\"680\" play=\"1\">\r\n\t<FILE>C:\\a.swf</FILE>"
                         "\r\n\t<FILE>C:\\b&#38;c.swf</FILE>\r\n\t</PLAYLIST>");
    WriteAll(
        target(), "old content that is longer than the new one, to catch appending or partial overwrites" + QByteArray(200, 'x'));
    SaveXML(target(), text);
    EXPECT_EQ(ReadAll(target()), text.toUtf8());
    EXPECT_TRUE(app.logBody().isEmpty());
}

TEST_F(SaveXmlTest, NonAsciiIsWrittenAsUtf8)
{
    SaveXML(target(), QStringLiteral("<a>Grüße</a>"));
    EXPECT_EQ(ReadAll(target()), QStringLiteral("<a>Grüße</a>").toUtf8());
}

TEST_F(SaveXmlTest, DeclaredEncodingIsHonoured)
{
    SaveXML(target(), QStringLiteral("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>é</a>"));
    EXPECT_EQ(ReadAll(target()), QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>\xE9</a>"));
}

TEST_F(SaveXmlTest, MalformedTextDeletesTheOldFileAndLogsTwoLines)
{
    WriteAll(target(), "<old/>");
    SaveXML(target(), QStringLiteral("<a>\n  <b>text</c>\n</a>"));
    EXPECT_FALSE(QFile::exists(target()));
    const QStringList body = app.logBody();
    ASSERT_EQ(body.size(), 2);
    EXPECT_TRUE(body[0].startsWith(QStringLiteral("SaveXML: ")));
    EXPECT_TRUE(body[0].endsWith(QStringLiteral(" (2 - 12)<br>"))) << body[0].toStdString();
    EXPECT_EQ(body[1], QStringLiteral("  <b>text</c><br>"));
}

TEST_F(SaveXmlTest, NoTemporaryFileIsLeftBehind)
{
    SaveXML(target(), QStringLiteral("<a/>"));
    SaveXML(target(), QStringLiteral("<a>"));
    EXPECT_EQ(QDir(app.path()).entryList(QDir::Files), QStringList());
}

TEST_F(SaveXmlTest, ReadTextFileEndsEveryLineWithCrLf)
{
    WriteAll(target(), "one\ntwo\r\nthree");
    EXPECT_EQ(ReadTextFile(target()), QStringLiteral("one\r\ntwo\r\nthree\r\n"));
    WriteAll(target(), "");
    EXPECT_EQ(ReadTextFile(target()), QString());
    EXPECT_EQ(ReadTextFile(app.path() + QStringLiteral("missing.txt")), QString());
    WriteAll(target(), "\n\nx\n");
    EXPECT_EQ(ReadTextFile(target()), QStringLiteral("\r\n\r\nx\r\n"));
}
