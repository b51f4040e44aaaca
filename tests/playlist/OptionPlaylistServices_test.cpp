#include "common/TestSupport.h"
#include "options/OptionsModule.h"
#include "playlist/OptionPlaylistServices.h"
#include "playlist/Playlist.h"

#include <QDir>

TEST(OptionPlaylistServices, PlaylistFollowsTheOptionsAsTheyChange)
{
    TempAppFolder app;
    OptionsModule options;
    const QString folder = app.Path() + "movies";
    QDir().mkpath(folder);
    WriteAll(folder + "/tool.exe", "MZ not a projector");
    WriteAll(folder + "/clip.swf", "FWS");

    options.genericProjectors = true;
    options.history = false;
    Playlist playlist(OptionPlaylistServices(options));
    playlist.AddToPlaylist(folder + "/tool.exe", 0);
    EXPECT_EQ(playlist.PLLast(), -1);  // not a projector without doubt: skipped

    options.genericProjectors = false;  // a later change in the options counts
    playlist.AddToPlaylist(folder + "/tool.exe", 0);
    EXPECT_EQ(playlist.PLLast(), 0);

    const PlaylistServices services = OptionPlaylistServices(options);
    EXPECT_FALSE(services.history());
    options.history = true;
    EXPECT_TRUE(services.history());
    EXPECT_FALSE(services.isProjector(folder + "/tool.exe"));
    EXPECT_FALSE(services.isProjector(folder + "/missing.exe"));
}
