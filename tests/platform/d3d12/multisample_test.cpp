// Multisampled targets: a pipeline of four samples renders into them, their
// samples are resolved into a texture of one sample or read one by one
// through a TEXTURE2DMS view, and what breaks Direct3D 12's rules for them is
// refused or reported.
#include "gpu_fixture.h"

#include <standin_checks.h>

#include "hlsl_file.h"

#include <pipeline_desc.h>

#include <cstdlib>
#include <string>
#include <utility>

namespace {

// Quads from vertex ids: the left 4.5 pixels of an 8-pixel target, whose
// edge halves pixel 4, or the whole target.
constexpr char kShader[] = R"hlsl(
#define RS "DescriptorTable(SRV(t0), visibility=SHADER_VISIBILITY_PIXEL)"
Texture2DMS<float4> samples : register(t0);
static const float2 kCorners[6] = {
    float2(0, 0), float2(1, 0), float2(0, 1), float2(1, 0), float2(1, 1), float2(0, 1)};
float4 Quad(uint id, float right) {
    float2 corner = kCorners[id];
    return float4(lerp(-1.0, right, corner.x), lerp(1.0, -1.0, corner.y), 0.5, 1);
}
[RootSignature(RS)]
float4 LeftPart(uint id : SV_VertexID) : SV_Position { return Quad(id, 0.125); }
[RootSignature(RS)]
float4 Whole(uint id : SV_VertexID) : SV_Position { return Quad(id, 1.0); }
float4 Red() : SV_Target { return float4(1, 0, 0, 1); }
float4 SampleIndexAsRed(float4 pos : SV_Position, uint index : SV_SampleIndex) : SV_Target {
    return float4(index / 4.0, 0, 0, 1);
}
float4 SampleCountAndPosition() : SV_Target {
    return float4(GetRenderTargetSampleCount() / 8.0, GetRenderTargetSamplePosition(1) + 0.5, 1);
}
float4 EachSample(float4 pos : SV_Position) : SV_Target {
    int2 at = int2(pos.xy);
    return float4(samples.Load(at, 0).r, samples.Load(at, 1).r, samples.Load(at, 2).r,
                  samples.Load(at, 3).r);
}
)hlsl";

constexpr UINT kSize = 8;

class MultisampleTest : public GpuTest {
protected:
    void SetUp() override {
        GpuTest::SetUp();
        rtvHeap.Attach(MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_RTV, 2));
        srvHeap.Attach(MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV, 2,
                                          D3D12_DESCRIPTOR_HEAP_FLAG_SHADER_VISIBLE));
        // Draws that read no texture get a null view.
        device->CreateShaderResourceView(nullptr, &MultisampledView(), SrvAt(0).first);
        ComPtr<ID3DBlob> vs{Compile("Whole", "vs_5_0")};
        ASSERT_TRUE(vs);
        rootSignature.Attach(RootSignatureOf(device, vs));
        ASSERT_TRUE(rootSignature);
    }
    void TearDown() override {
        AcknowledgeProvokedErrors();
        rootSignature.Reset();
        rtvHeap.Reset();
        srvHeap.Reset();
        GpuTest::TearDown();
    }

    static ID3DBlob* Compile(const char* entry, const char* target) {
        return CompileHlslFile(kShader, "multisample_test.hlsl", entry, target);
    }
    // A pipeline of `vertex` and `pixel` drawing into one RGBA8 target of `samples` samples.
    // With `depth`, a D32 depth buffer of as many samples too.
    HRESULT MakePipeline(const char* vertex, const char* pixel, UINT samples,
                         ComPtr<ID3D12PipelineState>* pipeline, bool depth = false) {
        ComPtr<ID3DBlob> vs{Compile(vertex, "vs_5_0")};
        ComPtr<ID3DBlob> ps{Compile(pixel, "ps_5_0")};
        if (vs == nullptr || ps == nullptr) {
            return E_FAIL;
        }
        D3D12_GRAPHICS_PIPELINE_STATE_DESC desc = DescribePipeline(rootSignature, vs, ps, {});
        desc.RasterizerState.CullMode = D3D12_CULL_MODE_NONE;
        desc.SampleDesc.Count = samples;
        if (depth) {
            AddDepthBuffer(desc);
        }
        return device->CreateGraphicsPipelineState(&desc, IID_ID3D12PipelineState,
                                                   pipeline->PutVoid());
    }
    HRESULT MakeTarget(UINT samples, UINT16 mips, D3D12_RESOURCE_FLAGS flags,
                       D3D12_RESOURCE_STATES state, ComPtr<ID3D12Resource>* texture,
                       DXGI_FORMAT format = DXGI_FORMAT_R8G8B8A8_UNORM) {
        D3D12_RESOURCE_DESC desc{};
        desc.Dimension = D3D12_RESOURCE_DIMENSION_TEXTURE2D;
        desc.Width = kSize;
        desc.Height = kSize;
        desc.DepthOrArraySize = 1;
        desc.MipLevels = mips;
        desc.Format = format;
        desc.SampleDesc.Count = samples;
        desc.Flags = flags;
        D3D12_HEAP_PROPERTIES heap{};
        heap.Type = D3D12_HEAP_TYPE_DEFAULT;
        return device->CreateCommittedResource(&heap, D3D12_HEAP_FLAG_NONE, &desc, state, nullptr,
                                               IID_ID3D12Resource, texture->PutVoid());
    }
    // A target of `samples` samples in RENDER_TARGET, with RTV `index` on it,
    // cleared to black.
    ComPtr<ID3D12Resource> ClearedTarget(UINT samples, UINT index) {
        ComPtr<ID3D12Resource> target;
        EXPECT_EQ(MakeTarget(samples, 1, D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET,
                             D3D12_RESOURCE_STATE_RENDER_TARGET, &target),
                  S_OK);
        if (target != nullptr) {
            device->CreateRenderTargetView(target, nullptr, Rtv(index));
            const float black[4] = {0, 0, 0, 1};
            list->ClearRenderTargetView(Rtv(index), black, 0, nullptr);
        }
        return target;
    }
    D3D12_CPU_DESCRIPTOR_HANDLE Rtv(UINT index) {
        D3D12_CPU_DESCRIPTOR_HANDLE handle = rtvHeap->GetCPUDescriptorHandleForHeapStart();
        handle.ptr +=
            index * device->GetDescriptorHandleIncrementSize(D3D12_DESCRIPTOR_HEAP_TYPE_RTV);
        return handle;
    }
    static const D3D12_SHADER_RESOURCE_VIEW_DESC& MultisampledView() {
        static D3D12_SHADER_RESOURCE_VIEW_DESC srv =
            ShaderResourceView(DXGI_FORMAT_R8G8B8A8_UNORM, D3D12_SRV_DIMENSION_TEXTURE2DMS);
        return srv;
    }
    // Descriptor `index` of the SRV heap, as CPU and GPU handles.
    std::pair<D3D12_CPU_DESCRIPTOR_HANDLE, D3D12_GPU_DESCRIPTOR_HANDLE> SrvAt(UINT index) {
        UINT step =
            device->GetDescriptorHandleIncrementSize(D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV);
        auto cpu = srvHeap->GetCPUDescriptorHandleForHeapStart();
        auto gpu = srvHeap->GetGPUDescriptorHandleForHeapStart();
        cpu.ptr += index * step;
        gpu.ptr += index * step;
        return {cpu, gpu};
    }
    // A draw into RTV `rtv` (and `dsv` when given) reading SRV `srv`.
    void Draw(UINT rtv, ID3D12PipelineState* pipeline, UINT srv = 0,
              const D3D12_CPU_DESCRIPTOR_HANDLE* dsv = nullptr) {
        RecordTriangleDrawState(list, Rtv(rtv), kSize, kSize, rootSignature, pipeline);
        if (dsv != nullptr) {
            D3D12_CPU_DESCRIPTOR_HANDLE target = Rtv(rtv);
            list->OMSetRenderTargets(1, &target, FALSE, dsv);
        }
        list->SetDescriptorHeaps(1, srvHeap.GetAddressOf());
        list->SetGraphicsRootDescriptorTable(0, SrvAt(srv).second);
        list->DrawInstanced(6, 1, 0, 0);
    }
    // Errors only: clears of targets made without a clear value warn.
    void ExpectNoErrors() {
        for (const DebugMessage& message : TakeDebugMessages(device)) {
            EXPECT_NE(message.severity, D3D12_MESSAGE_SEVERITY_ERROR)
                << "#" << message.id << ": " << message.description;
        }
    }
    // Resolves `multisampled` (in RENDER_TARGET) into a new texture of one
    // sample and reads that back.
    std::vector<uint8_t> ResolveAndRead(ID3D12Resource* multisampled) {
        ComPtr<ID3D12Resource> resolved;
        EXPECT_EQ(MakeTarget(1, 1, D3D12_RESOURCE_FLAG_NONE, D3D12_RESOURCE_STATE_RESOLVE_DEST,
                             &resolved),
                  S_OK);
        if (resolved == nullptr) {
            return {};
        }
        D3D12_RESOURCE_BARRIER toSource = Transition(
            multisampled, D3D12_RESOURCE_STATE_RENDER_TARGET, D3D12_RESOURCE_STATE_RESOLVE_SOURCE);
        list->ResourceBarrier(1, &toSource);
        list->ResolveSubresource(resolved, 0, multisampled, 0, DXGI_FORMAT_R8G8B8A8_UNORM);
        return ReadBack(resolved, D3D12_RESOURCE_STATE_RESOLVE_DEST);
    }
    // One channel of the pixel at (x, y), 0 for red.
    static int Channel(const std::vector<uint8_t>& pixels, UINT x, UINT y, int channel) {
        return pixels[(size_t(y) * kSize + x) * 4 + channel];
    }

    ComPtr<ID3D12RootSignature> rootSignature;
    ComPtr<ID3D12DescriptorHeap> rtvHeap, srvHeap;
};

TEST_F(MultisampleTest, FourSamplesResolveToTheAverageOfWhatCoversThem) {
    ComPtr<ID3D12PipelineState> pipeline;
    ASSERT_EQ(MakePipeline("LeftPart", "Red", 4, &pipeline), S_OK);
    ComPtr<ID3D12Resource> target = ClearedTarget(4, 0);
    ASSERT_TRUE(target);
    Draw(0, pipeline);
    std::vector<uint8_t> pixels = ResolveAndRead(target);
    ASSERT_EQ(pixels.size(), kSize * kSize * 4);
    for (UINT y = 0; y < kSize; ++y) {
        EXPECT_EQ(Channel(pixels, 3, y, 0), 255) << "covered at y " << y;
        // The standard four-sample pattern has two samples left of a pixel's middle.
        EXPECT_NEAR(Channel(pixels, 4, y, 0), 128, 1) << "half covered at y " << y;
        EXPECT_EQ(Channel(pixels, 5, y, 0), 0) << "uncovered at y " << y;
    }
    ExpectNoErrors();
}

// SV_SampleIndex runs the pixel shader once per sample; a TEXTURE2DMS view
// loads each sample apart.
TEST_F(MultisampleTest, EachSampleIsShadedAndLoadedApart) {
    ComPtr<ID3D12PipelineState> perSample, readEach;
    ASSERT_EQ(MakePipeline("Whole", "SampleIndexAsRed", 4, &perSample), S_OK);
    ASSERT_EQ(MakePipeline("Whole", "EachSample", 1, &readEach), S_OK);
    ComPtr<ID3D12Resource> multisampled = ClearedTarget(4, 0);
    ComPtr<ID3D12Resource> single = ClearedTarget(1, 1);
    ASSERT_TRUE(multisampled && single);
    device->CreateShaderResourceView(multisampled, &MultisampledView(), SrvAt(1).first);

    Draw(0, perSample);
    D3D12_RESOURCE_BARRIER toRead = Transition(multisampled, D3D12_RESOURCE_STATE_RENDER_TARGET,
                                               D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE);
    list->ResourceBarrier(1, &toRead);
    Draw(1, readEach, 1);
    std::vector<uint8_t> pixels = ReadBack(single, D3D12_RESOURCE_STATE_RENDER_TARGET);
    ASSERT_EQ(pixels.size(), kSize * kSize * 4);
    const int expected[4] = {0, 64, 128, 191}; // sample i holds i / 4
    for (int channel = 0; channel < 4; ++channel) {
        EXPECT_NEAR(Channel(pixels, 2, 5, channel), expected[channel], 1) << "sample " << channel;
    }

    // Resolved, the samples average to 3/8.
    D3D12_RESOURCE_BARRIER back =
        Transition(multisampled, D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE,
                   D3D12_RESOURCE_STATE_RENDER_TARGET);
    list->ResourceBarrier(1, &back);
    pixels = ResolveAndRead(multisampled);
    ASSERT_EQ(pixels.size(), kSize * kSize * 4);
    EXPECT_NEAR(Channel(pixels, 6, 1, 0), 96, 1);
    ExpectNoErrors();
}

// GetRenderTargetSampleCount() is the pipeline's SampleDesc.Count, and
// GetRenderTargetSamplePosition(1) sample 1 of its standard pattern, (6, -2)
// sixteenths of a pixel from the centre for four samples, (0, 0) for one.
TEST_F(MultisampleTest, ShadersReadThePipelinesSampleCountAndPattern) {
    struct Expected {
        UINT samples;
        int red, green, blue;
    };
    for (Expected expected : {Expected{1, 32, 128, 128}, Expected{4, 128, 223, 96}}) {
        ComPtr<ID3D12PipelineState> pipeline;
        ASSERT_EQ(MakePipeline("Whole", "SampleCountAndPosition", expected.samples, &pipeline),
                  S_OK);
        ComPtr<ID3D12Resource> target = ClearedTarget(expected.samples, 0);
        ASSERT_TRUE(target);
        Draw(0, pipeline);
        std::vector<uint8_t> pixels = expected.samples > 1
                                          ? ResolveAndRead(target)
                                          : ReadBack(target, D3D12_RESOURCE_STATE_RENDER_TARGET);
        ASSERT_EQ(pixels.size(), kSize * kSize * 4);
        EXPECT_NEAR(Channel(pixels, 2, 2, 0), expected.red, 1) << expected.samples;
        EXPECT_NEAR(Channel(pixels, 2, 2, 1), expected.green, 1) << expected.samples;
        EXPECT_NEAR(Channel(pixels, 2, 2, 2), expected.blue, 1) << expected.samples;
    }
    ExpectNoErrors();
}

// A depth buffer of four samples, through a TEXTURE2DMS view: the quad at
// depth 0.5 draws over a clear to 1 and not over a clear to 0.4.
TEST_F(MultisampleTest, DepthBuffersOfFourSamplesTestTheirSamples) {
    ComPtr<ID3D12PipelineState> pipeline;
    ASSERT_EQ(MakePipeline("LeftPart", "Red", 4, &pipeline, true), S_OK);
    ComPtr<ID3D12DescriptorHeap> dsvHeap{MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_DSV)};
    ComPtr<ID3D12Resource> depth;
    ASSERT_EQ(MakeTarget(4, 1, D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL,
                         D3D12_RESOURCE_STATE_DEPTH_WRITE, &depth, DXGI_FORMAT_D32_FLOAT),
              S_OK);
    D3D12_DEPTH_STENCIL_VIEW_DESC view{};
    view.Format = DXGI_FORMAT_D32_FLOAT;
    view.ViewDimension = D3D12_DSV_DIMENSION_TEXTURE2DMS;
    D3D12_CPU_DESCRIPTOR_HANDLE dsv = dsvHeap->GetCPUDescriptorHandleForHeapStart();
    device->CreateDepthStencilView(depth, &view, dsv);
    for (float cleared : {0.4f, 1.0f}) {
        ComPtr<ID3D12Resource> target = ClearedTarget(4, 0);
        ASSERT_TRUE(target);
        list->ClearDepthStencilView(dsv, D3D12_CLEAR_FLAG_DEPTH, cleared, 0, 0, nullptr);
        Draw(0, pipeline, 0, &dsv);
        std::vector<uint8_t> pixels = ResolveAndRead(target);
        ASSERT_EQ(pixels.size(), kSize * kSize * 4);
        EXPECT_EQ(Channel(pixels, 1, 1, 0), cleared < 0.5f ? 0 : 255) << "cleared to " << cleared;
    }
    ExpectNoErrors();
}

TEST_F(MultisampleTest, ResourcesAndPipelinesKeepTheSampleRules) {
    ComPtr<ID3D12Resource> refused;
    EXPECT_EQ(MakeTarget(4, 2, D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET,
                         D3D12_RESOURCE_STATE_RENDER_TARGET, &refused),
              E_INVALIDARG)
        << "more than one mip";
    EXPECT_EQ(MakeTarget(4, 1, D3D12_RESOURCE_FLAG_NONE, D3D12_RESOURCE_STATE_COMMON, &refused),
              E_INVALIDARG)
        << "neither render target nor depth stencil";
    EXPECT_EQ(MakeTarget(3, 1, D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET,
                         D3D12_RESOURCE_STATE_RENDER_TARGET, &refused),
              E_INVALIDARG)
        << "three samples";
    ComPtr<ID3D12PipelineState> pipeline;
    EXPECT_EQ(MakePipeline("LeftPart", "Red", 3, &pipeline), E_INVALIDARG);
    EXPECT_EQ(refused, nullptr);
}

// A pipeline of one sample draws nothing into a target of four, and says so;
// a resolve from a texture of one sample is dropped and fails the list.
TEST_F(MultisampleTest, MismatchedSampleCountsAreReported) {
    ComPtr<ID3D12PipelineState> single;
    ASSERT_EQ(MakePipeline("LeftPart", "Red", 1, &single), S_OK);
    ComPtr<ID3D12Resource> target = ClearedTarget(4, 0);
    ASSERT_TRUE(target);
    testing::internal::CaptureStderr();
    Draw(0, single);
    std::vector<uint8_t> pixels = ResolveAndRead(target);
    std::string said = testing::internal::GetCapturedStderr();
    std::vector<DebugMessage> messages = TakeDebugMessages(device);
    ASSERT_EQ(
        CountMessages(messages, D3D12_MESSAGE_ID_RENDER_TARGET_SAMPLE_DESC_MISMATCH_PIPELINE_STATE),
        1u)
        << said;
    ASSERT_EQ(pixels.size(), kSize * kSize * 4);
    EXPECT_EQ(Channel(pixels, 0, 0, 0), 0) << "nothing drawn";

    ComPtr<ID3D12Resource> oneSample = ClearedTarget(1, 1);
    ComPtr<ID3D12Resource> destination;
    ASSERT_EQ(
        MakeTarget(1, 1, D3D12_RESOURCE_FLAG_NONE, D3D12_RESOURCE_STATE_RESOLVE_DEST, &destination),
        S_OK);
    list->ResolveSubresource(destination, 0, oneSample, 0, DXGI_FORMAT_R8G8B8A8_UNORM);
    EXPECT_TRUE(FAILED(list->Close()));
    messages = TakeDebugMessages(device);
    EXPECT_EQ(CountMessages(messages, D3D12_MESSAGE_ID_RESOLVESUBRESOURCE_INVALID_SAMPLE_COUNT),
              1u);
    BeginCommands();
}

} // namespace
