#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <utility>
#include <vector>

namespace trelvo::bench {

// The middle value (the upper one of an even count), or -1 for none.
inline double Median(std::vector<double> values) {
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

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
    return Median(std::move(times));
}

inline void Report(const char* what, double milliseconds, const char* target) {
    std::printf("%-58s %10.3f ms   (target: %s)\n", what, milliseconds, target);
}

inline void ReportRatio(const char* what, double ours, double baseline, const char* target) {
    std::printf("%-58s %10.3f ms vs %10.3f ms  ratio %.2f  (target: %s)\n", what, ours, baseline,
                ours / baseline, target);
}

} // namespace trelvo::bench
