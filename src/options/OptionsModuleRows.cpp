// The rows of the shared option variables. Load and save orders are the step of LoadOpts or
// SaveOpts times 100 plus the place within the step, the same numbering every folder's rows use.
#include "options/OptionsModule.h"

#include "options/MyFlashFolder.h"
#include "options/OptionsHost.h"

#include "base/AppFolders.h"
#include "base/FileNames.h"
#include "base/Rounding.h"

#include <QFileInfo>

#include <limits>

namespace {

using enum OptionType;
using enum OptionDefault;

void SetProjectorPath(OptionStep& s)
{
    s.options.projectorPath = Folders().binary + QStringLiteral("projector.dll");
}

void LoadMyFlash(OptionStep& s)
{
    OptionsModule& o = s.options;
    o.myFlash = NormalizeMyFlashFolder(s.Read());
    // One level only: a folder below a missing one is not made, and its path is still used.
    if (!QFileInfo(o.myFlash).isDir())
        CreateFolder(o.myFlash);
    s.host.PrepareMyFlashFolder(o.myFlash);
    o.playlistFile = PlaylistFileFor(o.myFlash);
    o.screenShotsFolder = ScreenShotsFolderFor(o.myFlash);
    CreateFolder(o.screenShotsFolder);
}

void LoadRecentFiles(OptionStep& s)
{
    s.host.LoadRecentFiles();
}

void ApplyAssociations(OptionStep& s)
{
    s.host.ApplyAssociations(s.options.associate);
}

void SaveUsage(OptionStep& s)
{
    OptionsModule& o = s.options;
    // A total beyond the counter's range is refused like any value that overflows its type:
    // the counter keeps what it had, and the ticks still start again.
    const double total = RoundHalfEvenValue(o.usage + 0.3 * o.usageTicks);
    if (total >= std::numeric_limits<int32_t>::min() && total <= std::numeric_limits<int32_t>::max())
        o.usage = static_cast<int32_t>(total);
    o.usageTicks = 0;
    s.Save();
}

// "Recent"/n: the n-th recent file while it exists and the list is kept, else "".
void SaveRecentEntry(OptionStep& s)
{
    const QStringList recent = s.host.RecentFiles();
    const int n = QString::fromLatin1(s.row.name).toInt();
    QString path;
    if (s.options.history && n < recent.size() && QFileInfo::exists(recent[n]))
        path = recent[n];
    s.Write(path);
}

}  // namespace

std::vector<OptionRow> OptionsModuleRows(OptionsModule& o)
{
    return {
        {"Gadgets", "NoAnimation", Boolean, Fixed, "True", &o.noAnimation, {501}, {501}},
        {"System", "CacheMode", Long, Fixed, "1", &o.cacheMode, {601}, {601}},
        {"System", "OneInstance", Boolean, Fixed, "True", &o.oneInstance, {}, {602}},
        {"System", "StartUp", Long, Fixed, "0", &o.startUp, {602}, {603}},
        {"System", "OptionsPage", Byte, Fixed, "0", &o.optionsPage, {608}, {605}},
        {"System", "Associate", Boolean, Fixed, "True", &o.associate, {604}, {607}},
        {"System", "FSCommand", Boolean, Fixed, "True", &o.fsCommand, {605}, {608}},
        {"System", "GenericProjectors", Boolean, Fixed, "True", &o.genericProjectors, {606}, {609}},
        {"System", "RemoveProjectors", Boolean, Fixed, "False", &o.removeProjectors, {607}, {610}},
        {"System", "Projector", Text, Fixed, "", &o.projectorPath, {}, {611}},
        LoadAction(609, SetProjectorPath),
        {"System", "DisableScreenSaver", Boolean, Fixed, "False", &o.disableScreenSaver, {610}, {612}},
        {"System", "GPF", Boolean, Fixed, "False", &o.gpf, {}, {613}},
        SaveAction(614, ApplyAssociations),
        {"System", "PrevSWF", Text, Fixed, "", {}, {}, {}},
        {"System", "PrevPLext", Text, Fixed, "", {}, {}, {}},
        {"System", "PrevFLV", Text, Fixed, "", {}, {}, {}},
        {"Thumbnails", "HQShots", Boolean, Fixed, "True", &o.hqShots, {701}, {701}},
        {"Thumbnails", "Satellite", Boolean, Fixed, "False", &o.satellite, {702}, {702}},
        {"Thumbnails", "ShotJpeg", Byte, Fixed, "90", &o.shotJpeg, {703}, {703}},
        {"Thumbnails", "SampleFrom", Byte, Fixed, "30", &o.sampleFrom, {704}, {704}},
        {"Thumbnails", "SampleTo", Byte, Fixed, "50", &o.sampleTo, {705}, {705}},
        {"Update", "Auto", Boolean, Fixed, "True", &o.updateAuto, {801}, {1001}},
        {"Update", "Usage", Long, Fixed, "0", &o.usage, {802}, {801, SaveUsage}},
        {"Update", "Played", Long, Fixed, "0", &o.played, {803}, {802}},
        {"Window", "WinSFX", Boolean, Fixed, "True", &o.winSFX, {}, {901}},
        {"Window", "Centered", Boolean, Fixed, "True", &o.centered, {1006}, {912}},
        {"Window", "Crop", Boolean, Fixed, "True", &o.crop, {1007}, {913}},
        {"Window", "BrowseWidth", Long, Fixed, "12000", &o.browseWidth, {1008}, {916}},
        {"Window", "BrowseHeight", Long, Fixed, "8000", &o.browseHeight, {1009}, {917}},
        {"Window", "hWnd", Long, Fixed, "0", {}, {}, {}},
        {"Recent", "MyFlash", Text, MyFlashDefault, "", &o.myFlash, {901, LoadMyFlash}, {1101}},
        {"Recent", "BrowseDefault", Boolean, Fixed, "False", &o.browseDefault, {902}, {1102}},
        {"Recent", "History", Boolean, Fixed, "True", &o.history, {903}, {1103}},
        LoadAction(904, LoadRecentFiles),
        {"Recent", "0", Text, Fixed, "", {}, {}, {1108, SaveRecentEntry}},
        {"Recent", "1", Text, Fixed, "", {}, {}, {1107, SaveRecentEntry}},
        {"Recent", "2", Text, Fixed, "", {}, {}, {1106, SaveRecentEntry}},
        {"Recent", "3", Text, Fixed, "", {}, {}, {1105, SaveRecentEntry}},
        {"Recent", "4", Text, Fixed, "", {}, {}, {1104, SaveRecentEntry}},
        {"Recent", "", Text, VeZedazFolder, "", &o.lastMediaFolder, {905}, {1109}},
    };
}
