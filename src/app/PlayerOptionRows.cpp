#include "app/PlayerOptionRows.h"

#include "options/OptionsHost.h"
#include "options/OptionsModule.h"

std::vector<OptionRow> PlayerOptionRows(PlayerOptionState& p)
{
    using enum OptionType;
    using enum OptionDefault;

    const auto loadQuality = [&p](OptionStep& s) {
        s.Load();
        s.host.SetQuality(p.quality);
    };
    const auto saveQuality = [&p](OptionStep& s) {
        p.quality = s.host.CurrentQuality();
        s.Save();
    };
    // The scale mode and the playlist pane take the stored value directly: one that does not
    // convert leaves the control and the pane as they are.
    const auto loadScaleMode = [&p](OptionStep& s) {
        if (s.Load())
            s.host.SetScaleMode(p.scaleMode);
    };
    const auto saveScaleMode = [&p](OptionStep& s) {
        p.scaleMode = s.host.ScaleModeToSave();
        s.Save();
    };
    const auto loadPlaylistShown = [&p](OptionStep& s) {
        if (s.Load())
            s.host.TogglePlaylist(p.menus.playlist ? -1 : 0);
    };
    const auto loadVolume = [&p](OptionStep& s) {
        s.Load();
        p.volumeBeforeMute = p.volume;
    };
    // Muting sets the volume to nothing; the one to come back to is what is kept.
    const auto saveVolume = [&p](OptionStep& s) { s.Write(QString::number(p.mute ? p.volumeBeforeMute : p.volume)); };
    const auto loadMute = [&p](OptionStep& s) {
        s.Load();
        s.host.MuteSound(p.mute);
    };
    const auto keepScreenSaverState = [&p](OptionStep& s) {
        p.initialScreenSaverActive = s.host.IsScreenSaverActive();
        if (s.options.disableScreenSaver)
            s.host.SetSSState(false);
    };
    const auto loadTopMost = [&p](OptionStep& s) {
        s.Load();
        s.host.SetTopMost(p.menus.topMost);
    };
    const auto loadMenuBar = [&p](OptionStep& s) {
        s.Load();
        p.menuBarShown = p.menus.menuBar;
    };
    // Position and size are read only for a normal window, with its current place as default,
    // and applied in one move.
    const auto takeCurrentPlace = [&p](OptionStep& s) {
        if (s.host.WindowState() == kWindowNormal)
            p.geometry = s.host.CurrentGeometry();
    };
    const auto loadPlaceWhenNormal = [](OptionStep& s) {
        if (s.host.WindowState() == kWindowNormal)
            s.Load();
    };
    const auto moveWhenNormal = [&p](OptionStep& s) {
        if (s.host.WindowState() == kWindowNormal)
            s.host.MoveWindow(p.geometry);
    };
    const auto centerWhenAsked = [](OptionStep& s) {
        if (s.options.centered)
            s.host.Center();
    };
    const auto takeWindowPlace = [&p](OptionStep& s) {
        p.geometry = s.host.CurrentGeometry();
        p.windowState = s.host.WindowState();
    };
    const auto saveSizeWhenNormal = [&p](OptionStep& s) {
        if (p.windowState == kWindowNormal)
            s.Save();
    };

    return {
        {"View", "Quality", Text, Fixed, "High", &p.quality, {201, loadQuality}, {201, saveQuality}},
        {"View", "ScaleMode", Byte, Fixed, "0", &p.scaleMode, {202, loadScaleMode}, {202, saveScaleMode}},
        {"View", "FlashAlpha", Byte, Fixed, "100", &p.flashAlpha, {203}, {203}},
        {"View", "Skin", Text, Fixed, "Default", &p.skinName, {204}, {204}},
        {"View", "Menus", Text, Fixed, "Default", &p.menuSet, {205}, {205}},
        {"View", "Playlist", Boolean, Fixed, "True", &p.menus.playlist, {206, loadPlaylistShown}, {206}},
        {"Playback", "Repeat", Boolean, CurrentValue, "", &p.menus.loop, {301}, {301}},
        {"Playback", "NonStop", Boolean, CurrentValue, "", &p.menus.nonStop, {302}, {302}},
        {"Sound", "Volume", Byte, Fixed, "100", &p.volume, {401, loadVolume}, {401, saveVolume}},
        {"Sound", "Pan", Integer, Fixed, "0", &p.pan, {402}, {402}},
        {"Sound", "Mute", Boolean, Fixed, "False", &p.mute, {403, loadMute}, {403}},
        {"System", "TimeMode", Long, Fixed, "0", &p.timeMode, {603}, {604}},
        LoadAction(611, keepScreenSaverState),
        {"Window", "TopMost", Boolean, CurrentValue, "", &p.menus.topMost, {1001, loadTopMost}, {902}},
        {"Window", "MenuBar", Boolean, CurrentValue, "", &p.menus.menuBar, {1002, loadMenuBar}, {903}},
        {"Window", "HandyKeys", Boolean, CurrentValue, "", &p.menus.handyKeys, {1003}, {911}},
        {"Window", "KeepSize", Boolean, CurrentValue, "", &p.menus.keepSize, {1004}, {904}},
        {"Window", "AspectRatio", Boolean, CurrentValue, "", &p.menus.aspectRatio, {1005}, {905}},
        LoadAction(1010, takeCurrentPlace),
        SaveAction(906, takeWindowPlace),
        {"Window", "Left", Single, CurrentValue, "", &p.geometry.left, {1011, loadPlaceWhenNormal}, {907}},
        {"Window", "Top", Single, CurrentValue, "", &p.geometry.top, {1012, loadPlaceWhenNormal}, {908}},
        {"Window", "Width", Single, CurrentValue, "", &p.geometry.width, {1013, loadPlaceWhenNormal}, {914, saveSizeWhenNormal}},
        {"Window", "Height", Single, CurrentValue, "", &p.geometry.height, {1014, loadPlaceWhenNormal},
            {915, saveSizeWhenNormal}},
        LoadAction(1015, moveWhenNormal),
        LoadAction(1016, centerWhenAsked),
        {"Window", "State", Integer, CurrentValue, "", &p.windowState, {}, {909}},
        {"Window", "FullScreen", Boolean, CurrentValue, "", &p.menus.fullScreen, {}, {910}},
        {"ScreenSaver", "", Text, Fixed, "", &p.screenSaverModule, {1101}, {}},
        {"ScreenSaver", "FileName", Text, Fixed, "", {}, {}, {}},
        {"ScreenSaver", "FileOld", Text, Fixed, "", {}, {}, {}},
    };
}
