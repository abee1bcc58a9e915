#include "device_core.h"

#include "binary_occlusion.h"

#include "descriptor_set_cache.h"
#include "device_removal.h"

#include <array>
#include <atomic>

namespace d3d12_standin {
namespace {

constexpr uint64_t kAddressAlignment = 65536;

uint64_t AlignUp(uint64_t value, uint64_t alignment) {
    return (value + alignment - 1) / alignment * alignment;
}

// The live object whose range starts at or below `key` (the nearest start),
// and `key`'s offset from that start. Null when no range starts below `key`
// or its object is gone; the caller checks that the offset lies inside.
template <typename Key, typename Object>
std::shared_ptr<Object> RangeAtOrBelow(const std::map<Key, std::weak_ptr<Object>>& starts, Key key,
                                       uint64_t* offset) {
    auto found = starts.upper_bound(key);
    if (found == starts.begin()) {
        return nullptr;
    }
    --found;
    *offset = key - found->first;
    return found->second.lock();
}

// The index of the record `offset` bytes into a heap's records, or false
// when the offset is not a whole record inside them.
bool RecordIndex(const DescriptorStorage& storage, uint64_t offset, uint32_t* index) {
    if (offset % DeviceCore::kDescriptorIncrement != 0 ||
        offset / DeviceCore::kDescriptorIncrement >= storage.records.size()) {
        return false;
    }
    *index = uint32_t(offset / DeviceCore::kDescriptorIncrement);
    return true;
}

// Counts the descriptor heaps that have left any device: a heap a thread
// remembers is trusted only while no heap has left since.
std::atomic<uint64_t> g_heapsGone{0};

// The last two heaps of each type a thread resolved a CPU handle into: the
// calls of a list name the same render target and depth heaps over and over,
// and a descriptor copy goes from one heap of a type into another.
struct RememberedHeap {
    const DeviceCore* core = nullptr;
    uint64_t heapsGone = 0;
    uintptr_t start = 0;
    DescriptorStorage* storage = nullptr;
};
using RememberedHeaps = std::array<RememberedHeap, 2>;
thread_local std::array<RememberedHeaps, D3D12_DESCRIPTOR_HEAP_TYPE_NUM_TYPES> t_lastCpuHeaps;

// The record `handle` names in a remembered heap of `core`, or null.
DescriptorRecord* RememberedRecord(const RememberedHeaps& heaps, const DeviceCore* core,
                                   uintptr_t handle) {
    const uint64_t gone = g_heapsGone.load(std::memory_order_acquire);
    for (const RememberedHeap& heap : heaps) {
        uint32_t index = 0;
        if (heap.core == core && heap.heapsGone == gone && handle >= heap.start &&
            RecordIndex(*heap.storage, handle - heap.start, &index)) {
            return &heap.storage->records[index];
        }
    }
    return nullptr;
}

} // namespace

DeviceCore::DeviceCore(std::shared_ptr<vk_core::VulkanContext> owner)
    : context(std::move(owner)), submissions(context, [this] { RemoveHungDevice(*context); }),
      descriptorSets(std::make_unique<DescriptorSetCache>(context)) {}

DeviceCore::~DeviceCore() {
    std::lock_guard lock(submissions.Mutex());
    if (submissions.LastSubmitted() > 0) {
        submissions.WaitFor(submissions.LastSubmitted());
    }
    if (context->lost && submissions.DriverCompleted() < submissions.Sent()) {
        // The unfinished work may still read descriptor sets of the cache.
        static auto* abandoned = new std::vector<std::unique_ptr<DescriptorSetCache>>;
        abandoned->push_back(std::move(descriptorSets));
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
    uint64_t inside = 0;
    std::shared_ptr<GpuBuffer> buffer = RangeAtOrBelow(buffers_, address, &inside);
    if (buffer == nullptr || inside >= buffer->size) {
        return nullptr;
    }
    *offset = inside;
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
    g_heapsGone.fetch_add(1, std::memory_order_release);
}

DescriptorRecord* DeviceCore::ResolveCpuHandle(SIZE_T handle, D3D12_DESCRIPTOR_HEAP_TYPE type) {
    RememberedHeaps* last =
        uint32_t(type) < t_lastCpuHeaps.size() ? &t_lastCpuHeaps[type] : nullptr;
    if (last != nullptr) {
        if (DescriptorRecord* record = RememberedRecord(*last, this, uintptr_t(handle))) {
            return record;
        }
    }
    std::lock_guard lock(mutex_);
    uint64_t offset = 0;
    uint32_t index = 0;
    std::shared_ptr<DescriptorStorage> storage =
        RangeAtOrBelow(cpuHeaps_, uintptr_t(handle), &offset);
    if (storage == nullptr || storage->type != type || !RecordIndex(*storage, offset, &index)) {
        return nullptr;
    }
    if (last != nullptr) {
        (*last)[1] = (*last)[0];
        (*last)[0] = {this, g_heapsGone.load(std::memory_order_relaxed), uintptr_t(handle) - offset,
                      storage.get()};
    }
    return &storage->records[index];
}

std::shared_ptr<DescriptorStorage> DeviceCore::ResolveGpuHandle(UINT64 handle, uint32_t* index) {
    std::lock_guard lock(mutex_);
    uint64_t offset = 0;
    std::shared_ptr<DescriptorStorage> storage = RangeAtOrBelow(gpuHeaps_, handle, &offset);
    if (storage == nullptr || !RecordIndex(*storage, offset, index)) {
        return nullptr;
    }
    return storage;
}

} // namespace d3d12_standin
