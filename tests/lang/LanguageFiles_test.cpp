#include "common/TestSupport.h"

#include "base/AppFolders.h"
#include "lang/Language.h"
#include "lang/Locales.h"
#include "lang/VendorLinks.h"

#include <QDir>
#include <QFile>
#include <QSet>

namespace {

QString ShippedFolder()
{
    return SourceDir() + "/data/Languages/";
}

// Every text a file can give: element path below LANG plus attribute, e.g. PLAYER/MNUOPEN/@text.
void CollectKeys(const XmlNode& node, const QString& path, QSet<QString>& keys, QSet<QString>& emptyTexts)
{
    for (const XmlNode& child : node.childNodes()) {
        if (!child.IsElement())
            continue;
        const QString childPath = path.isEmpty() ? child.nodeName() : path + "/" + child.nodeName();
        for (const char* attribute : {"text", "tooltip", "title"}) {
            const XmlNode value = child.selectSingleNode(QStringLiteral("@") + attribute);
            if (value) {
                keys.insert(childPath + "/@" + attribute);
                if (value.text().trimmed().isEmpty())
                    emptyTexts.insert(childPath + "/@" + attribute);
            }
        }
        CollectKeys(child, childPath, keys, emptyTexts);
    }
}

struct ShippedFile {
    const char* name;
    int langID;
};

const ShippedFile kShipped[] = {{"English", 1033}, {"Deutsch", 1031}, {"Francais", 1036}};

}  // namespace

TEST(LanguageFiles, TranslationsHaveExactlyTheKeysOfEnglish)
{
    QSet<QString> englishKeys;
    QSet<QString> englishEmpty;
    for (const ShippedFile& shipped : kShipped) {
        XmlDocument doc;
        ASSERT_TRUE(doc.load(ShippedFolder() + shipped.name + ".xml"))
            << shipped.name << ": " << doc.parseError().reason.toStdString();
        const XmlNode root = doc.selectSingleNode("LANG");
        ASSERT_TRUE(root) << shipped.name;
        EXPECT_EQ(root.Attribute("langID").toInt(), shipped.langID) << shipped.name;
        EXPECT_FALSE(root.Attribute("title").isEmpty()) << shipped.name;
        EXPECT_FALSE(root.Attribute("author").isEmpty()) << shipped.name;

        QSet<QString> keys;
        QSet<QString> empty;
        CollectKeys(root, QString(), keys, empty);
        if (englishKeys.isEmpty()) {
            englishKeys = keys;
            englishEmpty = empty;
            EXPECT_GT(keys.size(), 200);
            continue;
        }
        // A translation leaves no text empty that English fills.
        const QSet<QString> blank = empty - englishEmpty;
        EXPECT_TRUE(blank.isEmpty()) << shipped.name << ": " << QStringList(blank.values()).join(", ").toStdString();
        const QSet<QString> missing = englishKeys - keys;
        const QSet<QString> extra = keys - englishKeys;
        EXPECT_TRUE(missing.isEmpty()) << shipped.name << " lacks " << QStringList(missing.values()).join(", ").toStdString();
        EXPECT_TRUE(extra.isEmpty()) << shipped.name << " adds " << QStringList(extra.values()).join(", ").toStdString();
    }
}

TEST(LanguageFiles, ReferencesInShippedFilesNameExistingTexts)
{
    for (const ShippedFile& shipped : kShipped) {
        XmlDocument doc;
        ASSERT_TRUE(doc.load(ShippedFolder() + shipped.name + ".xml"));
        QSet<QString> keys;
        QSet<QString> empty;
        CollectKeys(doc.selectSingleNode("LANG"), QString(), keys, empty);
        for (const QString& key : keys) {
            const QString text = doc.selectSingleNode("LANG/" + key).text();
            if (!text.startsWith('!'))
                continue;
            EXPECT_TRUE(doc.selectSingleNode("LANG/" + text.mid(1) + "/@text")) << shipped.name << " " << key.toStdString();
        }
    }
}

TEST(LanguageFiles, EnglishCarriesTheBuiltInVendorAddresses)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.load(ShippedFolder() + "English.xml"));
    EXPECT_EQ(doc.selectSingleNode("LANG/LINKS/UPDATE/@text").text(), kUpdatesUrl);
    EXPECT_EQ(doc.selectSingleNode("LANG/LINKS/PLUS/@text").text(), kPlusUrl);
    EXPECT_EQ(doc.selectSingleNode("LANG/PLAYER/MNUWEB/@text").text(), kVendorHost);
    EXPECT_EQ(doc.selectSingleNode("LANG/FRMABOUT/STRSUPPORT/@text").text(), SupportLinksHtml());
}

TEST(LanguageFiles, ShippedFilesAreListedAndChosenByLocale)
{
    TempAppFolder app;
    for (const ShippedFile& shipped : kShipped)
        QFile::copy(ShippedFolder() + shipped.name + ".xml", Folders().languages + shipped.name + ".xml");
    SetSystemLCID(1036);
    EnumerateLanguages(QString());
    ASSERT_EQ(Languages().size(), 3u);
    EXPECT_EQ(CurrentLanguageName(), "Francais");
    LoadLanguage();
    EXPECT_NE(LangText("Player/strOpen", "Open Movie..."), "Open Movie...");
    EXPECT_TRUE(app.LogBody().filter("Language Failed").isEmpty());
}
