// Each subresource of a texture has its own state: a draw renders into one
// mip level or array slice while it samples another that a barrier moved
// alone, and the validation layer follows each subresource.
#include "gpu_fixture.h"

#include <standin_checks.h>

#include "hlsl_file.h"

#include <pipeline_desc.h>

#include <cstring>
#include <string>

namespace {

// A full-target triangle that copies texels of the viewed subresource: a
// 2-D view of a mip half the target's size, or one slice of an array view.
constexpr char kShader[] = R"hlsl(
#define RS "DescriptorTable(SRV(t0), visibility=SHADER_VISIBILITY_PIXEL)"
Texture2D<float4> halfSize : register(t0);
Texture2DArray<float4> slices : register(t0);
[RootSignature(RS)]
float4 VSMain(uint id : SV_VertexID) : SV_Position {
    float2 corner = float2((id << 1) & 2, id & 2);
    return float4(corner * float2(2, -2) + float2(-1, 1), 0.5, 1);
}
float4 FromMip(float4 pos : SV_Position) : SV_Target {
    return halfSize.Load(int3(pos.xy / 2, 0));
}
float4 FromSlice(float4 pos : SV_Position) : SV_Target {
    return slices.Load(int4(pos.xy, 0, 0));
}
)hlsl";

constexpr UINT kSize = 8;
constexpr uint32_t kRed = 0xFF0000FF, kGreen = 0xFF00FF00, kBlue = 0xFFFF0000;

class SubresourceTest : public GpuTest {
protected:
    void SetUp() override {
        GpuTest::SetUp();
        vs.Attach(CompileHlslFile(kShader, "subresource_test.hlsl", "VSMain", "vs_5_0"));
        ASSERT_TRUE(vs);
        rootSignature.Attach(RootSignatureOf(device, vs));
        ASSERT_TRUE(rootSignature);
        rtvHeap.Attach(MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_RTV, 2));
        srvHeap.Attach(MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV, 1,
                                          D3D12_DESCRIPTOR_HEAP_FLAG_SHADER_VISIBLE));
    }
    void TearDown() override {
        AcknowledgeProvokedErrors();
        vs.Reset();
        rootSignature.Reset();
        rtvHeap.Reset();
        srvHeap.Reset();
        GpuTest::TearDown();
    }

    ComPtr<ID3D12PipelineState> MakePipeline(const char* entry) {
        ComPtr<ID3DBlob> ps{CompileHlslFile(kShader, "subresource_test.hlsl", entry, "ps_5_0")};
        ComPtr<ID3D12PipelineState> pipeline;
        if (ps == nullptr) {
            return pipeline;
        }
        D3D12_GRAPHICS_PIPELINE_STATE_DESC desc = DescribePipeline(rootSignature, vs, ps, {});
        desc.RasterizerState.CullMode = D3D12_CULL_MODE_NONE;
        pipeline.Attach(MakeGraphicsPipeline(device, desc));
        return pipeline;
    }

    // An 8x8 render target of `mips` levels and `slices` array slices, in `state`.
    ComPtr<ID3D12Resource>
    MakeLayeredTarget(UINT16 mips, UINT16 slices,
                      D3D12_RESOURCE_STATES state = D3D12_RESOURCE_STATE_RENDER_TARGET) {
        D3D12_RESOURCE_DESC desc =
            TextureDescription(kSize, kSize, DXGI_FORMAT_R8G8B8A8_UNORM,
                               D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET, slices);
        desc.MipLevels = mips;
        return ComPtr<ID3D12Resource>{MakeCommitted(device, D3D12_HEAP_TYPE_DEFAULT, desc, state)};
    }

    D3D12_CPU_DESCRIPTOR_HANDLE Rtv(UINT index) { return HandleAt(device, rtvHeap, index); }
    // RTV `index` draws into mip `mip` of array slice `slice`.
    void MakeRtv(ID3D12Resource* texture, UINT index, UINT mip, UINT slice) {
        D3D12_RENDER_TARGET_VIEW_DESC desc{};
        desc.Format = DXGI_FORMAT_R8G8B8A8_UNORM;
        desc.ViewDimension = D3D12_RTV_DIMENSION_TEXTURE2DARRAY;
        desc.Texture2DArray = {mip, slice, 1, 0};
        device->CreateRenderTargetView(texture, &desc, Rtv(index));
    }
    // Clears the target of RTV `index` to red, with its right half green.
    void ClearRedAndGreen(UINT index, UINT width) {
        const float red[4] = {1, 0, 0, 1}, green[4] = {0, 1, 0, 1};
        D3D12_RECT right{LONG(width / 2), 0, LONG(width), LONG(kSize)};
        list->ClearRenderTargetView(Rtv(index), red, 0, nullptr);
        list->ClearRenderTargetView(Rtv(index), green, 1, &right);
    }
    void MoveSubresource(ID3D12Resource* texture, UINT subresource, D3D12_RESOURCE_STATES before,
                         D3D12_RESOURCE_STATES after) {
        D3D12_RESOURCE_BARRIER barrier = Transition(texture, before, after);
        barrier.Transition.Subresource = subresource;
        list->ResourceBarrier(1, &barrier);
    }
    // A draw over RTV `index` reading the view in the SRV heap.
    void DrawInto(UINT index, UINT size, ID3D12PipelineState* pipeline) {
        RecordTriangleDrawState(list, Rtv(index), size, size, rootSignature, pipeline);
        list->SetDescriptorHeaps(1, srvHeap.GetAddressOf());
        list->SetGraphicsRootDescriptorTable(0, srvHeap->GetGPUDescriptorHandleForHeapStart());
        list->DrawInstanced(3, 1, 0, 0);
    }
    // Every pixel of a `width`-wide image red left of its middle, green right of it.
    void ExpectRedAndGreen(const std::vector<uint8_t>& pixels, UINT width, const char* what) {
        ExpectPixels(
            pixels, width, width, [&](UINT x, UINT) { return x < width / 2 ? kRed : kGreen; },
            what);
    }
    // Errors only: clears of targets made without a clear value warn.
    void ExpectNoErrors() {
        for (const DebugMessage& message : TakeDebugMessages(device)) {
            EXPECT_NE(message.severity, D3D12_MESSAGE_SEVERITY_ERROR)
                << "#" << message.id << ": " << message.description;
        }
    }

    ComPtr<ID3DBlob> vs;
    ComPtr<ID3D12RootSignature> rootSignature;
    ComPtr<ID3D12DescriptorHeap> rtvHeap, srvHeap;
};

TEST_F(SubresourceTest, DrawsIntoOneMipWhileSamplingTheNextOne) {
    ComPtr<ID3D12PipelineState> pipeline = MakePipeline("FromMip");
    ComPtr<ID3D12Resource> texture = MakeLayeredTarget(2, 1);
    ASSERT_TRUE(pipeline && texture);
    MakeRtv(texture, 0, 0, 0);
    MakeRtv(texture, 1, 1, 0);
    D3D12_SHADER_RESOURCE_VIEW_DESC srv =
        ShaderResourceView(DXGI_FORMAT_R8G8B8A8_UNORM, D3D12_SRV_DIMENSION_TEXTURE2D);
    srv.Texture2D = {1, 1, 0, 0.0f};
    device->CreateShaderResourceView(texture, &srv, srvHeap->GetCPUDescriptorHandleForHeapStart());

    const float blue[4] = {0, 0, 1, 1};
    list->ClearRenderTargetView(Rtv(0), blue, 0, nullptr);
    ClearRedAndGreen(1, kSize / 2);
    MoveSubresource(texture, 1, D3D12_RESOURCE_STATE_RENDER_TARGET,
                    D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE);
    DrawInto(0, kSize, pipeline);
    ExecuteAndWait();
    ExpectNoErrors();

    // Mip 0 holds mip 1 scaled up; mip 1 is as it was cleared, still in
    // PIXEL_SHADER_RESOURCE.
    ExpectRedAndGreen(ReadBack(texture, D3D12_RESOURCE_STATE_RENDER_TARGET, 0), kSize, "mip 0");
    ExpectRedAndGreen(ReadBack(texture, D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE, 1), kSize / 2,
                      "mip 1");
    ExpectNoErrors();
}

TEST_F(SubresourceTest, DrawsIntoOneArraySliceWhileSamplingAnother) {
    ComPtr<ID3D12PipelineState> pipeline = MakePipeline("FromSlice");
    ComPtr<ID3D12Resource> texture = MakeLayeredTarget(1, 3);
    ASSERT_TRUE(pipeline && texture);
    MakeRtv(texture, 0, 0, 0);
    MakeRtv(texture, 1, 0, 2);
    D3D12_SHADER_RESOURCE_VIEW_DESC srv =
        ShaderResourceView(DXGI_FORMAT_R8G8B8A8_UNORM, D3D12_SRV_DIMENSION_TEXTURE2DARRAY);
    srv.Texture2DArray = {0, 1, 2, 1, 0, 0.0f};
    device->CreateShaderResourceView(texture, &srv, srvHeap->GetCPUDescriptorHandleForHeapStart());

    ClearRedAndGreen(1, kSize);
    MoveSubresource(texture, 2, D3D12_RESOURCE_STATE_RENDER_TARGET,
                    D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE);
    DrawInto(0, kSize, pipeline);
    ExecuteAndWait();
    ExpectNoErrors();

    ExpectRedAndGreen(ReadBack(texture, D3D12_RESOURCE_STATE_RENDER_TARGET, 0), kSize, "slice 0");
    ExpectRedAndGreen(ReadBack(texture, D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE, 2), kSize,
                      "slice 2");
    ExpectNoErrors();
}

// Promotion follows each subresource: a copy into mip 1 alone promotes it to
// COPY_DEST, where it stays after the list (a texture promoted to a write
// state does not decay), while mip 0 stays in COMMON.
TEST_F(SubresourceTest, ACopyPromotesOnlyTheMipItWrites) {
    ComPtr<ID3D12PipelineState> pipeline = MakePipeline("FromMip");
    ComPtr<ID3D12Resource> texture = MakeLayeredTarget(2, 1, D3D12_RESOURCE_STATE_COMMON);
    ComPtr<ID3D12Resource> target{MakeTexture(kSize, kSize, DXGI_FORMAT_R8G8B8A8_UNORM,
                                              D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET,
                                              D3D12_RESOURCE_STATE_RENDER_TARGET)};
    ASSERT_TRUE(pipeline && texture && target);
    device->CreateRenderTargetView(target, nullptr, Rtv(0));
    D3D12_SHADER_RESOURCE_VIEW_DESC srv =
        ShaderResourceView(DXGI_FORMAT_R8G8B8A8_UNORM, D3D12_SRV_DIMENSION_TEXTURE2D);
    srv.Texture2D = {1, 1, 0, 0.0f};
    device->CreateShaderResourceView(texture, &srv, srvHeap->GetCPUDescriptorHandleForHeapStart());

    // Mip 1 green, from a footprint of subresource 1, copied with no barrier.
    const D3D12_RESOURCE_DESC desc = texture->GetDesc();
    D3D12_PLACED_SUBRESOURCE_FOOTPRINT footprint{};
    UINT64 total = 0;
    device->GetCopyableFootprints(&desc, 1, 1, 0, &footprint, nullptr, nullptr, &total);
    ComPtr<ID3D12Resource> upload{
        MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, total, D3D12_RESOURCE_STATE_GENERIC_READ)};
    ASSERT_TRUE(upload);
    uint8_t* bytes = nullptr;
    ASSERT_EQ(upload->Map(0, nullptr, reinterpret_cast<void**>(&bytes)), S_OK);
    for (UINT y = 0; y < footprint.Footprint.Height; ++y) {
        for (UINT x = 0; x < footprint.Footprint.Width; ++x) {
            std::memcpy(bytes + footprint.Offset + y * footprint.Footprint.RowPitch + x * 4,
                        &kGreen, 4);
        }
    }
    upload->Unmap(0, nullptr);
    D3D12_TEXTURE_COPY_LOCATION to{};
    to.pResource = texture;
    to.Type = D3D12_TEXTURE_COPY_TYPE_SUBRESOURCE_INDEX;
    to.SubresourceIndex = 1;
    D3D12_TEXTURE_COPY_LOCATION from{};
    from.pResource = upload;
    from.Type = D3D12_TEXTURE_COPY_TYPE_PLACED_FOOTPRINT;
    from.PlacedFootprint = footprint;
    list->CopyTextureRegion(&to, 0, 0, 0, &from, nullptr);
    ExecuteAndWait();

    MoveSubresource(texture, 1, D3D12_RESOURCE_STATE_COPY_DEST,
                    D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE);
    DrawInto(0, kSize, pipeline);
    std::vector<uint8_t> pixels = ReadBack(target, D3D12_RESOURCE_STATE_RENDER_TARGET);
    ASSERT_EQ(pixels.size(), size_t(kSize) * kSize * 4);
    EXPECT_EQ(PixelAt(pixels, kSize, 5, 3), kGreen);
    MoveSubresource(texture, 0, D3D12_RESOURCE_STATE_COMMON, D3D12_RESOURCE_STATE_COPY_DEST);
    ExecuteAndWait();
    ExpectNoErrors();
}

// A barrier on one subresource leaves the others where they were: a barrier
// over all of them that assumes otherwise, and draws into the one moved, are
// reported for that subresource only.
TEST_F(SubresourceTest, ABarrierOnOneSubresourceLeavesTheOthersInTheirState) {
    ComPtr<ID3D12PipelineState> pipeline = MakePipeline("FromMip");
    ComPtr<ID3D12Resource> texture = MakeLayeredTarget(2, 1);
    ComPtr<ID3D12Resource> shown{MakeTexture(kSize / 2, kSize / 2, DXGI_FORMAT_R8G8B8A8_UNORM,
                                             D3D12_RESOURCE_FLAG_NONE,
                                             D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE)};
    ASSERT_TRUE(pipeline && texture && shown);
    MakeRtv(texture, 0, 0, 0);
    MakeRtv(texture, 1, 1, 0);
    device->CreateShaderResourceView(shown, nullptr, srvHeap->GetCPUDescriptorHandleForHeapStart());

    MoveSubresource(texture, 1, D3D12_RESOURCE_STATE_RENDER_TARGET,
                    D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE);
    DrawInto(0, kSize, pipeline);     // mip 0 is still a render target
    DrawInto(1, kSize / 2, pipeline); // mip 1 is not
    ExecuteAndWait();
    std::vector<DebugMessage> messages = TakeDebugMessages(device);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].id, D3D12_MESSAGE_ID_INVALID_SUBRESOURCE_STATE)
        << messages[0].description;
    EXPECT_NE(messages[0].description.find("(subresource: 1)"), std::string::npos)
        << messages[0].description;

    // Both mips back in RENDER_TARGET, from the state each really is in.
    D3D12_RESOURCE_BARRIER both = Transition(texture, D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE,
                                             D3D12_RESOURCE_STATE_RENDER_TARGET);
    list->ResourceBarrier(1, &both);
    ExecuteAndWait();
    messages = TakeDebugMessages(device);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].id, D3D12_MESSAGE_ID_RESOURCE_BARRIER_BEFORE_AFTER_MISMATCH);
    EXPECT_NE(messages[0].description.find("(subresource: 0)"), std::string::npos)
        << messages[0].description;

    // Every subresource is a render target again: both draws are quiet.
    DrawInto(0, kSize, pipeline);
    DrawInto(1, kSize / 2, pipeline);
    ExecuteAndWait();
    ExpectNoErrors();
}

// The two planes of a depth-stencil texture are two subresources to the
// layer, one image to Vulkan: a barrier moves one plane alone, or both.
TEST_F(SubresourceTest, EachPlaneOfADepthStencilTextureHasItsOwnState) {
    ComPtr<ID3D12Resource> depth{MakeTexture(kSize, kSize, DXGI_FORMAT_D32_FLOAT_S8X24_UINT,
                                             D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL,
                                             D3D12_RESOURCE_STATE_DEPTH_WRITE)};
    ComPtr<ID3D12DescriptorHeap> dsvHeap{MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_DSV)};
    ASSERT_TRUE(depth && dsvHeap);
    D3D12_CPU_DESCRIPTOR_HANDLE dsv = dsvHeap->GetCPUDescriptorHandleForHeapStart();
    device->CreateDepthStencilView(depth, nullptr, dsv);
    const UINT stencil = 1; // the one mip's second plane
    const D3D12_RESOURCE_BARRIER steps[] = {
        Transition(depth, D3D12_RESOURCE_STATE_DEPTH_WRITE, D3D12_RESOURCE_STATE_COPY_SOURCE,
                   stencil),
        Transition(depth, D3D12_RESOURCE_STATE_COPY_SOURCE, D3D12_RESOURCE_STATE_DEPTH_WRITE,
                   stencil),
        Transition(depth, D3D12_RESOURCE_STATE_DEPTH_WRITE, D3D12_RESOURCE_STATE_COPY_SOURCE),
        Transition(depth, D3D12_RESOURCE_STATE_COPY_SOURCE, D3D12_RESOURCE_STATE_DEPTH_WRITE),
    };
    for (const D3D12_RESOURCE_BARRIER& step : steps) {
        list->ResourceBarrier(1, &step);
        // The depth plane stays a depth buffer while the stencil plane moves.
        if (step.Transition.Subresource == stencil ||
            step.Transition.StateAfter == D3D12_RESOURCE_STATE_DEPTH_WRITE) {
            list->ClearDepthStencilView(dsv, D3D12_CLEAR_FLAG_DEPTH, 1.0f, 0, 0, nullptr);
        }
    }
    ExecuteAndWait();
    ExpectNoErrors();

    // The stencil plane alone said to be where only the depth plane was.
    list->ResourceBarrier(1, &steps[0]);
    list->ResourceBarrier(1, &steps[0]);
    ExecuteAndWait();
    std::vector<DebugMessage> messages = TakeDebugMessages(device);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].id, D3D12_MESSAGE_ID_RESOURCE_BARRIER_BEFORE_AFTER_MISMATCH);
    EXPECT_NE(messages[0].description.find("(subresource: 1)"), std::string::npos)
        << messages[0].description;
}

} // namespace
