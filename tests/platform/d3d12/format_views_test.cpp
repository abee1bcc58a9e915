// DXGI formats read back through compute shaders: component order and
// swizzles of the packed, alpha-only and block-compressed formats, views of
// typeless textures in their family's formats, depth and stencil read through
// a typeless depth texture, copies between a typeless texture and its family,
// block-compressed footprints, and the views and textures Windows refuses.
#include "buffer_access_fixture.h"

#include <standin_checks.h>

#include "hlsl_file.h"
#include "texel_bytes.h"

#include <pipeline_desc.h>

#include <array>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr UINT kSide = 4; // every texture here is 4x4: one block of a BC format

// Writes texel x of row 0 of t0 to result[x]; the float and uint forms.
constexpr char kLoadShader[] = R"hlsl(
#define RS "DescriptorTable(SRV(t0)), UAV(u0)"
#ifdef AS_UINT
Texture2D<uint4> image : register(t0);
RWStructuredBuffer<uint4> result : register(u0);
#else
Texture2D<float4> image : register(t0);
RWStructuredBuffer<float4> result : register(u0);
#endif
[RootSignature(RS)]
[numthreads(4, 1, 1)]
void CSMain(uint3 id : SV_DispatchThreadID) { result[id.x] = image.Load(int3(id.x, 0, 0)); }
)hlsl";

using Texel = std::array<float, 4>;

class FormatViewsTest : public BufferAccessTest {
protected:
    void TearDown() override {
        heap.Reset();
        for (auto& pipeline : pipelines) {
            pipeline.Reset();
        }
        rootSignature.Reset();
        AcknowledgeProvokedErrors(); // the refused views and textures are made on purpose
        BufferAccessTest::TearDown();
    }

    void MakeLoadPipelines() {
        const char* variants[] = {"format_views_float.hlsl", "format_views_uint.hlsl"};
        for (int i = 0; i < 2; ++i) {
            std::string source = std::string(i == 1 ? "#define AS_UINT\n" : "") + kLoadShader;
            ComPtr<ID3DBlob> cs{CompileHlslFile(source.c_str(), variants[i], "CSMain", "cs_5_0")};
            ASSERT_TRUE(cs);
            if (i == 0) {
                rootSignature.Attach(RootSignatureOf(device, cs));
                ASSERT_TRUE(rootSignature);
            }
            pipelines[i].Attach(MakeComputePipeline(device, rootSignature, cs));
            ASSERT_TRUE(pipelines[i]);
        }
        heap.Attach(MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV, 1,
                                       D3D12_DESCRIPTOR_HEAP_FLAG_SHADER_VISIBLE));
    }

    // A 4x4 texture in `format`, or null where the device refuses it.
    ID3D12Resource* MakeSquare(DXGI_FORMAT format, D3D12_RESOURCE_FLAGS flags,
                               D3D12_RESOURCE_STATES state) {
        const D3D12_HEAP_PROPERTIES heapProperties = HeapProperties(D3D12_HEAP_TYPE_DEFAULT);
        D3D12_RESOURCE_DESC desc = TextureDescription(kSide, kSide, format, flags);
        ID3D12Resource* texture = nullptr;
        device->CreateCommittedResource(&heapProperties, D3D12_HEAP_FLAG_NONE, &desc, state,
                                        nullptr, IID_ID3D12Resource,
                                        reinterpret_cast<void**>(&texture));
        return texture;
    }

    // Fills every row (of texels, or of blocks) of `texture` with `row`,
    // repeated to the row's size; the texture ends in COPY_DEST.
    void Upload(ID3D12Resource* texture, const std::vector<uint8_t>& row) {
        D3D12_RESOURCE_DESC desc = texture->GetDesc();
        D3D12_PLACED_SUBRESOURCE_FOOTPRINT footprint{};
        UINT rows = 0;
        UINT64 rowSize = 0, total = 0;
        device->GetCopyableFootprints(&desc, 0, 1, 0, &footprint, &rows, &rowSize, &total);
        ComPtr<ID3D12Resource> upload{
            MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, total, D3D12_RESOURCE_STATE_GENERIC_READ)};
        ASSERT_NE(upload, nullptr);
        uint8_t* bytes = nullptr;
        ASSERT_EQ(upload->Map(0, nullptr, reinterpret_cast<void**>(&bytes)), S_OK);
        for (UINT r = 0; r < rows; ++r) {
            for (UINT64 at = 0; at < rowSize; at += row.size()) {
                std::memcpy(bytes + r * footprint.Footprint.RowPitch + at, row.data(), row.size());
            }
        }
        upload->Unmap(0, nullptr);
        CopyBufferToTexture(list, upload, footprint, texture);
        ExecuteAndWait();
    }

    // The four texels of row 0 of `texture` (in `state`) read through an SRV
    // in `viewFormat` and its plane slice; `asUint` reads them as uint4.
    std::vector<uint8_t> LoadRow(ID3D12Resource* texture, DXGI_FORMAT viewFormat,
                                 D3D12_RESOURCE_STATES state, bool asUint = false,
                                 UINT planeSlice = 0) {
        ComPtr<ID3D12Resource> result{MakeUnorderedAccessBuffer(kSide * 16)};
        D3D12_SHADER_RESOURCE_VIEW_DESC srv =
            ShaderResourceView(viewFormat, D3D12_SRV_DIMENSION_TEXTURE2D);
        srv.Texture2D.MipLevels = 1;
        srv.Texture2D.PlaneSlice = planeSlice;
        device->CreateShaderResourceView(texture, &srv, heap->GetCPUDescriptorHandleForHeapStart());
        D3D12_RESOURCE_BARRIER toRead =
            Transition(texture, state, D3D12_RESOURCE_STATE_NON_PIXEL_SHADER_RESOURCE);
        D3D12_RESOURCE_BARRIER back =
            Transition(texture, D3D12_RESOURCE_STATE_NON_PIXEL_SHADER_RESOURCE, state);
        ID3D12DescriptorHeap* heaps[] = {heap};
        list->ResourceBarrier(1, &toRead);
        list->SetDescriptorHeaps(1, heaps);
        list->SetComputeRootSignature(rootSignature);
        list->SetPipelineState(pipelines[asUint ? 1 : 0]);
        list->SetComputeRootDescriptorTable(0, heap->GetGPUDescriptorHandleForHeapStart());
        list->SetComputeRootUnorderedAccessView(1, result->GetGPUVirtualAddress());
        list->Dispatch(1, 1, 1);
        list->ResourceBarrier(1, &back);
        return ReadBuffer(result, kSide * 16, D3D12_RESOURCE_STATE_COMMON);
    }

    ComPtr<ID3D12RootSignature> rootSignature;
    ComPtr<ID3D12PipelineState> pipelines[2];
    ComPtr<ID3D12DescriptorHeap> heap;
};

bool CloseTo(const std::vector<uint8_t>& bytes, size_t texel, const Texel& expected) {
    for (size_t c = 0; c < 4; ++c) {
        if (std::fabs(FloatAt(bytes, texel * 4 + c) - expected[c]) > 0.002f) {
            return false;
        }
    }
    return true;
}

std::string Show(const std::vector<uint8_t>& bytes, size_t texel) {
    std::string text;
    for (size_t c = 0; c < 4; ++c) {
        text += std::to_string(FloatAt(bytes, texel * 4 + c)) + " ";
    }
    return text;
}

struct ReadCase {
    DXGI_FORMAT resource, view;
    std::vector<uint8_t> row; // repeated over each row (of texels or of blocks)
    Texel expected;
};

} // namespace

// Each format reads its components as Direct3D defines them: BGR order,
// alpha 1 where the format has none, (0, 0, 0, a) for A8, (r, 0, 0, 1) for
// one component, shared exponents, and the first block of BC1 and BC4.
// Typeless textures are read through a view of their family. A format the
// device cannot sample is refused as a texture, as CheckFeatureSupport says.
TEST_F(FormatViewsTest, FormatsReadTheirComponentsAsDirect3DDefinesThem) {
    ASSERT_NO_FATAL_FAILURE(MakeLoadPipelines());
    const float half8 = 128.0f / 255.0f;
    const ReadCase cases[] = {
        {DXGI_FORMAT_B8G8R8X8_UNORM,
         DXGI_FORMAT_B8G8R8X8_UNORM,
         {0x00, 0x80, 0xFF, 0x10},
         {1, half8, 0, 1}},
        {DXGI_FORMAT_B8G8R8A8_TYPELESS,
         DXGI_FORMAT_B8G8R8A8_UNORM,
         {0x00, 0x80, 0xFF, 0x80},
         {1, half8, 0, half8}},
        {DXGI_FORMAT_A8_UNORM, DXGI_FORMAT_A8_UNORM, {0x80}, {0, 0, 0, half8}},
        {DXGI_FORMAT_R8_UNORM, DXGI_FORMAT_R8_UNORM, {0xFF}, {1, 0, 0, 1}},
        {DXGI_FORMAT_R8G8_SNORM, DXGI_FORMAT_R8G8_SNORM, {0x7F, 0x81}, {1, -1, 0, 1}},
        // SNORM's lowest integer is -1 as well as the second-lowest.
        {DXGI_FORMAT_R8G8B8A8_SNORM,
         DXGI_FORMAT_R8G8B8A8_SNORM,
         {0x80, 0x81, 0x7F, 0x00},
         {-1, -1, 1, 0}},
        {DXGI_FORMAT_R16G16_SNORM,
         DXGI_FORMAT_R16G16_SNORM,
         Bytes16({0x8000, 0x8001}),
         {-1, -1, 0, 1}},
        {DXGI_FORMAT_R8G8B8A8_TYPELESS,
         DXGI_FORMAT_R8G8B8A8_UNORM_SRGB,
         {0xFF, 0x00, 0x80, 0x80},
         {1, 0, 0.2158605f, half8}},
        {DXGI_FORMAT_R16G16B16A16_TYPELESS,
         DXGI_FORMAT_R16G16B16A16_SNORM,
         Bytes16({0x7FFF, 0, 0x8001, 0x4000}),
         {1, 0, -1, 16384.0f / 32767.0f}},
        {DXGI_FORMAT_R16G16_SNORM,
         DXGI_FORMAT_R16G16_SNORM,
         Bytes16({0x8001, 0x7FFF}),
         {-1, 1, 0, 1}},
        {DXGI_FORMAT_R32_TYPELESS, DXGI_FORMAT_R32_FLOAT, Bytes32(0x40200000), {2.5f, 0, 0, 1}},
        // Blue in the lowest bits: 0xF80F is red 31, green 0, blue 15.
        {DXGI_FORMAT_B5G6R5_UNORM,
         DXGI_FORMAT_B5G6R5_UNORM,
         Bytes16({0xF80F}),
         {1, 0, 15.0f / 31.0f, 1}},
        // Red 31, green 0, blue 31, alpha (bit 15) 0.
        {DXGI_FORMAT_B5G5R5A1_UNORM, DXGI_FORMAT_B5G5R5A1_UNORM, Bytes16({0x7C1F}), {1, 0, 1, 0}},
        // Alpha 1 in bits 12-15, red 15 in bits 8-11.
        {DXGI_FORMAT_B4G4R4A4_UNORM,
         DXGI_FORMAT_B4G4R4A4_UNORM,
         Bytes16({0x1F00}),
         {1, 0, 0, 1.0f / 15.0f}},
        // Mantissas 256, 0 and 128 with exponent 16: 1, 0, 0.5.
        {DXGI_FORMAT_R9G9B9E5_SHAREDEXP,
         DXGI_FORMAT_R9G9B9E5_SHAREDEXP,
         Bytes32(256u | 128u << 18 | 16u << 27),
         {1, 0, 0.5f, 1}},
        // One block: colour 0 red, colour 1 blue, every index 0.
        {DXGI_FORMAT_BC1_TYPELESS,
         DXGI_FORMAT_BC1_UNORM,
         {0x00, 0xF8, 0x1F, 0x00, 0, 0, 0, 0},
         {1, 0, 0, 1}},
        {DXGI_FORMAT_BC4_UNORM,
         DXGI_FORMAT_BC4_UNORM,
         {0xFF, 0x00, 0, 0, 0, 0, 0, 0},
         {1, 0, 0, 1}},
    };
    for (const ReadCase& read : cases) {
        SCOPED_TRACE(std::to_string(read.resource) + " viewed as " + std::to_string(read.view));
        D3D12_FEATURE_DATA_FORMAT_SUPPORT support{read.view, D3D12_FORMAT_SUPPORT1_NONE,
                                                  D3D12_FORMAT_SUPPORT2_NONE};
        ASSERT_EQ(
            device->CheckFeatureSupport(D3D12_FEATURE_FORMAT_SUPPORT, &support, sizeof(support)),
            S_OK);
        ComPtr<ID3D12Resource> texture{
            MakeSquare(read.resource, D3D12_RESOURCE_FLAG_NONE, D3D12_RESOURCE_STATE_COPY_DEST)};
        if ((support.Support1 & D3D12_FORMAT_SUPPORT1_SHADER_LOAD) == 0) {
            continue; // the device lacks it: nothing to read
        }
        ASSERT_NE(texture, nullptr);
        ASSERT_NO_FATAL_FAILURE(Upload(texture, read.row));
        std::vector<uint8_t> texels = LoadRow(texture, read.view, D3D12_RESOURCE_STATE_COPY_DEST);
        for (size_t x = 0; x < kSide; ++x) {
            EXPECT_TRUE(CloseTo(texels, x, read.expected))
                << "texel " << x << ": " << Show(texels, x);
        }
    }
}

namespace {

struct DepthCase {
    DXGI_FORMAT resource, depthView, depthRead, stencilRead;
};

} // namespace

// A typeless texture made for depth is cleared through its depth view and
// read as a texture: depth through R32_FLOAT or R24_UNORM_X8_TYPELESS, and
// stencil (plane 1) in green through X24_TYPELESS_G8_UINT.
TEST_F(FormatViewsTest, TypelessDepthTexturesReadTheirDepthAndStencil) {
    ASSERT_NO_FATAL_FAILURE(MakeLoadPipelines());
    const DepthCase cases[] = {
        {DXGI_FORMAT_R32_TYPELESS, DXGI_FORMAT_D32_FLOAT, DXGI_FORMAT_R32_FLOAT,
         DXGI_FORMAT_UNKNOWN},
        {DXGI_FORMAT_R16_TYPELESS, DXGI_FORMAT_D16_UNORM, DXGI_FORMAT_R16_UNORM,
         DXGI_FORMAT_UNKNOWN},
        {DXGI_FORMAT_R24G8_TYPELESS, DXGI_FORMAT_D24_UNORM_S8_UINT,
         DXGI_FORMAT_R24_UNORM_X8_TYPELESS, DXGI_FORMAT_X24_TYPELESS_G8_UINT},
        {DXGI_FORMAT_R32G8X24_TYPELESS, DXGI_FORMAT_D32_FLOAT_S8X24_UINT,
         DXGI_FORMAT_R32_FLOAT_X8X24_TYPELESS, DXGI_FORMAT_X32_TYPELESS_G8X24_UINT},
    };
    ComPtr<ID3D12DescriptorHeap> dsvHeap{MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_DSV)};
    for (const DepthCase& depth : cases) {
        SCOPED_TRACE(std::to_string(depth.resource));
        D3D12_FEATURE_DATA_FORMAT_SUPPORT support{depth.depthView, D3D12_FORMAT_SUPPORT1_NONE,
                                                  D3D12_FORMAT_SUPPORT2_NONE};
        device->CheckFeatureSupport(D3D12_FEATURE_FORMAT_SUPPORT, &support, sizeof(support));
        ComPtr<ID3D12Resource> texture{MakeSquare(depth.resource,
                                                  D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL,
                                                  D3D12_RESOURCE_STATE_DEPTH_WRITE)};
        if ((support.Support1 & D3D12_FORMAT_SUPPORT1_DEPTH_STENCIL) == 0) {
            continue; // the device has no such depth format
        }
        ASSERT_NE(texture, nullptr);
        D3D12_DEPTH_STENCIL_VIEW_DESC dsv{};
        dsv.Format = depth.depthView;
        dsv.ViewDimension = D3D12_DSV_DIMENSION_TEXTURE2D;
        device->CreateDepthStencilView(texture, &dsv,
                                       dsvHeap->GetCPUDescriptorHandleForHeapStart());
        list->ClearDepthStencilView(dsvHeap->GetCPUDescriptorHandleForHeapStart(),
                                    D3D12_CLEAR_FLAG_DEPTH | D3D12_CLEAR_FLAG_STENCIL, 0.25f, 7, 0,
                                    nullptr);
        ExecuteAndWait();
        std::vector<uint8_t> depths =
            LoadRow(texture, depth.depthRead, D3D12_RESOURCE_STATE_DEPTH_WRITE);
        EXPECT_NEAR(FloatAt(depths, 0), 0.25f, 1e-4f);
        if (depth.stencilRead != DXGI_FORMAT_UNKNOWN) {
            std::vector<uint8_t> stencils =
                LoadRow(texture, depth.stencilRead, D3D12_RESOURCE_STATE_DEPTH_WRITE, true, 1);
            EXPECT_EQ(WordAt(stencils, 1), 7u) << "stencil reads in green";
        }
    }
}

// CopyTextureRegion between a typeless texture and one in a format of its
// family copies the bits; a texture of another family is refused.
TEST_F(FormatViewsTest, CopiesRunBetweenATypelessTextureAndItsFamily) {
    ComPtr<ID3D12Resource> typeless{MakeSquare(
        DXGI_FORMAT_R8G8B8A8_TYPELESS, D3D12_RESOURCE_FLAG_NONE, D3D12_RESOURCE_STATE_COPY_DEST)};
    ComPtr<ID3D12Resource> typed{MakeSquare(DXGI_FORMAT_R8G8B8A8_UNORM, D3D12_RESOURCE_FLAG_NONE,
                                            D3D12_RESOURCE_STATE_COPY_DEST)};
    ASSERT_TRUE(typeless && typed);
    ASSERT_NO_FATAL_FAILURE(Upload(typeless, {0x11, 0x22, 0x33, 0x44}));
    D3D12_RESOURCE_BARRIER toSource =
        Transition(typeless, D3D12_RESOURCE_STATE_COPY_DEST, D3D12_RESOURCE_STATE_COPY_SOURCE);
    list->ResourceBarrier(1, &toSource);
    D3D12_TEXTURE_COPY_LOCATION to = SubresourceLocation(typed, 0);
    D3D12_TEXTURE_COPY_LOCATION from = SubresourceLocation(typeless, 0);
    list->CopyTextureRegion(&to, 0, 0, 0, &from, nullptr);
    ExecuteAndWait();
    std::vector<uint8_t> pixels = ReadBack(typed, D3D12_RESOURCE_STATE_COPY_DEST);
    ASSERT_EQ(pixels.size(), size_t(kSide * kSide * 4));
    EXPECT_EQ(PixelAt(pixels, kSide, 3, 3), 0x44332211u);
}

// GetCopyableFootprints lays block-compressed mips out in rows of 4x4 blocks:
// a mip narrower than a block still takes one.
TEST_F(FormatViewsTest, BlockCompressedFootprintsCountWholeBlocks) {
    D3D12_RESOURCE_DESC desc =
        TextureDescription(8, 8, DXGI_FORMAT_BC1_UNORM, D3D12_RESOURCE_FLAG_NONE);
    desc.MipLevels = 3; // 8x8, 4x4, 2x2
    D3D12_PLACED_SUBRESOURCE_FOOTPRINT layouts[3]{};
    UINT rows[3]{};
    UINT64 rowSizes[3]{}, total = 0;
    device->GetCopyableFootprints(&desc, 0, 3, 0, layouts, rows, rowSizes, &total);
    const UINT expectedRows[] = {2, 1, 1};
    const UINT64 expectedRowSizes[] = {16, 8, 8};
    const UINT expectedWidths[] = {8, 4, 4};
    for (int mip = 0; mip < 3; ++mip) {
        EXPECT_EQ(rows[mip], expectedRows[mip]) << mip;
        EXPECT_EQ(rowSizes[mip], expectedRowSizes[mip]) << mip;
        EXPECT_EQ(layouts[mip].Footprint.Width, expectedWidths[mip]) << mip;
        EXPECT_EQ(layouts[mip].Footprint.Height, expectedWidths[mip]) << mip;
        EXPECT_EQ(layouts[mip].Footprint.RowPitch, 256u) << mip;
        EXPECT_EQ(layouts[mip].Offset % D3D12_TEXTURE_DATA_PLACEMENT_ALIGNMENT, 0u) << mip;
    }
    EXPECT_EQ(total, layouts[2].Offset + 8);
}

namespace {

struct RefusedView {
    DXGI_FORMAT resource;
    D3D12_RESOURCE_FLAGS flags;
    DXGI_FORMAT view; // UNKNOWN: a null description
};

struct RefusedTexture {
    DXGI_FORMAT format;
    D3D12_RESOURCE_FLAGS flags;
};

} // namespace

// Views whose format the resource's does not cast to: another member of the
// family of a typed texture, a format of another family, a typeless view or a
// typeless texture without a format, a depth format as a shader resource.
// Textures whose format cannot take a flag: E_INVALIDARG.
TEST_F(FormatViewsTest, FormatsOutsideTheFamilyOrUseAreRefused) {
    const RefusedView views[] = {
        {DXGI_FORMAT_R8G8B8A8_UNORM, D3D12_RESOURCE_FLAG_NONE, DXGI_FORMAT_R8G8B8A8_UNORM_SRGB},
        {DXGI_FORMAT_R8G8B8A8_TYPELESS, D3D12_RESOURCE_FLAG_NONE, DXGI_FORMAT_R16G16_FLOAT},
        {DXGI_FORMAT_R8G8B8A8_TYPELESS, D3D12_RESOURCE_FLAG_NONE, DXGI_FORMAT_UNKNOWN},
        {DXGI_FORMAT_D32_FLOAT, D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL, DXGI_FORMAT_R32_FLOAT},
        {DXGI_FORMAT_D32_FLOAT, D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL, DXGI_FORMAT_UNKNOWN},
        {DXGI_FORMAT_R24G8_TYPELESS, D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL,
         DXGI_FORMAT_R32_FLOAT},
    };
    ComPtr<ID3D12DescriptorHeap> srvHeap{
        MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV)};
    for (const RefusedView& refused : views) {
        SCOPED_TRACE(std::to_string(refused.resource) + " viewed as " +
                     std::to_string(refused.view));
        D3D12_RESOURCE_STATES state = (refused.flags & D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL)
                                          ? D3D12_RESOURCE_STATE_DEPTH_WRITE
                                          : D3D12_RESOURCE_STATE_COMMON;
        ComPtr<ID3D12Resource> texture{MakeSquare(refused.resource, refused.flags, state)};
        ASSERT_NE(texture, nullptr);
        TakeDebugMessages(device);
        D3D12_SHADER_RESOURCE_VIEW_DESC srv =
            ShaderResourceView(refused.view, D3D12_SRV_DIMENSION_TEXTURE2D);
        srv.Texture2D.MipLevels = 1;
        device->CreateShaderResourceView(texture,
                                         refused.view == DXGI_FORMAT_UNKNOWN ? nullptr : &srv,
                                         srvHeap->GetCPUDescriptorHandleForHeapStart());
        EXPECT_EQ(CountMessages(TakeDebugMessages(device),
                                D3D12_MESSAGE_ID_CREATESHADERRESOURCEVIEW_INVALIDFORMAT),
                  1u);
    }

    const RefusedTexture textures[] = {
        {DXGI_FORMAT_BC1_UNORM, D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET},
        {DXGI_FORMAT_R8G8B8A8_UNORM_SRGB, D3D12_RESOURCE_FLAG_ALLOW_UNORDERED_ACCESS},
        {DXGI_FORMAT_R8G8B8A8_UNORM, D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL},
        {DXGI_FORMAT_R8G8B8A8_TYPELESS, D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL},
        {DXGI_FORMAT_D32_FLOAT, D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET},
        {DXGI_FORMAT_R9G9B9E5_SHAREDEXP, D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET},
    };
    for (const RefusedTexture& refused : textures) {
        SCOPED_TRACE(std::to_string(refused.format));
        ComPtr<ID3D12Resource> texture{
            MakeSquare(refused.format, refused.flags, D3D12_RESOURCE_STATE_COMMON)};
        EXPECT_EQ(texture, nullptr);
    }
}

// What CheckFeatureSupport says a format can never do at feature level 11_0
// (Format Support for Direct3D Feature Level 11.0 Hardware), whatever the
// device: typeless formats are only textures, block-compressed ones are not
// targets, sRGB ones not typed unordered access, integers not filtered.
TEST_F(FormatViewsTest, FormatSupportLeavesOutWhatTheFormatCannotDo) {
    struct Forbidden {
        DXGI_FORMAT format;
        UINT support1;
    };
    const Forbidden forbidden[] = {
        {DXGI_FORMAT_R8G8B8A8_TYPELESS,
         D3D12_FORMAT_SUPPORT1_RENDER_TARGET | D3D12_FORMAT_SUPPORT1_SHADER_SAMPLE},
        {DXGI_FORMAT_BC1_UNORM,
         D3D12_FORMAT_SUPPORT1_RENDER_TARGET | D3D12_FORMAT_SUPPORT1_IA_VERTEX_BUFFER},
        {DXGI_FORMAT_BC7_UNORM_SRGB, D3D12_FORMAT_SUPPORT1_TYPED_UNORDERED_ACCESS_VIEW},
        {DXGI_FORMAT_R8G8B8A8_UNORM_SRGB, D3D12_FORMAT_SUPPORT1_TYPED_UNORDERED_ACCESS_VIEW},
        {DXGI_FORMAT_R16G16_SINT, D3D12_FORMAT_SUPPORT1_SHADER_SAMPLE},
        {DXGI_FORMAT_D24_UNORM_S8_UINT, D3D12_FORMAT_SUPPORT1_SHADER_LOAD},
        {DXGI_FORMAT_R9G9B9E5_SHAREDEXP, D3D12_FORMAT_SUPPORT1_RENDER_TARGET},
        {DXGI_FORMAT_R32G32B32_FLOAT, D3D12_FORMAT_SUPPORT1_TYPED_UNORDERED_ACCESS_VIEW},
    };
    for (const Forbidden& entry : forbidden) {
        D3D12_FEATURE_DATA_FORMAT_SUPPORT support{entry.format, D3D12_FORMAT_SUPPORT1_NONE,
                                                  D3D12_FORMAT_SUPPORT2_NONE};
        ASSERT_EQ(
            device->CheckFeatureSupport(D3D12_FEATURE_FORMAT_SUPPORT, &support, sizeof(support)),
            S_OK)
            << entry.format;
        EXPECT_EQ(support.Support1 & entry.support1, 0u) << entry.format;
    }
}

namespace {

struct ClearCase {
    DXGI_FORMAT resource, target;
    float color[4];
    std::vector<uint8_t> stored; // the first texel's bytes
};

} // namespace

// A render-target view in a format of a typeless texture's family writes in
// that format (sRGB encodes); the packed BGR formats store their components
// from the lowest bits up. Formats the device cannot render to are skipped as
// CheckFeatureSupport says.
TEST_F(FormatViewsTest, RenderTargetsStoreInTheirViewFormat) {
    const ClearCase cases[] = {
        {DXGI_FORMAT_R8G8B8A8_TYPELESS,
         DXGI_FORMAT_R8G8B8A8_UNORM_SRGB,
         {0.5f, 1, 0, 1},
         {0xBC, 0xFF, 0x00, 0xFF}},
        {DXGI_FORMAT_R8G8B8A8_TYPELESS,
         DXGI_FORMAT_R8G8B8A8_SNORM,
         {-1, 1, 0, 1},
         {0x81, 0x7F, 0x00, 0x7F}},
        {DXGI_FORMAT_B8G8R8A8_TYPELESS,
         DXGI_FORMAT_B8G8R8A8_UNORM,
         {1, 0, 0, 1},
         {0x00, 0x00, 0xFF, 0xFF}},
        {DXGI_FORMAT_B5G6R5_UNORM, DXGI_FORMAT_B5G6R5_UNORM, {1, 0, 0, 1}, Bytes16({0xF800})},
        {DXGI_FORMAT_B5G5R5A1_UNORM, DXGI_FORMAT_B5G5R5A1_UNORM, {0, 0, 1, 1}, Bytes16({0x801F})},
        {DXGI_FORMAT_R16G16_TYPELESS,
         DXGI_FORMAT_R16G16_SINT,
         {-2, 3, 0, 0},
         Bytes16({0xFFFE, 0x0003})},
    };
    ComPtr<ID3D12DescriptorHeap> rtvHeap{MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_RTV)};
    for (const ClearCase& clear : cases) {
        SCOPED_TRACE(std::to_string(clear.resource) + " as " + std::to_string(clear.target));
        D3D12_FEATURE_DATA_FORMAT_SUPPORT support{clear.target, D3D12_FORMAT_SUPPORT1_NONE,
                                                  D3D12_FORMAT_SUPPORT2_NONE};
        device->CheckFeatureSupport(D3D12_FEATURE_FORMAT_SUPPORT, &support, sizeof(support));
        if ((support.Support1 & D3D12_FORMAT_SUPPORT1_RENDER_TARGET) == 0) {
            continue; // the device cannot render to it
        }
        ComPtr<ID3D12Resource> target{MakeSquare(clear.resource,
                                                 D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET,
                                                 D3D12_RESOURCE_STATE_RENDER_TARGET)};
        ASSERT_NE(target, nullptr);
        D3D12_RENDER_TARGET_VIEW_DESC rtv{};
        rtv.Format = clear.target;
        rtv.ViewDimension = D3D12_RTV_DIMENSION_TEXTURE2D;
        device->CreateRenderTargetView(target, &rtv, rtvHeap->GetCPUDescriptorHandleForHeapStart());
        list->ClearRenderTargetView(rtvHeap->GetCPUDescriptorHandleForHeapStart(), clear.color, 0,
                                    nullptr);
        std::vector<uint8_t> pixels = ReadBack(target, D3D12_RESOURCE_STATE_RENDER_TARGET);
        ASSERT_GE(pixels.size(), clear.stored.size());
        EXPECT_EQ(std::vector<uint8_t>(pixels.begin(), pixels.begin() + clear.stored.size()),
                  clear.stored);
    }
}
