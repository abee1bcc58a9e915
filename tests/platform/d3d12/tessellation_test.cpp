// Pipelines with hull and domain shaders: a quad patch tessellated over the
// target and read back pixel by pixel (its domain's corners, its winding, an
// edge factor of 0 culling it), a triangle patch's barycentric domain, a
// patch list of the wrong size, and the descriptions Direct3D 12 refuses.
#include "gpu_fixture.h"

#include <standin_checks.h>

#include "hlsl_file.h"

#include <pipeline_desc.h>

#include <cstring>
#include <string>

namespace {

constexpr char kShader[] = R"hlsl(
#define RS "RootFlags(0)"
struct ControlPoint {
    float2 corner : CORNER;
};
struct QuadFactors {
    float edges[4] : SV_TessFactor;
    float inside[2] : SV_InsideTessFactor;
};
struct TriangleFactors {
    float edges[3] : SV_TessFactor;
    float inside : SV_InsideTessFactor;
};
struct ToPixel {
    float4 position : SV_Position;
    float3 domain : DOMAIN;
};
// Control point i at corner i of the target: upper left, upper right, lower
// left, lower right.
[RootSignature(RS)]
ControlPoint Corners(uint id : SV_VertexID) {
    ControlPoint result = {float2(id % 2 ? 1 : -1, id / 2 ? -1 : 1)};
    return result;
}
// Two quad patches: control points 0 to 3 over the left half, 4 to 7 over
// the right half, each in Corners' order.
[RootSignature(RS)]
ControlPoint Halves(uint id : SV_VertexID) {
    uint i = id % 4;
    ControlPoint result = {float2((i % 2 ? 0 : -1) + id / 4, i / 2 ? -1 : 1)};
    return result;
}
[RootSignature(RS)]
float4 NoPatch(uint id : SV_VertexID) : SV_Position {
    return float4(id, 0, 0.5, 1);
}
QuadFactors QuadConstants(InputPatch<ControlPoint, 4> patch) {
    QuadFactors result;
    result.edges[0] = result.edges[1] = result.edges[2] = result.edges[3] = 4;
    result.inside[0] = result.inside[1] = 4;
    return result;
}
// The left edge's factor 0 culls the whole patch.
QuadFactors CulledConstants(InputPatch<ControlPoint, 4> patch) {
    QuadFactors result = QuadConstants(patch);
    result.edges[0] = 0;
    return result;
}
TriangleFactors TriangleConstants(InputPatch<ControlPoint, 3> patch) {
    TriangleFactors result = {{3, 3, 3}, 3};
    return result;
}
// A hull shader NAME handing on its patch of POINTS control points
// unchanged, with integer partitioning.
#define PASS_THROUGH_HULL(NAME, DOMAIN, TOPOLOGY, CONSTANTS, POINTS)                  \
    [domain(DOMAIN)]                                                                  \
    [partitioning("integer")]                                                         \
    [outputtopology(TOPOLOGY)]                                                        \
    [outputcontrolpoints(POINTS)]                                                     \
    [patchconstantfunc(CONSTANTS)]                                                    \
    ControlPoint NAME(InputPatch<ControlPoint, POINTS> patch,                         \
                      uint i : SV_OutputControlPointID) {                             \
        return patch[i];                                                              \
    }
// Red where u passes 1/2, green where v does, blue where w does.
float4 Shade(ToPixel input) : SV_Target {
    return float4(input.domain > 0.5, 1);
}
)hlsl";

struct Entry {
    const char* name;
    const char* source;
};

// Each hull and domain shader is compiled from kShader and its own source,
// so that no other entry point's attributes are in its file.
const Entry kEntries[] = {
    {"Clockwise",
     R"hlsl(PASS_THROUGH_HULL(Clockwise, "quad", "triangle_cw", "QuadConstants", 4))hlsl"},
    {"CounterClockwise",
     R"hlsl(PASS_THROUGH_HULL(CounterClockwise, "quad", "triangle_ccw", "QuadConstants", 4))hlsl"},
    {"Culled", R"hlsl(PASS_THROUGH_HULL(Culled, "quad", "triangle_cw", "CulledConstants", 4))hlsl"},
    {"Triangle",
     R"hlsl(PASS_THROUGH_HULL(Triangle, "tri", "triangle_cw", "TriangleConstants", 3))hlsl"},
    {"QuadDomain", R"hlsl(
// The patch's corners blended by the domain location: (0, 0) is control
// point 0, u runs toward control point 1 and v toward control point 2.
[domain("quad")]
ToPixel QuadDomain(QuadFactors factors, float2 uv : SV_DomainLocation,
                   const OutputPatch<ControlPoint, 4> patch) {
    float2 top = lerp(patch[0].corner, patch[1].corner, uv.x);
    float2 bottom = lerp(patch[2].corner, patch[3].corner, uv.x);
    ToPixel result = {float4(lerp(top, bottom, uv.y), 0.5, 1), float3(uv, 0)};
    return result;
}
)hlsl"},
    {"NumberedDomain", R"hlsl(
// The quad patch coloured by its SV_PrimitiveID: red from the second on.
[domain("quad")]
ToPixel NumberedDomain(QuadFactors factors, float2 uv : SV_DomainLocation,
                       const OutputPatch<ControlPoint, 4> patch, uint primitive : SV_PrimitiveID) {
    float2 top = lerp(patch[0].corner, patch[1].corner, uv.x);
    float2 bottom = lerp(patch[2].corner, patch[3].corner, uv.x);
    ToPixel result = {float4(lerp(top, bottom, uv.y), 0.5, 1), float3(primitive, 0, 0)};
    return result;
}
)hlsl"},
    {"TriangleDomain", R"hlsl(
[domain("tri")]
ToPixel TriangleDomain(TriangleFactors factors, float3 uvw : SV_DomainLocation,
                       const OutputPatch<ControlPoint, 3> patch) {
    float2 at = uvw.x * patch[0].corner + uvw.y * patch[1].corner + uvw.z * patch[2].corner;
    ToPixel result = {float4(at, 0.5, 1), uvw};
    return result;
}
)hlsl"},
};

// The entry point `name` of kEntries compiled for `target`; null with a test failure.
ID3DBlob* CompileEntry(const char* name, const char* target) {
    for (const Entry& entry : kEntries) {
        if (strcmp(entry.name, name) == 0) {
            const std::string source = std::string(kShader) + entry.source;
            return CompileHlslFile(source.c_str(), "tessellation_test_stage.hlsl", name, target);
        }
    }
    ADD_FAILURE() << "no entry point " << name;
    return nullptr;
}

constexpr UINT kSize = 8;
constexpr char kFile[] = "tessellation_test.hlsl";

// The colour of Shade with red, green and blue each on or off.
uint32_t Colour(bool red, bool green, bool blue = false) {
    return 0xFF000000u | (red ? 0xFFu : 0) | (green ? 0xFF00u : 0) | (blue ? 0xFF0000u : 0);
}

struct Stages {
    const char* vertex = "Corners";
    const char* hull = nullptr;
    const char* domain = nullptr;
    D3D12_PRIMITIVE_TOPOLOGY_TYPE type = D3D12_PRIMITIVE_TOPOLOGY_TYPE_PATCH;
    D3D12_CULL_MODE cull = D3D12_CULL_MODE_BACK;
};

class TessellationTest : public GpuTest {
protected:
    void TearDown() override {
        AcknowledgeProvokedErrors();
        rootSignature.Reset();
        GpuTest::TearDown();
    }

    // The pipeline of `stages` with Shade; null with the
    // device's result in `result`.
    ComPtr<ID3D12PipelineState> MakePipeline(const Stages& stages, HRESULT* result = nullptr) {
        ComPtr<ID3DBlob> vs{CompileHlslFile(kShader, kFile, stages.vertex, "vs_5_0")};
        ComPtr<ID3DBlob> ps{CompileHlslFile(kShader, kFile, "Shade", "ps_5_0")};
        ComPtr<ID3DBlob> hs, ds;
        if (stages.hull != nullptr) {
            hs = ComPtr<ID3DBlob>{CompileEntry(stages.hull, "hs_5_0")};
        }
        if (stages.domain != nullptr) {
            ds = ComPtr<ID3DBlob>{CompileEntry(stages.domain, "ds_5_0")};
        }
        ComPtr<ID3D12PipelineState> pipeline;
        if (vs == nullptr || ps == nullptr) {
            ADD_FAILURE() << "the shaders did not compile";
            return pipeline;
        }
        rootSignature.Attach(RootSignatureOf(device, vs));
        D3D12_GRAPHICS_PIPELINE_STATE_DESC desc = DescribePipeline(rootSignature, vs, ps, {});
        if (hs != nullptr) {
            desc.HS = {hs->GetBufferPointer(), hs->GetBufferSize()};
        }
        if (ds != nullptr) {
            desc.DS = {ds->GetBufferPointer(), ds->GetBufferSize()};
        }
        desc.PrimitiveTopologyType = stages.type;
        desc.RasterizerState.CullMode = stages.cull;
        HRESULT made =
            device->CreateGraphicsPipelineState(&desc, IID_ID3D12PipelineState, pipeline.PutVoid());
        if (result != nullptr) {
            *result = made;
        } else {
            EXPECT_EQ(made, S_OK);
        }
        return pipeline;
    }

    // Clears a new target to black, draws `vertices` of `topology` into it
    // through `pipeline` and reads it back.
    std::vector<uint8_t> Draw(ID3D12PipelineState* pipeline, D3D_PRIMITIVE_TOPOLOGY topology,
                              UINT vertices) {
        ComPtr<ID3D12Resource> target;
        ComPtr<ID3D12DescriptorHeap> rtvHeap;
        MakeRenderTarget(kSize, &target, &rtvHeap);
        const D3D12_CPU_DESCRIPTOR_HANDLE rtv = rtvHeap->GetCPUDescriptorHandleForHeapStart();
        const float black[4] = {0, 0, 0, 1};
        list->ClearRenderTargetView(rtv, black, 0, nullptr);
        RecordTriangleDrawState(list, rtv, kSize, kSize, rootSignature, pipeline);
        list->IASetPrimitiveTopology(topology);
        list->DrawInstanced(vertices, 1, 0, 0);
        std::vector<uint8_t> pixels = ReadBack(target, D3D12_RESOURCE_STATE_RENDER_TARGET);
        EXPECT_EQ(pixels.size(), kSize * kSize * 4);
        pixels.resize(kSize * kSize * 4);
        return pixels;
    }

    void ExpectBlack(const std::vector<uint8_t>& pixels) {
        ExpectPixels(pixels, kSize, kSize, [](UINT, UINT) { return Colour(false, false); });
    }

    // Whether the debug layer said `id` since it was last asked.
    bool Reported(D3D12_MESSAGE_ID id) { return CountMessages(TakeDebugMessages(device), id) > 0; }

    ComPtr<ID3D12RootSignature> rootSignature;
};

// u runs left to right and v top to bottom over the quad; its clockwise
// triangles face the front and are drawn with back faces culled.
TEST_F(TessellationTest, QuadDomainCoversTheTargetFromItsUpperLeft) {
    ComPtr<ID3D12PipelineState> pipeline = MakePipeline({"Corners", "Clockwise", "QuadDomain"});
    ASSERT_TRUE(pipeline);
    const std::vector<uint8_t> pixels =
        Draw(pipeline, D3D_PRIMITIVE_TOPOLOGY_4_CONTROL_POINT_PATCHLIST, 4);
    ExpectPixels(pixels, kSize, kSize,
                 [](UINT x, UINT y) { return Colour(x >= kSize / 2, y >= kSize / 2); });
}

// SV_PrimitiveID in the domain shader numbers a draw's patches from 0.
TEST_F(TessellationTest, DomainShaderNumbersThePatches) {
    ComPtr<ID3D12PipelineState> pipeline = MakePipeline({"Halves", "Clockwise", "NumberedDomain"});
    ASSERT_TRUE(pipeline);
    const std::vector<uint8_t> pixels =
        Draw(pipeline, D3D_PRIMITIVE_TOPOLOGY_4_CONTROL_POINT_PATCHLIST, 8);
    ExpectPixels(pixels, kSize, kSize, [](UINT x, UINT) { return Colour(x >= kSize / 2, false); });
}

// The same patch wound counter-clockwise shows only back faces; with an edge
// factor of 0 it is not drawn at all.
TEST_F(TessellationTest, CounterClockwiseAndZeroFactorPatchesDrawNothing) {
    for (const char* hull : {"CounterClockwise", "Culled"}) {
        SCOPED_TRACE(hull);
        ComPtr<ID3D12PipelineState> pipeline = MakePipeline({"Corners", hull, "QuadDomain"});
        ASSERT_TRUE(pipeline);
        ExpectBlack(Draw(pipeline, D3D_PRIMITIVE_TOPOLOGY_4_CONTROL_POINT_PATCHLIST, 4));
    }
}

// The triangle of control points 0, 1 and 2 (upper left, upper right, lower
// left): each barycentric weight passes 1/2 near its own corner.
TEST_F(TessellationTest, TriangleDomainWeighsEachControlPoint) {
    ComPtr<ID3D12PipelineState> pipeline =
        MakePipeline({"Corners", "Triangle", "TriangleDomain", D3D12_PRIMITIVE_TOPOLOGY_TYPE_PATCH,
                      D3D12_CULL_MODE_NONE});
    ASSERT_TRUE(pipeline);
    const std::vector<uint8_t> pixels =
        Draw(pipeline, D3D_PRIMITIVE_TOPOLOGY_3_CONTROL_POINT_PATCHLIST, 3);
    EXPECT_EQ(PixelAt(pixels, kSize, 0, 0), Colour(true, false));
    EXPECT_EQ(PixelAt(pixels, kSize, kSize - 2, 0), Colour(false, true));
    EXPECT_EQ(PixelAt(pixels, kSize, 0, kSize - 2), Colour(false, false, true));
    EXPECT_EQ(PixelAt(pixels, kSize, kSize - 1, kSize - 2), Colour(false, false));
}

// A patch list of another size than the hull shader's input patch, or a
// triangle list with a patch pipeline, draws nothing; the layer reports the
// first, once for the list.
TEST_F(TessellationTest, DrawsOfTheWrongTopologyAreReportedAndSkipped) {
    ComPtr<ID3D12PipelineState> pipeline = MakePipeline({"Corners", "Clockwise", "QuadDomain"});
    ASSERT_TRUE(pipeline);
    TakeDebugMessages(device);
    ExpectBlack(Draw(pipeline, D3D_PRIMITIVE_TOPOLOGY_3_CONTROL_POINT_PATCHLIST, 12));
    EXPECT_TRUE(Reported(D3D12_MESSAGE_ID_PRIMITIVE_TOPOLOGY_MISMATCH_PIPELINE_STATE));
    ExpectBlack(Draw(pipeline, D3D_PRIMITIVE_TOPOLOGY_TRIANGLELIST, 12));
}

// The debug layer's refusals: one of the two tessellation shaders alone, a
// topology type other than PATCH with them or PATCH without them, domains
// that differ, and a hull shader reading what the vertex shader never writes.
TEST_F(TessellationTest, RefusesDescriptionsWindowsRefuses) {
    struct Case {
        Stages stages;
        D3D12_MESSAGE_ID id;
    };
    const Case cases[] = {
        {{"Corners", "Clockwise", nullptr},
         D3D12_MESSAGE_ID_CREATEGRAPHICSPIPELINESTATE_HS_XOR_DS_MISMATCH},
        {{"Corners", nullptr, "QuadDomain"},
         D3D12_MESSAGE_ID_CREATEGRAPHICSPIPELINESTATE_HS_XOR_DS_MISMATCH},
        {{"Corners", "Clockwise", "QuadDomain", D3D12_PRIMITIVE_TOPOLOGY_TYPE_TRIANGLE},
         D3D12_MESSAGE_ID_CREATEGRAPHICSPIPELINESTATE_HULL_SHADER_INPUT_TOPOLOGY_MISMATCH},
        {{"Corners", nullptr, nullptr},
         D3D12_MESSAGE_ID_CREATEGRAPHICSPIPELINESTATE_INVALID_PRIMITIVETOPOLOGY},
        {{"Corners", "Clockwise", "TriangleDomain"},
         D3D12_MESSAGE_ID_CREATEGRAPHICSPIPELINESTATE_HS_DS_TESSELLATOR_DOMAIN_MISMATCH},
        {{"NoPatch", "Clockwise", "QuadDomain"},
         D3D12_MESSAGE_ID_CREATEGRAPHICSPIPELINESTATE_SHADER_LINKAGE_SEMANTICNAME_NOT_FOUND},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.stages.vertex) + " " + (c.stages.hull ? c.stages.hull : "-") +
                     " " + (c.stages.domain ? c.stages.domain : "-"));
        TakeDebugMessages(device);
        HRESULT result = S_OK;
        ComPtr<ID3D12PipelineState> pipeline = MakePipeline(c.stages, &result);
        EXPECT_EQ(result, E_INVALIDARG);
        EXPECT_FALSE(pipeline);
        EXPECT_TRUE(Reported(c.id));
    }
}

} // namespace
