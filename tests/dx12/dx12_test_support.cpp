#include "dx12_test_support.h"

#include <device.h>

#include <platform_testing.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include <unistd.h>

StdoutCapture::StdoutCapture() : active_(true) {
    std::fflush(stdout);
    testing::internal::CaptureStdout();
}

StdoutCapture::~StdoutCapture() {
    if (active_) {
        Take();
    }
}

std::string StdoutCapture::Take() {
    std::fflush(stdout);
    active_ = false;
    return testing::internal::GetCapturedStdout();
}

void DeviceTest::SetUp() {
    platform_testing::ClearRefusals();
    liveBefore = platform_testing::LiveObjects();
    ASSERT_EQ(D3D12CreateDevice(nullptr, D3D_FEATURE_LEVEL_12_1, IID_ID3D12Device,
                                reinterpret_cast<void**>(&device)),
              S_OK);
    queue = Dx12::CreateCommandQueue(device);
    ASSERT_NE(queue, nullptr);
    ASSERT_EQ(device->CreateCommandAllocator(D3D12_COMMAND_LIST_TYPE_DIRECT,
                                             IID_ID3D12CommandAllocator,
                                             reinterpret_cast<void**>(&allocator)),
              S_OK);
    ASSERT_EQ(device->CreateCommandList(0, D3D12_COMMAND_LIST_TYPE_DIRECT, allocator, nullptr,
                                        IID_ID3D12GraphicsCommandList,
                                        reinterpret_cast<void**>(&list)),
              S_OK);
    ASSERT_EQ(list->Close(), S_OK);
    ASSERT_EQ(device->CreateFence(0, D3D12_FENCE_FLAG_NONE, IID_ID3D12Fence,
                                  reinterpret_cast<void**>(&fence)),
              S_OK);
    event = CreateEventExA(nullptr, nullptr, 0, EVENT_ALL_ACCESS);
    ASSERT_NE(event, nullptr);
}

void DeviceTest::TearDown() {
    platform_testing::ClearRefusals();
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

void DeviceTest::BeginCommands() {
    ASSERT_EQ(allocator->Reset(), S_OK);
    ASSERT_EQ(list->Reset(allocator, nullptr), S_OK);
}

void DeviceTest::ExecuteAndWait() {
    ASSERT_EQ(list->Close(), S_OK);
    ID3D12CommandList* lists[] = {list};
    queue->ExecuteCommandLists(1, lists);
    ++fenceValue;
    ASSERT_EQ(queue->Signal(fence, fenceValue), S_OK);
    if (fence->GetCompletedValue() < fenceValue) {
        ASSERT_EQ(fence->SetEventOnCompletion(fenceValue, event), S_OK);
        ASSERT_EQ(WaitForSingleObject(event, 20000), WAIT_OBJECT_0);
    }
}

void DeviceTest::Transition(ID3D12Resource* resource, D3D12_RESOURCE_STATES before,
                            D3D12_RESOURCE_STATES after) {
    D3D12_RESOURCE_BARRIER barrier{};
    barrier.Type = D3D12_RESOURCE_BARRIER_TYPE_TRANSITION;
    barrier.Transition.pResource = resource;
    barrier.Transition.Subresource = D3D12_RESOURCE_BARRIER_ALL_SUBRESOURCES;
    barrier.Transition.StateBefore = before;
    barrier.Transition.StateAfter = after;
    list->ResourceBarrier(1, &barrier);
}

std::vector<uint8_t> DeviceTest::ReadBack(ID3D12Resource* texture, D3D12_RESOURCE_STATES state) {
    const D3D12_RESOURCE_DESC desc = texture->GetDesc();
    D3D12_PLACED_SUBRESOURCE_FOOTPRINT footprint{};
    UINT rows = 0;
    UINT64 rowSize = 0;
    UINT64 total = 0;
    device->GetCopyableFootprints(&desc, 0, 1, 0, &footprint, &rows, &rowSize, &total);

    D3D12_HEAP_PROPERTIES heap{};
    heap.Type = D3D12_HEAP_TYPE_READBACK;
    D3D12_RESOURCE_DESC bufferDesc{};
    bufferDesc.Dimension = D3D12_RESOURCE_DIMENSION_BUFFER;
    bufferDesc.Width = total;
    bufferDesc.Height = 1;
    bufferDesc.DepthOrArraySize = 1;
    bufferDesc.MipLevels = 1;
    bufferDesc.SampleDesc.Count = 1;
    bufferDesc.Layout = D3D12_TEXTURE_LAYOUT_ROW_MAJOR;
    ID3D12Resource* readback = nullptr;
    EXPECT_EQ(device->CreateCommittedResource(
                  &heap, D3D12_HEAP_FLAG_NONE, &bufferDesc, D3D12_RESOURCE_STATE_COPY_DEST, nullptr,
                  IID_ID3D12Resource, reinterpret_cast<void**>(&readback)),
              S_OK);
    if (readback == nullptr) {
        return {};
    }

    BeginCommands();
    Transition(texture, state, D3D12_RESOURCE_STATE_COPY_SOURCE);
    D3D12_TEXTURE_COPY_LOCATION destination{};
    destination.pResource = readback;
    destination.Type = D3D12_TEXTURE_COPY_TYPE_PLACED_FOOTPRINT;
    destination.PlacedFootprint = footprint;
    D3D12_TEXTURE_COPY_LOCATION source{};
    source.pResource = texture;
    source.Type = D3D12_TEXTURE_COPY_TYPE_SUBRESOURCE_INDEX;
    source.SubresourceIndex = 0;
    list->CopyTextureRegion(&destination, 0, 0, 0, &source, nullptr);
    Transition(texture, D3D12_RESOURCE_STATE_COPY_SOURCE, state);
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

std::string WriteTempFile(const std::string& name, const std::string& source) {
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("dx12_tests_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::filesystem::path path = folder / name;
    std::ofstream(path, std::ios::binary) << source;
    return path.string();
}

size_t CountOccurrences(const std::string& text, const std::string& needle) {
    size_t count = 0;
    for (size_t at = text.find(needle); at != std::string::npos;
         at = text.find(needle, at + needle.size())) {
        ++count;
    }
    return count;
}
