#include "dxgi_bridge.h"

#include "d3d12_command_queue.h"
#include "d3d12_device.h"
#include "d3d12_resource.h"
#include "debug_layer.h"

#include <mutex>

namespace d3d12_standin {

bool GetQueueAccess(ID3D12CommandQueue* queue, QueueAccess* out) {
    D3D12CommandQueue* standin = D3D12CommandQueue::FromInterface(queue);
    if (standin == nullptr || out == nullptr) {
        return false;
    }
    const auto& context = standin->Device()->Context();
    *out = {context->instance, context->physicalDevice, context->device, context->queue,
            context->queueFamilyIndex};
    return true;
}

bool DeviceRemoved(ID3D12CommandQueue* queue) {
    D3D12CommandQueue* standin = D3D12CommandQueue::FromInterface(queue);
    return standin != nullptr && standin->Device()->Removed();
}

bool PresentationSupported(ID3D12CommandQueue* queue) {
    D3D12CommandQueue* standin = D3D12CommandQueue::FromInterface(queue);
    return standin != nullptr && standin->Device()->Context()->features.presentation;
}

HRESULT CreateSwapChainBuffer(ID3D12CommandQueue* queue, UINT width, UINT height,
                              DXGI_FORMAT format, ID3D12Resource** buffer) {
    if (buffer == nullptr) {
        return E_POINTER;
    }
    *buffer = nullptr;
    D3D12CommandQueue* standin = D3D12CommandQueue::FromInterface(queue);
    if (standin == nullptr) {
        return E_INVALIDARG;
    }
    D3D12_HEAP_PROPERTIES heap{};
    heap.Type = D3D12_HEAP_TYPE_DEFAULT;
    // One 2-D render target in the present state, as every swap-chain buffer is.
    const D3D12_RESOURCE_DESC desc{.Dimension = D3D12_RESOURCE_DIMENSION_TEXTURE2D,
                                   .Alignment = 0,
                                   .Width = width,
                                   .Height = height,
                                   .DepthOrArraySize = 1,
                                   .MipLevels = 1,
                                   .Format = format,
                                   .SampleDesc = {.Count = 1, .Quality = 0},
                                   .Layout = D3D12_TEXTURE_LAYOUT_UNKNOWN,
                                   .Flags = D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET};
    D3D12Resource* made = nullptr;
    HRESULT result = D3D12Resource::Create(standin->Device(), heap, desc,
                                           D3D12_RESOURCE_STATE_PRESENT, nullptr, &made);
    if (FAILED(result)) {
        return result;
    }
    made->Track()->swapChainBuffer = true;
    *buffer = made;
    return S_OK;
}

VkImage GetImage(ID3D12Resource* resource) {
    D3D12Resource* standin = D3D12Resource::FromInterface(resource);
    return standin != nullptr && standin->Image() != nullptr ? standin->Image()->image
                                                             : VK_NULL_HANDLE;
}

VkImageLayout GetImageLayout(ID3D12Resource* resource) {
    D3D12Resource* standin = D3D12Resource::FromInterface(resource);
    if (standin == nullptr || standin->Image() == nullptr) {
        return VK_IMAGE_LAYOUT_UNDEFINED;
    }
    std::lock_guard lock(standin->Device()->Core().submissions.Mutex());
    return standin->Image()->Subresource(0, 0).layout;
}

void ValidatePresentState(ID3D12Resource* resource) {
    D3D12Resource* standin = D3D12Resource::FromInterface(resource);
    if (standin == nullptr || !DebugLayerEnabled()) {
        return;
    }
    std::lock_guard lock(standin->Device()->Core().submissions.Mutex());
    ValidatePresent(*standin->Track());
}

HRESULT SubmitOnQueue(ID3D12CommandQueue* queue, VkCommandBuffer commands, VkSemaphore waitBinary,
                      VkPipelineStageFlags2 waitStage, VkSemaphore signalBinary, VkFence fence) {
    D3D12CommandQueue* standin = D3D12CommandQueue::FromInterface(queue);
    if (standin == nullptr) {
        return E_INVALIDARG;
    }
    SubmitBatch batch;
    batch.commands = commands;
    batch.fence = fence;
    if (waitBinary != VK_NULL_HANDLE) {
        batch.waits.push_back(SemaphorePoint(waitBinary, 0, waitStage));
    }
    if (signalBinary != VK_NULL_HANDLE) {
        batch.signals.push_back(SemaphorePoint(signalBinary, 0));
    }
    DeviceCore& core = standin->Device()->Core();
    std::lock_guard lock(core.submissions.Mutex());
    return core.submissions.Submit(std::move(batch)) != 0 ? S_OK : E_FAIL;
}

} // namespace d3d12_standin
