#include "OptionsTestSupport.h"

#include "options/LoadSaveOptions.h"
#include "options/RegistryStore.h"

#include <stdexcept>

namespace {

QStringList Split(const char* names)
{
    return QString::fromLatin1(names).split(QLatin1Char(','));
}

}  // namespace

// The rows come from several folders; their orders must still give the sequences of LoadOpts
// and SaveOpts value by value.
TEST(OptionSet, ProgramRowsGiveTheLoadAndSaveSequences)
{
    TestHolders holders;
    const OptionSet set = holders.All();
    EXPECT_EQ(LoadOptsOrder(set),
        Split("View/Quality,View/ScaleMode,View/FlashAlpha,View/Skin,View/Menus,View/Playlist,Playback/Repeat,"
              "Playback/NonStop,Sound/Volume,Sound/Pan,Sound/Mute,Gadgets/NoAnimation,System/CacheMode,System/StartUp,"
              "System/TimeMode,System/Associate,System/FSCommand,System/GenericProjectors,System/RemoveProjectors,"
              "System/OptionsPage,System/DisableScreenSaver,Thumbnails/HQShots,Thumbnails/Satellite,Thumbnails/ShotJpeg,"
              "Thumbnails/SampleFrom,Thumbnails/SampleTo,Update/Auto,Update/Usage,Update/Played,Update/Build,Update/Date,"
              "Recent/MyFlash,Recent/BrowseDefault,Recent/History,Recent/,Window/TopMost,Window/MenuBar,Window/HandyKeys,"
              "Window/KeepSize,Window/AspectRatio,Window/Centered,Window/Crop,Window/BrowseWidth,Window/BrowseHeight,"
              "Window/Left,Window/Top,Window/Width,Window/Height,ScreenSaver/,Generator/Width,Generator/Height,"
              "Generator/BackColor,Generator/Quality,Generator/Show,Generator/Source,Generator/Recursive,"
              "Generator/Overwrite,Generator/Execute,Generator/App,Decompiler/Destination,Decompiler/JPEG,"
              "Decompiler/PNG,Decompiler/Event,Decompiler/Stream,Decompiler/Video"));
    EXPECT_EQ(SaveOptsOrder(set),
        Split("View/Quality,View/ScaleMode,View/FlashAlpha,View/Skin,View/Menus,View/Playlist,Playback/Repeat,"
              "Playback/NonStop,Sound/Volume,Sound/Pan,Sound/Mute,Gadgets/NoAnimation,System/CacheMode,"
              "System/OneInstance,System/StartUp,System/TimeMode,System/OptionsPage,System/Language,System/Associate,"
              "System/FSCommand,System/GenericProjectors,System/RemoveProjectors,System/Projector,"
              "System/DisableScreenSaver,System/GPF,Thumbnails/HQShots,Thumbnails/Satellite,Thumbnails/ShotJpeg,"
              "Thumbnails/SampleFrom,Thumbnails/SampleTo,Update/Usage,Update/Played,Window/WinSFX,Window/TopMost,"
              "Window/MenuBar,Window/KeepSize,Window/AspectRatio,Window/Left,Window/Top,Window/State,"
              "Window/FullScreen,Window/HandyKeys,Window/Centered,Window/Crop,Window/Width,Window/Height,"
              "Window/BrowseWidth,Window/BrowseHeight,Window/FontName,Window/FontSize,Update/Auto,Update/Build,"
              "Recent/MyFlash,Recent/BrowseDefault,Recent/History,Recent/4,Recent/3,Recent/2,Recent/1,Recent/0,"
              "Recent/,Generator/Width,Generator/Height,Generator/BackColor,Generator/Quality,Generator/Show,"
              "Generator/Source,Generator/Recursive,Generator/Overwrite,Generator/Execute,Generator/App,"
              "Decompiler/Destination,Decompiler/JPEG,Decompiler/PNG,Decompiler/Event,Decompiler/Stream,"
              "Decompiler/Video"));

    // No two rows share a place, so the sequences never depend on the order of registration.
    QSet<int> loadPlaces;
    QSet<int> savePlaces;
    for (const OptionRow& row : set.Rows()) {
        const int load = row.load.order;
        const int save = row.save.order;
        EXPECT_TRUE(load == 0 || !loadPlaces.contains(load)) << "load place " << load;
        EXPECT_TRUE(save == 0 || !savePlaces.contains(save)) << "save place " << save;
        loadPlaces.insert(load);
        savePlaces.insert(save);
    }
}

// A set of its own: steps between values run at their place, and a failing step leaves its value
// and the rest of the sequence alone.
TEST(OptionSet, StepsRunAtTheirPlaceAndAFailureStopsOnlyItsRow)
{
    TempAppFolder app;
    TempOptionStore store;
    OptionsModule options;
    FakeOptionsHost host;
    OptionSet set(options);
    QString first = "before";
    QString second = "before";
    QStringList trace;
    const auto failing = [&trace](OptionStep& s) {
        trace << "failing";
        s.Load();
        throw std::runtime_error("step failed");
    };
    const auto tracing = [&trace](OptionStep& s) {
        trace << "second";
        s.Load();
    };
    set.Add({
        {"Test", "Second", OptionType::Text, OptionDefault::Fixed, "two", &second, {2, tracing}, {}},
        LoadAction(1, [&trace](OptionStep&) { trace << "action at 1"; }),
        {"Test", "First", OptionType::Text, OptionDefault::Fixed, "one", &first, {1, failing}, {}},
    });
    WriteRegistryString("Test", "First", "stored");
    LoadOpts(host, set);
    // Same place: the order of adding. The failing row took its value before it failed.
    EXPECT_EQ(trace, QStringList({"action at 1", "failing", "second"}));
    EXPECT_EQ(first, "stored");
    EXPECT_EQ(second, "two");
    EXPECT_EQ(StoredOptionText("Test", "Second", set), "two");
    EXPECT_EQ(StoredOptionText("Test", "Missing", set), "");
    EXPECT_EQ(set.Find("test", "first"), nullptr);
}
