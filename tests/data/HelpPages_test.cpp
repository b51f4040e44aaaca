#include "common/TestSupport.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>

namespace {

QString HelpFolder()
{
    return SourceDir() + QStringLiteral("/data/Help/");
}

QStringList HelpPages()
{
    return QDir(HelpFolder()).entryList({QStringLiteral("*.htm")}, QDir::Files, QDir::Name);
}

QString PageText(const QString& folder, const QString& page)
{
    return QString::fromUtf8(ReadAll(folder + page));
}

QSet<QString> Ids(const QString& text)
{
    QSet<QString> ids;
    static const QRegularExpression id(QStringLiteral("\\sid=\"([^\"]+)\""));
    for (const QRegularExpressionMatch& match : id.globalMatch(text))
        ids.insert(match.captured(1));
    return ids;
}

}  // namespace

// The pages the program opens by topic name exist, and the application tree ships them.
TEST(HelpPages, TopicsThePlayerAsksForAreShipped)
{
    const QStringList pages = HelpPages();
    for (const char* topic : {"overview", "decompiler", "info", "generator", "updates", "index"})
        EXPECT_TRUE(pages.contains(QLatin1String(topic) + QStringLiteral(".htm"))) << topic;
    for (const QString& page : pages + QStringList{QStringLiteral("help.css")})
        EXPECT_EQ(ReadAll(AppTreeDir() + QStringLiteral("/Data/Help/") + page), ReadAll(HelpFolder() + page))
            << page.toStdString();
}

// Every page has the shared style and navigation, and every link between pages leads to a
// page and a place on it that exist.
TEST(HelpPages, LinksLeadToPagesAndPlacesThatExist)
{
    const QStringList pages = HelpPages();
    ASSERT_GE(pages.size(), 10);
    static const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
    QSet<QString> linkedFromIndex;
    for (const QString& page : pages) {
        SCOPED_TRACE(page.toStdString());
        const QString text = PageText(HelpFolder(), page);
        EXPECT_TRUE(text.contains(QStringLiteral("<link rel=\"stylesheet\" href=\"help.css\">")));
        EXPECT_TRUE(text.contains(QStringLiteral("<meta charset=\"utf-8\">")));
        const QSet<QString> ownIds = Ids(text);
        for (const QRegularExpressionMatch& match : link.globalMatch(text)) {
            const QString target = match.captured(1);
            if (target == QLatin1String("help.css"))
                continue;
            EXPECT_FALSE(target.contains(QLatin1Char(':'))) << "a help page links out of the help: " << target.toStdString();
            const QString file = target.section(QLatin1Char('#'), 0, 0);
            const QString anchor = target.section(QLatin1Char('#'), 1);
            const QString destination = file.isEmpty() ? page : file;
            ASSERT_TRUE(pages.contains(destination)) << target.toStdString();
            if (!anchor.isEmpty()) {
                const QSet<QString> ids = file.isEmpty() ? ownIds : Ids(PageText(HelpFolder(), destination));
                EXPECT_TRUE(ids.contains(anchor)) << target.toStdString();
            }
            if (page == QLatin1String("index.htm"))
                linkedFromIndex.insert(destination);
        }
    }
    // The index reaches every page.
    for (const QString& page : pages)
        EXPECT_TRUE(linkedFromIndex.contains(page)) << page.toStdString();
}
