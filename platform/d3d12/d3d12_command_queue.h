// ID3D12CommandQueue: translates executed command lists into Vulkan command
// buffers and submits them, in order, to the device's one Vulkan queue.
#pragma once

#include "d3d12_device_child.h"

#include <atomic>
#include <memory>
#include <vector>

namespace d3d12_standin {

class D3D12Fence;
class D3D12GraphicsCommandList;
struct ResourceTrack;
struct SubmitBatch;
struct TranslatedList;

class CommandTranslator;
class ExecutedList;

class D3D12CommandQueue final : public LiveDeviceChild<D3D12CommandQueue, ID3D12CommandQueue> {
public:
    D3D12CommandQueue(D3D12Device* device, const D3D12_COMMAND_QUEUE_DESC& desc);
    ~D3D12CommandQueue() override;

    uint64_t ExecutedLists() const { return executedLists_; }

    void STDMETHODCALLTYPE ExecuteCommandLists(UINT count,
                                               ID3D12CommandList* const* lists) override;
    HRESULT STDMETHODCALLTYPE Signal(ID3D12Fence* fence, UINT64 value) override;
    HRESULT STDMETHODCALLTYPE Wait(ID3D12Fence* fence, UINT64 value) override;
    D3D12_COMMAND_QUEUE_DESC STDMETHODCALLTYPE GetDesc() override { return desc_; }

    void STDMETHODCALLTYPE UpdateTileMappings(ID3D12Resource*, UINT,
                                              const D3D12_TILED_RESOURCE_COORDINATE*,
                                              const D3D12_TILE_REGION_SIZE*, ID3D12Heap*, UINT,
                                              const D3D12_TILE_RANGE_FLAGS*, const UINT*,
                                              const UINT*, D3D12_TILE_MAPPING_FLAGS) override;
    void STDMETHODCALLTYPE CopyTileMappings(ID3D12Resource*, const D3D12_TILED_RESOURCE_COORDINATE*,
                                            ID3D12Resource*, const D3D12_TILED_RESOURCE_COORDINATE*,
                                            const D3D12_TILE_REGION_SIZE*,
                                            D3D12_TILE_MAPPING_FLAGS) override;
    void STDMETHODCALLTYPE SetMarker(UINT, const void*, UINT) override {}
    void STDMETHODCALLTYPE BeginEvent(UINT, const void*, UINT) override {}
    void STDMETHODCALLTYPE EndEvent() override {}
    HRESULT STDMETHODCALLTYPE GetTimestampFrequency(UINT64* frequency) override;
    HRESULT STDMETHODCALLTYPE GetClockCalibration(UINT64*, UINT64*) override;

protected:
    bool Implements(REFIID riid) const override;

private:
    enum class FencePoint { Wait, Signal };
    // Submits a batch that waits for or signals `value` on the fence (queue lock held).
    HRESULT SubmitFencePoint(D3D12Fence& fence, uint64_t value, FencePoint point);
    // One list's work into `batch` (queue lock held): a kept translation of
    // it run again where one fits, else the list translated, and kept where
    // it may run again. False when there is nothing to submit.
    bool PrepareList(D3D12GraphicsCommandList& list, ID3D12CommandList* given, SubmitBatch* batch,
                     std::shared_ptr<TranslatedList>* kept);
    std::shared_ptr<TranslatedList> FindKept(D3D12GraphicsCommandList& list,
                                             std::vector<std::shared_ptr<const void>>* keepAlive);
    void RunKept(D3D12GraphicsCommandList& list, ID3D12CommandList* given,
                 const std::shared_ptr<TranslatedList>& kept, SubmitBatch* batch);
    bool Translate(D3D12GraphicsCommandList& list, ID3D12CommandList* given, SubmitBatch* batch,
                   std::shared_ptr<TranslatedList>* kept);

    D3D12_COMMAND_QUEUE_DESC desc_;
    std::atomic<uint64_t> executedLists_{0};
    // Used under the submission lock; their storage serves every list.
    std::unique_ptr<CommandTranslator> translator_;
    std::unique_ptr<ExecutedList> executed_;
    std::vector<std::shared_ptr<ResourceTrack>> usedResources_;
    uint64_t draws_ = 0; // by the list prepared last
};

} // namespace d3d12_standin
