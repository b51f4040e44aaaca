// vorlen-tool playlist: builds playlist files from files and folders, and lists them, with the
// player's own adding and reading rules.
#include "ToolCommand.h"
#include "ToolCommands.h"

#include "base/FileNames.h"
#include "options/LoadSaveOptions.h"
#include "playlist/OptionPlaylistServices.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The player's services over the user's options, with every line it would log shown on
// standard error.
PlaylistServices ToolServices(int& notices)
{
    LoadOption(QStringLiteral("System"), QStringLiteral("GenericProjectors"));
    LoadOption(QStringLiteral("Recent"), QStringLiteral("History"));
    PlaylistServices services = OptionPlaylistServices();
    services.notice = [&notices](const QString& line) {
        ++notices;
        ToolErr(QStringLiteral("vorlen-tool: ") + line);
    };
    return services;
}

int MakePlaylist(const QStringList& arguments)
{
    if (arguments.size() < 2) {
        ToolErr(QStringLiteral("usage: vorlen-tool playlist make OUT.vorlen PATH..."));
        return 2;
    }
    int notices = 0;
    Playlist playlist(ToolServices(notices));
    for (const QString& path : arguments.mid(1))
        playlist.AddToPlaylist(AbsoluteWhenPresent(path), 0);
    const QString target = PlaylistSavePath(arguments.first());
    playlist.SavePlaylist(target);
    if (!QFileInfo::exists(target)) {
        ToolErr(QStringLiteral("vorlen-tool: could not write %1").arg(target));
        return 1;
    }
    ToolOut(QStringLiteral("%1 entries written to %2").arg(playlist.PLLast() + 1).arg(target));
    return 0;
}

int ListPlaylist(const QStringList& arguments)
{
    if (arguments.size() != 1) {
        ToolErr(QStringLiteral("usage: vorlen-tool playlist list FILE.vorlen"));
        return 2;
    }
    int notices = 0;
    Playlist playlist(ToolServices(notices));
    playlist.AddPlaylistFile(arguments.first(), 0);
    // One write for the whole list: a line at a time costs a system call per entry.
    QStringList lines;
    lines.reserve(playlist.PLLast() + 1);
    for (int i = 0; i <= playlist.PLLast(); ++i)
        lines << playlist.Model().Entry(i);
    ToolOutLines(lines);
    return notices == 0 ? 0 : 1;
}

}  // namespace

int RunPlaylist(const QStringList& arguments)
{
    const QString action = arguments.value(0);
    if (action == QLatin1String("make"))
        return MakePlaylist(arguments.mid(1));
    if (action == QLatin1String("list"))
        return ListPlaylist(arguments.mid(1));
    ToolErr(QStringLiteral("usage: vorlen-tool playlist make OUT.vorlen PATH... | playlist list FILE.vorlen"));
    return 2;
}
