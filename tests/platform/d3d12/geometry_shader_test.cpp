// Pipelines with a geometry shader: points grown into quads, triangles sent
// to array slices by a loop and by shader instances and to viewports by
// primitive, points of two streams of which stream 0 is drawn, each read
// back pixel by pixel; and the stage links Direct3D 12 refuses.
#include "gpu_fixture.h"

#include <standin_checks.h>

#include "hlsl_file.h"

#include <pipeline_desc.h>

#include <cstring>
#include <string>

namespace {

// The vertex and pixel shaders, and what the geometry shaders share; each
// geometry shader is compiled from this and its own source.
constexpr char kShader[] = R"hlsl(
#define RS "RootFlags(0)"
struct ToGeometry {
    float4 centre : CENTRE;
    nointerpolation uint colour : COLOR0;
};
struct Corner {
    float4 position : SV_Position;
};
struct ToPixel {
    float4 position : SV_Position;
    nointerpolation uint colour : COLOR0;
};
struct ToSlice {
    float4 position : SV_Position;
    nointerpolation uint colour : COLOR0;
    uint slice : SV_RenderTargetArrayIndex;
};
// Point i at the centre of quadrant i (left to right, top to bottom), colour i + 1.
[RootSignature(RS)]
ToGeometry Centres(uint id : SV_VertexID) {
    ToGeometry result = {float4(id % 2 ? 0.5 : -0.5, id / 2 ? -0.5 : 0.5, 0.5, 1), id + 1};
    return result;
}
// A triangle over the whole target.
[RootSignature(RS)]
Corner Covering(uint id : SV_VertexID) {
    float2 corner = float2((id << 1) & 2, id & 2);
    Corner result = {float4(corner * float2(2, -2) + float2(-1, 1), 0.5, 1)};
    return result;
}
ToPixel At(ToGeometry from, float2 offset) {
    ToPixel result = {float4(from.centre.xy + offset, 0.5, 1), from.colour};
    return result;
}
ToSlice InSlice(Corner from, uint colour, uint slice) {
    ToSlice result;
    result.position = from.position;
    result.colour = colour;
    result.slice = slice;
    return result;
}
// The covering triangle with colours 5, 6 and 7 at its corners.
struct PaintedCorner {
    float4 position : SV_Position;
    nointerpolation uint colour : COLOR0;
};
[RootSignature(RS)]
PaintedCorner Painted(uint id : SV_VertexID) {
    PaintedCorner result = {Covering(id).position, id + 5};
    return result;
}
// Colour c: red for bit 0, green for bit 1, blue for bit 2.
float4 Shade(float4 position : SV_Position, nointerpolation uint colour : COLOR0) : SV_Target {
    return float4(colour & 1, (colour >> 1) & 1, (colour >> 2) & 1, 1);
}
// Reads a semantic the geometry shaders never write.
float4 ShadeSecond(float4 position : SV_Position, nointerpolation uint colour : COLOR1)
    : SV_Target {
    return float4(colour & 1, 0, 0, 1);
}
)hlsl";

struct GeometryEntry {
    const char* name;
    const char* source;
};

const GeometryEntry kGeometryShaders[] = {
    // Each point grows into the quad of its quadrant: two strips of one triangle.
    {"Quads", R"hlsl(
[maxvertexcount(6)]
void Quads(point ToGeometry input[1], inout TriangleStream<ToPixel> stream) {
    stream.Append(At(input[0], float2(-0.5, 0.5)));
    stream.Append(At(input[0], float2(0.5, 0.5)));
    stream.Append(At(input[0], float2(-0.5, -0.5)));
    stream.RestartStrip();
    stream.Append(At(input[0], float2(0.5, 0.5)));
    stream.Append(At(input[0], float2(0.5, -0.5)));
    stream.Append(At(input[0], float2(-0.5, -0.5)));
}
)hlsl"},
    // Each point grows into the quad of its quadrant, coloured by its SV_PrimitiveID.
    {"QuadsByPrimitive", R"hlsl(
[maxvertexcount(4)]
void QuadsByPrimitive(point ToGeometry input[1], uint primitive : SV_PrimitiveID,
                      inout TriangleStream<ToPixel> stream) {
    ToGeometry numbered = {input[0].centre, primitive + 1};
    stream.Append(At(numbered, float2(-0.5, 0.5)));
    stream.Append(At(numbered, float2(0.5, 0.5)));
    stream.Append(At(numbered, float2(-0.5, -0.5)));
    stream.Append(At(numbered, float2(0.5, -0.5)));
}
)hlsl"},
    // A line with its neighbours grows into a triangle over the target, in
    // the colour of the line's first point.
    {"OverFromAdjacentLine", R"hlsl(
[maxvertexcount(3)]
void OverFromAdjacentLine(lineadj ToGeometry input[4], inout TriangleStream<ToPixel> stream) {
    for (uint id = 0; id < 3; ++id) {
        float2 corner = float2((id << 1) & 2, id & 2);
        ToPixel result = {float4(corner * float2(2, -2) + float2(-1, 1), 0.5, 1), input[1].colour};
        stream.Append(result);
    }
}
)hlsl"},
    // The triangle once into each of slices 0 and 1, in colours 1 and 2.
    {"EachSlice", R"hlsl(
[maxvertexcount(6)]
void EachSlice(triangle Corner input[3], inout TriangleStream<ToSlice> stream) {
    for (uint slice = 0; slice < 2; ++slice) {
        stream.Append(InSlice(input[0], slice + 1, slice));
        stream.Append(InSlice(input[1], slice + 1, slice));
        stream.Append(InSlice(input[2], slice + 1, slice));
        stream.RestartStrip();
    }
}
)hlsl"},
    // Instance n draws the triangle into slice n in colour n + 3.
    {"EachInstance", R"hlsl(
[instance(2)]
[maxvertexcount(3)]
void EachInstance(triangle Corner input[3], uint instance : SV_GSInstanceID,
                  inout TriangleStream<ToSlice> stream) {
    stream.Append(InSlice(input[0], instance + 3, instance));
    stream.Append(InSlice(input[1], instance + 3, instance));
    stream.Append(InSlice(input[2], instance + 3, instance));
}
)hlsl"},
    // Point n grows into a triangle over viewport n, in colour n + 1.
    {"EachViewport", R"hlsl(
struct ToViewport {
    float4 position : SV_Position;
    nointerpolation uint colour : COLOR0;
    uint viewport : SV_ViewportArrayIndex;
};
ToViewport OverViewport(uint id, uint viewport) {
    float2 corner = float2((id << 1) & 2, id & 2);
    ToViewport result = {float4(corner * float2(2, -2) + float2(-1, 1), 0.5, 1), viewport + 1,
                         viewport};
    return result;
}
[maxvertexcount(3)]
void EachViewport(point ToGeometry input[1], inout TriangleStream<ToViewport> stream) {
    stream.Append(OverViewport(0, input[0].colour - 1));
    stream.Append(OverViewport(1, input[0].colour - 1));
    stream.Append(OverViewport(2, input[0].colour - 1));
}
)hlsl"},
    // Each corner and its user value passed on in a loop over the input array.
    {"PassOn", R"hlsl(
[maxvertexcount(3)]
void PassOn(triangle PaintedCorner input[3], inout TriangleStream<ToPixel> stream) {
    for (uint i = 0; i < 3; ++i) {
        ToPixel corner = {input[i].position, input[i].colour};
        stream.Append(corner);
    }
}
)hlsl"},
    // Reads a semantic the vertex shaders never write.
    // Each point at the centre of a pixel in stream 0, and in stream 1 white
    // one pixel to its right.
    {"PointsInTwoStreams", R"hlsl(
[maxvertexcount(2)]
void PointsInTwoStreams(point ToGeometry input[1], inout PointStream<ToPixel> drawn,
                        inout PointStream<ToPixel> kept) {
    drawn.Append(At(input[0], float2(0.125, -0.125)));
    ToGeometry white = {input[0].centre, 7};
    kept.Append(At(white, float2(0.375, -0.125)));
}
)hlsl"},
    {"ReadsUnwritten", R"hlsl(
struct WithExtra {
    float4 centre : CENTRE;
    nointerpolation uint colour : COLOR0;
    float4 extra : EXTRA;
};
[maxvertexcount(1)]
void ReadsUnwritten(point WithExtra input[1], inout PointStream<ToPixel> stream) {
    ToGeometry from = {input[0].centre, input[0].colour};
    stream.Append(At(from, input[0].extra.xy));
}
)hlsl"},
};

// The geometry shader `name` of kGeometryShaders, compiled; null with a test failure.
ID3DBlob* CompileGeometry(const char* name) {
    for (const GeometryEntry& entry : kGeometryShaders) {
        if (strcmp(entry.name, name) == 0) {
            const std::string source = std::string(kShader) + entry.source;
            return CompileHlslFile(source.c_str(), "geometry_shader_test_gs.hlsl", name, "gs_5_0");
        }
    }
    ADD_FAILURE() << "no geometry shader " << name;
    return nullptr;
}

constexpr UINT kSize = 8;
constexpr char kFile[] = "geometry_shader_test.hlsl";

// Colour c of Shade as a read-back pixel.
uint32_t Colour(uint32_t c) {
    return 0xFF000000u | ((c & 1) ? 0xFFu : 0) | ((c & 2) ? 0xFF00u : 0) |
           ((c & 4) ? 0xFF0000u : 0);
}

class GeometryShaderTest : public GpuTest {
protected:
    void TearDown() override {
        AcknowledgeProvokedErrors();
        rootSignature.Reset();
        GpuTest::TearDown();
    }

    // The pipeline of the three entry points, or null with the device's result in `result`.
    ComPtr<ID3D12PipelineState> MakePipeline(const char* vertexEntry, const char* geometryEntry,
                                             const char* pixelEntry,
                                             D3D12_PRIMITIVE_TOPOLOGY_TYPE type,
                                             HRESULT* result = nullptr) {
        ComPtr<ID3DBlob> vs{CompileHlslFile(kShader, kFile, vertexEntry, "vs_5_0")};
        ComPtr<ID3DBlob> gs{CompileGeometry(geometryEntry)};
        ComPtr<ID3DBlob> ps{CompileHlslFile(kShader, kFile, pixelEntry, "ps_5_0")};
        ComPtr<ID3D12PipelineState> pipeline;
        if (vs == nullptr || gs == nullptr || ps == nullptr) {
            ADD_FAILURE() << "the shaders did not compile";
            return pipeline;
        }
        rootSignature.Attach(RootSignatureOf(device, vs));
        D3D12_GRAPHICS_PIPELINE_STATE_DESC desc = DescribePipeline(rootSignature, vs, ps, {});
        desc.GS = {gs->GetBufferPointer(), gs->GetBufferSize()};
        desc.PrimitiveTopologyType = type;
        desc.RasterizerState.CullMode = D3D12_CULL_MODE_NONE;
        HRESULT made =
            device->CreateGraphicsPipelineState(&desc, IID_ID3D12PipelineState, pipeline.PutVoid());
        if (result != nullptr) {
            *result = made;
        } else {
            EXPECT_EQ(made, S_OK);
        }
        return pipeline;
    }

    // Clears `rtv` (kSize square) to black and sets what a draw of
    // `topology` into it needs: one viewport over all of it.
    void PrepareDraw(ID3D12PipelineState* pipeline, D3D12_CPU_DESCRIPTOR_HANDLE rtv,
                     D3D_PRIMITIVE_TOPOLOGY topology) {
        const float black[4] = {0, 0, 0, 1};
        list->ClearRenderTargetView(rtv, black, 0, nullptr);
        RecordTriangleDrawState(list, rtv, kSize, kSize, rootSignature, pipeline);
        list->IASetPrimitiveTopology(topology);
    }

    // A black kSize-square target after a draw of `vertices` as `topology`
    // through `vertexEntry`, `geometryEntry` and Shade; empty where the
    // pipeline is refused.
    std::vector<uint8_t> DrawnThrough(const char* vertexEntry, const char* geometryEntry,
                                      D3D12_PRIMITIVE_TOPOLOGY_TYPE type,
                                      D3D_PRIMITIVE_TOPOLOGY topology, UINT vertices) {
        ComPtr<ID3D12PipelineState> pipeline =
            MakePipeline(vertexEntry, geometryEntry, "Shade", type);
        if (!pipeline) {
            return {};
        }
        ComPtr<ID3D12Resource> target;
        ComPtr<ID3D12DescriptorHeap> rtvHeap;
        MakeRenderTarget(kSize, &target, &rtvHeap);
        PrepareDraw(pipeline, rtvHeap->GetCPUDescriptorHandleForHeapStart(), topology);
        list->DrawInstanced(vertices, 1, 0, 0);
        return ReadBack(target, D3D12_RESOURCE_STATE_RENDER_TARGET);
    }

    // Array slice `slice` of `texture` (in RENDER_TARGET, which it returns
    // to), as tightly packed rows.
    std::vector<uint8_t> ReadSlice(ID3D12Resource* texture, UINT slice) {
        return ReadBack(texture, D3D12_RESOURCE_STATE_RENDER_TARGET, slice);
    }

    void ExpectFilled(ID3D12Resource* texture, UINT slice, uint32_t colour) {
        ExpectPixels(
            ReadSlice(texture, slice), kSize, kSize, [&](UINT, UINT) { return colour; },
            "slice " + std::to_string(slice));
    }

    // Two slices cleared and drawn into by the covering triangle through
    // `geometryEntry`, each then expected filled with its colour.
    void ExpectSlicesDrawn(const char* geometryEntry, uint32_t firstColour) {
        ComPtr<ID3D12PipelineState> pipeline = MakePipeline("Covering", geometryEntry, "Shade",
                                                            D3D12_PRIMITIVE_TOPOLOGY_TYPE_TRIANGLE);
        ASSERT_TRUE(pipeline);
        D3D12_RESOURCE_DESC desc = TextureDescription(kSize, kSize, DXGI_FORMAT_R8G8B8A8_UNORM,
                                                      D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET, 2);
        ComPtr<ID3D12Resource> texture{MakeCommitted(device, D3D12_HEAP_TYPE_DEFAULT, desc,
                                                     D3D12_RESOURCE_STATE_RENDER_TARGET)};
        ComPtr<ID3D12DescriptorHeap> rtvHeap{MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_RTV)};
        ASSERT_TRUE(texture);
        ASSERT_TRUE(rtvHeap);
        D3D12_RENDER_TARGET_VIEW_DESC view{};
        view.Format = DXGI_FORMAT_R8G8B8A8_UNORM;
        view.ViewDimension = D3D12_RTV_DIMENSION_TEXTURE2DARRAY;
        view.Texture2DArray = {0, 0, 2, 0};
        D3D12_CPU_DESCRIPTOR_HANDLE rtv = rtvHeap->GetCPUDescriptorHandleForHeapStart();
        device->CreateRenderTargetView(texture, &view, rtv);
        PrepareDraw(pipeline, rtv, D3D_PRIMITIVE_TOPOLOGY_TRIANGLELIST);
        list->DrawInstanced(3, 1, 0, 0);
        ExpectFilled(texture, 0, Colour(firstColour));
        ExpectFilled(texture, 1, Colour(firstColour + 1));
    }

    // Four points drawn through `geometry`, quadrant i expected in colour i + 1.
    void ExpectQuadrantsDrawn(const char* geometry);

    ComPtr<ID3D12RootSignature> rootSignature;
};

// Point i grows into the quad of quadrant i, coloured i + 1 by the vertex
// shader, or by its SV_PrimitiveID, which numbers the draw's points from 0.
TEST_F(GeometryShaderTest, PointsGrowIntoQuadsOfSeveralStrips) {
    for (const char* geometry : {"Quads", "QuadsByPrimitive"}) {
        SCOPED_TRACE(geometry);
        ExpectQuadrantsDrawn(geometry);
    }
}

// A geometry shader of points in a pipeline of triangles does not make a
// pipeline: the debug layer names the two primitives.
TEST_F(GeometryShaderTest, RefusesAnInputPrimitiveOfAnotherType) {
    TakeDebugMessages(device);
    HRESULT result = S_OK;
    ComPtr<ID3D12PipelineState> pipeline =
        MakePipeline("Centres", "Quads", "Shade", D3D12_PRIMITIVE_TOPOLOGY_TYPE_TRIANGLE, &result);
    EXPECT_EQ(result, E_INVALIDARG);
    EXPECT_FALSE(pipeline);
    EXPECT_EQ(
        CountMessages(TakeDebugMessages(device),
                      D3D12_MESSAGE_ID_CREATEGRAPHICSPIPELINESTATE_GS_INPUT_PRIMITIVE_MISMATCH),
        1u);
}

void GeometryShaderTest::ExpectQuadrantsDrawn(const char* geometry) {
    ExpectPixels(DrawnThrough("Centres", geometry, D3D12_PRIMITIVE_TOPOLOGY_TYPE_POINT,
                              D3D_PRIMITIVE_TOPOLOGY_POINTLIST, 4),
                 kSize, kSize, [](UINT x, UINT y) {
                     return Colour((x >= kSize / 2 ? 1 : 0) + (y >= kSize / 2 ? 2 : 0) + 1);
                 });
}

// A geometry shader of lines with adjacency reads the four points of each
// LINELIST_ADJ primitive.
TEST_F(GeometryShaderTest, LinesWithAdjacencyReachTheirGeometryShader) {
    ExpectPixels(DrawnThrough("Centres", "OverFromAdjacentLine", D3D12_PRIMITIVE_TOPOLOGY_TYPE_LINE,
                              D3D_PRIMITIVE_TOPOLOGY_LINELIST_ADJ, 4),
                 kSize, kSize, [](UINT, UINT) { return Colour(2); });
}

// SV_RenderTargetArrayIndex written by the geometry shader picks the slice,
// from a loop of strips and from [instance(2)]'s SV_GSInstanceID alike.
TEST_F(GeometryShaderTest, ArraySlicesPickedPerStripAndPerInstance) {
    ExpectSlicesDrawn("EachSlice", 1);
    ExpectSlicesDrawn("EachInstance", 3);
}

// A triangle's user values reach the geometry shader once per corner, as one
// signature element read from each vertex, not one element per corner; the
// first corner's colour is the flat one.
TEST_F(GeometryShaderTest, TriangleCornersCarryTheirUserValues) {
    ExpectPixels(DrawnThrough("Painted", "PassOn", D3D12_PRIMITIVE_TOPOLOGY_TYPE_TRIANGLE,
                              D3D_PRIMITIVE_TOPOLOGY_TRIANGLELIST, 3),
                 kSize, kSize, [](UINT, UINT) { return Colour(5); });
}

// SV_ViewportArrayIndex written by the geometry shader: four points, each
// grown into a triangle over its quadrant's viewport.
TEST_F(GeometryShaderTest, ViewportPickedPerPoint) {
    ComPtr<ID3D12PipelineState> pipeline =
        MakePipeline("Centres", "EachViewport", "Shade", D3D12_PRIMITIVE_TOPOLOGY_TYPE_POINT);
    ASSERT_TRUE(pipeline);
    ComPtr<ID3D12Resource> target;
    ComPtr<ID3D12DescriptorHeap> rtvHeap;
    MakeRenderTarget(kSize, &target, &rtvHeap);
    PrepareDraw(pipeline, rtvHeap->GetCPUDescriptorHandleForHeapStart(),
                D3D_PRIMITIVE_TOPOLOGY_POINTLIST);
    D3D12_VIEWPORT viewports[4];
    D3D12_RECT scissors[4];
    for (UINT i = 0; i < 4; ++i) {
        const LONG left = LONG(i % 2 * kSize / 2), top = LONG(i / 2 * kSize / 2);
        viewports[i] = {float(left), float(top), kSize / 2.0f, kSize / 2.0f, 0.0f, 1.0f};
        scissors[i] = {left, top, left + LONG(kSize / 2), top + LONG(kSize / 2)};
    }
    list->RSSetViewports(4, viewports);
    list->RSSetScissorRects(4, scissors);
    list->DrawInstanced(4, 1, 0, 0);
    std::vector<uint8_t> pixels = ReadBack(target, D3D12_RESOURCE_STATE_RENDER_TARGET);
    ASSERT_EQ(pixels.size(), kSize * kSize * 4);
    for (UINT y = 0; y < kSize; ++y) {
        for (UINT x = 0; x < kSize; ++x) {
            const uint32_t quadrant = (x >= kSize / 2 ? 1 : 0) + (y >= kSize / 2 ? 2 : 0);
            ASSERT_EQ(PixelAt(pixels, kSize, x, y), Colour(quadrant + 1)) << x << "," << y;
        }
    }
}

// Of a geometry shader's two streams, stream 0 is drawn, its values reaching
// the pixel shader though stream 1 writes the same semantics.
TEST_F(GeometryShaderTest, OnlyStreamZeroDrawn) {
    ExpectPixels(DrawnThrough("Centres", "PointsInTwoStreams", D3D12_PRIMITIVE_TOPOLOGY_TYPE_POINT,
                              D3D_PRIMITIVE_TOPOLOGY_POINTLIST, 4),
                 kSize, kSize, [](UINT x, UINT y) {
                     const bool point = (x == 2 || x == 6) && (y == 2 || y == 6);
                     return point ? Colour((x > 4 ? 1 : 0) + (y > 4 ? 2 : 0) + 1) : Colour(0);
                 });
}

// Each stage's inputs must be written by the stage before it; the debug
// layer names the pair that does not link.
TEST_F(GeometryShaderTest, RefusesStagesThatDoNotLink) {
    struct Case {
        const char* vertex;
        const char* geometry;
        const char* pixel;
        const char* opening;
    };
    const Case cases[] = {
        {"Centres", "ReadsUnwritten", "Shade", "Vertex Shader - Geometry Shader linkage error"},
        {"Centres", "Quads", "ShadeSecond", "Geometry Shader - Pixel Shader linkage error"},
    };
    for (const Case& c : cases) {
        TakeDebugMessages(device);
        HRESULT result = S_OK;
        ComPtr<ID3D12PipelineState> pipeline = MakePipeline(
            c.vertex, c.geometry, c.pixel, D3D12_PRIMITIVE_TOPOLOGY_TYPE_POINT, &result);
        EXPECT_EQ(result, E_INVALIDARG) << c.geometry << " with " << c.pixel;
        EXPECT_FALSE(pipeline);
        bool named = false;
        for (const DebugMessage& message : TakeDebugMessages(device)) {
            named =
                named ||
                (message.id ==
                     D3D12_MESSAGE_ID_CREATEGRAPHICSPIPELINESTATE_SHADER_LINKAGE_SEMANTICNAME_NOT_FOUND &&
                 message.description.find(c.opening) != std::string::npos);
        }
        EXPECT_TRUE(named) << c.opening;
    }
}

} // namespace
