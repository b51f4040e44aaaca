#include "lang/Language.h"

#include "lang/Locales.h"
#include "lang/UIFont.h"

#include "base/AppFolders.h"
#include "base/ExecutionLog.h"

#include <QDir>
#include <QFileInfo>

namespace {

std::vector<LanguageInfo> g_languages;
int g_current = 0;
XmlDocument g_langDoc;

const QString kEnglish = QStringLiteral("English");
const QString kDefaultAuthor = QStringLiteral(".kel");

int32_t LangIdOf(const XmlDocument& doc, int32_t fallback)
{
    const XmlNode node = doc.selectSingleNode(QStringLiteral("LANG/@langID"));
    if (!node)
        return fallback;
    bool ok = false;
    const int32_t id = node.text().trimmed().toInt(&ok);
    return ok ? id : fallback;
}

QString AttributeOf(const XmlDocument& doc, const QString& xpath, const QString& fallback)
{
    return GetXmlText(doc.AsNode(), xpath, fallback);
}

int ChooseCurrent(const QString& saved)
{
    if (!saved.isEmpty()) {
        for (size_t i = 0; i < g_languages.size(); ++i) {
            if (g_languages[i].Name.compare(saved, Qt::CaseInsensitive) == 0)
                return static_cast<int>(i);
        }
    }
    const int32_t lcid = SystemLCID();
    for (size_t i = 0; i < g_languages.size(); ++i) {
        if (g_languages[i].LangID == lcid)
            return static_cast<int>(i);
    }
    return 0;
}

}  // namespace

const std::vector<LanguageInfo>& Languages()
{
    return g_languages;
}

int CurrentLanguage()
{
    return g_current;
}

const XmlDocument& LangDoc()
{
    return g_langDoc;
}

void EnumerateLanguages(const QString& savedName)
{
    LogLocale();
    LogEmptyLine();
    LogLine(QStringLiteral(" :: Enumerate Languages"));

    const QString folder = Folders().languages;
    g_languages.clear();

    // English is built in; its file, when present, only adds author and locale.
    LanguageInfo english{kEnglish, kDefaultAuthor, kEnglish, 1033, 0};
    const QString englishPath = folder + kEnglish + QStringLiteral(".xml");
    if (QFileInfo::exists(englishPath)) {
        XmlDocument doc;
        if (doc.load(englishPath)) {
            english.Author = AttributeOf(doc, QStringLiteral("LANG/@author"), kDefaultAuthor);
            english.LangID = LangIdOf(doc, english.LangID);
        }
    }
    english.CharSet = CharSetFromLocale(english.LangID);
    g_languages.push_back(english);

    // Exactly ".xml": the file is loaded again later by its name + ".xml".
    const QStringList files
        = QDir(folder).entryList({QStringLiteral("*.xml")}, QDir::Files | QDir::CaseSensitive, QDir::Name | QDir::IgnoreCase);
    for (const QString& file : files) {
        if (file.compare(kEnglish + QStringLiteral(".xml"), Qt::CaseInsensitive) == 0 || file.startsWith(QLatin1Char('-')))
            continue;
        XmlDocument doc;
        if (!doc.load(folder + file)) {
            LogLine(QStringLiteral("Language Failed: ") + file + doc.parseError().reason);
            continue;
        }
        LanguageInfo info;
        info.Name = file.left(file.size() - 4);
        info.Title = AttributeOf(doc, QStringLiteral("LANG/@title"), info.Name);
        info.Author = AttributeOf(doc, QStringLiteral("LANG/@author"), kDefaultAuthor);
        info.LangID = LangIdOf(doc, 0);
        info.CharSet = CharSetFromLocale(info.LangID);
        g_languages.push_back(info);
    }
    g_current = ChooseCurrent(savedName);
}

void LoadLanguage()
{
    g_langDoc = XmlDocument();
    if (g_current < 0 || g_current >= static_cast<int>(g_languages.size()))
        return;
    const LanguageInfo& info = g_languages[g_current];
    XmlDocument doc;
    // A missing or unreadable file leaves the document empty: every lookup gives its default.
    if (doc.load(Folders().languages + info.Name + QStringLiteral(".xml")))
        g_langDoc = doc;
    UIFont().charSet = info.CharSet;
}

void ChooseLanguage(int index)
{
    if (index < 0 || index >= static_cast<int>(g_languages.size()))
        return;
    g_current = index;
    LoadLanguage();
}

QString CurrentLanguageName()
{
    if (g_current < 0 || g_current >= static_cast<int>(g_languages.size()))
        return QString();
    return g_languages[g_current].Name;
}

QString LanguageMenuCaption(const LanguageInfo& info)
{
    return info.Title + QStringLiteral(" - ") + info.Author;
}

QString GetXmlText(const XmlNode& node, const QString& xpath, const QString& fallback)
{
    if (!node)
        return fallback;
    QString text = node.selectSingleNode(xpath).text();
    if (text.isEmpty())
        text = fallback;
    if (text.startsWith(QLatin1Char('!'))) {
        const XmlNode root = node.selectSingleNode(QStringLiteral("/*"));
        text = root ? node.selectSingleNode(root.nodeName() + QLatin1Char('/') + text.mid(1) + QStringLiteral("/@text")).text()
                    : QString();
    }
    return text.isEmpty() ? fallback : text;
}

QString LangText(const QString& key, const QString& fallback)
{
    return GetXmlText(g_langDoc.AsNode(), QStringLiteral("LANG/") + key.toUpper() + QStringLiteral("/@text"), fallback);
}
