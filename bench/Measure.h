#pragma once

#include <algorithm>
#include <ctime>
#include <vector>

// What the benchmarks measure with and how they sum it up.

// CPU time of the calling thread in milliseconds: other work on the machine
// barely moves it, unlike the wall clock.
inline double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// The median, the 99th percentile (nearest rank below) and the worst of a
// set of samples; all zero for no samples.
struct Quantiles {
    double p50 = 0;
    double p99 = 0;
    double max = 0;

    static Quantiles of(std::vector<double> samples) {
        Quantiles q;
        if (samples.empty()) {
            return q;
        }
        std::sort(samples.begin(), samples.end());
        const auto at = [&](double share) {
            return samples[size_t(share * double(samples.size() - 1))];
        };
        q.p50 = at(0.5);
        q.p99 = at(0.99);
        q.max = samples.back();
        return q;
    }
};
