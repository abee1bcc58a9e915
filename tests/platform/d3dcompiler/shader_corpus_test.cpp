// Runs every shader of corpus/ through D3DCompileFromFile and, when both entry
// points compile, through CreateGraphicsPipelineState, and compares the outcome
// with the verdict Windows gives it, which each file states in its header:
//   // verdict: accepted
//   // verdict: accepted-with-warning <message id>
//   // verdict: compile-error <entry point> <error number or ->
//   // verdict: pipeline-error <message id>
//   // error text: <words the error must hold>   (optional)
//   // source: <where Windows' verdict comes from>
#include "shader_reflection.h"

#include <windows.h>

#include <d3d12.h>
#include <d3dcompiler.h>

#include <gtest/gtest.h>
#include <platform_testing.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

using namespace shader_reflection;

const std::filesystem::path kCorpus =
    std::filesystem::path(BRENNWICK_SOURCE_DIR) / "tests/platform/d3dcompiler/corpus";

struct Verdict {
    std::string kind;
    std::string argument; // message id, or entry point
    std::string code;     // error number of a compile error, "-" when none is documented
    std::string errorText;
    bool hasSource = false;
};

Verdict ReadVerdict(const std::filesystem::path& file) {
    Verdict verdict;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("\xEF\xBB\xBF", 0) == 0) {
            line.erase(0, 3);
        }
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.rfind("//", 0) != 0) {
            break;
        }
        std::istringstream words(line.substr(2));
        std::string key;
        words >> key;
        if (key == "verdict:") {
            words >> verdict.kind >> verdict.argument >> verdict.code;
        } else if (key == "error") {
            std::getline(words, verdict.errorText);
            verdict.errorText = verdict.errorText.substr(verdict.errorText.find(':') + 2);
        } else if (key == "source:") {
            verdict.hasSource = true;
        }
    }
    return verdict;
}

// What the stand-in prints on standard error while it runs `work`.
template <typename Work> std::string CaptureStderr(Work work) {
    std::fflush(stderr);
    FILE* sink = std::tmpfile();
    int saved = dup(2);
    dup2(fileno(sink), 2);
    work();
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    std::string text;
    std::rewind(sink);
    for (int c = std::fgetc(sink); c != EOF; c = std::fgetc(sink)) {
        text += char(c);
    }
    std::fclose(sink);
    return text;
}

class ShaderCorpus : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(D3D12CreateDevice(nullptr, D3D_FEATURE_LEVEL_12_1, IID_ID3D12Device,
                                    reinterpret_cast<void**>(&device)),
                  S_OK);
    }
    void TearDown() override {
        if (device != nullptr) {
            device->Release();
        }
    }

    // The pipeline the system builds for the swap chain: one RGBA8 target,
    // 32-bit depth, the system's input layout, the vertex shader's root signature.
    HRESULT BuildPipeline(const std::vector<uint8_t>& vs, const std::vector<uint8_t>& ps,
                          std::string* printed);

    ID3D12Device* device = nullptr;
};

HRESULT ShaderCorpus::BuildPipeline(const std::vector<uint8_t>& vs, const std::vector<uint8_t>& ps,
                                    std::string* printed) {
    ID3DBlob* part = nullptr;
    ID3D12RootSignature* root = nullptr;
    if (SUCCEEDED(D3DGetBlobPart(vs.data(), vs.size(), D3D_BLOB_ROOT_SIGNATURE, 0, &part))) {
        device->CreateRootSignature(0, part->GetBufferPointer(), part->GetBufferSize(),
                                    IID_ID3D12RootSignature, reinterpret_cast<void**>(&root));
        part->Release();
    }
    const D3D12_INPUT_ELEMENT_DESC layout[] = {
        {"POSITION", 0, DXGI_FORMAT_R32G32B32_FLOAT, 0, 0,
         D3D12_INPUT_CLASSIFICATION_PER_VERTEX_DATA, 0},
        {"NORMAL", 0, DXGI_FORMAT_R32G32B32_FLOAT, 0, 12,
         D3D12_INPUT_CLASSIFICATION_PER_VERTEX_DATA, 0},
        {"UV", 0, DXGI_FORMAT_R32G32_FLOAT, 0, 24, D3D12_INPUT_CLASSIFICATION_PER_VERTEX_DATA, 0},
        {"COLOR", 0, DXGI_FORMAT_R32G32B32A32_FLOAT, 0, 32,
         D3D12_INPUT_CLASSIFICATION_PER_VERTEX_DATA, 0},
        {"SV_InstanceID", 0, DXGI_FORMAT_R32_UINT, 1, 0,
         D3D12_INPUT_CLASSIFICATION_PER_INSTANCE_DATA, 1},
    };
    D3D12_GRAPHICS_PIPELINE_STATE_DESC desc = {};
    desc.pRootSignature = root;
    desc.VS = {vs.data(), vs.size()};
    desc.PS = {ps.data(), ps.size()};
    desc.BlendState.RenderTarget[0].RenderTargetWriteMask = D3D12_COLOR_WRITE_ENABLE_ALL;
    desc.SampleMask = UINT_MAX;
    desc.RasterizerState.FillMode = D3D12_FILL_MODE_SOLID;
    desc.RasterizerState.CullMode = D3D12_CULL_MODE_BACK;
    desc.RasterizerState.DepthClipEnable = TRUE;
    desc.DepthStencilState.DepthEnable = TRUE;
    desc.DepthStencilState.DepthWriteMask = D3D12_DEPTH_WRITE_MASK_ALL;
    desc.DepthStencilState.DepthFunc = D3D12_COMPARISON_FUNC_LESS_EQUAL;
    desc.InputLayout = {layout, 5};
    desc.PrimitiveTopologyType = D3D12_PRIMITIVE_TOPOLOGY_TYPE_TRIANGLE;
    desc.NumRenderTargets = 1;
    desc.RTVFormats[0] = DXGI_FORMAT_R8G8B8A8_UNORM;
    desc.DSVFormat = DXGI_FORMAT_D32_FLOAT;
    desc.SampleDesc.Count = 1;
    ID3D12PipelineState* state = nullptr;
    HRESULT result = S_OK;
    *printed = CaptureStderr([&] {
        result = device->CreateGraphicsPipelineState(&desc, IID_ID3D12PipelineState,
                                                     reinterpret_cast<void**>(&state));
    });
    if (state != nullptr) {
        state->Release();
    }
    if (root != nullptr) {
        root->Release();
    }
    return result;
}

std::vector<std::filesystem::path> CorpusFiles() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(kCorpus)) {
        if (entry.path().extension() == ".hlsl") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

void CheckCompileError(const std::filesystem::path& file, const Verdict& verdict) {
    CompileResult result = Compile(file.string(), verdict.argument.c_str(),
                                   verdict.argument == "VSMain" ? "vs_5_0" : "ps_5_0");
    EXPECT_LT(result.hr, 0);
    EXPECT_TRUE(result.code.empty());
    if (verdict.code != "-") {
        EXPECT_NE(result.errors.find("error " + verdict.code), std::string::npos) << result.errors;
    }
    EXPECT_NE(result.errors.find(verdict.errorText), std::string::npos) << result.errors;
}

TEST_F(ShaderCorpus, EveryShaderGetsWindowsVerdict) {
    const std::vector<std::filesystem::path> files = CorpusFiles();
    EXPECT_GE(files.size(), 40u);
    for (const std::filesystem::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        const Verdict verdict = ReadVerdict(file);
        ASSERT_FALSE(verdict.kind.empty()) << "no verdict line";
        EXPECT_TRUE(verdict.hasSource) << "no source line";
        if (verdict.kind == "compile-error") {
            CheckCompileError(file, verdict);
            continue;
        }
        CompileResult vs = Compile(file.string(), "VSMain", "vs_5_0");
        CompileResult ps = Compile(file.string(), "PSMain", "ps_5_0");
        EXPECT_EQ(vs.hr, S_OK) << vs.errors;
        EXPECT_EQ(ps.hr, S_OK) << ps.errors;
        if (FAILED(vs.hr) || FAILED(ps.hr)) {
            continue;
        }
        std::string printed;
        HRESULT result = BuildPipeline(vs.code, ps.code, &printed);
        if (verdict.kind == "pipeline-error") {
            EXPECT_EQ(result, E_INVALIDARG);
            EXPECT_NE(printed.find("D3D12 ERROR: ID3D12Device::CreateGraphicsPipelineState: "),
                      std::string::npos)
                << printed;
            EXPECT_NE(printed.find("#" + verdict.argument + ":"), std::string::npos) << printed;
            platform_testing::AcknowledgeD3D12Errors(); // the refusal this file is about
        } else {
            EXPECT_EQ(result, S_OK) << printed;
            EXPECT_EQ(printed.find("D3D12 ERROR"), std::string::npos) << printed;
            const bool warned = verdict.kind == "accepted-with-warning";
            EXPECT_EQ(printed.find("D3D12 WARNING") != std::string::npos, warned) << printed;
            if (warned) {
                EXPECT_NE(printed.find("#" + verdict.argument + ":"), std::string::npos) << printed;
            }
        }
        if (!verdict.errorText.empty()) {
            EXPECT_NE(printed.find(verdict.errorText), std::string::npos) << printed;
        }
    }
}

} // namespace
