// The benchmarks' own arithmetic: the statistics they report and the scene the
// plain-Vulkan reference rebuilds, which must be the demo's scene.
#include "bench_options.h"
#include "demo_scene_data.h"
#include "frame_stats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

TEST(FrameStats, NearestRankPercentilesOfUnsortedSamples) {
    std::vector<double> samples;
    for (int i = 100; i >= 1; --i) {
        samples.push_back(double(i));
    }
    EXPECT_EQ(bench::Percentile(samples, 50.0), 50.0);
    EXPECT_EQ(bench::Percentile(samples, 95.0), 95.0);
    EXPECT_EQ(bench::Percentile(samples, 100.0), 100.0);
    EXPECT_EQ(bench::Percentile({7.0}, 95.0), 7.0);
    EXPECT_EQ(bench::Percentile({}, 50.0), 0.0);

    bench::Summary summary = bench::Summarize({4.0, 1.0, 3.0, 2.0});
    EXPECT_EQ(summary.median, 2.0);
    EXPECT_EQ(summary.p95, 4.0);
    EXPECT_DOUBLE_EQ(summary.mean, 2.5);
}

bool Parse(std::vector<const char*> arguments, bench::Options* options, std::string* error) {
    arguments.insert(arguments.begin(), "bench");
    return bench::ParseOptions(int(arguments.size()), const_cast<char**>(arguments.data()), options,
                               error);
}

TEST(BenchOptions, AcceptsCountsAndRefusesBadInputWithAMessage) {
    bench::Options options;
    std::string error;
    ASSERT_TRUE(Parse({"--frames", "25", "--warmup", "0", "--ppm", "out.ppm"}, &options, &error));
    EXPECT_EQ(options.frames, 25);
    EXPECT_EQ(options.warmup, 0);
    EXPECT_EQ(options.ppmPath, "out.ppm");

    const std::vector<std::vector<const char*>> refused = {{"--frames", "0"},
                                                           {"--frames", "12x"},
                                                           {"--frames", "-3"},
                                                           {"--warmup", ""},
                                                           {"--frames"},
                                                           {"--fast"},
                                                           {"--warmup", "99999999999999999999"}};
    for (const auto& arguments : refused) {
        error.clear();
        EXPECT_FALSE(Parse(arguments, &options, &error)) << arguments[0];
        EXPECT_NE(error.find(arguments[0]), std::string::npos) << error;
    }
}

// The same floats as the demo's, to the bit: nine digits name each exactly.
void ExpectSlot(const bench::InstanceSlot& slot, const float (&place)[3],
                const float (&colour)[3]) {
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(slot.world[12 + i], place[i]) << "coordinate " << i;
        EXPECT_EQ(slot.color[i], colour[i]) << "channel " << i;
    }
    EXPECT_EQ(slot.color[3], 1.0f);
    EXPECT_EQ(slot.world[0], 0.1f);
    EXPECT_EQ(slot.world[15], 1.0f);
}

TEST(ReferenceScene, InstancesAreTheDemoScenesFirstAndLast) {
    std::vector<bench::InstanceSlot> instances = bench::BuildInstances();
    ASSERT_EQ(instances.size(), 4096u);
    ExpectSlot(instances.front(), {-2.94918752f, -2.980865f, -2.99679565f},
               {0.019592585f, 0.045029372f, 0.10438697f});
    ExpectSlot(instances.back(), {-0.235797644f, -0.906156957f, 1.79633796f},
               {0.483558416f, 0.878248274f, 0.128313109f});
}

TEST(ReferenceScene, CubeTrianglesFaceOutwardAlongTheirNormals) {
    std::vector<bench::CubeVertex> cube = bench::BuildCube();
    ASSERT_EQ(cube.size(), 36u);
    static_assert(sizeof(bench::CubeVertex) == 48 && sizeof(bench::InstanceSlot) == 80);
    for (size_t t = 0; t < cube.size(); t += 3) {
        const float* a = cube[t].pos;
        const float* b = cube[t + 1].pos;
        const float* c = cube[t + 2].pos;
        float u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
        float v[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
        float cross[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                          u[0] * v[1] - u[1] * v[0]};
        const float* n = cube[t].normal;
        EXPECT_GT(cross[0] * n[0] + cross[1] * n[1] + cross[2] * n[2], 0.0f)
            << "triangle " << t / 3;
    }
}

TEST(ReferenceScene, CameraMatchesTheOrbitOnFrameOneAndHundred) {
    float angle = 0.0f, view[16], projection[16];
    bench::CameraMatrices(&angle, view, projection);
    EXPECT_EQ(angle, 0.01f);
    // The eye is recovered from the view matrix: eye = -(translation row) * rotation^T.
    auto eye = [&](int axis) {
        return -(view[12] * view[axis * 4 + 0] + view[13] * view[axis * 4 + 1] +
                 view[14] * view[axis * 4 + 2]);
    };
    EXPECT_NEAR(eye(0), 0.0499992, 1e-4);
    EXPECT_NEAR(eye(1), 3.0, 1e-4);
    EXPECT_NEAR(eye(2), 4.99975, 1e-4);
    for (int frame = 2; frame <= 100; ++frame) {
        bench::CameraMatrices(&angle, view, projection);
    }
    EXPECT_NEAR(angle, 0.9999993f, 1e-7);
    EXPECT_NEAR(eye(0), 4.207353, 1e-4);
    EXPECT_NEAR(eye(2), 2.701514, 1e-4);
    EXPECT_NEAR(projection[5], 1.0, 1e-5);             // cot(fov / 2), fov just under pi/2
    EXPECT_NEAR(projection[0], 1.0 / 1.7777778, 1e-5); // divided by the 16:9 aspect
    EXPECT_EQ(projection[11], 1.0f);
}

} // namespace
