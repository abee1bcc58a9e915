// ID3D12QueryHeap as a Vulkan query pool.
#pragma once

#include "d3d12_device_child.h"

#include <vulkan_context.h>

#include <memory>
#include <vector>

namespace d3d12_standin {

// The pool behind a query heap, shared with the submissions that use it.
struct GpuQueryPool {
    GpuQueryPool(std::shared_ptr<vk_core::VulkanContext> context, D3D12_QUERY_HEAP_TYPE type,
                 uint32_t count)
        : context(std::move(context)), type(type), count(count), hasResult(count, false),
          validatorEnded(count, false) {}
    ~GpuQueryPool();
    GpuQueryPool(const GpuQueryPool&) = delete;
    GpuQueryPool& operator=(const GpuQueryPool&) = delete;

    std::shared_ptr<vk_core::VulkanContext> context;
    VkQueryPool pool = VK_NULL_HANDLE;
    D3D12_QUERY_HEAP_TYPE type;
    uint32_t count;
    // Each query ended since it was last begun, in execution order: as the
    // translator follows it (a resolve waits only on these, so it can never
    // wait forever) and as the validation layer does.
    std::vector<bool> hasResult;
    std::vector<bool> validatorEnded;
};

class D3D12QueryHeap final : public LiveDeviceChild<D3D12QueryHeap, ID3D12QueryHeap> {
public:
    D3D12QueryHeap(D3D12Device* device, std::shared_ptr<GpuQueryPool> pool)
        : LiveDeviceChild(device), pool_(std::move(pool)) {}

    const std::shared_ptr<GpuQueryPool>& Pool() const { return pool_; }

protected:
    bool Implements(REFIID riid) const override;

private:
    std::shared_ptr<GpuQueryPool> pool_;
};

// The Vulkan query type of a heap type, false where the device has none.
bool QueryHeapTypeSupported(const vk_core::VulkanContext& context, D3D12_QUERY_HEAP_TYPE type);

} // namespace d3d12_standin
