// What the rewrites of preprocessor forms find before glslang reads a source,
// and the statement forms and pragmas judged after it preprocessed one.
#include "hlsl_tokens.h"
#include "macro_calls.h"
#include "statement_syntax_checks.h"
#include "unknown_pragmas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace d3dcompiler_standin {
namespace {

// The source with the edits made, last offset first.
std::string Edited(std::string source, std::vector<TextEdit> edits) {
    std::sort(edits.begin(), edits.end(),
              [](const TextEdit& a, const TextEdit& b) { return a.offset > b.offset; });
    for (const TextEdit& edit : edits) {
        source.replace(edit.offset, edit.length, edit.text);
    }
    return source;
}

std::string WithEmptyArgumentsMarked(const std::string& source,
                                     const std::string& definitions = "") {
    std::vector<TextEdit> edits;
    MarkEmptyMacroArguments(source, definitions, &edits);
    return Edited(source, edits);
}

std::string WithConditionsRewritten(const std::string& source,
                                    const std::string& definitions = "") {
    std::vector<TextEdit> edits;
    RewriteFunctionMacroNamesInConditions(source, definitions, &edits);
    return Edited(source, edits);
}

size_t Marks(const std::string& text) {
    size_t count = 0;
    for (size_t at = text.find(kEmptyMacroArgumentMark); at != std::string::npos;
         at = text.find(kEmptyMacroArgumentMark, at + 1)) {
        ++count;
    }
    return count;
}

TEST(MacroCalls, EmptyArgumentsOfFunctionMacrosAreMarkedWithTheCallsColumn) {
    const std::string defines = "#define ADD(a, b) ((a) + (b))\n#define ONE(x) x\n";
    const std::string marked = WithEmptyArgumentsMarked(defines + "float f = ADD(, 1) + ONE();\n");
    EXPECT_EQ(Marks(marked), 2u) << marked;
    EXPECT_NE(marked.find(std::string(kEmptyMacroArgumentMark) + "11_ADD"), std::string::npos)
        << marked;
    EXPECT_NE(marked.find(std::string(kEmptyMacroArgumentMark) + "22_ONE"), std::string::npos)
        << marked;
    // The last argument, across lines, and after a comment on an earlier line.
    EXPECT_EQ(Marks(WithEmptyArgumentsMarked(defines + "/* a\n b */ float g = ADD(y,\n );\n")), 1u);
}

TEST(MacroCalls, MacrosOfOtherFilesCountAndTheFilesOwnDefinitionWins) {
    const std::string included = "#define ADD(a, b) ((a) + (b))\n#define TWICE(x) ((x) * 2)\n";
    EXPECT_EQ(Marks(WithEmptyArgumentsMarked("float f = ADD(y, );\n", included)), 1u);
    EXPECT_EQ(WithConditionsRewritten("#if TWICE\n#endif\n", included), "#if 0\n#endif\n");
    // A file's own object-like TWICE is a value there.
    EXPECT_EQ(WithConditionsRewritten("#define TWICE 2\n#if TWICE\n#endif\n", included),
              "#define TWICE 2\n#if TWICE\n#endif\n");
    // Here ADD takes one parameter: its call has no empty argument.
    EXPECT_EQ(Marks(WithEmptyArgumentsMarked("#define ADD(a) a\nfloat f = ADD(y);\n", included)),
              0u);
}

TEST(MacroCalls, FullArgumentsDirectivesCommentsAndOtherNamesAreLeft) {
    const std::string defines = "#define ADD(a, b) ((a) + (b))\n#define NONE() 1\n";
    const std::vector<std::string> unmarked = {
        "float f = ADD(g(1, 2), (3, 4));\n",   // commas inside parentheses
        "float f = NONE();\n",                 // a macro of no parameters
        "#define LATER ADD(, 1)\n",            // a directive's line
        "#if ADD(1, 2)\n#endif\n",             // a condition
        "// ADD(, 1)\nfloat f = 1;\n",         // a comment
        "float f = MYADD(, 1) + ADDX(, 1);\n", // other names
        "float ADD = 1;\n",                    // the name without a call
    };
    for (const std::string& line : unmarked) {
        EXPECT_EQ(Marks(WithEmptyArgumentsMarked(defines + line)), 0u) << line;
    }
}

TEST(MacroCalls, CheckNamesTheMacroAtItsCallOncePerCall) {
    const std::string mark = std::string(kEmptyMacroArgumentMark) + "11_ADD";
    const std::vector<HlslToken> tokens =
        TokenizePreprocessedHlsl("float f = ((" + mark + ") + (" + mark + "));\n", "main.hlsl");
    std::string errors;
    EXPECT_FALSE(CheckEmptyMacroArguments(tokens, &errors));
    EXPECT_EQ(errors, "main.hlsl(1,11): error X1516: not enough actual parameters for macro "
                      "'ADD'\n");
    errors.clear();
    EXPECT_TRUE(CheckEmptyMacroArguments(TokenizePreprocessedHlsl("float f = 1;", "m"), &errors));
    EXPECT_EQ(errors, "");
}

TEST(MacroCalls, FunctionMacroNamesAloneInConditionsReadZero) {
    const std::string define = "#define TWICE(x) ((x) * 2)\n#define FLAG 1\n";
    EXPECT_EQ(WithConditionsRewritten(define + "#if TWICE && FLAG\n#elif !TWICE\n#endif\n"),
              define + "#if 0 && FLAG\n#elif !0\n#endif\n");
    const std::vector<std::string> kept = {
        "#if defined TWICE\n#endif\n",     "#if defined(TWICE)\n#endif\n",
        "#if defined ( TWICE )\n#endif\n", "#if TWICE(1) > 1\n#endif\n",
        "#ifdef TWICE\n#endif\n",          "float TWICE = 1;\n"};
    for (const std::string& line : kept) {
        EXPECT_EQ(WithConditionsRewritten(define + line), define + line);
    }
}

TEST(MacroCalls, FormFeedsAndVerticalTabsBecomeSpaces) {
    std::vector<TextEdit> edits;
    const std::string source = "float\fx\v=\t1;\n";
    RewriteOddWhiteSpace(source, &edits);
    EXPECT_EQ(Edited(source, edits), "float x =\t1;\n");
}

std::string StatementErrors(const std::string& source) {
    std::string errors;
    const bool passed = CheckStatementSyntax(TokenizePreprocessedHlsl(source, "s.hlsl"), &errors);
    EXPECT_EQ(passed, errors.empty());
    return errors;
}

TEST(StatementSyntax, LabelsLateDeclarationsAndNamesAfterOperandsAreSyntaxErrors) {
    EXPECT_EQ(StatementErrors("void f() {\ndone:\n return; }"),
              "s.hlsl(2,5-5): error X3000: syntax error: unexpected token ':'\n");
    EXPECT_EQ(StatementErrors("void f() { int i; for (i = 0, int j = 0; i < 2; ++i) {} }"),
              "s.hlsl(1,31-33): error X3000: syntax error: unexpected token 'int'\n");
    EXPECT_EQ(StatementErrors("float f(float y) { float x = y y; return x; }"),
              "s.hlsl(1,32-32): error X3000: syntax error: unexpected token 'y'\n");
    EXPECT_EQ(StatementErrors("float f() { float x = 2 y; return x; }"),
              "s.hlsl(1,25-25): error X3000: syntax error: unexpected token 'y'\n");
    EXPECT_EQ(StatementErrors("float f() { float x = new float; return x; }"),
              "s.hlsl(1,23-25): error X3000: syntax error: unexpected token 'new'\n");
    EXPECT_EQ(StatementErrors("float f() { float return = 1; }"),
              "s.hlsl(1,19-24): error X3000: syntax error: unexpected token 'return'\n");
    EXPECT_EQ(StatementErrors("float f() { return 1.0.5; }"),
              "s.hlsl(1,23-24): error X3000: syntax error: unexpected float constant\n");
    EXPECT_EQ(StatementErrors("float f() { return 2 0x3; }"),
              "s.hlsl(1,22-24): error X3000: syntax error: unexpected integer constant\n");
}

TEST(StatementSyntax, TheFormsHlslTakesPass) {
    const std::vector<std::string> sources = {
        "void f(int i) { switch (i) { case 1: break; default: break; } }",
        "float f(float y) { return y > 0 ? y : -y; }",
        "float4 f(float4 p : SV_Position) : SV_Target { return p; }",
        "struct S { float4 p : POSITION; }; cbuffer C : register(b0) { float a; };",
        "float f(float y) { float x = (float)y; int i = S::g(); return x; }",
        "void f() { for (int i = 0, j = 1; i < j; ++i) {} for (;;) { break; } }",
        "float f() { float x = 1.5f; x = float2(1, 2).x; return x * 1e-5 + 0x1F + .5; }",
        "technique T { pass P { VertexShader = compile vs_5_0 VSMain(); } }",
        "float f(float a, float b = 0.5, float c = g(1, 2)) { return a; }",
        "float a = 1, b = 2; float c[2] = {1, 2};",
    };
    for (const std::string& source : sources) {
        EXPECT_EQ(StatementErrors(source), "") << source;
    }
}

TEST(UnknownPragmas, WarnedWithTheFileAndLineOfTheirLine) {
    std::string warnings;
    WarnUnknownPragmas("#pragma pack_matrix(row_major)\n#pragma once\n#line 40 \"other.hlsl\"\n"
                       "float x;\n#pragma optimize_all\n#pragma warning(disable : 3206)\n",
                       "main.hlsl", &warnings);
    EXPECT_EQ(warnings, "other.hlsl(41): warning X3568: 'optimize_all' : unknown pragma ignored\n");
    warnings.clear();
    WarnUnknownPragmas("#pragma def(ps_5_0, c0, 0, 0, 0, 0)\n#pragma message(\"x\")\n", "m",
                       &warnings);
    EXPECT_EQ(warnings, "");
}

} // namespace
} // namespace d3dcompiler_standin
