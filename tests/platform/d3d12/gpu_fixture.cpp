#include "gpu_fixture.h"

#include <platform_testing.h>

#include <cstring>

void GpuTest::SetUp() {
    platform_testing::ClearRefusals();
    liveBefore = platform_testing::LiveObjects();
    ASSERT_EQ(D3D12CreateDevice(nullptr, D3D_FEATURE_LEVEL_12_1, IID_ID3D12Device,
                                reinterpret_cast<void**>(&device)),
              S_OK);
    D3D12_COMMAND_QUEUE_DESC queueDesc{};
    queueDesc.Type = D3D12_COMMAND_LIST_TYPE_DIRECT;
    ASSERT_EQ(device->CreateCommandQueue(&queueDesc, IID_ID3D12CommandQueue,
                                         reinterpret_cast<void**>(&queue)),
              S_OK);
    ASSERT_EQ(device->CreateCommandAllocator(D3D12_COMMAND_LIST_TYPE_DIRECT,
                                             IID_ID3D12CommandAllocator,
                                             reinterpret_cast<void**>(&allocator)),
              S_OK);
    ASSERT_EQ(device->CreateCommandList(0, D3D12_COMMAND_LIST_TYPE_DIRECT, allocator, nullptr,
                                        IID_ID3D12GraphicsCommandList,
                                        reinterpret_cast<void**>(&list)),
              S_OK);
    ASSERT_EQ(device->CreateFence(0, D3D12_FENCE_FLAG_NONE, IID_ID3D12Fence,
                                  reinterpret_cast<void**>(&fence)),
              S_OK);
    event = CreateEventExA(nullptr, nullptr, 0, EVENT_ALL_ACCESS);
    ASSERT_NE(event, nullptr);
}

void GpuTest::TearDown() {
    if (event != nullptr) {
        CloseHandle(event);
    }
    for (IUnknown* object : std::initializer_list<IUnknown*>{fence, list, allocator, queue}) {
        if (object != nullptr) {
            object->Release();
        }
    }
    if (device != nullptr) {
        EXPECT_EQ(device->Release(), 0u) << "something still holds the device";
    }
    EXPECT_EQ(platform_testing::LiveObjects(), liveBefore) << "stand-in objects leaked";
}

void GpuTest::WaitForQueue() {
    ++fenceValue;
    ASSERT_EQ(queue->Signal(fence, fenceValue), S_OK);
    if (fence->GetCompletedValue() < fenceValue) {
        ASSERT_EQ(fence->SetEventOnCompletion(fenceValue, event), S_OK);
        ASSERT_EQ(WaitForSingleObject(event, 10000), WAIT_OBJECT_0);
    }
}

void GpuTest::ExecuteAndWait() {
    ASSERT_EQ(list->Close(), S_OK);
    ID3D12CommandList* lists[] = {list};
    queue->ExecuteCommandLists(1, lists);
    WaitForQueue();
    ASSERT_EQ(allocator->Reset(), S_OK);
    ASSERT_EQ(list->Reset(allocator, nullptr), S_OK);
}

ID3D12Resource* GpuTest::MakeBuffer(D3D12_HEAP_TYPE heapType, UINT64 size,
                                    D3D12_RESOURCE_STATES state) {
    D3D12_HEAP_PROPERTIES heap{};
    heap.Type = heapType;
    D3D12_RESOURCE_DESC desc{};
    desc.Dimension = D3D12_RESOURCE_DIMENSION_BUFFER;
    desc.Width = size;
    desc.Height = 1;
    desc.DepthOrArraySize = 1;
    desc.MipLevels = 1;
    desc.SampleDesc.Count = 1;
    desc.Layout = D3D12_TEXTURE_LAYOUT_ROW_MAJOR;
    ID3D12Resource* resource = nullptr;
    EXPECT_EQ(device->CreateCommittedResource(&heap, D3D12_HEAP_FLAG_NONE, &desc, state, nullptr,
                                              IID_ID3D12Resource,
                                              reinterpret_cast<void**>(&resource)),
              S_OK);
    return resource;
}

ID3D12Resource* GpuTest::MakeTexture(UINT width, UINT height, DXGI_FORMAT format,
                                     D3D12_RESOURCE_FLAGS flags, D3D12_RESOURCE_STATES state) {
    D3D12_HEAP_PROPERTIES heap{};
    heap.Type = D3D12_HEAP_TYPE_DEFAULT;
    D3D12_RESOURCE_DESC desc{};
    desc.Dimension = D3D12_RESOURCE_DIMENSION_TEXTURE2D;
    desc.Width = width;
    desc.Height = height;
    desc.DepthOrArraySize = 1;
    desc.MipLevels = 1;
    desc.Format = format;
    desc.SampleDesc.Count = 1;
    desc.Flags = flags;
    ID3D12Resource* resource = nullptr;
    EXPECT_EQ(device->CreateCommittedResource(&heap, D3D12_HEAP_FLAG_NONE, &desc, state, nullptr,
                                              IID_ID3D12Resource,
                                              reinterpret_cast<void**>(&resource)),
              S_OK);
    return resource;
}

std::vector<uint8_t> GpuTest::ReadBack(ID3D12Resource* texture, D3D12_RESOURCE_STATES stateBefore) {
    D3D12_RESOURCE_DESC desc = texture->GetDesc();
    D3D12_PLACED_SUBRESOURCE_FOOTPRINT footprint{};
    UINT rows = 0;
    UINT64 rowSize = 0, total = 0;
    device->GetCopyableFootprints(&desc, 0, 1, 0, &footprint, &rows, &rowSize, &total);
    ID3D12Resource* readback =
        MakeBuffer(D3D12_HEAP_TYPE_READBACK, total, D3D12_RESOURCE_STATE_COPY_DEST);
    if (readback == nullptr) {
        return {};
    }
    D3D12_RESOURCE_BARRIER barrier{};
    barrier.Type = D3D12_RESOURCE_BARRIER_TYPE_TRANSITION;
    barrier.Transition.pResource = texture;
    barrier.Transition.Subresource = D3D12_RESOURCE_BARRIER_ALL_SUBRESOURCES;
    barrier.Transition.StateBefore = stateBefore;
    barrier.Transition.StateAfter = D3D12_RESOURCE_STATE_COPY_SOURCE;
    list->ResourceBarrier(1, &barrier);
    D3D12_TEXTURE_COPY_LOCATION destination{};
    destination.pResource = readback;
    destination.Type = D3D12_TEXTURE_COPY_TYPE_PLACED_FOOTPRINT;
    destination.PlacedFootprint = footprint;
    D3D12_TEXTURE_COPY_LOCATION source{};
    source.pResource = texture;
    source.Type = D3D12_TEXTURE_COPY_TYPE_SUBRESOURCE_INDEX;
    source.SubresourceIndex = 0;
    list->CopyTextureRegion(&destination, 0, 0, 0, &source, nullptr);
    std::swap(barrier.Transition.StateBefore, barrier.Transition.StateAfter);
    list->ResourceBarrier(1, &barrier);
    ExecuteAndWait();

    std::vector<uint8_t> packed(size_t(rowSize) * rows);
    void* mapped = nullptr;
    EXPECT_EQ(readback->Map(0, nullptr, &mapped), S_OK);
    if (mapped != nullptr) {
        for (UINT row = 0; row < rows; ++row) {
            std::memcpy(packed.data() + row * rowSize,
                        static_cast<uint8_t*>(mapped) + footprint.Offset +
                            row * footprint.Footprint.RowPitch,
                        size_t(rowSize));
        }
        readback->Unmap(0, nullptr);
    }
    readback->Release();
    return packed;
}
