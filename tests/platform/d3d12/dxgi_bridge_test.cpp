// The bridge the DXGI stand-in presents through: swap-chain buffers, their
// Vulkan images and layouts, and Vulkan work ordered on a Direct3D 12 queue.
#include "gpu_fixture.h"

#include <dxgi_bridge.h>

TEST_F(GpuTest, SwapChainBuffersAreRenderTargetsThatStartInPresent) {
    ComPtr<ID3D12Resource> buffer;
    ASSERT_EQ(d3d12_standin::CreateSwapChainBuffer(queue, 32, 16, DXGI_FORMAT_R8G8B8A8_UNORM,
                                                   buffer.Put()),
              S_OK);
    D3D12_RESOURCE_DESC desc = buffer->GetDesc();
    EXPECT_EQ(desc.Width, 32u);
    EXPECT_EQ(desc.Height, 16u);
    EXPECT_EQ(desc.MipLevels, 1u);
    EXPECT_EQ(desc.Flags, D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET);
    EXPECT_NE(d3d12_standin::GetImage(buffer), VkImage(VK_NULL_HANDLE));
    EXPECT_EQ(d3d12_standin::GetImageLayout(buffer), VK_IMAGE_LAYOUT_UNDEFINED);

    // Drawn the way the system draws a frame: PRESENT -> RENDER_TARGET -> PRESENT.
    ComPtr<ID3D12DescriptorHeap> heap{MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_RTV)};
    ASSERT_NE(heap, nullptr);
    D3D12_CPU_DESCRIPTOR_HANDLE rtv = heap->GetCPUDescriptorHandleForHeapStart();
    device->CreateRenderTargetView(buffer, nullptr, rtv);
    D3D12_RESOURCE_BARRIER barrier =
        Transition(buffer, D3D12_RESOURCE_STATE_PRESENT, D3D12_RESOURCE_STATE_RENDER_TARGET);
    list->ResourceBarrier(1, &barrier);
    const float blue[4] = {0, 0, 1, 1};
    list->ClearRenderTargetView(rtv, blue, 0, nullptr);
    std::swap(barrier.Transition.StateBefore, barrier.Transition.StateAfter);
    list->ResourceBarrier(1, &barrier);
    testing::internal::CaptureStderr();
    ExecuteAndWait();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(d3d12_standin::GetImageLayout(buffer), VK_IMAGE_LAYOUT_GENERAL);

    ComPtr<ID3D12Resource> plainBuffer{
        MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, 256, D3D12_RESOURCE_STATE_GENERIC_READ)};
    EXPECT_EQ(d3d12_standin::GetImage(plainBuffer), VkImage(VK_NULL_HANDLE));
}

TEST_F(GpuTest, WorkSubmittedThroughTheBridgeRunsAfterTheQueuesWork) {
    d3d12_standin::QueueAccess access{};
    ASSERT_TRUE(d3d12_standin::GetQueueAccess(queue, &access));
    EXPECT_NE(access.device, VkDevice(VK_NULL_HANDLE));
    EXPECT_FALSE(
        d3d12_standin::GetQueueAccess(reinterpret_cast<ID3D12CommandQueue*>(fence), &access));

    // The queue is held until the CPU signals the fence; bridge work queued
    // behind it must not finish first.
    ASSERT_EQ(queue->Wait(fence, 1), S_OK);
    VkFenceCreateInfo info{};
    info.sType = VK_STRUCTURE_TYPE_FENCE_CREATE_INFO;
    VkFence done = VK_NULL_HANDLE;
    d3d12_standin::GetQueueAccess(queue, &access);
    ASSERT_EQ(vkCreateFence(access.device, &info, nullptr, &done), VK_SUCCESS);
    ASSERT_EQ(d3d12_standin::SubmitOnQueue(queue, VK_NULL_HANDLE, VK_NULL_HANDLE, 0, VK_NULL_HANDLE,
                                           done),
              S_OK);
    EXPECT_EQ(vkWaitForFences(access.device, 1, &done, VK_TRUE, 50'000'000), VK_TIMEOUT);
    ASSERT_EQ(fence->Signal(1), S_OK);
    EXPECT_EQ(vkWaitForFences(access.device, 1, &done, VK_TRUE, 10'000'000'000ull), VK_SUCCESS);
    vkDestroyFence(access.device, done, nullptr);
    fenceValue = 1;
}
