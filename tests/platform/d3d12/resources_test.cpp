// Committed resources, mapping, copies between buffers, descriptor heaps and
// copyable footprints.
#include "gpu_fixture.h"

#include <platform_testing.h>

#include <d3dx12.h>

#include <cstring>

namespace {

D3D12_RESOURCE_DESC TextureDesc(UINT64 width, UINT height, UINT16 mips, DXGI_FORMAT format) {
    return CD3DX12_RESOURCE_DESC::Tex2D(format, width, height, 1, mips);
}

} // namespace

TEST_F(GpuTest, CopyableFootprintsAlignRowsTo256AndSubresourcesTo512) {
    struct Case {
        const char* texture;
        UINT64 width;
        UINT height;
        UINT16 mips;
        // The last mip's layout, and the size of all of them.
        UINT64 offset;
        UINT footprintWidth;
        UINT64 rowSize;
        UINT rowPitch;
        UINT rows;
        UINT64 total;
    };
    const Case cases[] = {
        {"64x64", 64, 64, 1, 0, 64, 256, 256, 64, 16384},
        {"100x100, whose last row is not padded", 100, 100, 1, 0, 100, 400, 512, 100, 51088},
        {"64x64 with a second mip", 64, 64, 2, 16384, 32, 128, 256, 32, 24448},
    };
    for (const Case& c : cases) {
        D3D12_PLACED_SUBRESOURCE_FOOTPRINT layouts[2]{};
        UINT rows[2]{};
        UINT64 rowSizes[2]{}, total = 0;
        D3D12_RESOURCE_DESC desc =
            TextureDesc(c.width, c.height, c.mips, DXGI_FORMAT_R8G8B8A8_UNORM);
        device->GetCopyableFootprints(&desc, 0, c.mips, 0, layouts, rows, rowSizes, &total);
        const UINT last = c.mips - 1u;
        EXPECT_EQ(layouts[last].Offset, c.offset) << c.texture;
        EXPECT_EQ(layouts[last].Footprint.Width, c.footprintWidth) << c.texture;
        EXPECT_EQ(rowSizes[last], c.rowSize) << c.texture;
        EXPECT_EQ(layouts[last].Footprint.RowPitch, c.rowPitch) << c.texture;
        EXPECT_EQ(rows[last], c.rows) << c.texture;
        EXPECT_EQ(total, c.total) << c.texture;
    }

    D3D12_PLACED_SUBRESOURCE_FOOTPRINT layout{};
    UINT rows = 0;
    UINT64 rowSize = 0, total = 0;
    D3D12_RESOURCE_DESC unknown = TextureDesc(64, 64, 1, DXGI_FORMAT_UNKNOWN);
    device->GetCopyableFootprints(&unknown, 0, 1, 0, &layout, &rows, &rowSize, &total);
    EXPECT_EQ(total, UINT64_MAX);
    D3D12_RESOURCE_DESC pastTheEnd = TextureDesc(64, 64, 1, DXGI_FORMAT_R8G8B8A8_UNORM);
    device->GetCopyableFootprints(&pastTheEnd, 1, 1, 0, &layout, &rows, &rowSize, &total);
    EXPECT_EQ(total, UINT64_MAX);
}

TEST_F(GpuTest, RefusesTypedBuffersAndTexturesOutsideTheDefaultHeap) {
    const CD3DX12_HEAP_PROPERTIES upload(D3D12_HEAP_TYPE_UPLOAD);
    CD3DX12_RESOURCE_DESC typedBuffer = CD3DX12_RESOURCE_DESC::Buffer(64);
    typedBuffer.Format = DXGI_FORMAT_R8G8B8A8_UNORM;
    ID3D12Resource* resource = reinterpret_cast<ID3D12Resource*>(0x1);
    EXPECT_EQ(device->CreateCommittedResource(
                  &upload, D3D12_HEAP_FLAG_NONE, &typedBuffer, D3D12_RESOURCE_STATE_GENERIC_READ,
                  nullptr, IID_ID3D12Resource, reinterpret_cast<void**>(&resource)),
              E_INVALIDARG);
    EXPECT_EQ(resource, nullptr);

    D3D12_RESOURCE_DESC texture = TextureDesc(64, 64, 1, DXGI_FORMAT_R8G8B8A8_UNORM);
    EXPECT_EQ(device->CreateCommittedResource(
                  &upload, D3D12_HEAP_FLAG_NONE, &texture, D3D12_RESOURCE_STATE_GENERIC_READ,
                  nullptr, IID_ID3D12Resource, reinterpret_cast<void**>(&resource)),
              E_INVALIDARG);
    EXPECT_EQ(resource, nullptr);
}

TEST_F(GpuTest, RefusalHooksFailTheNextCreationsOnly) {
    platform_testing::RefuseNextCommittedResources(1);
    const CD3DX12_HEAP_PROPERTIES heap(D3D12_HEAP_TYPE_UPLOAD);
    const CD3DX12_RESOURCE_DESC desc = CD3DX12_RESOURCE_DESC::Buffer(256);
    ID3D12Resource* buffer = reinterpret_cast<ID3D12Resource*>(0x1);
    EXPECT_EQ(device->CreateCommittedResource(
                  &heap, D3D12_HEAP_FLAG_NONE, &desc, D3D12_RESOURCE_STATE_GENERIC_READ, nullptr,
                  IID_ID3D12Resource, reinterpret_cast<void**>(&buffer)),
              E_OUTOFMEMORY);
    EXPECT_EQ(buffer, nullptr);
    buffer = MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, 256, D3D12_RESOURCE_STATE_GENERIC_READ);
    ASSERT_NE(buffer, nullptr);

    platform_testing::RefuseNextMaps(1);
    void* mapped = reinterpret_cast<void*>(0x1234);
    EXPECT_EQ(buffer->Map(0, nullptr, &mapped), E_OUTOFMEMORY);
    EXPECT_EQ(mapped, reinterpret_cast<void*>(0x1234));
    EXPECT_EQ(buffer->Map(0, nullptr, &mapped), S_OK);
    buffer->Unmap(0, nullptr);
    buffer->Release();

    platform_testing::RefuseNextDescriptorHeaps(1);
    D3D12_DESCRIPTOR_HEAP_DESC heapDesc{D3D12_DESCRIPTOR_HEAP_TYPE_RTV, 1,
                                        D3D12_DESCRIPTOR_HEAP_FLAG_NONE, 0};
    ID3D12DescriptorHeap* descriptors = reinterpret_cast<ID3D12DescriptorHeap*>(0x1);
    EXPECT_EQ(device->CreateDescriptorHeap(&heapDesc, IID_ID3D12DescriptorHeap,
                                           reinterpret_cast<void**>(&descriptors)),
              E_OUTOFMEMORY);
    EXPECT_EQ(descriptors, nullptr);

    platform_testing::RefuseNextRootSignatures(1);
    ID3D12RootSignature* rootSignature = reinterpret_cast<ID3D12RootSignature*>(0x1);
    EXPECT_EQ(device->CreateRootSignature(0, nullptr, 0, IID_ID3D12RootSignature,
                                          reinterpret_cast<void**>(&rootSignature)),
              E_OUTOFMEMORY);
    EXPECT_EQ(rootSignature, nullptr);
}

TEST_F(GpuTest, DefaultHeapResourcesCannotBeMapped) {
    ComPtr<ID3D12Resource> buffer{
        MakeBuffer(D3D12_HEAP_TYPE_DEFAULT, 256, D3D12_RESOURCE_STATE_COMMON)};
    ASSERT_NE(buffer, nullptr);
    void* mapped = nullptr;
    EXPECT_EQ(buffer->Map(0, nullptr, &mapped), E_INVALIDARG);
    EXPECT_EQ(mapped, nullptr);
    EXPECT_EQ(CountMessages(TakeDebugMessages(device), D3D12_MESSAGE_ID_MAP_INVALIDHEAP), 1u);
    platform_testing::AcknowledgeD3D12Errors();
}

TEST_F(GpuTest, UploadToReadbackRoundTripThroughADefaultBuffer) {
    constexpr UINT64 kSize = 4096;
    ComPtr<ID3D12Resource> upload{
        MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, kSize, D3D12_RESOURCE_STATE_GENERIC_READ)};
    ComPtr<ID3D12Resource> middle{
        MakeBuffer(D3D12_HEAP_TYPE_DEFAULT, kSize, D3D12_RESOURCE_STATE_COMMON)};
    ComPtr<ID3D12Resource> readback{
        MakeBuffer(D3D12_HEAP_TYPE_READBACK, kSize, D3D12_RESOURCE_STATE_COPY_DEST)};
    ASSERT_TRUE(upload && middle && readback);
    EXPECT_NE(upload->GetGPUVirtualAddress(), 0u);
    EXPECT_NE(upload->GetGPUVirtualAddress(), middle->GetGPUVirtualAddress());

    uint8_t* bytes = nullptr;
    ASSERT_EQ(upload->Map(0, nullptr, reinterpret_cast<void**>(&bytes)), S_OK);
    for (UINT64 i = 0; i < kSize; ++i) {
        bytes[i] = uint8_t(i * 7 + 3);
    }
    upload->Unmap(0, nullptr);

    list->CopyBufferRegion(middle, 0, upload, 0, kSize);
    // The first copy promoted the buffer to COPY_DEST, a write state: reading
    // it back needs a barrier.
    D3D12_RESOURCE_BARRIER toSource =
        Transition(middle, D3D12_RESOURCE_STATE_COPY_DEST, D3D12_RESOURCE_STATE_COPY_SOURCE);
    list->ResourceBarrier(1, &toSource);
    // Only part of it comes back: offsets on both sides must be honoured.
    list->CopyBufferRegion(readback, 16, middle, 256, 1024);
    ExecuteAndWait();

    uint8_t* result = nullptr;
    ASSERT_EQ(readback->Map(0, nullptr, reinterpret_cast<void**>(&result)), S_OK);
    EXPECT_EQ(result[0], 0u); // committed resources start zeroed
    for (UINT64 i = 0; i < 1024; ++i) {
        ASSERT_EQ(result[16 + i], uint8_t((256 + i) * 7 + 3)) << "byte " << i;
    }
    EXPECT_EQ(result[16 + 1024], 0u);
    readback->Unmap(0, nullptr);
}

// More transitions in one call than a command keeps in place: each still
// moves its buffer, or the copies out would read from the wrong state.
TEST_F(GpuTest, OneBarrierCallMovesEveryBufferItNames) {
    constexpr UINT64 kSize = 256;
    constexpr int kBuffers = 5;
    ComPtr<ID3D12Resource> upload{
        MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, kSize * kBuffers, D3D12_RESOURCE_STATE_GENERIC_READ)};
    ComPtr<ID3D12Resource> readback{
        MakeBuffer(D3D12_HEAP_TYPE_READBACK, kSize * kBuffers, D3D12_RESOURCE_STATE_COPY_DEST)};
    ASSERT_TRUE(upload && readback);
    uint8_t* bytes = nullptr;
    ASSERT_EQ(upload->Map(0, nullptr, reinterpret_cast<void**>(&bytes)), S_OK);
    for (UINT64 i = 0; i < kSize * kBuffers; ++i) {
        bytes[i] = uint8_t(i / kSize + 1);
    }
    upload->Unmap(0, nullptr);

    ComPtr<ID3D12Resource> middles[kBuffers];
    D3D12_RESOURCE_BARRIER toSource[kBuffers];
    for (int i = 0; i < kBuffers; ++i) {
        middles[i] = ComPtr<ID3D12Resource>{
            MakeBuffer(D3D12_HEAP_TYPE_DEFAULT, kSize, D3D12_RESOURCE_STATE_COMMON)};
        ASSERT_TRUE(middles[i]);
        list->CopyBufferRegion(middles[i], 0, upload, kSize * i, kSize);
        toSource[i] = Transition(middles[i], D3D12_RESOURCE_STATE_COPY_DEST,
                                 D3D12_RESOURCE_STATE_COPY_SOURCE);
    }
    list->ResourceBarrier(kBuffers, toSource);
    for (int i = 0; i < kBuffers; ++i) {
        list->CopyBufferRegion(readback, kSize * i, middles[i], 0, kSize);
    }
    ExecuteAndWait();
    EXPECT_TRUE(TakeDebugMessages(device).empty());

    uint8_t* result = nullptr;
    ASSERT_EQ(readback->Map(0, nullptr, reinterpret_cast<void**>(&result)), S_OK);
    for (UINT64 i = 0; i < kSize * kBuffers; ++i) {
        ASSERT_EQ(result[i], uint8_t(i / kSize + 1)) << "byte " << i;
    }
    readback->Unmap(0, nullptr);
}

TEST_F(GpuTest, CopiesOutsideABufferAreRejectedAtRecording) {
    ComPtr<ID3D12Resource> small{
        MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, 256, D3D12_RESOURCE_STATE_GENERIC_READ)};
    ComPtr<ID3D12Resource> other{
        MakeBuffer(D3D12_HEAP_TYPE_DEFAULT, 256, D3D12_RESOURCE_STATE_COMMON)};
    list->CopyBufferRegion(other, 0, small, 200, 100);
    list->CopyBufferRegion(other, 200, small, 0, 100);
    EXPECT_EQ(list->Close(), E_FAIL);
    std::vector<DebugMessage> messages = TakeDebugMessages(device);
    EXPECT_EQ(CountMessages(messages, D3D12_MESSAGE_ID_COPYBUFFERREGION_SRCRANGEOUTOFBOUNDS), 1u);
    EXPECT_EQ(CountMessages(messages, D3D12_MESSAGE_ID_COPYBUFFERREGION_DSTRANGEOUTOFBOUNDS), 1u);
    platform_testing::AcknowledgeD3D12Errors();
}

TEST_F(GpuTest, OnlyShaderVisibleHeapsHaveAGpuStart) {
    D3D12_DESCRIPTOR_HEAP_DESC visible{D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV, 4,
                                       D3D12_DESCRIPTOR_HEAP_FLAG_SHADER_VISIBLE, 0};
    D3D12_DESCRIPTOR_HEAP_DESC rtv{D3D12_DESCRIPTOR_HEAP_TYPE_RTV, 2,
                                   D3D12_DESCRIPTOR_HEAP_FLAG_NONE, 0};
    ID3D12DescriptorHeap *visibleHeap = nullptr, *rtvHeap = nullptr, *refused = nullptr;
    ASSERT_EQ(device->CreateDescriptorHeap(&visible, IID_ID3D12DescriptorHeap,
                                           reinterpret_cast<void**>(&visibleHeap)),
              S_OK);
    ASSERT_EQ(device->CreateDescriptorHeap(&rtv, IID_ID3D12DescriptorHeap,
                                           reinterpret_cast<void**>(&rtvHeap)),
              S_OK);
    EXPECT_NE(visibleHeap->GetGPUDescriptorHandleForHeapStart().ptr, 0u);
    EXPECT_EQ(rtvHeap->GetGPUDescriptorHandleForHeapStart().ptr, 0u);
    EXPECT_NE(rtvHeap->GetCPUDescriptorHandleForHeapStart().ptr, 0u);

    rtv.Flags = D3D12_DESCRIPTOR_HEAP_FLAG_SHADER_VISIBLE;
    EXPECT_EQ(device->CreateDescriptorHeap(&rtv, IID_ID3D12DescriptorHeap,
                                           reinterpret_cast<void**>(&refused)),
              E_INVALIDARG);
    EXPECT_EQ(refused, nullptr);
    visibleHeap->Release();
    rtvHeap->Release();
}

// A handle into a heap once used and then destroyed resolves into nothing.
TEST_F(GpuTest, HandlesIntoADestroyedHeapAreRefused) {
    ComPtr<ID3D12Resource> target{MakeTexture(4, 4, DXGI_FORMAT_R8G8B8A8_UNORM,
                                              D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET,
                                              D3D12_RESOURCE_STATE_RENDER_TARGET)};
    ComPtr<ID3D12DescriptorHeap> heap{MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_RTV, 2)};
    ASSERT_TRUE(target && heap);
    const D3D12_CPU_DESCRIPTOR_HANDLE rtv = HandleAt(device, heap, 1);
    device->CreateRenderTargetView(target, nullptr, rtv);
    list->OMSetRenderTargets(1, &rtv, FALSE, nullptr);
    ASSERT_EQ(list->Close(), S_OK);
    ASSERT_EQ(list->Reset(allocator, nullptr), S_OK);

    heap.Reset();
    testing::internal::CaptureStderr();
    list->OMSetRenderTargets(1, &rtv, FALSE, nullptr);
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("the handle is not inside a live RTV heap"), std::string::npos) << said;
    EXPECT_NE(list->Close(), S_OK);
    EXPECT_EQ(list->Reset(allocator, nullptr), S_OK);
}

// Handles into two heaps of one type, named in turn, each resolve into their
// own heap; once one heap is destroyed its handles are refused and the
// other's still resolve.
TEST_F(GpuTest, HandlesIntoTwoHeapsOfATypeResolveUntilTheirHeapIsDestroyed) {
    ComPtr<ID3D12Resource> target{MakeTexture(4, 4, DXGI_FORMAT_R8G8B8A8_UNORM,
                                              D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET,
                                              D3D12_RESOURCE_STATE_RENDER_TARGET)};
    ComPtr<ID3D12DescriptorHeap> first{MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_RTV, 2)};
    ComPtr<ID3D12DescriptorHeap> second{MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_RTV, 1)};
    ASSERT_TRUE(target && first && second);
    const D3D12_CPU_DESCRIPTOR_HANDLE inFirst = HandleAt(device, first, 1);
    const D3D12_CPU_DESCRIPTOR_HANDLE inSecond = HandleAt(device, second, 0);
    // One record past the second heap's only one: inside no heap of the two.
    const D3D12_CPU_DESCRIPTOR_HANDLE pastSecond = HandleAt(device, second, 1);
    device->CreateRenderTargetView(target, nullptr, inFirst);
    device->CreateRenderTargetView(target, nullptr, inSecond);
    for (int round = 0; round < 2; ++round) {
        list->OMSetRenderTargets(1, &inFirst, FALSE, nullptr);
        list->OMSetRenderTargets(1, &inSecond, FALSE, nullptr);
    }
    ASSERT_EQ(list->Close(), S_OK);
    ASSERT_EQ(list->Reset(allocator, nullptr), S_OK);

    testing::internal::CaptureStderr();
    list->OMSetRenderTargets(1, &pastSecond, FALSE, nullptr);
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("the handle is not inside a live RTV heap"), std::string::npos) << said;
    EXPECT_NE(list->Close(), S_OK);
    ASSERT_EQ(list->Reset(allocator, nullptr), S_OK);

    first.Reset();
    list->OMSetRenderTargets(1, &inSecond, FALSE, nullptr);
    ASSERT_EQ(list->Close(), S_OK);
    ASSERT_EQ(list->Reset(allocator, nullptr), S_OK);
    testing::internal::CaptureStderr();
    list->OMSetRenderTargets(1, &inFirst, FALSE, nullptr);
    said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("the handle is not inside a live RTV heap"), std::string::npos) << said;
    EXPECT_NE(list->Close(), S_OK);
    EXPECT_EQ(list->Reset(allocator, nullptr), S_OK);
}
