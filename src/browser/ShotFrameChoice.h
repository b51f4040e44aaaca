#pragma once

#include <cstdint>

// The frame a thumbnail shows: ((r x SampleFrom / 100 + ((SampleTo - SampleFrom) mod 256) / 100)
// x totalFrames), rounded halves to even, for r uniform in [0, 1). With the defaults (30, 50)
// it lies between 20 % and 50 % of the movie. SampleFrom above SampleTo is not guarded: the
// difference wraps and the frame may lie past the movie's end.
int ChooseShotFrame(double r, uint8_t sampleFrom, uint8_t sampleTo, int totalFrames);

// The same with r drawn from a generator seeded from the clock.
int ChooseShotFrame(uint8_t sampleFrom, uint8_t sampleTo, int totalFrames);
