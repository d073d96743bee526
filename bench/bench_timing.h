#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace trelvo::bench {

// Milliseconds of wall time that `run` takes, the median of `runs` runs. Machines here are
// shared and noisy: medians, and ratios against a baseline measured in the same run.
template <class Run> double MedianMilliseconds(int runs, Run run) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const std::chrono::duration<double, std::milli> elapsed =
            std::chrono::steady_clock::now() - start;
        times.push_back(elapsed.count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

inline void Report(const char* what, double milliseconds, const char* target) {
    std::printf("%-58s %10.3f ms   (target: %s)\n", what, milliseconds, target);
}

inline void ReportRatio(const char* what, double ours, double baseline, const char* target) {
    std::printf("%-58s %10.3f ms vs %10.3f ms  ratio %.2f  (target: %s)\n", what, ours, baseline,
                ours / baseline, target);
}

} // namespace trelvo::bench
