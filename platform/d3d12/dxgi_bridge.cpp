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
    D3D12_RESOURCE_DESC desc{};
    desc.Dimension = D3D12_RESOURCE_DIMENSION_TEXTURE2D;
    desc.Width = width;
    desc.Height = height;
    desc.DepthOrArraySize = 1;
    desc.MipLevels = 1;
    desc.Format = format;
    desc.SampleDesc.Count = 1;
    desc.Layout = D3D12_TEXTURE_LAYOUT_UNKNOWN;
    desc.Flags = D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET;
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
    return standin->Image()->layout;
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
        VkSemaphoreSubmitInfo wait{};
        wait.sType = VK_STRUCTURE_TYPE_SEMAPHORE_SUBMIT_INFO;
        wait.semaphore = waitBinary;
        wait.stageMask = waitStage;
        batch.waits.push_back(wait);
    }
    if (signalBinary != VK_NULL_HANDLE) {
        VkSemaphoreSubmitInfo signal{};
        signal.sType = VK_STRUCTURE_TYPE_SEMAPHORE_SUBMIT_INFO;
        signal.semaphore = signalBinary;
        signal.stageMask = VK_PIPELINE_STAGE_2_ALL_COMMANDS_BIT;
        batch.signals.push_back(signal);
    }
    DeviceCore& core = standin->Device()->Core();
    std::lock_guard lock(core.submissions.Mutex());
    return core.submissions.Submit(std::move(batch)) != 0 ? S_OK : E_FAIL;
}

} // namespace d3d12_standin
