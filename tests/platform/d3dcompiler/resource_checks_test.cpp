// How resource and sampler objects' calls and indexes are judged before
// glslang: what shader model 5.0 wants as literals, and calls no overload takes.
#include "shader_reflection.h"

#include <d3dcompiler.h>

#include <gtest/gtest.h>

namespace {

using namespace shader_reflection;

struct Case {
    std::string source;
    const char* expected; // nullptr: compiles
    int line = 0;         // where the error is reported, when given
};

void ExpectVerdicts(ScratchDirectory& scratch, const Case* cases, size_t count,
                    const char* entry = "PSMain", const char* target = "ps_5_0") {
    for (size_t i = 0; i < count; ++i) {
        SCOPED_TRACE(cases[i].source);
        const std::string file =
            scratch.Write("case" + std::to_string(i) + ".hlsl", cases[i].source);
        const CompileResult result = Compile(file, entry, target);
        if (cases[i].expected == nullptr) {
            EXPECT_EQ(result.hr, S_OK) << result.errors;
        } else {
            EXPECT_EQ(result.hr, E_FAIL);
            EXPECT_TRUE(Mentions(result.errors, cases[i].expected));
            const std::string at = ".hlsl(" + std::to_string(cases[i].line) + ",";
            EXPECT_TRUE(cases[i].line == 0 || result.errors.find(at) != std::string::npos)
                << result.errors;
        }
    }
}

constexpr char kTextures[] = "Texture2D<float> maps[2] : register(t0);\n"
                             "SamplerState nearest : register(s0);\n"
                             "cbuffer Choice : register(b0) { uint chosen; int shift; };\n"
                             "struct Input { float4 position : SV_Position; int2 step : STEP; };\n";

std::string PixelShader(const std::string& helpers, const std::string& body) {
    return std::string(kTextures) + helpers + "float4 PSMain(Input input) : SV_Target {\n" + body +
           "\n}\n";
}

TEST(ResourceLiterals, IndexesAndOffsetsThatFoldToLiteralsCompile) {
    ScratchDirectory scratch("resource_literals_folded");
    const Case cases[] = {
        // A name the program sets in one function does not taint another's local.
        {PixelShader("float4 First() { uint i = chosen; return i; }\n",
                     "uint i = 1; return First() + maps[i].Load(int3(0, 0, 0));"),
         nullptr},
        // A helper's parameter is a literal once the call is inlined.
        {PixelShader("float Read(uint i) { return maps[i].Load(int3(0, 0, 0)); }\n",
                     "return Read(1);"),
         nullptr},
        // A loop without [loop] is unrolled, so its counter is a literal.
        {PixelShader("", "float s = 0; for (uint i = 0; i < 2; ++i) s += maps[i].Load(int3(0, "
                         "0, 0)); return s;"),
         nullptr},
        {PixelShader("static const int2 kStep = int2(-8, 7);\n",
                     "return maps[0].Sample(nearest, input.position.xy, kStep) + "
                     "maps[1].Load(int3(0, 0, 0), int2(1 - 9, 0x7));"),
         nullptr},
    };
    ExpectVerdicts(scratch, cases, std::size(cases));
}

TEST(ResourceLiterals, ValuesTheDrawGivesAreNoLiterals) {
    ScratchDirectory scratch("resource_literals_runtime");
    const Case cases[] = {
        {PixelShader("", "uint which = chosen % 2; return maps[which].Load(int3(0, 0, 0));"),
         "error X3512: sampler array index must be a literal expression", 6},
        {PixelShader("", "return maps[(uint)input.position.x].Load(int3(0, 0, 0));"),
         "error X3512"},
        // A global const without static is set by the program (X3207's words).
        {PixelShader("const uint kSecond = 1;\n", "return maps[kSecond].Load(int3(0, 0, 0));"),
         "error X3512"},
        {PixelShader("", "float s = 0; [loop] for (uint i = 0; i < 2; ++i) s += maps[i].Load("
                         "int3(0, 0, 0)); return s;"),
         "error X3512"},
        {PixelShader("", "return maps[0].Sample(nearest, input.position.xy, input.step);"),
         "error X4566: offset texture instructions must take offset which can "
         "resolve to integer literal in the range -8 to 7",
         6},
        {PixelShader("", "return maps[0].SampleLevel(nearest, input.position.xy, 0, "
                         "int2(shift, 0));"),
         "error X4566"},
        {PixelShader("", "return maps[1].Load(int3(0, 0, 0), int2(0, -9));"), "error X4566"},
    };
    ExpectVerdicts(scratch, cases, std::size(cases));
}

TEST(ResourceCalls, ArgumentsNoOverloadTakes) {
    ScratchDirectory scratch("resource_calls");
    const std::string objects = "Texture2D<float> image : register(t0);\n"
                                "TextureCube<float> sky : register(t1);\n"
                                "SamplerState plain : register(s0);\n"
                                "SamplerComparisonState less : register(s1);\n"
                                "ByteAddressBuffer raw : register(t2);\n";
    const auto shader = [&](const std::string& body) {
        return objects + "float4 PSMain(float2 uv : UV) : SV_Target {\n" + body + "\n}\n";
    };
    const Case cases[] = {
        {shader("uint w, h, l; image.GetDimensions(0, w, h, l); sky.GetDimensions(w, h);"
                "return image.SampleCmp(less, uv, 0.5) + image.Sample(plain, uv, int2(1, 0)) + "
                "raw.Load(0) + image.GatherCmp(less, uv, 0.5);"),
         nullptr},
        {shader("uint w, h; sky.GetDimensions(0, w, h); return w;"),
         "error X3013: 'GetDimensions': no matching 3 parameter intrinsic method", 7},
        {shader("return raw.Load2();"), "error X3013: 'Load2': no matching 0 parameter"},
        {shader("return image.SampleCmpLevelZero(plain, uv, 0.5);"),
         "error X3013: 'SampleCmpLevelZero': no matching 3 parameter intrinsic method"},
        {shader("return image.CalculateLevelOfDetail(image, uv);"),
         "error X3013: 'CalculateLevelOfDetail': no matching 2 parameter"},
        // A name that is a texture in one function and a float in another is
        // left to glslang, which knows scopes.
        {objects + "float Other() { float raw = 2; return raw; }\n"
                   "float4 PSMain() : SV_Target { return raw.Load(0) + Other(); }\n",
         nullptr},
    };
    ExpectVerdicts(scratch, cases, std::size(cases));
}

TEST(ResourceCalls, InterlockedDestinationsMustBeWritable) {
    ScratchDirectory scratch("resource_interlocked");
    const auto shader = [](const std::string& body) {
        return "StructuredBuffer<uint> readable : register(t0);\n"
               "RWStructuredBuffer<uint> writable : register(u0);\n"
               "groupshared uint total;\n"
               "[numthreads(1, 1, 1)] void CSMain() {\n" +
               body + "\n}\n";
    };
    const Case cases[] = {
        {shader("uint before; InterlockedAdd(writable[0], readable[1], before); "
                "InterlockedMax(total, before);"),
         nullptr},
        {shader("InterlockedOr(readable[0], 1);"),
         "(5,15-22): error X3025: l-value specifies const "
         "object"},
    };
    ExpectVerdicts(scratch, cases, std::size(cases), "CSMain", "cs_5_0");
}

TEST(ResourceSlots, PixelShaderUavsStartPastItsTargets) {
    ScratchDirectory scratch("resource_slots");
    const Case cases[] = {
        {"RWBuffer<uint> written : register(u1);\n"
         "RWBuffer<uint> unused : register(u0);\n"
         "float4 PSMain() : SV_Target { written[0] = 1; return 0; }\n",
         nullptr},
        // No render target: every slot is the UAVs'.
        {"RWBuffer<uint> written : register(u0);\n"
         "float PSMain() : SV_Depth { written[0] = 1; return 0; }\n",
         nullptr},
        {"RWTexture2D<float> written[2] : register(u1);\n"
         "struct Out { float4 a : SV_Target0; float4 b : SV_TARGET1; };\n"
         "Out PSMain() { written[1][uint2(0, 0)] = 1; Out o; o.a = 0; o.b = 0; return o; }\n",
         "error X4509: UAV registers live in the same name space as outputs, so they must be bound "
         "to at least u2, manual bind to slot u1 failed",
         1},
    };
    ExpectVerdicts(scratch, cases, std::size(cases));
    // A compute shader has no targets.
    const Case compute[] = {{"RWBuffer<uint> written : register(u0);\n"
                             "[numthreads(1, 1, 1)] void CSMain() { written[0] = 1; }\n",
                             nullptr}};
    ExpectVerdicts(scratch, compute, std::size(compute), "CSMain", "cs_5_0");
}

// cs_4_0 and cs_4_1 have one UAV slot (fxc's words as shader-slang issue 1639
// quotes them); shader model 5.0 has 64.
TEST(ResourceSlots, ComputeShaderFourHasOneUavSlot) {
    ScratchDirectory scratch("uav_slot_count");
    const std::string twoUavs =
        "RWStructuredBuffer<float> first : register(u0);\n"
        "RWStructuredBuffer<float> second : register(u1);\n"
        "[numthreads(1, 1, 1)] void CSMain() { first[0] = 1; second[0] = 2; }\n";
    const Case fourZero[] = {{twoUavs,
                              "(2,45-46): error X4509: maximum UAV register index exceeded, target "
                              "has 1 slots, manual bind to slot u1 failed"}};
    ExpectVerdicts(scratch, fourZero, std::size(fourZero), "CSMain", "cs_4_0");
    const Case fiveZero[] = {{twoUavs, nullptr}};
    ExpectVerdicts(scratch, fiveZero, std::size(fiveZero), "CSMain", "cs_5_0");
}

} // namespace
