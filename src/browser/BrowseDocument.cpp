#include "browser/BrowseDocument.h"

#include "base/XmlText.h"
#include "lang/Language.h"
#include "lang/UIFont.h"

namespace {

void Element(QString& text, const char* name, const QString& content)
{
    text += QLatin1Char('<') + QLatin1String(name) + QLatin1Char('>') + EscapeXml(content) + QStringLiteral("</")
        + QLatin1String(name) + QLatin1Char('>');
}

}  // namespace

BrowseTexts CurrentBrowseTexts()
{
    BrowseTexts texts;
    texts.font = UIFont().name;
    texts.browse = LangText(QStringLiteral("BROWSEMEDIA/STRBROWSEMEDIA"), QStringLiteral("Browse Media"));
    texts.found = LangText(QStringLiteral("BROWSEMEDIA/STRFOUND"), QStringLiteral("Media Files Found:"));
    texts.explore = LangText(QStringLiteral("BROWSEMEDIA/STREXPLORE"), QStringLiteral("Explore This Folder"));
    texts.wait = LangText(QStringLiteral("BROWSEMEDIA/STRWAIT"), QStringLiteral("Loading"));
    return texts;
}

QString BrowseDocumentText(
    const BrowseTexts& texts, const BrowseListing& listing, int scroll, const QString& cacheFolder, const QString& error)
{
    QString text = QStringLiteral("<?xml version=\"1.0\"?><BROWSE>");
    // About 120 characters per entry: one allocation for a large folder.
    text.reserve(512 + listing.entries.size() * 128);
    Element(text, "FONT", texts.font);
    Element(text, "BROWSE", texts.browse);
    Element(text, "FOUND", texts.found + QLatin1Char(' ') + QString::number(listing.FoundCount()));
    Element(text, "EXPLORE", texts.explore);
    Element(text, "SCROLL", QString::number(scroll));
    Element(text, "FOLDER", listing.folder);
    Element(text, "CACHE", cacheFolder);
    Element(text, "WAIT", texts.wait);
    Element(text, "ERROR", error);
    for (const BrowseEntry& entry : listing.entries) {
        Element(text, "JPEG", entry.thumbnail);
        Element(text, "TITLE", entry.title);
        Element(text, "TYPE", QString::number(entry.type));
    }
    text += QStringLiteral("</BROWSE>");
    return text;
}
