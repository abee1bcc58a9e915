// Dx12::Device on a real window: command sets, fences, swap chain and views.
#include "dx12_test_support.h"

#include <dx12/device.h>

#include <platform_testing.h>

#include <chrono>
#include <cstring>
#include <thread>

namespace {

class DeviceLayerTest : public testing::Test {
protected:
    void SetUp() override {
        platform_testing::ClearRefusals();
        liveBefore = platform_testing::LiveObjects();
        window = MakeTestWindow("Dx12 device test", kWidth, kHeight);
        ASSERT_NE(window, HWND{});
    }
    void TearDown() override {
        delete gpu;
        gpu = nullptr;
        DestroyWindow(window);
        platform_testing::ClearRefusals();
        EXPECT_EQ(platform_testing::LiveObjects(), liveBefore) << "the device left objects alive";
    }

    void Create() {
        StdoutCapture quiet;
        gpu = new Dx12::Device(window, kWidth, kHeight, 2);
        EXPECT_EQ(quiet.Take(), "");
    }

    static constexpr int kWidth = 96;
    static constexpr int kHeight = 64;
    HWND window{};
    Dx12::Device* gpu = nullptr;
    long liveBefore = 0;
};

TEST_F(DeviceLayerTest, ConstructionLeavesBothSetsIdle) {
    Create();
    ASSERT_NE(gpu->device, nullptr);
    ASSERT_NE(gpu->swapChain, nullptr);
    EXPECT_EQ(gpu->fenceValue[0], 1u);
    EXPECT_EQ(gpu->fenceValue[1], 1u);
    ASSERT_EQ(gpu->backBuffers.size(), 2u);
    for (int set = 0; set < 2; ++set) {
        ASSERT_NE(gpu->commandQueue[set], nullptr);
        ASSERT_NE(gpu->fence[set], nullptr);
        EXPECT_NE(gpu->fenceEvent[set], nullptr);
        EXPECT_EQ(gpu->fence[set]->GetCompletedValue(), 0u) << "signalled 0 once";
        // A list that is still recording cannot be reset.
        ASSERT_EQ(gpu->commandAllocator[set]->Reset(), S_OK);
        EXPECT_EQ(gpu->commandList[set]->Reset(gpu->commandAllocator[set], nullptr), S_OK);
        EXPECT_EQ(gpu->commandList[set]->Close(), S_OK);
    }
    ASSERT_NE(gpu->depthBuffer, nullptr);
    const D3D12_RESOURCE_DESC depth = gpu->depthBuffer->GetDesc();
    EXPECT_EQ(depth.Format, DXGI_FORMAT_D32_FLOAT);
    EXPECT_EQ(depth.Width, UINT64(kWidth));
    EXPECT_EQ(depth.Height, UINT(kHeight));
    EXPECT_EQ(gpu->renderTargetHeap->GetDesc().NumDescriptors, 2u);
}

TEST_F(DeviceLayerTest, BackBufferViewsSitOneIncrementApart) {
    Create();
    ASSERT_EQ(gpu->backBuffers.size(), 2u);
    ASSERT_NE(gpu->backBuffers[0], nullptr);
    ASSERT_NE(gpu->backBuffers[1], nullptr);
    const UINT increment =
        gpu->device->GetDescriptorHandleIncrementSize(D3D12_DESCRIPTOR_HEAP_TYPE_RTV);
    const D3D12_CPU_DESCRIPTOR_HANDLE start =
        gpu->renderTargetHeap->GetCPUDescriptorHandleForHeapStart();
    const float colors[2][4] = {{0, 0, 1, 1}, {1, 0, 0, 1}};
    const uint32_t expected[2] = {0xFFFF0000u, 0xFF0000FFu}; // RGBA bytes, little-endian

    // Clear each buffer through its view and copy it out, on command set 0.
    ID3D12GraphicsCommandList* list = gpu->commandList[0];
    ASSERT_EQ(gpu->commandAllocator[0]->Reset(), S_OK);
    ASSERT_EQ(list->Reset(gpu->commandAllocator[0], nullptr), S_OK);
    ID3D12Resource* readback[2] = {};
    D3D12_PLACED_SUBRESOURCE_FOOTPRINT footprint{};
    for (int i = 0; i < 2; ++i) {
        const D3D12_RESOURCE_DESC desc = gpu->backBuffers[i]->GetDesc();
        UINT64 total = 0;
        gpu->device->GetCopyableFootprints(&desc, 0, 1, 0, &footprint, nullptr, nullptr, &total);
        readback[i] = MakeBuffer(gpu->device, D3D12_HEAP_TYPE_READBACK, total,
                                 D3D12_RESOURCE_STATE_COPY_DEST);
        ASSERT_NE(readback[i], nullptr);

        const D3D12_RESOURCE_BARRIER toTarget = Transition(
            gpu->backBuffers[i], D3D12_RESOURCE_STATE_PRESENT, D3D12_RESOURCE_STATE_RENDER_TARGET);
        list->ResourceBarrier(1, &toTarget);
        const D3D12_CPU_DESCRIPTOR_HANDLE handle{start.ptr + SIZE_T(i) * increment};
        list->ClearRenderTargetView(handle, colors[i], 0, nullptr);
        const D3D12_RESOURCE_BARRIER toSource =
            Transition(gpu->backBuffers[i], D3D12_RESOURCE_STATE_RENDER_TARGET,
                       D3D12_RESOURCE_STATE_COPY_SOURCE);
        list->ResourceBarrier(1, &toSource);
        CopyTextureToBuffer(list, gpu->backBuffers[i], readback[i], footprint);
        const D3D12_RESOURCE_BARRIER toPresent = Transition(
            gpu->backBuffers[i], D3D12_RESOURCE_STATE_COPY_SOURCE, D3D12_RESOURCE_STATE_PRESENT);
        list->ResourceBarrier(1, &toPresent);
    }
    ASSERT_EQ(list->Close(), S_OK);
    ID3D12CommandList* lists[] = {list};
    gpu->commandQueue[0]->ExecuteCommandLists(1, lists);
    gpu->WaitForGpu(0);
    EXPECT_EQ(gpu->fence[0]->GetCompletedValue(), 1u) << "WaitForGpu returned before the GPU";

    for (int i = 0; i < 2; ++i) {
        void* mapped = nullptr;
        ASSERT_EQ(readback[i]->Map(0, nullptr, &mapped), S_OK);
        uint32_t first = 0, last = 0;
        std::memcpy(&first, mapped, 4);
        std::memcpy(&last,
                    static_cast<uint8_t*>(mapped) + (kHeight - 1) * footprint.Footprint.RowPitch +
                        (kWidth - 1) * 4,
                    4);
        readback[i]->Unmap(0, nullptr);
        readback[i]->Release();
        EXPECT_EQ(first, expected[i]) << "back buffer " << i;
        EXPECT_EQ(last, expected[i]) << "back buffer " << i;
    }
}

TEST_F(DeviceLayerTest, WaitOnReachedFenceSignalsWithoutBlocking) {
    Create();
    // A queue signal completes asynchronously, so only a fence that already
    // holds the value (here set from the CPU) is certain not to be waited on.
    ASSERT_EQ(gpu->fence[1]->Signal(gpu->fenceValue[1]), S_OK);
    const uint64_t blockedBefore = platform_testing::BlockingFenceWaits();
    gpu->WaitForGpu(1);
    EXPECT_EQ(platform_testing::BlockingFenceWaits(), blockedBefore);
    EXPECT_EQ(gpu->fenceValue[1], 2u);
    EXPECT_EQ(gpu->fenceValue[0], 1u);

    // A value not reached yet is waited for, and reached when WaitForGpu returns.
    gpu->WaitForGpu(1);
    gpu->WaitForGpu(1);
    EXPECT_EQ(gpu->fenceValue[1], 4u);
    EXPECT_GE(gpu->fence[1]->GetCompletedValue(), 3u);
}

TEST_F(DeviceLayerTest, WaitWithoutAnEventStillBlocksUntilTheFenceIsReached) {
    Create();
    // As if the set's event could not be created.
    ASSERT_TRUE(CloseHandle(gpu->fenceEvent[1]));
    gpu->fenceEvent[1] = nullptr;
    // The queue's signal stays behind another fence that the CPU raises later.
    ID3D12Fence* gate = nullptr;
    ASSERT_EQ(gpu->device->CreateFence(0, D3D12_FENCE_FLAG_NONE, IID_ID3D12Fence,
                                       reinterpret_cast<void**>(&gate)),
              S_OK);
    ASSERT_EQ(gpu->commandQueue[1]->Wait(gate, 1), S_OK);
    const uint64_t blockedBefore = platform_testing::BlockingFenceWaits();
    std::thread opener([gate] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        gate->Signal(1);
    });

    gpu->WaitForGpu(1);
    EXPECT_GE(gpu->fence[1]->GetCompletedValue(), 1u) << "WaitForGpu returned before the GPU";
    EXPECT_EQ(platform_testing::BlockingFenceWaits(), blockedBefore + 1);
    EXPECT_EQ(gpu->fenceValue[1], 2u);
    opener.join();
    gate->Release();
}

TEST_F(DeviceLayerTest, PresentsAdvanceOnlyTheDrawingSet) {
    Create();
    const uint64_t presentsBefore = platform_testing::Presents(gpu->swapChain);
    for (int frame = 0; frame < 3; ++frame) {
        gpu->Present();
    }
    EXPECT_EQ(platform_testing::Presents(gpu->swapChain), presentsBefore + 3);
    EXPECT_EQ(gpu->fenceValue[0], 4u);
    EXPECT_EQ(gpu->fenceValue[1], 1u);
    EXPECT_GE(gpu->fence[0]->GetCompletedValue(), 3u);
}

TEST_F(DeviceLayerTest, MissingDeviceIsReportedAndNothingAddressesIt) {
    platform_testing::RefuseNextDeviceCreations(1);
    StdoutCapture capture;
    gpu = new Dx12::Device(window, kWidth, kHeight, 2);
    EXPECT_EQ(capture.Take(),
              "ERROR : Dx12::Device::Device : D3D12CreateDevice failed hr=887A0004\n"
              "ERROR NULL DEVICE Dx12::CreateCommandQueue\n"
              "ERROR NULL DEVICE Dx12::CreateCommandQueue\n"
              "ERROR NULL DEVICE Dx12::CreateSwapChain3\n"
              "ERROR NULL DEVICE Dx12::CreateDescriptorHeap\n"
              "ERROR NULL DEVICE Dx12::CreateDescriptorHeap\n");
    EXPECT_EQ(gpu->device, nullptr);
    EXPECT_EQ(gpu->swapChain, nullptr);
    EXPECT_EQ(gpu->commandList[0], nullptr);
    EXPECT_EQ(gpu->depthBuffer, nullptr);
    EXPECT_EQ(gpu->backBuffers, (std::vector<ID3D12Resource*>{nullptr, nullptr}));
    // The frame operations stay safe on the empty device.
    gpu->Present();
    gpu->WaitForGpu(1);
    EXPECT_EQ(gpu->fenceValue[0], 2u);
}

} // namespace
