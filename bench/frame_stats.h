// Order statistics of per-frame timings, shared by the benchmarks.
#pragma once

#include <cstdint>
#include <vector>

namespace bench {

struct Summary {
    double median = 0.0;
    double p95 = 0.0;
    double mean = 0.0;
};

// Nearest-rank percentile (0 < percent <= 100) of the samples; 0 for none.
double Percentile(std::vector<double> samples, double percent);

Summary Summarize(const std::vector<double>& samples);

// Monotonic clock in nanoseconds.
uint64_t NowNanoseconds();

} // namespace bench
