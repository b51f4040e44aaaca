#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <vector>

// Runs work count times and gives the times in milliseconds, sorted.
template <typename Work> std::vector<double> TimeRuns(int count, Work work)
{
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times;
}

inline double Median(const std::vector<double>& sorted)
{
    return sorted[sorted.size() / 2];
}
