#include "player/PlaybackMath.h"

#include "base/Rounding.h"

#include <algorithm>
#include <limits>

int SeekTarget(int currentFrame, double frameRate, bool forward)
{
    const double target = forward ? double(currentFrame) + frameRate : double(currentFrame) - frameRate;
    const double rounded = RoundHalfEvenValue(target);
    // A frame number the control cannot take is held at its range rather than wrapped.
    return int(std::clamp(rounded, double(std::numeric_limits<int>::min()), double(std::numeric_limits<int>::max())));
}

float MoviePercent(int currentFrame, int totalFrames)
{
    if (totalFrames < 2)
        return 0.0f;
    return float(double(currentFrame) / double(totalFrames - 1));
}

int ClampVolume(int volume)
{
    return std::clamp(volume, 0, 100);
}

int ClampPan(int pan)
{
    return std::clamp(pan, -100, 100);
}

QString SoundMovieAddress(const QString& flashFolder, int volume, int pan, int movieWidth, int movieHeight)
{
    return flashFolder
        + QStringLiteral("sound.swf?volume=%1&pan=%2&x=%3&y=%4").arg(volume).arg(pan).arg(movieWidth).arg(movieHeight);
}

bool AtEndOfMovie(const EndOfMovieState& state)
{
    return state.frameNum + 1 == state.totalFrames && state.playlistLast >= 0 && !state.interfaceMovie
        && (!state.video || state.totalFrames >= 2);
}

EndOfMovieAction EndOfMovieStep(const EndOfMovieState& state)
{
    if (!AtEndOfMovie(state))
        return EndOfMovieAction::Continue;
    if (state.loop)
        return state.totalFrames >= 2 ? EndOfMovieAction::Rewind : EndOfMovieAction::Stay;
    if (state.nonStop)
        return EndOfMovieAction::PlayNext;
    return EndOfMovieAction::Continue;
}

int OpacityItem(int alpha)
{
    switch (alpha) {
    case 100:
        return 0;
    case 75:
        return 1;
    case 50:
        return 2;
    case 25:
        return 3;
    default:
        return -1;
    }
}
