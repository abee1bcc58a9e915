// Frames of the demo scene under the validation layer's synchronization
// checks: the renderer's loop with its present, and the same frame straight
// through Direct3D 12. Any hazard is a validation message, and the shared test
// main fails the run on those; each test also checks its own frames.
#include "d3d12_frame.h"
#include "demo_loop.h"
#include "shader_folder.h"

#include <platform_testing.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char* const kShader = BRENNWICK_SOURCE_DIR "/shaders/normal.hlsl";
constexpr int kFrames = 3;

// The checks are switched on from the environment, which ctest sets.
bool SynchronizationChecksOn() {
    const char* layers = std::getenv("VK_INSTANCE_LAYERS");
    const char* enables = std::getenv("VK_LAYER_ENABLES");
    return layers != nullptr && std::strstr(layers, "VK_LAYER_KHRONOS_validation") != nullptr &&
           enables != nullptr &&
           std::strstr(enables, "VK_VALIDATION_FEATURE_ENABLE_SYNCHRONIZATION_VALIDATION_EXT") !=
               nullptr;
}

TEST(SynchronizationValidation, DemoLoopFramesHaveNoHazards) {
    ASSERT_TRUE(SynchronizationChecksOn());
    unsetenv("DISPLAY");
    bench::ShaderFolder shaders;
    std::string error;
    ASSERT_TRUE(shaders.Enter(kShader, &error)) << error;
    bench::DemoLoop loop;
    ASSERT_TRUE(loop.Start(&error)) << error;
    uint64_t before = platform_testing::ValidationMessages();
    for (int frame = 0; frame < kFrames; ++frame) {
        bench::FrameSplit split;
        ASSERT_TRUE(loop.Frame(&split));
    }
    loop.Stop();
    EXPECT_EQ(platform_testing::ValidationMessages(), before);
}

TEST(SynchronizationValidation, DirectFramesHaveNoHazards) {
    ASSERT_TRUE(SynchronizationChecksOn());
    bench::ShaderFolder shaders;
    std::string error;
    ASSERT_TRUE(shaders.Enter(kShader, &error)) << error;
    bench::D3d12Frame frame;
    ASSERT_TRUE(bench::CreateD3d12Frame(&frame, &error)) << error;
    const auto instances = bench::BuildInstances();
    float angle = 0.0f;
    uint64_t before = platform_testing::ValidationMessages();
    for (int i = 0; i < kFrames; ++i) {
        bench::DrawD3d12Frame(&frame, instances, i & 1, &angle);
    }
    bench::DestroyD3d12Frame(&frame);
    EXPECT_EQ(platform_testing::ValidationMessages(), before);
}

} // namespace
