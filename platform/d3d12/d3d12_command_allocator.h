// ID3D12CommandAllocator: remembers the last submission of its lists so that
// Reset can refuse while the GPU may still be executing them.
#pragma once

#include "d3d12_device_child.h"

#include <atomic>

namespace d3d12_standin {

class D3D12CommandAllocator final
    : public LiveDeviceChild<D3D12CommandAllocator, ID3D12CommandAllocator> {
public:
    D3D12CommandAllocator(D3D12Device* device, D3D12_COMMAND_LIST_TYPE type)
        : LiveDeviceChild(device), type_(type) {}
    ~D3D12CommandAllocator() override;

    D3D12_COMMAND_LIST_TYPE Type() const { return type_; }
    void NoteSubmission(uint64_t serial) { lastSerial_ = serial; }
    // Lists currently recording into this allocator.
    std::atomic<int> recordingLists{0};

    // True, with the debug layer's message naming `method`, while another
    // list records into this allocator.
    bool InUseByAnotherList(const char* method);

    HRESULT STDMETHODCALLTYPE Reset() override;

protected:
    bool Implements(REFIID riid) const override;

private:
    D3D12_COMMAND_LIST_TYPE type_;
    std::atomic<uint64_t> lastSerial_{0};
};

} // namespace d3d12_standin
