// CheckFeatureSupport: the answers agree with what the device then does, and
// malformed questions are refused as Windows refuses them.
#include "gpu_fixture.h"

#include <platform_testing.h>

#include <d3dx12.h>
#include <stdout_capture.h>

namespace {

class FeatureSupportTest : public GpuTest {
protected:
    D3D12_FEATURE_DATA_FORMAT_SUPPORT FormatSupport(DXGI_FORMAT format, HRESULT* result) {
        D3D12_FEATURE_DATA_FORMAT_SUPPORT support{format, {}, {}};
        *result =
            device->CheckFeatureSupport(D3D12_FEATURE_FORMAT_SUPPORT, &support, sizeof(support));
        return support;
    }
    HRESULT MakeTexture2D(DXGI_FORMAT format, D3D12_RESOURCE_FLAGS flags) {
        const CD3DX12_HEAP_PROPERTIES heap(D3D12_HEAP_TYPE_DEFAULT);
        const CD3DX12_RESOURCE_DESC desc =
            CD3DX12_RESOURCE_DESC::Tex2D(format, 8, 8, 1, 1, 1, 0, flags);
        ComPtr<ID3D12Resource> texture;
        return device->CreateCommittedResource(&heap, D3D12_HEAP_FLAG_NONE, &desc,
                                               D3D12_RESOURCE_STATE_COMMON, nullptr,
                                               IID_ID3D12Resource, texture.PutVoid());
    }
};

} // namespace

TEST_F(FeatureSupportTest, FeatureLevelsAnswerTheHighestRequestedLevelADeviceCanBeMadeAt) {
    const D3D_FEATURE_LEVEL requested[] = {D3D_FEATURE_LEVEL_11_0, D3D_FEATURE_LEVEL_12_2,
                                           D3D_FEATURE_LEVEL_12_1, D3D_FEATURE_LEVEL_11_1};
    D3D12_FEATURE_DATA_FEATURE_LEVELS levels{4, requested, {}};
    ASSERT_EQ(device->CheckFeatureSupport(D3D12_FEATURE_FEATURE_LEVELS, &levels, sizeof(levels)),
              S_OK);
    EXPECT_EQ(levels.MaxSupportedFeatureLevel, D3D_FEATURE_LEVEL_12_1);
    EXPECT_EQ(
        D3D12CreateDevice(nullptr, levels.MaxSupportedFeatureLevel, IID_ID3D12Device, nullptr),
        S_FALSE);

    const D3D_FEATURE_LEVEL tooHigh[] = {D3D_FEATURE_LEVEL_12_2};
    D3D12_FEATURE_DATA_FEATURE_LEVELS none{1, tooHigh, D3D_FEATURE_LEVEL_11_0};
    ASSERT_EQ(device->CheckFeatureSupport(D3D12_FEATURE_FEATURE_LEVELS, &none, sizeof(none)), S_OK);
    EXPECT_EQ(none.MaxSupportedFeatureLevel, D3D_FEATURE_LEVEL(0));

    D3D12_FEATURE_DATA_FEATURE_LEVELS empty{0, requested, {}};
    EXPECT_EQ(device->CheckFeatureSupport(D3D12_FEATURE_FEATURE_LEVELS, &empty, sizeof(empty)),
              E_INVALIDARG);
}

TEST_F(FeatureSupportTest, DataOfAnotherSizeIsRefusedAndReported) {
    D3D12_FEATURE_DATA_D3D12_OPTIONS options{};
    EXPECT_EQ(
        device->CheckFeatureSupport(D3D12_FEATURE_D3D12_OPTIONS, &options, sizeof(options) - 4),
        E_INVALIDARG);
    EXPECT_EQ(device->CheckFeatureSupport(D3D12_FEATURE_D3D12_OPTIONS, nullptr, sizeof(options)),
              E_INVALIDARG);
    EXPECT_EQ(CountMessages(TakeDebugMessages(device),
                            D3D12_MESSAGE_ID_DEVICE_CHECKFEATURESUPPORT_MISMATCHED_DATA_SIZE),
              2u);
    platform_testing::AcknowledgeD3D12Errors();
}

// Every format said to be a render target or depth format makes one; every
// format the device does not know is refused as a texture as well.
TEST_F(FeatureSupportTest, FormatSupportAgreesWithTheTexturesTheDeviceMakes) {
    int targets = 0, depths = 0, unknown = 0;
    StderrCapture refusals; // each unknown format's texture is refused aloud
    for (UINT value = 1; value <= UINT(DXGI_FORMAT_B4G4R4A4_UNORM); ++value) {
        const DXGI_FORMAT format = DXGI_FORMAT(value);
        HRESULT result = S_OK;
        const D3D12_FEATURE_DATA_FORMAT_SUPPORT support = FormatSupport(format, &result);
        if (result == E_FAIL) {
            ++unknown;
            EXPECT_EQ(support.Support1, D3D12_FORMAT_SUPPORT1_NONE) << value;
            EXPECT_LT(MakeTexture2D(format, D3D12_RESOURCE_FLAG_NONE), 0) << value;
            continue;
        }
        ASSERT_EQ(result, S_OK) << value;
        if ((support.Support1 & D3D12_FORMAT_SUPPORT1_RENDER_TARGET) != 0) {
            ++targets;
            EXPECT_EQ(MakeTexture2D(format, D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET), S_OK)
                << value;
        }
        if ((support.Support1 & D3D12_FORMAT_SUPPORT1_DEPTH_STENCIL) != 0) {
            ++depths;
            EXPECT_EQ(MakeTexture2D(format, D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL), S_OK)
                << value;
        }
    }
    EXPECT_GT(targets, 10);
    EXPECT_GE(depths, 2);
    EXPECT_GT(unknown, 0);

    HRESULT result = S_OK;
    const UINT rgba = FormatSupport(DXGI_FORMAT_R8G8B8A8_UNORM, &result).Support1;
    const UINT needed = D3D12_FORMAT_SUPPORT1_TEXTURE2D | D3D12_FORMAT_SUPPORT1_RENDER_TARGET |
                        D3D12_FORMAT_SUPPORT1_SHADER_SAMPLE | D3D12_FORMAT_SUPPORT1_BLENDABLE;
    EXPECT_EQ(rgba & needed, needed);
    EXPECT_NE(FormatSupport(DXGI_FORMAT_R16_UINT, &result).Support1 &
                  D3D12_FORMAT_SUPPORT1_IA_INDEX_BUFFER,
              0u);
    EXPECT_EQ(FormatSupport(DXGI_FORMAT_D32_FLOAT, &result).Support1 &
                  D3D12_FORMAT_SUPPORT1_RENDER_TARGET,
              0u);
}

// What the stand-in does not do is answered as missing: depth bounds, tiled
// resources, shader models past 5.1. Sample counts are the device's: every
// Vulkan device renders with 1 and 4, none with 3.
TEST_F(FeatureSupportTest, OptionalFeaturesAreAnsweredAsTheDeviceHasThem) {
    for (auto [count, levels] : {std::pair<UINT, UINT>{4, 1}, {3, 0}, {1, 1}}) {
        D3D12_FEATURE_DATA_MULTISAMPLE_QUALITY_LEVELS quality{
            DXGI_FORMAT_R8G8B8A8_UNORM, count, {}, 9};
        ASSERT_EQ(device->CheckFeatureSupport(D3D12_FEATURE_MULTISAMPLE_QUALITY_LEVELS, &quality,
                                              sizeof(quality)),
                  S_OK);
        EXPECT_EQ(quality.NumQualityLevels, levels) << count << " samples";
    }

    D3D12_FEATURE_DATA_D3D12_OPTIONS options{};
    ASSERT_EQ(device->CheckFeatureSupport(D3D12_FEATURE_D3D12_OPTIONS, &options, sizeof(options)),
              S_OK);
    EXPECT_EQ(options.TiledResourcesTier, D3D12_TILED_RESOURCES_TIER_NOT_SUPPORTED);
    EXPECT_GE(options.ResourceBindingTier, D3D12_RESOURCE_BINDING_TIER_1);
    D3D12_FEATURE_DATA_FORMAT_SUPPORT rgba{DXGI_FORMAT_R8G8B8A8_UNORM, D3D12_FORMAT_SUPPORT1_NONE,
                                           D3D12_FORMAT_SUPPORT2_NONE};
    ASSERT_EQ(device->CheckFeatureSupport(D3D12_FEATURE_FORMAT_SUPPORT, &rgba, sizeof(rgba)), S_OK);
    EXPECT_EQ(bool(options.TypedUAVLoadAdditionalFormats),
              (rgba.Support2 & D3D12_FORMAT_SUPPORT2_UAV_TYPED_LOAD) != 0)
        << "typed loads of RGBA8 views come with typed loads of every format";
    EXPECT_TRUE(options.DoublePrecisionFloatShaderOps)
        << "the devices the tests run on compute the doubles shader model 5.0 has";
    D3D12_FEATURE_DATA_D3D12_OPTIONS2 options2{TRUE, {}};
    ASSERT_EQ(
        device->CheckFeatureSupport(D3D12_FEATURE_D3D12_OPTIONS2, &options2, sizeof(options2)),
        S_OK);
    EXPECT_FALSE(options2.DepthBoundsTestSupported);

    D3D12_FEATURE_DATA_SHADER_MODEL model{D3D_SHADER_MODEL_6_0};
    ASSERT_EQ(device->CheckFeatureSupport(D3D12_FEATURE_SHADER_MODEL, &model, sizeof(model)), S_OK);
    EXPECT_EQ(model.HighestShaderModel, D3D_SHADER_MODEL_5_1);
    D3D12_FEATURE_DATA_ROOT_SIGNATURE root{D3D_ROOT_SIGNATURE_VERSION_1_1};
    ASSERT_EQ(device->CheckFeatureSupport(D3D12_FEATURE_ROOT_SIGNATURE, &root, sizeof(root)), S_OK);
    EXPECT_EQ(root.HighestVersion, D3D_ROOT_SIGNATURE_VERSION_1_1);
    D3D12_FEATURE_DATA_FORMAT_INFO info{DXGI_FORMAT_D24_UNORM_S8_UINT, 0};
    ASSERT_EQ(device->CheckFeatureSupport(D3D12_FEATURE_FORMAT_INFO, &info, sizeof(info)), S_OK);
    EXPECT_EQ(info.PlaneCount, 2);
}
