#include "d3d12_command_allocator.h"

#include "d3d12_device.h"

#include <cstdio>

namespace d3d12_standin {

D3D12CommandAllocator* D3D12CommandAllocator::FromInterface(ID3D12CommandAllocator* allocator) {
    return static_cast<D3D12CommandAllocator*>(allocator);
}

bool D3D12CommandAllocator::Implements(REFIID riid) const {
    return riid == IID_ID3D12Object || riid == IID_ID3D12DeviceChild ||
           riid == IID_ID3D12Pageable || riid == IID_ID3D12CommandAllocator;
}

HRESULT STDMETHODCALLTYPE D3D12CommandAllocator::Reset() {
    if (recordingLists > 0) {
        std::fprintf(stderr, "ID3D12CommandAllocator::Reset: a command list is still recording "
                             "into this allocator\n");
        return E_FAIL;
    }
    if (Device()->Core().submissions.Completed() < lastSerial_) {
        std::fprintf(stderr, "ID3D12CommandAllocator::Reset: command lists recorded with this "
                             "allocator are still executing on the GPU\n");
        return E_FAIL;
    }
    return S_OK;
}

} // namespace d3d12_standin
