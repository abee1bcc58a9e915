// Runs every shader of corpus/ through D3DCompileFromFile and, when both entry
// points compile, through CreateGraphicsPipelineState, and compares the outcome
// with the verdict Windows gives it, which each file states in its header:
//   // verdict: accepted
//   // verdict: accepted CSMain   (compiles for cs_5_0; no pipeline is made;
//                               GSMain, HSMain and DSMain likewise compile
//                               alone for gs_5_0, hs_5_0 and ds_5_0)
//   // verdict: accepted-with-warning <message id>
//   // verdict: compile-error <entry point> <error number or ->
//                            (VSMain compiles for vs_5_0, CSMain for cs_5_0,
//                            GSMain, HSMain, DSMain for gs_5_0, hs_5_0, ds_5_0,
//                            any other entry point for ps_5_0)
//   // verdict: pipeline-error <message id>
//   // error text: <words the error must hold>   (optional)
//   // probe: <r> <g> <b> <a>   (optional: what PSMain returns, read back from
//   //                          a 1x1 float target drawn with VSMain)
//   // clear: <r> <g> <b> <a>   (optional: the target's value before the draw,
//   //                          which a pixel the shader discards keeps)
//   // warning: <number> <words>   (optional, repeatable: a line the compile
//   //                          prints, "warning X3206: <words>")
//   // patch: <control points>   (optional: the pipeline also runs HSMain and
//   //                          DSMain, compiled for hs_5_0 and ds_5_0, and the
//   //                          probe draws one patch list of that many points)
//   // flags: <D3DCOMPILE_ flag names>   (optional: compile with these)
//   // group: <the part of the language the case is about>   (optional)
//   // stand-in: <differ|crash|stall> <why>   (optional: a known difference,
//   //                          expected until it is mended)
//   // source: <where Windows' verdict comes from>
// A case may declare resources, bound in one descriptor table after the
// constants at b0 (in this order) and static samplers, by a root signature the
// test writes into the macro CORPUS_ROOT_SIGNATURE (resource_stages.hlsli
// puts it on VSMain; a compute case writes [RootSignature(...)] itself):
//   // texture t0: <1d|1darray|2d|2darray|3d|cube|cubearray|2dms|2dmsarray> <format>
//   //                          <W[xH[xD]]> [mips N] [slices N (a cube array's: six a cube)]
//   //                          [samples N (2dms, 2dmsarray: each sample of each texel
//   //                          holds the first texel's value, written by a clear)]
//   //                          [depth-stencil (r32_float: a view of an R32_TYPELESS
//   //                          texture made to be a depth buffer, which comparison
//   //                          sampling reads)]
//   //                          [: texel values, mip after mip of each slice]
//   // buffer t1: typed <format> <count> | structured <stride> <count> | raw <words>
//   //                          [: values]
//   // uav u0: <any texture or buffer form> [counter N] [: values]
//   // sampler s0: <point|linear|linear-mip-point|point-mip-linear|anisotropic|
//   //                          minimum|maximum (the linear filter's reductions)>
//   //                          <wrap|mirror|clamp|border|mirror_once>
//   //                          [<comparison: less, greater_equal, ...>] [white|black|transparent]
//   //                          [bias N] [minlod N] [maxlod N] [anisotropy N]
//   //                          [heap [colour R,G,B,A]]   (heap: in a sampler heap's table,
//   //                          root parameter 1, rather than static; colour: its border)
//   // expect u0: <words>       (what the UAV holds after the draw, or after
//   //                          CSMain's one thread group for "accepted CSMain")
//   // expect u0 counter: <N>   (its hidden counter)
// BRENNWICK_CORPUS_FILTER=<words> runs only the cases whose file names hold them.
// Formats are DXGI's lowercased without the prefix: 32-bit components
// (r32g32b32a32_float, r32_uint, ...) and four 8-bit ones (r8g8b8a8_unorm,
// r8g8b8a8_unorm_srgb, r8g8b8a8_snorm, b8g8r8a8_unorm), whose texels are one
// word each, the first component in the low byte (0xff008040). Values fill
// 32-bit words in order, the rest zero; a word is a float where the format is
// a float one or the word has a point or an exponent ("1.5", "2.0"), else an
// integer.
// It prints a tally per group: how many cases agree with Windows, differ,
// crash the compiler or stall it.
#include "corpus_bindings.h"
#include "corpus_resources.h"
#include "shader_reflection.h"

#include <device_fixture.h>
#include <pipeline_desc.h>
#include <stdout_capture.h>

#include <windows.h>

#include <d3d12.h>
#include <d3dcompiler.h>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <platform_testing.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
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
    std::vector<float> probe; // empty without a probe line
    std::vector<float> clear; // empty without a clear line
    std::string group = "baseline";
    std::string knownDifference;       // the stand-in line's outcome, if any
    std::vector<std::string> warnings; // "X3206: implicit truncation of vector type"
    UINT flags = 0;
    UINT patch = 0; // control points of the patch drawn through HSMain and DSMain
    bool hasSource = false;
    corpus_resources::Declarations resources;
    std::string rootSignature; // CORPUS_ROOT_SIGNATURE's text, quoted; empty without resources

    // The macros a compile of the case gets: CORPUS_ROOT_SIGNATURE where it
    // declares resources.
    std::vector<D3D_SHADER_MACRO> Defines() const {
        if (rootSignature.empty()) {
            return {{nullptr, nullptr}};
        }
        return {{"CORPUS_ROOT_SIGNATURE", rootSignature.c_str()}, {nullptr, nullptr}};
    }
};

// The D3DCOMPILE_ flags a case may name; 0 for any other name.
UINT FlagNamed(const std::string& name) {
    static const std::map<std::string, UINT> kFlags = {
        {"WARNINGS_ARE_ERRORS", D3DCOMPILE_WARNINGS_ARE_ERRORS},
        {"PACK_MATRIX_ROW_MAJOR", D3DCOMPILE_PACK_MATRIX_ROW_MAJOR},
        {"PACK_MATRIX_COLUMN_MAJOR", D3DCOMPILE_PACK_MATRIX_COLUMN_MAJOR},
        {"ENABLE_STRICTNESS", D3DCOMPILE_ENABLE_STRICTNESS},
        {"IEEE_STRICTNESS", D3DCOMPILE_IEEE_STRICTNESS},
        {"AVOID_FLOW_CONTROL", D3DCOMPILE_AVOID_FLOW_CONTROL},
        {"ENABLE_BACKWARDS_COMPATIBILITY", D3DCOMPILE_ENABLE_BACKWARDS_COMPATIBILITY},
    };
    const auto found = kFlags.find(name);
    EXPECT_NE(found, kFlags.end()) << "unknown flag " << name;
    return found == kFlags.end() ? 0 : found->second;
}

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
        } else if (key == "probe:") {
            for (float value; words >> value;) {
                verdict.probe.push_back(value);
            }
        } else if (key == "clear:") {
            for (float value; words >> value;) {
                verdict.clear.push_back(value);
            }
        } else if (key == "stand-in:") {
            words >> verdict.knownDifference;
        } else if (key == "warning:") {
            std::string number;
            std::string text;
            words >> number;
            std::getline(words >> std::ws, text);
            verdict.warnings.push_back(number + ": " + text);
        } else if (key == "flags:") {
            for (std::string name; words >> name;) {
                verdict.flags |= FlagNamed(name);
            }
        } else if (key == "patch:") {
            words >> verdict.patch;
        } else if (key == "group:") {
            words >> verdict.group;
        } else if (key == "source:") {
            verdict.hasSource = true;
        } else {
            std::string rest;
            std::getline(words, rest);
            verdict.resources.Read(key, rest);
        }
    }
    EXPECT_EQ(verdict.resources.problem, "") << "a resource line not understood";
    if (!verdict.resources.Empty()) {
        verdict.rootSignature = "\"" + verdict.resources.RootSignature() + "\"";
    }
    return verdict;
}

// How a case came out, for the tally.
enum class Outcome { Agree, Differ, Crash, Stall };

constexpr UINT kProbeConstantBytes = 4096;

const char* const kOutcomeNames[] = {"agree", "differ", "crash", "stall"};

// The compiler's own lines for a compile it had to stop.
Outcome OutcomeOfErrors(const std::string& errors) {
    if (errors.find("the HLSL compiler failed on this source") != std::string::npos) {
        return Outcome::Crash;
    }
    if (errors.find(" and was stopped") != std::string::npos) {
        return Outcome::Stall;
    }
    return Outcome::Differ;
}

class ShaderCorpus : public DeviceFixture {
protected:
    // The pipeline the system builds for the swap chain: one RGBA8 target,
    // 32-bit depth, the system's input layout, the vertex shader's root signature.
    HRESULT BuildPipeline(const std::vector<uint8_t>& vs, const std::vector<uint8_t>& ps,
                          std::string* printed);
    // Draws VSMain's triangle over a 1x1 R32G32B32A32_FLOAT target, with the
    // constant buffer of MakeProbeConstants at b0, and reads back what PSMain
    // wrote; empty when the pipeline could not be built.
    // Binds the case's declared resources, when it has any, instead of the
    // constants alone, and checks what its expectations say of its UAVs.
    // Clears the target to `clear` first where the case gives one.
    std::vector<float> DrawProbe(const std::vector<uint8_t>& vs, const std::vector<uint8_t>& ps,
                                 const corpus_resources::Declarations& resources,
                                 const std::vector<float>& clear);
    // Runs CSMain's one thread group over the declared resources and checks
    // the expectations.
    void Dispatch(const std::vector<uint8_t>& cs, const corpus_resources::Declarations& resources);
    // A constant buffer whose float i (at byte 4i) is i, so that a probe
    // shows where the shader's constants lie; its view in a shader-visible heap.
    bool MakeProbeConstants(ComPtr<ID3D12Resource>* constants, ComPtr<ID3D12DescriptorHeap>* table);
    Outcome Judge(const std::filesystem::path& file, const Verdict& verdict);
    // Compiles HSMain and DSMain where the case draws patches; false, with the
    // compiler's outcome in `outcome`, where one does not compile.
    bool CompileTessellation(const std::filesystem::path& file, const Verdict& verdict,
                             Outcome* outcome);
    // Puts the case's hull and domain shaders, if it has them, into `desc`.
    void AddTessellation(D3D12_GRAPHICS_PIPELINE_STATE_DESC* desc) const;
    void CheckPipeline(const std::vector<uint8_t>& vs, const std::vector<uint8_t>& ps,
                       const Verdict& verdict);

    std::vector<uint8_t> hullCode_, domainCode_; // the case's HSMain and DSMain, if any
    UINT patch_ = 0;
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
    AddTessellation(&desc);
    ComPtr<ID3D12PipelineState> state;
    StderrCapture capture;
    HRESULT result =
        device->CreateGraphicsPipelineState(&desc, IID_ID3D12PipelineState, state.PutVoid());
    *printed = capture.Take();
    return result;
}

std::vector<std::filesystem::path> CorpusFiles() {
    const char* filter = std::getenv("BRENNWICK_CORPUS_FILTER");
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(kCorpus)) {
        if (entry.path().extension() == ".hlsl" &&
            (filter == nullptr ||
             entry.path().filename().string().find(filter) != std::string::npos)) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// The profile an entry point of a case compiles for, by its name.
const char* TargetOf(const std::string& entryPoint) {
    static const std::map<std::string, const char*> kTargets = {
        {"VSMain", "vs_5_0"}, {"CSMain", "cs_5_0"}, {"GSMain", "gs_5_0"},
        {"HSMain", "hs_5_0"}, {"DSMain", "ds_5_0"},
    };
    const auto found = kTargets.find(entryPoint);
    return found == kTargets.end() ? "ps_5_0" : found->second;
}

// Outcome::Agree, or how the compile failed where it should not have.
Outcome CheckCompileError(const std::filesystem::path& file, const Verdict& verdict) {
    const std::vector<D3D_SHADER_MACRO> defines = verdict.Defines();
    CompileResult result =
        Compile(file.string(), verdict.argument.c_str(), TargetOf(verdict.argument), defines.data(),
                D3D_COMPILE_STANDARD_FILE_INCLUDE, verdict.flags);
    EXPECT_LT(result.hr, 0);
    EXPECT_TRUE(result.code.empty());
    if (verdict.code != "-") {
        EXPECT_NE(result.errors.find("error " + verdict.code), std::string::npos) << result.errors;
    }
    EXPECT_NE(result.errors.find(verdict.errorText), std::string::npos) << result.errors;
    const Outcome stopped = OutcomeOfErrors(result.errors);
    return stopped == Outcome::Differ ? Outcome::Agree : stopped;
}

bool ShaderCorpus::MakeProbeConstants(ComPtr<ID3D12Resource>* constants,
                                      ComPtr<ID3D12DescriptorHeap>* table) {
    std::vector<float> sequence(kProbeConstantBytes / sizeof(float));
    for (size_t i = 0; i < sequence.size(); ++i) {
        sequence[i] = static_cast<float>(i);
    }
    *constants = ComPtr<ID3D12Resource>(
        MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, kProbeConstantBytes, D3D12_RESOURCE_STATE_GENERIC_READ));
    *table = ComPtr<ID3D12DescriptorHeap>(MakeDescriptorHeap(
        D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV, 1, D3D12_DESCRIPTOR_HEAP_FLAG_SHADER_VISIBLE));
    if (constants->Get() == nullptr || table->Get() == nullptr) {
        return false;
    }
    WriteBuffer(*constants, sequence.data(), kProbeConstantBytes);
    const D3D12_CONSTANT_BUFFER_VIEW_DESC view{(*constants)->GetGPUVirtualAddress(),
                                               kProbeConstantBytes};
    device->CreateConstantBufferView(&view, (*table)->GetCPUDescriptorHandleForHeapStart());
    return true;
}

// The root signature `code` carries; null, with a test failure, without one.
ComPtr<ID3D12RootSignature> RootSignatureOf(ID3D12Device* device,
                                            const std::vector<uint8_t>& code) {
    ComPtr<ID3D12RootSignature> root;
    ComPtr<ID3DBlob> part;
    EXPECT_EQ(D3DGetBlobPart(code.data(), code.size(), D3D_BLOB_ROOT_SIGNATURE, 0, part.Put()),
              S_OK);
    if (part.Get() != nullptr) {
        EXPECT_EQ(device->CreateRootSignature(0, part->GetBufferPointer(), part->GetBufferSize(),
                                              IID_ID3D12RootSignature, root.PutVoid()),
                  S_OK);
    }
    return root;
}

// Compares each expectation with the words its UAV holds now.
void CheckExpectations(const CorpusBindings& bindings,
                       const corpus_resources::Declarations& resources) {
    for (const corpus_resources::Expectation& expected : resources.expectations) {
        const std::vector<uint32_t> words = bindings.Words(expected.slot, expected.counter);
        const auto view = std::find_if(resources.views.begin(), resources.views.end(),
                                       [&](const corpus_resources::View& v) {
                                           return v.registerKind == 'u' && v.slot == expected.slot;
                                       });
        const bool floatView = !expected.counter && view != resources.views.end() &&
                               corpus_resources::IsFloatFormat(view->format);
        EXPECT_GE(words.size(), expected.words.size()) << "u" << expected.slot << " not read back";
        for (size_t i = 0; i < words.size() && i < expected.words.size(); ++i) {
            const std::string& word = expected.words[i];
            uint32_t bits = 0;
            const bool isFloat = floatView || corpus_resources::IsFloatWord(word);
            corpus_resources::ParseWord(word, isFloat, &bits);
            float want = 0;
            float got = 0;
            std::memcpy(&want, &bits, 4);
            std::memcpy(&got, &words[i], 4);
            if (!isFloat) {
                EXPECT_EQ(words[i], bits) << "u" << expected.slot << " word " << i;
            } else if (!(std::isnan(want) && std::isnan(got))) {
                EXPECT_NEAR(got, want, std::abs(want) * 1e-6f + 1e-6f)
                    << "u" << expected.slot << " word " << i;
            }
        }
    }
}

void ShaderCorpus::Dispatch(const std::vector<uint8_t>& cs,
                            const corpus_resources::Declarations& resources) {
    ComPtr<ID3D12RootSignature> root = RootSignatureOf(device, cs);
    D3D12_COMPUTE_PIPELINE_STATE_DESC desc{};
    desc.pRootSignature = root;
    desc.CS = {cs.data(), cs.size()};
    ComPtr<ID3D12PipelineState> state;
    ComPtr<ID3D12Resource> constants;
    ComPtr<ID3D12DescriptorHeap> table;
    CorpusBindings bindings;
    if (root == nullptr ||
        FAILED(
            device->CreateComputePipelineState(&desc, IID_ID3D12PipelineState, state.PutVoid())) ||
        !MakeProbeConstants(&constants, &table)) {
        ADD_FAILURE() << "no compute pipeline";
        return;
    }
    if (bindings.Create(device, list, resources, constants, kProbeConstantBytes)) {
        list->SetComputeRootSignature(root);
        list->SetPipelineState(state);
        bindings.SetTables(list, true);
        list->Dispatch(1, 1, 1);
        bindings.RecordReadBacks(list);
    }
    ExecuteAndWait(); // also what a failed Create recorded, before its resources go
    CheckExpectations(bindings, resources);
}

std::vector<float> ShaderCorpus::DrawProbe(const std::vector<uint8_t>& vs,
                                           const std::vector<uint8_t>& ps,
                                           const corpus_resources::Declarations& resources,
                                           const std::vector<float>& clear) {
    ComPtr<ID3D12RootSignature> root = RootSignatureOf(device, vs);
    if (root == nullptr) {
        return {};
    }
    D3D12_GRAPHICS_PIPELINE_STATE_DESC desc =
        DescribePipeline(root, {vs.data(), vs.size()}, {ps.data(), ps.size()}, {});
    desc.RTVFormats[0] = DXGI_FORMAT_R32G32B32A32_FLOAT;
    AddTessellation(&desc);
    ComPtr<ID3D12PipelineState> state;
    if (FAILED(
            device->CreateGraphicsPipelineState(&desc, IID_ID3D12PipelineState, state.PutVoid()))) {
        return {};
    }
    ComPtr<ID3D12Resource> target(MakeTexture(1, 1, DXGI_FORMAT_R32G32B32A32_FLOAT,
                                              D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET,
                                              D3D12_RESOURCE_STATE_RENDER_TARGET));
    ComPtr<ID3D12DescriptorHeap> heap(MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_RTV));
    if (target.Get() == nullptr || heap.Get() == nullptr) {
        return {};
    }
    const D3D12_CPU_DESCRIPTOR_HANDLE rtv = heap->GetCPUDescriptorHandleForHeapStart();
    device->CreateRenderTargetView(target, nullptr, rtv);
    ComPtr<ID3D12Resource> constants;
    ComPtr<ID3D12DescriptorHeap> table;
    if (!MakeProbeConstants(&constants, &table)) {
        return {};
    }
    CorpusBindings bindings;
    if (!resources.Empty() &&
        !bindings.Create(device, list, resources, constants, kProbeConstantBytes)) {
        ExecuteAndWait(); // what Create recorded, before its resources go
        return {};
    }
    RecordTriangleDrawState(list, rtv, 1, 1, root, state);
    if (clear.size() == 4) {
        list->ClearRenderTargetView(rtv, clear.data(), 0, nullptr);
    }
    if (resources.Empty()) {
        ID3D12DescriptorHeap* views = table.Get();
        list->SetDescriptorHeaps(1, &views);
        list->SetGraphicsRootDescriptorTable(0, views->GetGPUDescriptorHandleForHeapStart());
    } else {
        bindings.SetTables(list, false);
    }
    if (patch_ != 0) {
        list->IASetPrimitiveTopology(
            D3D_PRIMITIVE_TOPOLOGY(D3D_PRIMITIVE_TOPOLOGY_1_CONTROL_POINT_PATCHLIST + patch_ - 1));
    }
    list->DrawInstanced(patch_ != 0 ? patch_ : 3, 1, 0, 0);
    bindings.RecordReadBacks(list);
    const std::vector<uint8_t> bytes =
        ReadBackTexture(device, target, D3D12_RESOURCE_STATE_RENDER_TARGET);
    CheckExpectations(bindings, resources);
    std::vector<float> texel(4);
    if (bytes.size() < sizeof(float) * texel.size()) {
        return {};
    }
    std::memcpy(texel.data(), bytes.data(), sizeof(float) * texel.size());
    return texel;
}

void ShaderCorpus::CheckPipeline(const std::vector<uint8_t>& vs, const std::vector<uint8_t>& ps,
                                 const Verdict& verdict) {
    std::string printed;
    HRESULT result = BuildPipeline(vs, ps, &printed);
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

// What a clean compile prints is Windows' numbered warnings, nothing of the
// front end's own.
void ExpectOnlyNumberedWarnings(const std::string& printed) {
    std::istringstream lines(printed);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_NE(line.find(": warning X"), std::string::npos) << printed;
    }
}

bool ShaderCorpus::CompileTessellation(const std::filesystem::path& file, const Verdict& verdict,
                                       Outcome* outcome) {
    hullCode_.clear();
    domainCode_.clear();
    patch_ = verdict.patch;
    if (patch_ == 0) {
        return true;
    }
    EXPECT_LE(patch_, 32u) << "a patch has 1 to 32 control points";
    const std::vector<D3D_SHADER_MACRO> defines = verdict.Defines();
    CompileResult hs = Compile(file.string(), "HSMain", "hs_5_0", defines.data(),
                               D3D_COMPILE_STANDARD_FILE_INCLUDE, verdict.flags);
    CompileResult ds = Compile(file.string(), "DSMain", "ds_5_0", defines.data(),
                               D3D_COMPILE_STANDARD_FILE_INCLUDE, verdict.flags);
    EXPECT_EQ(hs.hr, S_OK) << hs.errors;
    EXPECT_EQ(ds.hr, S_OK) << ds.errors;
    if (FAILED(hs.hr) || FAILED(ds.hr)) {
        *outcome = OutcomeOfErrors(hs.errors + ds.errors);
        return false;
    }
    hullCode_ = std::move(hs.code);
    domainCode_ = std::move(ds.code);
    return true;
}

void ShaderCorpus::AddTessellation(D3D12_GRAPHICS_PIPELINE_STATE_DESC* desc) const {
    if (patch_ == 0) {
        return;
    }
    desc->HS = {hullCode_.data(), hullCode_.size()};
    desc->DS = {domainCode_.data(), domainCode_.size()};
    desc->PrimitiveTopologyType = D3D12_PRIMITIVE_TOPOLOGY_TYPE_PATCH;
}

Outcome ShaderCorpus::Judge(const std::filesystem::path& file, const Verdict& verdict) {
    if (verdict.kind == "compile-error") {
        return CheckCompileError(file, verdict);
    }
    const std::vector<D3D_SHADER_MACRO> defines = verdict.Defines();
    if (verdict.kind == "accepted" && !verdict.argument.empty()) {
        CompileResult cs =
            Compile(file.string(), verdict.argument.c_str(), TargetOf(verdict.argument),
                    defines.data(), D3D_COMPILE_STANDARD_FILE_INCLUDE, verdict.flags);
        EXPECT_EQ(cs.hr, S_OK) << cs.errors;
        EXPECT_FALSE(cs.code.empty());
        if (SUCCEEDED(cs.hr) && verdict.argument == "CSMain" &&
            !verdict.resources.expectations.empty()) {
            Dispatch(cs.code, verdict.resources);
        }
        return FAILED(cs.hr) ? OutcomeOfErrors(cs.errors) : Outcome::Agree;
    }
    CompileResult vs = Compile(file.string(), "VSMain", "vs_5_0", defines.data(),
                               D3D_COMPILE_STANDARD_FILE_INCLUDE, verdict.flags);
    CompileResult ps = Compile(file.string(), "PSMain", "ps_5_0", defines.data(),
                               D3D_COMPILE_STANDARD_FILE_INCLUDE, verdict.flags);
    EXPECT_EQ(vs.hr, S_OK) << vs.errors;
    EXPECT_EQ(ps.hr, S_OK) << ps.errors;
    for (const std::string& warning : verdict.warnings) {
        EXPECT_NE((vs.errors + ps.errors).find("warning " + warning), std::string::npos)
            << vs.errors << ps.errors;
    }
    if (FAILED(vs.hr) || FAILED(ps.hr)) {
        return OutcomeOfErrors(vs.errors + ps.errors);
    }
    ExpectOnlyNumberedWarnings(vs.errors + ps.errors);
    Outcome stopped = Outcome::Agree;
    if (!CompileTessellation(file, verdict, &stopped)) {
        return stopped;
    }
    if (verdict.probe.empty() && verdict.resources.expectations.empty()) {
        CheckPipeline(vs.code, ps.code, verdict);
        return Outcome::Agree;
    }
    const std::vector<float> texel = DrawProbe(vs.code, ps.code, verdict.resources, verdict.clear);
    if (verdict.probe.empty()) {
        return Outcome::Agree;
    }
    EXPECT_EQ(texel.size(), verdict.probe.size()) << "probe not drawn";
    for (size_t i = 0; i < texel.size() && i < verdict.probe.size(); ++i) {
        const float expected = verdict.probe[i];
        EXPECT_NEAR(texel[i], expected, std::abs(expected) * 1e-6f + 1e-6f) << "component " << i;
    }
    return Outcome::Agree;
}

TEST_F(ShaderCorpus, EveryShaderGetsWindowsVerdict) {
    const std::vector<std::filesystem::path> files = CorpusFiles();
    EXPECT_GE(files.size(), std::getenv("BRENNWICK_CORPUS_FILTER") ? 1u : 40u);
    std::map<std::string, std::array<int, 4>> tally;
    for (const std::filesystem::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        const Verdict verdict = ReadVerdict(file);
        ASSERT_FALSE(verdict.kind.empty()) << "no verdict line";
        EXPECT_TRUE(verdict.hasSource) << "no source line";
        testing::TestPartResultArray failures;
        Outcome outcome;
        {
            testing::ScopedFakeTestPartResultReporter intercept(
                testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD,
                &failures);
            outcome = Judge(file, verdict);
        }
        if (outcome == Outcome::Agree && failures.size() > 0) {
            outcome = Outcome::Differ;
        }
        const std::string outcomeName = kOutcomeNames[static_cast<size_t>(outcome)];
        if (!verdict.knownDifference.empty()) {
            EXPECT_EQ(outcomeName, verdict.knownDifference)
                << "the stand-in's known difference changed: update its stand-in line";
        } else {
            for (int i = 0; i < failures.size(); ++i) {
                const testing::TestPartResult& failure = failures.GetTestPartResult(i);
                const char* where = failure.file_name() != nullptr ? failure.file_name() : "?";
                ADD_FAILURE_AT(where, failure.line_number()) << failure.message();
            }
        }
        ++tally[verdict.group][static_cast<size_t>(outcome)];
    }
    std::printf("corpus tally  %-12s %6s %6s %6s %6s\n", "group", "agree", "differ", "crash",
                "stall");
    for (const auto& [group, counts] : tally) {
        std::printf("corpus tally  %-12s %6d %6d %6d %6d\n", group.c_str(), counts[0], counts[1],
                    counts[2], counts[3]);
    }
}

} // namespace
