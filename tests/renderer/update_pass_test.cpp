#include "renderer_fixture.h"

#include <stdout_capture.h>
#include <platform_testing.h>

namespace {

uint64_t UploadSubmissions(Dx12::Renderer& renderer) {
    return platform_testing::ExecutedCommandLists(
        renderer.device->commandQueue[Dx12::UPLOAD_COMMANDS]);
}

TEST_F(RendererTest, UploadsAllFlaggedTexturesInOneSubmission) {
    for (const char* name : {"b_texture", "a_texture"}) {
        FillTexture(name, 64, 2, 0x7F); // rows of 256 bytes: the upload copies whole rows
    }
    const uint64_t before = UploadSubmissions(*renderer);
    const long liveBefore = platform_testing::LiveObjects();
    renderer->Update();
    EXPECT_EQ(UploadSubmissions(*renderer) - before, 1u);
    // Two textures with their heaps stay; both staging buffers are gone.
    EXPECT_EQ(platform_testing::LiveObjects() - liveBefore, 4);
    ASSERT_NE(renderer->cache_texture["a_texture"], nullptr);
    EXPECT_NE(renderer->cache_texture["b_texture"], nullptr);
    EXPECT_FALSE(renderer->GetTextureBuffer("a_texture")->changed);

    renderer->Update();
    EXPECT_EQ(UploadSubmissions(*renderer) - before, 1u);
}

TEST_F(RendererTest, AnEmptyTextureReplacesTheCachedOneWithoutAnUpload) {
    TextureBuffer* texture = FillTexture("texture", 2, 2, 0xFF);
    renderer->Update();
    Dx12::Texture* first = renderer->cache_texture["texture"];

    texture->pixels.clear();
    texture->changed = true;
    const uint64_t before = UploadSubmissions(*renderer);
    StdoutCapture out;
    renderer->Update();
    EXPECT_EQ(CountOccurrences(out.Take(), "ERROR Dx12::Renderer::Update : cant alloc TEXTURE\n"),
              1u);
    EXPECT_EQ(UploadSubmissions(*renderer), before);
    EXPECT_NE(renderer->cache_texture["texture"], first);
}

TEST_F(RendererTest, KeepsTheOldVertexBufferWhenARebuildFails) {
    MakeScene(1);
    renderer->Update();
    Dx12::Vertex* built = renderer->cache_vertex["mesh"];
    ASSERT_NE(built, nullptr);

    VertexBuffer* mesh = renderer->GetVertexBuffer("mesh");
    mesh->vertices.resize(10); // edited without the flag: the GPU copy stays
    renderer->Update();
    EXPECT_EQ(renderer->cache_vertex["mesh"], built);

    mesh->changed = true;
    platform_testing::RefuseNextCommittedResources(1);
    StdoutCapture out;
    renderer->Update();
    renderer->Update();
    EXPECT_EQ(
        CountOccurrences(out.Take(),
                         "ERROR : Dx12::Renderer::Update cant alloc BUFFER_TYPE_VERTEX resource\n"),
        1u);
    EXPECT_EQ(renderer->cache_vertex["mesh"], built);
    EXPECT_FALSE(mesh->changed);
}

TEST_F(RendererTest, ReportsUntypedDescriptionsOnEveryCallInNameOrder) {
    for (const char* name : {"zeta", "alpha"}) {
        auto* untyped = new BaseBuffer();
        untyped->name = name;
        renderer->buffermapper[name] = untyped;
    }
    renderer->buffermapper["empty"] = nullptr;
    StdoutCapture out;
    renderer->Update();
    renderer->Update();
    const std::string line = "Dx12::Renderer::Update : alpha : type BUFFER_TYPE_NONE\n"
                             "Dx12::Renderer::Update : zeta : type BUFFER_TYPE_NONE\n";
    EXPECT_EQ(out.Take(), line + line);
}

} // namespace
