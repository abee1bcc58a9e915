// 1-D and 3-D textures: uploaded through footprints (a 3-D texture's slices
// in one copy), read back by slice, sampled through TEXTURE3D and
// TEXTURE1DARRAY views, and refused where Direct3D 12 refuses them.
#include "gpu_fixture.h"

#include <standin_checks.h>

#include "hlsl_file.h"

#include <pipeline_desc.h>

#include <cstring>
#include <string>

namespace {

constexpr char kShader[] = R"hlsl(
#define RS "DescriptorTable(SRV(t0), visibility=SHADER_VISIBILITY_PIXEL), " \
           "StaticSampler(s0, filter=FILTER_MIN_MAG_MIP_POINT)"
Texture3D<float4> volume : register(t0);
Texture1DArray<float4> lines : register(t0);
TextureCube<float4> cube : register(t0);
TextureCubeArray<float4> cubes : register(t0);
SamplerState nearest : register(s0);
static const float3 kFaces[6] = {float3(1, 0, 0), float3(-1, 0, 0), float3(0, 1, 0),
                                 float3(0, -1, 0), float3(0, 0, 1), float3(0, 0, -1)};
[RootSignature(RS)]
float4 VSMain(uint id : SV_VertexID) : SV_Position {
    float2 corner = float2((id << 1) & 2, id & 2);
    return float4(corner * float2(2, -2) + float2(-1, 1), 0.5, 1);
}
// Pixel (x, y) shows texel (x % 2, y % 2) of slice x / 2.
float4 FromVolume(float4 pos : SV_Position) : SV_Target {
    uint2 at = uint2(pos.xy);
    return volume.Load(int4(at.x % 2, at.y % 2, at.x / 2, 0));
}
// Pixel (x, y) shows face x % 6, of cube y % 2 of an array.
float4 FromCube(float4 pos : SV_Position) : SV_Target {
    return cube.Sample(nearest, kFaces[uint(pos.x) % 6]);
}
float4 FromCubes(float4 pos : SV_Position) : SV_Target {
    return cubes.Sample(nearest, float4(kFaces[uint(pos.x) % 6], uint(pos.y) % 2));
}
// Pixel (x, y) shows texel x % 4 of slice y % 2.
float4 FromLines(float4 pos : SV_Position) : SV_Target {
    uint2 at = uint2(pos.xy);
    return lines.Load(int3(at.x % 4, at.y % 2, 0));
}
)hlsl";

constexpr UINT kTarget = 8;

// A texel that names where it is: red 10 * slice + x + 1, green y + 1.
uint32_t TexelAt(UINT x, UINT y, UINT slice) {
    return 0xFF000000u | (y + 1) << 8 | (10 * slice + x + 1);
}

class TextureDimensionsTest : public GpuTest {
protected:
    void SetUp() override {
        GpuTest::SetUp();
        vs.Attach(Compile("VSMain", "vs_5_0"));
        ASSERT_TRUE(vs);
        rootSignature.Attach(RootSignatureOf(device, vs));
        ASSERT_TRUE(rootSignature);
        srvHeap.Attach(MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV, 1,
                                          D3D12_DESCRIPTOR_HEAP_FLAG_SHADER_VISIBLE));
        MakeRenderTarget(kTarget, &target, &rtvHeap);
        ASSERT_TRUE(target && rtvHeap);
    }
    void TearDown() override {
        AcknowledgeProvokedErrors();
        vs.Reset();
        rootSignature.Reset();
        srvHeap.Reset();
        rtvHeap.Reset();
        target.Reset();
        GpuTest::TearDown();
    }

    static ID3DBlob* Compile(const char* entry, const char* target) {
        return CompileHlslFile(kShader, "texture_dimensions_test.hlsl", entry, target);
    }
    static D3D12_RESOURCE_DESC Describe(D3D12_RESOURCE_DIMENSION dimension, UINT width, UINT height,
                                        UINT16 depthOrArraySize) {
        D3D12_RESOURCE_DESC desc = TextureDescription(width, height, DXGI_FORMAT_R8G8B8A8_UNORM,
                                                      D3D12_RESOURCE_FLAG_NONE, depthOrArraySize);
        desc.Dimension = dimension;
        return desc;
    }
    HRESULT Make(const D3D12_RESOURCE_DESC& desc, ComPtr<ID3D12Resource>* texture) {
        const D3D12_HEAP_PROPERTIES heap = HeapProperties(D3D12_HEAP_TYPE_DEFAULT);
        return device->CreateCommittedResource(&heap, D3D12_HEAP_FLAG_NONE, &desc,
                                               D3D12_RESOURCE_STATE_COPY_DEST, nullptr,
                                               IID_ID3D12Resource, texture->PutVoid());
    }
    // Uploads TexelAt over every subresource of `texture` (in COPY_DEST), one
    // copy per subresource; a 3-D texture's slices are one subresource.
    void Upload(ID3D12Resource* texture, UINT subresources, ComPtr<ID3D12Resource>* upload) {
        const D3D12_RESOURCE_DESC desc = texture->GetDesc();
        D3D12_PLACED_SUBRESOURCE_FOOTPRINT layouts[12]{};
        UINT64 total = 0;
        device->GetCopyableFootprints(&desc, 0, subresources, 0, layouts, nullptr, nullptr, &total);
        upload->Attach(
            MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, total, D3D12_RESOURCE_STATE_GENERIC_READ));
        ASSERT_TRUE(*upload);
        uint8_t* bytes = nullptr;
        ASSERT_EQ((*upload)->Map(0, nullptr, reinterpret_cast<void**>(&bytes)), S_OK);
        for (UINT i = 0; i < subresources; ++i) {
            const D3D12_SUBRESOURCE_FOOTPRINT& layout = layouts[i].Footprint;
            for (UINT z = 0; z < layout.Depth; ++z) {
                for (UINT y = 0; y < layout.Height; ++y) {
                    for (UINT x = 0; x < layout.Width; ++x) {
                        uint32_t texel = TexelAt(x, y, i + z);
                        std::memcpy(bytes + layouts[i].Offset +
                                        (size_t(z) * layout.Height + y) * layout.RowPitch + x * 4,
                                    &texel, 4);
                    }
                }
            }
            D3D12_TEXTURE_COPY_LOCATION to{};
            to.pResource = texture;
            to.Type = D3D12_TEXTURE_COPY_TYPE_SUBRESOURCE_INDEX;
            to.SubresourceIndex = i;
            D3D12_TEXTURE_COPY_LOCATION from{};
            from.pResource = *upload;
            from.Type = D3D12_TEXTURE_COPY_TYPE_PLACED_FOOTPRINT;
            from.PlacedFootprint = layouts[i];
            list->CopyTextureRegion(&to, 0, 0, 0, &from, nullptr);
        }
        (*upload)->Unmap(0, nullptr);
        D3D12_RESOURCE_BARRIER toRead = Transition(texture, D3D12_RESOURCE_STATE_COPY_DEST,
                                                   D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE);
        list->ResourceBarrier(1, &toRead);
    }
    // Draws the full target with `pixel` reading the SRV heap's view.
    std::vector<uint8_t> DrawWith(const char* pixel) {
        ComPtr<ID3DBlob> ps{Compile(pixel, "ps_5_0")};
        if (ps == nullptr) {
            return {};
        }
        D3D12_GRAPHICS_PIPELINE_STATE_DESC desc = DescribePipeline(rootSignature, vs, ps, {});
        desc.RasterizerState.CullMode = D3D12_CULL_MODE_NONE;
        ComPtr<ID3D12PipelineState> pipeline{MakeGraphicsPipeline(device, desc)};
        RecordTriangleDrawState(list, rtvHeap->GetCPUDescriptorHandleForHeapStart(), kTarget,
                                kTarget, rootSignature, pipeline);
        list->SetDescriptorHeaps(1, srvHeap.GetAddressOf());
        list->SetGraphicsRootDescriptorTable(0, srvHeap->GetGPUDescriptorHandleForHeapStart());
        list->DrawInstanced(3, 1, 0, 0);
        return ReadBack(target, D3D12_RESOURCE_STATE_RENDER_TARGET);
    }

    ComPtr<ID3DBlob> vs;
    ComPtr<ID3D12RootSignature> rootSignature;
    ComPtr<ID3D12DescriptorHeap> srvHeap, rtvHeap;
    ComPtr<ID3D12Resource> target;
};

TEST_F(TextureDimensionsTest, SamplesA3DTextureUploadedInOneCopy) {
    ComPtr<ID3D12Resource> volume, upload;
    ASSERT_EQ(Make(Describe(D3D12_RESOURCE_DIMENSION_TEXTURE3D, 2, 2, 4), &volume), S_OK);
    ASSERT_NO_FATAL_FAILURE(Upload(volume, 1, &upload));
    device->CreateShaderResourceView(volume, nullptr,
                                     srvHeap->GetCPUDescriptorHandleForHeapStart());
    std::vector<uint8_t> pixels = DrawWith("FromVolume");
    ASSERT_EQ(pixels.size(), kTarget * kTarget * 4);
    for (UINT y = 0; y < kTarget; ++y) {
        for (UINT x = 0; x < kTarget; ++x) {
            ASSERT_EQ(PixelAt(pixels, kTarget, x, y), TexelAt(x % 2, y % 2, x / 2))
                << x << "," << y;
        }
    }
}

// A box of one slice copies that slice alone into a footprint.
TEST_F(TextureDimensionsTest, OneSliceOfA3DTextureReadsBack) {
    ComPtr<ID3D12Resource> volume, upload;
    ASSERT_EQ(Make(Describe(D3D12_RESOURCE_DIMENSION_TEXTURE3D, 2, 2, 4), &volume), S_OK);
    ASSERT_NO_FATAL_FAILURE(Upload(volume, 1, &upload));
    D3D12_RESOURCE_BARRIER toSource = Transition(volume, D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE,
                                                 D3D12_RESOURCE_STATE_COPY_SOURCE);
    list->ResourceBarrier(1, &toSource);
    D3D12_RESOURCE_DESC slice = Describe(D3D12_RESOURCE_DIMENSION_TEXTURE2D, 2, 2, 1);
    D3D12_PLACED_SUBRESOURCE_FOOTPRINT footprint{};
    UINT64 total = 0;
    device->GetCopyableFootprints(&slice, 0, 1, 0, &footprint, nullptr, nullptr, &total);
    ComPtr<ID3D12Resource> readback{
        MakeBuffer(D3D12_HEAP_TYPE_READBACK, total, D3D12_RESOURCE_STATE_COPY_DEST)};
    ASSERT_TRUE(readback);
    D3D12_TEXTURE_COPY_LOCATION to{};
    to.pResource = readback;
    to.Type = D3D12_TEXTURE_COPY_TYPE_PLACED_FOOTPRINT;
    to.PlacedFootprint = footprint;
    D3D12_TEXTURE_COPY_LOCATION from{};
    from.pResource = volume;
    from.Type = D3D12_TEXTURE_COPY_TYPE_SUBRESOURCE_INDEX;
    D3D12_BOX third{0, 0, 2, 2, 2, 3};
    list->CopyTextureRegion(&to, 0, 0, 0, &from, &third);
    ExecuteAndWait();
    uint8_t* bytes = nullptr;
    ASSERT_EQ(readback->Map(0, nullptr, reinterpret_cast<void**>(&bytes)), S_OK);
    for (UINT y = 0; y < 2; ++y) {
        for (UINT x = 0; x < 2; ++x) {
            uint32_t texel = 0;
            std::memcpy(&texel, bytes + y * footprint.Footprint.RowPitch + x * 4, 4);
            EXPECT_EQ(texel, TexelAt(x, y, 2)) << x << "," << y;
        }
    }
    readback->Unmap(0, nullptr);
}

TEST_F(TextureDimensionsTest, SamplesA1DTextureArray) {
    ComPtr<ID3D12Resource> lines, upload;
    ASSERT_EQ(Make(Describe(D3D12_RESOURCE_DIMENSION_TEXTURE1D, 4, 1, 2), &lines), S_OK);
    ASSERT_NO_FATAL_FAILURE(Upload(lines, 2, &upload));
    D3D12_SHADER_RESOURCE_VIEW_DESC srv =
        ShaderResourceView(DXGI_FORMAT_R8G8B8A8_UNORM, D3D12_SRV_DIMENSION_TEXTURE1DARRAY);
    srv.Texture1DArray = {0, 1, 0, 2, 0.0f};
    device->CreateShaderResourceView(lines, &srv, srvHeap->GetCPUDescriptorHandleForHeapStart());
    std::vector<uint8_t> pixels = DrawWith("FromLines");
    ASSERT_EQ(pixels.size(), kTarget * kTarget * 4);
    for (UINT y = 0; y < kTarget; ++y) {
        for (UINT x = 0; x < kTarget; ++x) {
            ASSERT_EQ(PixelAt(pixels, kTarget, x, y), TexelAt(x % 4, 0, y % 2)) << x << "," << y;
        }
    }
}

// Six slices seen as a cube: each direction reads its own face, in the
// order +X, -X, +Y, -Y, +Z, -Z; two cubes of twelve slices as a cube array.
TEST_F(TextureDimensionsTest, SamplesEachFaceOfACubeAndOfACubeArray) {
    ComPtr<ID3D12Resource> faces, upload;
    ASSERT_EQ(Make(Describe(D3D12_RESOURCE_DIMENSION_TEXTURE2D, 1, 1, 12), &faces), S_OK);
    ASSERT_NO_FATAL_FAILURE(Upload(faces, 12, &upload));
    D3D12_SHADER_RESOURCE_VIEW_DESC srv =
        ShaderResourceView(DXGI_FORMAT_R8G8B8A8_UNORM, D3D12_SRV_DIMENSION_TEXTURECUBE);
    srv.TextureCube = {0, 1, 0.0f};
    device->CreateShaderResourceView(faces, &srv, srvHeap->GetCPUDescriptorHandleForHeapStart());
    std::vector<uint8_t> pixels = DrawWith("FromCube");
    ASSERT_EQ(pixels.size(), kTarget * kTarget * 4);
    for (UINT x = 0; x < kTarget; ++x) {
        EXPECT_EQ(PixelAt(pixels, kTarget, x, 3), TexelAt(0, 0, x % 6)) << "face " << x % 6;
    }

    srv.ViewDimension = D3D12_SRV_DIMENSION_TEXTURECUBEARRAY;
    srv.TextureCubeArray = {0, 1, 0, 2, 0.0f};
    device->CreateShaderResourceView(faces, &srv, srvHeap->GetCPUDescriptorHandleForHeapStart());
    pixels = DrawWith("FromCubes");
    ASSERT_EQ(pixels.size(), kTarget * kTarget * 4);
    for (UINT y = 0; y < 2; ++y) {
        for (UINT x = 0; x < kTarget; ++x) {
            EXPECT_EQ(PixelAt(pixels, kTarget, x, y), TexelAt(0, 0, 6 * y + x % 6))
                << "cube " << y << ", face " << x % 6;
        }
    }
}

// A render-target view of one W slice draws into that slice alone.
TEST_F(TextureDimensionsTest, DrawsIntoOneDepthSliceOfA3DTexture) {
    D3D12_RESOURCE_DESC desc = Describe(D3D12_RESOURCE_DIMENSION_TEXTURE3D, 2, 2, 4);
    desc.Flags = D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET;
    ComPtr<ID3D12Resource> volume, upload;
    ASSERT_EQ(Make(desc, &volume), S_OK);
    ASSERT_NO_FATAL_FAILURE(Upload(volume, 1, &upload));
    ComPtr<ID3D12DescriptorHeap> sliceRtv{MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_RTV)};
    D3D12_RENDER_TARGET_VIEW_DESC rtv{};
    rtv.Format = DXGI_FORMAT_R8G8B8A8_UNORM;
    rtv.ViewDimension = D3D12_RTV_DIMENSION_TEXTURE3D;
    rtv.Texture3D = {0, 2, 1};
    device->CreateRenderTargetView(volume, &rtv, sliceRtv->GetCPUDescriptorHandleForHeapStart());
    D3D12_RESOURCE_BARRIER toTarget = Transition(volume, D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE,
                                                 D3D12_RESOURCE_STATE_RENDER_TARGET);
    list->ResourceBarrier(1, &toTarget);
    const float blue[4] = {0, 0, 1, 1};
    list->ClearRenderTargetView(sliceRtv->GetCPUDescriptorHandleForHeapStart(), blue, 0, nullptr);
    D3D12_RESOURCE_BARRIER toRead = Transition(volume, D3D12_RESOURCE_STATE_RENDER_TARGET,
                                               D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE);
    list->ResourceBarrier(1, &toRead);
    device->CreateShaderResourceView(volume, nullptr,
                                     srvHeap->GetCPUDescriptorHandleForHeapStart());
    std::vector<uint8_t> pixels = DrawWith("FromVolume");
    ASSERT_EQ(pixels.size(), kTarget * kTarget * 4);
    for (UINT x = 0; x < kTarget; ++x) {
        uint32_t expected = x / 2 == 2 ? 0xFFFF0000u : TexelAt(x % 2, 1, x / 2);
        EXPECT_EQ(PixelAt(pixels, kTarget, x, 1), expected) << "slice " << x / 2;
    }
}

TEST_F(TextureDimensionsTest, DimensionRulesAreKept) {
    ComPtr<ID3D12Resource> refused;
    EXPECT_EQ(Make(Describe(D3D12_RESOURCE_DIMENSION_TEXTURE1D, 4, 2, 1), &refused), E_INVALIDARG)
        << "a 1-D texture of height 2";
    D3D12_RESOURCE_DESC depthVolume = Describe(D3D12_RESOURCE_DIMENSION_TEXTURE3D, 4, 4, 4);
    depthVolume.Format = DXGI_FORMAT_D32_FLOAT;
    depthVolume.Flags = D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL;
    EXPECT_EQ(Make(depthVolume, &refused), E_INVALIDARG) << "a 3-D depth buffer";
    EXPECT_EQ(Make(Describe(D3D12_RESOURCE_DIMENSION_TEXTURE3D, 4, 4, 2049), &refused),
              E_INVALIDARG)
        << "deeper than 2048";
    EXPECT_EQ(refused, nullptr);

    // A 2-D view of a 3-D texture is refused and leaves the descriptor a null view.
    ComPtr<ID3D12Resource> volume;
    ASSERT_EQ(Make(Describe(D3D12_RESOURCE_DIMENSION_TEXTURE3D, 2, 2, 2), &volume), S_OK);
    D3D12_SHADER_RESOURCE_VIEW_DESC flat =
        ShaderResourceView(DXGI_FORMAT_R8G8B8A8_UNORM, D3D12_SRV_DIMENSION_TEXTURE2D);
    flat.Texture2D.MipLevels = 1;
    testing::internal::CaptureStderr();
    device->CreateShaderResourceView(volume, &flat, srvHeap->GetCPUDescriptorHandleForHeapStart());
    EXPECT_NE(testing::internal::GetCapturedStderr().find(
                  "the view dimension does not match the resource dimension"),
              std::string::npos);

    // Cubes need six square slices.
    ComPtr<ID3D12Resource> oblong;
    ASSERT_EQ(Make(Describe(D3D12_RESOURCE_DIMENSION_TEXTURE2D, 2, 1, 6), &oblong), S_OK);
    D3D12_SHADER_RESOURCE_VIEW_DESC cube = flat;
    cube.ViewDimension = D3D12_SRV_DIMENSION_TEXTURECUBE;
    cube.TextureCube = {0, 1, 0.0f};
    testing::internal::CaptureStderr();
    device->CreateShaderResourceView(oblong, &cube, srvHeap->GetCPUDescriptorHandleForHeapStart());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("a cube view needs"), std::string::npos);
}

} // namespace
