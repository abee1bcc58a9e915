// ID3D12GraphicsCommandList: records into a CPU-side command stream.
#pragma once

#include "command_stream.h"
#include "d3d12_device_child.h"
#include "draw_checks.h"

#include <map>
#include <set>
#include <utility>
#include <vector>

namespace d3d12_standin {

class D3D12CommandAllocator;
class D3D12Resource;
struct TranslatedList;

class D3D12GraphicsCommandList final
    : public LiveDeviceChild<D3D12GraphicsCommandList, ID3D12GraphicsCommandList> {
public:
    D3D12GraphicsCommandList(D3D12Device* device, D3D12_COMMAND_LIST_TYPE type,
                             D3D12CommandAllocator* allocator, ID3D12PipelineState* initialState);
    ~D3D12GraphicsCommandList() override;

    // Null for anything that is not a live stand-in command list.
    static D3D12GraphicsCommandList* FromInterface(ID3D12CommandList* list);
    bool IsRecording() const { return recording_; }
    // True when a recorded command was invalid: the list must not execute.
    bool Failed() const { return failed_; }
    // What the list recorded, for the validation layer and the translator.
    const std::vector<Command>& Commands() const { return commands_; }
    D3D12CommandAllocator* Allocator() const { return allocator_; }
    // Which recording the commands are: a new one after each Reset.
    uint64_t RecordingNumber() const { return recordingNumber_; }
    // Translations of the list's executions kept to run again, the latest
    // first; used under the device's submissions lock.
    std::vector<std::shared_ptr<TranslatedList>>& Translations() { return translations_; }

    D3D12_COMMAND_LIST_TYPE STDMETHODCALLTYPE GetType() override { return type_; }
    HRESULT STDMETHODCALLTYPE Close() override;
    HRESULT STDMETHODCALLTYPE Reset(ID3D12CommandAllocator* allocator,
                                    ID3D12PipelineState* initialState) override;
    void STDMETHODCALLTYPE ClearState(ID3D12PipelineState*) override;
    void STDMETHODCALLTYPE DrawInstanced(UINT vertexCount, UINT instanceCount, UINT startVertex,
                                         UINT startInstance) override;
    void STDMETHODCALLTYPE DrawIndexedInstanced(UINT indexCount, UINT instanceCount,
                                                UINT startIndex, INT baseVertex,
                                                UINT startInstance) override;
    void STDMETHODCALLTYPE Dispatch(UINT, UINT, UINT) override;
    void STDMETHODCALLTYPE CopyBufferRegion(ID3D12Resource* destination, UINT64 destinationOffset,
                                            ID3D12Resource* source, UINT64 sourceOffset,
                                            UINT64 size) override;
    void STDMETHODCALLTYPE CopyTextureRegion(const D3D12_TEXTURE_COPY_LOCATION* destination, UINT x,
                                             UINT y, UINT z,
                                             const D3D12_TEXTURE_COPY_LOCATION* source,
                                             const D3D12_BOX* sourceBox) override;
    void STDMETHODCALLTYPE CopyResource(ID3D12Resource*, ID3D12Resource*) override;
    void STDMETHODCALLTYPE CopyTiles(ID3D12Resource*, const D3D12_TILED_RESOURCE_COORDINATE*,
                                     const D3D12_TILE_REGION_SIZE*, ID3D12Resource*, UINT64,
                                     D3D12_TILE_COPY_FLAGS) override;
    void STDMETHODCALLTYPE ResolveSubresource(ID3D12Resource*, UINT, ID3D12Resource*, UINT,
                                              DXGI_FORMAT) override;
    void STDMETHODCALLTYPE IASetPrimitiveTopology(D3D12_PRIMITIVE_TOPOLOGY topology) override;
    void STDMETHODCALLTYPE RSSetViewports(UINT count, const D3D12_VIEWPORT* viewports) override;
    void STDMETHODCALLTYPE RSSetScissorRects(UINT count, const D3D12_RECT* rects) override;
    void STDMETHODCALLTYPE OMSetBlendFactor(const FLOAT[4]) override;
    void STDMETHODCALLTYPE OMSetStencilRef(UINT) override;
    void STDMETHODCALLTYPE SetPipelineState(ID3D12PipelineState* state) override;
    void STDMETHODCALLTYPE ResourceBarrier(UINT count,
                                           const D3D12_RESOURCE_BARRIER* barriers) override;
    void STDMETHODCALLTYPE ExecuteBundle(ID3D12GraphicsCommandList*) override;
    void STDMETHODCALLTYPE SetDescriptorHeaps(UINT count,
                                              ID3D12DescriptorHeap* const* heaps) override;
    void STDMETHODCALLTYPE SetComputeRootSignature(ID3D12RootSignature*) override;
    void STDMETHODCALLTYPE SetGraphicsRootSignature(ID3D12RootSignature* rootSignature) override;
    void STDMETHODCALLTYPE SetComputeRootDescriptorTable(UINT,
                                                         D3D12_GPU_DESCRIPTOR_HANDLE) override;
    void STDMETHODCALLTYPE
    SetGraphicsRootDescriptorTable(UINT parameter, D3D12_GPU_DESCRIPTOR_HANDLE base) override;
    void STDMETHODCALLTYPE SetComputeRoot32BitConstant(UINT, UINT, UINT) override;
    void STDMETHODCALLTYPE SetGraphicsRoot32BitConstant(UINT, UINT, UINT) override;
    void STDMETHODCALLTYPE SetComputeRoot32BitConstants(UINT, UINT, const void*, UINT) override;
    void STDMETHODCALLTYPE SetGraphicsRoot32BitConstants(UINT, UINT, const void*, UINT) override;
    void STDMETHODCALLTYPE SetComputeRootConstantBufferView(UINT,
                                                            D3D12_GPU_VIRTUAL_ADDRESS) override;
    void STDMETHODCALLTYPE SetGraphicsRootConstantBufferView(UINT,
                                                             D3D12_GPU_VIRTUAL_ADDRESS) override;
    void STDMETHODCALLTYPE SetComputeRootShaderResourceView(UINT,
                                                            D3D12_GPU_VIRTUAL_ADDRESS) override;
    void STDMETHODCALLTYPE SetGraphicsRootShaderResourceView(UINT,
                                                             D3D12_GPU_VIRTUAL_ADDRESS) override;
    void STDMETHODCALLTYPE SetComputeRootUnorderedAccessView(UINT,
                                                             D3D12_GPU_VIRTUAL_ADDRESS) override;
    void STDMETHODCALLTYPE SetGraphicsRootUnorderedAccessView(UINT,
                                                              D3D12_GPU_VIRTUAL_ADDRESS) override;
    void STDMETHODCALLTYPE IASetIndexBuffer(const D3D12_INDEX_BUFFER_VIEW* view) override;
    void STDMETHODCALLTYPE IASetVertexBuffers(UINT startSlot, UINT count,
                                              const D3D12_VERTEX_BUFFER_VIEW* views) override;
    void STDMETHODCALLTYPE SOSetTargets(UINT, UINT,
                                        const D3D12_STREAM_OUTPUT_BUFFER_VIEW*) override;
    void STDMETHODCALLTYPE
    OMSetRenderTargets(UINT count, const D3D12_CPU_DESCRIPTOR_HANDLE* renderTargets,
                       BOOL singleRange, const D3D12_CPU_DESCRIPTOR_HANDLE* depthStencil) override;
    void STDMETHODCALLTYPE ClearDepthStencilView(D3D12_CPU_DESCRIPTOR_HANDLE view,
                                                 D3D12_CLEAR_FLAGS flags, FLOAT depth,
                                                 UINT8 stencil, UINT rectCount,
                                                 const D3D12_RECT* rects) override;
    void STDMETHODCALLTYPE ClearRenderTargetView(D3D12_CPU_DESCRIPTOR_HANDLE view,
                                                 const FLOAT color[4], UINT rectCount,
                                                 const D3D12_RECT* rects) override;
    void STDMETHODCALLTYPE ClearUnorderedAccessViewUint(D3D12_GPU_DESCRIPTOR_HANDLE,
                                                        D3D12_CPU_DESCRIPTOR_HANDLE,
                                                        ID3D12Resource*, const UINT[4], UINT,
                                                        const D3D12_RECT*) override;
    void STDMETHODCALLTYPE ClearUnorderedAccessViewFloat(D3D12_GPU_DESCRIPTOR_HANDLE,
                                                         D3D12_CPU_DESCRIPTOR_HANDLE,
                                                         ID3D12Resource*, const FLOAT[4], UINT,
                                                         const D3D12_RECT*) override;
    void STDMETHODCALLTYPE DiscardResource(ID3D12Resource*, const D3D12_DISCARD_REGION*) override;
    void STDMETHODCALLTYPE BeginQuery(ID3D12QueryHeap*, D3D12_QUERY_TYPE, UINT) override;
    void STDMETHODCALLTYPE EndQuery(ID3D12QueryHeap*, D3D12_QUERY_TYPE, UINT) override;
    void STDMETHODCALLTYPE ResolveQueryData(ID3D12QueryHeap*, D3D12_QUERY_TYPE, UINT, UINT,
                                            ID3D12Resource*, UINT64) override;
    void STDMETHODCALLTYPE SetPredication(ID3D12Resource*, UINT64, D3D12_PREDICATION_OP) override;
    void STDMETHODCALLTYPE SetMarker(UINT, const void*, UINT) override {}
    void STDMETHODCALLTYPE BeginEvent(UINT, const void*, UINT) override {}
    void STDMETHODCALLTYPE EndEvent() override {}
    void STDMETHODCALLTYPE ExecuteIndirect(ID3D12CommandSignature*, UINT, ID3D12Resource*, UINT64,
                                           ID3D12Resource*, UINT64) override;

protected:
    bool Implements(REFIID riid) const override;

private:
    // False (and the list marked in error) when the list is not recording;
    // the debug layer names no method then: "ID3D12GraphicsCommandList::*".
    bool Recording();
    // Marks the list in error: Close will fail, as on Windows.
    void Fail(const char* method, const char* reason);
    // The same, where a message of the debug layer has said why.
    void MarkFailed() { failed_ = true; }
    // One SOSetTargets view; false (the list failed) where it is unusable.
    bool ReadStreamOutputView(const D3D12_STREAM_OUTPUT_BUFFER_VIEW& view,
                              StreamOutputTarget* target);
    const void* Self() const { return static_cast<const ID3D12GraphicsCommandList*>(this); }
    // The debug layer's checks of one transition as it is recorded; false
    // when the barrier is invalid and dropped.
    bool CheckTransition(const D3D12_RESOURCE_TRANSITION_BARRIER& transition, UINT flags,
                         const D3D12Resource& resource);
    bool CheckSplitBarrier(const D3D12_RESOURCE_TRANSITION_BARRIER& transition, UINT flags,
                           const D3D12Resource& resource);
    // Reports ranges of a buffer copy that leave their buffer; true when both fit.
    bool CheckBufferRange(D3D12Resource* to, UINT64 toOffset, D3D12Resource* from,
                          UINT64 fromOffset, UINT64 size);
    // Root arguments, checked against the set root signature and recorded.
    // `compute` picks the compute arguments, kept apart from the graphics ones.
    void SetRootConstants(const char* method, UINT parameter, UINT count, const void* values,
                          UINT offset, bool compute = false);
    void SetRootView(const char* method, UINT parameter, D3D12_ROOT_PARAMETER_TYPE type,
                     D3D12_GPU_VIRTUAL_ADDRESS address, bool compute = false);
    void SetRootSignature(const char* method, ID3D12RootSignature* rootSignature, bool compute);
    void SetRootTable(const char* method, UINT parameter, D3D12_GPU_DESCRIPTOR_HANDLE base,
                      bool compute);
    RecordedDrawState& ArgumentState(bool compute) { return compute ? computeState_ : drawState_; }
    bool ReadAttachment(D3D12_CPU_DESCRIPTOR_HANDLE handle, D3D12_DESCRIPTOR_HEAP_TYPE type,
                        AttachmentView* view, const char* method);
    // Records a command holding a copy of the caller's `count` items.
    template <typename Command, typename Item>
    void RecordArray(const char* method, UINT count, const Item* items, const char* missing) {
        if (!Recording()) {
            return;
        }
        if (count > 0 && items == nullptr) {
            Fail(method, missing);
            return;
        }
        commands_.push_back(Command{{items, count}});
    }
    // A clear's first checks: the list records and `view` is a written view
    // of the heap type the clear (of depth or not) needs.
    bool BeginClear(const char* method, D3D12_CPU_DESCRIPTOR_HANDLE view, bool depth,
                    AttachmentView* target);
    static CopyUses UsesOf(const char* method, const D3D12_TEXTURE_COPY_LOCATION& destination,
                           const D3D12_TEXTURE_COPY_LOCATION& source);
    // Clears of resources made without an optimised clear value, or with another one.
    void CheckClearValue(const ResourceUse& target, const FLOAT color[4], float depth,
                         uint8_t stencil, D3D12_CLEAR_FLAGS flags);
    void SetAllocator(D3D12CommandAllocator* allocator);
    // Both ClearUnorderedAccessView calls, with `uints` or `floats` given
    // (d3d12_command_list_clear_unordered_access.cpp).
    void ClearUnorderedAccess(D3D12_GPU_DESCRIPTOR_HANDLE gpuView,
                              D3D12_CPU_DESCRIPTOR_HANDLE cpuView, ID3D12Resource* resource,
                              const UINT* uints, const FLOAT* floats, UINT rectCount,
                              const D3D12_RECT* rects);
    // The view a clear names, read from its two handles; null, reported, when they name none.
    const DescriptorRecord* ReadClearedView(D3D12_GPU_DESCRIPTOR_HANDLE gpuView,
                                            D3D12_CPU_DESCRIPTOR_HANDLE cpuView,
                                            const char* method);
    // The debug layer's checks of a BeginQuery or EndQuery (d3d12_command_list_queries.cpp).
    bool CheckQuery(const char* method, ID3D12QueryHeap* heap, D3D12_QUERY_TYPE type, UINT index);
    bool CheckNoActiveQuery();

    D3D12_COMMAND_LIST_TYPE type_;
    D3D12CommandAllocator* allocator_ = nullptr; // one reference while set
    bool recording_ = true;
    bool failed_ = false;
    std::vector<Command> commands_;
    uint64_t recordingNumber_ = 0;
    std::vector<std::shared_ptr<TranslatedList>> translations_;
    bool debugLayer_; // the checks made as calls record
    RecordedDrawState drawState_;
    RecordedDrawState computeState_; // its root signature and arguments only
    // Split barriers begun in this list and not yet ended: (resource, subresource).
    std::set<std::pair<const void*, UINT>> splitBegun_;
    // Occlusion queries begun and not yet ended: (pool, index) -> (type, heap).
    std::map<std::pair<const void*, UINT>, std::pair<D3D12_QUERY_TYPE, ID3D12QueryHeap*>>
        activeQueries_;
};

} // namespace d3d12_standin
