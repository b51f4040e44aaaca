#pragma once

#include "player/PlayerFeature.h"

#include <QString>
#include <QStringList>

// The argument of PlayerFeature::Update for the automatic check (a request has none).
inline constexpr const char* kAutomaticUpdate = "Automatic";

// Where the menu handlers of the dialogs and tools go: the about box, options, information,
// extractor, generator, update check, help, screen saver, conversion, item commands. The player
// asks before enabling a menu item; a program without them (or a test) uses this class as it
// is, and every such item stays disabled.
class PlayerExtensions {
public:
    virtual ~PlayerExtensions() = default;

    virtual bool Offers(PlayerFeature feature) const { return false; }
    // argument: the file the command is about (the movie shown, or the item a pop-up menu was
    // opened for), the help topic for PlayerFeature::Help, kAutomaticUpdate for the update check
    // at start-up; "" when there is none.
    virtual void Run(PlayerFeature feature, const QString& argument) { }
    // A menu item of a feature that serves several items (the item pop-up's file commands share
    // ItemCommands), by the item's name ("mnuItemCopy"); by default the feature's Run.
    virtual void RunMenuItem(PlayerFeature feature, const QString& item, const QString& argument) { Run(feature, argument); }
    // A public operation of the player that a feature carries out with arguments of its own
    // (the script's Generate); false when the feature has no operation of that name.
    virtual bool RunOperation(PlayerFeature feature, const QString& name, const QStringList& arguments) { return false; }
};
