#include "browser/ShotFrameChoice.h"

#include "base/Rounding.h"

#include <QRandomGenerator>

int ChooseShotFrame(double r, uint8_t sampleFrom, uint8_t sampleTo, int totalFrames)
{
    const int spread = (int(sampleTo) - int(sampleFrom) + 256) % 256;
    const double share = r * sampleFrom / 100.0 + spread / 100.0;
    return static_cast<int>(RoundHalfEven(share * totalFrames));
}

int ChooseShotFrame(uint8_t sampleFrom, uint8_t sampleTo, int totalFrames)
{
    return ChooseShotFrame(QRandomGenerator::global()->generateDouble(), sampleFrom, sampleTo, totalFrames);
}
