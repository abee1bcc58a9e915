// Drawing the way the system does: a texture uploaded in COMMON and sampled
// from COMMON, every table in one shader-visible heap, several draws in one
// list reading different constant-buffer views, and a depth buffer that stays
// in DEPTH_WRITE while it is cleared and tested.
#include "gpu_fixture.h"

#include "hlsl_file.h"

#include <pipeline_desc.h>

#include <d3dcompiler.h>

#include <cstring>

namespace {

constexpr char kTexturedShader[] = R"hlsl(
#define RS "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0)), " \
           "DescriptorTable(SRV(t0), visibility=SHADER_VISIBILITY_PIXEL), " \
           "StaticSampler(s0, filter=FILTER_MIN_MAG_MIP_POINT, addressU=TEXTURE_ADDRESS_CLAMP, " \
           "addressV=TEXTURE_ADDRESS_CLAMP, visibility=SHADER_VISIBILITY_PIXEL)"
cbuffer Params : register(b0) { float4 tint; float4 place; };
Texture2D image : register(t0);
SamplerState pointSampler : register(s0);
struct VSIn { float2 pos : POSITION; float2 uv : TEXCOORD0; };
struct VSOut { float4 pos : SV_Position; float2 uv : TEXCOORD0; };
[RootSignature(RS)]
VSOut VSMain(VSIn input) {
    VSOut result;
    result.pos = float4(input.pos, place.z, 1.0);
    result.uv = input.uv;
    return result;
}
float4 PSMain(VSOut input) : SV_Target { return image.Sample(pointSampler, input.uv) * tint; }
)hlsl";

ID3DBlob* CompileTextured(const char* entry, const char* target) {
    return CompileHlslFile(kTexturedShader, "d3d12_sampling_test.hlsl", entry, target);
}

// A full-target quad of two clockwise triangles, then one clockwise triangle
// over the upper-left corner of the top-left quadrant. x, y, u, v.
constexpr float kVertices[] = {
    -1, 1, 0, 0, 1, 1,  1, 0, -1, -1, 0, 1, // top-left, top-right, bottom-left
    1,  1, 1, 0, 1, -1, 1, 1, -1, -1, 0, 1, // top-right, bottom-right, bottom-left
    -1, 1, 0, 0, 0, 1,  0, 0, -1, 0,  0, 0, // the corner triangle
};

struct Draw {
    float tint[4];
    float depth;
    UINT firstVertex, vertexCount;
};

} // namespace

TEST_F(GpuTest, SampledTextureDepthTestAndPerDrawConstantViews) {
    ComPtr<ID3DBlob> vs{CompileTextured("VSMain", "vs_5_0")};
    ComPtr<ID3DBlob> ps{CompileTextured("PSMain", "ps_5_0")};
    ASSERT_TRUE(vs && ps);
    ComPtr<ID3D12RootSignature> rootSignature{RootSignatureOf(device, vs)};
    ASSERT_TRUE(rootSignature);
    D3D12_INPUT_ELEMENT_DESC layout[] = {
        {"POSITION", 0, DXGI_FORMAT_R32G32_FLOAT, 0, 0, D3D12_INPUT_CLASSIFICATION_PER_VERTEX_DATA,
         0},
        {"TEXCOORD", 0, DXGI_FORMAT_R32G32_FLOAT, 0, D3D12_APPEND_ALIGNED_ELEMENT,
         D3D12_INPUT_CLASSIFICATION_PER_VERTEX_DATA, 0},
    };
    D3D12_GRAPHICS_PIPELINE_STATE_DESC desc = DescribePipeline(rootSignature, vs, ps, {layout, 2});
    AddDepthBuffer(desc);
    ComPtr<ID3D12PipelineState> pipeline{MakeGraphicsPipeline(device, desc)};
    ASSERT_TRUE(pipeline);

    // A 2x2 texture: red, green / blue, white; uploaded in COMMON, left in COMMON.
    ComPtr<ID3D12Resource> texture{MakeTexture(
        2, 2, DXGI_FORMAT_R8G8B8A8_UNORM, D3D12_RESOURCE_FLAG_NONE, D3D12_RESOURCE_STATE_COMMON)};
    D3D12_PLACED_SUBRESOURCE_FOOTPRINT footprint{};
    ComPtr<ID3D12Resource> upload{MakeTextureUpload(
        device, texture, {0xFF0000FF, 0xFF00FF00, 0xFFFF0000, 0xFFFFFFFF}, &footprint)};
    ASSERT_NE(upload, nullptr);

    // Vertices and three 256-byte constant slices, one per draw.
    const Draw draws[3] = {
        {{1, 1, 1, 1}, 0.5f, 0, 6}, // the texture, over the whole target
        {{0, 0, 0, 0}, 0.7f, 0, 6}, // behind it: fails the depth test
        {{0, 0, 0, 0}, 0.5f, 6, 3}, // at equal depth: passes LESS_EQUAL
    };
    ComPtr<ID3D12Resource> vertices{
        MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, sizeof(kVertices), D3D12_RESOURCE_STATE_GENERIC_READ)};
    ComPtr<ID3D12Resource> constants{
        MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, 3 * 256, D3D12_RESOURCE_STATE_GENERIC_READ)};
    ASSERT_NO_FATAL_FAILURE(WriteBuffer(vertices, kVertices, sizeof(kVertices)));
    uint8_t* bytes = nullptr;
    ASSERT_EQ(constants->Map(0, nullptr, reinterpret_cast<void**>(&bytes)), S_OK);
    for (int i = 0; i < 3; ++i) {
        const float params[8] = {draws[i].tint[0],
                                 draws[i].tint[1],
                                 draws[i].tint[2],
                                 draws[i].tint[3],
                                 0,
                                 0,
                                 draws[i].depth,
                                 0};
        std::memcpy(bytes + 256 * i, params, sizeof(params));
    }
    constants->Unmap(0, nullptr);

    // One shader-visible heap: three constant views, then the texture view.
    ComPtr<ID3D12DescriptorHeap> cbvHeap{MakeDescriptorHeap(
        D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV, 4, D3D12_DESCRIPTOR_HEAP_FLAG_SHADER_VISIBLE)};
    ComPtr<ID3D12DescriptorHeap> rtvHeap{MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_RTV)};
    ComPtr<ID3D12DescriptorHeap> dsvHeap{MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_DSV)};
    UINT increment =
        device->GetDescriptorHandleIncrementSize(D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV);
    for (UINT i = 0; i < 3; ++i) {
        D3D12_CONSTANT_BUFFER_VIEW_DESC cbv{constants->GetGPUVirtualAddress() + 256 * i, 256};
        D3D12_CPU_DESCRIPTOR_HANDLE at = cbvHeap->GetCPUDescriptorHandleForHeapStart();
        at.ptr += i * increment;
        device->CreateConstantBufferView(&cbv, at);
    }
    D3D12_SHADER_RESOURCE_VIEW_DESC srv =
        ShaderResourceView(DXGI_FORMAT_R8G8B8A8_UNORM, D3D12_SRV_DIMENSION_TEXTURE2D);
    srv.Texture2D.MipLevels = 1;
    D3D12_CPU_DESCRIPTOR_HANDLE srvAt = cbvHeap->GetCPUDescriptorHandleForHeapStart();
    srvAt.ptr += 3 * increment;
    device->CreateShaderResourceView(texture, &srv, srvAt);

    ComPtr<ID3D12Resource> target{MakeTexture(64, 64, DXGI_FORMAT_R8G8B8A8_UNORM,
                                              D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET,
                                              D3D12_RESOURCE_STATE_RENDER_TARGET)};
    ComPtr<ID3D12Resource> depth{MakeTexture(64, 64, DXGI_FORMAT_D32_FLOAT,
                                             D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL,
                                             D3D12_RESOURCE_STATE_DEPTH_WRITE)};
    D3D12_CPU_DESCRIPTOR_HANDLE rtv = rtvHeap->GetCPUDescriptorHandleForHeapStart();
    D3D12_CPU_DESCRIPTOR_HANDLE dsv = dsvHeap->GetCPUDescriptorHandleForHeapStart();
    device->CreateRenderTargetView(target, nullptr, rtv);
    device->CreateDepthStencilView(depth, nullptr, dsv);

    // The upload, as the system records it: no barrier before the copy.
    CopyBufferToTexture(list, upload, footprint, texture);
    D3D12_RESOURCE_BARRIER back =
        Transition(texture, D3D12_RESOURCE_STATE_COPY_DEST, D3D12_RESOURCE_STATE_COMMON);
    list->ResourceBarrier(1, &back);
    ExecuteAndWait();

    D3D12_VIEWPORT viewport{0, 0, 64, 64, 0, 1};
    D3D12_RECT scissor{0, 0, 64, 64};
    D3D12_VERTEX_BUFFER_VIEW vertexView{vertices->GetGPUVirtualAddress(), sizeof(kVertices), 16};
    const float clear[4] = {0, 0, 0, 1};
    list->RSSetViewports(1, &viewport);
    list->RSSetScissorRects(1, &scissor);
    list->OMSetRenderTargets(1, &rtv, FALSE, &dsv);
    list->ClearRenderTargetView(rtv, clear, 0, nullptr);
    list->ClearDepthStencilView(dsv, D3D12_CLEAR_FLAG_DEPTH, 1.0f, 0, 0, nullptr);
    list->SetGraphicsRootSignature(rootSignature);
    list->SetPipelineState(pipeline);
    list->IASetPrimitiveTopology(D3D_PRIMITIVE_TOPOLOGY_TRIANGLELIST);
    list->IASetVertexBuffers(0, 1, &vertexView);
    list->SetDescriptorHeaps(1, cbvHeap.GetAddressOf());
    D3D12_GPU_DESCRIPTOR_HANDLE textureTable = cbvHeap->GetGPUDescriptorHandleForHeapStart();
    textureTable.ptr += 3 * increment;
    list->SetGraphicsRootDescriptorTable(1, textureTable);
    for (UINT i = 0; i < 3; ++i) {
        D3D12_GPU_DESCRIPTOR_HANDLE constantsTable = cbvHeap->GetGPUDescriptorHandleForHeapStart();
        constantsTable.ptr += i * increment;
        list->SetGraphicsRootDescriptorTable(0, constantsTable);
        list->DrawInstanced(draws[i].vertexCount, 1, draws[i].firstVertex, 0);
    }
    testing::internal::CaptureStderr();
    ExecuteAndWait();
    std::vector<uint8_t> pixels = ReadBack(target, D3D12_RESOURCE_STATE_RENDER_TARGET);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    ASSERT_EQ(pixels.size(), 64u * 64u * 4u);
    EXPECT_EQ(PixelAt(pixels, 64, 4, 4), 0x00000000u) << "corner drawn at equal depth";
    EXPECT_EQ(PixelAt(pixels, 64, 28, 28), 0xFF0000FFu) << "texel (0,0) top-left";
    EXPECT_EQ(PixelAt(pixels, 64, 48, 16), 0xFF00FF00u) << "texel (1,0) top-right";
    EXPECT_EQ(PixelAt(pixels, 64, 16, 48), 0xFFFF0000u) << "texel (0,1) bottom-left";
    EXPECT_EQ(PixelAt(pixels, 64, 48, 48), 0xFFFFFFFFu) << "texel (1,1) bottom-right";
}
