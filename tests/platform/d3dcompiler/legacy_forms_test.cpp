// What a shader compile makes of effect-era syntax: the statements only
// effects read blanked with every other token left in place, and the calls of
// the first shader models' sampling intrinsics that no overload takes.
#include "effect_objects.h"
#include "global_matrix_packing.h"
#include "legacy_sampling_checks.h"
#include "packoffset_checks.h"
#include "profile_registers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace d3dcompiler_standin {
namespace {

// The source with its effect statements blanked.
std::string Blanked(const std::string& source, std::vector<HlslToken>* tokens = nullptr) {
    std::vector<HlslToken> read = TokenizePreprocessedHlsl(source, "s.hlsl");
    std::string spelled;
    BlankEffectObjects(source, &spelled, &read);
    if (tokens != nullptr) {
        *tokens = read;
    }
    return spelled;
}

TEST(EffectObjects, BlocksAndObjectsBlankedOtherTokensKept) {
    const std::string source = "technique11 T < string n = \"a;b\"; > { pass P {\n"
                               "  SetPixelShader(CompileShader(ps_5_0, PSMain())); } };\n"
                               "BlendState b { BlendEnable[0] = TRUE; };\n"
                               "PixelShader ps = CompileShader(ps_5_0, PSMain());\n"
                               "fxgroup g { technique11 { pass { } } }\n"
                               "float4 kept;\n";
    std::vector<HlslToken> tokens;
    const std::string blanked = Blanked(source, &tokens);
    ASSERT_EQ(blanked.size(), source.size());
    EXPECT_EQ(blanked.find("technique"), std::string::npos) << blanked;
    EXPECT_EQ(blanked.find("BlendState"), std::string::npos) << blanked;
    EXPECT_EQ(blanked.find("CompileShader"), std::string::npos) << blanked;
    EXPECT_EQ(blanked.find("fxgroup"), std::string::npos) << blanked;
    // Newlines stay, so later tokens keep their lines and offsets.
    EXPECT_EQ(std::count(blanked.begin(), blanked.end(), '\n'), 6);
    ASSERT_EQ(tokens.size(), 3u);
    EXPECT_EQ(tokens[1].text, "kept");
    EXPECT_EQ(tokens[1].offset, source.find("kept"));
    EXPECT_EQ(tokens[1].line, 6u);
}

TEST(EffectObjects, WhatShadersUseIsLeftAlone) {
    // A texture variable read outside "< >", a type of the source's own that
    // ends in Shader, locals inside a function and a name after a call.
    const std::string source = "texture used;\n"
                               "texture stateOnly;\n"
                               "sampler2D s = sampler_state { Texture = <stateOnly>; };\n"
                               "struct PostShader { float x; };\n"
                               "PostShader post;\n"
                               "float F() { BlendState local; return Use(used); }\n";
    const std::string blanked = Blanked(source);
    EXPECT_NE(blanked.find("texture used;"), std::string::npos) << blanked;
    EXPECT_EQ(blanked.find("texture stateOnly;"), std::string::npos) << blanked;
    EXPECT_NE(blanked.find("PostShader post;"), std::string::npos) << blanked;
    EXPECT_NE(blanked.find("BlendState local;"), std::string::npos) << blanked;
}

TEST(EffectObjects, UnfinishedStatementsStay) {
    // A block or declaration that never ends is left for the parser to refuse.
    for (const std::string source :
         {"technique11 T { pass {", "BlendState b { X = 1; }", "technique11", "VertexShader"}) {
        EXPECT_EQ(Blanked(source), source);
    }
}

std::string SamplingErrors(const std::string& source) {
    std::string errors;
    CheckLegacySamplingCalls(TokenizePreprocessedHlsl(source, "s.hlsl"), &errors);
    return errors;
}

TEST(LegacySamplingChecks, ArgumentCountsPerForm) {
    const std::string taken =
        "sampler2D s; samplerCUBE c;\n"
        "float4 F(float4 t) { return tex2D(s, t.xy) + tex2D(s, t.xy, t.xy, t.zw)"
        " + tex2Dlod(s, t) + tex2Dgrad(s, t.xy, t.xy, t.zw) + texCUBEbias(c, t)"
        " + tex2D(s, float2(F2(t.x, t.y), 0)); }\n";
    EXPECT_EQ(SamplingErrors(taken), "");
    const std::string errors = SamplingErrors("sampler2D s;\n"
                                              "float4 F(float4 t) {\n"
                                              "    return tex2D(s, t.xy, 1) + tex2Dlod(s, t, 0)\n"
                                              "         + tex2Dgrad(s, t.xy) + tex1D(); }\n");
    EXPECT_NE(errors.find("s.hlsl(3,12-16): error X3013: 'tex2D': no matching 3 parameter "
                          "intrinsic function"),
              std::string::npos)
        << errors;
    EXPECT_NE(errors.find("'tex2Dlod': no matching 3 parameter"), std::string::npos) << errors;
    EXPECT_NE(errors.find("'tex2Dgrad': no matching 2 parameter"), std::string::npos) << errors;
    EXPECT_NE(errors.find("'tex1D': no matching 0 parameter"), std::string::npos) << errors;
}

TEST(LegacySamplingChecks, TextureObjectsAndFunctionsOfTheSource) {
    const std::string errors = SamplingErrors("Texture2D<float4> image;\n"
                                              "float4 F(float2 uv) { return tex2D(image, uv); }\n");
    EXPECT_NE(errors.find("'tex2D': no matching 2 parameter intrinsic function"), std::string::npos)
        << errors;
    // The source's own tex2D takes what its parameters take.
    EXPECT_EQ(SamplingErrors("float4 tex2D(float a, float b, float c) { return a + b + c; }\n"
                             "float4 F() { return tex2D(1, 2, 3); }\n"),
              "");
}

TEST(PackOffsetChecks, OnlyParametersAreRefusedOutsideBuffers) {
    std::string errors;
    CheckPackOffsets(TokenizePreprocessedHlsl(
                         "float g : packoffset(c1);\n"
                         "float4 F(uniform float4 tint : packoffset(c2)) { return tint * g; }\n",
                         "s.hlsl"),
                     &errors);
    EXPECT_EQ(errors.find("s.hlsl(1"), std::string::npos) << errors;
    EXPECT_NE(errors.find("s.hlsl(2,32-41): error X3530: uniform parameters cannot be manually "
                          "offset"),
              std::string::npos)
        << errors;
}

// The source with the registers of other profiles than `stage`'s set aside.
std::string ForStage(const std::string& source, char stage) {
    std::vector<TextEdit> edits;
    SelectProfileRegisters(source, TokenizePreprocessedHlsl(source, "s.hlsl"), stage, &edits);
    std::string text = source;
    for (auto edit = edits.rbegin(); edit != edits.rend(); ++edit) {
        text.replace(edit->offset, edit->length, edit->text);
    }
    return text;
}

TEST(ProfileRegisters, EachStageTakesItsOwn) {
    const std::string source = "sampler s : register(vs, s8) : register(ps_5_0, s0);\n"
                               "float4 g : register(c1) : register(gs_4_0, c7);\n";
    const std::string pixel = ForStage(source, 'p');
    EXPECT_EQ(pixel.size(), source.size());
    EXPECT_EQ(pixel.find("s8"), std::string::npos) << pixel;
    EXPECT_NE(pixel.find(": register(        s0)"), std::string::npos) << pixel;
    EXPECT_NE(pixel.find("g : register(c1)"), std::string::npos) << pixel;
    EXPECT_EQ(pixel.find("c7"), std::string::npos) << pixel;
    const std::string vertex = ForStage(source, 'v');
    EXPECT_NE(vertex.find("register(    s8)"), std::string::npos) << vertex;
    EXPECT_EQ(vertex.find("s0"), std::string::npos) << vertex;
    // A name that is no profile is left to the register checks.
    EXPECT_EQ(ForStage("float g : register(space1, c0);\n", 'p'),
              "float g : register(space1, c0);\n");
}

TEST(GlobalMatrixPacking, EachGlobalTakesThePragmaInForceWhereDeclared) {
    const std::string source = "#pragma pack_matrix(row_major)\n"
                               "float2x2 a;\n"
                               "cbuffer C { float2x2 c; };\n"
                               "#pragma pack_matrix(column_major)\n"
                               "float2x2 b;\n"
                               "static float2x2 s;\n"
                               "int2x2 i;\n"
                               "float2x2 F(float2x2 p) { float2x2 l = p; return l; }\n";
    std::vector<TextEdit> edits;
    WriteGlobalMatrixPacking(source, TokenizePreprocessedHlsl(source, "s.hlsl"), &edits);
    ASSERT_EQ(edits.size(), 2u);
    EXPECT_EQ(edits[0].offset, source.find("float2x2 a"));
    EXPECT_EQ(edits[0].text, "row_major ");
    EXPECT_EQ(edits[1].offset, source.find("float2x2 b"));
    EXPECT_EQ(edits[1].text, "column_major ");
}

} // namespace
} // namespace d3dcompiler_standin
