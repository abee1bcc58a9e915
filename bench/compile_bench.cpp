// The demo's F5 recompile on its own: "normal.hlsl" compiled for the vertex
// and the pixel stage from the working directory, as Dx12::Shader does it.
// --warmup F5s first (the first compile also builds the compiler's built-in
// tables, which an F5 finds built), then --frames measured F5s and their
// median wall time. scripts/bench-compile.sh counts their instructions.
#include "frame_stats.h"
#include "program_start.h"

#include <dx12/shader.h>

#include <cstdio>
#include <vector>

namespace {

// One F5: both stages, the vertex one with its root signature, as the demo's
// shader is rebuilt. False when either stage failed to compile.
bool RecompileDemoShader() {
    std::vector<uint8_t> vertexCode, pixelCode;
    ID3DBlob* rootSignature = nullptr;
    Dx12::CompileShaderFromFile(vertexCode, "normal.hlsl", "VSMain", "vs_5_0", 0, &rootSignature);
    Dx12::CompileShaderFromFile(pixelCode, "normal.hlsl", "PSMain", "ps_5_0", 0, nullptr);
    const bool compiled = !vertexCode.empty() && !pixelCode.empty() && rootSignature != nullptr;
    if (rootSignature != nullptr) {
        rootSignature->Release();
    }
    return compiled;
}

} // namespace

int main(int argc, char** argv) {
    const char* program = "compile_bench";
    bench::Options options;
    options.frames = 21;
    options.warmup = 1;
    if (!bench::ReadOptions(program, argc, argv, &options)) {
        return 2;
    }
    if (options.scale != 1 || !options.ppmPath.empty()) {
        return bench::Complain(program, "only --frames N and --warmup N apply here", 2);
    }
    bench::ShaderFolder folder;
    if (!bench::EnterShaderFolder(program, BRENNWICK_SOURCE_DIR "/shaders/normal.hlsl", &folder)) {
        return 1;
    }
    std::vector<double> milliseconds;
    for (int round = 0; round < options.warmup + options.frames; ++round) {
        const uint64_t start = bench::NowNanoseconds();
        if (!RecompileDemoShader()) {
            return bench::Complain(program, "normal.hlsl did not compile", 1);
        }
        if (round >= options.warmup) {
            milliseconds.push_back(double(bench::NowNanoseconds() - start) / 1e6);
        }
    }
    const bench::Summary summary = bench::Summarize(milliseconds);
    std::printf("compile_bench: F5 recompile (vertex and pixel stage) median %.2f ms, p95 %.2f "
                "ms over %d\n",
                summary.median, summary.p95, options.frames);
    return 0;
}
