// The demo frame through Direct3D 12 directly (no renderer), on the stand-in,
// off-screen: measures what the stand-in itself costs per frame.
#include "d3d12_frame.h"
#include "frame_stats.h"
#include "program_start.h"
#include "standin_device.h"

#include <platform_testing.h>

#include <algorithm>
#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    const char* program = "d3d12_frame_bench";
    bench::Options options;
    if (!bench::ReadOptions(program, argc, argv, &options)) {
        return 2;
    }
    bench::ShaderFolder folder;
    if (!bench::EnterShaderFolder(program, BRENNWICK_SOURCE_DIR "/shaders/normal.hlsl", &folder)) {
        return 1;
    }
    bench::D3d12Frame frame;
    std::string error;
    if (!bench::CreateD3d12Frame(&frame, &error)) {
        bench::DestroyD3d12Frame(&frame);
        return bench::Complain(program, error, 1);
    }
    std::printf("d3d12 direct: device %s\n", bench::StandinDeviceName(frame.queue).c_str());
    const std::vector<bench::InstanceSlot> instances = bench::BuildInstances(options.scale);
    float angle = 0.0f;
    std::vector<double> frameMs, recordMs, waitMs;
    for (int i = 0; i < options.warmup + options.frames; ++i) {
        uint64_t start = bench::NowNanoseconds();
        uint64_t blockedBefore = platform_testing::NanosecondsBlockedInWaits();
        bench::DrawD3d12Frame(&frame, instances, i & 1, &angle);
        uint64_t elapsed = bench::NowNanoseconds() - start;
        uint64_t blocked = platform_testing::NanosecondsBlockedInWaits() - blockedBefore;
        if (i >= options.warmup) {
            frameMs.push_back(double(elapsed) / 1e6);
            waitMs.push_back(double(blocked) / 1e6);
            recordMs.push_back(double(elapsed - std::min(elapsed, blocked)) / 1e6);
        }
    }
    bench::Summary total = bench::Summarize(frameMs);
    bench::Summary record = bench::Summarize(recordMs);
    bench::Summary wait = bench::Summarize(waitMs);
    std::printf("d3d12 direct: %d frames after %d warm-up, %zu instances in %d submissions each, "
                "off-screen\n",
                options.frames, options.warmup, instances.size(),
                bench::SubmissionsPerFrame(instances.size()));
    std::printf("d3d12 direct: recording + submitting median %.3f ms, p95 %.3f ms\n", record.median,
                record.p95);
    std::printf("d3d12 direct: blocked in waits median %.3f ms, p95 %.3f ms\n", wait.median,
                wait.p95);
    std::printf("d3d12 direct: frame time median %.3f ms, p95 %.3f ms, mean %.3f ms (%.2f fps)\n",
                total.median, total.p95, total.mean, 1000.0 / total.mean);
    bench::DestroyD3d12Frame(&frame);
    long live = platform_testing::LiveObjects();
    if (live != 0) {
        return bench::Complain(program, std::to_string(live) + " stand-in objects still alive", 1);
    }
    return 0;
}
