// Sets Win32 events when fences reach the values they were armed for. Each
// armed event carries the fence's timeline and value as its source: whoever
// waits on the event waits on the timeline semaphore itself, on its own
// thread, and an event nobody waits on costs nothing until someone looks.
#pragma once

#include "gpu_objects.h"

#include <windows.h>

#include <memory>
#include <mutex>
#include <vector>

namespace d3d12_standin {

class FenceEventSource;

class FenceWaiter {
public:
    FenceWaiter() = default;
    ~FenceWaiter();
    FenceWaiter(const FenceWaiter&) = delete;
    FenceWaiter& operator=(const FenceWaiter&) = delete;

    // Sets `event` once `timeline` reaches `value`. False for a handle that is
    // not an event.
    bool Arm(std::shared_ptr<TimelineSemaphore> timeline, uint64_t value, HANDLE event);
    // Drops every wait on `timeline` (its fence is going away): those events
    // are never set by it.
    void Forget(const TimelineSemaphore* timeline);
    // Whether an event armed on `timeline` still waits for a value it has not reached.
    bool HasPending(const TimelineSemaphore* timeline);

private:
    std::mutex mutex_;
    std::vector<std::weak_ptr<FenceEventSource>> armed_;
};

} // namespace d3d12_standin
