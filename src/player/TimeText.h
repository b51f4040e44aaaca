#pragma once

#include <QString>

#include <optional>

// The position text of the status timer.

// t(frames): the time of a frame count at frameRate frames per second as "m:ss". Seconds and
// minutes are rounded to the nearest integer, halves to even: at 12 frames per second 30 frames
// (2.5 s) give "0:02" and 726 frames (60.5 s) give "1:00". Empty (undefined) for a frame rate
// of 0.
std::optional<QString> FrameTimeText(double frames, double frameRate);

// The labels of the position text ("Time", "Frame" or their translations).
struct PositionLabels {
    QString time;
    QString frame;
};

// The position text for a time mode: 0 elapsed time, 1 remaining time, 2 frame, 3 frames
// remaining. frameNum counts from 0. Empty for a mode outside 0..3 and, in the time modes, for
// a frame rate of 0: the timer then keeps the text it had.
std::optional<QString> PositionText(int mode, int frameNum, int totalFrames, double frameRate, const PositionLabels& labels);

// ToggleTimeMode: the next mode, 3 wrapping to 0.
int NextTimeMode(int mode);
