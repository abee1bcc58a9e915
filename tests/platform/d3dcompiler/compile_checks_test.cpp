// How D3DCompileFromFile reports problems, finds included files, applies
// macros and flags, and refuses what the Windows compiler would refuse.
#include "shader_reflection.h"

#include <d3dcompiler.h>

#include <root_signature_binary.h>
#include <spirv_words.h>

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace shader_reflection;
namespace spirv = dxbc::spirv;

constexpr char kTrivialPixelShader[] =
    "float4 PSMain() : SV_Target { return float4(1, 0, 0, 1); }\n";

TEST(CompileErrors, NameFileAndLineAndReturnNoCode) {
    ScratchDirectory scratch("errors");
    std::string file = scratch.Write("broken.hlsl", "// line 1\n"
                                                    "float4 PSMain() : SV_Target {\n"
                                                    "    return undefinedThing;\n"
                                                    "}\n");
    CompileResult result = Compile(file, "PSMain", "ps_5_0");
    EXPECT_EQ(result.hr, E_FAIL);
    EXPECT_TRUE(result.code.empty());
    EXPECT_TRUE(Mentions(result.errors, file + "(3"));
    EXPECT_TRUE(Mentions(result.errors, "error X3004: undeclared identifier 'undefinedThing'"));

    // A syntax error carries the number Windows gives it.
    std::string syntax = scratch.Write("syntax.hlsl", "float4 PSMain() : SV_Target {\n"
                                                      "    float x = 1\n"
                                                      "    return x;\n"
                                                      "}\n");
    result = Compile(syntax, "PSMain", "ps_5_0");
    EXPECT_EQ(result.hr, E_FAIL);
    EXPECT_TRUE(Mentions(result.errors, "error X3000: syntax error"));

    // An error inside an included file names that file.
    std::string includer = scratch.Write("includer.hlsl", "#include \"bad.hlsli\"\n" +
                                                              std::string(kTrivialPixelShader));
    scratch.Write("bad.hlsli", "\n\nstatic const float x = nope;\n");
    result = Compile(includer, "PSMain", "ps_5_0");
    EXPECT_EQ(result.hr, E_FAIL);
    EXPECT_TRUE(
        Mentions(result.errors, "bad.hlsli(3,24-27): error X3004: undeclared identifier 'nope'"));

    // An error above an #include keeps its own line.
    std::string above = scratch.Write("above.hlsl", "// line 1\n"
                                                    "SamplerState farSampler : register(s16);\n"
                                                    "#include \"comment.hlsli\"\n" +
                                                        std::string(kTrivialPixelShader));
    scratch.Write("comment.hlsli", "// nothing else\n");
    result = Compile(above, "PSMain", "ps_5_0");
    EXPECT_EQ(result.hr, E_FAIL);
    EXPECT_TRUE(Mentions(result.errors, above + "(2,"));

    result = Compile(scratch.Write("fine.hlsl", kTrivialPixelShader), "Missing", "ps_5_0");
    EXPECT_EQ(result.hr, E_FAIL);
    EXPECT_TRUE(Mentions(result.errors, "error X3501: 'Missing': entrypoint not found"));
}

TEST(CompileErrors, MissingFileAndBadArguments) {
    const std::string missing = std::string(BRENNWICK_BINARY_DIR) + "/no-such-dir/absent.hlsl";
    CompileResult result = Compile(missing, "VSMain", "vs_5_0");
    EXPECT_EQ(result.hr, HRESULT(0x80070002));
    EXPECT_TRUE(result.code.empty());
    EXPECT_EQ(result.errors, "") << "Windows' compiler gives the code alone";

    ScratchDirectory scratch("targets");
    std::string file = scratch.Write("ps.hlsl", kTrivialPixelShader);
    for (const char* target : {"hs_4_1", "ds_4_0", "ps_3_0", "ps_7_0", "ps5_0", ""}) {
        result = Compile(file, "PSMain", target);
        EXPECT_LT(result.hr, 0) << target;
        EXPECT_TRUE(result.code.empty()) << target;
        EXPECT_TRUE(Mentions(result.errors, "unsupported compilation target")) << target;
    }
    for (const char* target : {"ps_4_0", "ps_4_1", "ps_5_0", "ps_5_1", "ps_6_0", "ps_6_6"}) {
        result = Compile(file, "PSMain", target);
        EXPECT_EQ(result.hr, S_OK) << target << ": " << result.errors;
    }

    ID3DBlob* errors = nullptr;
    EXPECT_EQ(
        D3DCompileFromFile(L"x.hlsl", nullptr, nullptr, "PSMain", "ps_5_0", 0, 0, nullptr, &errors),
        E_INVALIDARG);
    ID3DBlob* code = reinterpret_cast<ID3DBlob*>(0x1);
    EXPECT_EQ(
        D3DCompileFromFile(nullptr, nullptr, nullptr, "PSMain", "ps_5_0", 0, 0, &code, nullptr),
        E_INVALIDARG);
    EXPECT_EQ(code, nullptr);
}

TEST(CompileSources, IncludesResolveBesideTheIncludingFileAndMacrosApply) {
    ScratchDirectory scratch("includes");
    std::string main =
        scratch.Write("main.hlsl", "#include \"lib/colors.hlsli\"\n"
                                   "[RootSignature(SHARED_ROOT_SIGNATURE)]\n"
                                   "float4 PSMain() : SV_Target { return PICKED_COLOR; }\n");
    scratch.Write("lib/colors.hlsli", "#include \"names.hlsli\"\n"
                                      "#ifndef USE_GREEN\n"
                                      "#error USE_GREEN must be defined\n"
                                      "#endif\n"
                                      "#define PICKED_COLOR float4(0, USE_GREEN, 0, 1)\n");
    scratch.Write("lib/names.hlsli",
                  "#define SHARED_ROOT_SIGNATURE \"RootConstants(num32BitConstants=4, \" \\\n"
                  "    \"b2)\"\n");

    const D3D_SHADER_MACRO defines[] = {{"USE_GREEN", "1"}, {nullptr, nullptr}};
    CompileResult result = Compile(main, "PSMain", "ps_5_0", defines);
    ASSERT_EQ(result.hr, S_OK) << result.errors;
    dxbc::RootSignatureDesc desc;
    std::string error;
    ASSERT_TRUE(dxbc::ReadRootSignature(result.code.data(), result.code.size(), &desc, &error))
        << error;
    ASSERT_EQ(desc.parameters.size(), 1u);
    EXPECT_EQ(desc.parameters[0].type, D3D12_ROOT_PARAMETER_TYPE_32BIT_CONSTANTS);
    EXPECT_EQ(desc.parameters[0].constants.Num32BitValues, 4u);
    EXPECT_EQ(desc.parameters[0].constants.ShaderRegister, 2u);

    result = Compile(main, "PSMain", "ps_5_0");
    EXPECT_EQ(result.hr, E_FAIL);
    EXPECT_TRUE(Mentions(result.errors, "USE_GREEN must be defined"));

    // Without an include handler an #include cannot be opened.
    result = Compile(main, "PSMain", "ps_5_0", defines, nullptr);
    EXPECT_EQ(result.hr, E_FAIL);
    EXPECT_TRUE(Mentions(result.errors, "include handler"));
}

// D3D_COMPILE_STANDARD_FILE_INCLUDE also opens files relative to the current
// directory (the D3DCompile page), after the folders of the includers.
TEST(CompileSources, StandardIncludesAlsoResolveInTheCurrentDirectory) {
    ScratchDirectory scratch("current_directory");
    scratch.Write("current/shared.hlsli", "#define SHARED_RED float4(1, 0, 0, 1)\n");
    const std::string main = scratch.Write(
        "elsewhere/main.hlsl",
        "#include \"shared.hlsli\"\nfloat4 PSMain() : SV_Target { return SHARED_RED; }\n");
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(scratch.path() / "current");
    const CompileResult result = Compile(main, "PSMain", "ps_5_0");
    std::filesystem::current_path(before);
    EXPECT_EQ(result.hr, S_OK) << result.errors;
}

// glslang's own VULKAN is undefined before a source that names it, but a
// VULKAN the caller defines stays.
TEST(CompileSources, CallersDefinitionOfAGlslangMacroNameStays) {
    ScratchDirectory scratch("glslang_names");
    const std::string main =
        scratch.Write("main.hlsl", "#ifndef VULKAN\n#error not defined\n#endif\n"
                                   "float4 PSMain() : SV_Target { return VULKAN; }\n");
    const D3D_SHADER_MACRO defines[] = {{"VULKAN", "0.5"}, {nullptr, nullptr}};
    CompileResult result = Compile(main, "PSMain", "ps_5_0", defines);
    EXPECT_EQ(result.hr, S_OK) << result.errors;
    result = Compile(main, "PSMain", "ps_5_0");
    EXPECT_NE(result.errors.find("not defined"), std::string::npos) << result.errors;
}

// Serves one in-memory header and counts open/close pairs.
class MemoryInclude : public ID3DInclude {
public:
    HRESULT STDMETHODCALLTYPE Open(D3D_INCLUDE_TYPE, LPCSTR name, LPCVOID, LPCVOID* data,
                                   UINT* bytes) override {
        if (std::string(name) != "virtual.hlsli") {
            return E_FAIL;
        }
        ++opened;
        *data = kHeader;
        *bytes = UINT(sizeof(kHeader) - 1);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Close(LPCVOID data) override {
        closed += data == kHeader;
        return S_OK;
    }
    static constexpr char kHeader[] = "#define VIRTUAL_RED float4(1, 0, 0, 1)\n";
    int opened = 0;
    int closed = 0;
};

TEST(CompileSources, CallersIncludeHandlerIsUsedAndClosed) {
    ScratchDirectory scratch("handler");
    std::string file =
        scratch.Write("ps.hlsl", "#include \"virtual.hlsli\"\n"
                                 "float4 PSMain() : SV_Target { return VIRTUAL_RED; }\n");
    MemoryInclude handler;
    CompileResult result = Compile(file, "PSMain", "ps_5_0", nullptr, &handler);
    EXPECT_EQ(result.hr, S_OK) << result.errors;
    EXPECT_GT(handler.opened, 0);
    EXPECT_EQ(handler.opened, handler.closed);

    std::string other = scratch.Write("other.hlsl", "#include \"unknown.hlsli\"\n" +
                                                        std::string(kTrivialPixelShader));
    result = Compile(other, "PSMain", "ps_5_0", nullptr, &handler);
    EXPECT_EQ(result.hr, E_FAIL);
    EXPECT_TRUE(Mentions(result.errors, "unknown.hlsli"));
}

TEST(CompileSources, RowMajorPackingFlagKeepsLineNumbers) {
    ScratchDirectory scratch("packing");
    std::string file =
        scratch.Write("vs.hlsl", "cbuffer Constants : register(b0) { float4x4 transform; };\n"
                                 "float4 VSMain(float4 p : POSITION) : SV_Position {\n"
                                 "    return mul(p, transform);\n"
                                 "}\n");
    constexpr uint32_t kRowMajor = 4; // SPIR-V decorations; glslang stores HLSL matrices transposed
    constexpr uint32_t kColMajor = 5;
    CompileResult standard = Compile(file, "VSMain", "vs_5_0");
    ASSERT_EQ(standard.hr, S_OK) << standard.errors;
    auto decorations = MemberDecorations(Spirv(standard.code), "Constants");
    EXPECT_TRUE(decorations["transform"].count(kRowMajor));

    CompileResult packed =
        Compile(file, "VSMain", "vs_5_0", nullptr, D3D_COMPILE_STANDARD_FILE_INCLUDE,
                D3DCOMPILE_PACK_MATRIX_ROW_MAJOR);
    ASSERT_EQ(packed.hr, S_OK) << packed.errors;
    decorations = MemberDecorations(Spirv(packed.code), "Constants");
    EXPECT_TRUE(decorations["transform"].count(kColMajor));

    std::string broken =
        scratch.Write("broken.hlsl", "float4 VSMain() : SV_Position {\n    return oops;\n}\n");
    CompileResult failed =
        Compile(broken, "VSMain", "vs_5_0", nullptr, D3D_COMPILE_STANDARD_FILE_INCLUDE,
                D3DCOMPILE_PACK_MATRIX_ROW_MAJOR);
    EXPECT_TRUE(Mentions(failed.errors, "broken.hlsl(2,12-15): error X3004"));
}

TEST(CompileRefusals, RootSignatureAttributeProblemsAreCompileErrors) {
    ScratchDirectory scratch("attributes");
    struct Case {
        const char* attribute;
        const char* expected;
    };
    for (Case c :
         {Case{"[RootSignature(\"CBV(b0), Bogus(1)\")]",
               "column 10: expected a root signature element"},
          Case{"[RootSignature(\"DescriptorTable(CBV(t0))\")]", "found 't0'"},
          Case{"[RootSignature(UNDEFINED_NAME)]", "UNDEFINED_NAME"},
          Case{"[RootSignature(\"CBV(b0)\")][RootSignature(\"CBV(b1)\")]", "more than one"}}) {
        std::string file = scratch.Write("rs.hlsl", "\n\n" + std::string(c.attribute) + "\n" +
                                                        kTrivialPixelShader);
        CompileResult result = Compile(file, "PSMain", "ps_5_0");
        EXPECT_EQ(result.hr, E_FAIL) << c.attribute;
        EXPECT_TRUE(result.code.empty());
        EXPECT_TRUE(Mentions(result.errors, file + "(3,"));
        EXPECT_TRUE(Mentions(result.errors, c.expected));
    }

    // The attribute belongs to the entry point it precedes, not to others.
    std::string two = scratch.Write("two.hlsl", "[RootSignature(\"CBV(b0)\")]\n"
                                                "float4 Other() : SV_Target { return 0; }\n" +
                                                    std::string(kTrivialPixelShader));
    CompileResult result = Compile(two, "PSMain", "ps_5_0");
    ASSERT_EQ(result.hr, S_OK) << result.errors;
    EXPECT_TRUE(Chunk(result.code, dxbc::kRootSignatureChunk).empty());
    result = Compile(two, "Other", "ps_5_0");
    ASSERT_EQ(result.hr, S_OK) << result.errors;
    EXPECT_FALSE(Chunk(result.code, dxbc::kRootSignatureChunk).empty());
    EXPECT_FALSE(Mentions(result.errors, "RootSignature"));
}

TEST(CompileRefusals, WhatTheWindowsCompilerRejects) {
    ScratchDirectory scratch("refusals");
    struct Case {
        const char* source;
        const char* target;
        const char* expected;
    };
    const Case cases[] = {
        {"Texture2D t : register(t300);\n", "ps_6_0", "register t300 is out of range"},
        {"Texture2D t : register(t128);\n", "ps_5_0", "target has 128 slots"},
        {"SamplerState s : register(s16);\n", "ps_5_0", "target has 16 slots"},
        {"cbuffer C : register(b14) { float4 c; };\n", "vs_5_0",
         "error X4567: maximum cbuffer exceeded. target has 14 slots, manual bind to slot 14 "
         "failed"},
        {"float4 f(float4 v : SV_Positon) : SV_Target { return v; }\n", "ps_5_0",
         "error X4502: invalid ps_5_0 semantic 'SV_Positon'"},
        {"cbuffer C : register(b256) { float4 c; };\n", "ps_6_0", "register b256 is out of range"},
        {"static const uint64_t big = 1;\n", "ps_5_0", "type 'uint64_t' needs shader model 6.0"},
        {"static const float16_t2 pair = 1;\n", "ps_5_1",
         "type 'float16_t2' needs shader model 6.0"},
        {"[[vk::binding(0)]] Texture2D t;\n", "ps_5_0", "'[[' attributes"},
        {"Texture2D t : register(t0, space1);\n", "ps_5_0",
         "register spaces need shader model 5.1"},
        {"float4 f(float4 v) { return WaveActiveSum(v); }\n", "ps_5_0",
         "intrinsic 'WaveActiveSum'"},
        {"struct S { float4 v; }; ConstantBuffer<S> cb : register(b0);\n", "ps_5_0",
         "ConstantBuffer<T>"},
    };
    for (const Case& c : cases) {
        std::string file =
            scratch.Write("refused.hlsl", std::string(c.source) + kTrivialPixelShader);
        CompileResult result = Compile(file, "PSMain", c.target);
        EXPECT_EQ(result.hr, E_FAIL) << c.source;
        EXPECT_TRUE(Mentions(result.errors, file + "(1,"));
        EXPECT_TRUE(Mentions(result.errors, c.expected));
    }
    // Entry-point inputs and outputs need semantics (fxc's words).
    const std::pair<const char*, const char*> unnamed[] = {
        {"float4 PSMain(float4 c) : SV_Target { return c; }\n",
         "(1,22-22): error X3502: 'PSMain': input parameter 'c' missing semantics"},
        {"float4 PSMain() { return 1; }\n",
         "(1,8-13): error X3503: 'PSMain': function return value missing semantics"},
        {"struct O { float4 a : SV_Target; float4 b; };\nO PSMain() { O o; o.a = 1; o.b = 2; "
         "return o; }\n",
         "(2,3-8): error X3503: 'PSMain': function return value missing semantics"},
    };
    for (const auto& [source, expected] : unnamed) {
        std::string file = scratch.Write("unnamed.hlsl", source);
        CompileResult result = Compile(file, "PSMain", "ps_6_0");
        EXPECT_EQ(result.hr, E_FAIL) << source;
        EXPECT_EQ(result.errors, file + expected + "\n");
    }

    // Spaces are fine from 5.1 on, high registers below 256 stay legal, and
    // user functions may share a prefix with the wave intrinsics.
    std::string file = scratch.Write("allowed.hlsl", "Texture2D t : register(t255, space1);\n"
                                                     "float WaveHeight(float x) { return x; }\n" +
                                                         std::string(kTrivialPixelShader));
    CompileResult result = Compile(file, "PSMain", "ps_5_1");
    EXPECT_EQ(result.hr, S_OK) << result.errors;
}

// The (descriptor set, binding) pairs of a module's resources.
std::set<std::pair<uint32_t, uint32_t>> Bindings(const std::vector<uint32_t>& spirv) {
    std::map<uint32_t, std::pair<uint32_t, uint32_t>> bindings; // id -> (set, binding)
    EXPECT_TRUE(spirv::ForEachInstruction(spirv, [&](size_t at, uint32_t op, uint32_t) {
        if (op == spirv::OpDecorate && spirv[at + 2] == spirv::kDecorationDescriptorSet) {
            bindings[spirv[at + 1]].first = spirv[at + 3];
        } else if (op == spirv::OpDecorate && spirv[at + 2] == spirv::kDecorationBinding) {
            bindings[spirv[at + 1]].second = spirv[at + 3];
        }
    }));
    std::set<std::pair<uint32_t, uint32_t>> found;
    for (const auto& [id, binding] : bindings) {
        found.insert(binding);
    }
    return found;
}

TEST(CompileBindings, RegistersLandInTheirClassRangesAndSpaces) {
    ScratchDirectory scratch("bindings");
    std::string file =
        scratch.Write("bind.hlsl", "cbuffer C : register(b3, space2) { float4 tint; };\n"
                                   "Texture2D tex : register(t5);\n"
                                   "SamplerState samp : register(s1, space1);\n"
                                   "RWTexture2D<float4> target : register(u2);\n"
                                   "float4 PSMain(float4 p : SV_Position) : SV_Target {\n"
                                   "    target[uint2(p.xy)] = tint;\n"
                                   "    return tex.Sample(samp, p.xy);\n"
                                   "}\n");
    CompileResult result = Compile(file, "PSMain", "ps_5_1");
    ASSERT_EQ(result.hr, S_OK) << result.errors;
    EXPECT_EQ(Bindings(Spirv(result.code)), (std::set<std::pair<uint32_t, uint32_t>>{
                                                {2, 3}, {0, 256 + 5}, {1, 512 + 1}, {0, 768 + 2}}));

    // An index inside register() adds to the register's number.
    file = scratch.Write("indexed.hlsl", "Texture2D tex : register(t1[2]);\n"
                                         "SamplerState samp : register(s[1 + 1]);\n"
                                         "float4 PSMain(float4 p : SV_Position) : SV_Target {\n"
                                         "    return tex.Sample(samp, p.xy);\n"
                                         "}\n");
    result = Compile(file, "PSMain", "ps_5_0");
    ASSERT_EQ(result.hr, S_OK) << result.errors;
    EXPECT_EQ(Bindings(Spirv(result.code)),
              (std::set<std::pair<uint32_t, uint32_t>>{{0, 256 + 3}, {0, 512 + 2}}));

    // A sampler read by tex2D is a sampler state in s3 and a texture in t3.
    file =
        scratch.Write("legacy.hlsl", "sampler2D colorMap : register(s3);\n"
                                     "float4 PSMain(float4 p : SV_Position) : SV_Target {\n"
                                     "    return tex2D(colorMap, p.xy) + tex2Dproj(colorMap, p);\n"
                                     "}\n");
    result = Compile(file, "PSMain", "ps_5_0");
    ASSERT_EQ(result.hr, S_OK) << result.errors;
    EXPECT_EQ(Bindings(Spirv(result.code)),
              (std::set<std::pair<uint32_t, uint32_t>>{{0, 256 + 3}, {0, 512 + 3}}));
}

TEST(CompileSources, NonAsciiNamesAndByteOrderMarks) {
    ScratchDirectory scratch("names");
    const std::string utf8Name = "caf\xC3\xA9.hlsl"; // "café.hlsl"
    std::string file = scratch.Write(utf8Name, "\xEF\xBB\xBF" + std::string(kTrivialPixelShader));
    const std::string directory = scratch.path().string() + "/";

    // Proper UTF-16/32: the code point U+00E9.
    std::wstring wide = Wide(directory) + L"caf\u00E9.hlsl";
    ID3DBlob* code = nullptr;
    ID3DBlob* errors = nullptr;
    EXPECT_EQ(D3DCompileFromFile(wide.c_str(), nullptr, D3D_COMPILE_STANDARD_FILE_INCLUDE, "PSMain",
                                 "ps_5_0", 0, 0, &code, &errors),
              S_OK)
        << (errors ? static_cast<const char*>(errors->GetBufferPointer()) : "");
    ASSERT_NE(code, nullptr);
    code->Release();

    // Each byte of the UTF-8 name widened on its own, as the system does.
    CompileResult widened = Compile(file, "PSMain", "ps_5_0");
    EXPECT_EQ(widened.hr, S_OK) << widened.errors;

    // The same bytes sign-extended, as a plain char-to-wchar_t copy gives them.
    std::wstring signExtended(file.begin(), file.end());
    EXPECT_EQ(D3DCompileFromFile(signExtended.c_str(), nullptr, D3D_COMPILE_STANDARD_FILE_INCLUDE,
                                 "PSMain", "ps_5_0", 0, 0, &code, nullptr),
              S_OK);
    ASSERT_NE(code, nullptr);
    code->Release();
    code = nullptr;

    const wchar_t unpaired[] = {L'a', wchar_t(0xD800), L'.', L'h', 0};
    EXPECT_EQ(
        D3DCompileFromFile(unpaired, nullptr, nullptr, "PSMain", "ps_5_0", 0, 0, &code, nullptr),
        E_INVALIDARG);
    EXPECT_EQ(code, nullptr);
}

TEST(CompileSignatures, RenderTargetsKeepTheirIndices) {
    ScratchDirectory scratch("targets");
    std::string file = scratch.Write(
        "mrt.hlsl", "struct Out { float4 albedo : SV_Target2; float2 extra : SV_Target0; };\n"
                    "Out PSMain(float4 p : SV_Position, float3 n : TEXCOORD4) {\n"
                    "    Out o; o.albedo = p; o.extra = n.xy; return o;\n"
                    "}\n");
    CompileResult result = Compile(file, "PSMain", "ps_5_0");
    ASSERT_EQ(result.hr, S_OK) << result.errors;
    std::vector<dxbc::SignatureElement> outputs =
        Signature(result.code, dxbc::kOutputSignatureChunk);
    ASSERT_EQ(outputs.size(), 2u);
    EXPECT_EQ(outputs[0].semanticIndex, 0u);
    EXPECT_EQ(outputs[0].registerIndex, 0u);
    EXPECT_EQ(outputs[0].mask, 0x3);
    EXPECT_EQ(outputs[1].semanticName, "SV_Target");
    EXPECT_EQ(outputs[1].semanticIndex, 2u);
    EXPECT_EQ(outputs[1].registerIndex, 2u);

    std::vector<dxbc::SignatureElement> inputs = Signature(result.code, dxbc::kInputSignatureChunk);
    ASSERT_EQ(inputs.size(), 2u);
    EXPECT_EQ(inputs[0].semanticName, "TEXCOORD");
    EXPECT_EQ(inputs[0].semanticIndex, 4u);
    EXPECT_EQ(inputs[1].semanticName, "SV_Position");
    EXPECT_EQ(inputs[1].systemValue, uint32_t(D3D_NAME_POSITION));
}

// A bool written to a render target is carried as a 32-bit unsigned integer,
// as any bool in a signature; a bool system value stays what it is.
TEST(CompileSignatures, BoolTargetsAreUnsignedIntegers) {
    ScratchDirectory scratch("bool_targets");
    std::string file = scratch.Write(
        "bool.hlsl", "struct Out { bool covered : SV_Target0; bool2 flags : SV_Target1; };\n"
                     "Out PSMain(float4 p : SV_Position, bool front : SV_IsFrontFace) {\n"
                     "    Out o; o.covered = p.x > 1; o.flags = bool2(front, true); return o;\n"
                     "}\n");
    CompileResult result = Compile(file, "PSMain", "ps_5_0");
    ASSERT_EQ(result.hr, S_OK) << result.errors;
    std::vector<dxbc::SignatureElement> outputs =
        Signature(result.code, dxbc::kOutputSignatureChunk);
    ASSERT_EQ(outputs.size(), 2u);
    for (const dxbc::SignatureElement& output : outputs) {
        EXPECT_EQ(output.componentType, uint32_t(D3D_REGISTER_COMPONENT_UINT32))
            << "SV_Target" << output.semanticIndex;
    }
    EXPECT_EQ(outputs[0].mask | outputs[1].mask, 0x3);
}

} // namespace

namespace {

// A source whose pixel shader compiles around `body` (statements of a
// function returning float), with `globals` before it.
std::string WithShade(const std::string& globals, const std::string& body) {
    return globals + "float Shade(float y) {\n" + body +
           "\n}\nfloat4 PSMain(float4 p : SV_Position) : SV_Target { return Shade(p.x); }\n";
}

TEST(CompileRefusals, WindowsRulesRefuseOnlyWhatWindowsRefuses) {
    ScratchDirectory scratch("rules");
    struct Case {
        std::string source;
        const char* expected; // nullptr: compiles
    };
    const Case cases[] = {
        // Constant conditions are folded before the paths are judged.
        {WithShade("", "if (1 > 2) { return y; } else if (true) { return 0.5; }"), nullptr},
        {WithShade("", "if (2 > 1 && 0) { return y; }"), "error X3507"},
        // Only integer constants divided by a constant zero are refused.
        {WithShade("", "return y * 4 / 0 + 1.0 / 0 + 8 / (1 << 2);"), nullptr},
        {WithShade("", "return (3 + 4) / (2 - 2);"),
         "error X4010: Unsigned integer divide by zero"},
        {WithShade("", "return -7 % 0;"), "error X4010: Unsigned integer divide by zero"},
        {WithShade("", "return -2147483648 / -1;"), nullptr},
        // Usages: each once; a local const has a value, a global one need not.
        {WithShade("const float kScale;\nvoid Twice(in out float v) { v *= 2; }\n",
                   "const float one = 1; Twice(y); return y * one;"),
         nullptr},
        {WithShade("void Twice(inout out float v) { v *= 2; }\n", "Twice(y); return y;"),
         "error X3048"},
        {WithShade("", "static const float k[2]; return y;"), "error X3012"},
        // Loop attributes alone, or that agree.
        {WithShade("", "float s = 0; [unroll(2)] for (int i = 0; i < 2; i++) s += y;\n"
                       "[loop] while (s > 4) s -= 1; return s;"),
         nullptr},
        {WithShade("", "float s = 0; [Unroll] [FastOpt] for (int i = 0; i < 2; i++) s += y; "
                       "return s;"),
         "can't use fastopt and unroll attributes together"},
        {WithShade("[earlydepthstencil] [EarlyDepthStencil]\nfloat Unused() { return 1; }\n",
                   "return y;"),
         "duplicate attribute 'EarlyDepthStencil'"},
        // Registers: profile-specific pairs are no conflict; the class must fit the type.
        {WithShade("SamplerState s : register(ps, s0) : register(vs, s1);\n", "return y;"),
         nullptr},
        {WithShade("SamplerState s : register(t0);\nTexture2D t : register(s1);\n", "return y;"),
         nullptr},
        {WithShade("RWTexture2D<float4> u : register(t0);\n", "return y;"),
         "UAV requires a 'u' register"},
        {WithShade("tbuffer T : register(b0) { float4 v; };\n", "return y;"),
         "expected 't' binding"},
        // Packed members on separate components, in either matrix order.
        {WithShade("cbuffer C { float2x4 m[2] : packoffset(c0); float t : packoffset(c4.x); "
                   "float3 v : packoffset(c5.y); };\n",
                   "return y + t + v.x + m[0][0][0];"),
         nullptr},
        {WithShade("cbuffer C { row_major float2x4 m : packoffset(c0); float t : packoffset(c1.w); "
                   "};\n",
                   "return y + t + m[0][0];"),
         "error X4019"},
        {WithShade("cbuffer C { float t : packoffset(c0.q); };\n", "return y + t;"),
         "register or offset bind c0.q not valid"},
        // Overloads: an exact match wins; two candidates reached by dropping components tie.
        {WithShade("int G(int i) { return i; }\nint G(int2 i) { return i.x; }\n",
                   "int2 v = 1; int w = 2; return y * G(v) * G(w);"),
         nullptr},
        {WithShade("int G(int i) { return i; }\nint G(int2 i) { return i.x; }\n",
                   "int4 v = 1; return y * G(v);"),
         "error X3067: 'G': ambiguous function call"},
        // Constants: a case label or thread count may name a constant, not a variable or
        // nothing at all.
        {WithShade("static const int kTwo = 2;\n[numthreads(kTwo, 1, 1)]\nfloat Unused() "
                   "{ return 1; }\n",
                   "switch ((int)y) { case kTwo: return 1; default: return y; }"),
         nullptr},
        {WithShade("", "int k = 2; switch ((int)y) { case k: return 1; default: return y; }"),
         "case label must be a literal expression"},
        {WithShade("[numthreads(kMissing, 1, 1)]\nfloat Unused() { return 1; }\n", "return y;"),
         "error X3004: undeclared identifier 'kMissing'"},
        {WithShade("float Named(float v, string name) { return v; }\n", "return Named(y, 1);"),
         "string parameters are not supported"},
    };
    for (const Case& c : cases) {
        const std::string file = scratch.Write("rule.hlsl", c.source);
        CompileResult result = Compile(file, "PSMain", "ps_5_0");
        if (c.expected == nullptr) {
            EXPECT_EQ(result.hr, S_OK) << c.source << result.errors;
            continue;
        }
        EXPECT_EQ(result.hr, E_FAIL) << c.source;
        EXPECT_TRUE(Mentions(result.errors, file + "("));
        EXPECT_TRUE(Mentions(result.errors, c.expected)) << c.source;
    }
}

TEST(CompileRefusals, RegistersSharedOnlyByWhatTheEntryPointUses) {
    ScratchDirectory scratch("shared");
    const std::string file =
        scratch.Write("shared.hlsl",
                      "Texture2D a : register(t0);\n"
                      "Texture2D b[2] : register(t1);\n"
                      "Texture2D c : register(t2);\n"
                      "SamplerState s : register(s0);\n"
                      "float4 ReadC(float2 uv) { return c.Sample(s, uv); }\n"
                      "float4 First(float4 p : SV_Position) : SV_Target { return a.Sample(s, p.xy) "
                      "+ b[0].Sample(s, p.xy); }\n"
                      "float4 Second(float4 p : SV_Position) : SV_Target { return b[1].Sample(s, "
                      "p.xy) + ReadC(p.xy); }\n");
    CompileResult first = Compile(file, "First", "ps_5_0");
    EXPECT_EQ(first.hr, S_OK) << first.errors;
    CompileResult second = Compile(file, "Second", "ps_5_0");
    EXPECT_EQ(second.hr, E_FAIL);
    EXPECT_TRUE(Mentions(second.errors, file + "(3,"));
    EXPECT_TRUE(Mentions(second.errors, "overlapping register semantics not yet implemented 't2'"));
}

TEST(CompileSources, EffectSyntaxAndLegacyNamesKeepTheirLines) {
    ScratchDirectory scratch("effects");
    const std::string file =
        scratch.Write("effects.hlsl",
                      "Texture2D t : register(t0) < string Name = \"t\"; > { Filter = LINEAR; };\n"
                      "SamplerState s\n"
                      "{\n"
                      "    AddressU = Wrap;\n"
                      "};\n"
                      "static const FLOAT k < float Min = 0; > = 0.5;\n"
                      "float4 PSMain(float4 p : SV_Position) : SV_Target {\n"
                      "    return t.Sample(s, p.xy) * k * missingName;\n"
                      "}\n");
    CompileResult result = Compile(file, "PSMain", "ps_5_0");
    EXPECT_EQ(result.hr, E_FAIL);
    EXPECT_TRUE(Mentions(result.errors, file + "(8"));
    EXPECT_TRUE(Mentions(result.errors, "undeclared identifier 'missingName'"));
    EXPECT_FALSE(Mentions(result.errors, file + "(1"));
}

TEST(CompileSources, ModifierWordsNameVariablesWhereNoModifierStands) {
    ScratchDirectory scratch("modifier-names");
    const std::string file =
        scratch.Write("names.hlsl", "SamplerState s { Filter = point; };\n"
                                    "struct Edge { float line; };\n"
                                    "float4 PSMain(float4 p : SV_Position) : SV_Target {\n"
                                    "    precise float precise = p.x;\n"
                                    "    Edge edge;\n"
                                    "    edge.line = precise;\n"
                                    "#line 40\n"
                                    "    float point = edge.line * 2.0, triangle = point;\n"
                                    "    return float4(point, triangle, edge.line, missingName);\n"
                                    "}\n");
    CompileResult result = Compile(file, "PSMain", "ps_5_0");
    // The names compile, the directive and the state block are left whole:
    // the first error is the undeclared name, on the line #line numbered,
    // its columns read from the line the directive renumbered.
    EXPECT_EQ(
        result.errors.find(file + "(41,47-57): error X3004: undeclared identifier 'missingName'"),
        0u)
        << result.errors;
}

TEST(CompileSources, ConditionalChoicesInPreprocessorConditions) {
    ScratchDirectory scratch("choices");
    // Only the branch whose condition holds declares PSMain without an error.
    const std::string file = scratch.Write(
        "choices.hlsl", "#define N 3\n"
                        "#if (N > 2 ? N << 1 : 0) != 6 || (0 ? 1 : N ? 2 : 3) != 2\n"
                        "float4 PSMain() : SV_Target { return wrongBranch; }\n"
                        "#elif defined(N) ? (N >= 3 ? 1 : 0) : 0 // a ? in a comment\n"
                        "float4 PSMain() : SV_Target { return 1; }\n"
                        "#else\n"
                        "float4 PSMain() : SV_Target { return elseBranch; }\n"
                        "#endif\n");
    CompileResult result = Compile(file, "PSMain", "ps_5_0");
    EXPECT_EQ(result.hr, S_OK) << result.errors;
}

TEST(CompileRefusals, BodiesInsideBodiesAndMembersNamedTwice) {
    ScratchDirectory scratch("nesting");
    const struct {
        const char* source;
        const char* line; // "" where Windows compiles it
    } cases[] = {
        // The first function's closing brace is missing.
        {"float Half(float y)\n{\n    return y * 0.5;\n"
         "float4 PSMain() : SV_Target\n{\n    return Half(1);\n}\n",
         "(5,1-1): error X3000: syntax error: unexpected token '{'"},
        {"struct Light\n{\n    float strength;\n    float3 colour, strength;\n};\n"
         "float4 PSMain() : SV_Target\n{\n    Light l = (Light)0;\n    return l.strength;\n}\n",
         "(4,20-27): error X3003: redefinition of 'strength'"},
        // Methods, blocks, conditions and loops open bodies of their own.
        {"struct Light\n{\n    float strength;\n    float Twice() { return strength * 2; }\n};\n"
         "float4 PSMain(float4 p : SV_Position) : SV_Target\n{\n    Light l;\n"
         "    l.strength = p.x;\n    if (p.x > 0) { l.strength = 1; } else if (p.y > 0) {\n"
         "        for (int i = 0; i < 2; ++i) { l.strength += 1; }\n    }\n"
         "    { float inner = l.Twice(); return inner; }\n}\n",
         ""},
    };
    for (const auto& c : cases) {
        ExpectCaseMessage(scratch, c.source, c.line);
    }
}

TEST(CompileSources, PastesJoiningNumbersKeepTheLinesAfterThem) {
    ScratchDirectory scratch("pastes");
    const std::string file =
        scratch.Write("pastes.hlsl", "#define JOIN(a, b) a##b\n"
                                     "#define HALF 0.5\n"
                                     "float4 PSMain() : SV_Target\n"
                                     "{\n"
                                     "    float value7 = 7;\n"
                                     "    float sum = JOIN(1, 5) + JOIN(2, .5) + JOIN(value, 7);\n"
                                     "    float spread = JOIN(1,\n"
                                     "                        0) * HALF;\n"
                                     "    return sum + spread + missingName;\n"
                                     "}\n");
    CompileResult result = Compile(file, "PSMain", "ps_5_0");
    // The joined numbers compile; the call over two lines keeps them two.
    EXPECT_EQ(
        result.errors.find(file + "(9,27-37): error X3004: undeclared identifier 'missingName'"),
        0u)
        << result.errors;
}

TEST(CompileRefusals, ArrayDimensionsFromOneTo65536) {
    ScratchDirectory scratch("dimensions");
    // Each declaration follows "static const int kNegative = 2 - 5;" on
    // line 1 and "float4 PSMain(...) {" on line 2.
    const struct {
        const char* declaration;
        const char* line; // "" where the size is allowed
    } cases[] = {
        {"float a[0];", "(3,13-13): error X3059: array dimension must be between 1 and 65536"},
        {"float a[65537];", "(3,13-17): error X3059: array dimension must be between 1 and 65536"},
        {"float a[2][256 * 512];",
         "(3,16-18): error X3059: array dimension must be between 1 and 65536"},
        {"float a[kNegative];",
         "(3,13-21): error X3059: array dimension must be between 1 and 65536"},
        // Refused as Windows refuses them, not stopped for the memory their
        // elements would take.
        {"float a[100000000];",
         "(3,13-21): error X3059: array dimension must be between 1 and 65536"},
        {"float a[100000000] = {1};",
         "(3,13-21): error X3059: array dimension must be between 1 and 65536"},
        {"struct S { float m[100000000]; };",
         "(3,24-32): error X3059: array dimension must be between 1 and 65536"},
        {"float a[65536];", ""},
        {"float a[2][3];\n    a[1][2] = p.x;", ""},
    };
    for (const auto& c : cases) {
        ExpectCaseMessage(scratch,
                          std::string("static const int kNegative = 2 - 5;\n"
                                      "float4 PSMain(float4 p : SV_Position) : SV_Target {\n    ") +
                              c.declaration + "\n    return p;\n}\n",
                          c.line);
    }
}

TEST(CompileSignatures, StructParameterSemanticsCascadeToTheMembers) {
    ScratchDirectory scratch("cascade");
    const std::string file = scratch.Write(
        "cascade.hlsl", "struct Surface { float4 a; float2 b[2]; float c : COLOR; };\n"
                        "float4 PSMain(float4 p : SV_Position, Surface s : TEXCOORD2) : SV_Target "
                        "{ return s.a + s.b[0].x + s.b[1].y + s.c + p; }\n"
                        "float4 Twice(Surface s : TEXCOORD0, Surface t : TEXCOORD4) : SV_Target "
                        "{ return s.a + t.a; }\n");
    CompileResult result = Compile(file, "PSMain", "ps_5_0");
    ASSERT_EQ(result.hr, S_OK) << result.errors;
    std::map<std::string, uint32_t> semantics; // "TEXCOORD3" -> register
    for (const dxbc::SignatureElement& element :
         Signature(result.code, dxbc::kInputSignatureChunk)) {
        semantics[element.semanticName + std::to_string(element.semanticIndex)] =
            element.registerIndex;
    }
    std::string found;
    for (const auto& [semantic, reg] : semantics) {
        found += semantic + " ";
    }
    for (const char* expected : {"TEXCOORD2", "TEXCOORD3", "TEXCOORD4", "COLOR0", "SV_Position0"}) {
        EXPECT_EQ(semantics.count(expected), 1u) << expected << " among " << found;
    }

    // One struct under two semantics: which member takes which is not read here.
    result = Compile(file, "Twice", "ps_5_0");
    EXPECT_EQ(result.hr, E_FAIL);
    EXPECT_TRUE(Mentions(result.errors, "is missing a semantic"));
}

TEST(CompileSources, HugeSemanticIndexIsNoCrash) {
    ScratchDirectory scratch("semantic");
    const std::string file =
        scratch.Write("index.hlsl", "float4 PSMain(float4 p : TEXCOORD99999999999999999999) : "
                                    "SV_Target { return p; }\n");
    CompileResult result = Compile(file, "PSMain", "ps_5_0");
    EXPECT_NE(result.hr, E_OUTOFMEMORY);
}

// vector<T, N> and matrix<T, R, C> are read as the type names they stand for,
// and an error after one on its line still names the source's columns.
TEST(CompileErrors, TemplateTypesKeepTheColumnsAfterThem) {
    ScratchDirectory scratch("templates");
    std::string file = scratch.Write("template.hlsl", "float4 PSMain() : SV_Target {\n"
                                                      "    vector<float, 3> v = brightnes;\n"
                                                      "    return float4(v, 1);\n"
                                                      "}\n");
    CompileResult result = Compile(file, "PSMain", "ps_5_0");
    EXPECT_EQ(result.hr, E_FAIL);
    EXPECT_TRUE(
        Mentions(result.errors, "(2,26-34): error X3004: undeclared identifier 'brightnes'"));

    std::string fine =
        scratch.Write("fine.hlsl", "matrix<uint, 2, 2> Make(vector<uint, 2> row) {\n"
                                   "    return matrix<uint, 2, 2>(row, row * 2u);\n"
                                   "}\n"
                                   "float4 PSMain() : SV_Target {\n"
                                   "    matrix m = (matrix)0;\n"
                                   "    return float4(Make(uint2(1, 2))[1], m._11, m._44);\n"
                                   "}\n");
    result = Compile(fine, "PSMain", "ps_5_0");
    EXPECT_EQ(result.hr, S_OK) << result.errors;
}

} // namespace

TEST(CompileRefusals, EmptyMacroArgumentsWhereTheCallIsCompiled) {
    ScratchDirectory scratch("macro_arguments");
    const std::string defines = "#define ADD(a, b) ((a) + (b))\n";
    const std::string file = scratch.Write(
        "empty.hlsl",
        defines + "float4 PSMain() : SV_Target\n{\n    return ADD(1, ) * float4(1, 1, 1, 1);\n}\n");
    CompileResult result = Compile(file, "PSMain", "ps_5_0");
    EXPECT_EQ(result.hr, E_FAIL);
    EXPECT_EQ(result.errors,
              file + "(4,12): error X1516: not enough actual parameters for macro 'ADD'\n");

    // A call in a branch the preprocessor leaves out is no call; in a
    // condition, a function-like macro's name alone reads 0.
    const std::string skipped = scratch.Write(
        "skipped.hlsl", defines +
                            "#if ADD\nfloat4 PSMain() : SV_Target { return ADD(, 1); }\n#else\n" +
                            std::string(kTrivialPixelShader) + "#endif\n");
    result = Compile(skipped, "PSMain", "ps_5_0");
    EXPECT_EQ(result.hr, S_OK) << result.errors;
}
