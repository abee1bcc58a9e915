// Sets Win32 events when fences reach the values they were armed for. One
// thread per device sleeps in vkWaitSemaphores on one semaphore at a time: a
// private "wake" semaphore while nothing is armed, else the first armed fence,
// looking again every millisecond for the others and for new arms.
#pragma once

#include "gpu_objects.h"

#include <windows.h>

#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace d3d12_standin {

class FenceWaiter {
public:
    explicit FenceWaiter(std::shared_ptr<vk_core::VulkanContext> context);
    ~FenceWaiter();
    FenceWaiter(const FenceWaiter&) = delete;
    FenceWaiter& operator=(const FenceWaiter&) = delete;

    // Sets `event` once `timeline` reaches `value`.
    void Arm(std::shared_ptr<TimelineSemaphore> timeline, uint64_t value, HANDLE event);
    // Drops every wait on `timeline` (its fence is going away).
    void Forget(const TimelineSemaphore* timeline);

private:
    struct Wait {
        std::shared_ptr<TimelineSemaphore> timeline;
        uint64_t value;
        HANDLE event;
    };

    void Run();
    void WakeLocked();

    std::shared_ptr<vk_core::VulkanContext> context_;
    TimelineSemaphore wake_;
    std::mutex mutex_;
    uint64_t wakeCount_ = 0;
    bool stopping_ = false;
    std::vector<Wait> waits_;
    std::thread thread_;
};

} // namespace d3d12_standin
