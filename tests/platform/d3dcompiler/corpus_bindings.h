// The Direct3D 12 objects behind a corpus case's declared resources: each
// view's resource filled with its contents, one shader-visible heap holding
// the constant buffer's view and then the views in declaration order (the
// order of Declarations::RootSignature's table), one holding the heap
// samplers in declaration order, and read-backs of the
// unordered access views after the draw or dispatch.
#pragma once

#include "corpus_resources.h"

#include <com_ptr.h>

#include <windows.h>

#include <d3d12.h>

#include <cstdint>
#include <vector>

class CorpusBindings {
public:
    // Makes every view's resource and records its upload on `list`; the heap
    // starts with a view of `constants`. False, with a test failure, when the
    // device refuses something.
    bool Create(ID3D12Device* device, ID3D12GraphicsCommandList* list,
                const corpus_resources::Declarations& declarations, ID3D12Resource* constants,
                UINT constantBytes);
    ID3D12DescriptorHeap* Heap() const { return heap_; }
    // The heap samplers' heap; null when the case declares none.
    ID3D12DescriptorHeap* SamplerHeap() const { return samplerHeap_; }
    // Sets the views' heap, and the samplers' where there is one, and their
    // tables as root parameters 0 and 1, for a draw or a dispatch.
    void SetTables(ID3D12GraphicsCommandList* list, bool compute) const;
    // Records copies of each unordered access view's resource and counter
    // into readback buffers.
    void RecordReadBacks(ID3D12GraphicsCommandList* list);
    // Once the read-backs have run: the 32-bit words of u`slot` (of its first
    // subresource, rows tightly packed) or of its counter.
    std::vector<uint32_t> Words(unsigned slot, bool counter) const;

private:
    struct Bound {
        corpus_resources::View view;
        ComPtr<ID3D12Resource> resource;
        ComPtr<ID3D12Resource> counter;
        ComPtr<ID3D12Resource> readback;
        ComPtr<ID3D12Resource> counterReadback;
        D3D12_PLACED_SUBRESOURCE_FOOTPRINT footprint{};
        UINT rows = 0;
        UINT64 rowSize = 0;
    };
    bool Upload(ID3D12GraphicsCommandList* list, Bound& bound);
    bool UploadCounter(ID3D12GraphicsCommandList* list, Bound& bound);
    bool ClearSamples(ID3D12GraphicsCommandList* list, Bound& bound);
    void CreateView(const Bound& bound, D3D12_CPU_DESCRIPTOR_HANDLE at);
    bool CreateSamplers(const std::vector<corpus_resources::HeapSampler>& samplers);

    ID3D12Device* device_ = nullptr;
    std::vector<Bound> bound_;
    std::vector<ComPtr<ID3D12Resource>> uploads_;
    ComPtr<ID3D12DescriptorHeap> heap_;
    ComPtr<ID3D12DescriptorHeap> samplerHeap_;
    std::vector<ComPtr<ID3D12DescriptorHeap>> targetHeaps_; // the clears' views
};
