// The demo's frames through the real renderer and the stand-in, headless:
// frames per second and where each frame's time goes.
#include "bench_options.h"
#include "demo_loop.h"
#include "frame_stats.h"
#include "shader_folder.h"
#include "standin_device.h"

#include <renderer.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

void Report(const char* step, const std::vector<double>& samples) {
    bench::Summary summary = bench::Summarize(samples);
    std::printf("brennwick: %-28s median %8.3f ms, p95 %8.3f ms\n", step, summary.median,
                summary.p95);
}

double Ms(uint64_t nanoseconds) {
    return double(nanoseconds) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    bench::Options options;
    std::string error;
    if (!bench::ParseOptions(argc, argv, &options, &error)) {
        std::fprintf(stderr, "brennwick_bench: %s\n", error.c_str());
        return 2;
    }
    if (options.scale != 1) {
        std::fprintf(stderr, "brennwick_bench: --scale is for the other benchmarks; this one "
                             "draws the demo's own scene\n");
        return 2;
    }
    // Without a display the window exists without X and Present only moves to
    // the next back buffer: nothing waits for a vertical blank.
    unsetenv("DISPLAY");
    bench::ShaderFolder folder;
    if (!folder.Enter(BRENNWICK_SOURCE_DIR "/shaders/normal.hlsl", &error)) {
        std::fprintf(stderr, "brennwick_bench: %s\n", error.c_str());
        return 1;
    }
    bench::DemoLoop loop;
    if (!loop.Start(&error)) {
        std::fprintf(stderr, "brennwick_bench: %s\n", error.c_str());
        return 1;
    }
    std::printf("brennwick: device %s\n",
                bench::StandinDeviceName(loop.renderer()->device->commandQueue[Dx12::DRAW_COMMANDS])
                    .c_str());
    std::vector<double> update, recording, waiting, present, total;
    for (int frame = 0; frame < options.warmup + options.frames; ++frame) {
        bench::FrameSplit split;
        if (!loop.Frame(&split)) {
            std::fprintf(stderr, "brennwick_bench: the window asked to quit at frame %d\n", frame);
            return 1;
        }
        if (frame >= options.warmup) {
            update.push_back(Ms(split.update));
            recording.push_back(Ms(split.drawRecording));
            waiting.push_back(Ms(split.drawWaiting));
            present.push_back(Ms(split.present));
            total.push_back(Ms(split.total));
        }
    }
    loop.Stop();
    std::fflush(stdout);

    bench::Summary frames = bench::Summarize(total);
    std::printf("brennwick: %d frames after %d warm-up, headless (no display, so Present does "
                "not wait for vsync)\n",
                options.frames, options.warmup);
    Report("update pass", update);
    Report("draw pass: recording", recording);
    Report("draw pass: blocked in waits", waiting);
    Report("present", present);
    std::printf("brennwick: frame time median %.3f ms, p95 %.3f ms, mean %.3f ms (%.2f fps)\n",
                frames.median, frames.p95, frames.mean, 1000.0 / frames.mean);
    return 0;
}
