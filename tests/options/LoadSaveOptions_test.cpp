#include "OptionsTestSupport.h"

#include "options/LoadSaveOptions.h"
#include "options/MyFlashFolder.h"
#include "options/RegistryStore.h"

#include "base/AppFolders.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

namespace {

class LoadSaveOptions : public ::testing::Test {
protected:
    TempAppFolder app;
    TempOptionStore store;
    TestHolders holders;
    FakeOptionsHost host;

    void Load() { LoadOpts(host, holders.All()); }
    void Save() { SaveOpts(host, holders.All()); }
    QString Stored(const char* section, const char* name) { return ReadRegistryString(section, name, "<missing>"); }
};

}  // namespace

TEST_F(LoadSaveOptions, FirstStartTakesEveryDefaultAndPreparesTheVeZedazFolder)
{
    Load();
    const QString veZedaz = store.Documents() + "Ve Zedaz/";
    const PlayerOptionState& p = holders.player;
    EXPECT_EQ(p.quality, "High");
    EXPECT_EQ(p.flashAlpha, 100);
    EXPECT_EQ(p.skinName, "Default");
    EXPECT_EQ(p.menuSet, "Default");
    EXPECT_EQ(p.volume, 100);
    EXPECT_EQ(p.volumeBeforeMute, 100);
    EXPECT_TRUE(p.menus.playlist);
    EXPECT_TRUE(p.menus.menuBar);
    EXPECT_TRUE(p.menuBarShown);
    EXPECT_TRUE(p.menus.aspectRatio);
    EXPECT_FALSE(p.menus.loop);
    const OptionsModule& o = holders.options;
    EXPECT_EQ(o.cacheMode, 1);
    EXPECT_TRUE(o.noAnimation);
    EXPECT_TRUE(o.genericProjectors);
    EXPECT_FALSE(o.removeProjectors);
    EXPECT_EQ(o.shotJpeg, 90);
    EXPECT_EQ(o.sampleFrom, 30);
    EXPECT_EQ(o.sampleTo, 50);
    EXPECT_EQ(o.browseWidth, 12000);
    EXPECT_EQ(o.browseHeight, 8000);
    EXPECT_TRUE(o.history);
    EXPECT_EQ(o.projectorPath, Folders().binary + "projector.dll");
    EXPECT_EQ(holders.generator.width, 120);
    EXPECT_EQ(holders.generator.height, 90);
    EXPECT_EQ(holders.generator.backColor, "FFFFFF");
    EXPECT_TRUE(holders.extractor.jpeg);
    EXPECT_FALSE(holders.extractor.png);
    EXPECT_TRUE(holders.extractor.stream);
    EXPECT_EQ(holders.update.knownBuild, 732);

    EXPECT_EQ(o.myFlash, veZedaz);
    EXPECT_TRUE(QFileInfo(veZedaz).isDir());
    EXPECT_TRUE(QFileInfo(veZedaz + "ScreenShots").isDir());
    EXPECT_EQ(o.playlistFile, veZedaz + "Last Played Temp.vorlen");
    EXPECT_EQ(o.screenShotsFolder, veZedaz + "ScreenShots/");
    EXPECT_EQ(o.lastMediaFolder, veZedaz);
    EXPECT_EQ(holders.generator.source, veZedaz);
    EXPECT_EQ(holders.extractor.destination, veZedaz);

    // The check date is written at once; nothing else is.
    const QString today = QDate::currentDate().toString("MM-dd-yyyy");
    EXPECT_EQ(holders.update.lastCheckDate, today);
    EXPECT_EQ(Stored("Update", "Date"), today);
    EXPECT_EQ(Stored("View", "Quality"), "<missing>");

    const QStringList expected = {
        "SetQuality High",
        "SetScaleMode 0",
        "TogglePlaylist -1",
        "MuteSound 0",
        "PrepareMyFlashFolder " + veZedaz,
        "LoadRecentFiles",
        "SetTopMost 0",
        "MoveWindow 100 200 6000 4500",
        "Center",
    };
    EXPECT_EQ(host.calls, expected);
    EXPECT_EQ(app.LogBody(), QStringList({"<br>", " :: Load Options<br>"}));
}

TEST_F(LoadSaveOptions, UnconvertibleValuesKeepTheirValueAndTheRestLoads)
{
    WriteRegistryString("Sound", "Volume", "abc");
    WriteRegistryString("Sound", "Pan", "-30");
    WriteRegistryString("View", "FlashAlpha", "300");
    WriteRegistryString("View", "Skin", "Aqua");
    WriteRegistryString("Generator", "Width", "70000");
    WriteRegistryString("Generator", "Height", "64");
    WriteRegistryString("Sound", "Mute", "TRUE");
    WriteRegistryString("View", "ScaleMode", "Show All");
    WriteRegistryString("View", "Playlist", "maybe");
    holders.player.volume = 77;
    holders.player.flashAlpha = 50;
    holders.generator.width = 33;
    Load();
    EXPECT_EQ(holders.player.volume, 77);
    EXPECT_EQ(holders.player.volumeBeforeMute, 77);
    EXPECT_EQ(holders.player.pan, -30);
    EXPECT_EQ(holders.player.flashAlpha, 50);
    EXPECT_EQ(holders.player.skinName, "Aqua");
    EXPECT_EQ(holders.generator.width, 33);
    EXPECT_EQ(holders.generator.height, 64);
    EXPECT_TRUE(host.calls.contains("MuteSound 1"));
    // Values applied directly are not applied at all when they do not convert.
    EXPECT_TRUE(host.calls.filter("SetScaleMode").isEmpty());
    EXPECT_TRUE(host.calls.filter("TogglePlaylist").isEmpty());
}

TEST_F(LoadSaveOptions, VeZedazFolderIsNormalisedAndCreatedOneLevelOnly)
{
    EXPECT_EQ(NormalizeMyFlashFolder("C:\\x\\\\y"), "C:/x/y/");
    EXPECT_EQ(NormalizeMyFlashFolder("/home/u/Flash/"), "/home/u/Flash/");
    EXPECT_EQ(NormalizeMyFlashFolder("/home/u//Flash\\\\"), "/home/u/Flash/");

    WriteRegistryString("Recent", "MyFlash", store.Path() + "mine\\\\flash\\");
    Load();
    EXPECT_EQ(holders.options.myFlash, store.Path() + "mine/flash/");
    EXPECT_FALSE(QFileInfo::exists(store.Path() + "mine"));

    QDir().mkdir(store.Path() + "mine");
    Load();
    EXPECT_TRUE(QFileInfo(store.Path() + "mine/flash/ScreenShots").isDir());

    // Two levels below a missing folder: nothing is made and the path is still used.
    WriteRegistryString("Recent", "MyFlash", store.Path() + "gone/deeper");
    Load();
    EXPECT_EQ(holders.options.myFlash, store.Path() + "gone/deeper/");
    EXPECT_EQ(holders.options.playlistFile, store.Path() + "gone/deeper/Last Played Temp.vorlen");
    EXPECT_FALSE(QFileInfo::exists(store.Path() + "gone"));
}

TEST_F(LoadSaveOptions, KnownBuildIsRaisedToThisBuildAndAStoredDateIsKept)
{
    WriteRegistryString("Update", "Build", "700");
    WriteRegistryString("Update", "Date", "01-02-2020");
    Load();
    EXPECT_EQ(holders.update.knownBuild, 732);
    EXPECT_EQ(holders.update.lastCheckDate, "01-02-2020");
    EXPECT_EQ(Stored("Update", "Date"), "01-02-2020");
    WriteRegistryString("Update", "Build", "800");
    Load();
    EXPECT_EQ(holders.update.knownBuild, 800);
}

TEST_F(LoadSaveOptions, WindowPlaceIsReadOnlyForANormalWindow)
{
    WriteRegistryString("Window", "Left", "1440");
    WriteRegistryString("Window", "Width", "7200.5");
    WriteRegistryString("Window", "Centered", "False");
    Load();
    EXPECT_EQ(host.calls.filter("MoveWindow"), QStringList({"MoveWindow 1440 200 7200.5 4500"}));
    EXPECT_FALSE(host.calls.contains("Center"));

    host.calls.clear();
    host.state = kWindowMaximized;
    Load();
    EXPECT_TRUE(host.calls.filter("MoveWindow").isEmpty());
}

TEST_F(LoadSaveOptions, DisabledScreenSaverIsSwitchedOffAfterItsStateIsKept)
{
    WriteRegistryString("System", "DisableScreenSaver", "True");
    host.screenSaverActive = true;
    Load();
    EXPECT_TRUE(holders.player.initialScreenSaverActive);
    EXPECT_TRUE(host.calls.contains("SetSSState 0"));
}

TEST_F(LoadSaveOptions, SavingWhileMutedWritesTheVolumeBeforeMuting)
{
    Load();
    holders.player.volume = 0;
    holders.player.volumeBeforeMute = 80;
    holders.player.mute = true;
    Save();
    EXPECT_EQ(Stored("Sound", "Volume"), "80");
    EXPECT_EQ(Stored("Sound", "Mute"), "True");
    holders.player.mute = false;
    holders.player.volume = 60;
    Save();
    EXPECT_EQ(Stored("Sound", "Volume"), "60");
}

TEST_F(LoadSaveOptions, SavingWhileMaximisedKeepsTheStoredSize)
{
    WriteRegistryString("Window", "Width", "9000");
    WriteRegistryString("Window", "Height", "7000");
    Load();
    host.state = kWindowMaximized;
    host.geometry = WindowGeometry{-60.0f, -45.5f, 30000.0f, 20000.0f};
    Save();
    EXPECT_EQ(Stored("Window", "Left"), "-60");
    EXPECT_EQ(Stored("Window", "Top"), "-45.5");
    EXPECT_EQ(Stored("Window", "State"), "2");
    EXPECT_EQ(Stored("Window", "Width"), "9000");
    EXPECT_EQ(Stored("Window", "Height"), "7000");
    host.state = kWindowNormal;
    Save();
    EXPECT_EQ(Stored("Window", "Width"), "30000");
}

TEST_F(LoadSaveOptions, UsageGrowsByThreeTenthsOfTheTicksRoundedHalfToEven)
{
    Load();
    Save();
    EXPECT_EQ(Stored("Update", "Usage"), "0");
    Save();
    EXPECT_EQ(Stored("Update", "Usage"), "0");
    for (int i = 0; i < 10; ++i)
        CountUsageTick(holders.options);
    Save();
    EXPECT_EQ(Stored("Update", "Usage"), "3");
    for (int i = 0; i < 10; ++i)
        CountUsageTick(holders.options);
    Save();
    EXPECT_EQ(Stored("Update", "Usage"), "6");
    EXPECT_EQ(holders.options.usageTicks, 0);
    // 5 ticks are 1.5 (up to 2, even); 15 more are 4.5 (down to 4, even).
    holders.options.usageTicks = 5;
    Save();
    EXPECT_EQ(Stored("Update", "Usage"), "8");
    holders.options.usageTicks = 15;
    Save();
    EXPECT_EQ(Stored("Update", "Usage"), "12");

    // A total the counter cannot hold overflows: the counter stays, the ticks start again.
    WriteRegistryString("Update", "Usage", "2147483646");
    Load();
    holders.options.usageTicks = 10;
    Save();
    EXPECT_EQ(Stored("Update", "Usage"), "2147483646");
    EXPECT_EQ(holders.options.usageTicks, 0);
    holders.options.usageTicks = 3;
    Save();
    EXPECT_EQ(Stored("Update", "Usage"), "2147483647");
}

TEST_F(LoadSaveOptions, RecentFilesAreWrittenNewestFirstWhileTheyExist)
{
    Load();
    const QString kept = store.Path() + "kept.swf";
    WriteAll(kept, "FWS");
    host.recentFiles = {kept, store.Path() + "deleted.swf", kept};
    Save();
    EXPECT_EQ(Stored("Recent", "0"), kept);
    EXPECT_EQ(Stored("Recent", "1"), "");
    EXPECT_EQ(Stored("Recent", "2"), kept);
    EXPECT_EQ(Stored("Recent", "3"), "");
    EXPECT_EQ(Stored("Recent", "4"), "");
    EXPECT_TRUE(host.calls.contains("ApplyAssociations 1"));

    holders.options.history = false;
    Save();
    EXPECT_EQ(Stored("Recent", "0"), "");
}

TEST_F(LoadSaveOptions, SingleValuesMoveThroughTheirRow)
{
    EXPECT_TRUE(LoadOption("System", "OneInstance", holders.All()));
    EXPECT_TRUE(holders.options.oneInstance);
    WriteRegistryString("System", "GPF", "1");
    EXPECT_TRUE(LoadOption("System", "GPF", holders.All()));
    EXPECT_TRUE(holders.options.gpf);
    WriteRegistryString("Window", "WinSFX", "maybe");
    holders.options.winSFX = false;
    EXPECT_FALSE(LoadOption("Window", "WinSFX", holders.All()));
    EXPECT_FALSE(holders.options.winSFX);
    EXPECT_FALSE(LoadOption("Window", "hWnd", holders.All()));

    holders.font.size = 9.5;
    EXPECT_TRUE(SaveOption("Window", "FontSize", holders.All()));
    EXPECT_EQ(Stored("Window", "FontSize"), "9.5");
}

TEST_F(LoadSaveOptions, EverySavedValueLoadsBackUnchanged)
{
    Load();
    // Change every value LoadOpts and SaveOpts both move to something that is not its default.
    const OptionSet all = holders.All();
    for (const OptionRow& row : all.Rows()) {
        if (!IsHeld(row.target) || row.load.order == 0 || row.save.order == 0)
            continue;
        const OptionRef ref = row.target;
        const QString name = QLatin1String(row.name);
        switch (row.type) {
        case OptionType::Boolean:
            *std::get<bool*>(ref) = !*std::get<bool*>(ref);
            break;
        case OptionType::Byte:
            *std::get<uint8_t*>(ref) = 7;
            break;
        case OptionType::Integer:
            *std::get<int16_t*>(ref) = -21;
            break;
        case OptionType::Long:
            *std::get<int32_t*>(ref) = 123456;
            break;
        case OptionType::Single:
            *std::get<float*>(ref) = 1234.5f;
            break;
        case OptionType::Decimal:
            *std::get<double*>(ref) = 10.5;
            break;
        case OptionType::Text:
            *std::get<QString*>(ref) = "text of " + name;
            break;
        }
    }
    holders.options.myFlash = store.Path() + "elsewhere/";
    holders.player.volumeBeforeMute = holders.player.volume;
    host.quality = "text of Quality";
    host.scaleMode = 7;
    host.geometry = WindowGeometry{1234.5f, 1234.5f, 1234.5f, 1234.5f};
    const TestHolders saved = holders;
    Save();

    TestHolders loaded;
    const OptionSet loadedSet = loaded.All();
    LoadOpts(host, loadedSet);
    const OptionSet before = const_cast<TestHolders&>(saved).All();
    for (const OptionRow& row : before.Rows()) {
        if (!IsHeld(row.target) || row.load.order == 0 || row.save.order == 0)
            continue;
        const OptionRow* loadedRow = loadedSet.Find(QLatin1String(row.section), QLatin1String(row.name));
        ASSERT_NE(loadedRow, nullptr);
        EXPECT_EQ(OptionText(loadedRow->target), OptionText(row.target)) << row.section << "/" << row.name;
    }
}
