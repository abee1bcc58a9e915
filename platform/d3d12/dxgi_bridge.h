// What the DXGI stand-in needs from the Direct3D 12 stand-in to present: the
// Vulkan objects behind a queue, swap-chain buffers, and a way to submit
// Vulkan work in order with the queue's own work.
#pragma once

#include <windows.h>

#include <d3d12.h>
#include <vulkan/vulkan.h>

namespace d3d12_standin {

struct QueueAccess {
    VkInstance instance;
    VkPhysicalDevice physicalDevice;
    VkDevice device;
    VkQueue queue;
    uint32_t queueFamilyIndex;
};

// False if `queue` is not a stand-in queue.
bool GetQueueAccess(ID3D12CommandQueue* queue, QueueAccess* out);

// The queue's device was removed (its GPU hung): nothing may wait for the
// queue, and what presenting made is left alone.
bool DeviceRemoved(ID3D12CommandQueue* queue);

// VK_KHR_surface + VK_KHR_xcb_surface + VK_KHR_swapchain are enabled.
bool PresentationSupported(ID3D12CommandQueue* queue);

// A swap-chain buffer: default-heap 2-D texture, 1 mip, ALLOW_RENDER_TARGET,
// state PRESENT, usable as a transfer source.
HRESULT CreateSwapChainBuffer(ID3D12CommandQueue* queue, UINT width, UINT height,
                              DXGI_FORMAT format, ID3D12Resource** buffer);

// VK_NULL_HANDLE if `resource` is not a stand-in texture.
VkImage GetImage(ID3D12Resource* resource);

// The image's layout after all work executed so far. Work given to
// SubmitOnQueue must leave the image in this layout again.
VkImageLayout GetImageLayout(ID3D12Resource* resource);

// The validation layer's check that a back buffer about to be presented is in
// D3D12_RESOURCE_STATE_PRESENT.
void ValidatePresentState(ID3D12Resource* resource);

// Submits Vulkan work ordered after everything already executed on the D3D12
// queue (and before anything later). Semaphores/fence may be VK_NULL_HANDLE;
// `commands` may be VK_NULL_HANDLE to only wait and signal. The caller keeps
// `commands` alive until the work has finished (use `fence`).
HRESULT SubmitOnQueue(ID3D12CommandQueue* queue, VkCommandBuffer commands, VkSemaphore waitBinary,
                      VkPipelineStageFlags2 waitStage, VkSemaphore signalBinary, VkFence fence);

} // namespace d3d12_standin
