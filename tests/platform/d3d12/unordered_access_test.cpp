// Unordered-access views and views of buffers: a pixel shader writes a
// texture and buffers that later work reads, shaders read typed, structured
// and raw buffer views, and the debug layer refuses the descriptions Windows
// refuses.
#include "buffer_access_fixture.h"

#include <standin_checks.h>

#include "hlsl_file.h"

#include <pipeline_desc.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr UINT kSize = 16;

// A full-target triangle from the vertex index; no vertex buffer.
constexpr char kFullTarget[] = R"hlsl(
[RootSignature(RS)]
float4 VSMain(uint id : SV_VertexID) : SV_Position {
    float2 corner = float2((id << 1) & 2, id & 2);
    return float4(corner * 2 - 1, 0.5, 1);
}
)hlsl";

class UnorderedAccessTest : public BufferAccessTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(BufferAccessTest::SetUp());
        MakeRenderTarget(kSize, &target, &rtvHeap);
        heap.Attach(MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV, 8,
                                       D3D12_DESCRIPTOR_HEAP_FLAG_SHADER_VISIBLE));
        ASSERT_TRUE(target && rtvHeap && heap);
    }
    void TearDown() override {
        pipelines.clear();
        rootSignature.Reset();
        heap.Reset();
        target.Reset();
        rtvHeap.Reset();
        BufferAccessTest::TearDown();
    }

    // Compiles `pixelShader` (with the root signature `rs`, a table at
    // parameter 0) and makes a pipeline of it; the first made also makes the
    // root signature. Null, with a test failure, when something is refused.
    ID3D12PipelineState* Pipeline(const std::string& rs, const std::string& pixelShader,
                                  const char* file, HRESULT expected = S_OK) {
        std::string source = "#define RS \"" + rs + "\"\n" + kFullTarget + pixelShader;
        ComPtr<ID3DBlob> vs{CompileHlslFile(source.c_str(), file, "VSMain", "vs_5_0")};
        ComPtr<ID3DBlob> ps{CompileHlslFile(source.c_str(), file, "PSMain", "ps_5_0")};
        if (!vs || !ps) {
            return nullptr;
        }
        if (!rootSignature) {
            rootSignature.Attach(RootSignatureOf(device, vs));
        }
        D3D12_GRAPHICS_PIPELINE_STATE_DESC desc =
            DescribePipeline(rootSignature, vs, ps, {nullptr, 0});
        desc.RasterizerState.CullMode = D3D12_CULL_MODE_NONE;
        ComPtr<ID3D12PipelineState> pipeline;
        EXPECT_EQ(
            device->CreateGraphicsPipelineState(&desc, IID_ID3D12PipelineState, pipeline.PutVoid()),
            expected);
        pipelines.push_back(std::move(pipeline));
        return pipelines.back();
    }

    // Whether typed loads of formats other than R32_FLOAT, R32_UINT and
    // R32_SINT work; without, a pipeline that makes one is refused.
    bool LoadsEveryTypedFormat() {
        D3D12_FEATURE_DATA_D3D12_OPTIONS options{};
        EXPECT_EQ(
            device->CheckFeatureSupport(D3D12_FEATURE_D3D12_OPTIONS, &options, sizeof(options)),
            S_OK);
        return options.TypedUAVLoadAdditionalFormats != FALSE;
    }

    D3D12_CPU_DESCRIPTOR_HANDLE Slot(UINT index) { return HandleAt(device, heap, index); }

    // Records a full-target draw with `pipeline` and the heap's start as table 0.
    void Draw(ID3D12PipelineState* pipeline) {
        const D3D12_VIEWPORT viewport{0, 0, float(kSize), float(kSize), 0, 1};
        const D3D12_RECT scissor{0, 0, LONG(kSize), LONG(kSize)};
        D3D12_CPU_DESCRIPTOR_HANDLE rtv = rtvHeap->GetCPUDescriptorHandleForHeapStart();
        ID3D12DescriptorHeap* heaps[] = {heap};
        list->RSSetViewports(1, &viewport);
        list->RSSetScissorRects(1, &scissor);
        list->OMSetRenderTargets(1, &rtv, FALSE, nullptr);
        list->SetGraphicsRootSignature(rootSignature);
        list->SetPipelineState(pipeline);
        list->SetDescriptorHeaps(1, heaps);
        list->SetGraphicsRootDescriptorTable(0, heap->GetGPUDescriptorHandleForHeapStart());
        list->IASetPrimitiveTopology(D3D_PRIMITIVE_TOPOLOGY_TRIANGLELIST);
        list->DrawInstanced(3, 1, 0, 0);
    }

    // A texture of `format` with its UAV in slot 0, drawn into by `write` and,
    // after a UAV barrier, read by `read`; both draws run.
    void WriteThenRead(DXGI_FORMAT format, ID3D12PipelineState* write, ID3D12PipelineState* read,
                       ComPtr<ID3D12Resource>* texture) {
        texture->Attach(MakeTexture(kSize, kSize, format,
                                    D3D12_RESOURCE_FLAG_ALLOW_UNORDERED_ACCESS,
                                    D3D12_RESOURCE_STATE_UNORDERED_ACCESS));
        ASSERT_TRUE(*texture);
        device->CreateUnorderedAccessView(*texture, nullptr, nullptr, Slot(0));
        Draw(write);
        D3D12_RESOURCE_BARRIER uav{};
        uav.Type = D3D12_RESOURCE_BARRIER_TYPE_UAV;
        uav.UAV.pResource = *texture;
        list->ResourceBarrier(1, &uav);
        Draw(read);
        ExecuteAndWait();
    }

    ComPtr<ID3D12Resource> target;
    ComPtr<ID3D12DescriptorHeap> rtvHeap;
    ComPtr<ID3D12DescriptorHeap> heap;
    ComPtr<ID3D12RootSignature> rootSignature;
    std::vector<ComPtr<ID3D12PipelineState>> pipelines;
};

} // namespace

// One draw writes every pixel of a texture through a RWTexture2D; after a UAV
// barrier the next draw reads it back through the same view and copies it to
// the render target.
TEST_F(UnorderedAccessTest, PixelShaderWritesTextureThatTheNextDrawReads) {
    const std::string rs = "DescriptorTable(UAV(u1))";
    ID3D12PipelineState* write = Pipeline(rs, R"hlsl(
RWTexture2D<float4> marks : register(u1);
float4 PSMain(float4 pos : SV_Position) : SV_Target {
    uint2 at = uint2(pos.xy);
    marks[at] = float4(at.x / 15.0, 0.5, 0, 1);
    return float4(0, 0, 1, 1);
}
)hlsl",
                                          "uav_texture_write.hlsl");
    const bool everyFormat = LoadsEveryTypedFormat();
    ID3D12PipelineState* read =
        Pipeline(rs, R"hlsl(
RWTexture2D<float4> marks : register(u1);
float4 PSMain(float4 pos : SV_Position) : SV_Target { return marks[uint2(pos.xy)]; }
)hlsl",
                 "uav_texture_read.hlsl", everyFormat ? S_OK : E_INVALIDARG);
    if (!everyFormat) {
        EXPECT_EQ(read, nullptr) << "a typed load of four components was not refused";
        GTEST_SKIP() << "the device loads typed views of single 32-bit formats only";
    }
    ASSERT_TRUE(write && read);
    ComPtr<ID3D12Resource> texture;
    ASSERT_NO_FATAL_FAILURE(WriteThenRead(DXGI_FORMAT_R8G8B8A8_UNORM, write, read, &texture));

    std::vector<uint8_t> written = ReadBack(texture, D3D12_RESOURCE_STATE_UNORDERED_ACCESS);
    std::vector<uint8_t> copied = ReadBack(target, D3D12_RESOURCE_STATE_RENDER_TARGET);
    ASSERT_EQ(written.size(), kSize * kSize * 4);
    EXPECT_EQ(PixelAt(written, kSize, 0, 3), 0xFF008000u);
    EXPECT_EQ(PixelAt(written, kSize, 15, 9), 0xFF0080FFu);
    EXPECT_EQ(PixelAt(copied, kSize, 15, 9), 0xFF0080FFu) << "the second draw read the first's";
    EXPECT_EQ(PixelAt(copied, kSize, 0, 0), 0xFF008000u);
}

// Typed loads of a single 32-bit component work on every device: one draw
// writes an R32_FLOAT texture, the next reads it back into the target's red.
TEST_F(UnorderedAccessTest, SingleComponentTypedLoadsWorkOnEveryDevice) {
    const std::string rs = "DescriptorTable(UAV(u1))";
    ID3D12PipelineState* write = Pipeline(rs, R"hlsl(
RWTexture2D<float> marks : register(u1);
float4 PSMain(float4 pos : SV_Position) : SV_Target {
    marks[uint2(pos.xy)] = uint(pos.x) / 15.0;
    return 0;
}
)hlsl",
                                          "uav_r32_write.hlsl");
    ID3D12PipelineState* read = Pipeline(rs, R"hlsl(
RWTexture2D<float> marks : register(u1);
float4 PSMain(float4 pos : SV_Position) : SV_Target {
    return float4(marks[uint2(pos.xy)], 0, 0, 1);
}
)hlsl",
                                         "uav_r32_read.hlsl");
    ASSERT_TRUE(write && read);
    ComPtr<ID3D12Resource> texture;
    ASSERT_NO_FATAL_FAILURE(WriteThenRead(DXGI_FORMAT_R32_FLOAT, write, read, &texture));

    std::vector<uint8_t> copied = ReadBack(target, D3D12_RESOURCE_STATE_RENDER_TARGET);
    EXPECT_EQ(PixelAt(copied, kSize, 15, 9), 0xFF0000FFu);
    EXPECT_EQ(PixelAt(copied, kSize, 0, 2), 0xFF000000u);
}

// A view of both layers of a 2-D array: one draw writes each layer, the next
// reads the second layer back into the render target.
TEST_F(UnorderedAccessTest, ArrayViewWritesEveryLayer) {
    const std::string rs = "DescriptorTable(UAV(u1))";
    ID3D12PipelineState* write = Pipeline(rs, R"hlsl(
RWTexture2DArray<float4> layers : register(u1);
float4 PSMain(float4 pos : SV_Position) : SV_Target {
    layers[uint3(pos.xy, 0)] = float4(1, 0, 0, 1);
    layers[uint3(pos.xy, 1)] = float4(0, 1, 0, 1);
    return 0;
}
)hlsl",
                                          "uav_array_write.hlsl");
    const bool everyFormat = LoadsEveryTypedFormat();
    ID3D12PipelineState* read = Pipeline(rs, R"hlsl(
RWTexture2DArray<float4> layers : register(u1);
float4 PSMain(float4 pos : SV_Position) : SV_Target { return layers[uint3(pos.xy, 1)]; }
)hlsl",
                                         "uav_array_read.hlsl", everyFormat ? S_OK : E_INVALIDARG);
    if (!everyFormat) {
        EXPECT_EQ(read, nullptr) << "a typed load of four components was not refused";
        GTEST_SKIP() << "the device loads typed views of single 32-bit formats only";
    }
    ASSERT_TRUE(write && read);
    ComPtr<ID3D12Resource> texture{
        MakeCommitted(device, D3D12_HEAP_TYPE_DEFAULT,
                      TextureDescription(kSize, kSize, DXGI_FORMAT_R8G8B8A8_UNORM,
                                         D3D12_RESOURCE_FLAG_ALLOW_UNORDERED_ACCESS, 2),
                      D3D12_RESOURCE_STATE_UNORDERED_ACCESS)};
    ASSERT_TRUE(texture);
    D3D12_UNORDERED_ACCESS_VIEW_DESC uav{};
    uav.Format = DXGI_FORMAT_R8G8B8A8_UNORM;
    uav.ViewDimension = D3D12_UAV_DIMENSION_TEXTURE2DARRAY;
    uav.Texture2DArray = {0, 0, 2, 0};
    device->CreateUnorderedAccessView(texture, nullptr, &uav, Slot(0));

    Draw(write);
    D3D12_RESOURCE_BARRIER barrier{};
    barrier.Type = D3D12_RESOURCE_BARRIER_TYPE_UAV;
    list->ResourceBarrier(1, &barrier); // a null resource: every UAV access
    Draw(read);
    ExecuteAndWait();
    std::vector<uint8_t> first = ReadBack(texture, D3D12_RESOURCE_STATE_UNORDERED_ACCESS);
    std::vector<uint8_t> copied = ReadBack(target, D3D12_RESOURCE_STATE_RENDER_TARGET);
    EXPECT_EQ(PixelAt(first, kSize, 5, 5), 0xFF0000FFu) << "layer 0";
    EXPECT_EQ(PixelAt(copied, kSize, 5, 5), 0xFF00FF00u) << "layer 1, read by the second draw";
}

// A texture left in COMMON cannot be promoted to UNORDERED_ACCESS: the debug
// layer reports the draw that writes it through a view.
TEST_F(UnorderedAccessTest, TextureWrittenOutsideUnorderedAccessIsReported) {
    ID3D12PipelineState* write = Pipeline("DescriptorTable(UAV(u1))", R"hlsl(
RWTexture2D<float4> marks : register(u1);
float4 PSMain(float4 pos : SV_Position) : SV_Target {
    marks[uint2(pos.xy)] = 1;
    return 1;
}
)hlsl",
                                          "uav_texture_state.hlsl");
    ComPtr<ID3D12Resource> texture{MakeTexture(kSize, kSize, DXGI_FORMAT_R8G8B8A8_UNORM,
                                               D3D12_RESOURCE_FLAG_ALLOW_UNORDERED_ACCESS,
                                               D3D12_RESOURCE_STATE_COMMON)};
    ASSERT_TRUE(write && texture);
    device->CreateUnorderedAccessView(texture, nullptr, nullptr, Slot(0));
    Draw(write);
    ExecuteAndWait();
    std::vector<DebugMessage> messages = TakeDebugMessages(device);
    AcknowledgeProvokedErrors();
    ASSERT_EQ(CountMessages(messages, D3D12_MESSAGE_ID_INVALID_SUBRESOURCE_STATE), 1u);
    EXPECT_NE(messages[0].description.find("is invalid for use as an unordered access view.  "
                                           "Expected State Bits (all): "
                                           "0x8: D3D12_RESOURCE_STATE_UNORDERED_ACCESS"),
              std::string::npos)
        << messages[0].description;
}

// Windows' debug layer refuses a view of a texture made without
// ALLOW_UNORDERED_ACCESS and leaves the descriptor a null view.
TEST_F(UnorderedAccessTest, TextureWithoutTheUnorderedAccessFlagIsRefused) {
    ComPtr<ID3D12Resource> texture{MakeTexture(kSize, kSize, DXGI_FORMAT_R8G8B8A8_UNORM,
                                               D3D12_RESOURCE_FLAG_NONE,
                                               D3D12_RESOURCE_STATE_COMMON)};
    ASSERT_TRUE(texture);
    device->CreateUnorderedAccessView(texture, nullptr, nullptr, Slot(0));
    device->CreateUnorderedAccessView(nullptr, nullptr, nullptr, Slot(1));
    std::vector<DebugMessage> messages = TakeDebugMessages(device);
    AcknowledgeProvokedErrors();
    ASSERT_EQ(CountMessages(messages, D3D12_MESSAGE_ID_CREATEUNORDEREDACCESSVIEW_INVALIDRESOURCE),
              2u);
    EXPECT_NE(messages[0].description.find(
                  "A UnorderedAccessView cannot be created of a Resource that did not specify the "
                  "D3D12_RESOURCE_FLAG_ALLOW_UNORDERED_ACCESS Flag."),
              std::string::npos);
    EXPECT_NE(messages[1].description.find(
                  "An UnorderedAccessView cannot be created from a NULL Resource and NULL Desc."),
              std::string::npos);
}

// A draw reads a typed, a structured and a raw view of one buffer, each from
// an element past the start, and writes through a typed, a structured and a
// raw view of another; a copy reads what it wrote.
TEST_F(UnorderedAccessTest, BufferViewsOfEveryKindAreReadAndWritten) {
    ID3D12PipelineState* pipeline =
        Pipeline("DescriptorTable(SRV(t0, numDescriptors=3), UAV(u1, numDescriptors=3))", R"hlsl(
Buffer<float4> typed : register(t0);
struct Pair { float4 first; float4 second; };
StructuredBuffer<Pair> pairs : register(t1);
ByteAddressBuffer raw : register(t2);
RWBuffer<float4> typedOut : register(u1);
RWStructuredBuffer<Pair> pairsOut : register(u2);
RWByteAddressBuffer rawOut : register(u3);
float4 PSMain(float4 pos : SV_Position) : SV_Target {
    float4 sum = typed[0] + pairs[0].second + asfloat(raw.Load4(16));
    typedOut[1] = sum;
    Pair pair;
    pair.first = sum * 2;
    pair.second = sum * 3;
    pairsOut[1] = pair;
    rawOut.Store(4, asuint(sum.x + sum.y + sum.z + sum.w));
    return sum;
}
)hlsl",
                 "uav_buffer_views.hlsl");
    ASSERT_TRUE(pipeline);

    // The source buffer: 16 floats of zero, then the values each view reads.
    std::vector<float> source(32, 0.0f);
    const float typedValues[4] = {0.25f, 0, 0, 0};  // element 4 of the typed view
    const float secondValues[4] = {0, 0.25f, 0, 0}; // pairs[0].second, pair 2 of the buffer
    const float rawValues[4] = {0, 0, 0.25f, 1.0f}; // 16 bytes into the raw view
    std::memcpy(&source[4], typedValues, sizeof(typedValues));
    std::memcpy(&source[12], secondValues, sizeof(secondValues));
    std::memcpy(&source[20], rawValues, sizeof(rawValues));
    ComPtr<ID3D12Resource> input{
        MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, source.size() * 4, D3D12_RESOURCE_STATE_GENERIC_READ)};
    ComPtr<ID3D12Resource> output{MakeUnorderedAccessBuffer(256)};
    ASSERT_TRUE(input && output);
    ASSERT_NO_FATAL_FAILURE(WriteBuffer(input, source.data(), source.size() * 4));

    D3D12_SHADER_RESOURCE_VIEW_DESC srv =
        ShaderResourceView(DXGI_FORMAT_R32G32B32A32_FLOAT, D3D12_SRV_DIMENSION_BUFFER);
    srv.Buffer = {1, 2, 0, D3D12_BUFFER_SRV_FLAG_NONE};
    device->CreateShaderResourceView(input, &srv, Slot(0));
    srv.Format = DXGI_FORMAT_UNKNOWN;
    srv.Buffer = {1, 1, 32, D3D12_BUFFER_SRV_FLAG_NONE};
    device->CreateShaderResourceView(input, &srv, Slot(1));
    srv.Format = DXGI_FORMAT_R32_TYPELESS;
    srv.Buffer = {16, 8, 0, D3D12_BUFFER_SRV_FLAG_RAW};
    device->CreateShaderResourceView(input, &srv, Slot(2));
    D3D12_UNORDERED_ACCESS_VIEW_DESC uav{};
    uav.ViewDimension = D3D12_UAV_DIMENSION_BUFFER;
    uav.Format = DXGI_FORMAT_R32G32B32A32_FLOAT;
    uav.Buffer = {0, 4, 0, 0, D3D12_BUFFER_UAV_FLAG_NONE};
    device->CreateUnorderedAccessView(output, nullptr, &uav, Slot(3));
    uav.Format = DXGI_FORMAT_UNKNOWN;
    uav.Buffer = {2, 2, 32, 0, D3D12_BUFFER_UAV_FLAG_NONE};
    device->CreateUnorderedAccessView(output, nullptr, &uav, Slot(4));
    uav.Format = DXGI_FORMAT_R32_TYPELESS;
    uav.Buffer = {48, 16, 0, 0, D3D12_BUFFER_UAV_FLAG_RAW};
    device->CreateUnorderedAccessView(output, nullptr, &uav, Slot(5));
    EXPECT_TRUE(TakeDebugMessages(device).empty());

    Draw(pipeline);
    ExecuteAndWait();
    std::vector<uint8_t> pixels = ReadBack(target, D3D12_RESOURCE_STATE_RENDER_TARGET);
    std::vector<uint8_t> bytes = ReadBuffer(output, 256, D3D12_RESOURCE_STATE_COMMON);
    EXPECT_EQ(PixelAt(pixels, kSize, 7, 7), 0xFF404040u) << "the sum of the three reads";
    const float sum[4] = {0.25f, 0.25f, 0.25f, 1.0f};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(FloatAt(bytes, 4 + i), sum[i]) << "typed, component " << i;
        EXPECT_EQ(FloatAt(bytes, 24 + i), sum[i] * 2) << "structured first, component " << i;
        EXPECT_EQ(FloatAt(bytes, 28 + i), sum[i] * 3) << "structured second, component " << i;
    }
    EXPECT_EQ(FloatAt(bytes, 49), 1.75f) << "raw";
    EXPECT_EQ(WordAt(bytes, 48), 0u) << "raw, the word before";
}

// Windows' rules for buffer view descriptions: raw views are R32_TYPELESS and
// start on 16 bytes, structured views have no format, views stay inside their
// buffer, and buffer views need a description. Each refused view is null.
TEST_F(UnorderedAccessTest, BufferViewDescriptionsWindowsRefusesAreReported) {
    ComPtr<ID3D12Resource> buffer{MakeUnorderedAccessBuffer(256)};
    ASSERT_TRUE(buffer);
    D3D12_UNORDERED_ACCESS_VIEW_DESC uav{};
    uav.ViewDimension = D3D12_UAV_DIMENSION_BUFFER;
    uav.Format = DXGI_FORMAT_R32_UINT;
    uav.Buffer = {0, 4, 0, 0, D3D12_BUFFER_UAV_FLAG_RAW};
    device->CreateUnorderedAccessView(buffer, nullptr, &uav, Slot(0));
    uav.Format = DXGI_FORMAT_R32_TYPELESS;
    uav.Buffer.FirstElement = 2;
    device->CreateUnorderedAccessView(buffer, nullptr, &uav, Slot(0));
    uav.Format = DXGI_FORMAT_R32G32B32A32_FLOAT;
    uav.Buffer = {0, 4, 16, 0, D3D12_BUFFER_UAV_FLAG_NONE};
    device->CreateUnorderedAccessView(buffer, nullptr, &uav, Slot(0));
    uav.Buffer = {15, 2, 0, 0, D3D12_BUFFER_UAV_FLAG_NONE};
    device->CreateUnorderedAccessView(buffer, nullptr, &uav, Slot(0));
    device->CreateUnorderedAccessView(buffer, nullptr, nullptr, Slot(0));
    D3D12_SHADER_RESOURCE_VIEW_DESC srv =
        ShaderResourceView(DXGI_FORMAT_R32_FLOAT, D3D12_SRV_DIMENSION_TEXTURE2D);
    device->CreateShaderResourceView(buffer, &srv, Slot(1));

    std::vector<DebugMessage> messages = TakeDebugMessages(device);
    AcknowledgeProvokedErrors();
    ASSERT_EQ(CountMessages(messages, D3D12_MESSAGE_ID_CREATEUNORDEREDACCESSVIEW_INVALIDDESC), 5u);
    ASSERT_EQ(CountMessages(messages, D3D12_MESSAGE_ID_CREATESHADERRESOURCEVIEW_INVALIDDESC), 1u);
    const char* expected[] = {
        "When creating a RAW Unordered Access View, the format must be DXGI_FORMAT_R32_TYPELESS.",
        "Thus, FirstElement (2) must be a multiple of 4 since each element is 4 bytes.",
        "a structured view has DXGI_FORMAT_UNKNOWN",
        "(FirstElement 15, NumElements 2, 16 bytes per element) reaches past the end of the "
        "buffer, which is 256 bytes.",
        "A View of a non-Structured Buffer cannot be created using a NULL Desc.",
        "The ViewDimension in the View Desc is incompatible with the type of the Resource",
    };
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_NE(messages[i].description.find(expected[i]), std::string::npos)
            << messages[i].description;
    }
}

// A root unordered-access view of a structured buffer, written by a pixel
// shader; root views have no counter, so a shader that uses the counter of
// one is refused when the pipeline is made.
TEST_F(UnorderedAccessTest, RootUnorderedAccessViewIsWrittenAndItsCounterIsRefused) {
    ComPtr<ID3D12Resource> buffer{MakeUnorderedAccessBuffer(64)};
    ID3D12PipelineState* pipeline = Pipeline("DescriptorTable(UAV(u1)), UAV(u2)", R"hlsl(
RWTexture2D<float4> unused : register(u1);
RWStructuredBuffer<uint> words : register(u2);
float4 PSMain(float4 pos : SV_Position) : SV_Target {
    words[uint(pos.x)] = 7 + uint(pos.x);
    return 0;
}
)hlsl",
                                             "uav_root_view.hlsl");
    ASSERT_TRUE(buffer && pipeline);
    D3D12_UNORDERED_ACCESS_VIEW_DESC nullView{};
    nullView.Format = DXGI_FORMAT_R8G8B8A8_UNORM;
    nullView.ViewDimension = D3D12_UAV_DIMENSION_TEXTURE2D;
    device->CreateUnorderedAccessView(nullptr, nullptr, &nullView, Slot(0));
    list->SetGraphicsRootSignature(rootSignature);
    list->SetGraphicsRootUnorderedAccessView(1, buffer->GetGPUVirtualAddress());
    Draw(pipeline);
    ExecuteAndWait();
    std::vector<uint8_t> bytes = ReadBuffer(buffer, 64, D3D12_RESOURCE_STATE_COMMON);
    EXPECT_EQ(WordAt(bytes, 0), 7u);
    EXPECT_EQ(WordAt(bytes, 15), 22u);

    std::string source =
        std::string("#define RS \"DescriptorTable(UAV(u1)), UAV(u2)\"\n") + kFullTarget + R"hlsl(
RWStructuredBuffer<uint> words : register(u2);
float4 PSMain() : SV_Target { words[words.IncrementCounter()] = 1; return 0; }
)hlsl";
    ComPtr<ID3DBlob> vs{CompileHlslFile(source.c_str(), "uav_counter.hlsl", "VSMain", "vs_5_0")};
    ComPtr<ID3DBlob> ps{CompileHlslFile(source.c_str(), "uav_counter.hlsl", "PSMain", "ps_5_0")};
    ASSERT_TRUE(vs && ps);
    D3D12_GRAPHICS_PIPELINE_STATE_DESC desc = DescribePipeline(rootSignature, vs, ps, {nullptr, 0});
    ComPtr<ID3D12PipelineState> counting;
    testing::internal::CaptureStderr();
    EXPECT_EQ(
        device->CreateGraphicsPipelineState(&desc, IID_ID3D12PipelineState, counting.PutVoid()),
        E_INVALIDARG);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("is a root view, which has no counter"), std::string::npos) << said;
}
