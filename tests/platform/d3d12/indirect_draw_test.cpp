// ExecuteIndirect: draws, indexed draws and dispatches whose arguments lie in
// a buffer, a count buffer that limits them, and what the runtime and the
// debug layer refuse about command signatures and argument buffers.
#include "buffer_access_fixture.h"

#include <standin_checks.h>

#include "hlsl_file.h"

#include <pipeline_desc.h>

#include <cstdint>
#include <vector>

namespace {

constexpr char kDrawShader[] = R"hlsl(
#define RS "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT)"
[RootSignature(RS)]
float4 VSMain(float2 pos : POSITION) : SV_Position { return float4(pos, 0.5, 1.0); }
float4 PSMain() : SV_Target { return float4(1, 0, 0, 1); }
)hlsl";

// Instance 0 draws the left quad, any other moves it onto the right one.
constexpr char kInstanceShader[] = R"hlsl(
#define RS "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT)"
[RootSignature(RS)]
float4 VSMain(float2 pos : POSITION, uint instance : SV_InstanceID) : SV_Position {
    return float4(pos.x + (instance == 0 ? 0.0 : 1.0), pos.y, 0.5, 1.0);
}
)hlsl";

constexpr char kComputeShader[] = R"hlsl(
#define RS "UAV(u0)"
RWStructuredBuffer<uint> cells : register(u0);
[RootSignature(RS)]
[numthreads(4, 1, 1)]
void CSMain(uint3 id : SV_DispatchThreadID) { cells[id.y * 16 + id.x] = 1 + id.x + 100 * id.y; }
)hlsl";

// Two quads as strips of four vertices: the left half's, then the right half's.
constexpr float kQuads[] = {
    -0.75f, 0.5f, -0.25f, 0.5f, -0.75f, -0.5f, -0.25f, -0.5f, // left
    0.25f,  0.5f, 0.75f,  0.5f, 0.25f,  -0.5f, 0.75f,  -0.5f, // right
};
constexpr uint16_t kStripIndices[] = {0, 1, 2, 3};
constexpr UINT kSize = 64, kLeft = 16, kRight = 48, kRow = 32;
constexpr uint32_t kRed = 0xFF0000FFu, kClear = 0xFF000000u;

// Commands 32 bytes apart, so a stride other than the arguments' size counts.
constexpr UINT kDrawStride = 32;
struct PaddedDraw {
    D3D12_DRAW_ARGUMENTS arguments;
    uint32_t padding[4];
};
static_assert(sizeof(PaddedDraw) == kDrawStride, "two commands, 32 bytes apart");
constexpr PaddedDraw kBothQuads[] = {{{4, 1, 0, 0}, {}}, {{4, 1, 4, 0}, {}}};

// Which quads a target shows.
struct Quads {
    bool left, right;
};

class IndirectDrawTest : public BufferAccessTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(BufferAccessTest::SetUp());
        ASSERT_TRUE(CompileWithRootSignature(device, kDrawShader, "indirect_draw_test.hlsl", &vs,
                                             &ps, &rootSignature));
        pipeline = MakeDrawPipeline(vs);
        ASSERT_TRUE(pipeline);
        vertices.Attach(Upload(kQuads, sizeof(kQuads)));
        indices.Attach(Upload(kStripIndices, sizeof(kStripIndices)));
        ASSERT_TRUE(vertices && indices);
        ASSERT_NO_FATAL_FAILURE(MakeRenderTarget(kSize, &target, &rtvHeap));
    }
    void TearDown() override {
        for (ComPtr<ID3D12Resource>* resource : {&vertices, &indices, &target}) {
            resource->Reset();
        }
        rtvHeap.Reset();
        pipeline.Reset();
        rootSignature.Reset();
        vs.Reset();
        ps.Reset();
        BufferAccessTest::TearDown();
    }

    // A pipeline of `vertexShader` and the red pixel shader, for strips of quads.
    ComPtr<ID3D12PipelineState> MakeDrawPipeline(ID3DBlob* vertexShader) {
        D3D12_GRAPHICS_PIPELINE_STATE_DESC desc =
            DescribePipeline(rootSignature, vertexShader, ps, PositionLayout());
        desc.RasterizerState.CullMode = D3D12_CULL_MODE_NONE;
        ComPtr<ID3D12PipelineState> made{MakeGraphicsPipeline(device, desc)};
        return made;
    }

    // An upload buffer (in GENERIC_READ, which includes INDIRECT_ARGUMENT) holding `data`.
    ID3D12Resource* Upload(const void* data, UINT64 size) {
        ID3D12Resource* buffer =
            MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, size, D3D12_RESOURCE_STATE_GENERIC_READ);
        if (buffer != nullptr) {
            WriteBuffer(buffer, data, size);
        }
        return buffer;
    }

    // A signature of one argument of `type`, commands `stride` bytes apart.
    ID3D12CommandSignature* MakeSignature(D3D12_INDIRECT_ARGUMENT_TYPE type, UINT stride) {
        D3D12_INDIRECT_ARGUMENT_DESC argument{};
        argument.Type = type;
        const D3D12_COMMAND_SIGNATURE_DESC desc{stride, 1, &argument, 0};
        ID3D12CommandSignature* signature = nullptr;
        EXPECT_EQ(device->CreateCommandSignature(&desc, nullptr, IID_ID3D12CommandSignature,
                                                 reinterpret_cast<void**>(&signature)),
                  S_OK);
        return signature;
    }

    // Clears the target and sets what a strip draw of the quads needs.
    void RecordDrawState() {
        const float black[4] = {0, 0, 0, 1};
        const D3D12_CPU_DESCRIPTOR_HANDLE rtv = rtvHeap->GetCPUDescriptorHandleForHeapStart();
        list->ClearRenderTargetView(rtv, black, 0, nullptr);
        RecordTriangleDrawState(list, rtv, kSize, kSize, rootSignature, pipeline);
        const D3D12_VERTEX_BUFFER_VIEW vertexView{vertices->GetGPUVirtualAddress(), sizeof(kQuads),
                                                  8};
        list->IASetVertexBuffers(0, 1, &vertexView);
        const D3D12_INDEX_BUFFER_VIEW indexView{indices->GetGPUVirtualAddress(),
                                                sizeof(kStripIndices), DXGI_FORMAT_R16_UINT};
        list->IASetIndexBuffer(&indexView);
        list->IASetPrimitiveTopology(D3D_PRIMITIVE_TOPOLOGY_TRIANGLESTRIP);
    }

    // Runs the list and reads the target: which quads were drawn.
    Quads DrawnQuads() {
        ExecuteAndWait();
        const std::vector<uint8_t> pixels = ReadBack(target, D3D12_RESOURCE_STATE_RENDER_TARGET);
        EXPECT_EQ(pixels.size(), kSize * kSize * 4u);
        if (pixels.size() != kSize * kSize * 4u) {
            return {false, false};
        }
        const uint32_t left = PixelAt(pixels, kSize, kLeft, kRow);
        const uint32_t right = PixelAt(pixels, kSize, kRight, kRow);
        EXPECT_TRUE(left == kRed || left == kClear) << std::hex << left;
        EXPECT_TRUE(right == kRed || right == kClear) << std::hex << right;
        return {left == kRed, right == kRed};
    }

    ComPtr<ID3DBlob> vs, ps;
    ComPtr<ID3D12RootSignature> rootSignature;
    ComPtr<ID3D12PipelineState> pipeline;
    ComPtr<ID3D12Resource> vertices, indices, target;
    ComPtr<ID3D12DescriptorHeap> rtvHeap;
};

} // namespace

// Arguments copied into a default-heap buffer, moved to INDIRECT_ARGUMENT, and
// read from there: two draws of one call, then (the buffer in COMMON again) an
// indexed draw whose base vertex moves the left quad's indices onto the right quad.
TEST_F(IndirectDrawTest, DrawsAndIndexedDrawsReadTheirArgumentsFromABuffer) {
    ComPtr<ID3D12CommandSignature> draws{
        MakeSignature(D3D12_INDIRECT_ARGUMENT_TYPE_DRAW, kDrawStride)};
    ComPtr<ID3D12CommandSignature> indexed{MakeSignature(D3D12_INDIRECT_ARGUMENT_TYPE_DRAW_INDEXED,
                                                         sizeof(D3D12_DRAW_INDEXED_ARGUMENTS))};
    const D3D12_DRAW_INDEXED_ARGUMENTS rightByBaseVertex{4, 1, 0, 4, 0};
    ComPtr<ID3D12Resource> staging{Upload(kBothQuads, sizeof(kBothQuads))};
    ComPtr<ID3D12Resource> indexedStaging{Upload(&rightByBaseVertex, sizeof(rightByBaseVertex))};
    ComPtr<ID3D12Resource> arguments{
        MakeBuffer(D3D12_HEAP_TYPE_DEFAULT, sizeof(kBothQuads), D3D12_RESOURCE_STATE_COPY_DEST)};
    ASSERT_TRUE(draws && indexed && staging && indexedStaging && arguments);

    list->CopyBufferRegion(arguments, 0, staging, 0, sizeof(kBothQuads));
    D3D12_RESOURCE_BARRIER toArguments = Transition(arguments, D3D12_RESOURCE_STATE_COPY_DEST,
                                                    D3D12_RESOURCE_STATE_INDIRECT_ARGUMENT);
    list->ResourceBarrier(1, &toArguments);
    RecordDrawState();
    list->ExecuteIndirect(draws, 2, arguments, 0, nullptr, 0);
    const Quads both = DrawnQuads();
    EXPECT_TRUE(both.left && both.right);

    // The buffer decayed to COMMON as the list finished; the copy promotes it.
    list->CopyBufferRegion(arguments, 0, indexedStaging, 0, sizeof(rightByBaseVertex));
    list->ResourceBarrier(1, &toArguments);
    RecordDrawState();
    list->ExecuteIndirect(indexed, 1, arguments, 0, nullptr, 0);
    const Quads right = DrawnQuads();
    EXPECT_FALSE(right.left);
    EXPECT_TRUE(right.right) << "the base vertex came from the argument buffer";
}

// SV_InstanceID counts from 0 in every draw, whatever its start instance, in
// an indirect draw as in a direct one.
TEST_F(IndirectDrawTest, InstanceIdsCountFromZeroWhateverTheStartInstance) {
    ComPtr<ID3DBlob> instanceVs{
        CompileHlslFile(kInstanceShader, "indirect_instance_test.hlsl", "VSMain", "vs_5_0")};
    ASSERT_TRUE(instanceVs);
    ComPtr<ID3D12PipelineState> byInstance = MakeDrawPipeline(instanceVs);
    ComPtr<ID3D12CommandSignature> draws{
        MakeSignature(D3D12_INDIRECT_ARGUMENT_TYPE_DRAW, sizeof(D3D12_DRAW_ARGUMENTS))};
    const D3D12_DRAW_ARGUMENTS startingAtInstance3{4, 1, 0, 3};
    ComPtr<ID3D12Resource> arguments{Upload(&startingAtInstance3, sizeof(startingAtInstance3))};
    ASSERT_TRUE(byInstance && draws && arguments);

    for (const bool indirect : {false, true}) {
        SCOPED_TRACE(indirect ? "ExecuteIndirect" : "DrawInstanced");
        RecordDrawState();
        list->SetPipelineState(byInstance);
        if (indirect) {
            list->ExecuteIndirect(draws, 1, arguments, 0, nullptr, 0);
        } else {
            list->DrawInstanced(4, 1, 0, 3);
        }
        const Quads drawn = DrawnQuads();
        EXPECT_TRUE(drawn.left) << "instance 0";
        EXPECT_FALSE(drawn.right);
    }
}

// The count buffer's value, at most MaxCommandCount, is how many commands run.
TEST_F(IndirectDrawTest, ACountBufferLimitsTheDrawsAndACountOfZeroDrawsNothing) {
    ComPtr<ID3D12CommandSignature> draws{
        MakeSignature(D3D12_INDIRECT_ARGUMENT_TYPE_DRAW, kDrawStride)};
    ComPtr<ID3D12Resource> arguments{Upload(kBothQuads, sizeof(kBothQuads))};
    const uint32_t noCount[2] = {0, 0};
    ComPtr<ID3D12Resource> count{Upload(noCount, sizeof(noCount))};
    ASSERT_TRUE(draws && arguments && count);
    struct Case {
        uint32_t count;
        UINT maxCount;
        Quads expected;
    };
    const Case cases[] = {{1, 2, {true, false}},
                          {0, 2, {false, false}},
                          {5, 2, {true, true}},
                          {2, 0, {false, false}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "count " << c.count << ", max " << c.maxCount);
        const uint32_t words[2] = {0xFFFFFFFFu, c.count}; // read from offset 4
        WriteBuffer(count, words, sizeof(words));
        RecordDrawState();
        list->ExecuteIndirect(draws, c.maxCount, arguments, 0, count, 4);
        const Quads drawn = DrawnQuads();
        EXPECT_EQ(drawn.left, c.expected.left);
        EXPECT_EQ(drawn.right, c.expected.right);
    }
}

// An indirect dispatch of (2, 3, 1) groups of four threads writes rows 0 to 2
// of eight cells each.
TEST_F(IndirectDrawTest, IndirectDispatchWritesAnUnorderedAccessBuffer) {
    ComPtr<ID3DBlob> cs{
        CompileHlslFile(kComputeShader, "indirect_dispatch_test.hlsl", "CSMain", "cs_5_0")};
    ASSERT_TRUE(cs);
    ComPtr<ID3D12RootSignature> computeRoot{RootSignatureOf(device, cs)};
    ASSERT_TRUE(computeRoot);
    ComPtr<ID3D12PipelineState> compute{MakeComputePipeline(device, computeRoot, cs)};
    ASSERT_TRUE(compute);
    ComPtr<ID3D12CommandSignature> dispatches{
        MakeSignature(D3D12_INDIRECT_ARGUMENT_TYPE_DISPATCH, sizeof(D3D12_DISPATCH_ARGUMENTS))};
    const D3D12_DISPATCH_ARGUMENTS groups{2, 3, 1};
    ComPtr<ID3D12Resource> arguments{Upload(&groups, sizeof(groups))};
    ComPtr<ID3D12Resource> cells{MakeUnorderedAccessBuffer(16 * 4 * 4)};
    ASSERT_TRUE(dispatches && arguments && cells);

    list->SetComputeRootSignature(computeRoot);
    list->SetComputeRootUnorderedAccessView(0, cells->GetGPUVirtualAddress());
    list->SetPipelineState(compute);
    list->ExecuteIndirect(dispatches, 1, arguments, 0, nullptr, 0);
    ExecuteAndWait();
    const std::vector<uint8_t> bytes = ReadBuffer(cells, 16 * 4 * 4, D3D12_RESOURCE_STATE_COMMON);
    EXPECT_EQ(WordAt(bytes, 0), 1u);
    EXPECT_EQ(WordAt(bytes, 2 * 16 + 7), 208u) << "the last thread of the last group";
    EXPECT_EQ(WordAt(bytes, 8), 0u) << "two groups in x";
    EXPECT_EQ(WordAt(bytes, 3 * 16), 0u) << "three groups in y";
}

// An argument buffer outside INDIRECT_ARGUMENT is reported when the list
// executes; an indirect draw without root signature as a direct one is; an
// unaligned offset or commands past the buffer's end fail the list.
TEST_F(IndirectDrawTest, TheDebugLayerChecksArgumentBuffersAndTheDrawState) {
    ComPtr<ID3D12CommandSignature> draws{
        MakeSignature(D3D12_INDIRECT_ARGUMENT_TYPE_DRAW, kDrawStride)};
    ComPtr<ID3D12Resource> arguments{
        MakeBuffer(D3D12_HEAP_TYPE_DEFAULT, sizeof(kBothQuads), D3D12_RESOURCE_STATE_COPY_DEST)};
    ASSERT_TRUE(draws && arguments);
    RecordDrawState();
    list->ExecuteIndirect(draws, 2, arguments, 0, nullptr, 0);
    DrawnQuads();
    std::vector<DebugMessage> messages = TakeDebugMessages(device);
    EXPECT_EQ(CountMessages(messages, D3D12_MESSAGE_ID_INVALID_SUBRESOURCE_STATE), 1u);

    list->ExecuteIndirect(draws, 1, arguments, 0, nullptr, 0); // nothing set
    list->ExecuteIndirect(draws, 1, arguments, 2, nullptr, 0); // unaligned
    list->ExecuteIndirect(draws, 3, arguments, 0, nullptr, 0); // past the end
    list->ExecuteIndirect(draws, 0xFFFFFFFFu, arguments, 0, nullptr, 0);
    EXPECT_EQ(list->Close(), E_FAIL) << "a list with an invalid call fails to close";
    messages = TakeDebugMessages(device);
    EXPECT_EQ(CountMessages(messages, D3D12_MESSAGE_ID_COMMAND_LIST_DRAW_ROOT_SIGNATURE_NOT_SET),
              1u);
    EXPECT_EQ(CountMessages(messages, D3D12_MESSAGE_ID_EXECUTE_INDIRECT_INVALID_PARAMETERS), 3u);
    AcknowledgeProvokedErrors();
    BeginCommands();
}

// Exactly one draw or dispatch, last; a stride of at least the arguments'
// size and a multiple of 4; a root signature exactly when root arguments change.
TEST_F(IndirectDrawTest, CommandSignaturesAreCheckedAsWindowsChecksThem) {
    auto argument = [](D3D12_INDIRECT_ARGUMENT_TYPE type) {
        D3D12_INDIRECT_ARGUMENT_DESC desc{};
        desc.Type = type;
        return desc;
    };
    const D3D12_INDIRECT_ARGUMENT_DESC draw = argument(D3D12_INDIRECT_ARGUMENT_TYPE_DRAW);
    const D3D12_INDIRECT_ARGUMENT_DESC vertexBuffer =
        argument(D3D12_INDIRECT_ARGUMENT_TYPE_VERTEX_BUFFER_VIEW);
    const D3D12_INDIRECT_ARGUMENT_DESC constant = argument(D3D12_INDIRECT_ARGUMENT_TYPE_CONSTANT);
    const D3D12_INDIRECT_ARGUMENT_DESC drawThenVertices[] = {draw, vertexBuffer};
    const D3D12_INDIRECT_ARGUMENT_DESC twoDraws[] = {draw, draw};
    const D3D12_INDIRECT_ARGUMENT_DESC constantThenDraw[] = {constant, draw};
    struct Case {
        const char* what;
        D3D12_COMMAND_SIGNATURE_DESC desc;
        ID3D12RootSignature* root;
    };
    const Case refused[] = {
        {"no arguments", {16, 0, &draw, 0}, nullptr},
        {"the draw not last", {32, 2, drawThenVertices, 0}, nullptr},
        {"two draws", {32, 2, twoDraws, 0}, nullptr},
        {"a stride below the arguments' size", {12, 1, &draw, 0}, nullptr},
        {"a stride not a multiple of 4", {18, 1, &draw, 0}, nullptr},
        {"a root signature with no root arguments", {16, 1, &draw, 0}, rootSignature},
        {"root arguments without a root signature", {20, 2, constantThenDraw, 0}, nullptr},
    };
    for (const Case& c : refused) {
        ComPtr<ID3D12CommandSignature> signature;
        EXPECT_EQ(device->CreateCommandSignature(&c.desc, c.root, IID_ID3D12CommandSignature,
                                                 signature.PutVoid()),
                  E_INVALIDARG)
            << c.what;
        EXPECT_FALSE(signature) << c.what;
    }
    std::vector<DebugMessage> messages = TakeDebugMessages(device);
    EXPECT_EQ(CountMessages(messages, D3D12_MESSAGE_ID_CREATECOMMANDSIGNATURE_INVALID),
              sizeof(refused) / sizeof(refused[0]));
    AcknowledgeProvokedErrors();

    ComPtr<ID3D12CommandSignature> padded;
    const D3D12_COMMAND_SIGNATURE_DESC wide{64, 1, &draw, 0};
    EXPECT_EQ(device->CreateCommandSignature(&wide, nullptr, IID_ID3D12CommandSignature,
                                             padded.PutVoid()),
              S_OK);
}
