// Sources that must never hang, crash or exhaust the compiler: include
// cycles, deep nesting, special files, huge files, floods of errors.
#include "shader_reflection.h"

#include <d3dcompiler.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace shader_reflection;

constexpr char kPixelShader[] = "float4 PSMain() : SV_Target { return float4(1, 0, 0, 1); }\n";

size_t CountLines(const std::string& text, const std::string& needle) {
    size_t count = 0;
    for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) {
        ++count;
    }
    return count;
}

TEST(HostileIncludes, CyclesEndInAnErrorAndPragmaOnceBreaksThem) {
    ScratchDirectory scratch("cycles");
    CompileResult self =
        Compile(scratch.Write("self.hlsl", std::string("#include \"self.hlsl\"\n") + kPixelShader),
                "PSMain", "ps_5_0");
    EXPECT_EQ(self.hr, E_FAIL);
    EXPECT_TRUE(Mentions(self.errors, "error X1506: too many nested #includes"));

    scratch.Write("b.hlsli", "#include \"a.hlsl\"\n");
    CompileResult mutual =
        Compile(scratch.Write("a.hlsl", std::string("#include \"b.hlsli\"\n") + kPixelShader),
                "PSMain", "ps_5_0");
    EXPECT_EQ(mutual.hr, E_FAIL);
    EXPECT_TRUE(Mentions(mutual.errors, "X1506"));

    // Twice per level would be 2^32 inclusions if failures went on.
    CompileResult twice =
        Compile(scratch.Write("twice.hlsl", "#include \"twice.hlsl\"\n#include \"twice.hlsl\"\n"),
                "PSMain", "ps_5_0");
    EXPECT_EQ(twice.hr, E_FAIL);
    EXPECT_LE(std::count(twice.errors.begin(), twice.errors.end(), '\n'), 60) << twice.errors;

    // Guarded by #pragma once, the same cycles compile, as on Windows.
    scratch.Write("once_b.hlsli",
                  "#pragma once\n#include \"once.hlsl\"\nstatic const float k = 1;\n");
    CompileResult once = Compile(
        scratch.Write("once.hlsl", std::string("#pragma once\n#include \"once.hlsl\"\n") +
                                       "#include \"once_b.hlsli\"\n#include \"once_b.hlsli\"\n" +
                                       kPixelShader),
        "PSMain", "ps_5_0");
    EXPECT_EQ(once.hr, S_OK) << once.errors;
}

TEST(HostileFiles, OnlyRegularFilesOfBoundedSizeAreRead) {
    ScratchDirectory scratch("special");
    const std::string dir = (scratch.path() / "normal.hlsl").string();
    ASSERT_EQ(mkdir(dir.c_str(), 0700), 0);
    CompileResult directory = Compile(dir, "PSMain", "ps_5_0");
    EXPECT_EQ(directory.hr, E_ACCESSDENIED);
    EXPECT_TRUE(Mentions(directory.errors, dir + "' is a directory"));

    // A FIFO without a writer would block a plain open for ever.
    const std::string fifo = (scratch.path() / "fifo.hlsl").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    CompileResult pipe = Compile(fifo, "PSMain", "ps_5_0");
    EXPECT_EQ(pipe.hr, E_FAIL);
    EXPECT_TRUE(Mentions(pipe.errors, "fifo.hlsl' is not a regular file"));

    const std::string zero = (scratch.path() / "zero.hlsl").string();
    ASSERT_EQ(symlink("/dev/zero", zero.c_str()), 0);
    CompileResult device = Compile(zero, "PSMain", "ps_5_0");
    EXPECT_EQ(device.hr, E_FAIL);
    EXPECT_TRUE(Mentions(device.errors, "is not a regular file"));

    scratch.Write("includes_zero.hlsl", "#include \"zero.hlsl\"\n");
    CompileResult included =
        Compile((scratch.path() / "includes_zero.hlsl").string(), "PSMain", "ps_5_0");
    EXPECT_EQ(included.hr, E_FAIL);
    EXPECT_TRUE(Mentions(included.errors, "X1507"));

    std::string huge(5u << 20, ' ');
    huge += kPixelShader;
    CompileResult large = Compile(scratch.Write("huge.hlsl", huge), "PSMain", "ps_5_0");
    EXPECT_EQ(large.hr, E_FAIL);
    EXPECT_TRUE(Mentions(large.errors, "huge.hlsl' is larger than 1 MB"));
}

TEST(HostileSources, DeepNestingCompilesOrIsRefusedWithoutACrash) {
    ScratchDirectory scratch("nesting");
    auto nested = [](size_t depth) {
        return "float4 PSMain() : SV_Target { return float4(1, 0, 0, " + std::string(depth, '(') +
               "1" + std::string(depth, ')') + "); }\n";
    };
    CompileResult deep = Compile(scratch.Write("deep.hlsl", nested(1500)), "PSMain", "ps_5_0");
    EXPECT_EQ(deep.hr, S_OK) << deep.errors.substr(0, 500);

    CompileResult deeper = Compile(scratch.Write("deeper.hlsl", nested(20000)), "PSMain", "ps_5_0");
    EXPECT_EQ(deeper.hr, E_FAIL);
    EXPECT_TRUE(Mentions(deeper.errors, "deeper.hlsl(1,"));
    EXPECT_TRUE(Mentions(deeper.errors, "nest more than 2000 levels"));

    // Nesting that only macros build is caught after preprocessing.
    auto nestedCalls = [](size_t depth) {
        std::string calls;
        for (size_t i = 0; i < depth; ++i) {
            calls += "D(";
        }
        return calls + "1.0" + std::string(depth, ')');
    };
    std::string macros = "#define D(x) ((((((((((x))))))))))\n"
                         "float4 PSMain() : SV_Target { return " +
                         nestedCalls(201) + ".xxxx; }\n";
    CompileResult expanded = Compile(scratch.Write("macros.hlsl", macros), "PSMain", "ps_5_0");
    EXPECT_LT(expanded.hr, 0);

    // Values the warnings read through a nest of calls, and a line holding
    // a thousand warnings, take no longer to judge than to compile.
    std::string warned = "float4 PSMain(float4 p : SV_Position) : SV_Target {\n"
                         "    int i = (int)p.x; uint u = 3; float s = 0;\n    float3 v = ";
    for (int i = 0; i < 1000; ++i) {
        warned += "abs(";
    }
    warned += "p" + std::string(1000, ')') + ";\n    s = s";
    for (int i = 0; i < 1000; ++i) {
        warned += " + (i < u ? i / 2 : 1)";
    }
    const auto started = std::chrono::steady_clock::now();
    CompileResult judged =
        Compile(scratch.Write("warned.hlsl", warned + ";\n    return float4(v, s);\n}\n"), "PSMain",
                "ps_5_0");
    EXPECT_EQ(judged.hr, S_OK) << judged.errors.substr(0, 300);
    EXPECT_TRUE(Mentions(judged.errors, "warning X3203")) << judged.errors.substr(0, 300);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(8));

    // A long chain of operators recurses as deeply as nesting does.
    std::string chain = "float4 PSMain() : SV_Target { float a = 1; return a";
    for (int i = 0; i < 20000; ++i) {
        chain += "+a";
    }
    CompileResult longChain =
        Compile(scratch.Write("chain.hlsl", chain + "; }\n"), "PSMain", "ps_5_0");
    EXPECT_EQ(longChain.hr, E_FAIL);
    EXPECT_TRUE(Mentions(longChain.errors, "more than 16384 operators"))
        << longChain.errors.substr(0, 300);
}

// A macro doubling at each of thirty levels is refused where it is used, at
// once; one of twelve levels, a sum of 4096 terms, compiles.
TEST(HostileSources, MacrosExpandingPastAnyShaderAreRefused) {
    ScratchDirectory scratch("macros");
    auto doubling = [](int levels) {
        std::string source = "#define M0 1.0\n";
        for (int level = 1; level <= levels; ++level) {
            source += "#define M" + std::to_string(level) + " (M" + std::to_string(level - 1) +
                      " + \\\n    M" + std::to_string(level - 1) + ")\n";
        }
        return source + "float4 PSMain() : SV_Target {\n    return M" + std::to_string(levels) +
               ";\n}\n";
    };
    const std::string huge = scratch.Write("huge.hlsl", doubling(30));
    const auto start = std::chrono::steady_clock::now();
    CompileResult refused = Compile(huge, "PSMain", "ps_5_0");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(refused.hr, E_FAIL);
    EXPECT_EQ(refused.errors,
              huge + "(63,12-14): error: macro 'M30' expands to more than 1048576 tokens\n");

    CompileResult fine = Compile(scratch.Write("fine.hlsl", doubling(12)), "PSMain", "ps_5_0");
    EXPECT_EQ(fine.hr, S_OK) << fine.errors.substr(0, 300);

    // Arguments doubled through a second macro, thirty calls deep; a chain of
    // macros each calling the one before twice.
    std::string calls = "#define E(a) (a + a)\n#define D(a) E(a)\n"
                        "float4 PSMain() : SV_Target {\n    return ";
    for (int level = 0; level < 30; ++level) {
        calls += "D(";
    }
    calls += "1.0" + std::string(30, ')') + ";\n}\n";
    std::string chain = "#define F0(a) a\n";
    for (int level = 1; level <= 30; ++level) {
        chain += "#define F" + std::to_string(level) + "(a) (F" + std::to_string(level - 1) +
                 "(a) + F" + std::to_string(level - 1) + "(a))\n";
    }
    chain += "float4 PSMain() : SV_Target {\n    return F30(1.0);\n}\n";
    for (const std::string& source : {calls, chain}) {
        const std::string path = scratch.Write("calls.hlsl", source);
        CompileResult result = Compile(path, "PSMain", "ps_5_0");
        EXPECT_EQ(result.hr, E_FAIL);
        EXPECT_TRUE(Mentions(result.errors, path + "("));
        EXPECT_TRUE(Mentions(result.errors, "expands to more than 1048576 tokens"));
    }
}

// Sources cut off inside the forms the compiler rewrites end in one syntax
// error each, never in a stopped compile.
TEST(HostileSources, CutOffRewrittenFormsAreErrors) {
    ScratchDirectory scratch("cut_off");
    const std::string prefix = "struct S { float2 a; float2 b; };\n"
                               "S Make() { S s = (S)0; return s; }\n"
                               "float4 PSMain(float4 p : SV_Position) : SV_Target {\n"
                               "    float2x2 f = float2x2(1, 2, 3, 4);\n";
    const char* cuts[] = {"return (float4)Make(",
                          "return float4(Make(",
                          "int2x2 i = (int2x2)(f",
                          "int2x2 i = int2x2(",
                          "return mul((float1)p.x, f",
                          "bool2x2 b = (bool2x2)",
                          "return GetRenderTargetSamplePosition(",
                          "bool2 flags : COLOR(",
                          "Texture2DMS<float4, 2> t; return t.sample[1][",
                          "Texture2DMS<float4 t; return t.sample[",
                          "float2 v = 0; v.xx =",
                          "\n#define J(a, b) a##b\n#define F(x) J(4, x\nreturn F(",
                          "\n#define J(a, b) \\\n a##b\nreturn J(1,",
                          "\n#line 99999999999999999999 \"\nreturn x"};
    for (const char* cut : cuts) {
        CompileResult result =
            Compile(scratch.Write("cut.hlsl", prefix + cut + "\n"), "PSMain", "ps_5_0");
        EXPECT_EQ(result.hr, E_FAIL) << cut;
        EXPECT_TRUE(Mentions(result.errors, "cut.hlsl(")) << cut << result.errors;
        EXPECT_EQ(result.errors.find("was stopped"), std::string::npos) << cut << result.errors;
    }
}

TEST(HostileSources, FloodsOfErrorsAreCut) {
    ScratchDirectory scratch("flood");
    std::string source;
    for (int i = 0; i < 500; ++i) {
        source +=
            "float4 f" + std::to_string(i) + "() { return undefined" + std::to_string(i) + "; }\n";
    }
    CompileResult result =
        Compile(scratch.Write("flood.hlsl", source + kPixelShader), "PSMain", "ps_5_0");
    EXPECT_EQ(result.hr, E_FAIL);
    EXPECT_LE(CountLines(result.errors, "\n"), 51u) << result.errors;
}

} // namespace
