#include "player/TimeText.h"

#include "base/Rounding.h"

#include <cmath>

std::optional<QString> FrameTimeText(double frames, double frameRate)
{
    if (frameRate == 0.0)
        return std::nullopt;
    const double seconds = frames / frameRate;
    // Mod keeps the sign of the rounded seconds, as the integer remainder does.
    const double sec = std::fmod(RoundHalfEvenValue(seconds), 60.0);
    const double min = RoundHalfEvenValue((seconds - sec) / 60.0);
    const QString minText = QString::number(qint64(min));
    const QString secText = QString::number(qint64(sec));
    return sec >= 10 ? minText + QLatin1Char(':') + secText : minText + QStringLiteral(":0") + secText;
}

std::optional<QString> PositionText(int mode, int frameNum, int totalFrames, double frameRate, const PositionLabels& labels)
{
    switch (mode) {
    case 0:
    case 1: {
        const std::optional<QString> total = FrameTimeText(totalFrames, frameRate);
        const std::optional<QString> position
            = FrameTimeText(mode == 0 ? double(frameNum) : double(totalFrames) - frameNum - 1, frameRate);
        if (!total || !position)
            return std::nullopt;
        return labels.time + (mode == 0 ? QStringLiteral(": ") : QStringLiteral(": - ")) + *position + QStringLiteral(" / ")
            + *total;
    }
    case 2:
        return labels.frame + QStringLiteral(": ") + QString::number(qint64(frameNum) + 1) + QStringLiteral(" / ")
            + QString::number(totalFrames);
    case 3:
        return labels.frame + QStringLiteral(": - ") + QString::number(qint64(totalFrames) - frameNum) + QStringLiteral(" / ")
            + QString::number(totalFrames);
    default:
        return std::nullopt;
    }
}

int NextTimeMode(int mode)
{
    return mode >= 3 ? 0 : mode + 1;
}
