// The demo's frames through the real renderer and the stand-in, headless:
// frames per second and where each frame's time goes.
#include "demo_loop.h"
#include "frame_stats.h"
#include "program_start.h"
#include "standin_device.h"

#include <renderer/renderer.h>

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
    const char* program = "brennwick_bench";
    bench::Options options;
    if (!bench::ReadOptions(program, argc, argv, &options)) {
        return 2;
    }
    if (options.scale != 1) {
        return bench::Complain(program,
                               "--scale is for the other benchmarks; this one draws the demo's "
                               "own scene",
                               2);
    }
    bench::ShaderFolder folder;
    bench::DemoLoop loop;
    if (!bench::StartHeadless(program, BRENNWICK_SOURCE_DIR "/shaders/normal.hlsl", &folder,
                              &loop)) {
        return 1;
    }
    std::printf("brennwick: device %s\n",
                bench::StandinDeviceName(loop.renderer()->device->commandQueue[Dx12::DRAW_COMMANDS])
                    .c_str());
    std::vector<double> update, recording, waiting, present, total;
    for (int frame = 0; frame < options.warmup + options.frames; ++frame) {
        bench::FrameSplit split;
        if (!loop.Frame(&split)) {
            std::fprintf(stderr, "%s: the window asked to quit at frame %d\n", program, frame);
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
