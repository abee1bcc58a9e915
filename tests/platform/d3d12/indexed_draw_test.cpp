// Indexed draws: 16- and 32-bit index buffers, start index and base vertex,
// strips cut at the pipeline's cut value, and what the debug layer reports
// about index buffers.
#include "gpu_fixture.h"

#include <standin_checks.h>

#include "hlsl_file.h"

#include <pipeline_desc.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr char kShader[] = R"hlsl(
#define RS "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT)"
[RootSignature(RS)]
float4 VSMain(float2 pos : POSITION) : SV_Position { return float4(pos, 0.5, 1.0); }
float4 PSMain() : SV_Target { return float4(1, 0, 0, 1); }
)hlsl";

// Two quads, each as a strip (top left, top right, bottom left, bottom
// right): one in the left half of the target, one in the right half.
constexpr float kQuads[] = {
    -0.75f, 0.5f, -0.25f, 0.5f, -0.75f, -0.5f, -0.25f, -0.5f, // left
    0.25f,  0.5f, 0.75f,  0.5f, 0.25f,  -0.5f, 0.75f,  -0.5f, // right
};
constexpr UINT kSize = 64;
constexpr uint32_t kRed = 0xFF0000FFu, kClear = 0xFF000000u;

// One indexed draw and where it lands.
struct IndexedDraw {
    DXGI_FORMAT format;
    std::vector<uint32_t> indices; // narrowed to 16 bits for R16_UINT
    D3D12_PRIMITIVE_TOPOLOGY topology;
    D3D12_INDEX_BUFFER_STRIP_CUT_VALUE cut;
    UINT count, startIndex;
    INT baseVertex;
};

class IndexedDrawTest : public GpuTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(GpuTest::SetUp());
        ASSERT_TRUE(CompileWithRootSignature(device, kShader, "indexed_draw_test.hlsl", &vs, &ps,
                                             &rootSignature));
        vertices.Attach(
            MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, sizeof(kQuads), D3D12_RESOURCE_STATE_GENERIC_READ));
        target.Attach(MakeTexture(kSize, kSize, DXGI_FORMAT_R8G8B8A8_UNORM,
                                  D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET,
                                  D3D12_RESOURCE_STATE_RENDER_TARGET));
        rtvHeap.Attach(MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_RTV));
        ASSERT_TRUE(vertices && target && rtvHeap);
        ASSERT_NO_FATAL_FAILURE(WriteBuffer(vertices, kQuads, sizeof(kQuads)));
        device->CreateRenderTargetView(target, nullptr, Rtv());
    }
    void TearDown() override {
        indices.Reset();
        vertices.Reset();
        target.Reset();
        rtvHeap.Reset();
        vs.Reset();
        ps.Reset();
        rootSignature.Reset();
        GpuTest::TearDown();
    }

    D3D12_CPU_DESCRIPTOR_HANDLE Rtv() { return rtvHeap->GetCPUDescriptorHandleForHeapStart(); }

    ID3D12PipelineState* MakePipeline(D3D12_INDEX_BUFFER_STRIP_CUT_VALUE cut, HRESULT* result) {
        D3D12_GRAPHICS_PIPELINE_STATE_DESC desc =
            DescribePipeline(rootSignature, vs, ps, PositionLayout());
        desc.RasterizerState.CullMode = D3D12_CULL_MODE_NONE;
        desc.IBStripCutValue = cut;
        desc.PrimitiveTopologyType = D3D12_PRIMITIVE_TOPOLOGY_TYPE_TRIANGLE;
        ID3D12PipelineState* pipeline = nullptr;
        *result = device->CreateGraphicsPipelineState(&desc, IID_ID3D12PipelineState,
                                                      reinterpret_cast<void**>(&pipeline));
        return pipeline;
    }

    // An upload buffer holding `draw`'s indices in its format.
    void UploadIndices(const IndexedDraw& draw) {
        std::vector<uint8_t> bytes;
        const bool wide = draw.format == DXGI_FORMAT_R32_UINT;
        for (uint32_t index : draw.indices) {
            const uint8_t* from = reinterpret_cast<const uint8_t*>(&index);
            bytes.insert(bytes.end(), from, from + (wide ? 4 : 2)); // little-endian
        }
        indices.Attach(
            MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, bytes.size(), D3D12_RESOURCE_STATE_GENERIC_READ));
        ASSERT_TRUE(indices);
        ASSERT_NO_FATAL_FAILURE(WriteBuffer(indices, bytes.data(), bytes.size()));
    }

    // Records the state of an indexed draw of `draw`, then the draw.
    void RecordDraw(ID3D12PipelineState* pipeline, const IndexedDraw& draw) {
        const float black[4] = {0, 0, 0, 1};
        list->ClearRenderTargetView(Rtv(), black, 0, nullptr);
        RecordTriangleDrawState(list, Rtv(), kSize, kSize, rootSignature, pipeline);
        D3D12_VERTEX_BUFFER_VIEW vertexView{vertices->GetGPUVirtualAddress(), sizeof(kQuads), 8};
        list->IASetVertexBuffers(0, 1, &vertexView);
        list->IASetPrimitiveTopology(draw.topology);
        D3D12_INDEX_BUFFER_VIEW indexView{indices->GetGPUVirtualAddress(),
                                          UINT(indices->GetDesc().Width), draw.format};
        list->IASetIndexBuffer(&indexView);
        list->DrawIndexedInstanced(draw.count, 1, draw.startIndex, draw.baseVertex, 0);
    }

    // Draws `draw` into a cleared target and reads the target back.
    std::vector<uint8_t> Render(const IndexedDraw& draw) {
        HRESULT result = S_OK;
        ComPtr<ID3D12PipelineState> pipeline{MakePipeline(draw.cut, &result)};
        EXPECT_EQ(result, S_OK);
        UploadIndices(draw);
        if (pipeline == nullptr || indices == nullptr) {
            return {};
        }
        RecordDraw(pipeline, draw);
        ExecuteAndWait();
        return ReadBack(target, D3D12_RESOURCE_STATE_RENDER_TARGET);
    }

    ComPtr<ID3DBlob> vs, ps;
    ComPtr<ID3D12RootSignature> rootSignature;
    ComPtr<ID3D12Resource> vertices, indices, target;
    ComPtr<ID3D12DescriptorHeap> rtvHeap;
};

constexpr UINT kLeft = 16, kMiddle = 32, kRight = 48, kRow = 32;

} // namespace

TEST_F(IndexedDrawTest, ListsReadSixteenAndThirtyTwoBitIndicesFromStartIndexPlusBaseVertex) {
    // The left quad's indices, moved to the right quad by a base vertex of 4.
    std::vector<uint8_t> narrow = Render({DXGI_FORMAT_R16_UINT,
                                          {0, 1, 2, 2, 1, 3},
                                          D3D_PRIMITIVE_TOPOLOGY_TRIANGLELIST,
                                          D3D12_INDEX_BUFFER_STRIP_CUT_VALUE_DISABLED,
                                          6,
                                          0,
                                          4});
    ASSERT_EQ(narrow.size(), kSize * kSize * 4u);
    EXPECT_EQ(PixelAt(narrow, kSize, kLeft, kRow), kClear);
    EXPECT_EQ(PixelAt(narrow, kSize, kRight, kRow), kRed);

    // Three indices skipped by the start index; values above 0xFFFF point
    // back into the buffer through a negative base vertex.
    std::vector<uint8_t> wide =
        Render({DXGI_FORMAT_R32_UINT,
                {7, 7, 7, 0x10000, 0x10001, 0x10002, 0x10002, 0x10001, 0x10003},
                D3D_PRIMITIVE_TOPOLOGY_TRIANGLELIST,
                D3D12_INDEX_BUFFER_STRIP_CUT_VALUE_DISABLED,
                6,
                3,
                -0x10000});
    ASSERT_EQ(wide.size(), kSize * kSize * 4u);
    EXPECT_EQ(PixelAt(wide, kSize, kLeft, kRow), kRed);
    EXPECT_EQ(PixelAt(wide, kSize, kRight, kRow), kClear);
}

TEST_F(IndexedDrawTest, StripsRestartAtTheCutValueOfTheirIndexWidth) {
    // Unbroken, the strip from one quad to the other covers the middle too.
    std::vector<uint8_t> joined = Render({DXGI_FORMAT_R16_UINT,
                                          {0, 1, 2, 3, 4, 5, 6, 7},
                                          D3D_PRIMITIVE_TOPOLOGY_TRIANGLESTRIP,
                                          D3D12_INDEX_BUFFER_STRIP_CUT_VALUE_DISABLED,
                                          8,
                                          0,
                                          0});
    ASSERT_EQ(joined.size(), kSize * kSize * 4u);
    EXPECT_EQ(PixelAt(joined, kSize, kMiddle, kRow), kRed);

    const struct {
        DXGI_FORMAT format;
        uint32_t cutIndex;
        D3D12_INDEX_BUFFER_STRIP_CUT_VALUE cut;
    } widths[] = {
        {DXGI_FORMAT_R16_UINT, 0xFFFF, D3D12_INDEX_BUFFER_STRIP_CUT_VALUE_0xFFFF},
        {DXGI_FORMAT_R32_UINT, 0xFFFFFFFF, D3D12_INDEX_BUFFER_STRIP_CUT_VALUE_0xFFFFFFFF}};
    for (const auto& width : widths) {
        std::vector<uint8_t> cut = Render({width.format,
                                           {0, 1, 2, 3, width.cutIndex, 4, 5, 6, 7},
                                           D3D_PRIMITIVE_TOPOLOGY_TRIANGLESTRIP,
                                           width.cut,
                                           9,
                                           0,
                                           0});
        ASSERT_EQ(cut.size(), kSize * kSize * 4u);
        EXPECT_EQ(PixelAt(cut, kSize, kLeft, kRow), kRed)
            << (width.format == DXGI_FORMAT_R32_UINT ? "32-bit" : "16-bit");
        EXPECT_EQ(PixelAt(cut, kSize, kRight, kRow), kRed);
        EXPECT_EQ(PixelAt(cut, kSize, kMiddle, kRow), kClear) << "the strip is cut between them";
    }
}

TEST_F(IndexedDrawTest, PipelinesRefuseAnUnknownCutValue) {
    HRESULT result = S_OK;
    EXPECT_EQ(MakePipeline(D3D12_INDEX_BUFFER_STRIP_CUT_VALUE(3), &result), nullptr);
    EXPECT_EQ(result, E_INVALIDARG);
}

TEST_F(IndexedDrawTest, TheDebugLayerReportsAMissingOrMalformedIndexBuffer) {
    HRESULT result = S_OK;
    ComPtr<ID3D12PipelineState> pipeline{
        MakePipeline(D3D12_INDEX_BUFFER_STRIP_CUT_VALUE_DISABLED, &result)};
    ASSERT_EQ(result, S_OK);
    const float black[4] = {0, 0, 0, 1};
    list->ClearRenderTargetView(Rtv(), black, 0, nullptr);
    RecordTriangleDrawState(list, Rtv(), kSize, kSize, rootSignature, pipeline);
    D3D12_VERTEX_BUFFER_VIEW vertexView{vertices->GetGPUVirtualAddress(), sizeof(kQuads), 8};
    list->IASetVertexBuffers(0, 1, &vertexView);
    list->IASetPrimitiveTopology(D3D_PRIMITIVE_TOPOLOGY_TRIANGLELIST);
    list->DrawIndexedInstanced(3, 1, 0, 0, 0); // no index buffer: nothing is drawn
    ExecuteAndWait();
    std::vector<uint8_t> pixels = ReadBack(target, D3D12_RESOURCE_STATE_RENDER_TARGET);
    ASSERT_EQ(pixels.size(), kSize * kSize * 4u);
    EXPECT_EQ(PixelAt(pixels, kSize, kLeft, kRow), kClear);

    D3D12_INDEX_BUFFER_VIEW byteIndices{vertices->GetGPUVirtualAddress(), 8, DXGI_FORMAT_R8_UINT};
    list->IASetIndexBuffer(&byteIndices);
    EXPECT_EQ(list->Close(), E_FAIL) << "a list with an invalid call fails to close";
    std::vector<DebugMessage> messages = TakeDebugMessages(device);
    EXPECT_EQ(CountMessages(messages, D3D12_MESSAGE_ID_COMMAND_LIST_DRAW_INDEX_BUFFER_NOT_SET), 1u);
    EXPECT_EQ(CountMessages(messages, D3D12_MESSAGE_ID_SET_INDEX_BUFFER_INVALID_DESC), 1u);
    AcknowledgeProvokedErrors();
    BeginCommands();
}
