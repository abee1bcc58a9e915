// Drawing through several viewports, and into several array slices of one
// target, with the vertex shader picking each (SV_ViewportArrayIndex,
// SV_RenderTargetArrayIndex), read back pixel by pixel.
#include "gpu_fixture.h"

#include <standin_checks.h>

#include "hlsl_file.h"

#include <pipeline_desc.h>

namespace {

constexpr char kShader[] = R"hlsl(
#define RS "RootFlags(0)"
struct ToViewport {
    float4 position : SV_Position;
    nointerpolation uint colour : COLOR0;
    uint viewport : SV_ViewportArrayIndex;
};
struct ToSlice {
    float4 position : SV_Position;
    nointerpolation uint colour : COLOR0;
    uint slice : SV_RenderTargetArrayIndex;
};
float4 Covering(uint id) {
    float2 corner = float2((id << 1) & 2, id & 2);
    return float4(corner * float2(2, -2) + float2(-1, 1), 0.5, 1);
}
// Instance i covers viewport i in colour i + 1.
[RootSignature(RS)]
ToViewport PerViewport(uint id : SV_VertexID, uint instance : SV_InstanceID) {
    ToViewport result = {Covering(id), instance + 1, instance};
    return result;
}
// Instance i covers slice i in colour i + 1.
[RootSignature(RS)]
ToSlice PerSlice(uint id : SV_VertexID, uint instance : SV_InstanceID) {
    ToSlice result = {Covering(id), instance + 1, instance};
    return result;
}
// Colour c: red for bit 0, green for bit 1, blue for bit 2.
float4 Shade(float4 position : SV_Position, nointerpolation uint colour : COLOR0) : SV_Target {
    return float4(colour & 1, (colour >> 1) & 1, (colour >> 2) & 1, 1);
}
)hlsl";

constexpr UINT kSize = 8;
constexpr uint32_t kBlack = 0xFF000000u;

// Colour c of Shade as a read-back pixel.
uint32_t Colour(uint32_t c) {
    return kBlack | ((c & 1) ? 0xFFu : 0) | ((c & 2) ? 0xFF00u : 0) | ((c & 4) ? 0xFF0000u : 0);
}

class LayeredRenderingTest : public GpuTest {
protected:
    void SetUp() override {
        GpuTest::SetUp();
        D3D12_FEATURE_DATA_D3D12_OPTIONS options{};
        ASSERT_EQ(
            device->CheckFeatureSupport(D3D12_FEATURE_D3D12_OPTIONS, &options, sizeof(options)),
            S_OK);
        if (!options.VPAndRTArrayIndexFromAnyShaderFeedingRasterizerSupportedWithoutGSEmulation) {
            GTEST_SKIP() << "the device takes no viewport or slice index from a vertex shader";
        }
        rtvHeap.Attach(MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_RTV, 1));
        ASSERT_TRUE(rtvHeap);
    }
    void TearDown() override {
        AcknowledgeProvokedErrors();
        rtvHeap.Reset();
        rootSignature.Reset();
        GpuTest::TearDown();
    }

    ComPtr<ID3D12PipelineState> MakePipeline(const char* vertexEntry) {
        ComPtr<ID3DBlob> vs{
            CompileHlslFile(kShader, "layered_rendering_test.hlsl", vertexEntry, "vs_5_0")};
        ComPtr<ID3DBlob> ps{
            CompileHlslFile(kShader, "layered_rendering_test.hlsl", "Shade", "ps_5_0")};
        ComPtr<ID3D12PipelineState> pipeline;
        if (vs == nullptr || ps == nullptr) {
            ADD_FAILURE() << "the shaders did not compile";
            return pipeline;
        }
        EXPECT_EQ(device->CreateRootSignature(0, vs->GetBufferPointer(), vs->GetBufferSize(),
                                              IID_ID3D12RootSignature, rootSignature.PutVoid()),
                  S_OK);
        D3D12_GRAPHICS_PIPELINE_STATE_DESC desc = DescribePipeline(rootSignature, vs, ps, {});
        desc.RasterizerState.CullMode = D3D12_CULL_MODE_NONE;
        EXPECT_EQ(
            device->CreateGraphicsPipelineState(&desc, IID_ID3D12PipelineState, pipeline.PutVoid()),
            S_OK);
        return pipeline;
    }
    // Clears RTV 0 to black and sets what a triangle draw into it needs,
    // except viewports and scissors.
    void PrepareDraw(ID3D12PipelineState* pipeline) {
        const float black[4] = {0, 0, 0, 1};
        D3D12_CPU_DESCRIPTOR_HANDLE rtv = rtvHeap->GetCPUDescriptorHandleForHeapStart();
        list->ClearRenderTargetView(rtv, black, 0, nullptr);
        list->OMSetRenderTargets(1, &rtv, FALSE, nullptr);
        list->SetGraphicsRootSignature(rootSignature);
        list->SetPipelineState(pipeline);
        list->IASetPrimitiveTopology(D3D_PRIMITIVE_TOPOLOGY_TRIANGLELIST);
    }

    ComPtr<ID3D12DescriptorHeap> rtvHeap;
    ComPtr<ID3D12RootSignature> rootSignature;
};

// The four quadrants of the target, viewport and scissor alike.
void Quadrants(D3D12_VIEWPORT viewports[4], D3D12_RECT scissors[4]) {
    for (UINT i = 0; i < 4; ++i) {
        const float left = float(i % 2 * kSize / 2), top = float(i / 2 * kSize / 2);
        viewports[i] = {left, top, kSize / 2.0f, kSize / 2.0f, 0.0f, 1.0f};
        scissors[i] = {LONG(left), LONG(top), LONG(left) + LONG(kSize / 2),
                       LONG(top) + LONG(kSize / 2)};
    }
}

// Instances 0 to 2 each fill their own quadrant; the fourth, drawn by no
// instance, stays black.
TEST_F(LayeredRenderingTest, TheVertexShaderPicksAViewportAndItsScissor) {
    ComPtr<ID3D12Resource> target;
    MakeRenderTarget(kSize, &target, &rtvHeap);
    ComPtr<ID3D12PipelineState> pipeline = MakePipeline("PerViewport");
    ASSERT_TRUE(target && pipeline);
    PrepareDraw(pipeline);
    D3D12_VIEWPORT viewports[4];
    D3D12_RECT scissors[4];
    Quadrants(viewports, scissors);
    list->RSSetViewports(4, viewports);
    list->RSSetScissorRects(4, scissors);
    list->DrawInstanced(3, 3, 0, 0);
    std::vector<uint8_t> pixels = ReadBack(target, D3D12_RESOURCE_STATE_RENDER_TARGET);
    ASSERT_EQ(pixels.size(), kSize * kSize * 4);
    for (UINT y = 0; y < kSize; ++y) {
        for (UINT x = 0; x < kSize; ++x) {
            const UINT quadrant = (y / (kSize / 2)) * 2 + x / (kSize / 2);
            ASSERT_EQ(PixelAt(pixels, kSize, x, y), quadrant < 3 ? Colour(quadrant + 1) : kBlack)
                << x << "," << y;
        }
    }
}

} // namespace
