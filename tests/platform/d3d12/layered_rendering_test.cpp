// Drawing through several viewports, and into several array slices of one
// target, with the vertex shader picking each (SV_ViewportArrayIndex,
// SV_RenderTargetArrayIndex), read back pixel by pixel.
#include "gpu_fixture.h"

#include <standin_checks.h>

#include "hlsl_file.h"

#include <pipeline_desc.h>

#include <string>

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
        rtvHeap.Attach(MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_RTV, 2));
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
        rootSignature.Attach(RootSignatureOf(device, vs));
        D3D12_GRAPHICS_PIPELINE_STATE_DESC desc = DescribePipeline(rootSignature, vs, ps, {});
        desc.RasterizerState.CullMode = D3D12_CULL_MODE_NONE;
        pipeline.Attach(MakeGraphicsPipeline(device, desc));
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

    // A kSize x kSize render target of `slices` array slices (or W slices of
    // a 3-D texture), in RENDER_TARGET.
    ComPtr<ID3D12Resource>
    MakeArrayTarget(UINT16 slices,
                    D3D12_RESOURCE_DIMENSION dimension = D3D12_RESOURCE_DIMENSION_TEXTURE2D) {
        D3D12_RESOURCE_DESC desc =
            TextureDescription(kSize, kSize, DXGI_FORMAT_R8G8B8A8_UNORM,
                               D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET, slices);
        desc.Dimension = dimension;
        return ComPtr<ID3D12Resource>{MakeCommitted(device, D3D12_HEAP_TYPE_DEFAULT, desc,
                                                    D3D12_RESOURCE_STATE_RENDER_TARGET)};
    }
    D3D12_CPU_DESCRIPTOR_HANDLE Rtv(UINT index) { return HandleAt(device, rtvHeap, index); }
    // RTV `index` draws into `count` slices of `texture` from `first` on.
    void MakeSlicesRtv(ID3D12Resource* texture, UINT index, UINT first, UINT count) {
        D3D12_RENDER_TARGET_VIEW_DESC desc{};
        desc.Format = DXGI_FORMAT_R8G8B8A8_UNORM;
        desc.ViewDimension = D3D12_RTV_DIMENSION_TEXTURE2DARRAY;
        desc.Texture2DArray = {0, first, count, 0};
        device->CreateRenderTargetView(texture, &desc, Rtv(index));
    }
    // Array slice `slice` of `texture`, or its W slice of a 3-D texture (in
    // RENDER_TARGET, which it returns to), as tightly packed rows.
    std::vector<uint8_t> ReadSlice(ID3D12Resource* texture, UINT slice) {
        D3D12_RESOURCE_DESC desc = texture->GetDesc();
        if (desc.Dimension != D3D12_RESOURCE_DIMENSION_TEXTURE3D) {
            return ReadBack(texture, D3D12_RESOURCE_STATE_RENDER_TARGET, slice);
        }
        // A W slice is copied by a box from subresource 0, laid out as a 2-D
        // texture of one slice.
        desc.Dimension = D3D12_RESOURCE_DIMENSION_TEXTURE2D;
        desc.DepthOrArraySize = 1;
        PendingReadBack pending;
        UINT64 total = 0;
        device->GetCopyableFootprints(&desc, 0, 1, 0, &pending.footprint, &pending.rows,
                                      &pending.rowSize, &total);
        pending.buffer =
            ::MakeBuffer(device, D3D12_HEAP_TYPE_READBACK, total, D3D12_RESOURCE_STATE_COPY_DEST);
        if (pending.buffer == nullptr) {
            return {};
        }
        D3D12_RESOURCE_BARRIER toCopy = Transition(texture, D3D12_RESOURCE_STATE_RENDER_TARGET,
                                                   D3D12_RESOURCE_STATE_COPY_SOURCE, 0);
        list->ResourceBarrier(1, &toCopy);
        const D3D12_TEXTURE_COPY_LOCATION to = FootprintLocation(pending.buffer, pending.footprint);
        const D3D12_TEXTURE_COPY_LOCATION from = SubresourceLocation(texture, 0);
        const D3D12_BOX depthSlice{0, 0, slice, kSize, kSize, slice + 1};
        list->CopyTextureRegion(&to, 0, 0, 0, &from, &depthSlice);
        D3D12_RESOURCE_BARRIER back = Transition(texture, D3D12_RESOURCE_STATE_COPY_SOURCE,
                                                 D3D12_RESOURCE_STATE_RENDER_TARGET, 0);
        list->ResourceBarrier(1, &back);
        ExecuteAndWait();
        return TakePixels(pending);
    }
    void ExpectFilled(ID3D12Resource* texture, UINT slice, uint32_t colour) {
        ExpectPixels(
            ReadSlice(texture, slice), kSize, kSize, [&](UINT, UINT) { return colour; },
            "slice " + std::to_string(slice));
    }
    // A triangle list over the whole of the bound targets, one viewport.
    void SetOneViewport() {
        D3D12_VIEWPORT viewport{0, 0, float(kSize), float(kSize), 0, 1};
        D3D12_RECT scissor{0, 0, LONG(kSize), LONG(kSize)};
        list->RSSetViewports(1, &viewport);
        list->RSSetScissorRects(1, &scissor);
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
    ExpectPixels(ReadBack(target, D3D12_RESOURCE_STATE_RENDER_TARGET), kSize, kSize,
                 [](UINT x, UINT y) {
                     const UINT quadrant = (y / (kSize / 2)) * 2 + x / (kSize / 2);
                     return quadrant < 3 ? Colour(quadrant + 1) : kBlack;
                 });
}

// A view of slices 1 to 3 is cleared whole and drawn into by slice: its
// first two slices take instances 0 and 1, its last keeps the clear, and
// slice 0, outside the view, keeps its own.
TEST_F(LayeredRenderingTest, TheVertexShaderPicksASliceOfTheView) {
    ComPtr<ID3D12Resource> target = MakeArrayTarget(4);
    ComPtr<ID3D12PipelineState> pipeline = MakePipeline("PerSlice");
    ASSERT_TRUE(target && pipeline);
    MakeSlicesRtv(target, 0, 1, 3);
    MakeSlicesRtv(target, 1, 0, 1);
    const float white[4] = {1, 1, 1, 1};
    list->ClearRenderTargetView(Rtv(1), white, 0, nullptr);
    PrepareDraw(pipeline);
    SetOneViewport();
    list->DrawInstanced(3, 2, 0, 0);
    ExecuteAndWait();
    ExpectFilled(target, 0, 0xFFFFFFFFu);
    ExpectFilled(target, 1, Colour(1));
    ExpectFilled(target, 2, Colour(2));
    ExpectFilled(target, 3, kBlack);
}

// Without SV_RenderTargetArrayIndex a draw into a view of several slices
// draws into its first.
TEST_F(LayeredRenderingTest, ADrawWithoutASliceIndexDrawsTheFirstSlice) {
    ComPtr<ID3D12Resource> target = MakeArrayTarget(3);
    ComPtr<ID3D12PipelineState> pipeline = MakePipeline("PerViewport");
    ASSERT_TRUE(target && pipeline);
    MakeSlicesRtv(target, 0, 0, 3);
    PrepareDraw(pipeline);
    SetOneViewport();
    list->DrawInstanced(3, 1, 0, 0);
    ExecuteAndWait();
    ExpectFilled(target, 0, Colour(1));
    ExpectFilled(target, 1, kBlack);
    ExpectFilled(target, 2, kBlack);
}

// A view of W slices 1 and 2 of a 3-D texture draws into each as a layer;
// the default view clears every W slice.
TEST_F(LayeredRenderingTest, TheVertexShaderPicksAWSliceOfThe3DView) {
    ComPtr<ID3D12Resource> target = MakeArrayTarget(4, D3D12_RESOURCE_DIMENSION_TEXTURE3D);
    ComPtr<ID3D12PipelineState> pipeline = MakePipeline("PerSlice");
    ASSERT_TRUE(target && pipeline);
    D3D12_RENDER_TARGET_VIEW_DESC slices{};
    slices.Format = DXGI_FORMAT_R8G8B8A8_UNORM;
    slices.ViewDimension = D3D12_RTV_DIMENSION_TEXTURE3D;
    slices.Texture3D = {0, 1, 2};
    device->CreateRenderTargetView(target, nullptr, Rtv(1));
    const float white[4] = {1, 1, 1, 1};
    list->ClearRenderTargetView(Rtv(1), white, 0, nullptr);
    device->CreateRenderTargetView(target, &slices, Rtv(0));
    PrepareDraw(pipeline);
    SetOneViewport();
    list->DrawInstanced(3, 2, 0, 0);
    ExecuteAndWait();
    ExpectFilled(target, 0, 0xFFFFFFFFu);
    ExpectFilled(target, 1, Colour(1));
    ExpectFilled(target, 2, Colour(2));
    ExpectFilled(target, 3, 0xFFFFFFFFu);
}

// Every slice a view covers must be a render target; the one left behind
// is named.
TEST_F(LayeredRenderingTest, ASliceOutOfRenderTargetIsReported) {
    ComPtr<ID3D12Resource> target = MakeArrayTarget(3);
    ComPtr<ID3D12PipelineState> pipeline = MakePipeline("PerSlice");
    ASSERT_TRUE(target && pipeline);
    MakeSlicesRtv(target, 0, 0, 3);
    D3D12_RESOURCE_BARRIER away =
        Transition(target, D3D12_RESOURCE_STATE_RENDER_TARGET, D3D12_RESOURCE_STATE_COPY_SOURCE, 2);
    list->ResourceBarrier(1, &away);
    PrepareDraw(pipeline);
    SetOneViewport();
    list->DrawInstanced(3, 3, 0, 0);
    ExecuteAndWait();
    std::vector<DebugMessage> messages = TakeDebugMessages(device);
    ASSERT_GE(CountMessages(messages, D3D12_MESSAGE_ID_INVALID_SUBRESOURCE_STATE), 1u);
    bool namesSlice2 = false;
    for (const DebugMessage& message : messages) {
        namesSlice2 =
            namesSlice2 || message.description.find("(subresource: 2)") != std::string::npos;
    }
    EXPECT_TRUE(namesSlice2);
}

} // namespace
