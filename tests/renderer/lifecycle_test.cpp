#include "renderer_fixture.h"

#include <stdout_capture.h>
#include <app/demo_scene.h>
#include <working_directory.h>

#include <platform_testing.h>

#include <unistd.h>

namespace {

// A renderer made and torn down at once holds its two constant buffers and
// nothing else: teardown names just those, and every object goes.
TEST_F(RendererTest, AFreshRendererTearsDownItsTwoConstantBuffersOnly) {
    renderer.reset();
    const long liveBefore = platform_testing::LiveObjects();
    renderer = std::make_unique<Dx12::Renderer>(TestWindow(), 1280, 720, 2);
    ASSERT_NE(renderer->uniform0_data, nullptr);
    ASSERT_NE(renderer->uniform1_data, nullptr);
    StdoutCapture out;
    renderer.reset();
    EXPECT_EQ(out.Take(), "Dx12::Renderer::DeleteConstant : uniform0 : Delete cache_constant\n"
                          "Dx12::Renderer::DeleteConstant : uniform1 : Delete cache_constant\n");
    EXPECT_EQ(platform_testing::LiveObjects(), liveBefore);
}

TEST_F(RendererTest, TearsTheDemoSceneDownWithSevenLinesAndNoLeftovers) {
    renderer.reset();
    const long liveBefore = platform_testing::LiveObjects();
    ScopedWorkingDirectory shaders(BRENNWICK_SOURCE_DIR "/shaders");
    ASSERT_TRUE(shaders.Changed());

    renderer = std::make_unique<Dx12::Renderer>(TestWindow(), 1280, 720, 2);
    SetUpDemoScene(renderer.get());
    renderer->buffermapper["looked_up_only"] = nullptr;
    for (int frame = 0; frame < 2; ++frame) {
        renderer->Update();
        renderer->Draw("view_present");
        renderer->device->Present();
        ++renderer->frame_count;
    }
    EXPECT_EQ(renderer->cache_vertex.size(), 2u);
    StdoutCapture out;
    renderer.reset();
    EXPECT_EQ(out.Take(), "Dx12::Renderer::DeleteConstant : uniform0 : Delete cache_constant\n"
                          "Dx12::Renderer::DeleteConstant : uniform1 : Delete cache_constant\n"
                          "Dx12::Renderer::DeleteShader : normal.hlsl : Delete cache_shader\n"
                          "Dx12::Renderer::~Renderer : cube : Delete buffermapper\n"
                          "Dx12::Renderer::~Renderer : instance : Delete buffermapper\n"
                          "Dx12::Renderer::~Renderer : rect : Delete buffermapper\n"
                          "Dx12::Renderer::~Renderer : view_present : Delete buffermapper\n");
    // The update pass's vertex buffers went with the rest.
    EXPECT_EQ(platform_testing::LiveObjects(), liveBefore);
}

TEST_F(RendererTest, DeleteShaderPrintsEveryEntryAndEmptiesTheCache) {
    StdoutCapture nothing;
    renderer->DeleteShader();
    EXPECT_EQ(nothing.Take(), "");
    renderer->cache_shader["failed.hlsl"] = nullptr;
    StdoutCapture out;
    renderer->DeleteShader();
    EXPECT_EQ(out.Take(), "Dx12::Renderer::DeleteShader : failed.hlsl : Delete cache_shader\n");
    EXPECT_TRUE(renderer->cache_shader.empty());
}

TEST_F(RendererTest, OffscreenTargetsAreMadeOnceWithTheirTexturesByName) {
    ViewBuffer* view = MakeScene(3);
    RenderTargetBuffer* target = renderer->GetRenderTargetBuffer("target");
    target->width = 64;
    target->height = 32;
    target->count = 9; // more than the four names a description has
    for (int i = 0; i < RenderTargetBuffer::MAX_COLOR_TARGETS; ++i) {
        target->colorTargets[i].name = "color" + std::to_string(i);
    }
    target->depthTarget.name = "depth";
    view->renderTarget = target;
    view->viewport = ViewportRect{0, 0, 64, 32};
    renderer->Update();

    StdoutCapture out;
    renderer->Draw("view");
    renderer->Draw("view");
    EXPECT_EQ(CountOccurrences(out.Take(), "Dx12::Renderer::Draw : target : Warning : count 9"),
              1u);
    ASSERT_EQ(renderer->cache_rendertarget.size(), 1u);
    Dx12::RenderTarget* made = renderer->cache_rendertarget["target"];
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->numTargets, 4);
    EXPECT_EQ(renderer->cache_texture["color3"], made->colorTextures[3]);
    EXPECT_EQ(renderer->cache_texture["depth"], made->depthTexture);
    EXPECT_EQ(NewDrawSubmissions(), 4u);

    StdoutCapture deleted;
    renderer->DeleteRenderTarget();
    EXPECT_EQ(deleted.Take(),
              "Dx12::Renderer::DeleteRenderTarget : target : Delete cache_rendertarget\n");
    // No entry is left pointing at the deleted target's textures.
    EXPECT_EQ(renderer->cache_texture.count("color0"), 0u);
    EXPECT_EQ(renderer->cache_texture.count("depth"), 0u);
}

TEST_F(RendererTest, ATextureDescriptionNamedLikeATargetTextureLeavesItToTheTarget) {
    ViewBuffer* view = MakeScene(1);
    RenderTargetBuffer* target = renderer->GetRenderTargetBuffer("target");
    target->width = 64;
    target->height = 64;
    target->colorTargets[0].name = "shared";
    target->depthTarget.name = "target_depth";
    view->renderTarget = target;
    renderer->Update();
    renderer->Draw("view");
    Dx12::Texture* owned = renderer->cache_rendertarget["target"]->colorTextures[0];
    ASSERT_EQ(renderer->cache_texture["shared"], owned);

    FillTexture("shared", 64, 2, 1);
    renderer->Update();
    EXPECT_NE(renderer->cache_texture["shared"], owned);
    // Still the target's, and still usable: the next draw renders into it.
    EXPECT_EQ(renderer->cache_rendertarget["target"]->colorTextures[0], owned);
    ASSERT_NE(owned->resource, nullptr);
    EXPECT_EQ(owned->resource->GetDesc().Width, 64u);
    renderer->Draw("view");
    EXPECT_EQ(NewDrawSubmissions(), 4u);
}

TEST(RendererWithoutDevice, RunsAFrameWithoutSubmittingOrCreatingAnything) {
    const long liveBefore = platform_testing::LiveObjects();
    platform_testing::RefuseNextDeviceCreations(1);
    auto renderer = std::make_unique<Dx12::Renderer>(TestWindow(), 1280, 720, 2);
    platform_testing::ClearRefusals();
    EXPECT_EQ(renderer->device->device, nullptr);
    EXPECT_EQ(renderer->uniform0_data, nullptr);
    VertexBuffer* mesh = renderer->GetVertexBuffer("mesh")->CreateCube();
    mesh->shaderFile = "normal.hlsl";
    InstancingBuffer* instancing = renderer->GetInstancingBuffer("instancing");
    instancing->instances.resize(5);
    instancing->meshes["mesh"] = mesh;
    renderer->GetViewBuffer("view")->instancingBuffers["instancing"] = instancing;

    const long liveAfterConstruction = platform_testing::LiveObjects();
    const uint64_t listsBefore = platform_testing::TotalExecutedCommandLists();
    const uint64_t drawsBefore = platform_testing::ExecutedDraws();
    const uint64_t presentsBefore = platform_testing::TotalPresents();
    StdoutCapture frame;
    renderer->Update();
    renderer->Draw("view");
    renderer->device->Present();
    // The mesh's vertex buffer is built and, with no resource behind it,
    // discarded; the draw pass stops before recording; nothing is presented.
    EXPECT_EQ(frame.Take(), "Dx12::Vertex::Vertex : Create : size=1728, StrideInBytes=48\n"
                            "ERROR : Dx12::Renderer::Update cant alloc BUFFER_TYPE_VERTEX "
                            "resource\n");
    EXPECT_EQ(platform_testing::TotalExecutedCommandLists(), listsBefore);
    EXPECT_EQ(platform_testing::ExecutedDraws(), drawsBefore);
    EXPECT_EQ(platform_testing::TotalPresents(), presentsBefore);
    EXPECT_EQ(platform_testing::LiveObjects(), liveAfterConstruction);
    EXPECT_TRUE(renderer->cache_vertex.empty());
    EXPECT_TRUE(renderer->cache_shader.empty());
    renderer.reset();
    EXPECT_EQ(platform_testing::LiveObjects(), liveBefore) << "nothing outlives the renderer";
}

} // namespace
