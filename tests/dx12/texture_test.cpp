// Textures, texture uploads and off-screen render targets.
#include "dx12_test_support.h"

#include <dx12/texture.h>

#include <platform_testing.h>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

using TextureTest = DeviceTest;

const std::string kAsterisks(55, '*');

std::vector<uint8_t> Pattern(size_t size) {
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i) {
        bytes[i] = uint8_t((i * 7 + i / 256) & 0xFF);
    }
    return bytes;
}

TEST_F(TextureTest, RefusedTextureReportsAndCompletes) {
    platform_testing::RefuseNextCommittedResources(1);
    StdoutCapture capture;
    Dx12::Texture texture(device, 64, 64, false, false);
    const std::string printed = capture.Take();
    EXPECT_EQ(texture.resource, nullptr);
    EXPECT_NE(texture.heap, nullptr);
    EXPECT_EQ(printed.rfind("Dx12::Texture::Texture : INFO : 64 64\n"
                            "ERROR : Dx12::Texture::Texture : Cant Create RES\n"
                            "Texture Heap=",
                            0),
              0u)
        << printed;
}

// A plain texture is made in the common state, from which the upload's copy
// starts, and in a format that keeps the bytes as they are.
TEST_F(TextureTest, UploadOf64By64ReadsBackUnchanged) {
    StdoutCapture made;
    Dx12::Texture texture(device, 64, 64, false, false);
    ASSERT_NE(texture.resource, nullptr);
    ASSERT_NE(texture.heap, nullptr);
    char heapLine[64];
    std::snprintf(heapLine, sizeof(heapLine), "Texture Heap=%X\n",
                  unsigned(reinterpret_cast<uintptr_t>(texture.heap) & 0xFFFFFFFFu));
    EXPECT_EQ(made.Take(), std::string("Dx12::Texture::Texture : INFO : 64 64\n") + heapLine);
    const std::vector<uint8_t> pixels = Pattern(64 * 64 * 4);

    BeginCommands();
    StdoutCapture capture;
    ComPtr<ID3D12Resource> upload{
        Dx12::UpdateTexture(device, list, texture.resource, pixels.data(), pixels.size())};
    EXPECT_EQ(capture.Take(), "");
    ASSERT_NE(upload, nullptr);
    EXPECT_EQ(upload->GetDesc().Width, 16384u);
    ExecuteAndWait();

    EXPECT_EQ(ReadBack(texture.resource, D3D12_RESOURCE_STATE_COMMON), pixels);
}

TEST_F(TextureTest, ShortPixelDataIsCopiedAndTheRestZeroed) {
    Dx12::Texture texture(device, 64, 64, false, false);
    ASSERT_NE(texture.resource, nullptr);
    // Fill the texture first so that zeros can only come from the upload.
    const std::vector<uint8_t> full(64 * 64 * 4, 0xAB);
    BeginCommands();
    ComPtr<ID3D12Resource> first{
        Dx12::UpdateTexture(device, list, texture.resource, full.data(), full.size())};
    ASSERT_NE(first, nullptr);
    ExecuteAndWait();

    // Ten rows in a heap block of exactly that size: reading further would be
    // caught by the address sanitizer.
    const size_t shortSize = 10 * 64 * 4 + 100;
    std::vector<uint8_t> pattern = Pattern(shortSize);
    std::unique_ptr<uint8_t[]> exact(new uint8_t[shortSize]);
    std::memcpy(exact.get(), pattern.data(), shortSize);
    BeginCommands();
    ComPtr<ID3D12Resource> upload{
        Dx12::UpdateTexture(device, list, texture.resource, exact.get(), shortSize)};
    ASSERT_NE(upload, nullptr);
    ExecuteAndWait();

    std::vector<uint8_t> expected(64 * 64 * 4, 0);
    std::memcpy(expected.data(), pattern.data(), shortSize);
    EXPECT_EQ(ReadBack(texture.resource, D3D12_RESOURCE_STATE_COMMON), expected);
}

TEST_F(TextureTest, UpdateRefusesPaddedRowsAndMissingUploadBuffer) {
    Dx12::Texture padded(device, 100, 100, false, false);
    const std::vector<uint8_t> pixels(100 * 100 * 4, 1);
    const uint64_t executedBefore = platform_testing::ExecutedCommandLists(queue);
    BeginCommands();
    StdoutCapture capture;
    EXPECT_EQ(Dx12::UpdateTexture(device, list, padded.resource, pixels.data(), pixels.size()),
              nullptr);
    EXPECT_EQ(capture.Take(), kAsterisks + "\nfail texture update!!!!\n" + kAsterisks + "\n");

    Dx12::Texture texture(device, 64, 64, false, false);
    platform_testing::RefuseNextCommittedResources(1);
    StdoutCapture refused;
    EXPECT_EQ(Dx12::UpdateTexture(device, list, texture.resource, pixels.data(), 64 * 64 * 4),
              nullptr);
    EXPECT_EQ(refused.Take(),
              kAsterisks + "\nfail texture update : uploadBuf cant alloc!\n" + kAsterisks + "\n");
    ExecuteAndWait();
    EXPECT_EQ(platform_testing::ExecutedCommandLists(queue), executedBefore + 1);

    // Missing arguments record nothing and do not crash.
    EXPECT_EQ(Dx12::UpdateTexture(device, nullptr, texture.resource, pixels.data(), 16), nullptr);
    EXPECT_EQ(Dx12::UpdateTexture(nullptr, list, texture.resource, pixels.data(), 16), nullptr);
    EXPECT_EQ(Dx12::UpdateTexture(device, list, nullptr, pixels.data(), 16), nullptr);
}

TEST_F(TextureTest, RenderTargetCreatesItsTexturesAndViews) {
    StdoutCapture capture;
    Dx12::Resource* base = new Dx12::RenderTarget(device, 48, 32, 2);
    const std::string printed = capture.Take();
    auto* target = static_cast<Dx12::RenderTarget*>(base);
    EXPECT_EQ(CountOccurrences(printed, "Dx12::Texture::Texture : INFO : 48 32\n"), 3u);
    EXPECT_EQ(CountOccurrences(printed, "Texture Heap="), 3u);
    EXPECT_EQ(target->numTargets, 2);
    EXPECT_EQ(base->resource, nullptr);
    EXPECT_EQ(base->heap, nullptr);
    ASSERT_NE(target->colorTextures[0], nullptr);
    ASSERT_NE(target->colorTextures[1], nullptr);
    for (int i = 2; i < 8; ++i) {
        EXPECT_EQ(target->colorTextures[i], nullptr);
    }
    ASSERT_NE(target->depthTexture, nullptr);
    EXPECT_EQ(target->depthTexture->resource->GetDesc().Format, DXGI_FORMAT_D32_FLOAT);
    EXPECT_NE(target->depthTexture->heap, nullptr);
    ASSERT_NE(target->renderTargetHeap, nullptr);
    EXPECT_EQ(target->renderTargetHeap->GetDesc().NumDescriptors, 2u);
    ASSERT_NE(target->depthStencilHeap, nullptr);
    EXPECT_EQ(target->renderTargetViewDesc.Format, DXGI_FORMAT_R32G32B32A32_FLOAT);
    EXPECT_EQ(target->depthStencilViewDesc.Format, DXGI_FORMAT_D32_FLOAT);

    // Both colour views and the depth view are usable: clear them and read back.
    const UINT increment = device->GetDescriptorHandleIncrementSize(D3D12_DESCRIPTOR_HEAP_TYPE_RTV);
    D3D12_CPU_DESCRIPTOR_HANDLE rtv =
        target->renderTargetHeap->GetCPUDescriptorHandleForHeapStart();
    // Values outside 0..1 survive only in a float format.
    const float colors[2][4] = {{0.25f, 0.5f, 0.75f, 1.0f}, {2.5f, -1.0f, 0.5f, 0.0f}};
    BeginCommands();
    for (int i = 0; i < 2; ++i) {
        Transition(target->colorTextures[i]->resource, D3D12_RESOURCE_STATE_GENERIC_READ,
                   D3D12_RESOURCE_STATE_RENDER_TARGET);
        D3D12_CPU_DESCRIPTOR_HANDLE handle{rtv.ptr + SIZE_T(i) * increment};
        list->ClearRenderTargetView(handle, colors[i], 0, nullptr);
        Transition(target->colorTextures[i]->resource, D3D12_RESOURCE_STATE_RENDER_TARGET,
                   D3D12_RESOURCE_STATE_GENERIC_READ);
    }
    // The depth texture is made in DEPTH_WRITE and stays there.
    list->ClearDepthStencilView(target->depthStencilHeap->GetCPUDescriptorHandleForHeapStart(),
                                D3D12_CLEAR_FLAG_DEPTH, 0.375f, 0, 0, nullptr);
    ExecuteAndWait();
    for (int i = 0; i < 2; ++i) {
        std::vector<uint8_t> texels =
            ReadBack(target->colorTextures[i]->resource, D3D12_RESOURCE_STATE_GENERIC_READ);
        ASSERT_EQ(texels.size(), 48u * 32u * 16u);
        float texel[4];
        std::memcpy(texel, texels.data() + (31 * 48 + 47) * 16, sizeof(texel));
        EXPECT_EQ(std::vector<float>(texel, texel + 4),
                  std::vector<float>(colors[i], colors[i] + 4))
            << "colour target " << i;
    }
    std::vector<uint8_t> depth =
        ReadBack(target->depthTexture->resource, D3D12_RESOURCE_STATE_DEPTH_WRITE);
    ASSERT_EQ(depth.size(), 48u * 32u * 4u);
    float depthValue = 0;
    std::memcpy(&depthValue, depth.data() + 4 * 100, 4);
    EXPECT_EQ(depthValue, 0.375f);
    delete base;
}

TEST_F(TextureTest, RenderTargetCountsOutsideZeroToEightAreClamped) {
    const struct {
        int requested;
        int kept;
    } cases[] = {{0, 0}, {-3, 0}, {8, 8}, {12, 8}};
    for (const auto& c : cases) {
        StdoutCapture capture;
        Dx12::RenderTarget target(device, 16, 16, c.requested);
        const std::string printed = capture.Take();
        EXPECT_EQ(target.numTargets, c.kept);
        EXPECT_EQ(CountOccurrences(printed, "Texture Heap="), size_t(c.kept) + 1) << c.requested;
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(target.colorTextures[i] != nullptr, i < c.kept);
        }
        // The depth texture and its view exist whatever the colour count.
        ASSERT_NE(target.depthTexture, nullptr);
        EXPECT_NE(target.depthTexture->resource, nullptr);
        EXPECT_NE(target.depthStencilHeap, nullptr);
    }
}

} // namespace
