#include "options/LoadSaveOptions.h"
#include "options/OptionServices.h"

#include "options/MyFlashFolder.h"
#include "options/OptionTable.h"
#include "options/RegistryStore.h"

#include "base/AppFolders.h"
#include "base/ExecutionLog.h"
#include "base/FileNames.h"
#include "base/Rounding.h"
#include "base/Version.h"
#include "lang/Language.h"

#include <QDir>
#include <QFileInfo>

#include <exception>
#include <limits>

namespace {

struct OptionContext {
    const OptionHolders& h;
    OptionsHost& host;
};

// A step either moves one table row (action nullptr: plain read or write) or runs an action,
// which gets the row when the step names one.
using StepAction = void (*)(OptionContext&, const OptionRow*);
struct OptionStep {
    const char* section;
    const char* name;
    StepAction action;
};

// False when the stored text does not convert: the value keeps what it had.
bool LoadRow(OptionContext& c, const OptionRow& row)
{
    const QString text
        = ReadRegistryString(QLatin1String(row.section), QString::fromLatin1(row.name), OptionDefaultText(row, c.h));
    return AssignOptionText(OptionTargetOf(row, c.h), text);
}

void SaveRow(OptionContext& c, const OptionRow& row)
{
    WriteRegistryString(QLatin1String(row.section), QString::fromLatin1(row.name), OptionText(OptionTargetOf(row, c.h)));
}

void RunSteps(OptionContext& c, std::span<const OptionStep> steps, void (*plain)(OptionContext&, const OptionRow&))
{
    for (const OptionStep& step : steps) {
        const OptionRow* row = step.name ? FindOption(QLatin1String(step.section), QLatin1String(step.name)) : nullptr;
        try {
            if (step.action)
                step.action(c, row);
            else if (row)
                plain(c, *row);
        } catch (const std::exception&) {
            // Errors are ignored step by step: the value keeps what it had.
        }
    }
}

// ---- LoadOpts actions

void LogLoadHeader(OptionContext&, const OptionRow*)
{
    LogEmptyLine();
    LogLine(QStringLiteral(" :: Load Options"));
}

void LoadQuality(OptionContext& c, const OptionRow* row)
{
    LoadRow(c, *row);
    c.host.SetQuality(c.h.player->quality);
}

// The scale mode and the playlist pane take the stored value directly: one that does not
// convert leaves the control and the pane as they are.
void LoadScaleMode(OptionContext& c, const OptionRow* row)
{
    if (LoadRow(c, *row))
        c.host.SetScaleMode(c.h.player->scaleMode);
}

void LoadPlaylistShown(OptionContext& c, const OptionRow* row)
{
    if (LoadRow(c, *row))
        c.host.TogglePlaylist(c.h.player->menus.playlist ? -1 : 0);
}

void LoadVolume(OptionContext& c, const OptionRow* row)
{
    LoadRow(c, *row);
    c.h.player->volumeBeforeMute = c.h.player->volume;
}

void LoadMute(OptionContext& c, const OptionRow* row)
{
    LoadRow(c, *row);
    c.host.MuteSound(c.h.player->mute);
}

void SetProjectorPath(OptionContext& c, const OptionRow*)
{
    c.h.options->projectorPath = Folders().binary + QStringLiteral("projector.dll");
}

void KeepScreenSaverState(OptionContext& c, const OptionRow*)
{
    c.h.player->initialScreenSaverActive = c.host.IsScreenSaverActive();
    if (c.h.options->disableScreenSaver)
        c.host.SetSSState(false);
}

void LoadUpdateDate(OptionContext& c, const OptionRow* row)
{
    LoadRow(c, *row);
    if (c.h.update->lastCheckDate.isEmpty()) {
        c.h.update->lastCheckDate = UpdateDateText(QDate::currentDate());
        SaveRow(c, *row);
    }
}

void RaiseKnownBuild(OptionContext& c, const OptionRow*)
{
    if (c.h.update->knownBuild < kBuild)
        c.h.update->knownBuild = kBuild;
}

void LoadMyFlash(OptionContext& c, const OptionRow* row)
{
    const QString text = ReadRegistryString(QLatin1String(row->section), QLatin1String(row->name), OptionDefaultText(*row, c.h));
    OptionsModule& o = *c.h.options;
    o.myFlash = NormalizeMyFlashFolder(text);
    // One level only: a folder below a missing one is not made, and its path is still used.
    if (!QFileInfo(o.myFlash).isDir())
        CreateFolder(o.myFlash);
    c.host.PrepareMyFlashFolder(o.myFlash);
    o.playlistFile = PlaylistFileFor(o.myFlash);
    o.screenShotsFolder = ScreenShotsFolderFor(o.myFlash);
    CreateFolder(o.screenShotsFolder);
}

void LoadRecentFiles(OptionContext& c, const OptionRow*)
{
    c.host.LoadRecentFiles();
}

void LoadTopMost(OptionContext& c, const OptionRow* row)
{
    LoadRow(c, *row);
    c.host.SetTopMost(c.h.player->menus.topMost);
}

void LoadMenuBar(OptionContext& c, const OptionRow* row)
{
    LoadRow(c, *row);
    c.h.player->menuBarShown = c.h.player->menus.menuBar;
}

// Position and size are read only for a normal window, with its current place as default,
// and applied in one move.
void TakeCurrentPlace(OptionContext& c, const OptionRow*)
{
    if (c.host.WindowState() == kWindowNormal)
        c.h.player->geometry = c.host.CurrentGeometry();
}

void LoadPlaceWhenNormal(OptionContext& c, const OptionRow* row)
{
    if (c.host.WindowState() == kWindowNormal)
        LoadRow(c, *row);
}

void MoveWhenNormal(OptionContext& c, const OptionRow*)
{
    if (c.host.WindowState() == kWindowNormal)
        c.host.MoveWindow(c.h.player->geometry);
}

void CenterWhenAsked(OptionContext& c, const OptionRow*)
{
    if (c.h.options->centered)
        c.host.Center();
}

// ---- SaveOpts actions

void LogSaveHeader(OptionContext&, const OptionRow*)
{
    LogEmptyLine();
    LogLine(QStringLiteral(" :: Save Options"));
}

void SaveQuality(OptionContext& c, const OptionRow* row)
{
    c.h.player->quality = c.host.CurrentQuality();
    SaveRow(c, *row);
}

void SaveScaleMode(OptionContext& c, const OptionRow* row)
{
    c.h.player->scaleMode = c.host.ScaleModeToSave();
    SaveRow(c, *row);
}

void SaveVolume(OptionContext& c, const OptionRow* row)
{
    // Muting sets the volume to nothing; the one to come back to is what is kept.
    const PlayerOptionState& p = *c.h.player;
    WriteRegistryString(
        QLatin1String(row->section), QLatin1String(row->name), QString::number(p.mute ? p.volumeBeforeMute : p.volume));
}

void SaveLanguage(OptionContext&, const OptionRow* row)
{
    WriteRegistryString(QLatin1String(row->section), QLatin1String(row->name), CurrentLanguageName());
}

void ApplyAssociations(OptionContext& c, const OptionRow*)
{
    c.host.ApplyAssociations(c.h.options->associate);
}

void SaveUsage(OptionContext& c, const OptionRow* row)
{
    OptionsModule& o = *c.h.options;
    // A total beyond the counter's range is refused like any value that overflows its type:
    // the counter keeps what it had, and the ticks still start again.
    const double total = RoundHalfEvenValue(o.usage + 0.3 * o.usageTicks);
    if (total >= std::numeric_limits<int32_t>::min() && total <= std::numeric_limits<int32_t>::max())
        o.usage = static_cast<int32_t>(total);
    o.usageTicks = 0;
    SaveRow(c, *row);
}

void TakeWindowPlace(OptionContext& c, const OptionRow*)
{
    c.h.player->geometry = c.host.CurrentGeometry();
    c.h.player->windowState = c.host.WindowState();
}

void SaveSizeWhenNormal(OptionContext& c, const OptionRow* row)
{
    if (c.h.player->windowState == kWindowNormal)
        SaveRow(c, *row);
}

// "Recent"/n: the n-th recent file while it exists and the list is kept, else "".
void SaveRecentEntry(OptionContext& c, const OptionRow* row)
{
    const QStringList recent = c.host.RecentFiles();
    const int n = QString::fromLatin1(row->name).toInt();
    QString path;
    if (c.h.options->history && n < recent.size() && QFileInfo::exists(recent[n]))
        path = recent[n];
    WriteRegistryString(QLatin1String(row->section), QLatin1String(row->name), path);
}

const OptionStep kLoadSteps[] = {
    {nullptr, nullptr, LogLoadHeader},
    {"View", "Quality", LoadQuality},
    {"View", "ScaleMode", LoadScaleMode},
    {"View", "FlashAlpha", nullptr},
    {"View", "Skin", nullptr},
    {"View", "Menus", nullptr},
    {"View", "Playlist", LoadPlaylistShown},
    {"Playback", "Repeat", nullptr},
    {"Playback", "NonStop", nullptr},
    {"Sound", "Volume", LoadVolume},
    {"Sound", "Pan", nullptr},
    {"Sound", "Mute", LoadMute},
    {"Gadgets", "NoAnimation", nullptr},
    {"System", "CacheMode", nullptr},
    {"System", "StartUp", nullptr},
    {"System", "TimeMode", nullptr},
    {"System", "Associate", nullptr},
    {"System", "FSCommand", nullptr},
    {"System", "GenericProjectors", nullptr},
    {"System", "RemoveProjectors", nullptr},
    {"System", "OptionsPage", nullptr},
    {nullptr, nullptr, SetProjectorPath},
    {"System", "DisableScreenSaver", nullptr},
    {nullptr, nullptr, KeepScreenSaverState},
    {"Thumbnails", "HQShots", nullptr},
    {"Thumbnails", "Satellite", nullptr},
    {"Thumbnails", "ShotJpeg", nullptr},
    {"Thumbnails", "SampleFrom", nullptr},
    {"Thumbnails", "SampleTo", nullptr},
    {"Update", "Auto", nullptr},
    {"Update", "Usage", nullptr},
    {"Update", "Played", nullptr},
    {"Update", "Build", nullptr},
    {"Update", "Date", LoadUpdateDate},
    {nullptr, nullptr, RaiseKnownBuild},
    {"Recent", "MyFlash", LoadMyFlash},
    {"Recent", "BrowseDefault", nullptr},
    {"Recent", "History", nullptr},
    {nullptr, nullptr, LoadRecentFiles},
    {"Recent", "", nullptr},
    {"Window", "TopMost", LoadTopMost},
    {"Window", "MenuBar", LoadMenuBar},
    {"Window", "HandyKeys", nullptr},
    {"Window", "KeepSize", nullptr},
    {"Window", "AspectRatio", nullptr},
    {"Window", "Centered", nullptr},
    {"Window", "Crop", nullptr},
    {"Window", "BrowseWidth", nullptr},
    {"Window", "BrowseHeight", nullptr},
    {nullptr, nullptr, TakeCurrentPlace},
    {"Window", "Left", LoadPlaceWhenNormal},
    {"Window", "Top", LoadPlaceWhenNormal},
    {"Window", "Width", LoadPlaceWhenNormal},
    {"Window", "Height", LoadPlaceWhenNormal},
    {nullptr, nullptr, MoveWhenNormal},
    {nullptr, nullptr, CenterWhenAsked},
    {"ScreenSaver", "", nullptr},
    {"Generator", "Width", nullptr},
    {"Generator", "Height", nullptr},
    {"Generator", "BackColor", nullptr},
    {"Generator", "Quality", nullptr},
    {"Generator", "Show", nullptr},
    {"Generator", "Source", nullptr},
    {"Generator", "Recursive", nullptr},
    {"Generator", "Overwrite", nullptr},
    {"Generator", "Execute", nullptr},
    {"Generator", "App", nullptr},
    {"Decompiler", "Destination", nullptr},
    {"Decompiler", "JPEG", nullptr},
    {"Decompiler", "PNG", nullptr},
    {"Decompiler", "Event", nullptr},
    {"Decompiler", "Stream", nullptr},
    {"Decompiler", "Video", nullptr},
};

const OptionStep kSaveSteps[] = {
    {nullptr, nullptr, LogSaveHeader},
    {"View", "Quality", SaveQuality},
    {"View", "ScaleMode", SaveScaleMode},
    {"View", "FlashAlpha", nullptr},
    {"View", "Skin", nullptr},
    {"View", "Menus", nullptr},
    {"View", "Playlist", nullptr},
    {"Playback", "Repeat", nullptr},
    {"Playback", "NonStop", nullptr},
    {"Sound", "Volume", SaveVolume},
    {"Sound", "Pan", nullptr},
    {"Sound", "Mute", nullptr},
    {"Gadgets", "NoAnimation", nullptr},
    {"System", "CacheMode", nullptr},
    {"System", "OneInstance", nullptr},
    {"System", "StartUp", nullptr},
    {"System", "TimeMode", nullptr},
    {"System", "OptionsPage", nullptr},
    {"System", "Language", SaveLanguage},
    {"System", "Associate", nullptr},
    {"System", "FSCommand", nullptr},
    {"System", "GenericProjectors", nullptr},
    {"System", "RemoveProjectors", nullptr},
    {"System", "Projector", nullptr},
    {"System", "DisableScreenSaver", nullptr},
    {"System", "GPF", nullptr},
    {nullptr, nullptr, ApplyAssociations},
    {"Thumbnails", "HQShots", nullptr},
    {"Thumbnails", "Satellite", nullptr},
    {"Thumbnails", "ShotJpeg", nullptr},
    {"Thumbnails", "SampleFrom", nullptr},
    {"Thumbnails", "SampleTo", nullptr},
    {"Update", "Usage", SaveUsage},
    {"Update", "Played", nullptr},
    {"Window", "WinSFX", nullptr},
    {"Window", "TopMost", nullptr},
    {"Window", "MenuBar", nullptr},
    {"Window", "KeepSize", nullptr},
    {"Window", "AspectRatio", nullptr},
    {nullptr, nullptr, TakeWindowPlace},
    {"Window", "Left", nullptr},
    {"Window", "Top", nullptr},
    {"Window", "State", nullptr},
    {"Window", "FullScreen", nullptr},
    {"Window", "HandyKeys", nullptr},
    {"Window", "Centered", nullptr},
    {"Window", "Crop", nullptr},
    {"Window", "Width", SaveSizeWhenNormal},
    {"Window", "Height", SaveSizeWhenNormal},
    {"Window", "BrowseWidth", nullptr},
    {"Window", "BrowseHeight", nullptr},
    {"Window", "FontName", nullptr},
    {"Window", "FontSize", nullptr},
    {"Update", "Auto", nullptr},
    {"Update", "Build", nullptr},
    {"Recent", "MyFlash", nullptr},
    {"Recent", "BrowseDefault", nullptr},
    {"Recent", "History", nullptr},
    {"Recent", "4", SaveRecentEntry},
    {"Recent", "3", SaveRecentEntry},
    {"Recent", "2", SaveRecentEntry},
    {"Recent", "1", SaveRecentEntry},
    {"Recent", "0", SaveRecentEntry},
    {"Recent", "", nullptr},
    {"Generator", "Width", nullptr},
    {"Generator", "Height", nullptr},
    {"Generator", "BackColor", nullptr},
    {"Generator", "Quality", nullptr},
    {"Generator", "Show", nullptr},
    {"Generator", "Source", nullptr},
    {"Generator", "Recursive", nullptr},
    {"Generator", "Overwrite", nullptr},
    {"Generator", "Execute", nullptr},
    {"Generator", "App", nullptr},
    {"Decompiler", "Destination", nullptr},
    {"Decompiler", "JPEG", nullptr},
    {"Decompiler", "PNG", nullptr},
    {"Decompiler", "Event", nullptr},
    {"Decompiler", "Stream", nullptr},
    {"Decompiler", "Video", nullptr},
};

QStringList OrderOf(std::span<const OptionStep> steps)
{
    QStringList order;
    for (const OptionStep& step : steps) {
        if (step.name)
            order << QLatin1String(step.section) + QLatin1Char('/') + QLatin1String(step.name);
    }
    return order;
}

}  // namespace

QStringList LoadOptsOrder()
{
    return OrderOf(kLoadSteps);
}

QStringList SaveOptsOrder()
{
    return OrderOf(kSaveSteps);
}

void LoadOpts(OptionsHost& host, const OptionHolders& holders)
{
    OptionContext context{holders, host};
    RegistryWriteBatch batch;
    RunSteps(context, kLoadSteps, [](OptionContext& c, const OptionRow& row) { LoadRow(c, row); });
    if (holders.options)
        PublishMediaOptions(*holders.options);
}

void SaveOpts(OptionsHost& host, const OptionHolders& holders)
{
    OptionContext context{holders, host};
    RegistryWriteBatch batch;
    RunSteps(context, kSaveSteps, &SaveRow);
}

bool LoadOption(const QString& section, const QString& name, const OptionHolders& holders)
{
    const OptionRow* row = FindOption(section, name);
    if (!row || !row->target)
        return false;
    const QString text = ReadRegistryString(section, name, OptionDefaultText(*row, holders));
    return AssignOptionText(OptionTargetOf(*row, holders), text);
}

bool SaveOption(const QString& section, const QString& name, const OptionHolders& holders)
{
    const OptionRow* row = FindOption(section, name);
    if (!row || !row->target)
        return false;
    WriteRegistryString(section, name, OptionText(OptionTargetOf(*row, holders)));
    return true;
}

QString UpdateDateText(const QDate& date)
{
    return date.toString(QLatin1String(kUpdateDateFormat));
}

void CountUsageTick(OptionsModule& options)
{
    ++options.usageTicks;
}
