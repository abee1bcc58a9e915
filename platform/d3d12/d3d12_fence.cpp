#include "d3d12_fence.h"

#include "d3d12_device.h"
#include "testing_counters.h"

#include <vulkan_check.h>

#include <cstdio>

namespace d3d12_standin {
namespace {

// In slices, so that a device removed meanwhile ends the wait.
bool WaitUntilReachedOrRemoved(const TimelineSemaphore& timeline, uint64_t value) {
    constexpr uint64_t kSliceNs = 10'000'000;
    VkSemaphoreWaitInfo wait{};
    wait.sType = VK_STRUCTURE_TYPE_SEMAPHORE_WAIT_INFO;
    wait.semaphoreCount = 1;
    wait.pSemaphores = &timeline.semaphore;
    wait.pValues = &value;
    for (;;) {
        if (timeline.context->lost) {
            return true;
        }
        VkResult result = vkWaitSemaphores(timeline.context->device, &wait, kSliceNs);
        if (result != VK_TIMEOUT) {
            return VK_CHECK(result);
        }
    }
}

} // namespace

D3D12Fence::D3D12Fence(D3D12Device* device, UINT64 initialValue)
    : LiveDeviceChild(device),
      timeline_(std::make_shared<TimelineSemaphore>(device->Context(), initialValue)),
      highestSignal_(initialValue) {}

D3D12Fence::~D3D12Fence() {
    Device()->Core().waiter.Forget(timeline_.get());
}

std::shared_ptr<TimelineSemaphore> D3D12Fence::Timeline() {
    std::lock_guard lock(mutex_);
    return timeline_;
}

void D3D12Fence::NoteQueueWait(UINT64 value) {
    std::lock_guard lock(mutex_);
    highestWait_ = value > highestWait_ ? value : highestWait_;
}

bool D3D12Fence::Quiescent(UINT64 completed) {
    return highestSignal_ <= completed && highestWait_ <= completed && blockingWaits_ == 0 &&
           !Device()->Core().waiter.HasPending(timeline_.get());
}

bool D3D12Fence::Implements(REFIID riid) const {
    return riid == IID_ID3D12Object || riid == IID_ID3D12DeviceChild ||
           riid == IID_ID3D12Pageable || riid == IID_ID3D12Fence;
}

void D3D12Fence::ReportBackwards(const char* caller, UINT64 value, UINT64 current) {
    if (!backwardsReported_) {
        backwardsReported_ = true;
        std::fprintf(stderr,
                     "%s: fence value %llu does not exceed %llu, already signalled or queued; "
                     "fences here only move forward, the signal is ignored\n",
                     caller, (unsigned long long)value, (unsigned long long)current);
    }
}

bool D3D12Fence::ClaimQueueSignal(UINT64 value) {
    std::lock_guard lock(mutex_);
    // Every value the fence was given, by a queue or the CPU, is at most
    // highestSignal_, so the fence has not completed a higher one.
    if (value > highestSignal_ && !timeline_->context->lost) {
        highestSignal_ = value;
        return true;
    }
    UINT64 completed = timeline_->Value();
    UINT64 current = highestSignal_ > completed ? highestSignal_ : completed;
    if (value > current) {
        highestSignal_ = value;
        return true;
    }
    if (value < current) {
        ReportBackwards("ID3D12CommandQueue::Signal", value, current);
    }
    return false;
}

UINT64 STDMETHODCALLTYPE D3D12Fence::GetCompletedValue() {
    return Timeline()->Value();
}

HRESULT STDMETHODCALLTYPE D3D12Fence::SetEventOnCompletion(UINT64 value, HANDLE event) {
    std::shared_ptr<TimelineSemaphore> timeline = Timeline();
    if (timeline->context->lost || timeline->DriverReached(value)) {
        if (event != nullptr) {
            SetEvent(event);
        }
        return S_OK;
    }
    CountBlockingFenceWait();
    if (event == nullptr) {
        // No event: the call itself blocks until the value is reached.
        ++blockingWaits_;
        bool reached = WaitUntilReachedOrRemoved(*timeline, value);
        --blockingWaits_;
        return reached ? S_OK : E_FAIL;
    }
    // Whoever waits on the event waits on the timeline itself.
    Device()->Core().waiter.Arm(timeline, value, event);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE D3D12Fence::Signal(UINT64 value) {
    if (Device()->Removed()) {
        return DXGI_ERROR_DEVICE_REMOVED;
    }
    std::lock_guard lock(mutex_);
    UINT64 completed = timeline_->Value();
    if (value < completed && Quiescent(completed)) {
        // Windows lets the CPU move a fence back. A timeline only moves up, so
        // the fence takes a new one at the lower value while nothing queued
        // or armed depends on the old one.
        timeline_ = std::make_shared<TimelineSemaphore>(timeline_->context, value);
        highestSignal_ = value;
        highestWait_ = value;
        return S_OK;
    }
    bool queuedAbove = highestSignal_ > completed;
    // The CPU may move the fence up to just below a value a queue will signal.
    if (value <= completed || (queuedAbove && value >= highestSignal_)) {
        if (value < completed || queuedAbove) {
            ReportBackwards("ID3D12Fence::Signal", value, queuedAbove ? highestSignal_ : completed);
        }
        return S_OK;
    }
    if (!queuedAbove) {
        highestSignal_ = value;
    }
    VkSemaphoreSignalInfo signal{};
    signal.sType = VK_STRUCTURE_TYPE_SEMAPHORE_SIGNAL_INFO;
    signal.semaphore = timeline_->semaphore;
    signal.value = value;
    return VK_CHECK(vkSignalSemaphore(timeline_->context->device, &signal)) ? S_OK : E_FAIL;
}

} // namespace d3d12_standin
