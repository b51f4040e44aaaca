#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>

// Movies for the engine's tests and benchmarks, made with the SWF writer.

struct ColourMovieOptions {
    int version = 8;
    int width = 200;
    int height = 150;
    double frameRate = 12;
    bool compressed = false;
    bool actionScript3 = false;  // a FileAttributes tag with the ActionScript 3 flag
    bool stopAtStart = false;    // a stop() action on frame 1 (SWF 4 and later)
    // An fscommand(command, args) on frame 1, when command is not empty.
    QByteArray fsCommand;
    QByteArray fsArgs;
    // Frame labels: label i names frame labelFrames[i] (0-based) whose actions send
    // fscommand("label", name); empty for none.
    QList<QPair<int, QByteArray>> labels;
    // Scenes of an ActionScript 3 movie (a DefineSceneAndFrameLabelData tag): the 0-based
    // frame each starts at and its name; empty for none.
    QList<QPair<int, QByteArray>> scenes;
    // Every character id the shapes leave free is taken by an empty DefineBinaryData: no
    // symbol can be added to the movie.
    bool everyIdTaken = false;
};

// A movie with one frame per colour: frame n shows a rectangle of colours[n] over the whole
// stage (the background is the complement of the first colour, so that a missing shape shows).
QByteArray BuildColourMovie(const QList<QColor>& colours, const ColourMovieOptions& options = {});

// A DefineShape with a solid rectangle of the given size in pixels.
QByteArray SolidRectangleShape(uint16_t id, int width, int height, const QColor& colour);
