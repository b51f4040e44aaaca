#pragma once

#include <QString>

#include <functional>

// The options and outside tests the playlist reads, each with its default, until the option
// store and the projector test are wired in by the main window.
struct PlaylistServices {
    // "History": the playlist is saved before it is cleared.
    std::function<bool()> history = [] { return true; };
    // "GenericProjectors": executables that are not projectors without doubt are skipped.
    std::function<bool()> genericProjectors = [] { return true; };
    // The projector test for ".exe" files; without one no executable is taken for a projector.
    std::function<bool(const QString& path)> isProjector = [](const QString&) { return false; };
    // Receives every line the playlist writes to the log, for programs that keep no log.
    std::function<void(const QString& line)> notice;
};
