// CreateQueryHeap: timestamp and occlusion heaps over Vulkan query pools.
#include "d3d12_query_heap.h"

#include "d3d12_device.h"

#include <debug_messages.h>
#include <vulkan_check.h>

#include <vector>

namespace d3d12_standin {
namespace {

constexpr const char* kMethod = "ID3D12Device::CreateQueryHeap";

bool QueueWritesTimestamps(const vk_core::VulkanContext& context) {
    uint32_t count = 0;
    vkGetPhysicalDeviceQueueFamilyProperties(context.physicalDevice, &count, nullptr);
    std::vector<VkQueueFamilyProperties> families(count);
    vkGetPhysicalDeviceQueueFamilyProperties(context.physicalDevice, &count, families.data());
    return context.queueFamilyIndex < count &&
           families[context.queueFamilyIndex].timestampValidBits > 0;
}

// Why a heap of `desc` cannot be made, or null when it can.
const standin::MessageKind* Refusal(const vk_core::VulkanContext& context,
                                    const D3D12_QUERY_HEAP_DESC& desc) {
    using namespace standin::messages;
    if (desc.Type == D3D12_QUERY_HEAP_TYPE_COPY_QUEUE_TIMESTAMP) {
        return &CREATEQUERY_HEAP_COPY_QUEUE_TIMESTAMPS_NOT_SUPPORTED;
    }
    if (desc.Type == D3D12_QUERY_HEAP_TYPE_VIDEO_DECODE_STATISTICS) {
        return &CREATEQUERY_HEAP_VIDEO_DECODE_STATISTICS_NOT_SUPPORTED;
    }
    if (desc.Count == 0 || !QueryHeapTypeSupported(context, desc.Type)) {
        return &CREATEQUERY_HEAP_INVALID_PARAMETERS;
    }
    return nullptr;
}

} // namespace

GpuQueryPool::~GpuQueryPool() {
    if (pool != VK_NULL_HANDLE && !context->lost) {
        vkDestroyQueryPool(context->device, pool, nullptr);
    }
}

bool D3D12QueryHeap::Implements(REFIID riid) const {
    return riid == IID_ID3D12Object || riid == IID_ID3D12DeviceChild ||
           riid == IID_ID3D12Pageable || riid == IID_ID3D12QueryHeap;
}

// Pipeline and stream-output statistics are not translated.
bool QueryHeapTypeSupported(const vk_core::VulkanContext& context, D3D12_QUERY_HEAP_TYPE type) {
    switch (type) {
    case D3D12_QUERY_HEAP_TYPE_OCCLUSION:
        return true;
    case D3D12_QUERY_HEAP_TYPE_TIMESTAMP:
        return QueueWritesTimestamps(context);
    default:
        return false;
    }
}

HRESULT STDMETHODCALLTYPE D3D12Device::CreateQueryHeap(const D3D12_QUERY_HEAP_DESC* desc,
                                                       REFIID riid, void** heap) {
    if (heap != nullptr) {
        *heap = nullptr;
    }
    if (Removed()) {
        return DXGI_ERROR_DEVICE_REMOVED;
    }
    if (desc == nullptr) {
        standin::ReportRefusal("ID3D12Device", "CreateQueryHeap", "no description");
        return E_INVALIDARG;
    }
    if (const standin::MessageKind* refusal = Refusal(*Context(), *desc)) {
        standin::ReportWindows(*refusal, nullptr, kMethod, unsigned(desc->Type), desc->Count);
        return E_INVALIDARG;
    }
    auto pool = std::make_shared<GpuQueryPool>(Context(), desc->Type, desc->Count);
    VkQueryPoolCreateInfo info{};
    info.sType = VK_STRUCTURE_TYPE_QUERY_POOL_CREATE_INFO;
    info.queryType = desc->Type == D3D12_QUERY_HEAP_TYPE_TIMESTAMP ? VK_QUERY_TYPE_TIMESTAMP
                                                                   : VK_QUERY_TYPE_OCCLUSION;
    info.queryCount = desc->Count;
    if (vkCreateQueryPool(Context()->device, &info, nullptr, &pool->pool) != VK_SUCCESS) {
        return E_OUTOFMEMORY;
    }
    return HandOut(new D3D12QueryHeap(this, std::move(pool)), riid, heap);
}

} // namespace d3d12_standin
