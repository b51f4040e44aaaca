#include "options/OptionTable.h"

#include "options/MyFlashFolder.h"

#include "base/Version.h"

namespace {

using enum OptionType;
using enum OptionDefault;

// A row's holder field, as a captureless function.
#define HOLDER(field) [](const OptionHolders& h) -> OptionRef { return &h.field; }

constexpr unsigned LS = kLoaded | kSaved;
constexpr unsigned S = kSaved;
constexpr unsigned L = kLoaded;
constexpr unsigned Other = kOtherReaders;

const OptionRow kTable[] = {
    {"View", "Quality", Text, Fixed, "High", HOLDER(player->quality), LS},
    {"View", "ScaleMode", Byte, Fixed, "0", HOLDER(player->scaleMode), LS},
    {"View", "FlashAlpha", Byte, Fixed, "100", HOLDER(player->flashAlpha), LS},
    {"View", "Skin", Text, Fixed, "Default", HOLDER(player->skinName), LS},
    {"View", "Menus", Text, Fixed, "Default", HOLDER(player->menuSet), LS},
    {"View", "Playlist", Boolean, Fixed, "True", HOLDER(player->menus.playlist), LS},
    {"Playback", "Repeat", Boolean, CurrentValue, "", HOLDER(player->menus.loop), LS},
    {"Playback", "NonStop", Boolean, CurrentValue, "", HOLDER(player->menus.nonStop), LS},
    {"Sound", "Volume", Byte, Fixed, "100", HOLDER(player->volume), LS},
    {"Sound", "Pan", Integer, Fixed, "0", HOLDER(player->pan), LS},
    {"Sound", "Mute", Boolean, Fixed, "False", HOLDER(player->mute), LS},
    {"Gadgets", "NoAnimation", Boolean, Fixed, "True", HOLDER(options->noAnimation), LS},
    {"System", "CacheMode", Long, Fixed, "1", HOLDER(options->cacheMode), LS},
    {"System", "OneInstance", Boolean, Fixed, "True", HOLDER(options->oneInstance), S},
    {"System", "StartUp", Long, Fixed, "0", HOLDER(options->startUp), LS},
    {"System", "TimeMode", Long, Fixed, "0", HOLDER(player->timeMode), LS},
    {"System", "OptionsPage", Byte, Fixed, "0", HOLDER(options->optionsPage), LS},
    {"System", "Language", Text, Fixed, "", nullptr, S},
    {"System", "Associate", Boolean, Fixed, "True", HOLDER(options->associate), LS},
    {"System", "FSCommand", Boolean, Fixed, "True", HOLDER(options->fsCommand), LS},
    {"System", "GenericProjectors", Boolean, Fixed, "True", HOLDER(options->genericProjectors), LS},
    {"System", "RemoveProjectors", Boolean, Fixed, "False", HOLDER(options->removeProjectors), LS},
    {"System", "Projector", Text, Fixed, "", HOLDER(options->projectorPath), S},
    {"System", "DisableScreenSaver", Boolean, Fixed, "False", HOLDER(options->disableScreenSaver), LS},
    {"System", "GPF", Boolean, Fixed, "False", HOLDER(options->gpf), S},
    {"System", "PrevSWF", Text, Fixed, "", nullptr, Other},
    {"System", "PrevPLext", Text, Fixed, "", nullptr, Other},
    {"System", "PrevFLV", Text, Fixed, "", nullptr, Other},
    {"Thumbnails", "HQShots", Boolean, Fixed, "True", HOLDER(options->hqShots), LS},
    {"Thumbnails", "Satellite", Boolean, Fixed, "False", HOLDER(options->satellite), LS},
    {"Thumbnails", "ShotJpeg", Byte, Fixed, "90", HOLDER(options->shotJpeg), LS},
    {"Thumbnails", "SampleFrom", Byte, Fixed, "30", HOLDER(options->sampleFrom), LS},
    {"Thumbnails", "SampleTo", Byte, Fixed, "50", HOLDER(options->sampleTo), LS},
    {"Update", "Auto", Boolean, Fixed, "True", HOLDER(options->updateAuto), LS},
    {"Update", "Usage", Long, Fixed, "0", HOLDER(options->usage), LS},
    {"Update", "Played", Long, Fixed, "0", HOLDER(options->played), LS},
    {"Update", "Build", Long, ProgramBuild, "", HOLDER(update->knownBuild), LS},
    {"Update", "Date", Text, Fixed, "", HOLDER(update->lastCheckDate), L},
    {"Window", "WinSFX", Boolean, Fixed, "True", HOLDER(options->winSFX), S},
    {"Window", "TopMost", Boolean, CurrentValue, "", HOLDER(player->menus.topMost), LS},
    {"Window", "MenuBar", Boolean, CurrentValue, "", HOLDER(player->menus.menuBar), LS},
    {"Window", "HandyKeys", Boolean, CurrentValue, "", HOLDER(player->menus.handyKeys), LS},
    {"Window", "KeepSize", Boolean, CurrentValue, "", HOLDER(player->menus.keepSize), LS},
    {"Window", "AspectRatio", Boolean, CurrentValue, "", HOLDER(player->menus.aspectRatio), LS},
    {"Window", "Centered", Boolean, Fixed, "True", HOLDER(options->centered), LS},
    {"Window", "Crop", Boolean, Fixed, "True", HOLDER(options->crop), LS},
    {"Window", "BrowseWidth", Long, Fixed, "12000", HOLDER(options->browseWidth), LS},
    {"Window", "BrowseHeight", Long, Fixed, "8000", HOLDER(options->browseHeight), LS},
    {"Window", "Left", Single, CurrentValue, "", HOLDER(player->geometry.left), LS},
    {"Window", "Top", Single, CurrentValue, "", HOLDER(player->geometry.top), LS},
    {"Window", "Width", Single, CurrentValue, "", HOLDER(player->geometry.width), LS},
    {"Window", "Height", Single, CurrentValue, "", HOLDER(player->geometry.height), LS},
    {"Window", "State", Integer, CurrentValue, "", HOLDER(player->windowState), S},
    {"Window", "FullScreen", Boolean, CurrentValue, "", HOLDER(player->menus.fullScreen), S},
    {"Window", "FontName", Text, Fixed, "Century Gothic", HOLDER(font->name), S},
    {"Window", "FontSize", Decimal, Fixed, "8", HOLDER(font->size), S},
    {"Window", "hWnd", Long, Fixed, "0", nullptr, Other},
    {"Recent", "MyFlash", Text, MyFlashDefault, "", HOLDER(options->myFlash), LS},
    {"Recent", "BrowseDefault", Boolean, Fixed, "False", HOLDER(options->browseDefault), LS},
    {"Recent", "History", Boolean, Fixed, "True", HOLDER(options->history), LS},
    {"Recent", "0", Text, Fixed, "", nullptr, S},
    {"Recent", "1", Text, Fixed, "", nullptr, S},
    {"Recent", "2", Text, Fixed, "", nullptr, S},
    {"Recent", "3", Text, Fixed, "", nullptr, S},
    {"Recent", "4", Text, Fixed, "", nullptr, S},
    {"Recent", "", Text, VeZedazFolder, "", HOLDER(options->lastMediaFolder), LS},
    {"ScreenSaver", "", Text, Fixed, "", HOLDER(player->screenSaverModule), L},
    {"ScreenSaver", "FileName", Text, Fixed, "", nullptr, Other},
    {"ScreenSaver", "FileOld", Text, Fixed, "", nullptr, Other},
    {"Generator", "Width", Integer, Fixed, "120", HOLDER(generator->width), LS},
    {"Generator", "Height", Integer, Fixed, "90", HOLDER(generator->height), LS},
    {"Generator", "BackColor", Text, Fixed, "FFFFFF", HOLDER(generator->backColor), LS},
    {"Generator", "Quality", Byte, Fixed, "90", HOLDER(generator->quality), LS},
    {"Generator", "Show", Boolean, Fixed, "True", HOLDER(generator->show), LS},
    {"Generator", "Source", Text, VeZedazFolder, "", HOLDER(generator->source), LS},
    {"Generator", "Recursive", Boolean, Fixed, "True", HOLDER(generator->recursive), LS},
    {"Generator", "Overwrite", Boolean, Fixed, "True", HOLDER(generator->overwrite), LS},
    {"Generator", "Execute", Boolean, Fixed, "False", HOLDER(generator->execute), LS},
    {"Generator", "App", Text, Fixed, "", HOLDER(generator->app), LS},
    {"Decompiler", "Destination", Text, VeZedazFolder, "", HOLDER(extractor->destination), LS},
    {"Decompiler", "JPEG", Boolean, Fixed, "True", HOLDER(extractor->jpeg), LS},
    {"Decompiler", "PNG", Boolean, Fixed, "False", HOLDER(extractor->png), LS},
    {"Decompiler", "Event", Boolean, Fixed, "True", HOLDER(extractor->event), LS},
    {"Decompiler", "Stream", Boolean, Fixed, "True", HOLDER(extractor->stream), LS},
    {"Decompiler", "Video", Boolean, Fixed, "False", HOLDER(extractor->video), LS},
};

#undef HOLDER

}  // namespace

std::span<const OptionRow> OptionTable()
{
    return kTable;
}

const OptionRow* FindOption(const QString& section, const QString& name)
{
    for (const OptionRow& row : kTable) {
        if (section == QLatin1String(row.section) && name == QLatin1String(row.name))
            return &row;
    }
    return nullptr;
}

OptionRef OptionTargetOf(const OptionRow& row, const OptionHolders& holders)
{
    return row.target ? row.target(holders) : OptionRef{};
}

QString OptionDefaultText(const OptionRow& row, const OptionHolders& holders)
{
    switch (row.defaultKind) {
    case Fixed:
        return QString::fromLatin1(row.defaultText);
    case CurrentValue:
        return OptionText(OptionTargetOf(row, holders));
    case MyFlashDefault:
        return DefaultMyFlashText();
    case VeZedazFolder:
        return holders.options ? holders.options->myFlash : QString();
    case ProgramBuild:
        return QString::number(kBuild);
    }
    return QString();
}
