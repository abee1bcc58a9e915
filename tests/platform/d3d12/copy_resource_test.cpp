// CopyResource: a whole buffer or texture into another alike, read back
// byte for byte; copies between resources that differ are refused as the
// debug layer refuses them.
#include "gpu_fixture.h"

#include <standin_checks.h>

#include <cstring>
#include <numeric>

namespace {

using CopyResourceTest = GpuTest;

TEST_F(CopyResourceTest, BufferCopiesWholeThroughADefaultBufferToReadback) {
    constexpr UINT64 kBytes = 1000;
    std::vector<uint8_t> data(kBytes);
    std::iota(data.begin(), data.end(), uint8_t(3));
    ComPtr<ID3D12Resource> upload{
        MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, kBytes, D3D12_RESOURCE_STATE_GENERIC_READ)};
    ComPtr<ID3D12Resource> middle{
        MakeBuffer(D3D12_HEAP_TYPE_DEFAULT, kBytes, D3D12_RESOURCE_STATE_COMMON)};
    ComPtr<ID3D12Resource> readback{
        MakeBuffer(D3D12_HEAP_TYPE_READBACK, kBytes, D3D12_RESOURCE_STATE_COPY_DEST)};
    ASSERT_TRUE(upload && middle && readback);
    WriteBuffer(upload, data.data(), data.size());
    list->CopyResource(middle, upload); // promoted from COMMON to COPY_DEST
    D3D12_RESOURCE_BARRIER barrier =
        Transition(middle, D3D12_RESOURCE_STATE_COPY_DEST, D3D12_RESOURCE_STATE_COPY_SOURCE);
    list->ResourceBarrier(1, &barrier);
    list->CopyResource(readback, middle);
    ExecuteAndWait();
    void* mapped = nullptr;
    ASSERT_EQ(readback->Map(0, nullptr, &mapped), S_OK);
    EXPECT_EQ(std::memcmp(mapped, data.data(), kBytes), 0);
    readback->Unmap(0, nullptr);
}

TEST_F(CopyResourceTest, TextureCopiesIntoAnotherFormatOfItsFamilyUnchanged) {
    constexpr UINT kSize = 4;
    ComPtr<ID3D12Resource> source{MakeTexture(kSize, kSize, DXGI_FORMAT_R8G8B8A8_UNORM,
                                              D3D12_RESOURCE_FLAG_NONE,
                                              D3D12_RESOURCE_STATE_COPY_DEST)};
    ComPtr<ID3D12Resource> destination{MakeTexture(kSize, kSize, DXGI_FORMAT_R8G8B8A8_UNORM_SRGB,
                                                   D3D12_RESOURCE_FLAG_NONE,
                                                   D3D12_RESOURCE_STATE_COPY_DEST)};
    ASSERT_TRUE(source && destination);
    std::vector<uint32_t> texels(kSize * kSize);
    std::iota(texels.begin(), texels.end(), 0x80402010u);
    D3D12_PLACED_SUBRESOURCE_FOOTPRINT footprint{};
    ComPtr<ID3D12Resource> upload{MakeTextureUpload(device, source, texels, &footprint)};
    ASSERT_TRUE(upload);
    CopyBufferToTexture(list, upload, footprint, source);
    D3D12_RESOURCE_BARRIER barrier =
        Transition(source, D3D12_RESOURCE_STATE_COPY_DEST, D3D12_RESOURCE_STATE_COPY_SOURCE);
    list->ResourceBarrier(1, &barrier);
    list->CopyResource(destination, source);
    std::vector<uint8_t> pixels = ReadBack(destination, D3D12_RESOURCE_STATE_COPY_DEST);
    ASSERT_EQ(pixels.size(), texels.size() * 4);
    for (UINT i = 0; i < kSize * kSize; ++i) {
        EXPECT_EQ(PixelAt(pixels, kSize, i % kSize, i / kSize), texels[i]) << "texel " << i;
    }
}

TEST_F(CopyResourceTest, ResourcesThatDifferOrAreTheSameAreRefusedAndTheListFails) {
    ComPtr<ID3D12Resource> small{
        MakeBuffer(D3D12_HEAP_TYPE_DEFAULT, 256, D3D12_RESOURCE_STATE_COPY_DEST)};
    ComPtr<ID3D12Resource> large{
        MakeBuffer(D3D12_HEAP_TYPE_DEFAULT, 512, D3D12_RESOURCE_STATE_COPY_SOURCE)};
    ComPtr<ID3D12Resource> texture{MakeTexture(4, 4, DXGI_FORMAT_R8G8B8A8_UNORM,
                                               D3D12_RESOURCE_FLAG_NONE,
                                               D3D12_RESOURCE_STATE_COPY_SOURCE)};
    ComPtr<ID3D12Resource> otherFamily{MakeTexture(
        4, 4, DXGI_FORMAT_R32_FLOAT, D3D12_RESOURCE_FLAG_NONE, D3D12_RESOURCE_STATE_COPY_DEST)};
    ASSERT_TRUE(small && large && texture && otherFamily);
    struct Case {
        ID3D12Resource *destination, *source;
        D3D12_MESSAGE_ID id;
    } cases[] = {
        {small, large, D3D12_MESSAGE_ID_COPYRESOURCE_INVALIDSRCRESOURCE},
        {small, texture, D3D12_MESSAGE_ID_COPYRESOURCE_INVALIDSRCRESOURCE},
        {texture, otherFamily, D3D12_MESSAGE_ID_COPYRESOURCE_INVALIDSRCRESOURCE},
        {large, large, D3D12_MESSAGE_ID_COPYRESOURCE_INVALIDDSTRESOURCE},
        {nullptr, large, D3D12_MESSAGE_ID_COPYRESOURCE_NULLDST},
    };
    for (const Case& c : cases) {
        list->CopyResource(c.destination, c.source);
        EXPECT_TRUE(FAILED(list->Close()));
        std::vector<DebugMessage> messages = TakeDebugMessages(device);
        EXPECT_EQ(CountMessages(messages, c.id), 1u) << "message " << c.id;
        BeginCommands();
    }
    AcknowledgeProvokedErrors();
}

} // namespace
