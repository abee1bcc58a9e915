// Clears, texture copies and resource-state tracking, read back through
// CopyTextureRegion into a readback buffer.
#include "gpu_fixture.h"

#include <platform_testing.h>

#include <d3dx12.h>

#include <cstring>

namespace {

struct ViewHeap {
    ID3D12DescriptorHeap* heap = nullptr;
    D3D12_CPU_DESCRIPTOR_HANDLE start{};
};

ViewHeap MakeViewHeap(ID3D12Device* device, D3D12_DESCRIPTOR_HEAP_TYPE type) {
    ViewHeap result;
    result.heap = MakeDescriptorHeap(device, type);
    if (result.heap != nullptr) {
        result.start = result.heap->GetCPUDescriptorHandleForHeapStart();
    }
    return result;
}

} // namespace

TEST_F(GpuTest, ClearedRenderTargetReadsBackAsTheClearColour) {
    ComPtr<ID3D12Resource> target{MakeTexture(64, 32, DXGI_FORMAT_R8G8B8A8_UNORM,
                                              D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET,
                                              D3D12_RESOURCE_STATE_RENDER_TARGET)};
    ViewHeap rtv = MakeViewHeap(device, D3D12_DESCRIPTOR_HEAP_TYPE_RTV);
    ASSERT_TRUE(target && rtv.heap);
    device->CreateRenderTargetView(target, nullptr, rtv.start);
    const float cyan[4] = {0.0f, 1.0f, 1.0f, 0.0f};
    list->ClearRenderTargetView(rtv.start, cyan, 0, nullptr);
    // A second clear limited to one rectangle leaves the rest alone.
    const float red[4] = {1.0f, 0.0f, 0.0f, 1.0f};
    D3D12_RECT corner{60, 28, 64, 32};
    list->ClearRenderTargetView(rtv.start, red, 1, &corner);

    std::vector<uint8_t> pixels = ReadBack(target, D3D12_RESOURCE_STATE_RENDER_TARGET);
    ASSERT_EQ(pixels.size(), 64u * 32u * 4u);
    EXPECT_EQ(PixelAt(pixels, 64, 0, 0), 0x00FFFF00u);
    EXPECT_EQ(PixelAt(pixels, 64, 59, 31), 0x00FFFF00u);
    EXPECT_EQ(PixelAt(pixels, 64, 63, 31), 0xFF0000FFu);
    EXPECT_EQ(PixelAt(pixels, 64, 60, 28), 0xFF0000FFu);
    rtv.heap->Release();
}

TEST_F(GpuTest, TextureUploadedFromAFootprintReadsBackUnchanged) {
    constexpr UINT kWidth = 100, kHeight = 20; // rows of 400 bytes in 512-byte pitches
    ComPtr<ID3D12Resource> texture{MakeTexture(kWidth, kHeight, DXGI_FORMAT_R8G8B8A8_UNORM,
                                               D3D12_RESOURCE_FLAG_NONE,
                                               D3D12_RESOURCE_STATE_COMMON)};
    ASSERT_NE(texture, nullptr);
    std::vector<uint32_t> texels;
    for (UINT y = 0; y < kHeight; ++y) {
        for (UINT x = 0; x < kWidth; ++x) {
            texels.push_back(0xFF000000u | (y << 8) | x);
        }
    }
    D3D12_PLACED_SUBRESOURCE_FOOTPRINT footprint{};
    ComPtr<ID3D12Resource> upload{MakeTextureUpload(device, texture, texels, &footprint)};
    ASSERT_NE(upload, nullptr);
    ASSERT_EQ(footprint.Footprint.RowPitch, 512u);

    // COMMON is promoted to COPY_DEST by the copy itself, as the system relies on.
    CopyBufferToTexture(list, upload, footprint, texture);
    D3D12_RESOURCE_BARRIER back =
        Transition(texture, D3D12_RESOURCE_STATE_COPY_DEST, D3D12_RESOURCE_STATE_COMMON);
    list->ResourceBarrier(1, &back);
    testing::internal::CaptureStderr();
    ExecuteAndWait();
    std::vector<uint8_t> pixels = ReadBack(texture, D3D12_RESOURCE_STATE_COMMON);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "the barriers matched the states";
    ASSERT_EQ(pixels.size(), size_t(kWidth) * kHeight * 4);
    EXPECT_EQ(PixelAt(pixels, kWidth, 0, 0), 0xFF000000u);
    EXPECT_EQ(PixelAt(pixels, kWidth, 99, 0), 0xFF000063u);
    EXPECT_EQ(PixelAt(pixels, kWidth, 7, 19), 0xFF001307u);
}

TEST_F(GpuTest, CopiesReachingPastTheFootprintBufferAreRejected) {
    ComPtr<ID3D12Resource> texture{MakeTexture(
        64, 64, DXGI_FORMAT_R8G8B8A8_UNORM, D3D12_RESOURCE_FLAG_NONE, D3D12_RESOURCE_STATE_COMMON)};
    ComPtr<ID3D12Resource> small{
        MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, 1024, D3D12_RESOURCE_STATE_GENERIC_READ)};
    D3D12_RESOURCE_DESC desc = texture->GetDesc();
    D3D12_TEXTURE_COPY_LOCATION destination{};
    destination.pResource = texture;
    destination.Type = D3D12_TEXTURE_COPY_TYPE_SUBRESOURCE_INDEX;
    D3D12_TEXTURE_COPY_LOCATION source{};
    source.pResource = small;
    source.Type = D3D12_TEXTURE_COPY_TYPE_PLACED_FOOTPRINT;
    device->GetCopyableFootprints(&desc, 0, 1, 0, &source.PlacedFootprint, nullptr, nullptr,
                                  nullptr);
    list->CopyTextureRegion(&destination, 0, 0, 0, &source, nullptr);
    EXPECT_EQ(list->Close(), E_FAIL);
}

// The debug layer reports the wrong "before" state; the translation moves the
// texture from the state it is really in.
TEST_F(GpuTest, BarrierFromTheWrongStateIsReportedOnceAndStillWorks) {
    ComPtr<ID3D12Resource> target{MakeTexture(8, 8, DXGI_FORMAT_R8G8B8A8_UNORM,
                                              D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET,
                                              D3D12_RESOURCE_STATE_GENERIC_READ)};
    ViewHeap rtv = MakeViewHeap(device, D3D12_DESCRIPTOR_HEAP_TYPE_RTV);
    device->CreateRenderTargetView(target, nullptr, rtv.start);
    const float green[4] = {0.0f, 1.0f, 0.0f, 1.0f};
    // The texture is in GENERIC_READ, not COMMON as these barriers claim.
    D3D12_RESOURCE_BARRIER open =
        Transition(target, D3D12_RESOURCE_STATE_COMMON, D3D12_RESOURCE_STATE_RENDER_TARGET);
    D3D12_RESOURCE_BARRIER close = Transition(target, D3D12_RESOURCE_STATE_RENDER_TARGET,
                                              D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE);
    for (int pass = 0; pass < 2; ++pass) {
        list->ResourceBarrier(1, &open);
        list->ClearRenderTargetView(rtv.start, green, 0, nullptr);
        list->ResourceBarrier(1, &close);
        ExecuteAndWait();
    }
    std::vector<DebugMessage> reported = TakeDebugMessages(device);
    EXPECT_EQ(CountMessages(reported, D3D12_MESSAGE_ID_RESOURCE_BARRIER_BEFORE_AFTER_MISMATCH), 1u)
        << "reported once per resource, not once per list";
    platform_testing::AcknowledgeD3D12Errors();

    std::vector<uint8_t> pixels = ReadBack(target, D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE);
    ASSERT_FALSE(pixels.empty());
    EXPECT_EQ(PixelAt(pixels, 8, 4, 4), 0xFF00FF00u);
    rtv.heap->Release();
}

TEST_F(GpuTest, DepthBufferClearedInGenericReadIsReportedAndStillCleared) {
    ComPtr<ID3D12Resource> depth{MakeTexture(16, 16, DXGI_FORMAT_D32_FLOAT,
                                             D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL,
                                             D3D12_RESOURCE_STATE_GENERIC_READ)};
    ViewHeap dsv = MakeViewHeap(device, D3D12_DESCRIPTOR_HEAP_TYPE_DSV);
    ASSERT_TRUE(depth && dsv.heap);
    D3D12_DEPTH_STENCIL_VIEW_DESC view{};
    view.Format = DXGI_FORMAT_D32_FLOAT;
    view.ViewDimension = D3D12_DSV_DIMENSION_TEXTURE2D;
    device->CreateDepthStencilView(depth, &view, dsv.start);
    list->OMSetRenderTargets(0, nullptr, FALSE, &dsv.start);
    list->ClearDepthStencilView(dsv.start, D3D12_CLEAR_FLAG_DEPTH, 0.25f, 0, 0, nullptr);
    ExecuteAndWait();
    std::vector<DebugMessage> reported = TakeDebugMessages(device);
    ASSERT_EQ(CountMessages(reported, D3D12_MESSAGE_ID_INVALID_SUBRESOURCE_STATE), 1u);
    platform_testing::AcknowledgeD3D12Errors();

    std::vector<uint8_t> texels = ReadBack(depth, D3D12_RESOURCE_STATE_GENERIC_READ);
    ASSERT_EQ(texels.size(), 16u * 16u * 4u);
    float value = 0.0f;
    std::memcpy(&value, texels.data() + (5 * 16 + 9) * 4, 4);
    EXPECT_FLOAT_EQ(value, 0.25f);
    dsv.heap->Release();
}

TEST_F(GpuTest, ReleasingEverythingBringsLiveObjectsBack) {
    long withFixture = platform_testing::LiveObjects();
    ComPtr<ID3D12Resource> texture{MakeTexture(8, 8, DXGI_FORMAT_R8G8B8A8_UNORM,
                                               D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET,
                                               D3D12_RESOURCE_STATE_RENDER_TARGET)};
    ViewHeap rtv = MakeViewHeap(device, D3D12_DESCRIPTOR_HEAP_TYPE_RTV);
    device->CreateRenderTargetView(texture, nullptr, rtv.start);
    const float black[4] = {};
    list->ClearRenderTargetView(rtv.start, black, 0, nullptr);
    ASSERT_EQ(list->Close(), S_OK);
    ID3D12CommandList* lists[] = {list};
    queue->ExecuteCommandLists(1, lists);
    // Released while the GPU may still be using it: the debug layer says so,
    // and the stand-in keeps the Vulkan objects until the work is done.
    texture.Reset();
    rtv.heap->Release();
    EXPECT_EQ(platform_testing::LiveObjects(), withFixture);
    WaitForQueue();
    EXPECT_EQ(CountMessages(TakeDebugMessages(device),
                            D3D12_MESSAGE_ID_OBJECT_DELETED_WHILE_STILL_IN_USE),
              1u);
    platform_testing::AcknowledgeD3D12Errors();
    // TearDown checks that the device goes and the count returns to the start.
}

TEST_F(GpuTest, NullViewsAreAcceptedAndListsInErrorAreNotExecuted) {
    ViewHeap rtv = MakeViewHeap(device, D3D12_DESCRIPTOR_HEAP_TYPE_RTV);
    D3D12_RENDER_TARGET_VIEW_DESC nullView{};
    nullView.Format = DXGI_FORMAT_R8G8B8A8_UNORM;
    nullView.ViewDimension = D3D12_RTV_DIMENSION_TEXTURE2D;
    device->CreateRenderTargetView(nullptr, &nullView, rtv.start);
    const float white[4] = {1, 1, 1, 1};
    list->OMSetRenderTargets(1, &rtv.start, FALSE, nullptr);
    list->ClearRenderTargetView(rtv.start, white, 0, nullptr); // nothing to clear: fine
    uint64_t executed = platform_testing::ExecutedCommandLists(queue);
    ExecuteAndWait();
    EXPECT_EQ(platform_testing::ExecutedCommandLists(queue), executed + 1);

    // A handle into no heap puts the list in error; executing it does nothing.
    D3D12_CPU_DESCRIPTOR_HANDLE bogus{rtv.start.ptr + 4096};
    list->ClearRenderTargetView(bogus, white, 0, nullptr);
    EXPECT_EQ(list->Close(), E_FAIL);
    ID3D12CommandList* lists[] = {list};
    queue->ExecuteCommandLists(1, lists);
    EXPECT_EQ(platform_testing::ExecutedCommandLists(queue), executed + 1);
    EXPECT_EQ(CountMessages(TakeDebugMessages(device),
                            D3D12_MESSAGE_ID_EXECUTECOMMANDLISTS_FAILEDCOMMANDLIST),
              1u);
    platform_testing::AcknowledgeD3D12Errors();
    WaitForQueue();
    rtv.heap->Release();
}

TEST_F(GpuTest, SecondMipRoundTripsThroughItsOwnFootprint) {
    const CD3DX12_HEAP_PROPERTIES heap(D3D12_HEAP_TYPE_DEFAULT);
    const CD3DX12_RESOURCE_DESC desc =
        CD3DX12_RESOURCE_DESC::Tex2D(DXGI_FORMAT_R8G8B8A8_UNORM, 64, 64, 1, 2);
    ComPtr<ID3D12Resource> texture;
    ASSERT_EQ(device->CreateCommittedResource(&heap, D3D12_HEAP_FLAG_NONE, &desc,
                                              D3D12_RESOURCE_STATE_COPY_DEST, nullptr,
                                              IID_ID3D12Resource, texture.PutVoid()),
              S_OK);
    D3D12_PLACED_SUBRESOURCE_FOOTPRINT layouts[2]{};
    UINT64 total = 0;
    device->GetCopyableFootprints(&desc, 0, 2, 0, layouts, nullptr, nullptr, &total);
    ComPtr<ID3D12Resource> upload{
        MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, total, D3D12_RESOURCE_STATE_GENERIC_READ)};
    ComPtr<ID3D12Resource> readback{
        MakeBuffer(D3D12_HEAP_TYPE_READBACK, total, D3D12_RESOURCE_STATE_COPY_DEST)};
    uint8_t* bytes = nullptr;
    ASSERT_EQ(upload->Map(0, nullptr, reinterpret_cast<void**>(&bytes)), S_OK);
    for (UINT y = 0; y < 32; ++y) {
        for (UINT x = 0; x < 32; ++x) {
            uint32_t value = 0xFF000000u | (y << 8) | x;
            std::memcpy(bytes + layouts[1].Offset + y * layouts[1].Footprint.RowPitch + x * 4,
                        &value, 4);
        }
    }
    upload->Unmap(0, nullptr);

    const CD3DX12_TEXTURE_COPY_LOCATION mip1(texture, 1);
    const CD3DX12_TEXTURE_COPY_LOCATION uploaded(upload, layouts[1]);
    list->CopyTextureRegion(&mip1, 0, 0, 0, &uploaded, nullptr);
    D3D12_RESOURCE_BARRIER barrier =
        Transition(texture, D3D12_RESOURCE_STATE_COPY_DEST, D3D12_RESOURCE_STATE_COPY_SOURCE);
    list->ResourceBarrier(1, &barrier);
    // Only a 4x2 box from (8, 3) comes back, placed at (1, 1) of the footprint.
    const CD3DX12_TEXTURE_COPY_LOCATION back(readback, layouts[1]);
    D3D12_BOX box{8, 3, 0, 12, 5, 1};
    list->CopyTextureRegion(&back, 1, 1, 0, &mip1, &box);
    ExecuteAndWait();

    ASSERT_EQ(readback->Map(0, nullptr, reinterpret_cast<void**>(&bytes)), S_OK);
    auto texel = [&](UINT x, UINT y) {
        uint32_t value = 0;
        std::memcpy(&value, bytes + layouts[1].Offset + y * layouts[1].Footprint.RowPitch + x * 4,
                    4);
        return value;
    };
    EXPECT_EQ(texel(1, 1), 0xFF000308u);
    EXPECT_EQ(texel(4, 2), 0xFF00040Bu);
    EXPECT_EQ(texel(0, 0), 0u) << "outside the box nothing is written";
    EXPECT_EQ(texel(5, 1), 0u);
    readback->Unmap(0, nullptr);
}

// UAV and aliasing barriers order memory, whatever resource they name: each
// reaches the GPU as a barrier of its own, and nothing is reported.
TEST_F(GpuTest, UavAndAliasingBarriersBecomeMemoryBarriers) {
    D3D12_RESOURCE_BARRIER barriers[2]{};
    barriers[0].Type = D3D12_RESOURCE_BARRIER_TYPE_UAV;
    barriers[1].Type = D3D12_RESOURCE_BARRIER_TYPE_ALIASING;
    for (const D3D12_RESOURCE_BARRIER& barrier : barriers) {
        const uint64_t before = platform_testing::TranslatedBarriers();
        list->ResourceBarrier(1, &barrier);
        ExecuteAndWait();
        EXPECT_EQ(platform_testing::TranslatedBarriers(), before + 1) << "type " << barrier.Type;
    }
    EXPECT_TRUE(TakeDebugMessages(device).empty());
}
