#include "common/TestSupport.h"

#include "base/AppFolders.h"
#include "lang/Language.h"
#include "lang/Locales.h"
#include "lang/UIFont.h"

namespace {

class LanguageTest : public ::testing::Test {
protected:
    TempAppFolder app;

    void SetUp() override { SetSystemLCID(1033); }

    void WriteLanguage(const QString& file, const QByteArray& xml) { WriteAll(Folders().languages + file, xml); }

    QStringList Names() const
    {
        QStringList names;
        for (const LanguageInfo& info : Languages())
            names << info.Name;
        return names;
    }

    void WriteCatalogue()
    {
        WriteLanguage("English.xml", R"(<LANG title="English" author="Team" langID="1033"/>)");
        WriteLanguage("Russian.xml",
            R"(<LANG title="Русский" author="Ivan" langID="1049">)"
            R"(<PLAYER><MNUOPEN text="Открыть..."/></PLAYER></LANG>)");
        WriteLanguage(
            "Deutsch.xml", R"(<LANG title="Deutsch" langID="1031"><PLAYER><MNUOPEN text="Öffnen..."/></PLAYER></LANG>)");
        WriteLanguage("-old.xml", R"(<LANG title="Old" langID="1049"/>)");
        WriteLanguage("Broken.xml", R"(<LANG title="Broken"><PLAYER></LANG>)");
        WriteLanguage("notes.txt", "not a language");
    }
};

}  // namespace

TEST_F(LanguageTest, WithoutFilesOnlyEnglishAndEveryTextIsItsDefault)
{
    EnumerateLanguages(QString());
    ASSERT_EQ(Languages().size(), 1u);
    const LanguageInfo& english = Languages()[0];
    EXPECT_EQ(english.Title, "English");
    EXPECT_EQ(english.Name, "English");
    EXPECT_EQ(english.Author, ".kel");
    EXPECT_EQ(CurrentLanguage(), 0);
    LoadLanguage();
    EXPECT_EQ(LangText("Player/strOpen", "Open Movie..."), "Open Movie...");
    EXPECT_EQ(app.LogBody(), QStringList({"LC: 1033 CP: 65001 CS: 0<br>", "<br>", " :: Enumerate Languages<br>"}));
}

TEST_F(LanguageTest, CatalogueSkipsDashFilesAndReportsUnreadableOnes)
{
    WriteCatalogue();
    EnumerateLanguages(QString());
    EXPECT_EQ(Names(), QStringList({"English", "Deutsch", "Russian"}));
    EXPECT_EQ(Languages()[0].Author, "Team");
    EXPECT_EQ(Languages()[1].Author, ".kel");
    EXPECT_EQ(Languages()[2].Title, "Русский");
    EXPECT_EQ(Languages()[2].LangID, 1049);
    EXPECT_EQ(Languages()[2].CharSet, 204);
    EXPECT_EQ(LanguageMenuCaption(Languages()[2]), "Русский - Ivan");
    const QStringList failed = app.LogBody().filter("Language Failed: ");
    ASSERT_EQ(failed.size(), 1);
    EXPECT_TRUE(failed[0].startsWith("Language Failed: Broken.xml")) << failed[0].toStdString();
    EXPECT_GT(failed[0].size(), QString("Language Failed: Broken.xml<br>").size());
}

TEST_F(LanguageTest, ChoiceFollowsTheSavedNameThenTheLocaleThenEnglish)
{
    WriteCatalogue();
    SetSystemLCID(1049);
    EnumerateLanguages(QString());
    EXPECT_EQ(CurrentLanguageName(), "Russian");
    LoadLanguage();
    EXPECT_EQ(UIFont().charSet, 204);
    EXPECT_EQ(LangText("Player/mnuOpen", "Open..."), "Открыть...");

    EnumerateLanguages("deutsch");
    EXPECT_EQ(CurrentLanguageName(), "Deutsch");

    // A saved language whose file is gone: the locale's, else English.
    EnumerateLanguages("Klingon");
    EXPECT_EQ(CurrentLanguageName(), "Russian");
    SetSystemLCID(1041);
    EnumerateLanguages("Klingon");
    EXPECT_EQ(CurrentLanguageName(), "English");
}

TEST_F(LanguageTest, ChoosingALanguageLoadsItsTexts)
{
    WriteCatalogue();
    EnumerateLanguages(QString());
    LoadLanguage();
    EXPECT_EQ(LangText("Player/mnuOpen", "Open..."), "Open...");
    ChooseLanguage(1);
    EXPECT_EQ(LangText("Player/mnuOpen", "Open..."), "Öffnen...");
    ChooseLanguage(7);
    EXPECT_EQ(CurrentLanguage(), 1);
    ChooseLanguage(0);
    EXPECT_EQ(LangText("Player/mnuOpen", "Open..."), "Open...");
}

TEST_F(LanguageTest, LookupUpperCasesKeysAndFollowsOneRedirection)
{
    WriteLanguage("Test.xml", R"(<LANG title="T" langID="1033">
        <PLAYER><MNUSAVEPL text="Save the list"/><MNUOPEN text="Open it"/><STREMPTY text=""/><STRNOTEXT tooltip="tip"/></PLAYER>
        <FRMABOUT><STRSUPPORT text="!PLAYER/MNUOPEN"/><STRGONE text="!PLAYER/NOSUCHKEY"/>
          <STRCHAIN text="!FRMABOUT/STRSUPPORT"/></FRMABOUT>
      </LANG>)");
    EnumerateLanguages("Test");
    LoadLanguage();
    EXPECT_EQ(LangText("Player/mnuSavePL", "Save Playlist..."), "Save the list");
    EXPECT_EQ(LangText("frmAbout/strSupport", "x"), "Open it");
    EXPECT_EQ(LangText("frmAbout/strGone", "fallback"), "fallback");
    EXPECT_EQ(LangText("frmAbout/strChain", "x"), "!PLAYER/MNUOPEN");
    EXPECT_EQ(LangText("Player/strEmpty", "default"), "default");
    EXPECT_EQ(LangText("Player/strNoText", "default"), "default");
    EXPECT_EQ(LangText("Player/no such key", "default"), "default");
    EXPECT_EQ(LangText("Player/x", "!PLAYER/MNUOPEN"), "Open it");
}

TEST_F(LanguageTest, GetXmlTextRedirectsBelowTheDocumentsOwnRoot)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.loadXML(R"(<THEME><A text="!B"/><B text="bee"/></THEME>)"));
    EXPECT_EQ(GetXmlText(doc.AsNode(), "THEME/A/@text", "d"), "bee");
    EXPECT_EQ(GetXmlText(doc.AsNode(), "THEME/C/@text", "d"), "d");
    EXPECT_EQ(GetXmlText(XmlNode(), "THEME/A/@text", "d"), "d");
}

TEST(Locales, LocaleIdentifiersAndCharacterSets)
{
    EXPECT_EQ(CharSetFromLocale(1049), 204);
    EXPECT_EQ(CharSetFromLocale(1033), 0);
    EXPECT_EQ(CharSetFromLocale(1041), 128);
    EXPECT_EQ(CharSetFromLocale(1032), 161);
    EXPECT_EQ(CharSetFromLocale(1081), 0);
    EXPECT_EQ(CharSetFromLocale(99999), 0);
    EXPECT_EQ(LcidForLocale(QLocale("de_DE")), 1031);
    EXPECT_EQ(LcidForLocale(QLocale("fr_FR")), 1036);
    EXPECT_EQ(LcidForLocale(QLocale("de_LU")), 1031);
    EXPECT_EQ(LcidForLocale(QLocale("sw_KE")), kUnknownLCID);
    EXPECT_EQ(LocaleForLcid(1049).name(), "ru_RU");
    EXPECT_EQ(ToMultiByte("é"), QByteArray("\xc3\xa9"));
    EXPECT_EQ(ToMultiByte("é", 1252), QByteArray("\xe9"));
}
