#include "device_removal.h"

#include "debug_layer.h"

#include <debug_messages.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>

#include <stdlib.h> // on_exit

namespace d3d12_standin {
namespace {

// Runs first among the exit handlers (it is registered last): the ones
// registered before it include the driver's, which join threads that still
// run the hung work and so would never return. What the program printed is
// flushed; the status it gave stays its status.
void EndWithoutWaitingForDriver(int status, void*) {
    std::fflush(nullptr);
    std::_Exit(status);
}

} // namespace

void RemoveHungDevice(vk_core::VulkanContext& context) {
    if (context.lost.exchange(true)) {
        return;
    }
    static std::once_flag exitHandler;
    std::call_once(exitHandler, [] { on_exit(EndWithoutWaitingForDriver, nullptr); });
    // The runtime's own line, then the debug layer's (both quoted in
    // microsoft/DirectX-Graphics-Samples#475).
    std::fprintf(stderr, "D3D12: Removing Device.\n");
    if (DebugLayerEnabled()) {
        standin::ReportWindows(standin::messages::DEVICE_REMOVAL_PROCESS_AT_FAULT, &context,
                               "ID3D12Device::RemoveDevice");
    }
}

HRESULT RemovedReason(const vk_core::VulkanContext& context) {
    return context.lost ? DXGI_ERROR_DEVICE_HUNG : S_OK;
}

} // namespace d3d12_standin
