// The processor time of a group of this process's threads, picked by the
// start of their names, read often and cheaply: each thread's name is read
// once, and its time from its own CPU-time clock.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace d3d12_standin {

class NamedThreadsCpuTime {
public:
    explicit NamedThreadsCpuTime(std::string prefix) : prefix_(std::move(prefix)) {}

    // User and system time of the live threads whose name begins with the
    // prefix. Threads started since the last call count from their start.
    std::chrono::nanoseconds Read();

private:
    struct Known {
        pid_t thread;
        bool named; // its name begins with the prefix
    };

    bool NameMatches(pid_t thread) const;
    bool Named(pid_t thread);

    std::string prefix_;
    std::vector<Known> known_; // the threads seen by the last call
    std::vector<Known> seen_;  // filled by the call under way
};

} // namespace d3d12_standin
