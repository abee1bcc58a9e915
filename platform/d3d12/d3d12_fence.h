// ID3D12Fence as a Vulkan timeline semaphore.
#pragma once

#include "d3d12_device_child.h"
#include "gpu_objects.h"

#include <memory>
#include <atomic>
#include <mutex>

namespace d3d12_standin {

class D3D12Fence final : public LiveDeviceChild<D3D12Fence, ID3D12Fence> {
public:
    D3D12Fence(D3D12Device* device, UINT64 initialValue);
    ~D3D12Fence() override;

    // The timeline behind the fence now; the CPU moving the fence back
    // replaces it.
    std::shared_ptr<TimelineSemaphore> Timeline();
    // A queue signal must exceed every value signalled or queued before it,
    // since the timeline only moves up. Returns false (and says why once)
    // when `value` would not.
    bool ClaimQueueSignal(UINT64 value);
    // Notes a queue's wait for `value`: the fence cannot move back under it.
    void NoteQueueWait(UINT64 value);

    UINT64 STDMETHODCALLTYPE GetCompletedValue() override;
    HRESULT STDMETHODCALLTYPE SetEventOnCompletion(UINT64 value, HANDLE event) override;
    HRESULT STDMETHODCALLTYPE Signal(UINT64 value) override;

protected:
    bool Implements(REFIID riid) const override;

private:
    std::shared_ptr<TimelineSemaphore> timeline_; // guarded by mutex_
    std::mutex mutex_;
    UINT64 highestSignal_;
    UINT64 highestWait_ = 0;
    std::atomic<int> blockingWaits_{0};
    bool backwardsReported_ = false;

    void ReportBackwards(const char* caller, UINT64 value, UINT64 current);
    // Nothing waits for or will signal the timeline beyond `completed`.
    bool Quiescent(UINT64 completed);
};

} // namespace d3d12_standin
