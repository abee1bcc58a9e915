#include "fence_waiter.h"

#include <event_source.h>
#include <vulkan_check.h>

#include <algorithm>
#include <atomic>

namespace d3d12_standin {

class FenceEventSource final : public win32_standin::EventSource {
public:
    FenceEventSource(std::shared_ptr<TimelineSemaphore> timeline, uint64_t value)
        : timeline_(std::move(timeline)), value_(value) {}

    bool Reached() override {
        return !dropped_ && (timeline_->context->lost || timeline_->DriverReached(value_));
    }
    bool Dropped() override { return dropped_; }
    bool WaitUntilReached(uint64_t nanoseconds) override {
        if (dropped_) {
            return false;
        }
        if (timeline_->context->lost) {
            return true; // every fence of a removed device reads UINT64_MAX
        }
        VkSemaphoreWaitInfo wait{};
        wait.sType = VK_STRUCTURE_TYPE_SEMAPHORE_WAIT_INFO;
        wait.semaphoreCount = 1;
        wait.pSemaphores = &timeline_->semaphore;
        wait.pValues = &value_;
        VkResult result = vkWaitSemaphores(timeline_->context->device, &wait, nanoseconds);
        if (result == VK_TIMEOUT) {
            return false;
        }
        if (result == VK_SUCCESS) {
            timeline_->NoteReached(value_);
        }
        return VK_CHECK(result);
    }

    const TimelineSemaphore* Timeline() const { return timeline_.get(); }
    void Drop() { dropped_ = true; }

private:
    std::shared_ptr<TimelineSemaphore> timeline_;
    uint64_t value_;
    std::atomic<bool> dropped_{false};
};

FenceWaiter::~FenceWaiter() {
    for (const std::weak_ptr<FenceEventSource>& armed : armed_) {
        if (std::shared_ptr<FenceEventSource> source = armed.lock()) {
            source->Drop();
        }
    }
}

bool FenceWaiter::Arm(std::shared_ptr<TimelineSemaphore> timeline, uint64_t value, HANDLE event) {
    auto source = std::make_shared<FenceEventSource>(std::move(timeline), value);
    if (!win32_standin::AttachEventSource(event, source)) {
        return false;
    }
    std::lock_guard lock(mutex_);
    // Sources whose events fired or closed are gone already.
    armed_.erase(std::remove_if(armed_.begin(), armed_.end(),
                                [](const auto& armed) { return armed.expired(); }),
                 armed_.end());
    armed_.push_back(source);
    return true;
}

bool FenceWaiter::HasPending(const TimelineSemaphore* timeline) {
    std::lock_guard lock(mutex_);
    for (const std::weak_ptr<FenceEventSource>& armed : armed_) {
        std::shared_ptr<FenceEventSource> source = armed.lock();
        if (source != nullptr && source->Timeline() == timeline && !source->Dropped() &&
            !source->Reached()) {
            return true;
        }
    }
    return false;
}

void FenceWaiter::Forget(const TimelineSemaphore* timeline) {
    std::lock_guard lock(mutex_);
    for (const std::weak_ptr<FenceEventSource>& armed : armed_) {
        std::shared_ptr<FenceEventSource> source = armed.lock();
        if (source != nullptr && source->Timeline() == timeline) {
            source->Drop();
        }
    }
}

} // namespace d3d12_standin
