// The warnings Windows' compiler prints on shaders it compiles, read from the
// token stream, and what `#pragma warning` and D3DCOMPILE_WARNINGS_ARE_ERRORS
// make of them.
#include "line_directives.h"
#include "source_warnings.h"
#include "warning_lines.h"

#include <gtest/gtest.h>

#include <string>

namespace d3dcompiler_standin {
namespace {

std::string WarningsOf(const std::string& source, const std::string& entryPoint = "PSMain") {
    ShaderTarget target{};
    target.stage = 'p';
    target.major = 5;
    return CollectSourceWarnings(TokenizePreprocessedHlsl(source, "s.hlsl"), entryPoint, target);
}

bool Has(const std::string& lines, const std::string& text) {
    return lines.find(text) != std::string::npos;
}

size_t Count(const std::string& lines, const std::string& text) {
    size_t count = 0;
    for (size_t at = lines.find(text); at != std::string::npos; at = lines.find(text, at + 1)) {
        ++count;
    }
    return count;
}

TEST(SourceWarnings, TruncationOfVectorsWhereTheFormTellsTheSize) {
    const std::string lines = WarningsOf("float F(float4 v) {\n"
                                         "    float2 a = v;\n"
                                         "    float3 b = float4(1, 2, 3, 4);\n"
                                         "    float2 c = v.xy;\n"
                                         "    float4 d = (float4)v;\n"
                                         "    a = b.xyz;\n"
                                         "    return v;\n"
                                         "}\n");
    EXPECT_TRUE(Has(lines, "s.hlsl(2,16-16): warning X3206: implicit truncation of vector type"))
        << lines;
    EXPECT_TRUE(Has(lines, "s.hlsl(3,16-33): warning X3206")) << lines;
    EXPECT_FALSE(Has(lines, "(4,")) << lines; // a swizzle of the right size
    EXPECT_FALSE(Has(lines, "(5,")) << lines; // no truncation
    EXPECT_TRUE(Has(lines, "s.hlsl(6,9-13): warning X3206")) << lines;
    EXPECT_TRUE(Has(lines, "s.hlsl(7,12-12): warning X3206")) << lines;
}

TEST(SourceWarnings, TruncationOfAnOperandOfAnotherSize) {
    const std::string lines = WarningsOf("float F(float4 v, float2 w, float s) {\n"
                                         "    float2 a = v + w;\n"
                                         "    float2 b = -w * s + w.yx;\n"
                                         "    float4 c = v * (w.x + s) - v.wzyx;\n"
                                         "    b = float3(1, 2, 3).xy / w + v.xyz * 0;\n"
                                         "    return a.x + b.y + c.z;\n"
                                         "}\n");
    EXPECT_TRUE(Has(lines, "s.hlsl(2,16-20): warning X3206")) << lines;
    EXPECT_FALSE(Has(lines, "(3,")) << lines; // a scalar and vectors of one size
    EXPECT_FALSE(Has(lines, "(4,")) << lines; // a group in brackets counts as one operand
    EXPECT_TRUE(Has(lines, "s.hlsl(5,9-42): warning X3206")) << lines;
}

TEST(SourceWarnings, TruncationOfWhatAnObjectGives) {
    const std::string lines = WarningsOf("Texture2D image;\n"
                                         "Texture2D<float2> pairs;\n"
                                         "ByteAddressBuffer raw;\n"
                                         "SamplerState s;\n"
                                         "float3 F(float2 uv) {\n"
                                         "    float2 a = image.Sample(s, uv);\n"
                                         "    float2 b = pairs.Sample(s, uv) + raw.Load2(0);\n"
                                         "    float2 c = raw.Load3(0);\n"
                                         "    float3 d = pairs.GatherRed(s, uv);\n"
                                         "    return image[uint2(0, 0)];\n"
                                         "}\n");
    EXPECT_TRUE(Has(lines, "s.hlsl(6,16-34): warning X3206")) << lines; // a default float4
    EXPECT_FALSE(Has(lines, "(7,")) << lines; // the element's and Load2's two components
    EXPECT_TRUE(Has(lines, "s.hlsl(8,16-")) << lines;
    EXPECT_TRUE(Has(lines, "s.hlsl(9,16-")) << lines;  // four components gathered
    EXPECT_TRUE(Has(lines, "s.hlsl(10,12-")) << lines; // an element of the default float4
}

TEST(SourceWarnings, ArgumentsAndValuesLongerThanWhatTakesThem) {
    const std::string lines = WarningsOf("float G(float3 c) { return c.x; }\n"
                                         "float dot(int2 a, int2 b) { return 1.0; }\n"
                                         "float F(float4 v, float3 w) {\n"
                                         "    float a = G(v * 2.0) + G(v.xyz) + G(w);\n"
                                         "    float3 n = normalize(v);\n"
                                         "    float3 m = lerp(w, v, 0.5) + (v - 1.0).xyz;\n"
                                         "    return a + dot(w, w) + n.x + m.x;\n"
                                         "}\n");
    EXPECT_TRUE(Has(lines, "s.hlsl(4,17-23): warning X3206")) << lines;
    EXPECT_EQ(Count(lines, "s.hlsl(4,"), 1u) << lines; // a swizzle of the parameter's length
    EXPECT_TRUE(Has(lines, "s.hlsl(5,16-27): warning X3206")) << lines;
    EXPECT_TRUE(Has(lines, "s.hlsl(6,24-24): warning X3206")) << lines; // lerp's longer vector
    EXPECT_FALSE(Has(lines, "(7,")) << lines; // the user's dot does not hide the intrinsic's
}

TEST(SourceWarnings, SignedDivisionsAndSignMismatchesWhereOperandsTellTheirTypes) {
    const std::string lines =
        WarningsOf("int standin_remainder_int(int a, int b) { return a / b; }\n"
                   "float F(int i, uint u, float f) {\n"
                   "    int a = i / 2 + f * i / 2 + 7 / 2 + (uint)i / 2;\n"
                   "    int b = standin_remainder_int(i, 3) + u / 2 + i / -2;\n"
                   "    bool c = i < u && i < 3 && u << 2 > 1 && i + 1 < u;\n"
                   "    return f / 0.0 + f / 2.0;\n"
                   "}\n");
    EXPECT_FALSE(Has(lines, "(1,")) << lines; // the rewrites' own helper
    EXPECT_TRUE(Has(lines, "s.hlsl(3,13-17): warning X3556: integer divides")) << lines;
    EXPECT_EQ(Count(lines, "s.hlsl(3,"), 1u) << lines; // f * i is a float, 7 / 2 folds, a cast
    // From the first operand to the last, which the line as written holds as "i % 3".
    EXPECT_TRUE(Has(lines, "s.hlsl(4,35-38): warning X3556: integer modulus")) << lines;
    EXPECT_TRUE(Has(lines, "s.hlsl(4,51-56): warning X3556: integer divides")) << lines;
    EXPECT_EQ(Count(lines, "s.hlsl(4,"), 2u) << lines; // u / 2 divides unsigned
    EXPECT_TRUE(Has(lines, "s.hlsl(5,14-18): warning X3203")) << lines;
    EXPECT_EQ(Count(lines, "X3203"), 1u) << lines; // not for a literal, a shift or a sum
    EXPECT_TRUE(Has(lines, "s.hlsl(6,12-18): warning X4008: floating point division by zero"))
        << lines;
    EXPECT_EQ(Count(lines, "X4008"), 1u) << lines;
}

TEST(SourceWarnings, EntryOutputsSomeComponentOfWhichIsNeverWritten) {
    const std::string source =
        "struct V { float4 p : SV_Position; float2 uv : UV; };\n"
        "void Fill(out float2 t) { t = 0; }\n"
        "void Main(out V o, out V whole, out float4 c : C, out float2 d : D,\n"
        "          inout float e : E, out float2 f : F) {\n"
        "    o.p = 1; o.uv.x = 2;\n"
        "    whole = (V)0; whole.uv.y = 3;\n"
        "    c.xy = 1; c.zw = c.xy;\n"
        "    Fill(d);\n"
        "}\n";
    const std::string lines = WarningsOf(source, "Main");
    EXPECT_TRUE(Has(lines, "s.hlsl(3,17-17): warning X3578: Output value 'o' is not completely "
                           "initialized"))
        << lines;
    EXPECT_TRUE(Has(lines, "s.hlsl(4,41-41): warning X3578: Output value 'f'")) << lines;
    EXPECT_EQ(Count(lines, "X3578"), 2u) << lines; // whole, c, d (a call writes it) and inout e
    EXPECT_FALSE(Has(WarningsOf(source, "Fill"), "X3578"));
}

TEST(SourceWarnings, DoublesGivenWhereFloatsAreDeclared) {
    const std::string lines = WarningsOf("float F(double d, double2 v, float f) {\n"
                                         "    float a = d;\n"
                                         "    f = v.x;\n"
                                         "    float b = (float)d;\n"
                                         "    double c = d;\n"
                                         "    half h = double(1.5);\n"
                                         "    float2 w = (double2)v + 1.0;\n"
                                         "    return d;\n"
                                         "}\n");
    EXPECT_TRUE(Has(lines, "s.hlsl(2,15-15): warning X3205: conversion from larger type to "
                           "smaller, possible loss of data"))
        << lines;
    EXPECT_TRUE(Has(lines, "s.hlsl(3,9-11): warning X3205")) << lines;
    EXPECT_FALSE(Has(lines, "(4,")) << lines; // converted explicitly
    EXPECT_FALSE(Has(lines, "(5,")) << lines; // double to double
    EXPECT_TRUE(Has(lines, "s.hlsl(6,14-24): warning X3205")) << lines;
    EXPECT_TRUE(Has(lines, "s.hlsl(7,16-31): warning X3205")) << lines;
    EXPECT_TRUE(Has(lines, "s.hlsl(8,12-12): warning X3205")) << lines;
    EXPECT_EQ(WarningsOf("float F(float f) { float a = f; return a; }\n"), "");
}

TEST(SourceWarnings, LoopVariablesDeclaredAgainAndLoopsThatRunOnce) {
    const std::string lines = WarningsOf("float F(int n) {\n"
                                         "    float s = 0;\n"
                                         "    for (int i = 0; i < 1; i++) s += 1;\n"
                                         "    for (int i = 0; i < 4; i++) s += 1;\n"
                                         "    for (int n = 3; n >= 3; --n) s += 1;\n"
                                         "    { for (int j = 0; j < 4; j++) s += 1; }\n"
                                         "    for (int j = 5; j < 2; j++) s += 1;\n"
                                         "    return s;\n"
                                         "}\n");
    EXPECT_TRUE(Has(lines, "s.hlsl(3,5-7): warning X3557: loop only executes for 1 iteration(s), "
                           "forcing loop to unroll"))
        << lines;
    EXPECT_TRUE(Has(lines, "s.hlsl(4,14-14): warning X3078: 'i': loop control variable conflicts "
                           "with a previous declaration in the outer scope; most recent "
                           "declaration will be used"))
        << lines;
    EXPECT_TRUE(Has(lines, "s.hlsl(5,14-14): warning X3078: 'n'")) << lines; // a parameter
    EXPECT_TRUE(Has(lines, "(5,5-7): warning X3557: loop only executes for 1 iteration")) << lines;
    EXPECT_FALSE(Has(lines, "'j'")) << lines; // the first j ended with its block
    EXPECT_TRUE(Has(lines, "(7,5-7): warning X3557: loop only executes for 0 iteration")) << lines;
    EXPECT_FALSE(Has(lines, "(4,5-7): warning X3557")) << lines;
}

TEST(SourceWarnings, PowersOfWhatMayBeNegative) {
    const std::string lines = WarningsOf("float F(float x, float e) {\n"
                                         "    return pow(x, e)\n"
                                         "         + pow(x, 2.0) + pow(x, -3)\n"
                                         "         + pow(abs(x), e) + pow(2.0, e)\n"
                                         "         + pow(x, 0.5);\n"
                                         "}\n");
    EXPECT_TRUE(Has(lines, "s.hlsl(2,12-20): warning X3571: pow(f, e) will not work for negative "
                           "f, use abs(f) or conditionally handle negative values if you expect "
                           "them"))
        << lines;
    EXPECT_FALSE(Has(lines, "(3,")) << lines;
    EXPECT_FALSE(Has(lines, "(4,")) << lines;
    EXPECT_TRUE(Has(lines, "(5,12-22): warning X3571")) << lines;
}

TEST(SourceWarnings, ReadsOfLocalsWrittenOnSomePathsOnly) {
    const std::string lines = WarningsOf("float F(float y) {\n"
                                         "    float a; float b; float c; float d; int e;\n"
                                         "    if (y > 0) a = 1;\n"
                                         "    if (y > 0) b = 1; else b = 2;\n"
                                         "    for (int i = 0; i < 2; i++) c = y;\n"
                                         "    d = y;\n"
                                         "    for (e = 0; e < 2; e++) d += y;\n"
                                         "    return a + b + c + d + e;\n"
                                         "}\n");
    EXPECT_TRUE(
        Has(lines, "s.hlsl(8,12-12): warning X4000: use of potentially uninitialized variable (a)"))
        << lines;
    EXPECT_FALSE(Has(lines, "variable (b)")) << lines;
    EXPECT_TRUE(Has(lines, "variable (c)")) << lines;
    EXPECT_FALSE(Has(lines, "variable (d)")) << lines;
    EXPECT_FALSE(Has(lines, "variable (e)")) << lines; // a for statement's first part runs
}

TEST(SourceWarnings, AttributesTheStatementOrStageDoesNotTake) {
    const std::string lines = WarningsOf("[numthreads(1, 1, 1)] float G() { return 1; }\n"
                                         "[earlydepthstencil] float4 PSMain() : SV_Target {\n"
                                         "    float s = 0;\n"
                                         "    [branch] if (s > 0) s = 1;\n"
                                         "    [unroll] if (s > 0) s = 2;\n"
                                         "    [unroll(2.5)] for (int i = 0; i < 4; i++) s += 1;\n"
                                         "    [loop] return s;\n"
                                         "}\n");
    EXPECT_TRUE(Has(lines, "s.hlsl(1,2-11): warning X3554: unknown attribute numthreads, or "
                           "attribute invalid for this statement"))
        << lines;
    EXPECT_FALSE(Has(lines, "earlydepthstencil")) << lines; // the pixel entry point's own
    EXPECT_FALSE(Has(lines, "branch")) << lines;
    EXPECT_TRUE(Has(lines, "(5,6-11): warning X3554: unknown attribute unroll")) << lines;
    EXPECT_TRUE(Has(lines, "(6,6-11): warning X3554: cannot match attribute unroll, parameter 1 "
                           "is expected to be of type int"))
        << lines;
    EXPECT_TRUE(Has(lines, "(7,6-9): warning X3554: unknown attribute loop")) << lines;
}

TEST(WarningPolicy, PragmasSilenceOrPromoteAndTheFlagPromotesAll) {
    const std::string warnings = "a.hlsl(1,1-2): warning X3206: implicit truncation\n"
                                 "a.hlsl(2,1-2): warning X3571: pow(f, e)\n"
                                 "a.hlsl(3,1-2): warning X4000: use of\n";
    const WarningPolicy policy =
        ReadWarningPragmas("#pragma warning(disable : 3206; error : 4000)\n"
                           "  #  pragma warning (once: 3571)\n"
                           "#pragma warning(error: 3571 3206)\n"
                           "#pragma warning(default: 3206)\n",
                           "a.hlsl", false);
    std::string lines = warnings;
    EXPECT_TRUE(ApplyWarningPolicy(policy, &lines));
    EXPECT_EQ(lines, "a.hlsl(1,1-2): warning X3206: implicit truncation\n"
                     "a.hlsl(2,1-2): error X3571: pow(f, e)\n"
                     "a.hlsl(3,1-2): error X4000: use of\n");

    lines = warnings;
    EXPECT_FALSE(ApplyWarningPolicy(ReadWarningPragmas("", "a.hlsl", false), &lines));
    EXPECT_EQ(lines, warnings);
    EXPECT_TRUE(ApplyWarningPolicy(
        ReadWarningPragmas("#pragma warning(disable : 3206)\n", "a.hlsl", true), &lines));
    EXPECT_EQ(lines, "a.hlsl(2,1-2): error X3571: pow(f, e)\n"
                     "a.hlsl(3,1-2): error X4000: use of\n");
}

TEST(WarningPolicy, ListsAsGlslangWritesThemShortNumbersAndNoPushPop) {
    const std::string warnings = "a.hlsl(1,1-2): warning X3206: implicit truncation\n"
                                 "a.hlsl(2,1-2): warning X4000: use of\n";
    // glslang's preprocessor runs a list's numbers together.
    std::string lines = warnings;
    EXPECT_FALSE(ApplyWarningPolicy(
        ReadWarningPragmas("#pragma warning(disable:32064000)\n", "a.hlsl", true), &lines));
    EXPECT_EQ(lines, "");
    // "push" and "pop" keep nothing: the error made between them stands.
    lines = warnings;
    EXPECT_TRUE(ApplyWarningPolicy(ReadWarningPragmas("#pragma warning(push)\n"
                                                      "#pragma warning(error:3206)\n"
                                                      "#pragma warning(pop)\n",
                                                      "a.hlsl", false),
                                   &lines));
    EXPECT_EQ(lines, "a.hlsl(1,1-2): error X3206: implicit truncation\n"
                     "a.hlsl(2,1-2): warning X4000: use of\n");
    // A number below 1000 stands for 4000 more.
    lines = warnings;
    EXPECT_FALSE(ApplyWarningPolicy(
        ReadWarningPragmas("#pragma warning(disable : 0)\n", "a.hlsl", false), &lines));
    EXPECT_EQ(lines, "a.hlsl(1,1-2): warning X3206: implicit truncation\n");
}

TEST(WarningPolicy, APragmaAppliesToTheLinesAfterItInEveryFile) {
    const std::string preprocessed = "float2 a = b;\n"
                                     "#pragma warning(disable : 3206)\n"
                                     "float2 c = d;\n"
                                     "#line 1 \"b.hlsli\"\n"
                                     "#pragma warning(error : 3206)\n"
                                     "float2 e = f;\n"
                                     "#line 6 \"a.hlsl\"\n"
                                     "float2 g = h;\n";
    std::string lines = "a.hlsl(1,1-2): warning X3206: implicit truncation\n"
                        "a.hlsl(3,1-2): warning X3206: implicit truncation\n"
                        "b.hlsli(2,1-2): warning X3206: implicit truncation\n"
                        "a.hlsl(6,1-2): warning X3206: implicit truncation\n";
    EXPECT_TRUE(ApplyWarningPolicy(ReadWarningPragmas(preprocessed, "a.hlsl", false), &lines));
    EXPECT_EQ(lines, "a.hlsl(1,1-2): warning X3206: implicit truncation\n"
                     "b.hlsli(2,1-2): error X3206: implicit truncation\n"
                     "a.hlsl(6,1-2): error X3206: implicit truncation\n");
    // "once": a number already shown is not shown again.
    lines = "a.hlsl(1,1-2): warning X3206: implicit truncation\n"
            "a.hlsl(3,1-2): warning X3206: implicit truncation\n"
            "a.hlsl(3,5-6): warning X3571: pow(f, e)\n";
    EXPECT_FALSE(ApplyWarningPolicy(
        ReadWarningPragmas("float2 a = b;\n#pragma warning(once : 3206)\nfloat2 c = d;\n", "a.hlsl",
                           false),
        &lines));
    EXPECT_EQ(lines, "a.hlsl(1,1-2): warning X3206: implicit truncation\n"
                     "a.hlsl(3,5-6): warning X3571: pow(f, e)\n");
}

TEST(LineDirectives, RenumberedLinesAreFoundWhereTheyStand) {
    const std::string source = "a\n#line 40 \"other.hlsl\"\nb\nc\n#line 5000\nd\n";
    EXPECT_EQ(PhysicalLine(source, "main.hlsl", "main.hlsl", 1), 1);
    EXPECT_EQ(PhysicalLine(source, "main.hlsl", "other.hlsl", 40), 3);
    EXPECT_EQ(PhysicalLine(source, "main.hlsl", "other.hlsl", 41), 4);
    // #line without a name keeps the last one given.
    EXPECT_EQ(PhysicalLine(source, "main.hlsl", "other.hlsl", 5000), 6);
    EXPECT_EQ(PhysicalLine(source, "main.hlsl", "main.hlsl", 3), 0);
    EXPECT_EQ(PhysicalLine("#line 0\n#line\nx\n", "m", "m", 3), 3);
}

} // namespace
} // namespace d3dcompiler_standin
