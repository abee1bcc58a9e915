#include "renderer_fixture.h"

#include <renderer/frame_constants.h>

#include <stdout_capture.h>
#include <platform_testing.h>

#include <cstdlib>
#include <fstream>

namespace {

TEST_F(RendererTest, SubmitsTheClearAndOneListPerBatchOf128) {
    ViewBuffer* view = MakeScene(0);
    renderer->Update();
    InstancingBuffer* instancing = renderer->GetInstancingBuffer("instancing");
    struct Case {
        size_t instances;
        uint64_t batches;
    };
    for (const Case c : {Case{0, 0}, Case{129, 2}, Case{4096, 32}}) {
        instancing->instances.resize(c.instances);
        const uint64_t drawsBefore = platform_testing::ExecutedDraws();
        renderer->Draw("view");
        EXPECT_EQ(NewDrawSubmissions(), 1 + c.batches) << c.instances << " instances";
        EXPECT_EQ(platform_testing::ExecutedDraws() - drawsBefore, c.batches);
    }

    view->instancingBuffers.clear();
    renderer->Draw("view");
    EXPECT_EQ(NewDrawSubmissions(), 1u);
}

TEST_F(RendererTest, AMissingOrMistypedViewRecordsNothingButAdvancesTheClock) {
    ViewBuffer* view = MakeScene(1);
    view->viewport = ViewportRect{100, 0, 1280.7f, 720};
    view->viewParam[0] = 1.5f;
    view->viewParam[3] = -2.0f;
    renderer->Update();
    renderer->Draw("view");
    const float clock = ConstantAt(offsetof(Dx12::FrameConstants, frameClock));
    NewDrawSubmissions();

    renderer->Draw("no_such_view");
    EXPECT_EQ(NewDrawSubmissions(), 0u);
    ASSERT_EQ(renderer->buffermapper.count("no_such_view"), 1u);
    EXPECT_EQ(renderer->buffermapper["no_such_view"], nullptr);

    StdoutCapture out;
    renderer->Draw("mesh");
    EXPECT_EQ(out.Take(), "Dx12::Renderer::Draw : mesh : ERROR : type 2 is not a view\n");
    EXPECT_EQ(NewDrawSubmissions(), 0u);

    renderer->Draw("view");
    EXPECT_EQ(ConstantAt(offsetof(Dx12::FrameConstants, frameClock)),
              ((clock + 0.016666668f) + 0.016666668f) + 0.016666668f);
    EXPECT_EQ(ConstantAt(offsetof(Dx12::FrameConstants, viewportWidth)), 1280.7f);
    EXPECT_EQ(ConstantAt(offsetof(Dx12::FrameConstants, viewportHeight)), 720.0f);
    EXPECT_EQ(ConstantAt(offsetof(Dx12::FrameConstants, aspect)), 1280.7f / 720.0f);
    int32_t zero = -1;
    std::memcpy(&zero, renderer->uniform0_data + offsetof(Dx12::FrameConstants, int0), 4);
    EXPECT_EQ(zero, 0);
    EXPECT_EQ(ConstantAt(offsetof(Dx12::FrameConstants, viewParam)), 1.5f);
    EXPECT_EQ(ConstantAt(offsetof(Dx12::FrameConstants, viewParam) + 12), -2.0f);
    EXPECT_EQ(ConstantAt(offsetof(Dx12::FrameConstants, identity)), 1.0f);
    EXPECT_EQ(ConstantAt(offsetof(Dx12::FrameConstants, identity) + 20), 1.0f);
    EXPECT_EQ(ConstantAt(offsetof(Dx12::FrameConstants, identity) + 4), 0.0f);
    // The one instance sits in slot 0.
    EXPECT_EQ(ConstantAt(Dx12::Renderer::INSTANCE_SLOTS_OFFSET), 0.1f);
}

TEST_F(RendererTest, ReportsAFailingShaderOnceUntilTheCacheIsEmptied) {
    const std::string broken = testing::TempDir() + "broken_renderer_test.hlsl";
    std::ofstream(broken) << "this is not HLSL\n";
    MakeScene(200);
    renderer->GetVertexBuffer("mesh")->shaderFile = broken;
    renderer->Update();

    StdoutCapture out;
    const uint64_t drawsBefore = platform_testing::ExecutedDraws();
    renderer->Draw("view");
    renderer->Draw("view");
    std::string text = out.Take();
    EXPECT_EQ(CountOccurrences(text, "Failed Create PipelineState\n"), 1u);
    EXPECT_EQ(platform_testing::ExecutedDraws(), drawsBefore);

    StdoutCapture again;
    renderer->DeleteShader();
    renderer->Draw("view");
    text = again.Take();
    EXPECT_EQ(CountOccurrences(text, "Dx12::Renderer::DeleteShader : " + broken +
                                         " : Delete cache_shader\n"),
              1u);
    EXPECT_EQ(CountOccurrences(text, "Failed Create PipelineState\n"), 1u);
    std::remove(broken.c_str());
}

TEST_F(RendererTest, SkipsAMeshWithoutAVertexBufferAndDrawsTheOthers) {
    MakeScene(130);
    VertexBuffer* withoutGpuCopy = renderer->GetVertexBuffer("another")->CreateCube();
    withoutGpuCopy->shaderFile = shaderPath;
    withoutGpuCopy->changed = false;
    renderer->GetInstancingBuffer("instancing")->meshes["another"] = withoutGpuCopy;
    renderer->Update();
    const uint64_t drawsBefore = platform_testing::ExecutedDraws();
    renderer->Draw("view");
    EXPECT_EQ(platform_testing::ExecutedDraws() - drawsBefore, 2u);
    EXPECT_EQ(NewDrawSubmissions(), 3u);
}

TEST_F(RendererTest, WithoutTheMappedConstantsOnlyTheClearIsSubmitted) {
    renderer.reset();
    platform_testing::RefuseNextMaps(1);
    renderer = std::make_unique<Dx12::Renderer>(TestWindow(), 1280, 720, 2);
    ASSERT_EQ(renderer->uniform0_data, nullptr);
    EXPECT_NE(renderer->uniform1_data, nullptr);
    NewDrawSubmissions();
    MakeScene(300);
    renderer->Update();
    const uint64_t drawsBefore = platform_testing::ExecutedDraws();
    renderer->Draw("view");
    EXPECT_EQ(NewDrawSubmissions(), 1u);
    EXPECT_EQ(platform_testing::ExecutedDraws(), drawsBefore);
}

} // namespace
