#include "OptionsTestSupport.h"

#include "options/LoadSaveOptions.h"
#include "options/OptionServices.h"
#include "options/RegistryStore.h"

#include "media/MediaOptions.h"
#include "playlist/Playlist.h"

#include <QDir>

namespace {

class OptionServices : public ::testing::Test {
protected:
    TempAppFolder app;
    TempOptionStore store;
    TestHolders holders;
    FakeOptionsHost host;

    ~OptionServices() override { SetMediaOptions(MediaOptions()); }
};

}  // namespace

TEST_F(OptionServices, LoadOptsHandsTheProjectorOptionsToTheMediaCode)
{
    WriteRegistryString("System", "GenericProjectors", "False");
    LoadOpts(host, holders.all());
    EXPECT_FALSE(CurrentMediaOptions().genericProjectors);
    EXPECT_EQ(ProjectorTemplatePath(), holders.options.projectorPath);

    WriteRegistryString("System", "GenericProjectors", "True");
    LoadOpts(host, holders.all());
    EXPECT_TRUE(CurrentMediaOptions().genericProjectors);
}

TEST_F(OptionServices, PlaylistFollowsTheOptionsAsTheyChange)
{
    const QString folder = store.path() + "movies";
    QDir().mkpath(folder);
    WriteAll(folder + "/tool.exe", "MZ not a projector");
    WriteAll(folder + "/clip.swf", "FWS");

    holders.options.genericProjectors = true;
    holders.options.history = false;
    Playlist playlist(OptionPlaylistServices(holders.options));
    playlist.AddToPlaylist(folder + "/tool.exe", 0);
    EXPECT_EQ(playlist.PLLast(), -1);  // not a projector without doubt: skipped

    holders.options.genericProjectors = false;  // a later change in the options counts
    playlist.AddToPlaylist(folder + "/tool.exe", 0);
    EXPECT_EQ(playlist.PLLast(), 0);

    const OptionsModule& options = holders.options;
    const PlaylistServices services = OptionPlaylistServices(options);
    EXPECT_FALSE(services.history());
    holders.options.history = true;
    EXPECT_TRUE(services.history());
    EXPECT_FALSE(services.isProjector(folder + "/tool.exe"));
    EXPECT_FALSE(services.isProjector(folder + "/missing.exe"));
}
