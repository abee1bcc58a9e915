#include "fence_waiter.h"

#include <event_source.h>
#include <vulkan_check.h>

#include <algorithm>
#include <atomic>

namespace d3d12_standin {

void WakeSignal::Raise() {
    std::lock_guard lock(mutex_);
    VkSemaphoreSignalInfo signal{};
    signal.sType = VK_STRUCTURE_TYPE_SEMAPHORE_SIGNAL_INFO;
    signal.semaphore = timeline.semaphore;
    signal.value = ++raised_;
    VK_CHECK(vkSignalSemaphore(timeline.context->device, &signal));
}

class FenceEventSource final : public win32_standin::EventSource {
public:
    FenceEventSource(std::shared_ptr<TimelineSemaphore> timeline, uint64_t value,
                     std::shared_ptr<WakeSignal> wake)
        : timeline_(std::move(timeline)), value_(value), wake_(std::move(wake)) {}

    bool Reached() override {
        return !dropped_ && (timeline_->context->lost || timeline_->DriverReached(value_));
    }
    bool Dropped() override { return dropped_; }
    bool Interruptible() const override { return true; }
    void Interrupt() override {
        interrupted_ = true; // before the raise: a wait that missed it sees this
        wake_->Raise();
    }
    bool WaitUntilReached(uint64_t nanoseconds) override {
        const uint64_t wakeAt = wake_->Next();
        if (dropped_ || interrupted_.exchange(false)) {
            return false;
        }
        if (timeline_->context->lost) {
            return true; // every fence of a removed device reads UINT64_MAX
        }
        const VkSemaphore semaphores[] = {timeline_->semaphore, wake_->timeline.semaphore};
        const uint64_t values[] = {value_, wakeAt};
        VkSemaphoreWaitInfo wait{};
        wait.sType = VK_STRUCTURE_TYPE_SEMAPHORE_WAIT_INFO;
        wait.flags = VK_SEMAPHORE_WAIT_ANY_BIT;
        wait.semaphoreCount = 2;
        wait.pSemaphores = semaphores;
        wait.pValues = values;
        VkResult result = vkWaitSemaphores(timeline_->context->device, &wait, nanoseconds);
        if (result == VK_TIMEOUT || !VK_CHECK(result)) {
            return false;
        }
        return Reached();
    }

    const TimelineSemaphore* Timeline() const { return timeline_.get(); }
    // The condition can no longer come about; a wait on it ends.
    void Drop() {
        dropped_ = true;
        wake_->Raise();
    }

private:
    std::shared_ptr<TimelineSemaphore> timeline_;
    uint64_t value_;
    std::shared_ptr<WakeSignal> wake_;
    std::atomic<bool> dropped_{false};
    std::atomic<bool> interrupted_{false};
};

FenceWaiter::~FenceWaiter() {
    for (const std::weak_ptr<FenceEventSource>& armed : armed_) {
        if (std::shared_ptr<FenceEventSource> source = armed.lock()) {
            source->Drop();
        }
    }
}

bool FenceWaiter::Arm(std::shared_ptr<TimelineSemaphore> timeline, uint64_t value, HANDLE event) {
    std::unique_lock lock(mutex_);
    if (wake_ == nullptr) {
        wake_ = std::make_shared<WakeSignal>(timeline->context);
    }
    auto source = std::make_shared<FenceEventSource>(std::move(timeline), value, wake_);
    lock.unlock();
    if (!win32_standin::AttachEventSource(event, source)) {
        return false;
    }
    lock.lock();
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

void FenceWaiter::WakeAll() {
    std::lock_guard lock(mutex_);
    if (wake_ != nullptr) {
        wake_->Raise();
    }
}

} // namespace d3d12_standin
