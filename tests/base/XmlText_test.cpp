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
    QString Target() const { return app.Path() + QStringLiteral("out.xml"); }
};

TEST_F(SaveXmlTest, WellFormedTextIsWrittenExactly)
{
    const QString text
        = QStringLiteral("<?xml version=\"1.0\"?><PLAYLIST app=\"Vorlen\" build=\"680\" play=\"1\">\r\n\t<FILE>C:\\a.swf</FILE>"
                         "\r\n\t<FILE>C:\\b&#38;c.swf</FILE>\r\n\t</PLAYLIST>");
    WriteAll(
        Target(), "old content that is longer than the new one, to catch appending or partial overwrites" + QByteArray(200, 'x'));
    SaveXML(Target(), text);
    EXPECT_EQ(ReadAll(Target()), text.toUtf8());
    EXPECT_TRUE(app.LogBody().isEmpty());
}

TEST_F(SaveXmlTest, NonAsciiIsWrittenAsUtf8)
{
    SaveXML(Target(), QStringLiteral("<a>Grüße</a>"));
    EXPECT_EQ(ReadAll(Target()), QStringLiteral("<a>Grüße</a>").toUtf8());
}

TEST_F(SaveXmlTest, DeclaredEncodingIsHonoured)
{
    SaveXML(Target(), QStringLiteral("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>é</a>"));
    EXPECT_EQ(ReadAll(Target()), QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>\xE9</a>"));
}

TEST_F(SaveXmlTest, MalformedTextDeletesTheOldFileAndLogsTwoLines)
{
    WriteAll(Target(), "<old/>");
    SaveXML(Target(), QStringLiteral("<a>\n  <b>text</c>\n</a>"));
    EXPECT_FALSE(QFile::exists(Target()));
    const QStringList body = app.LogBody();
    ASSERT_EQ(body.size(), 2);
    EXPECT_TRUE(body[0].startsWith(QStringLiteral("SaveXML: ")));
    EXPECT_TRUE(body[0].endsWith(QStringLiteral(" (2 - 12)<br>"))) << body[0].toStdString();
    EXPECT_EQ(body[1], QStringLiteral("  <b>text</c><br>"));
}

TEST_F(SaveXmlTest, NoTemporaryFileIsLeftBehind)
{
    SaveXML(Target(), QStringLiteral("<a/>"));
    SaveXML(Target(), QStringLiteral("<a>"));
    EXPECT_EQ(QDir(app.Path()).entryList(QDir::Files), QStringList());
}

TEST_F(SaveXmlTest, ReadTextFileEndsEveryLineWithCrLf)
{
    WriteAll(Target(), "one\ntwo\r\nthree");
    EXPECT_EQ(ReadTextFile(Target()), QStringLiteral("one\r\ntwo\r\nthree\r\n"));
    WriteAll(Target(), "");
    EXPECT_EQ(ReadTextFile(Target()), QString());
    EXPECT_EQ(ReadTextFile(app.Path() + QStringLiteral("missing.txt")), QString());
    WriteAll(Target(), "\n\nx\n");
    EXPECT_EQ(ReadTextFile(Target()), QStringLiteral("\r\n\r\nx\r\n"));
}
