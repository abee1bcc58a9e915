// Root constants and root views: each draw reads the values and buffers set
// before it, and the debug layer reports arguments that do not fit the root
// signature.
#include "gpu_fixture.h"

#include <standin_checks.h>

#include "hlsl_file.h"

#include <pipeline_desc.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr char kShader[] = R"hlsl(
#define RS "RootConstants(num32BitConstants=5, b0), CBV(b1), SRV(t0)"
cbuffer Root : register(b0) { float4 color; uint pick; };
cbuffer Frame : register(b1) { float4 scale; };
StructuredBuffer<float4> palette : register(t0);
[RootSignature(RS)]
float4 VSMain(uint id : SV_VertexID) : SV_Position {
    float2 corner = float2((id << 1) & 2, id & 2);
    return float4(corner * 2 - 1, 0.5, 1);
}
float4 PSMain() : SV_Target { return color * scale + palette[pick]; }
)hlsl";

constexpr UINT kSize = 32;

class RootArgumentsTest : public GpuTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(GpuTest::SetUp());
        ASSERT_TRUE(CompileWithRootSignature(device, kShader, "root_arguments_test.hlsl", &vs, &ps,
                                             &rootSignature));
        D3D12_GRAPHICS_PIPELINE_STATE_DESC desc =
            DescribePipeline(rootSignature, vs, ps, {nullptr, 0});
        desc.RasterizerState.CullMode = D3D12_CULL_MODE_NONE;
        pipeline.Attach(MakeGraphicsPipeline(device, desc));
        ASSERT_TRUE(pipeline);
        MakeRenderTarget(kSize, &target, &rtvHeap);
        // The frame constants sit 256 bytes into their buffer, the palette at its start.
        buffers.Attach(MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, 512, D3D12_RESOURCE_STATE_GENERIC_READ));
        ASSERT_TRUE(target && rtvHeap && buffers);
        const float palette[8] = {0, 0, 0, 0, 0, 0, 1, 0};
        const float scale[4] = {1, 1, 0, 1};
        std::vector<uint8_t> bytes(512, 0);
        std::memcpy(bytes.data(), palette, sizeof(palette));
        std::memcpy(bytes.data() + 256, scale, sizeof(scale));
        ASSERT_NO_FATAL_FAILURE(WriteBuffer(buffers, bytes.data(), bytes.size()));
    }
    void TearDown() override {
        AcknowledgeProvokedErrors();
        buffers.Reset();
        target.Reset();
        rtvHeap.Reset();
        pipeline.Reset();
        rootSignature.Reset();
        vs.Reset();
        ps.Reset();
        GpuTest::TearDown();
    }

    D3D12_CPU_DESCRIPTOR_HANDLE Rtv() { return rtvHeap->GetCPUDescriptorHandleForHeapStart(); }

    // One draw into columns [left, right) with `color` and palette entry `pick`.
    void DrawColumns(LONG left, LONG right, const float color[4], uint32_t pick) {
        const D3D12_RECT columns{left, 0, right, LONG(kSize)};
        list->RSSetScissorRects(1, &columns);
        list->SetGraphicsRoot32BitConstants(0, 4, color, 0);
        list->SetGraphicsRoot32BitConstant(0, pick, 4);
        list->DrawInstanced(3, 1, 0, 0);
    }

    ComPtr<ID3DBlob> vs, ps;
    ComPtr<ID3D12RootSignature> rootSignature;
    ComPtr<ID3D12PipelineState> pipeline;
    ComPtr<ID3D12Resource> target, buffers;
    ComPtr<ID3D12DescriptorHeap> rtvHeap;
};

} // namespace

TEST_F(RootArgumentsTest, EachDrawReadsTheConstantsAndViewsSetBeforeIt) {
    const float black[4] = {0, 0, 0, 1};
    list->ClearRenderTargetView(Rtv(), black, 0, nullptr);
    RecordTriangleDrawState(list, Rtv(), kSize, kSize, rootSignature, pipeline);
    list->SetGraphicsRootConstantBufferView(1, buffers->GetGPUVirtualAddress() + 256);
    list->SetGraphicsRootShaderResourceView(2, buffers->GetGPUVirtualAddress());
    const float red[4] = {1, 0, 0, 1}, green[4] = {0, 1, 0, 1};
    DrawColumns(0, kSize / 2, red, 1);
    DrawColumns(kSize / 2, kSize, green, 0);
    ExecuteAndWait();

    std::vector<uint8_t> pixels = ReadBack(target, D3D12_RESOURCE_STATE_RENDER_TARGET);
    ASSERT_EQ(pixels.size(), kSize * kSize * 4u);
    // Red scaled by (1, 1, 0, 1), plus palette[1]'s blue.
    EXPECT_EQ(PixelAt(pixels, kSize, 4, 16), 0xFFFF00FFu);
    // Green, plus palette[0], which is empty.
    EXPECT_EQ(PixelAt(pixels, kSize, 28, 16), 0xFF00FF00u);
}

TEST_F(RootArgumentsTest, ArgumentsThatDoNotFitTheRootSignatureAreReported) {
    const float values[6] = {};
    list->SetGraphicsRoot32BitConstants(0, 4, values, 0); // no root signature yet
    RecordTriangleDrawState(list, Rtv(), kSize, kSize, rootSignature, pipeline);
    list->SetGraphicsRoot32BitConstants(0, 6, values, 0); // the parameter holds 5
    list->SetGraphicsRoot32BitConstants(1, 1, values, 0); // a CBV parameter
    list->SetGraphicsRootShaderResourceView(1, buffers->GetGPUVirtualAddress());
    list->SetGraphicsRootConstantBufferView(1, 0x10); // no buffer there
    list->DrawInstanced(3, 1, 0, 0);                  // neither view is set
    EXPECT_EQ(list->Close(), E_FAIL);
    std::vector<DebugMessage> messages = TakeDebugMessages(device);
    EXPECT_EQ(CountMessages(messages, D3D12_MESSAGE_ID_SET_ROOT_CONSTANT_INVALID), 1u)
        << "reported once per list";
    EXPECT_EQ(CountMessages(messages, D3D12_MESSAGE_ID_SET_ROOT_SHADER_RESOURCE_VIEW_INVALID), 1u);
    EXPECT_EQ(CountMessages(messages, D3D12_MESSAGE_ID_SET_ROOT_CONSTANT_BUFFER_VIEW_INVALID), 1u);
    EXPECT_EQ(
        CountMessages(messages, D3D12_MESSAGE_ID_COMMAND_LIST_ROOT_CONSTANT_BUFFER_VIEW_NOT_SET),
        1u);
    EXPECT_EQ(
        CountMessages(messages, D3D12_MESSAGE_ID_COMMAND_LIST_ROOT_SHADER_RESOURCE_VIEW_NOT_SET),
        1u);
    BeginCommands();
}
