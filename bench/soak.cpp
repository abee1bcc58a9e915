// Soak run of the demo under the sanitizers: thousands of headless frames with
// F5 pressed every 100 frames, failing when resident memory keeps growing,
// when stand-in objects outlive the renderer, or on validation messages.
#include "demo_loop.h"
#include "program_start.h"

#include <windows.h>

#include <platform_testing.h>

#include <cstdio>
#include <string>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer run-time's allocator interface (GCC installs no header for it).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

constexpr int kFramesBetweenReloads = 100;
constexpr int kSettledFrame = 500;
// The sanitizer's allocator lets the resident size creep by a few MiB over a
// long run even while the heap in use stays flat, hence the two limits.
constexpr double kAllowedResidentGrowthMiB = 8.0;
constexpr double kAllowedHeapGrowthMiB = 1.0;

double ResidentMiB() {
    FILE* statm = std::fopen("/proc/self/statm", "r");
    long size = 0, resident = 0;
    if (statm == nullptr) {
        return -1.0;
    }
    int read = std::fscanf(statm, "%ld %ld", &size, &resident);
    std::fclose(statm);
    return read == 2 ? double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : -1.0;
}

// Heap bytes in use, as the address sanitizer's allocator counts them (freed
// memory waiting in its quarantine is not counted); -1 without the sanitizer.
double HeapInUseMiB() {
#if defined(__SANITIZE_ADDRESS__)
    return double(__sanitizer_get_current_allocated_bytes()) / (1024.0 * 1024.0);
#else
    return -1.0;
#endif
}

} // namespace

int main(int argc, char** argv) {
    const char* program = "brennwick_soak";
    bench::Options options;
    options.frames = 3000;
    if (!bench::ReadOptions(program, argc, argv, &options)) {
        return 2;
    }
    if (options.scale != 1) {
        return bench::Complain(program, "--scale is for the benchmarks of the bare frame", 2);
    }
    if (options.frames <= kSettledFrame) {
        return bench::Complain(program, "--frames must exceed " + std::to_string(kSettledFrame), 2);
    }
    long liveBefore = platform_testing::LiveObjects();
    bench::ShaderFolder folder;
    bench::DemoLoop loop;
    if (!bench::StartHeadless(program, BRENNWICK_SOURCE_DIR "/shaders/normal.hlsl", &folder,
                              &loop)) {
        return 1;
    }
    double settledMiB = 0.0, peakMiB = 0.0, settledHeapMiB = 0.0;
    int reloads = 0;
    for (int frame = 1; frame <= options.frames; ++frame) {
        if (frame % kFramesBetweenReloads == 0) {
            // A real key press: the frame loop sees it through GetAsyncKeyState.
            platform_testing::InjectKeyDown(VK_F5);
            platform_testing::InjectKeyUp(VK_F5);
            ++reloads;
        }
        bench::FrameSplit split;
        if (!loop.Frame(&split)) {
            std::fprintf(stderr, "%s: the window asked to quit at frame %d\n", program, frame);
            return 1;
        }
        double resident = ResidentMiB();
        if (frame == kSettledFrame) {
            settledMiB = resident;
            settledHeapMiB = HeapInUseMiB();
        }
        if (frame > kSettledFrame && resident > peakMiB) {
            peakMiB = resident;
        }
        if (frame % 500 == 0) {
            std::printf("soak: frame %d resident %.1f MiB, heap in use %.1f MiB\n", frame, resident,
                        HeapInUseMiB());
            std::fflush(stdout);
        }
    }
    double finalMiB = ResidentMiB();
    double finalHeapMiB = HeapInUseMiB();
    loop.Stop();
    long liveAfter = platform_testing::LiveObjects();
    uint64_t validation = platform_testing::ValidationMessages();

    std::printf("soak: %d frames, %d shader reloads; resident %.1f MiB at frame %d, %.1f MiB at "
                "the end (peak %.1f MiB), growth %.1f MiB (allowed %.1f)\n",
                options.frames, reloads, settledMiB, kSettledFrame, finalMiB, peakMiB,
                finalMiB - settledMiB, kAllowedResidentGrowthMiB);
    if (finalHeapMiB >= 0.0) {
        std::printf("soak: heap in use %.2f MiB at frame %d, %.2f MiB at the end\n", settledHeapMiB,
                    kSettledFrame, finalHeapMiB);
    }
    std::printf("soak: stand-in objects alive after teardown %ld (before start %ld), validation "
                "messages %llu\n",
                liveAfter, liveBefore, static_cast<unsigned long long>(validation));
    bool ok = settledMiB > 0.0 && finalMiB - settledMiB <= kAllowedResidentGrowthMiB &&
              finalHeapMiB - settledHeapMiB <= kAllowedHeapGrowthMiB && liveAfter == liveBefore &&
              validation == 0;
    std::printf("soak: %s\n", ok ? "OK" : "FAILED");
    return ok ? 0 : 1;
}
