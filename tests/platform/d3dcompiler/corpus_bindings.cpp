#include "corpus_bindings.h"

#include <gpu_test_support.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

using corpus_resources::Shape;
using corpus_resources::View;

namespace {

// Bytes per element of a buffer view: its stride, its format's or a word.
UINT ElementBytes(const View& view) {
    if (view.shape == Shape::StructuredBuffer) {
        return view.stride;
    }
    return view.shape == Shape::TypedBuffer ? corpus_resources::TexelBytes(view.format) : 4;
}

D3D12_RESOURCE_DESC DescribeResource(const View& view) {
    const D3D12_RESOURCE_FLAGS flags = view.registerKind == 'u'
                                           ? D3D12_RESOURCE_FLAG_ALLOW_UNORDERED_ACCESS
                                           : D3D12_RESOURCE_FLAG_NONE;
    if (view.IsBuffer()) {
        D3D12_RESOURCE_DESC desc = BufferDescription(UINT64(view.elements) * ElementBytes(view));
        desc.Flags = flags;
        return desc;
    }
    D3D12_RESOURCE_DESC desc =
        TextureDescription(view.width, view.height, view.format, flags,
                           UINT16(view.shape == Shape::Texture3D ? view.depth : view.slices));
    desc.MipLevels = UINT16(view.mips);
    desc.SampleDesc.Count = view.samples;
    if (view.depthStencil) {
        desc.Format = DXGI_FORMAT_R32_TYPELESS;
        desc.Flags |= D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL;
    }
    if (view.IsMultisampled()) {
        desc.Flags |= D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET; // filled by a clear
    }
    if (view.shape == Shape::Texture1D || view.shape == Shape::Texture1DArray) {
        desc.Dimension = D3D12_RESOURCE_DIMENSION_TEXTURE1D;
    } else if (view.shape == Shape::Texture3D) {
        desc.Dimension = D3D12_RESOURCE_DIMENSION_TEXTURE3D;
    }
    return desc;
}

D3D12_SHADER_RESOURCE_VIEW_DESC DescribeShaderView(const View& view) {
    constexpr D3D12_SRV_DIMENSION kDimensions[] = {
        D3D12_SRV_DIMENSION_TEXTURE1D,        D3D12_SRV_DIMENSION_TEXTURE2D,
        D3D12_SRV_DIMENSION_TEXTURE2DARRAY,   D3D12_SRV_DIMENSION_TEXTURE3D,
        D3D12_SRV_DIMENSION_TEXTURECUBE,      D3D12_SRV_DIMENSION_TEXTURE1DARRAY,
        D3D12_SRV_DIMENSION_TEXTURECUBEARRAY, D3D12_SRV_DIMENSION_TEXTURE2DMS,
        D3D12_SRV_DIMENSION_TEXTURE2DMSARRAY, D3D12_SRV_DIMENSION_BUFFER,
        D3D12_SRV_DIMENSION_BUFFER,           D3D12_SRV_DIMENSION_BUFFER};
    const bool raw = view.shape == Shape::RawBuffer;
    D3D12_SHADER_RESOURCE_VIEW_DESC desc = ShaderResourceView(
        raw ? DXGI_FORMAT_R32_TYPELESS : view.format, kDimensions[size_t(view.shape)]);
    switch (view.shape) {
    case Shape::Texture1D:
        desc.Texture1D.MipLevels = view.mips;
        break;
    case Shape::Texture2D:
        desc.Texture2D.MipLevels = view.mips;
        break;
    case Shape::Texture2DArray:
        desc.Texture2DArray.MipLevels = view.mips;
        desc.Texture2DArray.ArraySize = view.slices;
        break;
    case Shape::Texture3D:
        desc.Texture3D.MipLevels = view.mips;
        break;
    case Shape::TextureCube:
        desc.TextureCube.MipLevels = view.mips;
        break;
    case Shape::Texture1DArray:
        desc.Texture1DArray.MipLevels = view.mips;
        desc.Texture1DArray.ArraySize = view.slices;
        break;
    case Shape::TextureCubeArray:
        desc.TextureCubeArray.MipLevels = view.mips;
        desc.TextureCubeArray.NumCubes = view.slices / 6;
        break;
    case Shape::Texture2DMS:
        break;
    case Shape::Texture2DMSArray:
        desc.Texture2DMSArray.ArraySize = view.slices;
        break;
    default:
        desc.Buffer.NumElements = view.elements;
        desc.Buffer.StructureByteStride = view.shape == Shape::StructuredBuffer ? view.stride : 0;
        desc.Buffer.Flags = raw ? D3D12_BUFFER_SRV_FLAG_RAW : D3D12_BUFFER_SRV_FLAG_NONE;
    }
    return desc;
}

D3D12_UNORDERED_ACCESS_VIEW_DESC DescribeAccessView(const View& view) {
    const bool raw = view.shape == Shape::RawBuffer;
    D3D12_UNORDERED_ACCESS_VIEW_DESC desc{};
    desc.Format = raw ? DXGI_FORMAT_R32_TYPELESS : view.format;
    switch (view.shape) {
    case Shape::Texture1D:
        desc.ViewDimension = D3D12_UAV_DIMENSION_TEXTURE1D;
        break;
    case Shape::Texture1DArray:
        desc.ViewDimension = D3D12_UAV_DIMENSION_TEXTURE1DARRAY;
        desc.Texture1DArray.ArraySize = view.slices;
        break;
    case Shape::Texture2D:
        desc.ViewDimension = D3D12_UAV_DIMENSION_TEXTURE2D;
        break;
    case Shape::Texture3D:
        desc.ViewDimension = D3D12_UAV_DIMENSION_TEXTURE3D;
        desc.Texture3D.WSize = view.depth;
        break;
    case Shape::Texture2DArray:
    case Shape::TextureCube:
    case Shape::TextureCubeArray:
        desc.ViewDimension = D3D12_UAV_DIMENSION_TEXTURE2DARRAY;
        desc.Texture2DArray.ArraySize = view.slices;
        break;
    default:
        desc.ViewDimension = D3D12_UAV_DIMENSION_BUFFER;
        desc.Buffer.NumElements = view.elements;
        desc.Buffer.StructureByteStride = view.shape == Shape::StructuredBuffer ? view.stride : 0;
        desc.Buffer.Flags = raw ? D3D12_BUFFER_UAV_FLAG_RAW : D3D12_BUFFER_UAV_FLAG_NONE;
    }
    return desc;
}

D3D12_RESOURCE_STATES ViewState(const View& view) {
    return view.registerKind == 'u' ? D3D12_RESOURCE_STATE_UNORDERED_ACCESS
                                    : D3D12_RESOURCE_STATE_ALL_SHADER_RESOURCE;
}

// The value every sample of a multisampled texture is cleared to: its first
// texel's.
D3D12_CLEAR_VALUE ClearValue(const View& view) {
    D3D12_CLEAR_VALUE clear{view.format, {}};
    for (size_t i = 0; i < 4 && i < view.contents.size(); ++i) {
        if (corpus_resources::IsFloatFormat(view.format)) {
            std::memcpy(&clear.Color[i], &view.contents[i], sizeof clear.Color[i]);
        } else {
            clear.Color[i] = float(view.contents[i]);
        }
    }
    return clear;
}

// A multisampled texture made as a render target with its clear value.
ID3D12Resource* MakeClearableTarget(ID3D12Device* device, const View& view) {
    const D3D12_HEAP_PROPERTIES heap = HeapProperties(D3D12_HEAP_TYPE_DEFAULT);
    const D3D12_RESOURCE_DESC desc = DescribeResource(view);
    const D3D12_CLEAR_VALUE clear = ClearValue(view);
    ID3D12Resource* resource = nullptr;
    EXPECT_EQ(device->CreateCommittedResource(
                  &heap, D3D12_HEAP_FLAG_NONE, &desc, D3D12_RESOURCE_STATE_RENDER_TARGET, &clear,
                  IID_ID3D12Resource, reinterpret_cast<void**>(&resource)),
              S_OK);
    return resource;
}

} // namespace

bool CorpusBindings::Create(ID3D12Device* device, ID3D12GraphicsCommandList* list,
                            const corpus_resources::Declarations& declarations,
                            ID3D12Resource* constants, UINT constantBytes) {
    device_ = device;
    const UINT count = UINT(declarations.views.size()) + 1;
    heap_.Attach(MakeDescriptorHeap(device, D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV, count,
                                    D3D12_DESCRIPTOR_HEAP_FLAG_SHADER_VISIBLE));
    if (heap_ == nullptr) {
        return false;
    }
    const D3D12_CONSTANT_BUFFER_VIEW_DESC constantView{constants->GetGPUVirtualAddress(),
                                                       constantBytes};
    device->CreateConstantBufferView(&constantView, HandleAt(device, heap_, 0));
    for (const View& view : declarations.views) {
        Bound bound;
        bound.view = view;
        const bool multisampled = view.IsMultisampled();
        bound.resource.Attach(multisampled ? MakeClearableTarget(device, view)
                                           : MakeCommitted(device, D3D12_HEAP_TYPE_DEFAULT,
                                                           DescribeResource(view),
                                                           D3D12_RESOURCE_STATE_COPY_DEST));
        if (bound.resource == nullptr ||
            !(multisampled ? ClearSamples(list, bound) : Upload(list, bound)) ||
            !UploadCounter(list, bound)) {
            return false;
        }
        CreateView(bound, HandleAt(device, heap_, UINT(bound_.size()) + 1));
        bound_.push_back(std::move(bound));
    }
    return CreateSamplers(declarations.heapSamplers);
}

bool CorpusBindings::CreateSamplers(const std::vector<corpus_resources::HeapSampler>& samplers) {
    if (samplers.empty()) {
        return true;
    }
    samplerHeap_.Attach(MakeDescriptorHeap(device_, D3D12_DESCRIPTOR_HEAP_TYPE_SAMPLER,
                                           UINT(samplers.size()),
                                           D3D12_DESCRIPTOR_HEAP_FLAG_SHADER_VISIBLE));
    if (samplerHeap_ == nullptr) {
        return false;
    }
    const UINT step = device_->GetDescriptorHandleIncrementSize(D3D12_DESCRIPTOR_HEAP_TYPE_SAMPLER);
    D3D12_CPU_DESCRIPTOR_HANDLE at = samplerHeap_->GetCPUDescriptorHandleForHeapStart();
    for (const corpus_resources::HeapSampler& sampler : samplers) {
        device_->CreateSampler(&sampler.desc, at);
        at.ptr += step;
    }
    return true;
}

void CorpusBindings::SetTables(ID3D12GraphicsCommandList* list, bool compute) const {
    ID3D12DescriptorHeap* heaps[] = {heap_, samplerHeap_};
    list->SetDescriptorHeaps(samplerHeap_ ? 2 : 1, heaps);
    for (UINT parameter = 0; parameter < 2 && heaps[parameter] != nullptr; ++parameter) {
        const D3D12_GPU_DESCRIPTOR_HANDLE table =
            heaps[parameter]->GetGPUDescriptorHandleForHeapStart();
        if (compute) {
            list->SetComputeRootDescriptorTable(parameter, table);
        } else {
            list->SetGraphicsRootDescriptorTable(parameter, table);
        }
    }
}

// Copies the view's contents into its resource, subresource after
// subresource; words past the contents are zero.
bool CorpusBindings::Upload(ID3D12GraphicsCommandList* list, Bound& bound) {
    const D3D12_RESOURCE_DESC desc = bound.resource->GetDesc();
    const UINT subresources =
        bound.view.IsBuffer()
            ? 1
            : desc.MipLevels * (desc.Dimension == D3D12_RESOURCE_DIMENSION_TEXTURE3D
                                    ? 1
                                    : desc.DepthOrArraySize);
    std::vector<D3D12_PLACED_SUBRESOURCE_FOOTPRINT> footprints(subresources);
    std::vector<UINT> rows(subresources);
    std::vector<UINT64> rowSizes(subresources);
    UINT64 total = 0;
    device_->GetCopyableFootprints(&desc, 0, subresources, 0, footprints.data(), rows.data(),
                                   rowSizes.data(), &total);
    ComPtr<ID3D12Resource> upload(
        MakeBuffer(device_, D3D12_HEAP_TYPE_UPLOAD, total, D3D12_RESOURCE_STATE_GENERIC_READ));
    uint8_t* bytes = nullptr;
    if (upload == nullptr || upload->Map(0, nullptr, reinterpret_cast<void**>(&bytes)) != S_OK) {
        return false;
    }
    std::memset(bytes, 0, total);
    const std::vector<uint32_t>& words = bound.view.contents;
    size_t next = 0; // byte offset into the contents
    for (UINT i = 0; i < subresources; ++i) {
        const UINT planes = footprints[i].Footprint.Depth * rows[i];
        for (UINT row = 0; row < planes; ++row) {
            const size_t take =
                std::min<size_t>(rowSizes[i], words.size() * 4 - std::min(next, words.size() * 4));
            std::memcpy(bytes + footprints[i].Offset + row * footprints[i].Footprint.RowPitch,
                        reinterpret_cast<const uint8_t*>(words.data()) + next, take);
            next += rowSizes[i];
        }
    }
    upload->Unmap(0, nullptr);
    for (UINT i = 0; i < subresources; ++i) {
        if (bound.view.IsBuffer()) {
            list->CopyBufferRegion(bound.resource, 0, upload, 0, desc.Width);
        } else {
            const D3D12_TEXTURE_COPY_LOCATION to = SubresourceLocation(bound.resource, i);
            const D3D12_TEXTURE_COPY_LOCATION from = FootprintLocation(upload, footprints[i]);
            list->CopyTextureRegion(&to, 0, 0, 0, &from, nullptr);
        }
    }
    const D3D12_RESOURCE_BARRIER ready =
        Transition(bound.resource, D3D12_RESOURCE_STATE_COPY_DEST, ViewState(bound.view));
    list->ResourceBarrier(1, &ready);
    uploads_.push_back(std::move(upload));
    return true;
}

// Clears every sample of a multisampled texture to its first texel's value.
bool CorpusBindings::ClearSamples(ID3D12GraphicsCommandList* list, Bound& bound) {
    ComPtr<ID3D12DescriptorHeap> targets(
        MakeDescriptorHeap(device_, D3D12_DESCRIPTOR_HEAP_TYPE_RTV));
    if (targets == nullptr) {
        return false;
    }
    const D3D12_CPU_DESCRIPTOR_HANDLE target = targets->GetCPUDescriptorHandleForHeapStart();
    device_->CreateRenderTargetView(bound.resource, nullptr, target);
    list->ClearRenderTargetView(target, ClearValue(bound.view).Color, 0, nullptr);
    const D3D12_RESOURCE_BARRIER ready =
        Transition(bound.resource, D3D12_RESOURCE_STATE_RENDER_TARGET, ViewState(bound.view));
    list->ResourceBarrier(1, &ready);
    targetHeaps_.push_back(std::move(targets));
    return true;
}

bool CorpusBindings::UploadCounter(ID3D12GraphicsCommandList* list, Bound& bound) {
    if (bound.view.counter < 0) {
        return true;
    }
    D3D12_RESOURCE_DESC desc = BufferDescription(4);
    desc.Flags = D3D12_RESOURCE_FLAG_ALLOW_UNORDERED_ACCESS;
    bound.counter.Attach(
        MakeCommitted(device_, D3D12_HEAP_TYPE_DEFAULT, desc, D3D12_RESOURCE_STATE_COPY_DEST));
    ComPtr<ID3D12Resource> upload(
        MakeBuffer(device_, D3D12_HEAP_TYPE_UPLOAD, 4, D3D12_RESOURCE_STATE_GENERIC_READ));
    if (bound.counter == nullptr || upload == nullptr) {
        return false;
    }
    const uint32_t value = uint32_t(bound.view.counter);
    WriteBuffer(upload, &value, sizeof value);
    list->CopyBufferRegion(bound.counter, 0, upload, 0, 4);
    const D3D12_RESOURCE_BARRIER ready = Transition(bound.counter, D3D12_RESOURCE_STATE_COPY_DEST,
                                                    D3D12_RESOURCE_STATE_UNORDERED_ACCESS);
    list->ResourceBarrier(1, &ready);
    uploads_.push_back(std::move(upload));
    return true;
}

void CorpusBindings::CreateView(const Bound& bound, D3D12_CPU_DESCRIPTOR_HANDLE at) {
    if (bound.view.registerKind == 't') {
        const D3D12_SHADER_RESOURCE_VIEW_DESC desc = DescribeShaderView(bound.view);
        device_->CreateShaderResourceView(bound.resource, &desc, at);
    } else {
        const D3D12_UNORDERED_ACCESS_VIEW_DESC desc = DescribeAccessView(bound.view);
        device_->CreateUnorderedAccessView(bound.resource, bound.counter, &desc, at);
    }
}

void CorpusBindings::RecordReadBacks(ID3D12GraphicsCommandList* list) {
    for (Bound& bound : bound_) {
        if (bound.view.registerKind != 'u') {
            continue;
        }
        const D3D12_RESOURCE_DESC desc = bound.resource->GetDesc();
        UINT64 total = 0;
        device_->GetCopyableFootprints(&desc, 0, 1, 0, &bound.footprint, &bound.rows,
                                       &bound.rowSize, &total);
        bound.readback.Attach(
            MakeBuffer(device_, D3D12_HEAP_TYPE_READBACK, total, D3D12_RESOURCE_STATE_COPY_DEST));
        if (bound.readback == nullptr) {
            continue;
        }
        const D3D12_RESOURCE_BARRIER toSource =
            Transition(bound.resource, D3D12_RESOURCE_STATE_UNORDERED_ACCESS,
                       D3D12_RESOURCE_STATE_COPY_SOURCE);
        list->ResourceBarrier(1, &toSource);
        if (bound.view.IsBuffer()) {
            list->CopyBufferRegion(bound.readback, 0, bound.resource, 0, desc.Width);
        } else {
            const D3D12_TEXTURE_COPY_LOCATION to =
                FootprintLocation(bound.readback, bound.footprint);
            const D3D12_TEXTURE_COPY_LOCATION from = SubresourceLocation(bound.resource, 0);
            list->CopyTextureRegion(&to, 0, 0, 0, &from, nullptr);
        }
        if (bound.counter == nullptr) {
            continue;
        }
        bound.counterReadback.Attach(
            MakeBuffer(device_, D3D12_HEAP_TYPE_READBACK, 4, D3D12_RESOURCE_STATE_COPY_DEST));
        const D3D12_RESOURCE_BARRIER counterToSource = Transition(
            bound.counter, D3D12_RESOURCE_STATE_UNORDERED_ACCESS, D3D12_RESOURCE_STATE_COPY_SOURCE);
        list->ResourceBarrier(1, &counterToSource);
        if (bound.counterReadback != nullptr) {
            list->CopyBufferRegion(bound.counterReadback, 0, bound.counter, 0, 4);
        }
    }
}

std::vector<uint32_t> CorpusBindings::Words(unsigned slot, bool counter) const {
    const auto found = std::find_if(bound_.begin(), bound_.end(), [&](const Bound& bound) {
        return bound.view.registerKind == 'u' && bound.view.slot == slot;
    });
    if (found == bound_.end()) {
        return {};
    }
    ID3D12Resource* readback = counter ? found->counterReadback.Get() : found->readback.Get();
    const UINT rows = counter ? 1 : found->rows;
    const UINT64 rowSize = counter ? 4 : found->rowSize;
    const UINT64 pitch = counter ? 4 : found->footprint.Footprint.RowPitch;
    uint8_t* bytes = nullptr;
    if (readback == nullptr ||
        readback->Map(0, nullptr, reinterpret_cast<void**>(&bytes)) != S_OK) {
        return {};
    }
    std::vector<uint32_t> words(rows * rowSize / 4);
    for (UINT row = 0; row < rows; ++row) {
        std::memcpy(words.data() + row * rowSize / 4, bytes + row * pitch, rowSize);
    }
    readback->Unmap(0, nullptr);
    return words;
}
