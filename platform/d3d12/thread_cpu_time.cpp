#include "thread_cpu_time.h"

#include <dirent.h>
#include <fcntl.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <cstring>

namespace d3d12_standin {
namespace {

// The CPU-time clock of one thread of this process, as glibc's
// pthread_getcpuclockid makes it from the thread's id (the kernel's
// MAKE_THREAD_CPUCLOCK: the id inverted above three bits of clock kind,
// "per thread" and "scheduler time").
clockid_t ThreadCpuClock(pid_t thread) {
    constexpr clockid_t kPerThreadSchedulerTime = 4 | 2;
    return clockid_t((~unsigned(thread)) << 3) | kPerThreadSchedulerTime;
}

} // namespace

bool NamedThreadsCpuTime::NameMatches(pid_t thread) const {
    char path[64];
    std::snprintf(path, sizeof(path), "/proc/self/task/%d/comm", int(thread));
    const int file = open(path, O_RDONLY | O_CLOEXEC);
    if (file < 0) {
        return false;
    }
    char name[32] = {};
    const ssize_t length = read(file, name, sizeof(name) - 1);
    close(file);
    return length >= ssize_t(prefix_.size()) &&
           std::strncmp(name, prefix_.c_str(), prefix_.size()) == 0;
}

bool NamedThreadsCpuTime::Named(pid_t thread) {
    auto known = std::find_if(known_.begin(), known_.end(),
                              [thread](const Known& entry) { return entry.thread == thread; });
    const bool named = known != known_.end() ? known->named : NameMatches(thread);
    seen_.push_back({thread, named});
    return named;
}

std::chrono::nanoseconds NamedThreadsCpuTime::Read() {
    DIR* tasks = opendir("/proc/self/task");
    if (tasks == nullptr) {
        return {};
    }
    seen_.clear();
    std::chrono::nanoseconds total{};
    while (const dirent* entry = readdir(tasks)) {
        char* end = nullptr;
        const long thread = std::strtol(entry->d_name, &end, 10);
        timespec time{};
        if (thread <= 0 || *end != '\0' || !Named(pid_t(thread)) ||
            clock_gettime(ThreadCpuClock(pid_t(thread)), &time) != 0) {
            continue; // not a thread, not one of the group, or ended since
        }
        total += std::chrono::seconds(time.tv_sec) + std::chrono::nanoseconds(time.tv_nsec);
    }
    closedir(tasks);
    known_.swap(seen_);
    return total;
}

} // namespace d3d12_standin
