// What a failed compile says, line for line as Windows' compiler says it, and
// how a compile that crashes or must be abandoned ends.
#include "shader_reflection.h"

#include <d3dcompiler.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include <pthread.h>
#include <unistd.h>

namespace {

using namespace shader_reflection;

size_t LineCount(const std::string& text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(CompileMessages, OneLinePerErrorInWindowsForm) {
    ScratchDirectory scratch("messages");
    // Each body follows "float4 PSMain() : SV_Target {" on line 1.
    const struct {
        const char* body;
        const char* line;
    } cases[] = {
        {"float b = 1;\n    return brightnes;",
         "(3,12-20): error X3004: undeclared identifier 'brightnes'"},
        {"float3 v = 1;\n    float4 x = v;\n    return x;",
         "(3,16-16): error X3017: cannot implicitly convert from 'float3' to 'float4'"},
        {"float3 v = 1;\n    return v.xyzq;", "(3,14-17): error X3018: invalid subscript 'xyzq'"},
        {"float3 v = 1;\n    return v.x1z;", "(3,14-16): error X3018: invalid subscript 'x1z'"},
        // The first assignment takes the second's result, of b's type.
        {"float3 a = 0; float2 b;\n    a = b = float2(1, 2);\n    return a.xyzz;",
         "(3,9-24): error X3017: cannot implicitly convert from 'float2' to 'float3'"},
        {"return float4(1, 2, 3);",
         "(2,12-26): error X3014: incorrect number of arguments to numeric-type constructor"},
        // glslang places it on the function's line.
        {"return;", "(1): error X3080: 'PSMain': function must return a value"},
    };
    for (const auto& c : cases) {
        ExpectCaseMessage(
            scratch, std::string("float4 PSMain() : SV_Target {\n    ") + c.body + "\n}\n", c.line);
    }
}

TEST(CompileMessages, ConversionsOfStructuresAndArraysNameThemAsFxcDoes) {
    ScratchDirectory scratch("aggregates");
    const std::string structs = "struct Small { float3 f3; };\n"
                                "struct Mixed { float3 f3; uint s; };\n";
    // Each body follows the structures and "float4 PSMain() : SV_Target {".
    const struct {
        const char* body;
        const char* line;
    } cases[] = {
        {"Mixed m = (Mixed)0; Small s;\n s = m;",
         "(5,6-6): error X3017: cannot convert from 'struct Mixed' to 'struct Small'"},
        {"Small s = (Small)0; Mixed m;\n m = s;",
         "(5,6-6): error X3017: cannot implicitly convert from 'struct Small' to 'struct Mixed'"},
        {"Small s = (Small)0;\n float4 v = s;",
         "(5,13-13): error X3017: cannot implicitly convert from 'struct Small' to 'float4'"},
        {"int a[1] = { 1 }; int2 p;\n p = a;",
         "(5,6-6): error X3017: cannot implicitly convert from 'int[1]' to 'int2'"},
        // A cast to more components than the structure holds.
        {"Small s = (Small)0; float4 v;\n v = (float4)s;",
         "(5,6-14): error X3017: cannot convert from 'struct Small' to 'float4'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body);
        const std::string path =
            scratch.Write("case.hlsl", structs + "float4 PSMain() : SV_Target {\n    " + c.body +
                                           "\n return 0;\n}\n");
        CompileResult result = Compile(path, "PSMain", "ps_5_0");
        EXPECT_EQ(result.hr, E_FAIL);
        EXPECT_EQ(result.errors.substr(0, result.errors.find('\n')), path + c.line);
    }
}

TEST(CompileMessages, EntryPointValuesWithoutSemanticsAndRepeatedSwizzleWrites) {
    ScratchDirectory scratch("semantics");
    const struct {
        const char* source;
        const char* line;
    } cases[] = {
        {"float4 PSMain(float4 p : SV_Position, float shade) : SV_Target { return p * shade; }",
         "(1,45-49): error X3502: 'PSMain': input parameter 'shade' missing semantics"},
        {"struct In { float4 p : SV_Position; float4 t; };\n"
         "float4 PSMain(In input) : SV_Target { return input.t; }",
         "(2,18-22): error X3502: 'PSMain': input parameter 'input' missing semantics"},
        {"float4 PSMain(float4 p : SV_Position) { return p; }",
         "(1,8-13): error X3503: 'PSMain': function return value missing semantics"},
        {"float4 PSMain() : SV_Target { float2 v = 0; v.xx = 1; return v.xyxy; }",
         "(1,47-48): error: the swizzle 'xx' names a component twice and cannot be written"},
    };
    for (const auto& c : cases) {
        ExpectCaseMessage(scratch, std::string(c.source) + "\n", c.line);
    }
    // A member named as a repeated swizzle is written as a member.
    const std::string member = scratch.Write(
        "member.hlsl", "struct S { float xx; };\n"
                       "float4 PSMain() : SV_Target { S s; s.xx = 1; return s.xx; }\n");
    EXPECT_EQ(Compile(member, "PSMain", "ps_5_0").hr, S_OK);
}

TEST(CompileMessages, IntrinsicCandidatesAndLinesAfterLineDirectives) {
    ScratchDirectory scratch("candidates");
    const std::string frexp =
        scratch.Write("frexp.hlsl", "float4 PSMain() : SV_Target {\n    return frexp(1.0);\n}\n");
    const std::string prefix = frexp + "(2,12-16): error X3013: ";
    EXPECT_EQ(Compile(frexp, "PSMain", "ps_5_0").errors,
              prefix + "'frexp': no matching 1 parameter intrinsic function\n" + prefix +
                  "Possible intrinsic functions are:\n" + prefix +
                  "    frexp(float|half, out float|half exp)\n");
    const std::string renumbered = scratch.Write(
        "renumbered.hlsl",
        "float4 PSMain() : SV_Target {\n#line 70 \"other.hlsl\"\n    return missing;\n}\n");
    EXPECT_EQ(Compile(renumbered, "PSMain", "ps_5_0").errors,
              "other.hlsl(70,12-18): error X3004: undeclared identifier 'missing'\n");
}

TEST(CompileMessages, CallOfANameNothingDeclaresIsUndeclared) {
    ScratchDirectory scratch("undeclared");
    const std::string misspelt =
        scratch.Write("misspelt.hlsl", "float4 PSMain(float4 p : SV_Position) : SV_Target {\n"
                                       "    return saturat(p.x) + lerp(0, 1, p.y);\n}\n");
    CompileResult result = Compile(misspelt, "PSMain", "ps_5_0");
    EXPECT_EQ(result.errors,
              misspelt + "(2,12-18): error X3004: undeclared identifier 'saturat'\n");

    // A function the file defines, called with an argument it cannot take, is
    // no undeclared name, nor is one called in a return statement.
    const std::string declared =
        scratch.Write("declared.hlsl", "struct S { float a; };\nfloat Read(S s) { return s.a; }\n"
                                       "float4 PSMain(float4 p : SV_Position) : SV_Target {\n"
                                       "    return Read(p);\n}\n");
    result = Compile(declared, "PSMain", "ps_5_0");
    EXPECT_EQ(result.hr, E_FAIL);
    EXPECT_FALSE(Mentions(result.errors, "X3004"));
}

TEST(CompileMessages, RedefinitionAndFollowOnErrors) {
    ScratchDirectory scratch("redefinition");
    const std::string path =
        scratch.Write("twice.hlsl", "static const float k = 1;\nstatic const int k = 2;\n"
                                    "float4 PSMain() : SV_Target { return k; }\n");
    CompileResult result = Compile(path, "PSMain", "ps_5_0");
    EXPECT_TRUE(Mentions(result.errors, path + "(2,18-18): error X3003: redefinition of 'k'"));

    // glslang goes on to report the undeclared name's void result and the
    // statement it cannot finish; Windows reports the name alone.
    const std::string cascade =
        scratch.Write("cascade.hlsl", "float4 PSMain() : SV_Target {\n"
                                      "    float x = 1;\n"
                                      "    return float4(x * nope, 1, 1, 1);\n}\n");
    result = Compile(cascade, "PSMain", "ps_5_0");
    EXPECT_EQ(result.errors, cascade + "(3,23-26): error X3004: undeclared identifier 'nope'\n");

    // A constructor left without its argument: glslang's line for it has no
    // place in the source.
    const std::string constructed =
        scratch.Write("constructed.hlsl", "static const float3 k = float3(nope, 1, 1);\n"
                                          "float4 PSMain() : SV_Target { return k.xyzz; }\n");
    result = Compile(constructed, "PSMain", "ps_5_0");
    EXPECT_EQ(result.errors,
              constructed + "(1,32-35): error X3004: undeclared identifier 'nope'\n");

    // glslang drops a declaration whose initialiser it cannot read; Windows
    // declares the variable all the same, so its later uses are no errors.
    const std::string dropped =
        scratch.Write("dropped.hlsl", "float4 PSMain(float4 p : SV_Position) : SV_Target {\n"
                                      "    float4 c = tex.Sample(smp, p.xy);\n"
                                      "    return c;\n}\n");
    result = Compile(dropped, "PSMain", "ps_5_0");
    EXPECT_TRUE(
        Mentions(result.errors, dropped + "(2,16-18): error X3004: undeclared identifier 'tex'"))
        << result.errors;
    EXPECT_FALSE(Mentions(result.errors, "(3,")) << result.errors;
}

TEST(CompileMessages, SyntaxErrorsNameTheTokenMet) {
    ScratchDirectory scratch("syntax");
    // Each body follows "float4 PSMain(float4 p : SV_Position) : SV_Target {"
    // on line 1.
    const struct {
        const char* body;
        const char* line;
    } cases[] = {
        {"float a = p.x\n    return a;",
         "(3,5-10): error X3000: syntax error: unexpected token 'return'"},
        {"float a = p.x + ;\n    return a;",
         "(2,21-21): error X3000: syntax error: unexpected token ';'"},
        {"float a = max(p.x, );\n    return a;",
         "(2,24-24): error X3000: syntax error: unexpected token ')'"},
        {"float a = (p.x + 1;\n    return a;",
         "(2,23-23): error X3000: syntax error: unexpected token ';'"},
        {"float a = p.x 2;\n    return a;",
         "(2,19-19): error X3000: syntax error: unexpected integer constant"},
        {"float a = p.x 2.5;\n    return a;",
         "(2,19-21): error X3000: syntax error: unexpected float constant"},
        {"return p;\n}}", "(3,2-2): error X3000: syntax error: unexpected token '}'"},
        {"return p.x ? ;", "(2,18-18): error X3000: syntax error: unexpected token ';'"},
        {"float a[2;\n    return a[0];",
         "(2,14-14): error X3000: syntax error: unexpected token ';'"},
        {"return (p.x));", "(2,17-17): error X3000: syntax error: unexpected token ')'"},
        {"return (p.x + { 1 });", "(2,19-19): error X3000: syntax error: unexpected token '{'"},
        {"return p[0);", "(2,15-15): error X3000: syntax error: unexpected token ')'"},
        {"float r = 0;\n    for (int i = 0; i < 3) r += i;\n    return r;",
         "(3,26-26): error X3000: syntax error: unexpected token ')'"},
        {"float r = 0;\n    for (int i = 0; i < 3; ++i;) r += i;\n    return r;",
         "(3,31-31): error X3000: syntax error: unexpected token ';'"},
        {"return 1[p.x];",
         "(2): error X3121: array, matrix, vector, or indexable object type expected in "
         "index expression"},
        // glslang takes a declaration run on from the line before.
        {"float a = p.x\n    float b = 2;\n    return a;",
         "(3,5-9): error X3000: syntax error: unexpected token 'float'"},
        {"if (p.x > 0) {\n    return p;\n",
         "(6): error X3000: syntax error: unexpected end of file"},
    };
    for (const auto& c : cases) {
        ExpectCaseMessage(scratch,
                          std::string("float4 PSMain(float4 p : SV_Position) : SV_Target {\n    ") +
                              c.body + "\n}\n",
                          c.line);
    }
    // glslang crashed on a semantic where a parameter's name should stand.
    ExpectCaseMessage(scratch,
                      "float4 PSMain(float4 : SV_Position) : SV_Target {\n    return 1;\n}\n",
                      "(1,22-22): error X3000: syntax error: unexpected token ':'");
}

TEST(CompileMessages, ACallOfANameNotYetDeclaredIsUndeclared) {
    ScratchDirectory scratch("calls");
    const std::string undeclared = scratch.Write(
        "undeclared.hlsl", "float4 PSMain() : SV_Target\n{\n    return Brighten(1.0);\n}\n");
    CompileResult result = Compile(undeclared, "PSMain", "ps_5_0");
    EXPECT_EQ(result.errors,
              undeclared + "(3,12-19): error X3004: undeclared identifier 'Brighten'\n");

    const std::string later =
        scratch.Write("later.hlsl", "float4 PSMain() : SV_Target\n{\n    return Later(1.0);\n}\n"
                                    "float4 Later(float x)\n{\n    return x;\n}\n");
    result = Compile(later, "PSMain", "ps_5_0");
    EXPECT_EQ(result.errors, later + "(3,12-16): error X3004: undeclared identifier 'Later'\n");

    // A function that is declared but takes other arguments is no undeclared
    // name, whichever line declares it.
    const std::string declared = scratch.Write(
        "declared.hlsl", "struct Light { float range; };\nfloat\nBrighten(Light l)\n"
                         "{\n    return l.range;\n}\n"
                         "float4 PSMain() : SV_Target\n{\n    return Brighten(1.0);\n}\n");
    result = Compile(declared, "PSMain", "ps_5_0");
    EXPECT_EQ(result.hr, E_FAIL);
    EXPECT_FALSE(Mentions(result.errors, "X3004"));
}

TEST(CompileMessages, WarningsOnARewrittenLineTakeItsColumnsAsWritten) {
    ScratchDirectory scratch("rewritten");
    // The signed remainders become calls of a helper before glslang reads
    // the line; the warnings still name "at.x % 2" where it is written.
    const std::string path =
        scratch.Write("remainders.hlsl", "float4 PSMain(float4 p : SV_Position) : SV_Target {\n"
                                         "    int2 at = int2(p.xy);\n"
                                         "    return float4(at.x % 2, at.y % 2, at.x / 2, 0);\n"
                                         "}\n");
    const CompileResult result = Compile(path, "PSMain", "ps_5_0");
    const std::string slower = ": warning X3556: integer %s may be much slower, try using uints "
                               "if possible.\n";
    auto line = [&](const char* columns, const char* what) {
        std::string text = path + columns + slower;
        text.replace(text.find("%s"), 2, what);
        return text;
    };
    EXPECT_EQ(result.errors, line("(3,19-26)", "modulus") + line("(3,29-36)", "modulus") +
                                 line("(3,39-46)", "divides"));
}

TEST(CompileMessages, AReturnOfAnotherTypeNamesBothTypes) {
    ScratchDirectory scratch("returns");
    const struct {
        const char* function;
        const char* line;
    } cases[] = {
        {"float4 F(float x)\n{\n    return float3(x, x, x);\n}",
         "(3,12-26): error X3017: cannot implicitly convert from 'float3' to 'float4'"},
        {"float2 F(float x)\n{\n    float2x2 m = x;\n    if (x > 0)\n        return m;\n"
         "    return x;\n}",
         "(5,16-16): error X3017: cannot implicitly convert from 'float2x2' to 'float2'"},
    };
    for (const auto& c : cases) {
        ExpectCaseMessage(scratch,
                          std::string(c.function) +
                              "\nfloat4 PSMain(float4 p : SV_Position) : SV_Target\n"
                              "{\n    return F(p.x).x;\n}\n",
                          c.line);
    }
}

TEST(CompileContainment, AFrontEndCrashIsOneErrorLine) {
    ScratchDirectory scratch("crash");
    const std::string path =
        scratch.Write("crash.hlsl", "float1 One(float v) { return v; }\n"
                                    "float4 PSMain(float4 p : SV_Position) : SV_Target {\n"
                                    "    float4x4 m = (float4x4)p.x;\n"
                                    "    return mul(One(p.x), m);\n}\n");
    CompileResult result = Compile(path, "PSMain", "ps_5_0");
    EXPECT_EQ(result.hr, E_FAIL);
    EXPECT_EQ(LineCount(result.errors), 1u) << result.errors;
    EXPECT_TRUE(Mentions(result.errors, path + ": error: the HLSL compiler failed on this source"));

    // The process that asked goes on compiling.
    const std::string good =
        scratch.Write("good.hlsl", "float4 PSMain() : SV_Target { return 1; }\n");
    EXPECT_EQ(Compile(good, "PSMain", "ps_5_0").hr, S_OK);
}

TEST(CompileContainment, ThreadsCompileAtOnce) {
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer's allocator does not take its own locks across fork(),
    // so a child forked while another thread allocates can wait on them for ever.
    GTEST_SKIP() << "fork() beside allocating threads is not safe under AddressSanitizer";
#endif
    ScratchDirectory scratch("threads");
    const std::string path =
        scratch.Write("shader.hlsl", "float4 VSMain() : SV_Position { return 0; }\n"
                                     "float4 PSMain() : SV_Target { return 1; }\n");
    std::vector<std::thread> threads;
    std::vector<int> compiled(4, 0);
    for (size_t t = 0; t < compiled.size(); ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 5; ++i) {
                const bool vertex = (t + i) % 2 == 0;
                compiled[t] +=
                    Compile(path, vertex ? "VSMain" : "PSMain", vertex ? "vs_5_0" : "ps_5_0").hr ==
                    S_OK;
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(compiled, std::vector<int>(4, 5));
}

bool HasChildProcess() {
    const std::string parent = std::to_string(getpid());
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line) || line.rfind(')') == std::string::npos) {
            continue;
        }
        std::istringstream fields(line.substr(line.rfind(')') + 2));
        std::string state, ppid;
        fields >> state >> ppid;
        if (ppid == parent) {
            return true;
        }
    }
    return false;
}

void OnSignal(int) {}

TEST(CompileContainment, ASignalAbandonsAStallingCompile) {
    ScratchDirectory scratch("stall");
    // Thirty thousand statements take the front end seconds.
    std::string source =
        "float4 PSMain(float4 p : SV_Position) : SV_Target {\n    float x = p.x;\n";
    for (int statement = 0; statement < 30000; ++statement) {
        source += "    x = x * 1.0001 + 0.5;\n";
    }
    source += "    return x;\n}\n";
    const std::string path = scratch.Write("stall.hlsl", source);

    // A handler without SA_RESTART, as a program's Ctrl+C handler is.
    struct sigaction action {};
    struct sigaction previous {};
    action.sa_handler = OnSignal;
    sigaction(SIGUSR1, &action, &previous);
    const pthread_t compiling = pthread_self();
    std::thread signaller([compiling] {
        while (!HasChildProcess()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        pthread_kill(compiling, SIGUSR1);
    });
    const auto start = std::chrono::steady_clock::now();
    CompileResult result = Compile(path, "PSMain", "ps_5_0");
    const auto took = std::chrono::steady_clock::now() - start;
    signaller.join();
    sigaction(SIGUSR1, &previous, nullptr);

    EXPECT_EQ(result.hr, E_FAIL);
    EXPECT_EQ(result.errors, path + ": error: compilation interrupted\n");
    // Its time limit is 10 s; abandoned, it ends long before.
    EXPECT_LT(took, std::chrono::seconds(5));
    // Compiles started just after the request are abandoned too.
    EXPECT_EQ(Compile(path, "PSMain", "ps_5_0").errors,
              path + ": error: compilation interrupted\n");
    // Past that moment, compiles run again, for the tests after this one.
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));
}

} // namespace
