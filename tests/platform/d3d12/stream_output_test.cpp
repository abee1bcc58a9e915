// Stream output: vertices captured into buffers through a pipeline's
// stream-output declaration (whole outputs, component subsets, gaps), the
// filled size each draw appends from and writes back, writes past a view's
// size dropped, a null view unbinding its slot, a geometry shader's stream
// captured while drawn, a domain shader's outputs captured, the filled size
// written whole; and the declarations Direct3D 12 refuses.
#include "gpu_fixture.h"

#include <standin_checks.h>

#include "hlsl_file.h"

#include <pipeline_desc.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr char kShader[] = R"hlsl(
#define RS "RootFlags(ALLOW_STREAM_OUTPUT)"
struct Vertex {
    float4 position : SV_Position;
    float4 values : TEXCOORD0;
    float2 pair : TEXCOORD1;
};
// Vertex i at (i, 1, 2, 1), with values (i, i + 10, i + 20, i + 30) and
// pair (100 + i, 200 + i).
[RootSignature(RS)]
Vertex Numbered(uint id : SV_VertexID) {
    Vertex result;
    result.position = float4(id, 1, 2, 1);
    result.values = float4(id, id + 10, id + 20, id + 30);
    result.pair = float2(100 + id, 200 + id);
    return result;
}
// A triangle over the whole target, values as Numbered's; drawn red.
[RootSignature(RS)]
Vertex Covering(uint id : SV_VertexID) {
    Vertex result = Numbered(id);
    float2 corner = float2((id << 1) & 2, id & 2);
    result.position = float4(corner * float2(2, -2) + float2(-1, 1), 0.5, 1);
    return result;
}
float4 Red(Vertex input) : SV_Target { return float4(1, 0, 0, 1); }
)hlsl";
// Each triangle once more, its values doubled.
constexpr char kGeometry[] = R"hlsl(
[maxvertexcount(3)]
void Doubled(triangle Vertex input[3], inout TriangleStream<Vertex> stream) {
    for (uint i = 0; i < 3; ++i) {
        Vertex output = input[i];
        output.values *= 2;
        stream.Append(output);
    }
}
)hlsl";
// Each vertex of a triangle as a point of stream 0, and again as a point of
// stream 1 with its values doubled and its position tripled.
constexpr char kTwoStreams[] = R"hlsl(
struct Second {
    float4 doubled : TEXCOORD0;
    float4 position : SV_Position;
};
[maxvertexcount(6)]
void TwoStreams(triangle Vertex input[3], inout PointStream<Vertex> first,
                inout PointStream<Second> second) {
    for (uint i = 0; i < 3; ++i) {
        first.Append(input[i]);
        Second s;
        s.doubled = input[i].values * 2;
        s.position = input[i].position * 3;
        second.Append(s);
    }
}
)hlsl";
// The same, each stream written by a function it is passed to, stream 1's
// passing it on to another.
constexpr char kTwoStreamsThroughHelpers[] = R"hlsl(
struct Second {
    float4 doubled : TEXCOORD0;
    float4 position : SV_Position;
};
void AppendFirst(Vertex v, inout PointStream<Vertex> stream) {
    stream.Append(v);
}
void AppendOnce(Second s, inout PointStream<Second> stream) {
    stream.Append(s);
}
void AppendSecond(inout PointStream<Second> stream, Vertex v) {
    Second s;
    s.doubled = v.values * 2;
    s.position = v.position * 3;
    AppendOnce(s, stream);
    stream.RestartStrip();
}
[maxvertexcount(6)]
void TwoStreams(triangle Vertex input[3], inout PointStream<Vertex> first,
                inout PointStream<Second> second) {
    for (uint i = 0; i < 3; ++i) {
        AppendFirst(input[i], first);
        AppendSecond(second, input[i]);
    }
}
)hlsl";
// One triangle patch tessellated into one triangle; each of its vertices
// has the values of the control point at its corner plus 1000. The hull and
// domain shaders are compiled each with its own part, so that neither sees
// the other's attributes.
constexpr char kFactors[] = R"hlsl(
struct Factors {
    float edges[3] : SV_TessFactor;
    float inside : SV_InsideTessFactor;
};
Factors Constants(InputPatch<Vertex, 3> patch) {
    Factors result = {{1, 1, 1}, 1};
    return result;
}
)hlsl";
constexpr char kHull[] = R"hlsl(
[domain("tri")]
[partitioning("integer")]
[outputtopology("triangle_cw")]
[outputcontrolpoints(3)]
[patchconstantfunc("Constants")]
Vertex Hull(InputPatch<Vertex, 3> patch, uint i : SV_OutputControlPointID) {
    return patch[i];
}
)hlsl";
constexpr char kDomain[] = R"hlsl(
[domain("tri")]
Vertex Domain(Factors factors, float3 uvw : SV_DomainLocation,
              const OutputPatch<Vertex, 3> patch) {
    Vertex result = patch[0];
    result.values = uvw.x * patch[0].values + uvw.y * patch[1].values +
                    uvw.z * patch[2].values + 1000;
    return result;
}
)hlsl";
constexpr char kFile[] = "stream_output_test.hlsl";

constexpr UINT64 kFilledAt = 1024; // the filled size's place in the buffer
constexpr UINT64 kBufferSize = 2048;

class StreamOutputTest : public GpuTest {
protected:
    void SetUp() override {
        GpuTest::SetUp();
        vs.Attach(CompileHlslFile(kShader, kFile, "Numbered", "vs_5_0"));
        ASSERT_TRUE(vs);
        rootSignature.Attach(RootSignatureOf(device, vs));
        ASSERT_TRUE(rootSignature);
    }
    void TearDown() override {
        AcknowledgeProvokedErrors();
        upload.Reset();
        rootSignature.Reset();
        vs.Reset();
        GpuTest::TearDown();
    }
    // Draws three points through the geometry shader "TwoStreams" of `source`
    // and reads what each stream captured into its slot.
    void CaptureTwoStreams(const std::string& source);

    // A triangle pipeline without a pixel shader or targets, streaming out
    // `entries` with `strides`; the device's result in `result`.
    ComPtr<ID3D12PipelineState>
    MakePipeline(const std::vector<D3D12_SO_DECLARATION_ENTRY>& entries,
                 const std::vector<UINT>& strides, HRESULT* result, ID3DBlob* gs = nullptr,
                 UINT rasterized = D3D12_SO_NO_RASTERIZED_STREAM,
                 D3D12_PRIMITIVE_TOPOLOGY_TYPE type = D3D12_PRIMITIVE_TOPOLOGY_TYPE_TRIANGLE,
                 ID3DBlob* hs = nullptr, ID3DBlob* ds = nullptr) {
        D3D12_GRAPHICS_PIPELINE_STATE_DESC desc = DescribePipeline(
            rootSignature, D3D12_SHADER_BYTECODE{vs->GetBufferPointer(), vs->GetBufferSize()},
            D3D12_SHADER_BYTECODE{}, {});
        desc.NumRenderTargets = 0;
        desc.RTVFormats[0] = DXGI_FORMAT_UNKNOWN;
        desc.RasterizerState.CullMode = D3D12_CULL_MODE_NONE;
        desc.PrimitiveTopologyType = type;
        for (auto [blob, code] : {std::pair{gs, &desc.GS}, {hs, &desc.HS}, {ds, &desc.DS}}) {
            if (blob != nullptr) {
                *code = {blob->GetBufferPointer(), blob->GetBufferSize()};
            }
        }
        desc.StreamOutput = {entries.data(), UINT(entries.size()), strides.data(),
                             UINT(strides.size()), rasterized};
        ComPtr<ID3D12PipelineState> pipeline;
        *result =
            device->CreateGraphicsPipelineState(&desc, IID_ID3D12PipelineState, pipeline.PutVoid());
        return pipeline;
    }

    // A default-heap buffer filled with 0xEE bytes and a filled size of
    // `filled` at kFilledAt, recorded into the list and left in STREAM_OUT.
    ComPtr<ID3D12Resource> MakeTarget(UINT64 filled = 0) {
        upload.Attach(
            MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, kBufferSize, D3D12_RESOURCE_STATE_GENERIC_READ));
        ComPtr<ID3D12Resource> target{
            MakeBuffer(D3D12_HEAP_TYPE_DEFAULT, kBufferSize, D3D12_RESOURCE_STATE_COPY_DEST)};
        std::vector<uint8_t> bytes(kBufferSize, 0xEE);
        std::memcpy(bytes.data() + kFilledAt, &filled, sizeof(filled));
        WriteBuffer(upload, bytes.data(), bytes.size());
        list->CopyBufferRegion(target, 0, upload, 0, kBufferSize);
        D3D12_RESOURCE_BARRIER toStreamOut =
            Transition(target, D3D12_RESOURCE_STATE_COPY_DEST, D3D12_RESOURCE_STATE_STREAM_OUT);
        list->ResourceBarrier(1, &toStreamOut);
        return target;
    }

    D3D12_STREAM_OUTPUT_BUFFER_VIEW View(ID3D12Resource* target, UINT64 size, UINT64 offset = 0) {
        return {target->GetGPUVirtualAddress() + offset, size,
                target->GetGPUVirtualAddress() + kFilledAt};
    }

    // Draws `count` vertices of `topology` through `pipeline` into `view` (slot 0).
    void Draw(ID3D12PipelineState* pipeline, const D3D12_STREAM_OUTPUT_BUFFER_VIEW* view,
              UINT count, D3D12_PRIMITIVE_TOPOLOGY topology = D3D_PRIMITIVE_TOPOLOGY_TRIANGLELIST) {
        list->SetGraphicsRootSignature(rootSignature);
        list->SetPipelineState(pipeline);
        list->IASetPrimitiveTopology(topology);
        D3D12_VIEWPORT viewport{0, 0, 8, 8, 0, 1};
        D3D12_RECT scissor{0, 0, 8, 8};
        list->RSSetViewports(1, &viewport);
        list->RSSetScissorRects(1, &scissor);
        list->SOSetTargets(0, 1, view);
        list->DrawInstanced(count, 1, 0, 0);
    }

    // The whole of `target` (in STREAM_OUT, left in COPY_SOURCE) as bytes.
    std::vector<uint8_t> ReadTarget(ID3D12Resource* target) {
        ComPtr<ID3D12Resource> readback{
            MakeBuffer(D3D12_HEAP_TYPE_READBACK, kBufferSize, D3D12_RESOURCE_STATE_COPY_DEST)};
        D3D12_RESOURCE_BARRIER toCopy =
            Transition(target, D3D12_RESOURCE_STATE_STREAM_OUT, D3D12_RESOURCE_STATE_COPY_SOURCE);
        list->ResourceBarrier(1, &toCopy);
        list->CopyBufferRegion(readback, 0, target, 0, kBufferSize);
        ExecuteAndWait();
        std::vector<uint8_t> bytes(kBufferSize);
        void* mapped = nullptr;
        D3D12_RANGE range{0, kBufferSize};
        EXPECT_EQ(readback->Map(0, &range, &mapped), S_OK);
        if (mapped != nullptr) {
            std::memcpy(bytes.data(), mapped, kBufferSize);
            readback->Unmap(0, nullptr);
        }
        return bytes;
    }

    static float FloatAt(const std::vector<uint8_t>& bytes, size_t offset) {
        float value;
        std::memcpy(&value, bytes.data() + offset, 4);
        return value;
    }
    static uint64_t FilledSize(const std::vector<uint8_t>& bytes) {
        uint64_t value;
        std::memcpy(&value, bytes.data() + kFilledAt, 8);
        return value;
    }

    ComPtr<ID3DBlob> vs;
    ComPtr<ID3D12RootSignature> rootSignature;
    ComPtr<ID3D12Resource> upload; // kept until the list has run
};

// Position whole, a one-component gap, values.yz and pair.y: 28 bytes a vertex.
const std::vector<D3D12_SO_DECLARATION_ENTRY> kSubsets = {
    {0, "SV_Position", 0, 0, 4, 0},
    {0, nullptr, 0, 0, 1, 0},
    {0, "TEXCOORD", 0, 1, 2, 0},
    {0, "TEXCOORD", 1, 1, 1, 0},
};
constexpr UINT kStride = 32; // 4 bytes past the entries stay as they were

TEST_F(StreamOutputTest, VertexShaderOutputsCapturedWithSubsetsAndGaps) {
    HRESULT result = E_FAIL;
    ComPtr<ID3D12PipelineState> pipeline = MakePipeline(kSubsets, {kStride}, &result);
    ASSERT_EQ(result, S_OK);
    ComPtr<ID3D12Resource> target = MakeTarget();
    ASSERT_TRUE(target);
    D3D12_STREAM_OUTPUT_BUFFER_VIEW view = View(target, kFilledAt);
    Draw(pipeline, &view, 3);
    std::vector<uint8_t> bytes = ReadTarget(target);
    EXPECT_EQ(FilledSize(bytes), 3u * kStride);
    for (UINT i = 0; i < 3; ++i) {
        const size_t at = size_t(i) * kStride;
        EXPECT_EQ(FloatAt(bytes, at), float(i)) << i;
        EXPECT_EQ(FloatAt(bytes, at + 4), 1.0f) << i;
        EXPECT_EQ(FloatAt(bytes, at + 8), 2.0f) << i;
        EXPECT_EQ(FloatAt(bytes, at + 12), 1.0f) << i;
        EXPECT_EQ(bytes[at + 16], 0xEE) << "the gap is written at vertex " << i;
        EXPECT_EQ(FloatAt(bytes, at + 20), float(i + 10)) << i;
        EXPECT_EQ(FloatAt(bytes, at + 24), float(i + 20)) << i;
        EXPECT_EQ(FloatAt(bytes, at + 28), float(200 + i)) << i;
    }
    EXPECT_EQ(bytes[3 * kStride], 0xEE);
}

// Each draw appends where the filled size says, and writes the new size
// back; a view whose BufferLocation is not the buffer's start counts from it.
TEST_F(StreamOutputTest, DrawsAppendFromTheFilledSize) {
    HRESULT result = E_FAIL;
    ComPtr<ID3D12PipelineState> pipeline = MakePipeline(kSubsets, {kStride}, &result);
    ASSERT_EQ(result, S_OK);
    ComPtr<ID3D12Resource> target = MakeTarget(kStride);
    ASSERT_TRUE(target);
    D3D12_STREAM_OUTPUT_BUFFER_VIEW view = View(target, 512, 64);
    Draw(pipeline, &view, 3);
    list->DrawInstanced(3, 1, 0, 0);
    std::vector<uint8_t> bytes = ReadTarget(target);
    EXPECT_EQ(FilledSize(bytes), 7u * kStride);
    EXPECT_EQ(bytes[64], 0xEE) << "a vertex went below the filled size";
    EXPECT_EQ(FloatAt(bytes, 64 + kStride), 0.0f);
    EXPECT_EQ(FloatAt(bytes, 64 + 3 * kStride), 2.0f);
    EXPECT_EQ(FloatAt(bytes, 64 + 4 * kStride), 0.0f) << "the second draw's vertex 0";
    EXPECT_EQ(FloatAt(bytes, 64 + 6 * kStride), 2.0f);
}

// Primitives are written whole: a view with room for four vertices takes
// the first triangle of two, and the filled size stops there.
TEST_F(StreamOutputTest, WritesPastTheViewSizeAreDropped) {
    HRESULT result = E_FAIL;
    ComPtr<ID3D12PipelineState> pipeline = MakePipeline(kSubsets, {kStride}, &result);
    ASSERT_EQ(result, S_OK);
    ComPtr<ID3D12Resource> target = MakeTarget();
    ASSERT_TRUE(target);
    D3D12_STREAM_OUTPUT_BUFFER_VIEW view = View(target, 4 * kStride + 8);
    Draw(pipeline, &view, 6);
    std::vector<uint8_t> bytes = ReadTarget(target);
    EXPECT_EQ(FilledSize(bytes), 3u * kStride);
    EXPECT_EQ(FloatAt(bytes, 2 * kStride), 2.0f);
    EXPECT_EQ(bytes[3 * kStride], 0xEE) << "the second triangle was written past the view";
}

// A draw of ExecuteIndirect captures as DrawInstanced does.
TEST_F(StreamOutputTest, IndirectDrawsCapture) {
    HRESULT result = E_FAIL;
    ComPtr<ID3D12PipelineState> pipeline = MakePipeline(kSubsets, {kStride}, &result);
    ASSERT_EQ(result, S_OK);
    D3D12_INDIRECT_ARGUMENT_DESC argument{};
    argument.Type = D3D12_INDIRECT_ARGUMENT_TYPE_DRAW;
    D3D12_COMMAND_SIGNATURE_DESC desc{sizeof(D3D12_DRAW_ARGUMENTS), 1, &argument, 0};
    ComPtr<ID3D12CommandSignature> draws;
    ASSERT_EQ(
        device->CreateCommandSignature(&desc, nullptr, IID_ID3D12CommandSignature, draws.PutVoid()),
        S_OK);
    ComPtr<ID3D12Resource> arguments{MakeBuffer(
        D3D12_HEAP_TYPE_UPLOAD, sizeof(D3D12_DRAW_ARGUMENTS), D3D12_RESOURCE_STATE_GENERIC_READ)};
    const D3D12_DRAW_ARGUMENTS draw{3, 1, 0, 0};
    WriteBuffer(arguments, &draw, sizeof(draw));
    ComPtr<ID3D12Resource> target = MakeTarget();
    ASSERT_TRUE(target);
    D3D12_STREAM_OUTPUT_BUFFER_VIEW view = View(target, kFilledAt);
    Draw(pipeline, &view, 0);
    list->ExecuteIndirect(draws, 1, arguments, 0, nullptr, 0);
    std::vector<uint8_t> bytes = ReadTarget(target);
    EXPECT_EQ(FilledSize(bytes), 3u * kStride);
    EXPECT_EQ(FloatAt(bytes, 2 * kStride + 20), 12.0f);
}

// SOSetTargets with a null view unbinds the slot: nothing is written.
TEST_F(StreamOutputTest, NullViewUnbindsTheSlot) {
    HRESULT result = E_FAIL;
    ComPtr<ID3D12PipelineState> pipeline = MakePipeline(kSubsets, {kStride}, &result);
    ASSERT_EQ(result, S_OK);
    ComPtr<ID3D12Resource> target = MakeTarget();
    ASSERT_TRUE(target);
    D3D12_STREAM_OUTPUT_BUFFER_VIEW view = View(target, kFilledAt);
    list->SOSetTargets(0, 1, &view);
    D3D12_STREAM_OUTPUT_BUFFER_VIEW none{};
    Draw(pipeline, &none, 3);
    std::vector<uint8_t> bytes = ReadTarget(target);
    EXPECT_EQ(FilledSize(bytes), 0u);
    EXPECT_EQ(bytes[0], 0xEE);
}

// Points drawn by the vertex shader alone are captured one vertex each.
TEST_F(StreamOutputTest, PointsOfTheVertexShaderCaptured) {
    HRESULT result = E_FAIL;
    ComPtr<ID3D12PipelineState> pipeline =
        MakePipeline({{0, "TEXCOORD", 1, 0, 2, 0}}, {8}, &result, nullptr,
                     D3D12_SO_NO_RASTERIZED_STREAM, D3D12_PRIMITIVE_TOPOLOGY_TYPE_POINT);
    ASSERT_EQ(result, S_OK);
    ComPtr<ID3D12Resource> target = MakeTarget();
    ASSERT_TRUE(target);
    D3D12_STREAM_OUTPUT_BUFFER_VIEW view = View(target, kFilledAt);
    Draw(pipeline, &view, 0);
    list->IASetPrimitiveTopology(D3D_PRIMITIVE_TOPOLOGY_POINTLIST);
    list->DrawInstanced(2, 1, 0, 0);
    std::vector<uint8_t> bytes = ReadTarget(target);
    EXPECT_EQ(FilledSize(bytes), 16u);
    EXPECT_EQ(FloatAt(bytes, 8), 101.0f);
    EXPECT_EQ(FloatAt(bytes, 12), 201.0f);
}

// Two slots declared, one bound: the bound one is written, as Windows drops
// only what goes to the unbound slot.
TEST_F(StreamOutputTest, UnboundSlotOnlyDropsItsOwnWrites) {
    HRESULT result = E_FAIL;
    ComPtr<ID3D12PipelineState> pipeline =
        MakePipeline({{0, "TEXCOORD", 0, 0, 4, 0}, {0, "TEXCOORD", 1, 0, 2, 1}}, {16, 8}, &result);
    ASSERT_EQ(result, S_OK);
    ComPtr<ID3D12Resource> target = MakeTarget();
    ASSERT_TRUE(target);
    D3D12_STREAM_OUTPUT_BUFFER_VIEW view = View(target, kFilledAt);
    Draw(pipeline, &view, 3);
    std::vector<uint8_t> bytes = ReadTarget(target);
    EXPECT_EQ(FilledSize(bytes), 48u);
    EXPECT_EQ(FloatAt(bytes, 16 + 4), 11.0f);
}

// A geometry shader's stream is captured; its values are the ones it wrote.
TEST_F(StreamOutputTest, GeometryShaderStreamCaptured) {
    const std::string source = std::string(kShader) + kGeometry;
    ComPtr<ID3DBlob> gs{
        CompileHlslFile(source.c_str(), "stream_output_test_gs.hlsl", "Doubled", "gs_5_0")};
    ASSERT_TRUE(gs);
    HRESULT result = E_FAIL;
    ComPtr<ID3D12PipelineState> pipeline =
        MakePipeline({{0, "TEXCOORD", 0, 0, 4, 0}}, {16}, &result, gs.Get(), 0);
    ASSERT_EQ(result, S_OK);
    ComPtr<ID3D12Resource> target = MakeTarget();
    ASSERT_TRUE(target);
    D3D12_STREAM_OUTPUT_BUFFER_VIEW view = View(target, kFilledAt);
    Draw(pipeline, &view, 3);
    std::vector<uint8_t> bytes = ReadTarget(target);
    EXPECT_EQ(FilledSize(bytes), 48u);
    EXPECT_EQ(FloatAt(bytes, 16), 2.0f);
    EXPECT_EQ(FloatAt(bytes, 16 + 4), 22.0f);
    EXPECT_EQ(FloatAt(bytes, 16 + 12), 62.0f);
}

// Each stream of a geometry shader is captured into its own slot, a later
// stream's SV_Position among its outputs.
TEST_F(StreamOutputTest, GeometryShaderStreamsCapturedIntoTheirSlots) {
    for (const char* streams : {kTwoStreams, kTwoStreamsThroughHelpers}) {
        SCOPED_TRACE(streams == kTwoStreams ? "appended in the entry" : "appended by functions");
        CaptureTwoStreams(std::string(kShader) + streams);
    }
}

void StreamOutputTest::CaptureTwoStreams(const std::string& source) {
    ComPtr<ID3DBlob> gs{
        CompileHlslFile(source.c_str(), "stream_output_test_streams.hlsl", "TwoStreams", "gs_5_0")};
    ASSERT_TRUE(gs);
    HRESULT result = E_FAIL;
    ComPtr<ID3D12PipelineState> pipeline = MakePipeline(
        {{0, "TEXCOORD", 0, 0, 4, 0}, {1, "TEXCOORD", 0, 0, 4, 1}, {1, "SV_Position", 0, 0, 4, 1}},
        {16, 32}, &result, gs.Get());
    ASSERT_EQ(result, S_OK);
    ComPtr<ID3D12Resource> firstTarget = MakeTarget();
    ASSERT_TRUE(firstTarget);
    ExecuteAndWait(); // the upload buffer is made anew for the second target
    ComPtr<ID3D12Resource> secondTarget = MakeTarget();
    ASSERT_TRUE(secondTarget);
    // Each buffer decays to COMMON when a list that used it has run.
    D3D12_RESOURCE_BARRIER toStreamOut =
        Transition(firstTarget, D3D12_RESOURCE_STATE_COMMON, D3D12_RESOURCE_STATE_STREAM_OUT);
    list->ResourceBarrier(1, &toStreamOut);
    const D3D12_STREAM_OUTPUT_BUFFER_VIEW views[] = {View(firstTarget, kFilledAt),
                                                     View(secondTarget, kFilledAt)};
    Draw(pipeline, views, 0);
    list->SOSetTargets(0, 2, views);
    list->DrawInstanced(3, 1, 0, 0);
    std::vector<uint8_t> first = ReadTarget(firstTarget);
    toStreamOut.Transition.pResource = secondTarget;
    list->ResourceBarrier(1, &toStreamOut);
    std::vector<uint8_t> second = ReadTarget(secondTarget);
    EXPECT_EQ(FilledSize(first), 48u);
    EXPECT_EQ(FilledSize(second), 96u);
    for (UINT i = 0; i < 3; ++i) {
        EXPECT_EQ(FloatAt(first, 16 * i + 4), float(i + 10)) << i;
        EXPECT_EQ(FloatAt(second, 32 * i + 4), float(2 * i + 20)) << i;
        EXPECT_EQ(FloatAt(second, 32 * i + 16), float(3 * i)) << i;
        EXPECT_EQ(FloatAt(second, 32 * i + 24), 6.0f) << i;
    }
}

// Without a geometry shader, the domain shader's outputs are captured, one
// vertex per corner of the tessellated triangle.
TEST_F(StreamOutputTest, DomainShaderOutputsCaptured) {
    const std::string hull = std::string(kShader) + kFactors + kHull;
    const std::string domain = std::string(kShader) + kFactors + kDomain;
    ComPtr<ID3DBlob> hs{
        CompileHlslFile(hull.c_str(), "stream_output_test_hs.hlsl", "Hull", "hs_5_0")};
    ComPtr<ID3DBlob> ds{
        CompileHlslFile(domain.c_str(), "stream_output_test_ds.hlsl", "Domain", "ds_5_0")};
    ASSERT_TRUE(hs);
    ASSERT_TRUE(ds);
    HRESULT result = E_FAIL;
    ComPtr<ID3D12PipelineState> pipeline = MakePipeline(
        {{0, "TEXCOORD", 0, 0, 4, 0}}, {16}, &result, nullptr, D3D12_SO_NO_RASTERIZED_STREAM,
        D3D12_PRIMITIVE_TOPOLOGY_TYPE_PATCH, hs.Get(), ds.Get());
    ASSERT_EQ(result, S_OK);
    ComPtr<ID3D12Resource> target = MakeTarget();
    ASSERT_TRUE(target);
    D3D12_STREAM_OUTPUT_BUFFER_VIEW view = View(target, kFilledAt);
    Draw(pipeline, &view, 3, D3D_PRIMITIVE_TOPOLOGY_3_CONTROL_POINT_PATCHLIST);
    std::vector<uint8_t> bytes = ReadTarget(target);
    ASSERT_EQ(FilledSize(bytes), 48u);
    float corners = 0; // the corners' order is the tessellator's own
    for (UINT i = 0; i < 3; ++i) {
        const float first = FloatAt(bytes, 16 * i);
        corners += first;
        EXPECT_EQ(FloatAt(bytes, 16 * i + 12), first + 30) << i;
    }
    EXPECT_EQ(corners, 3003.0f);
}

// The filled size is a UINT64: a capture writes its high word too, whatever
// the buffer held there.
TEST_F(StreamOutputTest, FilledSizeWrittenWhole) {
    HRESULT result = E_FAIL;
    ComPtr<ID3D12PipelineState> pipeline = MakePipeline(kSubsets, {kStride}, &result);
    ASSERT_EQ(result, S_OK);
    ComPtr<ID3D12Resource> target = MakeTarget(UINT64(0xEEEEEEEE) << 32);
    ASSERT_TRUE(target);
    D3D12_STREAM_OUTPUT_BUFFER_VIEW view = View(target, kFilledAt);
    Draw(pipeline, &view, 3);
    list->DrawInstanced(3, 1, 0, 0);
    std::vector<uint8_t> bytes = ReadTarget(target);
    EXPECT_EQ(FilledSize(bytes), 6u * kStride);
    EXPECT_EQ(FloatAt(bytes, 5 * kStride), 2.0f);
}

// Stream 0 is both captured and drawn; with no rasterized stream the same
// pipeline captures and draws nothing.
TEST_F(StreamOutputTest, RasterizedStreamDrawsWhileCapturing) {
    ComPtr<ID3DBlob> covering{CompileHlslFile(kShader, kFile, "Covering", "vs_5_0")};
    ComPtr<ID3DBlob> red{CompileHlslFile(kShader, kFile, "Red", "ps_5_0")};
    ASSERT_TRUE(covering);
    ASSERT_TRUE(red);
    const D3D12_SO_DECLARATION_ENTRY entry{0, "TEXCOORD", 0, 0, 4, 0};
    const UINT stride = 16;
    for (UINT rasterized : {0u, UINT(D3D12_SO_NO_RASTERIZED_STREAM)}) {
        D3D12_GRAPHICS_PIPELINE_STATE_DESC desc =
            DescribePipeline(rootSignature, covering, red, {});
        desc.RasterizerState.CullMode = D3D12_CULL_MODE_NONE;
        desc.StreamOutput = {&entry, 1, &stride, 1, rasterized};
        ComPtr<ID3D12PipelineState> pipeline;
        ASSERT_EQ(
            device->CreateGraphicsPipelineState(&desc, IID_ID3D12PipelineState, pipeline.PutVoid()),
            S_OK);
        ComPtr<ID3D12Resource> texture;
        ComPtr<ID3D12DescriptorHeap> rtvHeap;
        MakeRenderTarget(8, &texture, &rtvHeap);
        const D3D12_CPU_DESCRIPTOR_HANDLE rtv = rtvHeap->GetCPUDescriptorHandleForHeapStart();
        const float black[4] = {0, 0, 0, 1};
        list->ClearRenderTargetView(rtv, black, 0, nullptr);
        list->OMSetRenderTargets(1, &rtv, FALSE, nullptr);
        ComPtr<ID3D12Resource> target = MakeTarget();
        ASSERT_TRUE(target);
        D3D12_STREAM_OUTPUT_BUFFER_VIEW view = View(target, kFilledAt);
        Draw(pipeline, &view, 3);
        std::vector<uint8_t> bytes = ReadTarget(target);
        EXPECT_EQ(FilledSize(bytes), 3u * stride) << rasterized;
        EXPECT_EQ(FloatAt(bytes, stride + 4), 11.0f) << rasterized;
        std::vector<uint8_t> pixels = ReadBack(texture, D3D12_RESOURCE_STATE_RENDER_TARGET);
        ASSERT_EQ(pixels.size(), 8u * 8 * 4);
        EXPECT_EQ(PixelAt(pixels, 8, 3, 3), rasterized == 0 ? 0xFF0000FFu : 0xFF000000u)
            << rasterized;
    }
}

// A capturing draw writes its targets and their filled sizes in STREAM_OUT;
// one in another state is reported when the list executes.
TEST_F(StreamOutputTest, ReportsTargetsOutsideStreamOut) {
    HRESULT result = E_FAIL;
    ComPtr<ID3D12PipelineState> pipeline = MakePipeline(kSubsets, {kStride}, &result);
    ASSERT_EQ(result, S_OK);
    ComPtr<ID3D12Resource> target = MakeTarget();
    ASSERT_TRUE(target);
    D3D12_RESOURCE_BARRIER toCopy =
        Transition(target, D3D12_RESOURCE_STATE_STREAM_OUT, D3D12_RESOURCE_STATE_COPY_SOURCE);
    list->ResourceBarrier(1, &toCopy);
    D3D12_STREAM_OUTPUT_BUFFER_VIEW view = View(target, kFilledAt);
    TakeDebugMessages(device);
    Draw(pipeline, &view, 3);
    ExecuteAndWait();
    EXPECT_GE(CountMessages(TakeDebugMessages(device), D3D12_MESSAGE_ID_INVALID_SUBRESOURCE_STATE),
              1u);
}

// Declarations the debug layer refuses, each with its message.
TEST_F(StreamOutputTest, RefusesInvalidDeclarations) {
    struct Case {
        const char* what;
        std::vector<D3D12_SO_DECLARATION_ENTRY> entries;
        std::vector<UINT> strides;
        D3D12_MESSAGE_ID id;
    };
    const Case cases[] = {
        {"a semantic the shader does not output",
         {{0, "NORMAL", 0, 0, 3, 0}},
         {12},
         D3D12_MESSAGE_ID_CREATEGEOMETRYSHADERWITHSTREAMOUTPUT_MISSINGSEMANTIC},
        {"stream 1 of a vertex shader",
         {{1, "TEXCOORD", 0, 0, 4, 0}},
         {16},
         D3D12_MESSAGE_ID_CREATEGEOMETRYSHADERWITHSTREAMOUTPUT_MISSINGSEMANTIC},
        {"components past a float2",
         {{0, "TEXCOORD", 1, 1, 2, 0}},
         {8},
         D3D12_MESSAGE_ID_CREATEGEOMETRYSHADERWITHSTREAMOUTPUT_MASKMISMATCH},
        {"past the fourth component",
         {{0, "TEXCOORD", 0, 2, 3, 0}},
         {12},
         D3D12_MESSAGE_ID_CREATEGEOMETRYSHADERWITHSTREAMOUTPUT_INVALIDSTARTCOMPONENTANDCOMPONENTCOUNT},
        {"no components",
         {{0, "TEXCOORD", 0, 0, 0, 0}},
         {16},
         D3D12_MESSAGE_ID_CREATEGEOMETRYSHADERWITHSTREAMOUTPUT_INVALIDCOMPONENTCOUNT},
        {"output slot 4",
         {{0, "TEXCOORD", 0, 0, 4, 4}},
         {16},
         D3D12_MESSAGE_ID_CREATEGEOMETRYSHADERWITHSTREAMOUTPUT_INVALIDOUTPUTSLOT},
        {"stream 4",
         {{4, "TEXCOORD", 0, 0, 4, 0}},
         {16},
         D3D12_MESSAGE_ID_CREATEGEOMETRYSHADERWITHSTREAMOUTPUT_INVALIDSTREAM},
        {"the same components twice",
         {{0, "TEXCOORD", 0, 0, 2, 0}, {0, "TEXCOORD", 0, 1, 1, 1}},
         {8, 4},
         D3D12_MESSAGE_ID_CREATEGEOMETRYSHADERWITHSTREAMOUTPUT_REPEATEDOUTPUT},
        {"a stride below the entries",
         {{0, "TEXCOORD", 0, 0, 4, 0}},
         {12},
         D3D12_MESSAGE_ID_CREATEGEOMETRYSHADERWITHSTREAMOUTPUT_INVALIDOUTPUTSTREAMSTRIDE},
        {"no stride for a used slot",
         {{0, "TEXCOORD", 0, 0, 4, 1}},
         {16},
         D3D12_MESSAGE_ID_CREATEGEOMETRYSHADERWITHSTREAMOUTPUT_INVALIDOUTPUTSTREAMSTRIDE},
        {"a stride not a multiple of 4",
         {{0, "TEXCOORD", 0, 0, 4, 0}},
         {18},
         D3D12_MESSAGE_ID_CREATEGEOMETRYSHADERWITHSTREAMOUTPUT_INVALIDOUTPUTSTREAMSTRIDE},
        {"five strides",
         {{0, "TEXCOORD", 0, 0, 4, 0}},
         {16, 16, 16, 16, 16},
         D3D12_MESSAGE_ID_CREATEGEOMETRYSHADERWITHSTREAMOUTPUT_INVALIDNUMSTRIDES},
        {"only gaps",
         {{0, nullptr, 0, 0, 4, 0}},
         {16},
         D3D12_MESSAGE_ID_CREATEGEOMETRYSHADERWITHSTREAMOUTPUT_CANTHAVEONLYGAPS},
        {"strides without entries",
         {},
         {16},
         D3D12_MESSAGE_ID_CREATEGEOMETRYSHADERWITHSTREAMOUTPUT_UNEXPECTEDSTRIDES},
    };
    for (const Case& c : cases) {
        TakeDebugMessages(device);
        HRESULT result = S_OK;
        ComPtr<ID3D12PipelineState> pipeline = MakePipeline(c.entries, c.strides, &result);
        EXPECT_EQ(result, E_INVALIDARG) << c.what;
        EXPECT_FALSE(pipeline) << c.what;
        EXPECT_EQ(CountMessages(TakeDebugMessages(device), c.id), 1u) << c.what;
    }
    HRESULT result = S_OK;
    MakePipeline(kSubsets, {kStride}, &result, nullptr, 4);
    EXPECT_EQ(result, E_INVALIDARG) << "RasterizedStream 4";
}

} // namespace
