// The commands movies send: the player's own screens (welcome, about, media browser, video)
// and the user's movies alike. Adding a command is adding a row.
#include "player/FSCommandTable.h"

#include "base/ExecutionLog.h"
#include "base/Rounding.h"
#include "base/WindowShell.h"
#include "lang/Language.h"
#include "player/Player.h"
#include "player/PlayerBrowser.h"
#include "player/PlayerFileDialogs.h"

#include <limits>

namespace {

using P = FSProtection;

// An empty folder argument means the folder the media browser showed last.
QString FolderOrLast(Player& p, const QString& folder)
{
    return folder.isEmpty() ? p.OptionValues().lastMediaFolder : folder;
}

void SearchFolder(Player& p, const QString& folder)
{
    p.Browser().SetScrollPosition(0);
    p.Browser().ShowFolder(folder);
}

void ShotClick(Player& p, const QString& args)
{
    PlayerBrowser& browser = p.Browser();
    const int number = FSNumber(args);
    if (number < 1 || number > browser.ItemCount())
        return;
    if (browser.ItemIsFolder(number))
        SearchFolder(p, browser.ItemPath(number));
    else
        p.PlayPaths({browser.ItemPath(number)});
}

void ShotOver(Player& p, const QString& args)
{
    const int number = FSNumber(args);
    if (number >= 0 && number <= p.Browser().ItemCount())
        p.Browser().SetHoveredItem(number);
}

void BrowseDialog(Player& p, const QString& args)
{
    const QString title = LangText(QStringLiteral("Player/strSelFolder"), QStringLiteral("Select Folder to Browse Media in:"));
    const QString folder = p.Dialogs().ChooseFolder(&p, title, FolderOrLast(p, args));
    if (!folder.isEmpty())
        p.Browser().ShowFolder(folder);
}

void Exec(Player&, const QString& args, bool allowed)
{
    LogEmptyLine();
    LogLine(QStringLiteral("Movie opened: '") + args + QLatin1Char('\''));
    // The desktop's handler for the file or address opens it; the player runs nothing itself.
    if (allowed)
        ShellOpen(args);
}

// clang-format off
const FSCommandRow kFSCommands[] = {
    {"MEOWLOG", P::None, [](Player&, const QString& a, bool) {
         LogEmptyLine();
         LogLine(QStringLiteral("Media debug :: ") + a);
     }},
    {"MEOWMSG", P::None, [](Player& p, const QString& a, bool) { p.Dialogs().ShowMessage(&p, QStringLiteral("Media Debug"), a); }},
    {"MEOWOPEN", P::None, [](Player& p, const QString&, bool) { p.OpenMedia(true); }},
    {"MEOWHELP", P::None, [](Player& p, const QString&, bool) { p.HelpMe(); }},
    {"MEOWPLUS", P::None, [](Player& p, const QString&, bool) { p.GoPlus(); }},
    {"MEOWUPDATE", P::None, [](Player& p, const QString&, bool) { p.RunFeature(PlayerFeature::Update, QString()); }},
    {"MEOWLOAD", P::None, [](Player& p, const QString& a, bool) { p.PlayPaths({a}); }},
    {"GOWEB", P::None, [](Player& p, const QString&, bool) { p.GoWeb(); }},
    {"BROWSESCROLL", P::None, [](Player& p, const QString& a, bool) { p.Browser().SetScrollPosition(FSNumber(a)); }},
    {"SHOTCLICK", P::None, [](Player& p, const QString& a, bool) { ShotClick(p, a); }},
    {"SHOTOVER", P::None, [](Player& p, const QString& a, bool) { ShotOver(p, a); }},
    {"MEOWSEARCH", P::None, [](Player& p, const QString& a, bool) { SearchFolder(p, FolderOrLast(p, a)); }},
    {"MEOWBROWSE", P::None, [](Player& p, const QString& a, bool) { BrowseDialog(p, a); }},
    {"FULLSCREEN", P::Command, [](Player& p, const QString& a, bool) { p.FullScreen(FSBoolean(a), false); }},
    {"EXEC", P::Action, Exec},
    {"QUIT", P::Command, [](Player& p, const QString&, bool) { p.Quit(QStringLiteral("Movie Request"), true); }},
};
// clang-format on

}  // namespace

std::span<const FSCommandRow> FSCommandTable()
{
    return kFSCommands;
}

const FSCommandRow* FindFSCommand(const QString& command)
{
    const QString upper = command.toUpper();
    for (const FSCommandRow& row : kFSCommands) {
        if (upper == QLatin1String(row.command))
            return &row;
    }
    return nullptr;
}

int FSNumber(const QString& args)
{
    bool ok = false;
    const double value = args.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return 0;
    constexpr double kLow = std::numeric_limits<int>::min();
    constexpr double kHigh = std::numeric_limits<int>::max();
    return int(RoundHalfEven(std::clamp(value, kLow, kHigh)));
}

bool FSBoolean(const QString& args)
{
    const QString text = args.trimmed();
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && value != 0;
}
