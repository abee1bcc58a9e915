// Shader compilation, the fixed pipeline description and pipeline creation.
#include "dx12_test_support.h"

#include <dx12/helpers.h>
#include <dx12/shader.h>

#include <platform_testing.h>
#include <vertex_input_hlsl.h>

#include <cstring>

namespace {

using ShaderTest = DeviceTest;

const std::string kBanner(47, '=');
const std::string kOpening = "\n" + kBanner + "\nCOMPILE ERROR\n";
const std::string kClosing = "\n" + kBanner + "\n\n";

const std::string kWithoutRootSignature = kVertexInputHlsl + std::string(R"(
float4 VSMain(VertexInput input) : SV_Position { return float4(input.position, 1.0); }
float4 PSMain() : SV_Target { return float4(1, 0, 0, 1); }
)");

std::string NormalShaderPath() {
    return std::string(BRENNWICK_SOURCE_DIR) + "/shaders/normal.hlsl";
}

TEST_F(ShaderTest, FileWithoutRootSignatureGetsNoPipelineAndPrintsNothing) {
    const std::string path = WriteTempFile("no_root_signature.hlsl", kWithoutRootSignature);
    StdoutCapture capture;
    Dx12::Resource* shader = new Dx12::Shader(device, path.c_str(), false, 1);
    EXPECT_EQ(capture.Take(), "");
    auto* compiled = static_cast<Dx12::Shader*>(shader);
    EXPECT_FALSE(compiled->vsCode.empty());
    EXPECT_FALSE(compiled->psCode.empty());
    EXPECT_EQ(shader->rootSignature, nullptr);
    EXPECT_EQ(shader->pipelineState, nullptr);
    delete shader;
}

TEST_F(ShaderTest, NormalShaderBuildsWithItsLinesInOrder) {
    const std::string path = NormalShaderPath();
    StdoutCapture capture;
    Dx12::Shader shader(device, path.c_str(), false, 1);
    EXPECT_EQ(capture.Take(), "Warning: BlendEnable=FALSE\nOK! : CreateGraphicsPipelineState\n"
                              "Dx12::Shader::Shader : OK filename=" +
                                  path + "\n");
    EXPECT_NE(shader.rootSignature, nullptr);
    EXPECT_NE(shader.pipelineState, nullptr);
    EXPECT_EQ(shader.resource, nullptr);
    EXPECT_EQ(shader.heap, nullptr);
}

TEST_F(ShaderTest, CompileErrorsPrintTheCompilerTextBetweenBanners) {
    const std::string path = WriteTempFile("broken.hlsl", "float4 VSMain( : SV_Position {\n");
    StdoutCapture capture;
    Dx12::Shader shader(device, path.c_str(), false, 1);
    const std::string printed = capture.Take();
    // Both entry points fail, each with its own banner pair; nothing follows.
    EXPECT_EQ(CountOccurrences(printed, kOpening), 2u) << printed;
    EXPECT_EQ(CountOccurrences(printed, kClosing), 2u) << printed;
    EXPECT_EQ(printed.rfind(kOpening, 0), 0u);
    EXPECT_EQ(printed.substr(printed.size() - kClosing.size()), kClosing);
    EXPECT_NE(printed.find("broken.hlsl"), std::string::npos) << "the compiler's own text";
    EXPECT_EQ(shader.rootSignature, nullptr);
    EXPECT_EQ(shader.pipelineState, nullptr);
    EXPECT_TRUE(shader.vsCode.empty());

    // A missing file is a compile failure like any other.
    StdoutCapture missing;
    std::vector<uint8_t> code{1, 2, 3};
    Dx12::CompileShaderFromFile(code, "/nonexistent/dx12_missing.hlsl", "VSMain", "vs_5_0", 0,
                                nullptr);
    // The compiler gives no text for a missing file, only its code: one more
    // line names the file and the code.
    EXPECT_EQ(missing.Take(), kOpening + kClosing +
                                  "Dx12::CompileShaderFromFile : ERROR : "
                                  "/nonexistent/dx12_missing.hlsl : D3DCompileFromFile failed "
                                  "with 80070002 and no error text\n");
    EXPECT_EQ(code, (std::vector<uint8_t>{1, 2, 3})) << "code stays as it was";
}

TEST_F(ShaderTest, ErrorBannersFrameWhateverTextThereIs) {
    StdoutCapture none;
    Dx12::PrintCompileError(nullptr);
    EXPECT_EQ(none.Take(), kOpening + kClosing);

    // Text without a terminating zero is printed up to the blob's end only.
    ComPtr<ID3DBlob> blob;
    ASSERT_EQ(D3DCreateBlob(5, blob.Put()), S_OK);
    std::memcpy(blob->GetBufferPointer(), "oops!", 5);
    StdoutCapture text;
    Dx12::PrintCompileError(blob);
    EXPECT_EQ(text.Take(), kOpening + "oops!\n" + kClosing);
}

TEST_F(ShaderTest, NullFileNameIsReportedPerEntryPoint) {
    StdoutCapture capture;
    Dx12::Shader shader(device, nullptr, false, 1);
    EXPECT_EQ(capture.Take(), "Dx12::CompileShaderFromFile : Invalid Filename\n"
                              "Dx12::CompileShaderFromFile : Invalid Filename\n");
    EXPECT_EQ(shader.pipelineState, nullptr);
}

TEST_F(ShaderTest, PipelineDescriptionFormatsFollowTheTargetCount) {
    const struct {
        int targets;
        DXGI_FORMAT format;
    } cases[] = {
        {3, Dx12::OFFSCREEN_FORMAT}, {1, Dx12::BACK_BUFFER_FORMAT}, {0, Dx12::BACK_BUFFER_FORMAT}};
    for (const auto& c : cases) {
        StdoutCapture capture;
        const D3D12_GRAPHICS_PIPELINE_STATE_DESC desc = Dx12::DescribeGraphicsPipelineState(
            nullptr, c.targets, c.format, DXGI_FORMAT_D32_FLOAT, nullptr, nullptr, nullptr);
        EXPECT_EQ(capture.Take(), "Warning: BlendEnable=FALSE\n");
        EXPECT_EQ(desc.NumRenderTargets, UINT(c.targets));
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(desc.RTVFormats[i], i < c.targets ? c.format : DXGI_FORMAT_UNKNOWN)
                << c.targets << " targets, entry " << i;
        }
        EXPECT_EQ(desc.DSVFormat, DXGI_FORMAT_D32_FLOAT);
    }
}

TEST_F(ShaderTest, RefusedPipelineAndRootSignatureAreReported) {
    const std::string path = NormalShaderPath();
    platform_testing::RefuseNextPipelineStates(1);
    StdoutCapture capture;
    Dx12::Shader refused(device, path.c_str(), false, 1);
    EXPECT_EQ(capture.Take(), "Warning: BlendEnable=FALSE\n"
                              "FAILED : CreateGraphicsPipelineState reason=8007000E\n"
                              "ERROR : Dx12::Shader::Shader : CreateGraphicsPipelineState\n");
    EXPECT_NE(refused.rootSignature, nullptr) << "the root signature is kept";
    EXPECT_EQ(refused.pipelineState, nullptr);

    // Without a root signature the pipeline is still requested (and refused by
    // the platform); the warning comes first.
    platform_testing::RefuseNextRootSignatures(1);
    StdoutCapture noRoot;
    Dx12::Shader withoutRoot(device, path.c_str(), false, 1);
    const std::string printed = noRoot.Take();
    EXPECT_EQ(printed.rfind("Dx12::Shader::Shader : Warning : cant create root signature from "
                            "hlsl\nWarning: BlendEnable=FALSE\n",
                            0),
              0u)
        << printed;
    EXPECT_EQ(withoutRoot.rootSignature, nullptr);

    // A pipeline without a vertex shader is refused with E_INVALIDARG; without
    // a device nothing is asked for.
    StdoutCapture noVertexShader;
    EXPECT_EQ(Dx12::CreateGraphicsPipelineState(device, nullptr, 1, Dx12::BACK_BUFFER_FORMAT,
                                                DXGI_FORMAT_D32_FLOAT, nullptr, nullptr, nullptr),
              nullptr);
    EXPECT_EQ(noVertexShader.Take(), "Warning: BlendEnable=FALSE\n"
                                     "FAILED : CreateGraphicsPipelineState reason=80070057\n");
    StdoutCapture nullDevice;
    EXPECT_EQ(Dx12::CreateGraphicsPipelineState(nullptr, nullptr, 1, Dx12::BACK_BUFFER_FORMAT,
                                                DXGI_FORMAT_D32_FLOAT, nullptr, nullptr, nullptr),
              nullptr);
    EXPECT_EQ(nullDevice.Take(), "ERROR NULL DEVICE Dx12::CreateGraphicsPipelineState\n");
}

} // namespace
