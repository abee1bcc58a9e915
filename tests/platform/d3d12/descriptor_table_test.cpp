// What a draw reads through a descriptor table: the descriptors its table
// holds when the list executes (root signature 1.0: descriptors may change
// until then), whichever slot of the heap they sit in.
#include "gpu_fixture.h"

#include "hlsl_file.h"

#include <pipeline_desc.h>

namespace {

constexpr char kShader[] = R"hlsl(
#define RS "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0))"
cbuffer Params : register(b0) { float4 tint; };
[RootSignature(RS)]
float4 VSMain(float2 pos : POSITION) : SV_Position { return float4(pos, 0.5, 1.0); }
float4 PSMain() : SV_Target { return tint; }
)hlsl";

constexpr float kFullTarget[] = {-1.0f, -1.0f, -1.0f, 3.0f, 3.0f, -1.0f};
constexpr UINT kSize = 16;
constexpr uint32_t kRed = 0xFF0000FFu, kGreen = 0xFF00FF00u, kBlue = 0xFFFF0000u;

class DescriptorTableTest : public GpuTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(GpuTest::SetUp());
        ASSERT_TRUE(CompileWithRootSignature(device, kShader, "descriptor_table_test.hlsl", &vs,
                                             &ps, &rootSignature));
        D3D12_GRAPHICS_PIPELINE_STATE_DESC desc =
            DescribePipeline(rootSignature, vs, ps, PositionLayout());
        pipeline.Attach(MakeGraphicsPipeline(device, desc));
        ASSERT_TRUE(pipeline);
        MakeRenderTarget(kSize, &target, &rtvHeap);
        vertices.Attach(MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, sizeof(kFullTarget),
                                   D3D12_RESOURCE_STATE_GENERIC_READ));
        heap.Attach(MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV, 2,
                                       D3D12_DESCRIPTOR_HEAP_FLAG_SHADER_VISIBLE));
        ASSERT_TRUE(target && rtvHeap && vertices && heap);
        ASSERT_NO_FATAL_FAILURE(WriteBuffer(vertices, kFullTarget, sizeof(kFullTarget)));
        const float colours[3][4] = {{1, 0, 0, 1}, {0, 1, 0, 1}, {0, 0, 1, 1}};
        for (int i = 0; i < 3; ++i) {
            tints[i].Attach(
                MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, 256, D3D12_RESOURCE_STATE_GENERIC_READ));
            ASSERT_TRUE(tints[i]);
            ASSERT_NO_FATAL_FAILURE(WriteBuffer(tints[i], colours[i], sizeof(colours[i])));
        }
        step = device->GetDescriptorHandleIncrementSize(D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV);
    }
    void TearDown() override {
        vs.Reset();
        ps.Reset();
        rootSignature.Reset();
        pipeline.Reset();
        target.Reset();
        rtvHeap.Reset();
        vertices.Reset();
        heap.Reset();
        for (ComPtr<ID3D12Resource>& tint : tints) {
            tint.Reset();
        }
        GpuTest::TearDown();
    }

    // Writes a view of `tint` into slot `slot` of the heap.
    void WriteView(ID3D12Resource* tint, UINT slot) {
        D3D12_CONSTANT_BUFFER_VIEW_DESC view{tint->GetGPUVirtualAddress(), 256};
        D3D12_CPU_DESCRIPTOR_HANDLE handle = heap->GetCPUDescriptorHandleForHeapStart();
        handle.ptr += SIZE_T(slot) * step;
        device->CreateConstantBufferView(&view, handle);
    }

    // Records a draw over the whole target through the table at `slot`.
    void RecordDraw(UINT slot) {
        const D3D12_CPU_DESCRIPTOR_HANDLE rtv = rtvHeap->GetCPUDescriptorHandleForHeapStart();
        const D3D12_VERTEX_BUFFER_VIEW view{vertices->GetGPUVirtualAddress(), sizeof(kFullTarget),
                                            8};
        list->OMSetRenderTargets(1, &rtv, FALSE, nullptr);
        SetTableDrawState(rootSignature, pipeline, heap, view, kSize);
        D3D12_GPU_DESCRIPTOR_HANDLE table = heap->GetGPUDescriptorHandleForHeapStart();
        table.ptr += UINT64(slot) * step;
        list->SetGraphicsRootDescriptorTable(0, table);
        list->DrawInstanced(3, 1, 0, 0);
    }

    uint32_t Drawn() {
        std::vector<uint8_t> pixels = ReadBack(target, D3D12_RESOURCE_STATE_RENDER_TARGET);
        return pixels.size() == kSize * kSize * 4 ? PixelAt(pixels, kSize, 5, 5) : 0;
    }

    ComPtr<ID3DBlob> vs, ps;
    ComPtr<ID3D12RootSignature> rootSignature;
    ComPtr<ID3D12PipelineState> pipeline;
    ComPtr<ID3D12Resource> target, vertices, tints[3];
    ComPtr<ID3D12DescriptorHeap> rtvHeap, heap;
    UINT step = 0;
};

} // namespace

TEST_F(DescriptorTableTest, EachDrawReadsWhatItsTableHoldsWhenTheListExecutes) {
    WriteView(tints[0], 0);
    RecordDraw(0);
    ExecuteAndWait();
    EXPECT_EQ(Drawn(), kRed);

    // The same slot rewritten between two lists.
    WriteView(tints[1], 0);
    RecordDraw(0);
    ExecuteAndWait();
    EXPECT_EQ(Drawn(), kGreen);

    // Recorded, then rewritten before the list executes.
    RecordDraw(0);
    WriteView(tints[2], 0);
    ExecuteAndWait();
    EXPECT_EQ(Drawn(), kBlue);
}

TEST_F(DescriptorTableTest, EqualAndDifferentDescriptorsInOtherSlotsAreEachRead) {
    WriteView(tints[0], 0);
    WriteView(tints[0], 1);
    RecordDraw(0);
    RecordDraw(1); // the same view in another slot
    ExecuteAndWait();
    EXPECT_EQ(Drawn(), kRed);

    WriteView(tints[1], 1);
    RecordDraw(0);
    RecordDraw(1); // another view: the draw after reads it
    ExecuteAndWait();
    EXPECT_EQ(Drawn(), kGreen);

    RecordDraw(1);
    RecordDraw(0); // and back
    ExecuteAndWait();
    EXPECT_EQ(Drawn(), kRed);
}
