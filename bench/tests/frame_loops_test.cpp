// The benchmarks time what the demo really does: one frame is one clear and 32
// batch submissions drawing both meshes, plus a present; F5 pressed through the
// Win32 stand-in rebuilds the shader; nothing outlives the run.
#include "d3d12_frame.h"
#include "demo_loop.h"
#include "shader_folder.h"

#include <renderer/renderer.h>

#include <platform_testing.h>
#include <stdout_capture.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const kShader = BRENNWICK_SOURCE_DIR "/shaders/normal.hlsl";

std::string WorkingDirectory() {
    char buffer[4096];
    return getcwd(buffer, sizeof(buffer)) != nullptr ? buffer : "";
}

bool Exists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

TEST(ShaderFolder, HoldsTheShaderWhileEnteredAndLeavesNothingBehind) {
    const std::string before = WorkingDirectory();
    std::string folder;
    {
        bench::ShaderFolder shaders;
        std::string error;
        ASSERT_TRUE(shaders.Enter(kShader, &error)) << error;
        folder = WorkingDirectory();
        EXPECT_NE(folder, before);
        EXPECT_TRUE(Exists("normal.hlsl"));
    }
    EXPECT_EQ(WorkingDirectory(), before);
    EXPECT_FALSE(Exists(folder));

    bench::ShaderFolder missing;
    std::string error;
    EXPECT_FALSE(missing.Enter("/nonexistent/normal.hlsl", &error));
    EXPECT_NE(error.find("/nonexistent/normal.hlsl"), std::string::npos) << error;
    EXPECT_EQ(WorkingDirectory(), before);
}

TEST(D3d12Frame, OneFrameIsThirtyThreeSubmissionsAndSixtyFourDraws) {
    bench::ShaderFolder shaders;
    std::string error;
    ASSERT_TRUE(shaders.Enter(kShader, &error)) << error;
    long liveBefore = platform_testing::LiveObjects();
    {
        bench::D3d12Frame frame;
        ASSERT_TRUE(bench::CreateD3d12Frame(&frame, &error)) << error;
        const auto instances = bench::BuildInstances();
        float angle = 0.0f;
        uint64_t lists = platform_testing::ExecutedCommandLists(frame.queue);
        uint64_t draws = platform_testing::ExecutedDraws();
        bench::DrawD3d12Frame(&frame, instances, 0, &angle);
        EXPECT_EQ(platform_testing::ExecutedCommandLists(frame.queue) - lists, 33u);
        EXPECT_EQ(platform_testing::ExecutedDraws() - draws, 64u);
        bench::DestroyD3d12Frame(&frame);
    }
    EXPECT_EQ(platform_testing::LiveObjects(), liveBefore);
}

TEST(DemoLoop, FramesMatchTheProgramsLoopAndF5RebuildsTheShader) {
    unsetenv("DISPLAY");
    bench::ShaderFolder shaders;
    std::string error;
    ASSERT_TRUE(shaders.Enter(kShader, &error)) << error;
    long liveBefore = platform_testing::LiveObjects();
    {
        bench::DemoLoop loop;
        ASSERT_TRUE(loop.Start(&error)) << error;
        Dx12::Renderer* renderer = loop.renderer();
        ID3D12CommandQueue* queue = renderer->device->commandQueue[Dx12::DRAW_COMMANDS];

        for (uint32_t frame = 0; frame < 2; ++frame) {
            uint64_t lists = platform_testing::ExecutedCommandLists(queue);
            uint64_t presents = platform_testing::Presents(renderer->device->swapChain);
            uint64_t draws = platform_testing::ExecutedDraws();
            bench::FrameSplit split;
            ASSERT_TRUE(loop.Frame(&split));
            EXPECT_EQ(platform_testing::ExecutedCommandLists(queue) - lists, 33u);
            EXPECT_EQ(platform_testing::ExecutedDraws() - draws, 64u) << "both meshes, 32 batches";
            EXPECT_EQ(platform_testing::Presents(renderer->device->swapChain) - presents, 1u);
            EXPECT_EQ(renderer->frame_count, frame + 1);
        }

        platform_testing::InjectKeyDown(VK_F5);
        platform_testing::InjectKeyUp(VK_F5);
        StdoutCapture capture;
        bench::FrameSplit split;
        ASSERT_TRUE(loop.Frame(&split));
        std::string printed = capture.Take();
        EXPECT_NE(printed.find("Dx12::Renderer::DeleteShader : normal.hlsl : Delete cache_shader"),
                  std::string::npos)
            << printed;
        EXPECT_NE(printed.find("Dx12::Shader::Shader : OK filename=normal.hlsl"), std::string::npos)
            << printed;
        EXPECT_EQ(renderer->cache_shader.count("normal.hlsl"), 1u);
    }
    EXPECT_EQ(platform_testing::LiveObjects(), liveBefore);
}

} // namespace
