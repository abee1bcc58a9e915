// Sets Win32 events when fences reach the values they were armed for. Each
// armed event carries the fence's timeline and value as its source: whoever
// waits on the event waits on the timeline semaphore itself, on its own
// thread, and an event nobody waits on costs nothing until someone looks.
#pragma once

#include "gpu_objects.h"

#include <windows.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

namespace d3d12_standin {

class FenceEventSource;

// A timeline the CPU moves up to wake every wait on the device's fence
// events: a fence wait blocks on its fence and on this at once, for as long
// as the caller waits, and still ends when the event or the device changes.
class WakeSignal {
public:
    explicit WakeSignal(std::shared_ptr<vk_core::VulkanContext> context)
        : timeline(std::move(context), 0) {}
    // The value a wait that begins now wakes at.
    uint64_t Next() const { return raised_.load() + 1; }
    void Raise();

    TimelineSemaphore timeline;

private:
    std::mutex mutex_; // values are signalled in order
    std::atomic<uint64_t> raised_{0};
};

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
    // Wakes every wait on an armed event (the device was removed).
    void WakeAll();

private:
    std::mutex mutex_;
    std::vector<std::weak_ptr<FenceEventSource>> armed_;
    std::shared_ptr<WakeSignal> wake_; // made with the first armed event
};

} // namespace d3d12_standin
