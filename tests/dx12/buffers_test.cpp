// Creation helpers, vertex and constant buffers on the stand-in device.
#include "dx12_test_support.h"

#include <dx12/helpers.h>
#include <dx12/resource.h>

#include <platform_testing.h>

#include <cstring>

namespace {

using BuffersTest = DeviceTest;

uint32_t ReadWord(ID3D12Resource* buffer, size_t index) {
    void* mapped = nullptr;
    EXPECT_EQ(buffer->Map(0, nullptr, &mapped), S_OK);
    uint32_t word = 0;
    if (mapped != nullptr) {
        std::memcpy(&word, static_cast<uint8_t*>(mapped) + index * 4, 4);
        buffer->Unmap(0, nullptr);
    }
    return word;
}

TEST_F(BuffersTest, HeightDecidesBetweenUploadBufferAndDefaultTexture) {
    ComPtr<ID3D12Resource> buffer{
        Dx12::CreateCommittedResource(device, 10752, 1, DXGI_FORMAT_UNKNOWN,
                                      D3D12_RESOURCE_FLAG_NONE, D3D12_RESOURCE_STATE_GENERIC_READ)};
    ASSERT_NE(buffer, nullptr);
    D3D12_RESOURCE_DESC desc = buffer->GetDesc();
    EXPECT_EQ(desc.Dimension, D3D12_RESOURCE_DIMENSION_BUFFER);
    EXPECT_EQ(desc.Width, 10752u);
    D3D12_HEAP_PROPERTIES heap{};
    EXPECT_EQ(buffer->GetHeapProperties(&heap, nullptr), S_OK);
    EXPECT_EQ(heap.Type, D3D12_HEAP_TYPE_UPLOAD);

    ComPtr<ID3D12Resource> texture{
        Dx12::CreateCommittedResource(device, 16, 2, DXGI_FORMAT_R8G8B8A8_UNORM,
                                      D3D12_RESOURCE_FLAG_NONE, D3D12_RESOURCE_STATE_COMMON)};
    ASSERT_NE(texture, nullptr);
    desc = texture->GetDesc();
    EXPECT_EQ(desc.Dimension, D3D12_RESOURCE_DIMENSION_TEXTURE2D);
    EXPECT_EQ(desc.Height, 2u);
    EXPECT_EQ(texture->GetHeapProperties(&heap, nullptr), S_OK);
    EXPECT_EQ(heap.Type, D3D12_HEAP_TYPE_DEFAULT);

    // A typed format on a buffer is refused by the platform: null, no line.
    StdoutCapture capture;
    EXPECT_EQ(Dx12::CreateCommittedResource(device, 16, 1, DXGI_FORMAT_R8G8B8A8_UNORM,
                                            D3D12_RESOURCE_FLAG_NONE,
                                            D3D12_RESOURCE_STATE_GENERIC_READ),
              nullptr);
    EXPECT_EQ(capture.Take(), "");
}

TEST_F(BuffersTest, NullDeviceOrResourceIsReportedOrIgnoredWithoutCrashing) {
    StdoutCapture capture;
    EXPECT_EQ(Dx12::CreateDescriptorHeap(nullptr, D3D12_DESCRIPTOR_HEAP_TYPE_RTV, 1,
                                         D3D12_DESCRIPTOR_HEAP_FLAG_NONE),
              nullptr);
    EXPECT_EQ(Dx12::CreateCommittedResource(nullptr, 256, 1, DXGI_FORMAT_UNKNOWN,
                                            D3D12_RESOURCE_FLAG_NONE,
                                            D3D12_RESOURCE_STATE_GENERIC_READ),
              nullptr);
    uint32_t word = 7;
    Dx12::CopyToResource(nullptr, &word, 4);
    EXPECT_EQ(capture.Take(), "ERROR NULL DEVICE Dx12::CreateDescriptorHeap\n");

    // A refused heap is null without a line.
    platform_testing::RefuseNextDescriptorHeaps(1);
    StdoutCapture refused;
    EXPECT_EQ(Dx12::CreateDescriptorHeap(device, D3D12_DESCRIPTOR_HEAP_TYPE_RTV, 1,
                                         D3D12_DESCRIPTOR_HEAP_FLAG_NONE),
              nullptr);
    EXPECT_EQ(refused.Take(), "");
}

TEST_F(BuffersTest, FailedMapPrintsOnceAndCopiesNothing) {
    ComPtr<ID3D12Resource> buffer{Dx12::CreateCommittedResource(device, 256, 1, DXGI_FORMAT_UNKNOWN,
                                                                D3D12_RESOURCE_FLAG_NONE,
                                                                D3D12_RESOURCE_STATE_GENERIC_READ)};
    ASSERT_NE(buffer, nullptr);
    const uint32_t first = 0x11223344u;
    Dx12::CopyToResource(buffer, &first, 4);
    EXPECT_EQ(ReadWord(buffer, 0), first);

    const uint32_t second = 0xCAFEF00Du;
    platform_testing::RefuseNextMaps(1);
    StdoutCapture capture;
    Dx12::CopyToResource(buffer, &second, 4);
    EXPECT_EQ(capture.Take(), "Failed Map\n");
    EXPECT_EQ(ReadWord(buffer, 0), first);
}

TEST_F(BuffersTest, VertexBufferHoldsDataAndDescribesItsView) {
    float vertices[3 * 12];
    for (size_t i = 0; i < sizeof(vertices) / sizeof(vertices[0]); ++i) {
        vertices[i] = float(i) * 0.5f;
    }
    StdoutCapture capture;
    Dx12::Resource* vertex = new Dx12::Vertex(device, vertices, sizeof(vertices), 48);
    EXPECT_EQ(capture.Take(), "Dx12::Vertex::Vertex : Create : size=144, StrideInBytes=48\n");
    ASSERT_NE(vertex->resource, nullptr);
    EXPECT_EQ(vertex->vertexBufferView.BufferLocation, vertex->resource->GetGPUVirtualAddress());
    EXPECT_NE(vertex->vertexBufferView.BufferLocation, 0u);
    EXPECT_EQ(vertex->vertexBufferView.SizeInBytes, 144u);
    EXPECT_EQ(vertex->vertexBufferView.StrideInBytes, 48u);
    uint32_t expected;
    std::memcpy(&expected, &vertices[35], 4);
    EXPECT_EQ(ReadWord(vertex->resource, 35), expected);
    EXPECT_EQ(vertex->heap, nullptr);
    delete vertex;

    // Null data: a complete view over contents nobody wrote.
    StdoutCapture empty;
    Dx12::Vertex unwritten(device, nullptr, 96, 48);
    EXPECT_EQ(empty.Take(), "Dx12::Vertex::Vertex : Create : size=96, StrideInBytes=48\n");
    EXPECT_NE(unwritten.vertexBufferView.BufferLocation, 0u);
    EXPECT_EQ(unwritten.vertexBufferView.SizeInBytes, 96u);
}

TEST_F(BuffersTest, RefusedVertexBufferKeepsAZeroViewButStillReports) {
    platform_testing::RefuseNextCommittedResources(1);
    const uint8_t bytes[48] = {};
    StdoutCapture capture;
    Dx12::Vertex vertex(device, bytes, 48, 48);
    EXPECT_EQ(capture.Take(), "Dx12::Vertex::Vertex : Create : size=48, StrideInBytes=48\n");
    EXPECT_EQ(vertex.resource, nullptr);
    EXPECT_EQ(vertex.vertexBufferView.BufferLocation, 0u);
}

TEST_F(BuffersTest, ConstantBufferSizesRoundUpTo256) {
    const struct {
        uint32_t requested;
        uint32_t rounded;
    } cases[] = {{1, 256}, {256, 256}, {257, 512}, {10624, 10752}};
    for (const auto& c : cases) {
        StdoutCapture capture;
        Dx12::Resource* constant = new Dx12::Constant(device, c.requested);
        EXPECT_EQ(capture.Take(),
                  "Dx12::Constant::Constant : Create : size=" + std::to_string(c.requested) +
                      ", SizeInBytes=" + std::to_string(c.rounded) + "\n");
        ASSERT_NE(constant->resource, nullptr);
        ASSERT_NE(constant->heap, nullptr);
        EXPECT_EQ(constant->resource->GetDesc().Width, c.rounded);
        EXPECT_EQ(constant->constantBufferView.SizeInBytes, c.rounded);
        EXPECT_EQ(constant->constantBufferView.BufferLocation,
                  constant->resource->GetGPUVirtualAddress());
        D3D12_DESCRIPTOR_HEAP_DESC heapDesc = constant->heap->GetDesc();
        EXPECT_EQ(heapDesc.Type, D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV);
        EXPECT_EQ(heapDesc.NumDescriptors, 1u);
        EXPECT_EQ(heapDesc.Flags, D3D12_DESCRIPTOR_HEAP_FLAG_NONE);
        delete constant;
    }
}

TEST_F(BuffersTest, ConstantBufferWithoutResourceOrHeapCompletes) {
    platform_testing::RefuseNextCommittedResources(1);
    StdoutCapture capture;
    Dx12::Constant noResource(device, 300);
    EXPECT_EQ(capture.Take(), "Dx12::Constant::Constant : Create : size=300, SizeInBytes=512\n");
    EXPECT_EQ(noResource.resource, nullptr);
    EXPECT_EQ(noResource.constantBufferView.BufferLocation, 0u);
    EXPECT_EQ(noResource.constantBufferView.SizeInBytes, 0u);

    platform_testing::RefuseNextDescriptorHeaps(1);
    Dx12::Constant noHeap(device, 300);
    EXPECT_NE(noHeap.resource, nullptr);
    EXPECT_EQ(noHeap.heap, nullptr);
}

} // namespace
