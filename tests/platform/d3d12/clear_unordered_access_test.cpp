// ClearUnorderedAccessViewUint and ClearUnorderedAccessViewFloat: what the
// view's texels or bytes hold afterwards, read back, and the handles and
// resources the debug layer refuses.
#include "gpu_fixture.h"

#include <standin_checks.h>

#include <cstring>

namespace {

constexpr UINT kSize = 4;
// Newer than MinGW's d3d12sdklayers.h: the value of Windows' SDK.
constexpr D3D12_MESSAGE_ID kClearInvalidDescriptorHandle = D3D12_MESSAGE_ID(1314);

class ClearUnorderedAccessTest : public GpuTest {
protected:
    void SetUp() override {
        GpuTest::SetUp();
        visible.Attach(MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV, 1,
                                          D3D12_DESCRIPTOR_HEAP_FLAG_SHADER_VISIBLE));
        hidden.Attach(MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV, 1));
        ASSERT_TRUE(visible && hidden);
    }
    void TearDown() override {
        visible.Reset();
        hidden.Reset();
        GpuTest::TearDown();
    }
    // Writes the view into both heaps and binds the shader-visible one.
    void WriteView(ID3D12Resource* resource, const D3D12_UNORDERED_ACCESS_VIEW_DESC& desc) {
        device->CreateUnorderedAccessView(resource, nullptr, &desc,
                                          visible->GetCPUDescriptorHandleForHeapStart());
        device->CreateUnorderedAccessView(resource, nullptr, &desc,
                                          hidden->GetCPUDescriptorHandleForHeapStart());
        ID3D12DescriptorHeap* heaps[] = {visible};
        list->SetDescriptorHeaps(1, heaps);
    }
    static D3D12_UNORDERED_ACCESS_VIEW_DESC TextureView(DXGI_FORMAT format) {
        D3D12_UNORDERED_ACCESS_VIEW_DESC desc{};
        desc.Format = format;
        desc.ViewDimension = D3D12_UAV_DIMENSION_TEXTURE2D;
        return desc;
    }
    ComPtr<ID3D12Resource> UnorderedTexture(DXGI_FORMAT format) {
        return ComPtr<ID3D12Resource>{MakeTexture(kSize, kSize, format,
                                                  D3D12_RESOURCE_FLAG_ALLOW_UNORDERED_ACCESS,
                                                  D3D12_RESOURCE_STATE_UNORDERED_ACCESS)};
    }
    ComPtr<ID3D12Resource> UnorderedBuffer(UINT64 size) {
        D3D12_RESOURCE_DESC desc = BufferDescription(size);
        desc.Flags = D3D12_RESOURCE_FLAG_ALLOW_UNORDERED_ACCESS;
        return ComPtr<ID3D12Resource>{MakeCommitted(device, D3D12_HEAP_TYPE_DEFAULT, desc,
                                                    D3D12_RESOURCE_STATE_UNORDERED_ACCESS)};
    }
    D3D12_GPU_DESCRIPTOR_HANDLE Gpu() { return visible->GetGPUDescriptorHandleForHeapStart(); }
    D3D12_CPU_DESCRIPTOR_HANDLE Cpu() { return hidden->GetCPUDescriptorHandleForHeapStart(); }

    ComPtr<ID3D12DescriptorHeap> visible, hidden;
};

TEST_F(ClearUnorderedAccessTest, UintKeepsEachChannelsLowBitsAndRectsLimitTheClear) {
    ComPtr<ID3D12Resource> texture = UnorderedTexture(DXGI_FORMAT_R8G8B8A8_UNORM);
    ASSERT_TRUE(texture);
    WriteView(texture, TextureView(DXGI_FORMAT_R8G8B8A8_UNORM));
    const UINT bits[4] = {0x1FF, 0x80, 0x40, 0x120};
    list->ClearUnorderedAccessViewUint(Gpu(), Cpu(), texture, bits, 0, nullptr);
    D3D12_RESOURCE_BARRIER barrier{};
    barrier.Type = D3D12_RESOURCE_BARRIER_TYPE_UAV;
    barrier.UAV.pResource = texture;
    list->ResourceBarrier(1, &barrier);
    const FLOAT red[4] = {1.0f, 0.0f, 0.0f, 1.0f};
    const D3D12_RECT corner{0, 0, 2, 2};
    list->ClearUnorderedAccessViewFloat(Gpu(), Cpu(), texture, red, 1, &corner);
    std::vector<uint8_t> pixels = ReadBack(texture, D3D12_RESOURCE_STATE_UNORDERED_ACCESS);
    ASSERT_EQ(pixels.size(), kSize * kSize * 4);
    EXPECT_EQ(PixelAt(pixels, kSize, 1, 1), 0xFF0000FFu) << "inside the rectangle";
    EXPECT_EQ(PixelAt(pixels, kSize, 2, 1), 0x204080FFu) << "outside it";
    EXPECT_EQ(PixelAt(pixels, kSize, 3, 3), 0x204080FFu);
}

TEST_F(ClearUnorderedAccessTest, FloatIsConvertedToEachFormatsChannels) {
    const struct {
        DXGI_FORMAT format;
        FLOAT values[4];
        uint32_t expected;
    } cases[] = {
        {DXGI_FORMAT_R32_FLOAT, {0.5f, 9, 9, 9}, 0x3F000000u},
        {DXGI_FORMAT_R16G16_FLOAT, {1.0f, -2.0f, 9, 9}, 0xC0003C00u},
        {DXGI_FORMAT_R8G8B8A8_SNORM, {1.0f, -1.0f, 0.0f, 2.0f}, 0x7F00817Fu},
        {DXGI_FORMAT_R32_UINT, {7.9f, 0, 0, 0}, 7u},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        ComPtr<ID3D12Resource> texture = UnorderedTexture(c.format);
        ASSERT_TRUE(texture);
        WriteView(texture, TextureView(c.format));
        list->ClearUnorderedAccessViewFloat(Gpu(), Cpu(), texture, c.values, 0, nullptr);
        std::vector<uint8_t> pixels = ReadBack(texture, D3D12_RESOURCE_STATE_UNORDERED_ACCESS);
        ASSERT_EQ(pixels.size(), kSize * kSize * 4);
        EXPECT_EQ(PixelAt(pixels, kSize, 2, 3), c.expected);
    }
}

TEST_F(ClearUnorderedAccessTest, RawBufferViewClearsOnlyItsOwnWords) {
    constexpr UINT64 kBytes = 64;
    ComPtr<ID3D12Resource> buffer = UnorderedBuffer(kBytes);
    ComPtr<ID3D12Resource> readback{
        MakeBuffer(D3D12_HEAP_TYPE_READBACK, kBytes, D3D12_RESOURCE_STATE_COPY_DEST)};
    ASSERT_TRUE(buffer && readback);
    D3D12_UNORDERED_ACCESS_VIEW_DESC view{};
    view.Format = DXGI_FORMAT_R32_TYPELESS;
    view.ViewDimension = D3D12_UAV_DIMENSION_BUFFER;
    view.Buffer.FirstElement = 4;
    view.Buffer.NumElements = 8;
    view.Buffer.Flags = D3D12_BUFFER_UAV_FLAG_RAW;
    WriteView(buffer, view);
    const UINT word[4] = {0xDEADBEEF, 1, 2, 3};
    list->ClearUnorderedAccessViewUint(Gpu(), Cpu(), buffer, word, 0, nullptr);
    D3D12_RESOURCE_BARRIER barrier =
        Transition(buffer, D3D12_RESOURCE_STATE_UNORDERED_ACCESS, D3D12_RESOURCE_STATE_COPY_SOURCE);
    list->ResourceBarrier(1, &barrier);
    list->CopyBufferRegion(readback, 0, buffer, 0, kBytes);
    ExecuteAndWait();
    uint32_t words[kBytes / 4] = {};
    void* mapped = nullptr;
    ASSERT_EQ(readback->Map(0, nullptr, &mapped), S_OK);
    std::memcpy(words, mapped, kBytes);
    readback->Unmap(0, nullptr);
    for (UINT i = 0; i < kBytes / 4; ++i) {
        EXPECT_EQ(words[i], i >= 4 && i < 12 ? 0xDEADBEEFu : 0u) << "word " << i;
    }
}

TEST_F(ClearUnorderedAccessTest, WrongHandlesResourcesAndStructuredFloatClearsAreRefused) {
    ComPtr<ID3D12Resource> texture = UnorderedTexture(DXGI_FORMAT_R32_UINT);
    ComPtr<ID3D12Resource> other = UnorderedTexture(DXGI_FORMAT_R32_UINT);
    ComPtr<ID3D12Resource> buffer = UnorderedBuffer(64);
    ASSERT_TRUE(texture && other && buffer);
    const UINT zeros[4] = {};
    const FLOAT floats[4] = {};
    WriteView(texture, TextureView(DXGI_FORMAT_R32_UINT));
    auto expectRefused = [&](D3D12_MESSAGE_ID id) {
        EXPECT_TRUE(FAILED(list->Close()));
        EXPECT_EQ(CountMessages(TakeDebugMessages(device), id), 1u) << "message " << id;
        BeginCommands();
        ID3D12DescriptorHeap* heaps[] = {visible};
        list->SetDescriptorHeaps(1, heaps);
    };
    list->ClearUnorderedAccessViewUint(Gpu(), visible->GetCPUDescriptorHandleForHeapStart(),
                                       texture, zeros, 0, nullptr);
    expectRefused(kClearInvalidDescriptorHandle);
    list->ClearUnorderedAccessViewUint(Gpu(), Cpu(), other, zeros, 0, nullptr);
    expectRefused(D3D12_MESSAGE_ID_CLEARUNORDEREDACCESSVIEW_INVALID_RESOURCE_PTR);

    D3D12_UNORDERED_ACCESS_VIEW_DESC structured{};
    structured.ViewDimension = D3D12_UAV_DIMENSION_BUFFER;
    structured.Buffer.NumElements = 4;
    structured.Buffer.StructureByteStride = 16;
    WriteView(buffer, structured);
    list->ClearUnorderedAccessViewFloat(Gpu(), Cpu(), buffer, floats, 0, nullptr);
    expectRefused(D3D12_MESSAGE_ID_CLEARUNORDEREDACCESSVIEW_INCOMPATIBLE_WITH_STRUCTURED_BUFFERS);
    AcknowledgeProvokedErrors();
}

} // namespace
