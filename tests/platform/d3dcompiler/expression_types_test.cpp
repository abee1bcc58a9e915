// The expression types the rewrites rely on: which declaration a name means
// at a use, what member access, indexing, swizzles, calls and arithmetic
// make of types, what an aggregate flattens into, and which expressions may
// be written twice.
#include "expression_types.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace d3dcompiler_standin {
namespace {

// The tokens of `source` and the range of its last "return ...;" expression.
struct Returned {
    std::vector<HlslToken> tokens;
    size_t first = 0;
    size_t end = 0;
};

Returned LastReturn(const std::string& source) {
    Returned returned;
    returned.tokens = TokenizePreprocessedHlsl(source, "main.hlsl");
    for (size_t at = 0; at < returned.tokens.size(); ++at) {
        if (returned.tokens[at].text == "return") {
            returned.first = at + 1;
        }
        if (returned.tokens[at].text == ";" && returned.first > returned.end) {
            returned.end = at;
        }
    }
    return returned;
}

// "float2x3", "int4", "S[2]": the type of the last returned expression, or
// "none".
std::string TypeReturned(const std::string& source) {
    const Returned returned = LastReturn(source);
    const ExpressionTypes types(returned.tokens);
    const auto type = types.TypeOf(returned.first, returned.end);
    if (!type) {
        return "none";
    }
    std::string text = type->base;
    text += type->rows > 0 ? std::to_string(type->rows) : "";
    text += type->columns > 0 ? "x" + std::to_string(type->columns) : "";
    for (size_t dimension : type->dimensions) {
        text += "[" + std::to_string(dimension) + "]";
    }
    return text;
}

const char* kDeclarations = R"(
struct Inner { float2 v; float w; };
struct Outer { Inner inner[2]; row_major float2x3 m; int k, l; };
typedef float3x2 Tall;
cbuffer Constants : register(b0) { float4x4 world; Outer outer; };
float value;
float2 Function(float a);
struct WithTexture { float4 c; Texture2D t; };
struct WithMethods { float a; void Set(float x) { a = x; } float Get() { return a; } precise float b; };
)";

TEST(ExpressionTypes, NamesMeanTheDeclarationInScopeAtTheirUse) {
    const std::string prefix = kDeclarations;
    EXPECT_EQ(TypeReturned(prefix + "float f() { return value; }"), "float");
    EXPECT_EQ(TypeReturned(prefix + "float f() { { int3 value; } return value; }"), "float");
    EXPECT_EQ(TypeReturned(prefix + "float f() { uint2 value; return value; }"), "uint2");
    EXPECT_EQ(TypeReturned(prefix + "float f(half3 value) { return value; }"), "half3");
    EXPECT_EQ(TypeReturned(prefix + "float f() { return world; }"), "float4x4");
    EXPECT_EQ(TypeReturned(prefix + "float f() { Tall t; return t; }"), "float3x2");
    EXPECT_EQ(TypeReturned(prefix + "float f() { bool2x2 a, b[3]; return b; }"), "bool2x2[3]");
    EXPECT_EQ(TypeReturned(prefix + "float f() { matrix<int, 2, 3> m; return m; }"), "int2x3");
    EXPECT_EQ(TypeReturned(prefix + "float f() { return unknown; }"), "none");

    // The global, a parameter hiding it, the global again before a local's
    // declaration, then the local.
    const std::vector<HlslToken> tokens = TokenizePreprocessedHlsl(
        "int2x2 m; int f(int2x2 m) { return m; } int g() { int a = m; int2x2 m; return m; }",
        "main.hlsl");
    std::vector<size_t> names;
    for (size_t at = 0; at < tokens.size(); ++at) {
        if (tokens[at].text == "m") {
            names.push_back(at);
        }
    }
    ASSERT_EQ(names.size(), 6u);
    const ExpressionTypes types(tokens);
    EXPECT_EQ(types.DeclarationOf(names[2]), names[1]);
    EXPECT_EQ(types.DeclarationOf(names[3]), names[0]);
    EXPECT_EQ(types.DeclarationOf(names[5]), names[4]);
}

TEST(ExpressionTypes, MembersIndexesAndSwizzlesNarrowTheType) {
    const std::string prefix = kDeclarations;
    EXPECT_EQ(TypeReturned(prefix + "float f() { return outer.inner; }"), "Inner[2]");
    EXPECT_EQ(TypeReturned(prefix + "float f() { return outer.inner[1].v.yx; }"), "float2");
    EXPECT_EQ(TypeReturned(prefix + "float f() { return outer.inner[0].w; }"), "float");
    EXPECT_EQ(TypeReturned(prefix + "float f() { return outer.m[1]; }"), "float3");
    EXPECT_EQ(TypeReturned(prefix + "float f() { return outer.m._11_12_21; }"), "float3");
    EXPECT_EQ(TypeReturned(prefix + "float f() { return outer.l; }"), "int");
    EXPECT_EQ(TypeReturned(prefix + "float f() { return outer.missing; }"), "none");
    EXPECT_EQ(TypeReturned(prefix + "float f() { return world.Load(0); }"), "none");
}

TEST(ExpressionTypes, ConstructorsCastsCallsAndArithmeticGiveTheirShapes) {
    const std::string prefix = kDeclarations;
    EXPECT_EQ(TypeReturned(prefix + "float f() { return float2x2(1, 2, 3, 4) * 2; }"), "float2x2");
    EXPECT_EQ(TypeReturned(prefix + "float f() { return (int3)value + 1; }"), "int3");
    EXPECT_EQ(TypeReturned(prefix + "float f() { return -(world + world)[2].xy; }"), "float2");
    EXPECT_EQ(TypeReturned(prefix + "float f() { return world < 1 && true; }"), "bool4x4");
    EXPECT_EQ(TypeReturned(prefix + "float f() { return value > 0 ? outer.m : 0; }"), "float2x3");
    EXPECT_EQ(TypeReturned(prefix + "float f() { return transpose(outer.m); }"), "float3x2");
    EXPECT_EQ(TypeReturned(prefix + "float f() { return mul(float2(1, 2), outer.m); }"), "float3");
    EXPECT_EQ(TypeReturned(prefix + "float f() { return dot(world[0], world[1]); }"), "float");
    EXPECT_EQ(TypeReturned(prefix + "float f() { return Function(1) * 2; }"), "float2");
    EXPECT_EQ(TypeReturned(prefix + "float f() { return 1.5 * 2u; }"), "float");
    EXPECT_EQ(TypeReturned(prefix + "float f() { return x = 2; }"), "none");
    std::string sum = "world";
    for (int i = 0; i < 1000; ++i) {
        sum += " + world";
    }
    EXPECT_EQ(TypeReturned(prefix + "float f() { return " + sum + "; }"), "none"); // too long
}

TEST(ExpressionTypes, AggregatesFlattenToMembersElementsAndComponents) {
    const Returned returned = LastReturn(std::string(kDeclarations) + "float f() { return 0; }");
    const ExpressionTypes types(returned.tokens);
    ExpressionType outer;
    outer.base = "Outer";
    outer.structure = true;
    const auto whole = types.Leaves("o", outer, false);
    ASSERT_TRUE(whole);
    EXPECT_EQ(*whole, (std::vector<std::string>{"o.inner[0].v", "o.inner[0].w", "o.inner[1].v",
                                                "o.inner[1].w", "o.m", "o.k", "o.l"}));
    const auto scalars = types.Leaves("o", outer, true);
    ASSERT_TRUE(scalars);
    ASSERT_EQ(scalars->size(), 14u);
    EXPECT_EQ((*scalars)[1], "o.inner[0].v.y");
    EXPECT_EQ((*scalars)[10], "o.m[1][1]");
    const auto shape = types.ShapeOf(outer);
    ASSERT_TRUE(shape);
    EXPECT_EQ(shape->Scalars(), 14u);
    ExpressionType unknown = outer;
    unknown.base = "Missing";
    EXPECT_FALSE(types.Leaves("o", unknown, true));
    unknown.base = "WithTexture"; // a member whose type the view does not read
    EXPECT_FALSE(types.Leaves("o", unknown, true));
    EXPECT_FALSE(types.ShapeOf(unknown));
    ExpressionType withMethods = outer;
    withMethods.base = "WithMethods";
    const auto members = types.Leaves("w", withMethods, false);
    ASSERT_TRUE(members);
    EXPECT_EQ(*members, (std::vector<std::string>{"w.a", "w.b"}));
}

TEST(ExpressionTypes, OnlyExpressionsWithoutEffectsMayBeRepeated) {
    const std::string prefix = kDeclarations;
    auto repeatable = [&](const std::string& expression) {
        const Returned returned =
            LastReturn(prefix + "float f() { int i; return " + expression + "; }");
        return ExpressionTypes(returned.tokens).Repeatable(returned.first, returned.end);
    };
    EXPECT_TRUE(repeatable("outer.inner[i + 1].v"));
    EXPECT_TRUE(repeatable("outer.k == i && i <= 2"));
    EXPECT_TRUE(repeatable("transpose(outer.m)"));
    EXPECT_FALSE(repeatable("outer.inner[i++].v"));
    EXPECT_FALSE(repeatable("outer.inner[i += 1].v"));
    EXPECT_FALSE(repeatable("Function(1)"));
}

TEST(ExpressionTypes, OperandsOfABinaryOperatorSpanTheirPostfixChains) {
    const std::vector<HlslToken> tokens =
        TokenizePreprocessedHlsl("x = (a + b).y * s.m[1] / 2; return f(c) * -d;", "main.hlsl");
    auto find = [&](const char* text, size_t from) {
        while (from < tokens.size() && tokens[from].text != text) {
            ++from;
        }
        return from;
    };
    const size_t times = find("*", 0);
    EXPECT_EQ(ExpressionText(tokens, PostfixOperandStart(tokens, times), times, false), "(a+b).y");
    const size_t divide = find("/", 0);
    EXPECT_EQ(ExpressionText(tokens, times + 1, PostfixOperandEnd(tokens, times + 1), false),
              "s.m[1]");
    EXPECT_EQ(PostfixOperandEnd(tokens, divide + 1), divide + 2); // a number
    const size_t second = find("*", divide);
    EXPECT_EQ(tokens[PostfixOperandStart(tokens, second)].text, "f"); // not past "return"
    EXPECT_EQ(PostfixOperandEnd(tokens, second + 1), second + 1);     // a sign starts no chain
}

TEST(ExpressionTypes, MatrixNamesAreKnownUnlessATypedefCouldHideOne) {
    const auto names = MatrixVariableNames(TokenizePreprocessedHlsl(
        "float2x2 a; matrix<int, 3, 3> b; float4 c; int2x2 F(float3x3 d);", "main.hlsl"));
    ASSERT_TRUE(names);
    EXPECT_EQ(*names, (std::set<std::string>{"F", "a", "b", "d"}));
    EXPECT_FALSE(MatrixVariableNames(TokenizePreprocessedHlsl("typedef float4 V;", "main.hlsl")));
}

} // namespace
} // namespace d3dcompiler_standin

namespace d3dcompiler_standin {
namespace {

const char* kResources = R"(
struct Item { float2x2 m; uint count; };
StructuredBuffer<Item> items;
Texture2D<uint2> counts;
Texture2D colours;
Texture2DArray<float> layers;
TextureCube sky;
ByteAddressBuffer raw;
Texture2D maps[4];
SamplerState nearest;
)";

std::string ResourceTypeReturned(const std::string& expression) {
    return TypeReturned(std::string(kResources) + "float4 f() { return " + expression + "; }");
}

TEST(ExpressionTypes, ResourceElementsAndMethodResultsHaveTheElementType) {
    EXPECT_EQ(ResourceTypeReturned("items[0].m"), "float2x2");
    EXPECT_EQ(ResourceTypeReturned("items.Load(1).count"), "uint");
    EXPECT_EQ(ResourceTypeReturned("counts[uint2(0, 0)]"), "uint2");
    EXPECT_EQ(ResourceTypeReturned("counts.mips[1][uint2(0, 0)].y"), "uint");
    EXPECT_EQ(ResourceTypeReturned("colours.Sample(nearest, float2(0, 0))"), "float4");
    EXPECT_EQ(ResourceTypeReturned("layers.SampleLevel(nearest, float3(0, 0, 1), 0)"), "float");
    EXPECT_EQ(ResourceTypeReturned("counts.GatherRed(nearest, float2(0, 0))"), "uint4");
    EXPECT_EQ(ResourceTypeReturned("sky.SampleCmpLevelZero(nearest, float3(1, 0, 0), 0.5)"),
              "float");
    EXPECT_EQ(ResourceTypeReturned("raw.Load3(0)"), "uint3");
    EXPECT_EQ(ResourceTypeReturned("maps[2].Load(int3(0, 0, 0)).xy"), "float2");
}

TEST(ExpressionTypes, ResourcesThemselvesAndValuelessMethodsHaveNoType) {
    EXPECT_EQ(ResourceTypeReturned("colours"), "none");
    EXPECT_EQ(ResourceTypeReturned("maps[1]"), "none");
    EXPECT_EQ(ResourceTypeReturned("items.GetDimensions(a, b)"), "none");
    // A structure named like a buffer is a structure, not a resource.
    EXPECT_EQ(TypeReturned("struct VertexBuffer { float3 p; }; VertexBuffer v; float4 f() { "
                           "return v.p; }"),
              "float3");
}

} // namespace
} // namespace d3dcompiler_standin
