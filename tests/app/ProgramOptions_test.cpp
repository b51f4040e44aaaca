#include "options/OptionsTestSupport.h"

#include "app/ProgramOptions.h"
#include "app/StartUpLanguage.h"
#include "base/AppFolders.h"
#include "lang/Language.h"
#include "lang/Locales.h"
#include "lang/UIFont.h"
#include "media/MediaOptions.h"
#include "media/Projector.h"
#include "options/LoadSaveOptions.h"
#include "options/RegistryStore.h"

namespace {

class ProgramOptions : public ::testing::Test {
protected:
    TempAppFolder app;
    TempOptionStore store;
    TestHolders holders;
    FakeOptionsHost host;

    ~ProgramOptions() override
    {
        SetMediaOptions(MediaOptions());
        UIFont() = UIFontInfo();
    }
};

}  // namespace

TEST_F(ProgramOptions, LoadOptsHandsTheProjectorOptionsToTheMediaCode)
{
    WriteRegistryString("System", "GenericProjectors", "False");
    LoadOpts(host, holders.All());
    EXPECT_FALSE(CurrentMediaOptions().genericProjectors);
    EXPECT_EQ(ProjectorTemplatePath(), holders.options.projectorPath);

    WriteRegistryString("System", "GenericProjectors", "True");
    LoadOpts(host, holders.All());
    EXPECT_TRUE(CurrentMediaOptions().genericProjectors);
}

TEST_F(ProgramOptions, StartUpTakesTheStoredFontAndLanguage)
{
    SetSystemLCID(1033);
    WriteAll(Folders().languages + "Deutsch.xml",
        R"(<LANG title="Deutsch" langID="1031"><PLAYER><MNUOPEN text="Öffnen"/></PLAYER></LANG>)");
    const auto installed = [](const QString& name) { return name == "Sans Stored" || name == "Tahoma"; };
    const OptionSet set = holders.All();

    // Nothing stored: the table's defaults, "Century Gothic" (not installed here) at 8 points.
    UIFont().size = 11.0;
    StartUpLanguage(installed, set);
    EXPECT_EQ(UIFont().name, "Tahoma");
    EXPECT_EQ(UIFont().size, 8.0);
    EXPECT_EQ(CurrentLanguageName(), "English");

    WriteRegistryString("Window", "FontName", "Sans Stored");
    WriteRegistryString("Window", "FontSize", "9.5");
    WriteRegistryString("System", "Language", "deutsch");
    StartUpLanguage(installed, set);
    EXPECT_EQ(UIFont().name, "Sans Stored");
    EXPECT_EQ(UIFont().size, 9.5);
    EXPECT_EQ(CurrentLanguageName(), "Deutsch");
    EXPECT_EQ(LangText("Player/mnuOpen", "Open..."), "Öffnen");

    // A size that does not convert keeps the one in force.
    WriteRegistryString("Window", "FontSize", "big");
    StartUpLanguage(installed, set);
    EXPECT_EQ(UIFont().size, 9.5);
    EXPECT_EQ(app.LogBody().count(" :: Enumerate Languages<br>"), 3);
}
