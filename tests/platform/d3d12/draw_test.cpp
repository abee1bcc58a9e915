// Pipelines and draws: a shader compiled from HLSL with its own root
// signature draws into a render target that is then read back.
#include "gpu_fixture.h"

#include <platform_testing.h>

#include "hlsl_file.h"

#include <pipeline_desc.h>

#include <d3dcompiler.h>

#include <cstring>
#include <string>

namespace {

constexpr char kShader[] = R"hlsl(
#define RS "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0))"
cbuffer Params : register(b0) { float4 tint; float4 offsets[4]; };
struct VSIn { float2 pos : POSITION; uint instance : SV_InstanceID; };
struct VSOut { float4 pos : SV_Position; float4 color : COLOR; };
[RootSignature(RS)]
VSOut VSMain(VSIn input) {
    VSOut result;
    result.pos = float4(input.pos + offsets[input.instance].xy, 0.5, 1.0);
    result.color = tint;
    return result;
}
float4 PSMain(VSOut input) : SV_Target { return input.color; }
struct TwoTargets { float4 first : SV_Target0; float4 second : SV_Target1; };
TwoTargets PSTwoTargets(VSOut input) {
    TwoTargets result;
    result.first = float4(1, 1, 1, 1);
    result.second = input.color;
    return result;
}
)hlsl";

ID3DBlob* Compile(const char* entry, const char* target) {
    return CompileHlslFile(kShader, "d3d12_draw_test.hlsl", entry, target);
}

// The system's path to a root signature: the bare RTS0 part of the vertex
// shader. Null, with a test failure, when either step fails.
ID3D12RootSignature* RootSignatureFromPart(ID3D12Device* device, ID3DBlob* vs) {
    ComPtr<ID3DBlob> part;
    EXPECT_EQ(D3DGetBlobPart(vs->GetBufferPointer(), vs->GetBufferSize(), D3D_BLOB_ROOT_SIGNATURE,
                             0, part.Put()),
              S_OK);
    ID3D12RootSignature* rootSignature = nullptr;
    if (part != nullptr) {
        EXPECT_EQ(device->CreateRootSignature(0, part->GetBufferPointer(), part->GetBufferSize(),
                                              IID_ID3D12RootSignature,
                                              reinterpret_cast<void**>(&rootSignature)),
                  S_OK);
    }
    return rootSignature;
}

// Screen y points down: (-0.75, 0.5) -> (-0.25, -0.5) -> (-0.75, -0.5) turns
// clockwise on screen; the second triangle is the same turned the other way.
constexpr float kTriangles[] = {
    -0.75f, 0.5f, -0.25f, -0.5f, -0.75f, -0.5f, // clockwise, left half
    0.75f,  0.5f, 0.25f,  -0.5f, 0.75f,  -0.5f, // counter-clockwise, right half
};

class DrawTest : public GpuTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(GpuTest::SetUp());
        vs.Attach(Compile("VSMain", "vs_5_0"));
        ps.Attach(Compile("PSMain", "ps_5_0"));
        ASSERT_TRUE(vs && ps);
        rootSignature.Attach(RootSignatureOf(device, vs));
        ASSERT_TRUE(rootSignature);
    }
    void TearDown() override {
        vertices.Reset();
        constants.Reset();
        cbvHeap.Reset();
        vs.Reset();
        ps.Reset();
        twoTargets.Reset();
        rootSignature.Reset();
        target.Reset();
        rtvHeap.Reset();
        depth.Reset();
        dsvHeap.Reset();
        GpuTest::TearDown();
    }

    D3D12_GRAPHICS_PIPELINE_STATE_DESC PipelineDesc() {
        return DescribePipeline(rootSignature, vs, ps, {kLayout, 2});
    }
    // PipelineDesc() with PSTwoTargets writing two RGBA8 targets; null
    // shaders, with a test failure, when it does not compile.
    D3D12_GRAPHICS_PIPELINE_STATE_DESC TwoTargetsDesc() {
        twoTargets.Attach(Compile("PSTwoTargets", "ps_5_0"));
        EXPECT_NE(twoTargets, nullptr);
        D3D12_GRAPHICS_PIPELINE_STATE_DESC desc = PipelineDesc();
        desc.PS = twoTargets ? D3D12_SHADER_BYTECODE{twoTargets->GetBufferPointer(),
                                                     twoTargets->GetBufferSize()}
                             : D3D12_SHADER_BYTECODE{};
        desc.NumRenderTargets = 2;
        desc.RTVFormats[1] = DXGI_FORMAT_R8G8B8A8_UNORM;
        return desc;
    }

    ID3D12PipelineState* MakePipeline(const D3D12_GRAPHICS_PIPELINE_STATE_DESC& desc,
                                      HRESULT* result) {
        ID3D12PipelineState* state = reinterpret_cast<ID3D12PipelineState*>(0x1);
        *result = device->CreateGraphicsPipelineState(&desc, IID_ID3D12PipelineState,
                                                      reinterpret_cast<void**>(&state));
        return state;
    }

    // The pipeline of PipelineDesc(); null, with a test failure, when the
    // device refuses it.
    ComPtr<ID3D12PipelineState> DefaultPipeline() {
        HRESULT result = S_OK;
        ComPtr<ID3D12PipelineState> pipeline{MakePipeline(PipelineDesc(), &result)};
        EXPECT_EQ(result, S_OK);
        return pipeline;
    }

    // A 64x64 texture of `format` for `flags`, in `state`, and a heap of
    // `type` whose first handle goes to `view`.
    void MakeAttachment(DXGI_FORMAT format, D3D12_RESOURCE_FLAGS flags, D3D12_RESOURCE_STATES state,
                        D3D12_DESCRIPTOR_HEAP_TYPE type, ComPtr<ID3D12Resource>* texture,
                        ComPtr<ID3D12DescriptorHeap>* heap, D3D12_CPU_DESCRIPTOR_HANDLE* view) {
        texture->Attach(MakeTexture(64, 64, format, flags, state));
        heap->Attach(MakeDescriptorHeap(type));
        ASSERT_TRUE(*texture && *heap);
        *view = (*heap)->GetCPUDescriptorHandleForHeapStart();
    }

    // A 64x64 RGBA8 render target in RENDER_TARGET, with its view.
    void MakeColourTarget() {
        ASSERT_NO_FATAL_FAILURE(
            MakeAttachment(DXGI_FORMAT_R8G8B8A8_UNORM, D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET,
                           D3D12_RESOURCE_STATE_RENDER_TARGET, D3D12_DESCRIPTOR_HEAP_TYPE_RTV,
                           &target, &rtvHeap, &rtv));
        device->CreateRenderTargetView(target, nullptr, rtv);
    }

    // Clears the colour target to black and sets it as the only target.
    void ClearAndSetColourTarget() {
        const float black[4] = {0, 0, 0, 1};
        list->ClearRenderTargetView(rtv, black, 0, nullptr);
        list->OMSetRenderTargets(1, &rtv, FALSE, nullptr);
    }

    // A 64x64 D32 depth buffer in DEPTH_WRITE, with its view at `dsv`.
    void MakeDepthTarget() {
        ASSERT_NO_FATAL_FAILURE(
            MakeAttachment(DXGI_FORMAT_D32_FLOAT, D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL,
                           D3D12_RESOURCE_STATE_DEPTH_WRITE, D3D12_DESCRIPTOR_HEAP_TYPE_DSV, &depth,
                           &dsvHeap, &dsv));
        device->CreateDepthStencilView(depth, nullptr, dsv);
    }

    // A view at `handle` of no resource, as with a missing swap chain.
    void CreateNullColourView(D3D12_CPU_DESCRIPTOR_HANDLE handle) {
        D3D12_RENDER_TARGET_VIEW_DESC nullView{};
        nullView.Format = DXGI_FORMAT_R8G8B8A8_UNORM;
        nullView.ViewDimension = D3D12_RTV_DIMENSION_TEXTURE2D;
        device->CreateRenderTargetView(nullptr, &nullView, handle);
    }

    // The 64x64 texels of `texture` (in `state`), tightly packed.
    std::vector<uint8_t> ReadTexels(ID3D12Resource* texture, D3D12_RESOURCE_STATES state) {
        std::vector<uint8_t> texels = ReadBack(texture, state);
        EXPECT_EQ(texels.size(), 64u * 64u * 4u);
        texels.resize(64 * 64 * 4);
        return texels;
    }
    std::vector<uint8_t> ReadTarget(ID3D12Resource* texture) {
        return ReadTexels(texture, D3D12_RESOURCE_STATE_RENDER_TARGET);
    }
    // The depth at (x, y) of ReadTexels' result for a D32 buffer.
    static float DepthAt(const std::vector<uint8_t>& texels, UINT x, UINT y) {
        float value = 0.0f;
        std::memcpy(&value, texels.data() + (y * 64 + x) * 4, 4);
        return value;
    }

    // Uploads kTriangles and `params` (the constant buffer) and records what a
    // draw of them needs besides its targets: viewport and scissor of a 64x64
    // target, root signature, pipeline, constants table and vertices.
    void RecordTriangleState(ID3D12PipelineState* pipeline, const float* params, size_t bytes) {
        vertices.Attach(MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, sizeof(kTriangles),
                                   D3D12_RESOURCE_STATE_GENERIC_READ));
        constants.Attach(
            MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, 256, D3D12_RESOURCE_STATE_GENERIC_READ));
        cbvHeap.Attach(MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV, 1,
                                          D3D12_DESCRIPTOR_HEAP_FLAG_SHADER_VISIBLE));
        ASSERT_TRUE(vertices && constants && cbvHeap);
        ASSERT_NO_FATAL_FAILURE(WriteBuffer(vertices, kTriangles, sizeof(kTriangles)));
        ASSERT_NO_FATAL_FAILURE(WriteBuffer(constants, params, bytes));
        D3D12_CONSTANT_BUFFER_VIEW_DESC cbv{constants->GetGPUVirtualAddress(), 256};
        device->CreateConstantBufferView(&cbv, cbvHeap->GetCPUDescriptorHandleForHeapStart());

        const D3D12_VERTEX_BUFFER_VIEW view{vertices->GetGPUVirtualAddress(), sizeof(kTriangles),
                                            8};
        SetTableDrawState(rootSignature, pipeline, cbvHeap, view, 64);
    }

    // DefaultPipeline() in `pipeline` and the colour target, cleared to black
    // first when `clear`, set for a draw of kTriangles in red.
    void PrepareRedTriangles(ComPtr<ID3D12PipelineState>* pipeline, bool clear = true) {
        *pipeline = DefaultPipeline();
        ASSERT_TRUE(*pipeline);
        ASSERT_NO_FATAL_FAILURE(MakeColourTarget());
        if (clear) {
            ClearAndSetColourTarget();
        } else {
            list->OMSetRenderTargets(1, &rtv, FALSE, nullptr);
        }
        const float params[20] = {1, 0, 0, 1};
        ASSERT_NO_FATAL_FAILURE(RecordTriangleState(*pipeline, params, sizeof(params)));
    }

    static constexpr D3D12_INPUT_ELEMENT_DESC kLayout[2] = {
        {"POSITION", 0, DXGI_FORMAT_R32G32_FLOAT, 0, 0, D3D12_INPUT_CLASSIFICATION_PER_VERTEX_DATA,
         0},
        {"SV_InstanceID", 0, DXGI_FORMAT_R32_UINT, 1, 0,
         D3D12_INPUT_CLASSIFICATION_PER_INSTANCE_DATA, 1},
    };

    ComPtr<ID3DBlob> vs;
    ComPtr<ID3DBlob> ps;
    ComPtr<ID3DBlob> twoTargets;
    ComPtr<ID3D12RootSignature> rootSignature;
    ComPtr<ID3D12Resource> vertices;
    ComPtr<ID3D12Resource> constants;
    ComPtr<ID3D12DescriptorHeap> cbvHeap;
    ComPtr<ID3D12Resource> target;
    ComPtr<ID3D12DescriptorHeap> rtvHeap;
    D3D12_CPU_DESCRIPTOR_HANDLE rtv{};
    ComPtr<ID3D12Resource> depth;
    ComPtr<ID3D12DescriptorHeap> dsvHeap;
    D3D12_CPU_DESCRIPTOR_HANDLE dsv{};
};

} // namespace

TEST_F(DrawTest, PipelineCreationRefusesWhatItCannotHonour) {
    HRESULT result = S_OK;
    D3D12_GRAPHICS_PIPELINE_STATE_DESC noVertexShader = PipelineDesc();
    noVertexShader.VS = {};
    EXPECT_EQ(MakePipeline(noVertexShader, &result), nullptr);
    EXPECT_EQ(result, E_INVALIDARG);

    // Windows builds a pipeline with more targets than the pixel shader writes.
    D3D12_GRAPHICS_PIPELINE_STATE_DESC twoTargets = PipelineDesc();
    twoTargets.NumRenderTargets = 2; // the pixel shader writes one
    twoTargets.RTVFormats[1] = DXGI_FORMAT_R8G8B8A8_UNORM;
    ID3D12PipelineState* extraTarget = MakePipeline(twoTargets, &result);
    EXPECT_EQ(result, S_OK);
    ASSERT_NE(extraTarget, nullptr);
    extraTarget->Release();

    D3D12_GRAPHICS_PIPELINE_STATE_DESC badFormat = PipelineDesc();
    badFormat.RTVFormats[0] = DXGI_FORMAT(9999);
    EXPECT_EQ(MakePipeline(badFormat, &result), nullptr);
    EXPECT_EQ(result, E_INVALIDARG);

    platform_testing::RefuseNextPipelineStates(1);
    EXPECT_EQ(MakePipeline(PipelineDesc(), &result), nullptr);
    EXPECT_EQ(result, E_OUTOFMEMORY);

    // Without a root signature the one compiled into the vertex shader is used.
    D3D12_GRAPHICS_PIPELINE_STATE_DESC embedded = PipelineDesc();
    embedded.pRootSignature = nullptr;
    ComPtr<ID3D12PipelineState> state{MakePipeline(embedded, &result)};
    EXPECT_EQ(result, S_OK);
    EXPECT_NE(state, nullptr);
}

TEST_F(DrawTest, RootSignatureFromTheShadersBlobPartBuildsAPipeline) {
    ComPtr<ID3D12RootSignature> fromPart{RootSignatureFromPart(device, vs)};
    ASSERT_NE(fromPart, nullptr);
    D3D12_GRAPHICS_PIPELINE_STATE_DESC desc = PipelineDesc();
    desc.pRootSignature = fromPart;
    HRESULT result = S_OK;
    ComPtr<ID3D12PipelineState> state{MakePipeline(desc, &result)};
    EXPECT_EQ(result, S_OK);
}

TEST_F(DrawTest, MalformedRootSignatureBlobsAreRefused) {
    const uint8_t garbage[] = {'D', 'X', 'B', 'C', 1, 2, 3, 4, 5, 6, 7, 8};
    ID3D12RootSignature* refused = reinterpret_cast<ID3D12RootSignature*>(0x1);
    EXPECT_EQ(device->CreateRootSignature(0, garbage, sizeof(garbage), IID_ID3D12RootSignature,
                                          reinterpret_cast<void**>(&refused)),
              E_INVALIDARG);
    EXPECT_EQ(refused, nullptr);
}

TEST_F(DrawTest, DrawsClockwiseTrianglesAndInstancesCountFromZero) {
    ComPtr<ID3D12PipelineState> pipeline = DefaultPipeline();
    ASSERT_TRUE(pipeline);
    ASSERT_NO_FATAL_FAILURE(MakeColourTarget());

    const uint64_t passesBefore = platform_testing::TranslatedRenderPasses();
    const uint64_t barriersBefore = platform_testing::TranslatedBarriers();
    ClearAndSetColourTarget();
    // tint, then offsets[0..3]: instance 0 stays put, instance 1 moves down.
    const float params[20] = {1, 0, 0, 1, 0, 0, 0, 0, 0, -0.5f, 0, 0, 9, 9, 0, 0, 9, 9, 0, 0};
    ASSERT_NO_FATAL_FAILURE(RecordTriangleState(pipeline, params, sizeof(params)));
    const uint64_t drawsBefore = platform_testing::ExecutedDraws();
    // Two instances starting at 5: the shader must still see instances 0 and 1.
    list->DrawInstanced(6, 2, 0, 5);
    ExecuteAndWait();
    EXPECT_EQ(platform_testing::ExecutedDraws(), drawsBefore + 1);
    // The clear is the draw's load operation; the one barrier gives the new
    // texture its first layout.
    EXPECT_EQ(platform_testing::TranslatedRenderPasses(), passesBefore + 1);
    EXPECT_EQ(platform_testing::TranslatedBarriers(), barriersBefore + 1);

    std::vector<uint8_t> pixels = ReadTarget(target);
    const uint32_t red = 0xFF0000FFu, clear = 0xFF000000u;
    EXPECT_EQ(PixelAt(pixels, 64, 13, 37), red) << "clockwise triangle, instance 0";
    EXPECT_EQ(PixelAt(pixels, 64, 13, 53), red) << "clockwise triangle, instance 1 (moved down)";
    EXPECT_EQ(PixelAt(pixels, 64, 51, 37), clear) << "counter-clockwise triangle is culled";
    EXPECT_EQ(PixelAt(pixels, 64, 13, 5), clear) << "top of the target stays clear";
}

// The second draw of a list keeps what the first bound, but not a viewport
// set between them.
TEST_F(DrawTest, EachDrawUsesTheViewportSetBeforeIt) {
    ComPtr<ID3D12PipelineState> pipeline;
    ASSERT_NO_FATAL_FAILURE(PrepareRedTriangles(&pipeline));
    list->DrawInstanced(3, 1, 0, 0);
    const D3D12_VIEWPORT movedRight{32.0f, 0.0f, 64.0f, 64.0f, 0.0f, 1.0f};
    list->RSSetViewports(1, &movedRight);
    list->DrawInstanced(3, 1, 0, 0);
    ExecuteAndWait();

    std::vector<uint8_t> pixels = ReadTarget(target);
    EXPECT_EQ(PixelAt(pixels, 64, 13, 37), 0xFF0000FFu) << "first draw, first viewport";
    EXPECT_EQ(PixelAt(pixels, 64, 45, 37), 0xFF0000FFu) << "second draw, moved viewport";
}

// Lists executed one after another each draw with their own viewports,
// whether the list before set the same ones or others.
TEST_F(DrawTest, EachListUsesItsOwnViewports) {
    ComPtr<ID3D12PipelineState> pipeline;
    ASSERT_NO_FATAL_FAILURE(PrepareRedTriangles(&pipeline));
    list->DrawInstanced(3, 1, 0, 0);
    ExecuteAndWait();

    const D3D12_VERTEX_BUFFER_VIEW view{vertices->GetGPUVirtualAddress(), sizeof(kTriangles), 8};
    const D3D12_VIEWPORT placed[] = {{0.0f, 0.0f, 64.0f, 64.0f, 0.0f, 1.0f},
                                     {32.0f, 0.0f, 64.0f, 64.0f, 0.0f, 1.0f},
                                     {0.0f, 32.0f, 64.0f, 64.0f, 0.0f, 1.0f}};
    for (const D3D12_VIEWPORT& viewport : placed) {
        list->OMSetRenderTargets(1, &rtv, FALSE, nullptr);
        SetTableDrawState(rootSignature, pipeline, cbvHeap, view, 64);
        list->RSSetViewports(1, &viewport);
        list->DrawInstanced(3, 1, 0, 0);
        ExecuteAndWait();
    }

    std::vector<uint8_t> pixels = ReadTarget(target);
    EXPECT_EQ(PixelAt(pixels, 64, 13, 37), 0xFF0000FFu) << "the first lists' viewport";
    EXPECT_EQ(PixelAt(pixels, 64, 45, 37), 0xFF0000FFu) << "moved right in the third list";
    EXPECT_EQ(PixelAt(pixels, 64, 13, 63), 0xFF0000FFu) << "moved down in the fourth list";
    EXPECT_EQ(PixelAt(pixels, 64, 45, 63), 0xFF000000u) << "never drawn";
}

// Each list starts with no draw state of its own (Windows draws nothing, and
// its debug layer says why), whatever the list executed before it set.
TEST_F(DrawTest, AListDrawsNothingWithTheStateOfTheListBeforeIt) {
    ComPtr<ID3D12PipelineState> pipeline;
    ASSERT_NO_FATAL_FAILURE(PrepareRedTriangles(&pipeline, false));
    list->DrawInstanced(6, 1, 0, 0);
    ExecuteAndWait();

    ClearAndSetColourTarget();
    const uint64_t drawsBefore = platform_testing::ExecutedDraws();
    list->DrawInstanced(6, 1, 0, 0);
    ExecuteAndWait();
    EXPECT_EQ(platform_testing::ExecutedDraws(), drawsBefore);
    EXPECT_EQ(CountMessages(TakeDebugMessages(device),
                            D3D12_MESSAGE_ID_COMMAND_LIST_DRAW_ROOT_SIGNATURE_NOT_SET),
              1u);
    platform_testing::AcknowledgeD3D12Errors();
    std::vector<uint8_t> pixels = ReadTarget(target);
    EXPECT_EQ(PixelAt(pixels, 64, 13, 37), 0xFF000000u) << "drawn with the last list's state";
}

TEST_F(DrawTest, DrawsIntoDepthAloneWhenTheColourViewIsNull) {
    D3D12_GRAPHICS_PIPELINE_STATE_DESC desc = PipelineDesc();
    AddDepthBuffer(desc);
    HRESULT result = S_OK;
    ComPtr<ID3D12PipelineState> pipeline{MakePipeline(desc, &result)};
    ASSERT_EQ(result, S_OK);
    ASSERT_NO_FATAL_FAILURE(MakeDepthTarget());
    rtvHeap.Attach(MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_RTV));
    ASSERT_TRUE(rtvHeap);
    rtv = rtvHeap->GetCPUDescriptorHandleForHeapStart();
    CreateNullColourView(rtv);

    list->OMSetRenderTargets(1, &rtv, FALSE, &dsv);
    list->ClearDepthStencilView(dsv, D3D12_CLEAR_FLAG_DEPTH, 1.0f, 0, 0, nullptr);
    const float params[20] = {};
    ASSERT_NO_FATAL_FAILURE(RecordTriangleState(pipeline, params, sizeof(params)));
    list->DrawInstanced(6, 1, 0, 0);
    ExecuteAndWait();

    const std::vector<uint8_t> texels = ReadTexels(depth, D3D12_RESOURCE_STATE_DEPTH_WRITE);
    EXPECT_FLOAT_EQ(DepthAt(texels, 13, 37), 0.5f) << "the clockwise triangle wrote its depth";
    EXPECT_FLOAT_EQ(DepthAt(texels, 51, 37), 1.0f) << "the culled one did not";
}

// A null view in the first slot discards the first output while the second
// target still gets the second one.
TEST_F(DrawTest, DrawsIntoTheSecondTargetWhenTheFirstViewIsNull) {
    D3D12_GRAPHICS_PIPELINE_STATE_DESC desc = TwoTargetsDesc();
    ASSERT_NE(twoTargets, nullptr);
    HRESULT result = S_OK;
    ComPtr<ID3D12PipelineState> pipeline{MakePipeline(desc, &result)};
    ASSERT_EQ(result, S_OK);
    ComPtr<ID3D12Resource> second{MakeTexture(64, 64, DXGI_FORMAT_R8G8B8A8_UNORM,
                                              D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET,
                                              D3D12_RESOURCE_STATE_RENDER_TARGET)};
    ComPtr<ID3D12DescriptorHeap> rtvHeap{MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_RTV, 2)};
    ASSERT_TRUE(second && rtvHeap);
    D3D12_CPU_DESCRIPTOR_HANDLE rtvs[2] = {rtvHeap->GetCPUDescriptorHandleForHeapStart(),
                                           rtvHeap->GetCPUDescriptorHandleForHeapStart()};
    rtvs[1].ptr += device->GetDescriptorHandleIncrementSize(D3D12_DESCRIPTOR_HEAP_TYPE_RTV);
    CreateNullColourView(rtvs[0]);
    device->CreateRenderTargetView(second, nullptr, rtvs[1]);

    const float black[4] = {0, 0, 0, 1};
    list->ClearRenderTargetView(rtvs[1], black, 0, nullptr);
    list->OMSetRenderTargets(2, rtvs, FALSE, nullptr);
    const float params[20] = {0, 1, 0, 1}; // tint: green
    ASSERT_NO_FATAL_FAILURE(RecordTriangleState(pipeline, params, sizeof(params)));
    list->DrawInstanced(6, 1, 0, 0);
    ExecuteAndWait();

    std::vector<uint8_t> pixels = ReadTarget(second);
    EXPECT_EQ(PixelAt(pixels, 64, 13, 37), 0xFF00FF00u) << "the second output, not the first";
    EXPECT_EQ(PixelAt(pixels, 64, 51, 37), 0xFF000000u) << "the culled triangle";
}

// Draws of one list each use the pipeline state and targets set before them:
// two pipelines into the same two targets, the first leaving the second
// target alone, then a third target alone.
TEST_F(DrawTest, EachDrawOfAListUsesThePipelineAndTargetsSetBeforeIt) {
    D3D12_GRAPHICS_PIPELINE_STATE_DESC desc = TwoTargetsDesc();
    ASSERT_NE(twoTargets, nullptr);
    ComPtr<ID3D12PipelineState> one = DefaultPipeline();
    ASSERT_TRUE(one);
    HRESULT result = S_OK;
    desc.BlendState.IndependentBlendEnable = TRUE;
    desc.BlendState.RenderTarget[1] = desc.BlendState.RenderTarget[0];
    ComPtr<ID3D12PipelineState> two{MakePipeline(desc, &result)};
    ASSERT_EQ(result, S_OK);
    desc.BlendState.RenderTarget[1].RenderTargetWriteMask = 0;
    ComPtr<ID3D12PipelineState> firstOfTwo{MakePipeline(desc, &result)};
    ASSERT_EQ(result, S_OK);
    ComPtr<ID3D12Resource> targets[3];
    for (ComPtr<ID3D12Resource>& texture : targets) {
        texture.Attach(MakeTexture(64, 64, DXGI_FORMAT_R8G8B8A8_UNORM,
                                   D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET,
                                   D3D12_RESOURCE_STATE_RENDER_TARGET));
        ASSERT_TRUE(texture);
    }
    ComPtr<ID3D12DescriptorHeap> heap{MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_RTV, 3)};
    ASSERT_TRUE(heap);
    D3D12_CPU_DESCRIPTOR_HANDLE rtvs[3];
    for (UINT i = 0; i < 3; ++i) {
        rtvs[i] = heap->GetCPUDescriptorHandleForHeapStart();
        rtvs[i].ptr += i * device->GetDescriptorHandleIncrementSize(D3D12_DESCRIPTOR_HEAP_TYPE_RTV);
        device->CreateRenderTargetView(targets[i], nullptr, rtvs[i]);
    }

    const float black[4] = {0, 0, 0, 1};
    for (const D3D12_CPU_DESCRIPTOR_HANDLE& view : rtvs) {
        list->ClearRenderTargetView(view, black, 0, nullptr);
    }
    list->OMSetRenderTargets(2, rtvs, FALSE, nullptr);
    const float params[20] = {0, 1, 0, 1}; // tint: green
    ASSERT_NO_FATAL_FAILURE(RecordTriangleState(firstOfTwo, params, sizeof(params)));
    list->DrawInstanced(3, 1, 0, 0);
    list->SetPipelineState(two);
    list->DrawInstanced(3, 1, 0, 0);
    list->SetPipelineState(one);
    list->OMSetRenderTargets(1, &rtvs[2], FALSE, nullptr);
    list->DrawInstanced(3, 1, 0, 0);
    ExecuteAndWait();

    const uint32_t expected[3] = {0xFFFFFFFFu, 0xFF00FF00u, 0xFF00FF00u};
    const char* why[3] = {"the second pipeline's first output", "its second output",
                          "the first pipeline drawing into the third target"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(PixelAt(ReadTarget(targets[i]), 64, 13, 37), expected[i]) << why[i];
    }
}

// A pixel shader that failed to compile reaches the pipeline as empty
// bytecode: Windows then writes depth and leaves every colour target alone.
TEST_F(DrawTest, AnEmptyPixelShaderWritesDepthButNoColour) {
    D3D12_GRAPHICS_PIPELINE_STATE_DESC desc = PipelineDesc();
    AddDepthBuffer(desc);
    desc.PS = {ps->GetBufferPointer(), 0};
    HRESULT result = S_OK;
    ComPtr<ID3D12PipelineState> pipeline{MakePipeline(desc, &result)};
    ASSERT_EQ(result, S_OK);
    ASSERT_NO_FATAL_FAILURE(MakeColourTarget());
    ASSERT_NO_FATAL_FAILURE(MakeDepthTarget());

    const float blue[4] = {0.0f, 0.0f, 1.0f, 1.0f};
    list->OMSetRenderTargets(1, &rtv, FALSE, &dsv);
    list->ClearRenderTargetView(rtv, blue, 0, nullptr);
    list->ClearDepthStencilView(dsv, D3D12_CLEAR_FLAG_DEPTH, 1.0f, 0, 0, nullptr);
    const float params[20] = {1.0f, 0.0f, 0.0f, 1.0f}; // red, were it drawn
    ASSERT_NO_FATAL_FAILURE(RecordTriangleState(pipeline, params, sizeof(params)));
    list->DrawInstanced(6, 1, 0, 0);
    ExecuteAndWait();

    EXPECT_EQ(PixelAt(ReadTarget(target), 64, 13, 37), 0xFFFF0000u)
        << "inside the triangle: still blue";
    const std::vector<uint8_t> texels = ReadTexels(depth, D3D12_RESOURCE_STATE_DEPTH_WRITE);
    EXPECT_FLOAT_EQ(DepthAt(texels, 13, 37), 0.5f) << "the triangle's depth was written";
}

TEST_F(GpuTest, DemoShaderBuildsWithTheSystemsPipelineSettings) {
    // A demo shader that no longer compiles fails here, with the compiler's words.
    const std::string path = std::string(BRENNWICK_SOURCE_DIR) + "/shaders/normal.hlsl";
    ComPtr<ID3DBlob> vs{CompileHlslPath(path, "VSMain", "vs_5_0")};
    ComPtr<ID3DBlob> ps{CompileHlslPath(path, "PSMain", "ps_5_0")};
    ASSERT_TRUE(vs && ps);
    ComPtr<ID3D12RootSignature> rootSignature{RootSignatureFromPart(device, vs)};
    ASSERT_NE(rootSignature, nullptr);
    D3D12_GRAPHICS_PIPELINE_STATE_DESC desc =
        DescribePipeline(rootSignature, vs, ps, SystemInputLayout());
    AddDepthBuffer(desc);
    // Blending off, with the factors the system fills in all eight targets.
    for (D3D12_RENDER_TARGET_BLEND_DESC& target : desc.BlendState.RenderTarget) {
        target = {FALSE,
                  FALSE,
                  D3D12_BLEND_SRC_ALPHA,
                  D3D12_BLEND_INV_DEST_ALPHA,
                  D3D12_BLEND_OP_ADD,
                  D3D12_BLEND_ONE,
                  D3D12_BLEND_ZERO,
                  D3D12_BLEND_OP_ADD,
                  D3D12_LOGIC_OP_NOOP,
                  D3D12_COLOR_WRITE_ENABLE_ALL};
    }
    desc.DepthStencilState.StencilReadMask = 0xFF;
    desc.DepthStencilState.StencilWriteMask = 0xFF;
    ComPtr<ID3D12PipelineState> state{MakeGraphicsPipeline(device, desc)};
}

// Lists shaped like the demo's: from PRESENT to RENDER_TARGET and back, with
// and without clears and draws. Each records the barriers its states need and
// no more, and the pixels come out as if every command ran on its own.
TEST_F(DrawTest, ListsRecordOnlyTheBarriersAndPassesTheirCommandsNeed) {
    HRESULT result = S_OK;
    ID3D12PipelineState* pipeline = MakePipeline(PipelineDesc(), &result);
    ASSERT_EQ(result, S_OK);
    ID3D12Resource* vertices =
        MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, sizeof(kTriangles), D3D12_RESOURCE_STATE_GENERIC_READ);
    ID3D12Resource* constants =
        MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, 256, D3D12_RESOURCE_STATE_GENERIC_READ);
    ID3D12Resource* target =
        MakeTexture(64, 64, DXGI_FORMAT_R8G8B8A8_UNORM, D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET,
                    D3D12_RESOURCE_STATE_PRESENT);
    ASSERT_TRUE(vertices && constants && target);
    ASSERT_NO_FATAL_FAILURE(WriteBuffer(vertices, kTriangles, sizeof(kTriangles)));
    const float params[8] = {1, 0, 0, 1, 0, 0, 0, 0}; // red, instance 0 in place
    ASSERT_NO_FATAL_FAILURE(WriteBuffer(constants, params, sizeof(params)));
    ID3D12DescriptorHeap* cbvHeap = MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV, 1,
                                                       D3D12_DESCRIPTOR_HEAP_FLAG_SHADER_VISIBLE);
    ID3D12DescriptorHeap* rtvHeap = MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_RTV);
    ASSERT_TRUE(cbvHeap && rtvHeap);
    D3D12_CONSTANT_BUFFER_VIEW_DESC cbv{constants->GetGPUVirtualAddress(), 256};
    device->CreateConstantBufferView(&cbv, cbvHeap->GetCPUDescriptorHandleForHeapStart());
    D3D12_CPU_DESCRIPTOR_HANDLE rtv = rtvHeap->GetCPUDescriptorHandleForHeapStart();
    device->CreateRenderTargetView(target, nullptr, rtv);

    auto transition = [&](D3D12_RESOURCE_STATES before, D3D12_RESOURCE_STATES after) {
        const D3D12_RESOURCE_BARRIER barrier = Transition(target, before, after);
        list->ResourceBarrier(1, &barrier);
    };
    auto draw = [&] {
        const D3D12_VERTEX_BUFFER_VIEW view{vertices->GetGPUVirtualAddress(), sizeof(kTriangles),
                                            8};
        list->OMSetRenderTargets(1, &rtv, FALSE, nullptr);
        SetTableDrawState(rootSignature, pipeline, cbvHeap, view, 64);
        list->DrawInstanced(6, 1, 0, 0);
    };
    struct Shape {
        const char* name;
        bool clearFirst, drawFirst, clearBetween, drawLast;
        uint64_t passes, barriers;
    };
    // Opening and closing transitions batch with whatever else each needs;
    // a pass that follows another on the same target waits for its writes.
    const Shape shapes[] = {
        {"clear and draw", true, true, false, false, 1, 2},
        {"draw alone", false, true, false, false, 1, 2},
        {"clear alone", true, false, false, false, 1, 2},
        {"draw, clear, draw", false, true, true, true, 2, 3},
    };
    const float black[4] = {0, 0, 0, 1}, green[4] = {0, 1, 0, 1};
    for (const Shape& shape : shapes) {
        uint64_t passes = platform_testing::TranslatedRenderPasses();
        uint64_t barriers = platform_testing::TranslatedBarriers();
        transition(D3D12_RESOURCE_STATE_PRESENT, D3D12_RESOURCE_STATE_RENDER_TARGET);
        if (shape.clearFirst) {
            list->ClearRenderTargetView(rtv, black, 0, nullptr);
        }
        if (shape.drawFirst) {
            draw();
        }
        if (shape.clearBetween) {
            list->ClearRenderTargetView(rtv, green, 0, nullptr);
        }
        if (shape.drawLast) {
            draw();
        }
        transition(D3D12_RESOURCE_STATE_RENDER_TARGET, D3D12_RESOURCE_STATE_PRESENT);
        ExecuteAndWait();
        EXPECT_EQ(platform_testing::TranslatedRenderPasses() - passes, shape.passes) << shape.name;
        EXPECT_EQ(platform_testing::TranslatedBarriers() - barriers, shape.barriers) << shape.name;
    }

    std::vector<uint8_t> pixels = ReadTexels(target, D3D12_RESOURCE_STATE_PRESENT);
    EXPECT_EQ(PixelAt(pixels, 64, 13, 37), 0xFF0000FFu) << "drawn after the last clear";
    EXPECT_EQ(PixelAt(pixels, 64, 13, 5), 0xFF00FF00u) << "the clear between the draws";
    for (IUnknown* object : std::initializer_list<IUnknown*>{pipeline, vertices, constants, target,
                                                             cbvHeap, rtvHeap}) {
        object->Release();
    }
}
