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

#include <device_fixture.h>
#include <pipeline_desc.h>
#include <stdout_capture.h>

#include <windows.h>

#include <d3d12.h>
#include <d3dcompiler.h>

#include <gtest/gtest.h>
#include <platform_testing.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

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

class ShaderCorpus : public DeviceFixture {
protected:
    // The pipeline the system builds for the swap chain: one RGBA8 target,
    // 32-bit depth, the system's input layout, the vertex shader's root signature.
    HRESULT BuildPipeline(const std::vector<uint8_t>& vs, const std::vector<uint8_t>& ps,
                          std::string* printed);
};

HRESULT ShaderCorpus::BuildPipeline(const std::vector<uint8_t>& vs, const std::vector<uint8_t>& ps,
                                    std::string* printed) {
    ComPtr<ID3D12RootSignature> root;
    ComPtr<ID3DBlob> part;
    if (SUCCEEDED(D3DGetBlobPart(vs.data(), vs.size(), D3D_BLOB_ROOT_SIGNATURE, 0, part.Put()))) {
        device->CreateRootSignature(0, part->GetBufferPointer(), part->GetBufferSize(),
                                    IID_ID3D12RootSignature, root.PutVoid());
    }
    D3D12_GRAPHICS_PIPELINE_STATE_DESC desc =
        DescribePipeline(root, {vs.data(), vs.size()}, {ps.data(), ps.size()}, SystemInputLayout());
    AddDepthBuffer(desc);
    ComPtr<ID3D12PipelineState> state;
    StderrCapture capture;
    HRESULT result =
        device->CreateGraphicsPipelineState(&desc, IID_ID3D12PipelineState, state.PutVoid());
    *printed = capture.Take();
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
