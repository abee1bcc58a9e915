// DiscardResource: a discarded target can be cleared and drawn into again,
// and the debug layer checks the region and the state it is discarded in.
#include "gpu_fixture.h"

#include <standin_checks.h>

namespace {

using DiscardResourceTest = GpuTest;

TEST_F(DiscardResourceTest, DiscardedTargetIsClearedAfterwardsWithoutMessages) {
    ComPtr<ID3D12Resource> target;
    ComPtr<ID3D12DescriptorHeap> rtvHeap;
    MakeRenderTarget(4, &target, &rtvHeap);
    list->DiscardResource(target, nullptr);
    const float green[4] = {0, 1, 0, 1};
    list->ClearRenderTargetView(rtvHeap->GetCPUDescriptorHandleForHeapStart(), green, 0, nullptr);
    std::vector<uint8_t> pixels = ReadBack(target, D3D12_RESOURCE_STATE_RENDER_TARGET);
    ASSERT_EQ(pixels.size(), 4u * 4 * 4);
    EXPECT_EQ(PixelAt(pixels, 4, 2, 2), 0xFF00FF00u);
    std::vector<DebugMessage> messages = TakeDebugMessages(device);
    EXPECT_EQ(CountMessages(messages, D3D12_MESSAGE_ID_INVALID_SUBRESOURCE_STATE), 0u);
}

TEST_F(DiscardResourceTest, RangesPastTheResourceAndWrongStatesAreReported) {
    ComPtr<ID3D12Resource> texture{MakeTexture(4, 4, DXGI_FORMAT_R8G8B8A8_UNORM,
                                               D3D12_RESOURCE_FLAG_ALLOW_UNORDERED_ACCESS,
                                               D3D12_RESOURCE_STATE_COPY_DEST)};
    ASSERT_TRUE(texture);
    const D3D12_DISCARD_REGION past{0, nullptr, 0, 2};
    list->DiscardResource(texture, &past);
    EXPECT_TRUE(FAILED(list->Close()));
    EXPECT_EQ(CountMessages(TakeDebugMessages(device),
                            D3D12_MESSAGE_ID_DISCARD_INVALID_SUBRESOURCE_RANGE),
              1u);
    BeginCommands();
    list->DiscardResource(texture, nullptr); // in COPY_DEST, not UNORDERED_ACCESS
    ExecuteAndWait();
    EXPECT_EQ(CountMessages(TakeDebugMessages(device), D3D12_MESSAGE_ID_INVALID_SUBRESOURCE_STATE),
              1u);
    AcknowledgeProvokedErrors();
}

} // namespace
