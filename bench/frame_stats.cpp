#include "frame_stats.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numeric>

namespace bench {

double Percentile(std::vector<double> samples, double percent) {
    if (samples.empty()) {
        return 0.0;
    }
    std::sort(samples.begin(), samples.end());
    // Nearest rank: the smallest sample with at least percent% of the samples at or below it.
    double rank = std::ceil(percent / 100.0 * double(samples.size()));
    size_t index = rank < 1.0 ? 0 : size_t(rank) - 1;
    return samples[std::min(index, samples.size() - 1)];
}

Summary Summarize(const std::vector<double>& samples) {
    Summary summary;
    if (samples.empty()) {
        return summary;
    }
    summary.median = Percentile(samples, 50.0);
    summary.p95 = Percentile(samples, 95.0);
    summary.mean = std::accumulate(samples.begin(), samples.end(), 0.0) / double(samples.size());
    return summary;
}

uint64_t NowNanoseconds() {
    return uint64_t(std::chrono::duration_cast<std::chrono::nanoseconds>(
                        std::chrono::steady_clock::now().time_since_epoch())
                        .count());
}

} // namespace bench
