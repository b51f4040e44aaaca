// The player's commands, one row each: the menu bar in order, the pop-up menus PopUp and
// PupItem, and the hot keys. Adding a command is adding a row.
#include "player/PlayerCommands.h"

#include "engine/FlashControl.h"
#include "player/Player.h"

#include <QAction>

#include <algorithm>

namespace {

using K = CommandKind;
using F = PlayerFeature;
using M = MovieCondition;

void TogglePlaylistMenu(Player& p, int)
{
    p.TogglePlaylist(1);
}

void ToggleFullScreen(Player& p, int)
{
    p.FullScreen(!p.IsChecked(QStringLiteral("mnuFullScreen")), false);
}

void ToggleMute(Player& p, int)
{
    p.ToggleCheck(QStringLiteral("mnuMute"));
    p.MuteSound(p.IsChecked(QStringLiteral("mnuMute")));
}

void Zoom(Player& p, int percent)
{
    int passes = 2;
    p.ZoomFlash(percent, passes);
}

void ExitMenu(Player& p, int)
{
    p.Quit(QStringLiteral("Exit Menu"), true);
}

QString Tag(Player& p, const char* name, int index)
{
    QAction* item = p.MenuItem(QLatin1String(name), index);
    return item ? item->data().toString() : QString();
}

// clang-format off
const CommandRow kCommands[] = {
    // File
    {.name = "MenuFile", .caption = "File", .kind = K::Menu, .icon = "file"},
    {.name = "mnuOpen", .parent = "MenuFile", .caption = "Open...", .shortcut = "Ctrl+O", .icon = "open", .hotKey = 0,
     .handler = [](Player& p, int) { p.OpenMedia(true); }},
    {.name = "mnuAddtoPL", .parent = "MenuFile", .caption = "Add to Playlist...",
     .handler = [](Player& p, int) { p.OpenMedia(false); }},
    {.name = "mnuDownload", .parent = "MenuFile", .caption = "Download...", .flags = kDesignDisabled, .feature = F::Download},
    {.name = "mnuConvert", .parent = "MenuFile", .caption = "Convert to EXE...", .icon = "save", .feature = F::Convert,
     .condition = M::FlashMovie},
    {.name = "mnuClose", .parent = "MenuFile", .caption = "Close", .shortcut = "Ctrl+W", .hotKey = 1,
     .handler = [](Player& p, int) { p.CloseMedia(QString()); }},
    {.name = "mnuFileSep1", .parent = "MenuFile", .kind = K::Separator},
    {.name = "mnuInfo", .parent = "MenuFile", .caption = "Get Info", .shortcut = "Ctrl+I", .flags = kDesignDisabled,
     .icon = "info", .hotKey = 2, .feature = F::Info, .condition = M::NotInterface},
    {.name = "mnuShowFile", .parent = "MenuFile", .caption = "Show File", .feature = F::ShowFile, .condition = M::NotInterface},
    {.name = "mnuSavePL", .parent = "MenuFile", .caption = "Export Playlist...", .flags = kDesignDisabled | kNeedsOneEntry,
     .handler = [](Player& p, int) { p.SavePlaylistDialog(); }},
    {.name = "mnuFileSep2", .parent = "MenuFile", .kind = K::Separator},
    {.name = "mnuMRU", .index = 0, .parent = "MenuFile", .caption = "[ No Recent Files ]", .flags = kDesignDisabled,
     .handler = [](Player& p, int i) { p.OpenRecent(i); }},
    {.name = "mnuFileSep3", .parent = "MenuFile", .kind = K::Separator},
    {.name = "mnuExit", .parent = "MenuFile", .caption = "Exit", .shortcut = "Ctrl+Q", .icon = "exit", .hotKey = 3,
     .handler = ExitMenu},

    // View
    {.name = "MenuView", .caption = "View", .kind = K::Menu, .icon = "skin"},
    {.name = "mnuFullScreen", .parent = "MenuView", .caption = "Full Screen", .shortcut = "Ctrl+F", .kind = K::Check,
     .hotKey = 4, .handler = ToggleFullScreen},
    {.name = "mnuFullScreen", .parent = "mnuFullScreen", .kind = K::HotKey, .hotKey = 5, .hotKeySequence = "Alt+Return"},
    {.name = "mnuPlaylist", .parent = "MenuView", .caption = "Playlist", .shortcut = "F6", .kind = K::Check,
     .flags = kDesignChecked, .handler = TogglePlaylistMenu},
    {.name = "mnuTopMost", .parent = "MenuView", .caption = "Always on Top", .shortcut = "Ctrl+T", .kind = K::Check,
     .hotKey = 7, .handler = [](Player& p, int) {
         p.ToggleCheck(QStringLiteral("mnuTopMost"));
         p.SetTopMost(p.IsChecked(QStringLiteral("mnuTopMost")));
     }},
    {.name = "mnuMenuBar", .parent = "MenuView", .caption = "Menu Bar", .shortcut = "F2", .kind = K::Check,
     .flags = kDesignChecked, .hotKey = 6, .hotKeySequence = "",
     .handler = [](Player& p, int) { p.MenuVisible(!p.IsChecked(QStringLiteral("mnuMenuBar"))); }},
    {.name = "mnuViewSep1", .parent = "MenuView", .kind = K::Separator},
    {.name = "mnuQuality", .parent = "MenuView", .caption = "Quality", .kind = K::Menu},
    {.name = "mnuQLvl", .index = 0, .parent = "mnuQuality", .caption = "High", .shortcut = "Ctrl+H", .kind = K::Radio,
     .flags = kDesignChecked, .hotKey = 8, .tag = "High", .handler = [](Player& p, int i) { p.SetQuality(Tag(p, "mnuQLvl", i)); }},
    {.name = "mnuQLvl", .index = 1, .parent = "mnuQuality", .caption = "Medium", .kind = K::Radio, .tag = "Medium",
     .handler = [](Player& p, int i) { p.SetQuality(Tag(p, "mnuQLvl", i)); }},
    {.name = "mnuQLvl", .index = 2, .parent = "mnuQuality", .caption = "Low", .shortcut = "Ctrl+L", .kind = K::Radio,
     .hotKey = 9, .tag = "Low", .handler = [](Player& p, int i) { p.SetQuality(Tag(p, "mnuQLvl", i)); }},
    {.name = "mnuQLvl", .index = 3, .parent = "mnuQuality", .caption = "-", .kind = K::Separator, .tag = "-"},
    {.name = "mnuQLvl", .index = 4, .parent = "mnuQuality", .caption = "Auto High", .kind = K::Radio, .tag = "AutoHigh",
     .handler = [](Player& p, int i) { p.SetQuality(Tag(p, "mnuQLvl", i)); }},
    {.name = "mnuQLvl", .index = 5, .parent = "mnuQuality", .caption = "Auto Low", .kind = K::Radio, .tag = "AutoLow",
     .handler = [](Player& p, int i) { p.SetQuality(Tag(p, "mnuQLvl", i)); }},
    {.name = "mnuZoom", .parent = "MenuView", .caption = "Zoom Movie", .kind = K::Menu},
    {.name = "mnuZoom50", .parent = "mnuZoom", .caption = "50%", .kind = K::Radio, .handler = [](Player& p, int) { Zoom(p, 50); }},
    {.name = "mnuZoom100", .parent = "mnuZoom", .caption = "100%", .shortcut = "Ctrl+Z", .kind = K::Radio,
     .flags = kDesignChecked, .hotKey = 10, .handler = [](Player& p, int) { Zoom(p, 100); }},
    {.name = "mnuZoom200", .parent = "mnuZoom", .caption = "200%", .kind = K::Radio,
     .handler = [](Player& p, int) { Zoom(p, 200); }},
    {.name = "mnuZoomSep1", .parent = "mnuZoom", .kind = K::Separator},
    {.name = "mnuKeepSize", .parent = "mnuZoom", .caption = "Keep Window Size", .kind = K::Check,
     .handler = [](Player& p, int) { p.ToggleCheck(QStringLiteral("mnuKeepSize")); }},
    {.name = "mnuAspectRatio", .parent = "mnuZoom", .caption = "Keep Aspect Ratio", .kind = K::Check, .flags = kDesignChecked,
     .handler = [](Player& p, int) { p.ToggleCheck(QStringLiteral("mnuAspectRatio")); }},
    {.name = "mnuScale", .parent = "MenuView", .caption = "Scale Mode", .kind = K::Menu},
    {.name = "mnuSMode", .index = 0, .parent = "mnuScale", .caption = "Show All", .kind = K::Radio, .flags = kDesignChecked,
     .handler = [](Player& p, int i) { p.SetScaleMode(uint8_t(i)); }},
    {.name = "mnuSMode", .index = 1, .parent = "mnuScale", .caption = "No Border", .kind = K::Radio,
     .handler = [](Player& p, int i) { p.SetScaleMode(uint8_t(i)); }},
    {.name = "mnuSMode", .index = 2, .parent = "mnuScale", .caption = "Fit in Window", .kind = K::Radio,
     .handler = [](Player& p, int i) { p.SetScaleMode(uint8_t(i)); }},
    {.name = "mnuSMode", .index = 3, .parent = "mnuScale", .caption = "No Scaling", .kind = K::Radio,
     .handler = [](Player& p, int i) { p.SetScaleMode(uint8_t(i)); }},
    {.name = "mnuViewSep2", .parent = "MenuView", .kind = K::Separator},
    {.name = "mnuOpacity", .parent = "MenuView", .caption = "Opacity", .kind = K::Menu},
    {.name = "mnuOpFull", .parent = "mnuOpacity", .caption = "Full", .kind = K::Check, .flags = kDesignChecked,
     .handler = [](Player& p, int) { p.SetFlashAlpha(100); }},
    {.name = "mnuOpSign", .parent = "mnuOpacity", .caption = "Significant", .kind = K::Check,
     .handler = [](Player& p, int) { p.SetFlashAlpha(75); }},
    {.name = "mnuOpMed", .parent = "mnuOpacity", .caption = "Medium", .kind = K::Check,
     .handler = [](Player& p, int) { p.SetFlashAlpha(50); }},
    {.name = "mnuOpSlite", .parent = "mnuOpacity", .caption = "Slight", .kind = K::Check,
     .handler = [](Player& p, int) { p.SetFlashAlpha(25); }},
    {.name = "mnuViewSep3", .parent = "MenuView", .kind = K::Separator},
    {.name = "mnuSkin", .parent = "MenuView", .caption = "Skin", .kind = K::Menu, .icon = "skin"},
    {.name = "mnuUpdSkin", .parent = "mnuSkin", .caption = "Reload Skin", .shortcut = "F5",
     .handler = [](Player& p, int) { p.Skin().ReloadSkin(); }},
    {.name = "mnuSkinSep1", .parent = "mnuSkin", .kind = K::Separator},
    {.name = "mnuSkinList", .index = 0, .parent = "mnuSkin", .caption = "No Skin", .kind = K::Radio, .flags = kDesignChecked,
     .handler = [](Player& p, int i) { p.Skin().ChooseSkin(i); }},
    {.name = "mnuSkinSep2", .parent = "mnuSkin", .kind = K::Separator},
    {.name = "mnuMoreSkins", .parent = "mnuSkin", .caption = "More Skins...", .feature = F::MoreSkins},

    // Playback
    {.name = "MenuPlayback", .caption = "Playback", .kind = K::Menu, .icon = "play", .condition = M::FlashMovie},
    {.name = "mnuPlay", .parent = "MenuPlayback", .caption = "Play", .shortcut = "Ctrl+P", .icon = "play", .hotKey = 11,
     .handler = [](Player& p, int) { p.PlayPauseMedia(); }},
    {.name = "mnuStop", .parent = "MenuPlayback", .caption = "Stop", .shortcut = "Ctrl+S", .hotKey = 12,
     .handler = [](Player& p, int) { p.StopMedia(); }},
    {.name = "mnuPlaybackSep1", .parent = "MenuPlayback", .kind = K::Separator},
    {.name = "mnuPlayNext", .parent = "MenuPlayback", .caption = "Next", .flags = kDesignDisabled | kNeedsTwoEntries,
     .hotKey = 18, .hotKeySequence = "Ctrl+Right", .handler = [](Player& p, int) { p.playlist().PlayNext(); }},
    {.name = "mnuPlayPrev", .parent = "MenuPlayback", .caption = "Previous", .flags = kDesignDisabled | kNeedsOneEntry,
     .hotKey = 19, .hotKeySequence = "Ctrl+Left", .handler = [](Player& p, int) { p.playlist().PlayPrev(); }},
    {.name = "mnuPlaybackSep2", .parent = "MenuPlayback", .kind = K::Separator},
    {.name = "mnuFFwd", .parent = "MenuPlayback", .caption = "Step Forward", .shortcut = "Ctrl+N", .hotKey = 13,
     .handler = [](Player& p, int) { p.SWF().Forward(); }},
    {.name = "mnuRwd", .parent = "MenuPlayback", .caption = "Step Backward", .shortcut = "Ctrl+B", .hotKey = 14,
     .handler = [](Player& p, int) { p.SWF().Back(); }},
    {.name = "mnuPlaybackSep3", .parent = "MenuPlayback", .kind = K::Separator},
    {.name = "mnuVolumeUp", .parent = "MenuPlayback", .caption = "Volume Up", .shortcut = "Ctrl+U", .hotKey = 15,
     .handler = [](Player& p, int) { p.SetSound(p.Volume() + 10, 0); }},
    {.name = "mnuVolumeDown", .parent = "MenuPlayback", .caption = "Volume Down", .shortcut = "Ctrl+J", .hotKey = 16,
     .handler = [](Player& p, int) { p.SetSound(p.Volume() - 10, 0); }},
    {.name = "mnuMute", .parent = "MenuPlayback", .caption = "Mute Sound", .shortcut = "Ctrl+M", .kind = K::Check,
     .hotKey = 17, .handler = ToggleMute},
    {.name = "mnuPlaybackSep4", .parent = "MenuPlayback", .kind = K::Separator},
    {.name = "mnuNonStop", .parent = "MenuPlayback", .caption = "Play Non Stop", .kind = K::Check,
     .handler = [](Player& p, int) { p.ToggleCheck(QStringLiteral("mnuNonStop")); }},
    {.name = "mnuLoop", .parent = "MenuPlayback", .caption = "Loop", .kind = K::Check, .handler = [](Player& p, int) {
         p.ToggleCheck(QStringLiteral("mnuLoop"));
         p.SWF().SetLoop(p.IsChecked(QStringLiteral("mnuLoop")));
     }},

    // Tools
    {.name = "MenuTools", .caption = "Tools", .kind = K::Menu, .icon = "configure"},
    {.name = "mnuBrowse", .parent = "MenuTools", .caption = "Media Browser", .shortcut = "F3", .icon = "search",
     .feature = F::Browser},
    {.name = "mnuDesktop", .parent = "MenuTools", .caption = "Flash Desktop...", .flags = kDesignHidden, .feature = F::Desktop},
    {.name = "mnuScreenSaver", .parent = "MenuTools", .caption = "Flash Screen Saver...", .icon = "screensaver",
     .feature = F::ScreenSaver, .condition = M::ScreenSaver},
    {.name = "mnuExtract", .parent = "MenuTools", .caption = "Extract Resources...", .feature = F::Extract,
     .condition = M::FlashMovie},
    {.name = "mnuGenerator", .parent = "MenuTools", .caption = "Thumbnail Generator...", .feature = F::Generator},
    {.name = "mnuToolsSep1", .parent = "MenuTools", .kind = K::Separator},
    {.name = "mnuPicture", .parent = "MenuTools", .caption = "Take Picture", .shortcut = "Ctrl+Ins", .hotKey = 20,
     .feature = F::Picture},
    {.name = "mnuThumbnail", .parent = "MenuTools", .caption = "Create Thumbnail", .shortcut = "Shift+Ins", .hotKey = 21,
     .feature = F::Thumbnail, .condition = M::NotInterface},
    {.name = "mnuClearCache", .parent = "MenuTools", .caption = "Clear Thumbnails Up", .shortcut = "Shift+Del",
     .icon = "cleanup", .hotKey = 22, .handler = [](Player& p, int) { p.ClearThumbnails(); }},
    {.name = "mnuToolsSep2", .parent = "MenuTools", .kind = K::Separator},
    {.name = "mnuLang", .parent = "MenuTools", .caption = "Language", .kind = K::Menu},
    {.name = "mnuLangList", .index = 0, .parent = "mnuLang", .caption = "[ No Languages ]", .kind = K::Radio,
     .handler = [](Player& p, int i) { p.ChooseLanguage(i); }},
    {.name = "mnuLangSep1", .parent = "mnuLang", .kind = K::Separator},
    {.name = "mnuMoreLangs", .parent = "mnuLang", .caption = "Get More...", .feature = F::MoreLanguages},
    {.name = "mnuToolsSep3", .parent = "MenuTools", .kind = K::Separator},
    {.name = "mnuHandyKeys", .parent = "MenuTools", .caption = "Handy Hot Keys", .shortcut = "Ctrl+K", .kind = K::Check,
     .hotKey = 23, .handler = [](Player& p, int) { p.ToggleCheck(QStringLiteral("mnuHandyKeys")); }},
    {.name = "mnuOpt", .parent = "MenuTools", .caption = "Options...", .icon = "configure", .feature = F::Options},

    // Help
    {.name = "MenuHelp", .caption = "Help", .kind = K::Menu, .icon = "help"},
    {.name = "mnuHelpMe", .parent = "MenuHelp", .caption = "Using Vorlen", .shortcut = "F1", .icon = "help",
     .feature = F::Help, .handler = [](Player& p, int) { p.HelpMe(); }},
    {.name = "mnuHelpSep1", .parent = "MenuHelp", .kind = K::Separator},
    {.name = "mnuUpd", .parent = "MenuHelp", .caption = "Check for Updates", .feature = F::Update},
    {.name = "mnuFeedback", .parent = "MenuHelp", .caption = "Contact the Author", .icon = "mail",
     .handler = [](Player& p, int) { p.Feedback(); }},
    {.name = "mnuWeb", .parent = "MenuHelp", .caption = "www.vorlen.org", .icon = "web",
     .handler = [](Player& p, int) { p.GoWeb(); }},
    {.name = "mnuHelpSep2", .parent = "MenuHelp", .kind = K::Separator},
    {.name = "mnuAbout", .parent = "MenuHelp", .caption = "About Vorlen", .icon = "about", .feature = F::About,
     .handler = [](Player& p, int) { p.About(); }},

    // The movie area's pop-up menu.
    {.name = "PopUp", .kind = K::PopupMenu},
    {.name = "mnuPopPlay", .parent = "PopUp", .caption = "Play", .flags = kShowWithMovie, .condition = M::FlashMovie,
     .tag = "!PLAYER/MNUPLAY", .handler = [](Player& p, int) { p.PlayPauseMedia(); }},
    {.name = "mnuPopStop", .parent = "PopUp", .caption = "Stop", .flags = kShowWithMovie, .condition = M::FlashMovie,
     .tag = "!PLAYER/MNUSTOP", .handler = [](Player& p, int) { p.StopMedia(); }},
    {.name = "mnuPopMute", .parent = "PopUp", .caption = "Mute Sound", .kind = K::Check, .flags = kShowWithMovie,
     .condition = M::FlashMovie, .tag = "!PLAYER/MNUMUTE", .handler = ToggleMute},
    {.name = "mnuPopSep1", .parent = "PopUp", .kind = K::Separator},
    {.name = "mnuPopHQ", .parent = "PopUp", .caption = "High Quality", .kind = K::Check, .flags = kShowWithMovie,
     .condition = M::FlashMovie, .handler = [](Player& p, int) { p.SetQuality(Tag(p, "mnuQLvl", 0)); }},
    {.name = "mnuPopLQ", .parent = "PopUp", .caption = "Low Quality", .kind = K::Check, .flags = kShowWithMovie,
     .condition = M::FlashMovie, .handler = [](Player& p, int) { p.SetQuality(Tag(p, "mnuQLvl", 2)); }},
    {.name = "mnuPopSep2", .parent = "PopUp", .kind = K::Separator},
    {.name = "mnuPopFullScreen", .parent = "PopUp", .caption = "Full Screen", .kind = K::Check, .tag = "!PLAYER/MNUFULLSCREEN",
     .handler = ToggleFullScreen},
    {.name = "mnuPopBrowse", .parent = "PopUp", .caption = "Media Browser", .feature = F::Browser, .tag = "!PLAYER/MNUBROWSE"},
    {.name = "mnuPopInfo", .parent = "PopUp", .caption = "Get Info", .flags = kShowWithMovie, .feature = F::Info,
     .condition = M::NotInterface, .tag = "!PLAYER/MNUINFO"},
    {.name = "mnuPopSep3", .parent = "PopUp", .kind = K::Separator},
    {.name = "mnuPopOpen", .parent = "PopUp", .caption = "Open...", .tag = "!PLAYER/MNUOPEN",
     .handler = [](Player& p, int) { p.OpenMedia(true); }},
    {.name = "mnuPopConvert", .parent = "PopUp", .caption = "Convert to EXE...", .flags = kShowWithMovie, .feature = F::Convert,
     .condition = M::FlashMovie, .tag = "!PLAYER/MNUCONVERT"},
    {.name = "mnuPopClose", .parent = "PopUp", .caption = "Close", .tag = "!PLAYER/MNUCLOSE",
     .handler = [](Player& p, int) { p.CloseMedia(QString()); }},
    {.name = "mnuPopSep4", .parent = "PopUp", .kind = K::Separator},
    {.name = "mnuPopAbout", .parent = "PopUp", .caption = "About Vorlen", .feature = F::About, .tag = "!PLAYER/MNUABOUT",
     .handler = [](Player& p, int) { p.About(); }},
    {.name = "mnuPopSep5", .parent = "PopUp", .kind = K::Separator},
    {.name = "mnuPopExit", .parent = "PopUp", .caption = "Exit", .tag = "!PLAYER/MNUEXIT", .handler = ExitMenu},

    // The pop-up menu of playlist and media browser items; the flags say for which items an entry
    // shows (consecutive separators fold into one).
    {.name = "PupItem", .kind = K::PopupMenu},
    {.name = "mnuFolderBrowse", .parent = "PupItem", .caption = "Browse Media", .flags = kForFolder, .feature = F::Browser},
    {.name = "mnuFolderShow", .parent = "PupItem", .caption = "Explore This Folder", .flags = kForFolder,
     .feature = F::ItemCommands},
    {.name = "mnuMoviePlay", .parent = "PupItem", .caption = "Play", .flags = kForMovie | kForEntry, .tag = "!PLAYER/MNUPLAY",
     .handler = [](Player& p, int) { p.PlayPopUpItem(); }},
    {.name = "mnuItemAdd", .parent = "PupItem", .caption = "Add to Playlist", .flags = kForFolder | kForMovie,
     .feature = F::Browser, .handler = [](Player& p, int) { p.AddBrowserItemToPlaylist(); }},
    {.name = "mnuMovieFile", .parent = "PupItem", .caption = "Show File", .flags = kForMovie | kForEntry, .feature = F::ShowFile,
     .tag = "!PLAYER/MNUSHOWFILE"},
    {.name = "mnuItemSep1", .parent = "PupItem", .kind = K::Separator},
    {.name = "mnuMovieInfo", .parent = "PupItem", .caption = "Get Info", .flags = kForMovie | kForEntry, .feature = F::Info,
     .tag = "!PLAYER/MNUINFO"},
    {.name = "mnuMovieConvert", .parent = "PupItem", .caption = "Convert to EXE...", .flags = kForMovie | kForEntry,
     .feature = F::Convert, .tag = "!PLAYER/MNUCONVERT"},
    {.name = "mnuFolderGenerator", .parent = "PupItem", .caption = "Thumbnail Generator...", .flags = kForFolder,
     .feature = F::Generator, .tag = "!PLAYER/MNUGENERATOR"},
    {.name = "mnuMovieExtract", .parent = "PupItem", .caption = "Extract Resources...", .flags = kForMovie | kForEntry,
     .feature = F::Extract, .tag = "!PLAYER/MNUEXTRACT"},
    {.name = "mnuMovieSaver", .parent = "PupItem", .caption = "Flash Screen Saver...", .flags = kForMovie | kForEntry,
     .feature = F::ScreenSaver, .tag = "!PLAYER/MNUSCREENSAVER"},
    {.name = "mnuItemSep2", .parent = "PupItem", .kind = K::Separator},
    {.name = "mnuItemCut", .parent = "PupItem", .caption = "Cut", .flags = kForFolder | kForMovie, .feature = F::ItemCommands},
    {.name = "mnuItemCopy", .parent = "PupItem", .caption = "Copy", .flags = kForFolder | kForMovie, .feature = F::ItemCommands},
    {.name = "mnuFolderPaste", .parent = "PupItem", .caption = "Paste", .flags = kForFolder, .feature = F::ItemCommands},
    {.name = "mnuItemSep3", .parent = "PupItem", .kind = K::Separator},
    {.name = "mnuItemDelete", .parent = "PupItem", .caption = "Delete", .flags = kForFolder | kForMovie, .icon = "delete",
     .feature = F::ItemCommands},
    {.name = "mnuItemRename", .parent = "PupItem", .caption = "Rename", .flags = kForFolder | kForMovie,
     .feature = F::ItemCommands},
    {.name = "mnuMoveUp", .parent = "PupItem", .caption = "Move Up", .flags = kForEntry,
     .handler = [](Player& p, int) { p.MoveSelectedEntry(-1); }},
    {.name = "mnuMoveDown", .parent = "PupItem", .caption = "Move Down", .flags = kForEntry,
     .handler = [](Player& p, int) { p.MoveSelectedEntry(1); }},
    {.name = "mnuRemove", .parent = "PupItem", .caption = "Remove", .flags = kForEntry,
     .handler = [](Player& p, int) { p.playlist().RemoveSelectedEntries(); }},
    {.name = "mnuRemoveAll", .parent = "PupItem", .caption = "Remove All", .flags = kForEntry | kForList,
     .handler = [](Player& p, int) { p.playlist().ClearPlaylist(); }},
    {.name = "mnuItemSep4", .parent = "PupItem", .kind = K::Separator},
    {.name = "mnuPLadd", .parent = "PupItem", .caption = "Add Files...", .flags = kForEntry | kForList,
     .handler = [](Player& p, int) { p.OpenMedia(false); }},
    {.name = "mnuPLaddFolder", .parent = "PupItem", .caption = "Add Folder...", .flags = kForEntry | kForList,
     .handler = [](Player& p, int) { p.AddFolderDialog(); }},
};

// HandyAction's keys, in the order they are tried.
const HandyKeyRow kHandyKeys[] = {
    {.key = Qt::Key_F12, .condition = HandyCondition::Always, .handler = [](Player& p, int) { p.ShowConsole(); }},
    // The menu bar's own shortcuts, served here while it is hidden (F4 does nothing).
    {.key = Qt::Key_F1, .condition = HandyCondition::MenuBarHidden, .item = "mnuHelpMe"},
    {.key = Qt::Key_F2, .condition = HandyCondition::MenuBarHidden, .item = "mnuMenuBar"},
    {.key = Qt::Key_F3, .condition = HandyCondition::MenuBarHidden, .item = "mnuBrowse"},
    {.key = Qt::Key_F5, .condition = HandyCondition::MenuBarHidden, .item = "mnuUpdSkin"},
    {.key = Qt::Key_F6, .condition = HandyCondition::MenuBarHidden, .item = "mnuPlaylist"},
    {.key = Qt::Key_Escape, .condition = HandyCondition::HandyKeys, .handler = [](Player& p, int) { p.FullScreen(false, false); }},
    {.key = Qt::Key_Space, .condition = HandyCondition::HandyKeys, .item = "mnuPlay"},
    {.key = Qt::Key_Left, .condition = HandyCondition::HandyKeys, .item = "mnuRwd"},
    {.key = Qt::Key_Right, .condition = HandyCondition::HandyKeys, .item = "mnuFFwd"},
    {.key = Qt::Key_Up, .condition = HandyCondition::HandyKeys, .item = "mnuVolumeUp"},
    {.key = Qt::Key_Down, .condition = HandyCondition::HandyKeys, .item = "mnuVolumeDown"},
};
// clang-format on

}  // namespace

std::span<const CommandRow> CommandTable()
{
    return kCommands;
}

std::span<const HandyKeyRow> HandyKeyTable()
{
    return kHandyKeys;
}

bool IsArrayRow(const CommandRow& row)
{
    return row.index >= 0;
}

const CommandRow* FindCommand(const QString& name, int index)
{
    const CommandRow* arrayRow = nullptr;
    for (const CommandRow& row : kCommands) {
        if (row.kind == CommandKind::HotKey || name.compare(QLatin1String(row.name), Qt::CaseInsensitive) != 0)
            continue;
        if (row.index == index)
            return &row;
        if (row.index == 0)
            arrayRow = &row;
    }
    // Items added at run time share the handler of the array's first item.
    return index > 0 ? arrayRow : nullptr;
}

const CommandRow* FindHotKeyCommand(int id)
{
    if (id < 0 || id >= kHotKeyCount)
        return nullptr;
    for (const CommandRow& row : kCommands) {
        if (row.hotKey != id)
            continue;
        if (row.kind == CommandKind::HotKey)
            return FindCommand(QLatin1String(row.parent));
        return &row;
    }
    return nullptr;
}

QString HotKeySequence(int id)
{
    for (const CommandRow& row : kCommands) {
        if (row.hotKey == id)
            return QLatin1String(row.hotKeySequence ? row.hotKeySequence : row.shortcut);
    }
    return QString();
}

QString CommandLanguageKey(const CommandRow& row)
{
    // A tag beginning with "!" names the key whose text the item shares.
    if (row.tag && row.tag[0] == '!')
        return QLatin1String(row.tag + 1);
    if (row.langKey)
        return QLatin1String(row.langKey);
    const QString name = QStringLiteral("Player/") + QLatin1String(row.name);
    return row.index >= 0 ? name + QLatin1Char('_') + QString::number(row.index) : name;
}
