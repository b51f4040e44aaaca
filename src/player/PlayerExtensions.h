#pragma once

#include "player/PlayerFeature.h"

#include <QString>

// Where the menu handlers of the dialogs and tools go: the about box, options, information,
// extractor, generator, update check, help, screen saver, conversion, item commands. The player
// asks before enabling a menu item; a program without them (or a test) uses this class as it
// is, and every such item stays disabled.
class PlayerExtensions {
public:
    virtual ~PlayerExtensions() = default;

    virtual bool Offers(PlayerFeature feature) const { return false; }
    // argument: the file the command is about (the movie shown, or the item a pop-up menu was
    // opened for), or the help topic for PlayerFeature::Help; "" when there is none.
    virtual void Run(PlayerFeature feature, const QString& argument) { }
};
