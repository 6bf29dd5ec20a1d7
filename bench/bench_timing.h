#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

// The median of several runs, in seconds: steadier than one run on a busy machine.
inline double medianSeconds(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e9);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

inline void report(const char *what, double seconds, const char *baselineName, double baseline, double target)
{
    std::printf("%-34s %8.4f s   %-30s %8.4f s   ratio %6.2f", what, seconds, baselineName, baseline,
                baseline > 0 ? seconds / baseline : 0.0);
    if (target > 0) {
        std::printf(" (target < %.1f)", target);
    }
    std::printf("\n");
}
