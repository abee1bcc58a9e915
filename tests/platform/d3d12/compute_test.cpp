// Compute: a dispatch writes a texture through a table and a buffer through a
// root view, reading its own root constants, not the graphics ones; Windows'
// limits on thread-group counts.
#include "buffer_access_fixture.h"

#include <standin_checks.h>

#include "hlsl_file.h"

#include <pipeline_desc.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr UINT kSize = 16;

constexpr char kShader[] = R"hlsl(
#define RS "RootConstants(num32BitConstants=1, b0), DescriptorTable(UAV(u0)), UAV(u1)"
cbuffer Root : register(b0) { float level; };
RWTexture2D<float4> image : register(u0);
RWStructuredBuffer<uint> cells : register(u1);
[RootSignature(RS)]
[numthreads(4, 4, 1)]
void CSMain(uint3 id : SV_DispatchThreadID) {
    image[id.xy] = float4(id.x / 15.0, level, 0, 1);
    cells[id.y * 16 + id.x] = id.x + 100 * id.y;
}
)hlsl";

class ComputeTest : public BufferAccessTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(BufferAccessTest::SetUp());
        ComPtr<ID3DBlob> cs{CompileHlslFile(kShader, "compute_test.hlsl", "CSMain", "cs_5_0")};
        ASSERT_TRUE(cs);
        rootSignature.Attach(RootSignatureOf(device, cs));
        ASSERT_TRUE(rootSignature);
        pipeline.Attach(MakeComputePipeline(device, rootSignature, cs));
        ASSERT_TRUE(pipeline);
        image.Attach(MakeTexture(kSize, kSize, DXGI_FORMAT_R8G8B8A8_UNORM,
                                 D3D12_RESOURCE_FLAG_ALLOW_UNORDERED_ACCESS,
                                 D3D12_RESOURCE_STATE_UNORDERED_ACCESS));
        cells.Attach(MakeUnorderedAccessBuffer(kSize * kSize * 4));
        heap.Attach(MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV, 1,
                                       D3D12_DESCRIPTOR_HEAP_FLAG_SHADER_VISIBLE));
        ASSERT_TRUE(image && cells && heap);
        device->CreateUnorderedAccessView(image, nullptr, nullptr,
                                          heap->GetCPUDescriptorHandleForHeapStart());
    }
    void TearDown() override {
        heap.Reset();
        cells.Reset();
        image.Reset();
        pipeline.Reset();
        rootSignature.Reset();
        BufferAccessTest::TearDown();
    }

    // The compute arguments of kShader, with `level` as the root constant.
    void SetComputeArguments(float level) {
        ID3D12DescriptorHeap* heaps[] = {heap};
        list->SetDescriptorHeaps(1, heaps);
        list->SetComputeRootSignature(rootSignature);
        list->SetComputeRoot32BitConstants(0, 1, &level, 0);
        list->SetComputeRootDescriptorTable(1, heap->GetGPUDescriptorHandleForHeapStart());
        list->SetComputeRootUnorderedAccessView(2, cells->GetGPUVirtualAddress());
    }

    ComPtr<ID3D12RootSignature> rootSignature;
    ComPtr<ID3D12PipelineState> pipeline;
    ComPtr<ID3D12Resource> image, cells;
    ComPtr<ID3D12DescriptorHeap> heap;
};

} // namespace

TEST_F(ComputeTest, DispatchWritesThroughTableAndRootViewWithItsOwnArguments) {
    // Graphics arguments of the same root signature hold another level.
    const float graphicsLevel = 0.25f;
    list->SetGraphicsRootSignature(rootSignature);
    list->SetGraphicsRoot32BitConstants(0, 1, &graphicsLevel, 0);
    SetComputeArguments(0.5f);
    list->SetPipelineState(pipeline);
    list->Dispatch(kSize / 4, kSize / 4, 1);
    ExecuteAndWait();

    std::vector<uint8_t> pixels = ReadBack(image, D3D12_RESOURCE_STATE_UNORDERED_ACCESS);
    std::vector<uint8_t> bytes = ReadBuffer(cells, kSize * kSize * 4, D3D12_RESOURCE_STATE_COMMON);
    ASSERT_EQ(pixels.size(), kSize * kSize * 4);
    EXPECT_EQ(PixelAt(pixels, kSize, 0, 0), 0xFF008000u);
    EXPECT_EQ(PixelAt(pixels, kSize, 15, 13), 0xFF0080FFu) << "the last thread group";
    EXPECT_EQ(WordAt(bytes, 0), 0u);
    EXPECT_EQ(WordAt(bytes, 13 * 16 + 15), 1315u);
    EXPECT_EQ(WordAt(bytes, 5 * 16 + 2), 502u);
}

// Each thread-group count is at most 65535; a dispatch past that is dropped
// with a message, and the list still executes.
TEST_F(ComputeTest, ThreadGroupCountsPastTheLimitAreRefused) {
    SetComputeArguments(1.0f);
    list->SetPipelineState(pipeline);
    testing::internal::CaptureStderr();
    // D3D12_CS_DISPATCH_MAX_THREAD_GROUPS_PER_DIMENSION, which MinGW-w64's
    // headers lack.
    constexpr UINT kMaxGroups = 65535;
    list->Dispatch(kMaxGroups + 1, 1, 1);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("exceed 65535"), std::string::npos) << said;
    ExecuteAndWait();
    std::vector<uint8_t> bytes = ReadBuffer(cells, 16, D3D12_RESOURCE_STATE_COMMON);
    EXPECT_EQ(WordAt(bytes, 1), 0u) << "nothing was dispatched";
}

// Windows' compiler wants a thread-group size on every compute entry point.
TEST(ComputeCompile, EntryPointWithoutNumthreadsIsRefused) {
    const std::string path = std::string(BRENNWICK_BINARY_DIR) + "/compute_no_numthreads.hlsl";
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fputs("RWStructuredBuffer<uint> cells : register(u0);\n"
                   "void CSMain(uint3 id : SV_DispatchThreadID) { cells[id.x] = 1; }\n",
                   file);
        std::fclose(file);
    }
    const std::wstring wide(path.begin(), path.end());
    ComPtr<ID3DBlob> code, errors;
    EXPECT_LT(D3DCompileFromFile(wide.c_str(), nullptr, nullptr, "CSMain", "cs_5_0", 0, 0,
                                 code.Put(), errors.Put()),
              0);
    EXPECT_FALSE(code);
    ASSERT_TRUE(errors);
    const std::string text(static_cast<const char*>(errors->GetBufferPointer()));
    EXPECT_NE(text.find("compute entry point must have a numthreads attribute"), std::string::npos)
        << text;
}

// The debug layer follows what a dispatch's tables use: a texture written
// through a view while in PIXEL_SHADER_RESOURCE is reported.
TEST_F(ComputeTest, DispatchUsingTextureInAnotherStateIsReported) {
    D3D12_RESOURCE_BARRIER away = Transition(image, D3D12_RESOURCE_STATE_UNORDERED_ACCESS,
                                             D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE);
    D3D12_RESOURCE_BARRIER back = Transition(image, D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE,
                                             D3D12_RESOURCE_STATE_UNORDERED_ACCESS);
    list->ResourceBarrier(1, &away);
    SetComputeArguments(1.0f);
    list->SetPipelineState(pipeline);
    list->Dispatch(1, 1, 1);
    list->ResourceBarrier(1, &back);
    ExecuteAndWait();
    std::vector<DebugMessage> messages = TakeDebugMessages(device);
    AcknowledgeProvokedErrors();
    ASSERT_EQ(CountMessages(messages, D3D12_MESSAGE_ID_INVALID_SUBRESOURCE_STATE), 1u);
    EXPECT_NE(messages[0].description.find("Using Dispatch on Command List"), std::string::npos)
        << messages[0].description;
    EXPECT_NE(messages[0].description.find("invalid for use as an unordered access view"),
              std::string::npos)
        << messages[0].description;
}

// As calls record: a dispatch without a compute root signature, and one whose
// root unordered-access view was never set (graphics arguments do not count).
TEST_F(ComputeTest, DispatchWithoutItsArgumentsIsReported) {
    list->SetPipelineState(pipeline);
    list->Dispatch(1, 1, 1);
    list->SetGraphicsRootSignature(rootSignature);
    list->SetGraphicsRootUnorderedAccessView(2, cells->GetGPUVirtualAddress());
    list->SetComputeRootSignature(rootSignature);
    const float level = 1.0f;
    list->SetComputeRoot32BitConstants(0, 1, &level, 0);
    list->SetComputeRootDescriptorTable(1, heap->GetGPUDescriptorHandleForHeapStart());
    list->Dispatch(1, 1, 1);
    std::vector<DebugMessage> messages = TakeDebugMessages(device);
    AcknowledgeProvokedErrors();
    ASSERT_EQ(
        CountMessages(messages, D3D12_MESSAGE_ID_COMMAND_LIST_DISPATCH_ROOT_SIGNATURE_NOT_SET), 1u);
    ASSERT_EQ(
        CountMessages(messages, D3D12_MESSAGE_ID_COMMAND_LIST_ROOT_UNORDERED_ACCESS_VIEW_NOT_SET),
        1u);
    EXPECT_NE(messages[1].description.find("Root Parameter Index [2] is not set"),
              std::string::npos)
        << messages[1].description;
}
