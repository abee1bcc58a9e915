#include "d3d12_command_allocator.h"

#include "d3d12_device.h"
#include "debug_text.h"

#include <debug_messages.h>

namespace d3d12_standin {

bool D3D12CommandAllocator::Implements(REFIID riid) const {
    return riid == IID_ID3D12Object || riid == IID_ID3D12DeviceChild ||
           riid == IID_ID3D12Pageable || riid == IID_ID3D12CommandAllocator;
}

D3D12CommandAllocator::~D3D12CommandAllocator() {
    standin::ForgetObject(static_cast<ID3D12CommandAllocator*>(this));
}

bool D3D12CommandAllocator::InUseByAnotherList(const char* method) {
    if (recordingLists == 0) {
        return false;
    }
    auto* self = static_cast<ID3D12CommandAllocator*>(this);
    standin::ReportWindows(standin::messages::COMMAND_ALLOCATOR_CONTENTION, self, method,
                           ObjectText(self, "", "ID3D12CommandAllocator").c_str());
    return true;
}

HRESULT STDMETHODCALLTYPE D3D12CommandAllocator::Reset() {
    using namespace standin::messages;
    if (recordingLists > 0) {
        standin::ReportWindows(COMMAND_ALLOCATOR_CANNOT_RESET,
                               static_cast<ID3D12CommandAllocator*>(this),
                               "ID3D12CommandAllocator::Reset");
        return E_FAIL;
    }
    if (Device()->Core().submissions.Completed() < lastSerial_) {
        standin::ReportWindows(COMMAND_ALLOCATOR_SYNC, static_cast<ID3D12CommandAllocator*>(this),
                               "ID3D12CommandAllocator::Reset");
        return E_FAIL;
    }
    return S_OK;
}

} // namespace d3d12_standin
