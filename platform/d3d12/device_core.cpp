#include "device_core.h"

#include "descriptor_set_cache.h"

namespace d3d12_standin {
namespace {

constexpr uint64_t kAddressAlignment = 65536;

uint64_t AlignUp(uint64_t value, uint64_t alignment) {
    return (value + alignment - 1) / alignment * alignment;
}

} // namespace

DeviceCore::DeviceCore(std::shared_ptr<vk_core::VulkanContext> owner)
    : context(std::move(owner)), submissions(context),
      descriptorSets(std::make_unique<DescriptorSetCache>(context)) {}

DeviceCore::~DeviceCore() {
    std::lock_guard lock(submissions.Mutex());
    if (submissions.LastSubmitted() > 0) {
        submissions.WaitFor(submissions.LastSubmitted());
    }
    descriptorSets.reset();
}

D3D12_GPU_VIRTUAL_ADDRESS DeviceCore::RegisterBuffer(const std::shared_ptr<GpuBuffer>& buffer) {
    std::lock_guard lock(mutex_);
    D3D12_GPU_VIRTUAL_ADDRESS address = nextAddress_;
    // A guard gap keeps an address just past one buffer from resolving into the next.
    nextAddress_ = AlignUp(address + buffer->size, kAddressAlignment) + kAddressAlignment;
    buffers_[address] = buffer;
    return address;
}

void DeviceCore::UnregisterBuffer(D3D12_GPU_VIRTUAL_ADDRESS address) {
    std::lock_guard lock(mutex_);
    buffers_.erase(address);
}

std::shared_ptr<GpuBuffer> DeviceCore::ResolveAddress(D3D12_GPU_VIRTUAL_ADDRESS address,
                                                      uint64_t* offset) {
    std::lock_guard lock(mutex_);
    auto found = buffers_.upper_bound(address);
    if (found == buffers_.begin()) {
        return nullptr;
    }
    --found;
    std::shared_ptr<GpuBuffer> buffer = found->second.lock();
    if (buffer == nullptr || address - found->first >= buffer->size) {
        return nullptr;
    }
    *offset = address - found->first;
    return buffer;
}

void DeviceCore::RegisterHeap(const std::shared_ptr<DescriptorStorage>& storage,
                              bool shaderVisible) {
    std::lock_guard lock(mutex_);
    cpuHeaps_[reinterpret_cast<uintptr_t>(storage->records.data())] = storage;
    if (shaderVisible) {
        storage->gpuBase = nextDescriptorAddress_;
        nextDescriptorAddress_ =
            AlignUp(nextDescriptorAddress_ + storage->records.size() * kDescriptorIncrement,
                    kAddressAlignment) +
            kAddressAlignment;
        gpuHeaps_[storage->gpuBase] = storage;
    }
}

void DeviceCore::UnregisterHeap(const DescriptorStorage* storage) {
    std::lock_guard lock(mutex_);
    cpuHeaps_.erase(reinterpret_cast<uintptr_t>(storage->records.data()));
    if (storage->gpuBase != 0) {
        gpuHeaps_.erase(storage->gpuBase);
    }
}

DescriptorRecord* DeviceCore::ResolveCpuHandle(SIZE_T handle, D3D12_DESCRIPTOR_HEAP_TYPE type) {
    std::lock_guard lock(mutex_);
    auto found = cpuHeaps_.upper_bound(uintptr_t(handle));
    if (found == cpuHeaps_.begin()) {
        return nullptr;
    }
    --found;
    std::shared_ptr<DescriptorStorage> storage = found->second.lock();
    if (storage == nullptr || storage->type != type) {
        return nullptr;
    }
    uintptr_t offset = uintptr_t(handle) - found->first;
    if (offset % kDescriptorIncrement != 0 ||
        offset / kDescriptorIncrement >= storage->records.size()) {
        return nullptr;
    }
    return &storage->records[offset / kDescriptorIncrement];
}

std::shared_ptr<DescriptorStorage> DeviceCore::ResolveGpuHandle(UINT64 handle, uint32_t* index) {
    std::lock_guard lock(mutex_);
    auto found = gpuHeaps_.upper_bound(handle);
    if (found == gpuHeaps_.begin()) {
        return nullptr;
    }
    --found;
    std::shared_ptr<DescriptorStorage> storage = found->second.lock();
    if (storage == nullptr) {
        return nullptr;
    }
    UINT64 offset = handle - found->first;
    if (offset % kDescriptorIncrement != 0 ||
        offset / kDescriptorIncrement >= storage->records.size()) {
        return nullptr;
    }
    *index = uint32_t(offset / kDescriptorIncrement);
    return storage;
}

} // namespace d3d12_standin
