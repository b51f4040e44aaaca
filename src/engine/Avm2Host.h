#pragma once

#include <QByteArray>

#include <cstdint>

// Frame control of ActionScript 3 movies. The frame host (data/engine/as3host, compiled by
// Haxe into Data/Flash/engine/as3host.swf) is a class, vorlen.FrameHost, that registers the
// same ExternalInterface callbacks as the AVM1 host movie and acts on the root timeline. It
// joins a movie in memory: before the movie's first ShowFrame go the host's DoABC tag, an
// empty DefineSprite, a SymbolClass tag that binds the sprite to the class, and a
// PlaceObject2 that places it on the root, where the host finds the root and leaves again.

inline constexpr const char* kFrameHostClass = "vorlen.FrameHost";

// The DoABC tag (header included) of the compiled host movie; empty when it has none.
QByteArray FrameHostAbcTag(const QByteArray& hostMovie);

// The character id and depth the inserted sprite takes: the highest ones the root tags from
// firstTag on leave free.
struct FrameHostSlot {
    uint16_t characterId = 0;
    uint16_t depth = 0;
    bool ok = false;  // false when every id or depth is taken
};
FrameHostSlot FreeFrameHostSlot(const QByteArray& body, qsizetype firstTag);

// The tags inserted before the first ShowFrame: abcTag, the sprite, its binding and placing.
QByteArray FrameHostTags(const QByteArray& abcTag, const FrameHostSlot& slot);
