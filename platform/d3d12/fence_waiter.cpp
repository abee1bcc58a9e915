#include "fence_waiter.h"

#include <vulkan_check.h>

#include <algorithm>

namespace d3d12_standin {
namespace {

constexpr uint64_t kArmedPollNanoseconds = 1000000;

} // namespace

FenceWaiter::FenceWaiter(std::shared_ptr<vk_core::VulkanContext> context)
    : context_(std::move(context)), wake_(context_, 0) {
    thread_ = std::thread([this] { Run(); });
}

FenceWaiter::~FenceWaiter() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        WakeLocked();
    }
    thread_.join();
}

void FenceWaiter::Arm(std::shared_ptr<TimelineSemaphore> timeline, uint64_t value, HANDLE event) {
    std::lock_guard lock(mutex_);
    waits_.push_back({std::move(timeline), value, event});
    WakeLocked();
}

void FenceWaiter::Forget(const TimelineSemaphore* timeline) {
    std::lock_guard lock(mutex_);
    auto removed = std::remove_if(waits_.begin(), waits_.end(), [timeline](const Wait& wait) {
        return wait.timeline.get() == timeline;
    });
    if (removed != waits_.end()) {
        waits_.erase(removed, waits_.end());
        WakeLocked();
    }
}

void FenceWaiter::WakeLocked() {
    VkSemaphoreSignalInfo signal{};
    signal.sType = VK_STRUCTURE_TYPE_SEMAPHORE_SIGNAL_INFO;
    signal.semaphore = wake_.semaphore;
    signal.value = ++wakeCount_;
    VK_CHECK(vkSignalSemaphore(context_->device, &signal));
}

void FenceWaiter::Run() {
    for (;;) {
        std::vector<Wait> snapshot;
        uint64_t wakeTarget = 0;
        {
            std::lock_guard lock(mutex_);
            // Fire what has been reached; keep the rest.
            auto reached = std::stable_partition(waits_.begin(), waits_.end(), [](const Wait& w) {
                return w.timeline->Value() < w.value;
            });
            for (auto it = reached; it != waits_.end(); ++it) {
                SetEvent(it->event);
            }
            waits_.erase(reached, waits_.end());
            if (stopping_) {
                return;
            }
            snapshot = waits_;
            wakeTarget = wakeCount_ + 1;
        }
        // One semaphore per wait: lavapipe answers a wait for any of several
        // semaphores by polling, which takes a core from the GPU's own threads.
        // With nothing armed, sleep until Arm signals the wake semaphore; with
        // fences armed, sleep on the first one and look again every
        // millisecond for the others and for new arms.
        VkSemaphore semaphore = wake_.semaphore;
        uint64_t value = wakeTarget;
        uint64_t timeout = UINT64_MAX;
        if (!snapshot.empty()) {
            semaphore = snapshot.front().timeline->semaphore;
            value = snapshot.front().value;
            timeout = kArmedPollNanoseconds;
        }
        VkSemaphoreWaitInfo info{};
        info.sType = VK_STRUCTURE_TYPE_SEMAPHORE_WAIT_INFO;
        info.semaphoreCount = 1;
        info.pSemaphores = &semaphore;
        info.pValues = &value;
        VkResult result = vkWaitSemaphores(context_->device, &info, timeout);
        if (result != VK_TIMEOUT) {
            VK_CHECK(result);
        }
    }
}

} // namespace d3d12_standin
