// The output merger's constants set on the list: the blend factor that
// BLEND_FACTOR blends read, and the stencil reference the stencil test
// compares with and writes, read back from what draws leave in the target.
#include "cover_shader.h"
#include "gpu_fixture.h"

#include "hlsl_file.h"

#include <standin_checks.h>

#include <pipeline_desc.h>

namespace {

constexpr UINT kSize = 8;

class OutputMergerConstantsTest : public GpuTest {
protected:
    void SetUp() override {
        GpuTest::SetUp();
        MakeRenderTarget(kSize, &target, &rtvHeap);
        ComPtr<ID3DBlob> vs{Compile("Cover", "vs_5_0")};
        ASSERT_TRUE(vs);
        ASSERT_EQ(device->CreateRootSignature(0, vs->GetBufferPointer(), vs->GetBufferSize(),
                                              IID_ID3D12RootSignature, rootSignature.PutVoid()),
                  S_OK);
    }
    void TearDown() override {
        target.Reset();
        rtvHeap.Reset();
        rootSignature.Reset();
        GpuTest::TearDown();
    }
    static ID3DBlob* Compile(const char* entry, const char* target) {
        return CompileHlslFile(kCoverShader, "output_merger_constants_test.hlsl", entry, target);
    }
    // The test's pipeline, the rest as `change` leaves it.
    template <typename Change> ComPtr<ID3D12PipelineState> MakePipeline(Change change) {
        ComPtr<ID3DBlob> vs{Compile("Cover", "vs_5_0")};
        ComPtr<ID3DBlob> ps{Compile("Flat", "ps_5_0")};
        ComPtr<ID3D12PipelineState> pipeline;
        if (vs == nullptr || ps == nullptr) {
            return pipeline;
        }
        D3D12_GRAPHICS_PIPELINE_STATE_DESC desc = DescribePipeline(rootSignature, vs, ps, {});
        desc.RasterizerState.CullMode = D3D12_CULL_MODE_NONE;
        change(desc);
        EXPECT_EQ(
            device->CreateGraphicsPipelineState(&desc, IID_ID3D12PipelineState, pipeline.PutVoid()),
            S_OK);
        return pipeline;
    }
    // Source times the factor plus destination times one minus it; alpha
    // the source's times the factor's.
    ComPtr<ID3D12PipelineState> BlendFactorPipeline() {
        return MakePipeline([](D3D12_GRAPHICS_PIPELINE_STATE_DESC& desc) {
            D3D12_RENDER_TARGET_BLEND_DESC& blend = desc.BlendState.RenderTarget[0];
            blend.BlendEnable = TRUE;
            blend.SrcBlend = D3D12_BLEND_BLEND_FACTOR;
            blend.DestBlend = D3D12_BLEND_INV_BLEND_FACTOR;
            blend.SrcBlendAlpha = D3D12_BLEND_BLEND_FACTOR;
            blend.DestBlendAlpha = D3D12_BLEND_ZERO;
        });
    }
    void Draw(ID3D12PipelineState* pipeline, const float (&colour)[4]) {
        list->SetPipelineState(pipeline);
        list->SetGraphicsRoot32BitConstants(0, 4, colour, 0);
        list->DrawInstanced(3, 1, 0, 0);
    }
    void ClearTarget() {
        const float black[4] = {0, 0, 0, 0};
        list->ClearRenderTargetView(rtvHeap->GetCPUDescriptorHandleForHeapStart(), black, 0,
                                    nullptr);
    }

    ComPtr<ID3D12Resource> target;
    ComPtr<ID3D12DescriptorHeap> rtvHeap;
    ComPtr<ID3D12RootSignature> rootSignature;
};

TEST_F(OutputMergerConstantsTest, BlendFactorScalesWhatBlendFactorBlendsReadAndNullIsOne) {
    ComPtr<ID3D12PipelineState> pipeline = BlendFactorPipeline();
    ASSERT_TRUE(pipeline);
    const float white[4] = {1, 1, 1, 1};
    const float factor[4] = {0.5f, 0.25f, 1.0f, 0.0f};
    struct Case {
        const float* factor;
        uint32_t expected; // 0xAABBGGRR over a black target
    } cases[] = {{factor, 0x00FF4080u}, {nullptr, 0xFFFFFFFFu}};
    for (const Case& c : cases) {
        ClearTarget();
        RecordTriangleDrawState(list, rtvHeap->GetCPUDescriptorHandleForHeapStart(), kSize, kSize,
                                rootSignature, pipeline);
        list->OMSetBlendFactor(c.factor);
        Draw(pipeline, white);
        std::vector<uint8_t> pixels = ReadBack(target, D3D12_RESOURCE_STATE_RENDER_TARGET);
        ASSERT_EQ(pixels.size(), kSize * kSize * 4);
        uint32_t pixel = PixelAt(pixels, kSize, 3, 3);
        for (int channel = 0; channel < 4; ++channel) {
            int got = int(pixel >> (8 * channel) & 0xFF);
            int want = int(c.expected >> (8 * channel) & 0xFF);
            EXPECT_NEAR(got, want, 1) << "channel " << channel << (c.factor ? "" : " (null)");
        }
    }
}

TEST_F(OutputMergerConstantsTest, StencilRefIsWrittenAndComparedForEachStencilFormat) {
    for (DXGI_FORMAT format : {DXGI_FORMAT_D24_UNORM_S8_UINT, DXGI_FORMAT_D32_FLOAT_S8X24_UINT}) {
        SCOPED_TRACE(format);
        auto stencil = [format](D3D12_COMPARISON_FUNC func, D3D12_STENCIL_OP pass) {
            return [format, func, pass](D3D12_GRAPHICS_PIPELINE_STATE_DESC& desc) {
                desc.DSVFormat = format;
                D3D12_DEPTH_STENCIL_DESC& state = desc.DepthStencilState;
                state.StencilEnable = TRUE;
                state.StencilReadMask = state.StencilWriteMask = 0xFF;
                state.FrontFace = {D3D12_STENCIL_OP_KEEP, D3D12_STENCIL_OP_KEEP, pass, func};
                state.BackFace = state.FrontFace;
            };
        };
        ComPtr<ID3D12PipelineState> mark =
            MakePipeline(stencil(D3D12_COMPARISON_FUNC_ALWAYS, D3D12_STENCIL_OP_REPLACE));
        ComPtr<ID3D12PipelineState> test =
            MakePipeline(stencil(D3D12_COMPARISON_FUNC_EQUAL, D3D12_STENCIL_OP_KEEP));
        ASSERT_TRUE(mark && test);
        ComPtr<ID3D12Resource> depth{MakeCommitted(
            device, D3D12_HEAP_TYPE_DEFAULT,
            TextureDescription(kSize, kSize, format, D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL),
            D3D12_RESOURCE_STATE_DEPTH_WRITE)};
        ComPtr<ID3D12DescriptorHeap> dsvHeap{MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_DSV)};
        ASSERT_TRUE(depth && dsvHeap);
        const D3D12_CPU_DESCRIPTOR_HANDLE dsv = dsvHeap->GetCPUDescriptorHandleForHeapStart();
        device->CreateDepthStencilView(depth, nullptr, dsv);

        ClearTarget();
        list->ClearDepthStencilView(dsv, D3D12_CLEAR_FLAG_STENCIL, 1.0f, 0, 0, nullptr);
        RecordTriangleDrawState(list, rtvHeap->GetCPUDescriptorHandleForHeapStart(), kSize, kSize,
                                rootSignature, mark);
        const D3D12_CPU_DESCRIPTOR_HANDLE rtv = rtvHeap->GetCPUDescriptorHandleForHeapStart();
        list->OMSetRenderTargets(1, &rtv, FALSE, &dsv);
        const D3D12_RECT leftHalf{0, 0, kSize / 2, kSize}, whole{0, 0, kSize, kSize};
        list->RSSetScissorRects(1, &leftHalf);
        list->OMSetStencilRef(0x107); // only the low 8 bits count
        Draw(mark, {1, 0, 0, 1});
        list->RSSetScissorRects(1, &whole);
        list->OMSetStencilRef(7);
        Draw(test, {0, 1, 0, 1});
        list->OMSetStencilRef(3);
        Draw(test, {0, 0, 1, 1}); // matches nowhere
        std::vector<uint8_t> pixels = ReadBack(target, D3D12_RESOURCE_STATE_RENDER_TARGET);
        ASSERT_EQ(pixels.size(), kSize * kSize * 4);
        EXPECT_EQ(PixelAt(pixels, kSize, 1, 4), 0xFF00FF00u) << "marked with 7, drawn green";
        EXPECT_EQ(PixelAt(pixels, kSize, 6, 4), 0x00000000u) << "stencil 0: nothing drawn";
    }
}

TEST_F(OutputMergerConstantsTest, ClearStateKeepsOnlyTheNamedPipelineStateAndZeroesTheFactor) {
    ComPtr<ID3D12PipelineState> pipeline = BlendFactorPipeline();
    ASSERT_TRUE(pipeline);
    ClearTarget();
    const D3D12_CPU_DESCRIPTOR_HANDLE rtv = rtvHeap->GetCPUDescriptorHandleForHeapStart();
    RecordTriangleDrawState(list, rtv, kSize, kSize, rootSignature, pipeline);
    const float half[4] = {0.5f, 0.5f, 0.5f, 0.5f};
    list->OMSetBlendFactor(half);
    list->ClearState(pipeline);
    // Everything but the pipeline state is unset again: a factor of zeros.
    const D3D12_VIEWPORT viewport{0, 0, float(kSize), float(kSize), 0, 1};
    const D3D12_RECT scissor{0, 0, LONG(kSize), LONG(kSize)};
    list->RSSetViewports(1, &viewport);
    list->RSSetScissorRects(1, &scissor);
    list->OMSetRenderTargets(1, &rtv, FALSE, nullptr);
    list->SetGraphicsRootSignature(rootSignature);
    list->IASetPrimitiveTopology(D3D_PRIMITIVE_TOPOLOGY_TRIANGLELIST);
    const float white[4] = {1, 1, 1, 1};
    list->SetGraphicsRoot32BitConstants(0, 4, white, 0);
    list->DrawInstanced(3, 1, 0, 0);
    list->OMSetBlendFactor(half);
    list->ClearState(nullptr);
    list->DrawInstanced(3, 1, 0, 0); // no root signature nor pipeline: not drawn
    std::vector<uint8_t> pixels = ReadBack(target, D3D12_RESOURCE_STATE_RENDER_TARGET);
    ASSERT_EQ(pixels.size(), kSize * kSize * 4);
    EXPECT_EQ(PixelAt(pixels, kSize, 4, 4), 0u) << "drawn with a factor of zeros";
    std::vector<DebugMessage> messages = TakeDebugMessages(device);
    EXPECT_EQ(CountMessages(messages, D3D12_MESSAGE_ID_COMMAND_LIST_DRAW_ROOT_SIGNATURE_NOT_SET),
              1u);
    AcknowledgeProvokedErrors();
}

} // namespace
