#pragma once

#include <QByteArray>

// The two AVM1 movies the Flash control makes at run time with the SWF writer.

// Names of the ExternalInterface callbacks the host movie registers and of the page's global
// functions it calls. Frames are 1-based here, as in ActionScript.
namespace HostCallback {
inline constexpr const char* kGoto = "vorlenGoto";        // (frame, play)
inline constexpr const char* kPlay = "vorlenPlay";        // ()
inline constexpr const char* kStop = "vorlenStop";        // ()
inline constexpr const char* kNext = "vorlenNext";        // ()
inline constexpr const char* kPrev = "vorlenPrev";        // ()
inline constexpr const char* kCurrent = "vorlenCurrent";  // () -> 1-based frame
inline constexpr const char* kTotal = "vorlenTotal";      // () -> frame count
inline constexpr const char* kQuality = "vorlenQuality";  // ("HIGH", "LOW", ...)
inline constexpr const char* kScale = "vorlenScale";      // ("showAll", ...)
inline constexpr const char* kSet = "vorlenSet";          // (path, value)
inline constexpr const char* kCall = "vorlenCall";        // ("target:label")
inline constexpr const char* kLoad = "vorlenLoad";        // (url, "_levelN")
inline constexpr const char* kLoop = "vorlenLoop";        // (loop)
// Page functions called by the host movie.
inline constexpr const char* kReady = "vorlenHostReady";  // ()
inline constexpr const char* kFrame = "vorlenFrame";      // (frame, total, playing)
}  // namespace HostCallback

// The level the host movie is loaded into, above anything a movie loads itself.
inline constexpr int kHostLevel = 9999;

// The host movie (AVM1, SWF 8): registers the callbacks above, which act on _level0, and
// reports frame changes of _level0 to the page every frame. A root timeline that did not
// advance over two frames counts as not playing.
QByteArray BuildHostMovie();

// An empty one-frame movie: the engine page loads it to start the engine early.
QByteArray BuildBlankMovie();

// sound.swf (AVM1): applies the query variables volume (0-100) and pan (-100..100) to
// everything with a global Sound object.
QByteArray BuildSoundMovie();
