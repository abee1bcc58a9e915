// The state a D3D12Device shares with everything it creates: the Vulkan
// context, the submission queue, the fence waiter and the address spaces
// through which GPU virtual addresses and descriptor handles resolve.
#pragma once

#include "descriptor_record.h"
#include "fence_waiter.h"
#include "submission_queue.h"

#include <map>
#include <memory>
#include <mutex>

namespace d3d12_standin {

class DescriptorSetCache;
class BinaryOcclusionPass;

class DeviceCore {
public:
    explicit DeviceCore(std::shared_ptr<vk_core::VulkanContext> context);
    ~DeviceCore();

    // Buffers: a fresh address range per buffer, never reused.
    D3D12_GPU_VIRTUAL_ADDRESS RegisterBuffer(const std::shared_ptr<GpuBuffer>& buffer);
    void UnregisterBuffer(D3D12_GPU_VIRTUAL_ADDRESS address);
    // The live buffer containing `address`, with the offset into it; null if none.
    std::shared_ptr<GpuBuffer> ResolveAddress(D3D12_GPU_VIRTUAL_ADDRESS address, uint64_t* offset);

    // Descriptor heaps: CPU handles are record addresses, GPU handles live in
    // a separate range handed out per shader-visible heap.
    void RegisterHeap(const std::shared_ptr<DescriptorStorage>& storage, bool shaderVisible);
    void UnregisterHeap(const DescriptorStorage* storage);
    // The record a CPU handle points at, or null for a handle into no live heap.
    DescriptorRecord* ResolveCpuHandle(SIZE_T handle, D3D12_DESCRIPTOR_HEAP_TYPE type);
    // The heap and index a GPU handle points at, or null.
    std::shared_ptr<DescriptorStorage> ResolveGpuHandle(UINT64 handle, uint32_t* index);

    static constexpr UINT kDescriptorIncrement = UINT(sizeof(DescriptorRecord));

    std::shared_ptr<vk_core::VulkanContext> context;
    SubmissionQueue submissions;
    FenceWaiter waiter;
    std::unique_ptr<DescriptorSetCache> descriptorSets; // used under submissions.Mutex()
    // Made by the first binary occlusion resolve, under submissions.Mutex().
    std::unique_ptr<BinaryOcclusionPass> binaryOcclusion;

private:
    std::mutex mutex_;
    D3D12_GPU_VIRTUAL_ADDRESS nextAddress_ = 0x100000000ull;
    std::map<D3D12_GPU_VIRTUAL_ADDRESS, std::weak_ptr<GpuBuffer>> buffers_;
    UINT64 nextDescriptorAddress_ = 0x10000ull;
    std::map<uintptr_t, std::weak_ptr<DescriptorStorage>> cpuHeaps_;
    std::map<UINT64, std::weak_ptr<DescriptorStorage>> gpuHeaps_;
};

} // namespace d3d12_standin
