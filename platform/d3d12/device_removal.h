// A removed device, as Windows removes one whose GPU hung: every fence reads
// UINT64_MAX, waits end, GetDeviceRemovedReason says DXGI_ERROR_DEVICE_HUNG and
// the calls that return an HRESULT fail with DXGI_ERROR_DEVICE_REMOVED
// (learn.microsoft.com: ID3D12Device::GetDeviceRemovedReason, ID3D12Device5::
// RemoveDevice).
#pragma once

#include <windows.h>

#include <vulkan_context.h>

namespace d3d12_standin {

// Marks the device lost and says so as the runtime and its debug layer do.
// The process then ends without waiting for the driver's threads, which may
// still run the work that never finished.
void RemoveHungDevice(vk_core::VulkanContext& context);

// S_OK, or why the device was removed.
HRESULT RemovedReason(const vk_core::VulkanContext& context);

} // namespace d3d12_standin
