#include <app/demo_scene.h>
#include <renderer/renderer.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

void ExpectInstance(const InstanceRecord& record, float x, float y, float z, float r, float g,
                    float b) {
    EXPECT_EQ(record.world._41, x);
    EXPECT_EQ(record.world._42, y);
    EXPECT_EQ(record.world._43, z);
    EXPECT_EQ(record.world._44, 1.0f);
    EXPECT_EQ(record.color[0], r);
    EXPECT_EQ(record.color[1], g);
    EXPECT_EQ(record.color[2], b);
    EXPECT_EQ(record.color[3], 1.0f);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(record.world.m[i][i], 0.1f);
        for (int j = 0; j < 4; ++j) {
            if (i != j) {
                EXPECT_EQ(record.world.m[i][j], 0.0f);
            }
        }
    }
}

TEST(DemoScene, DrawsMapExactlyOntoTheRanges) {
    EXPECT_EQ(UnitFromDraw(0), 0.0f);
    EXPECT_EQ(UnitFromDraw(65535), 1.0f);
    EXPECT_EQ(PositionFromDraw(0), -3.0f);
    EXPECT_EQ(PositionFromDraw(65535), 3.0f);
}

// The generator as the program starts with it, taken before any test runs.
const SceneRandomState kStartState = SceneRandom();

// The scene a freshly started program builds, whatever ran before in this
// process: the generator is process-wide.
TEST(DemoScene, BuildsTheFourDescriptionsAndTheKnownInstances) {
    SceneRandom() = kStartState;
    auto renderer = std::make_unique<Dx12::Renderer>(HWND{}, 1280, 720, 2);
    ViewBuffer* view = SetUpDemoScene(renderer.get());

    std::vector<std::string> names;
    for (const auto& [name, buffer] : renderer->buffermapper) {
        names.push_back(name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"cube", "instance", "rect", "view_present"}));
    EXPECT_EQ(renderer->buffermapper["view_present"], view);

    const SceneRandomState& state = SceneRandom();
    EXPECT_EQ(state.a, 551137639u);
    EXPECT_EQ(state.b, 4225013952u);
    EXPECT_EQ(state.c, 3702090742u);

    InstancingBuffer* instancing = renderer->GetInstancingBuffer("instance");
    ASSERT_EQ(instancing->instances.size(), 4096u);
    // Nine significant digits name each float exactly.
    ExpectInstance(instancing->instances.front(), -2.94918752f, -2.980865f, -2.99679565f,
                   0.019592585f, 0.045029372f, 0.10438697f);
    ExpectInstance(instancing->instances.back(), -0.235797644f, -0.906156957f, 1.79633796f,
                   0.483558416f, 0.878248274f, 0.128313109f);

    VertexBuffer* cube = renderer->GetVertexBuffer("cube");
    VertexBuffer* rect = renderer->GetVertexBuffer("rect");
    ASSERT_EQ(instancing->meshes.size(), 2u);
    EXPECT_EQ(instancing->meshes["cube"], cube);
    EXPECT_EQ(instancing->meshes["rect"], rect);
    EXPECT_EQ(cube->shaderFile, "normal.hlsl");
    EXPECT_EQ(rect->shaderFile, "normal.hlsl");
    EXPECT_TRUE(cube->changed && rect->changed);
    ASSERT_EQ(rect->vertices.size(), 36u);
    EXPECT_EQ(std::memcmp(cube->vertices.data(), rect->vertices.data(), 36 * 48), 0);

    ASSERT_EQ(view->instancingBuffers.size(), 1u);
    EXPECT_EQ(view->instancingBuffers["instance"], instancing);
    EXPECT_EQ(view->renderTarget, nullptr);
    EXPECT_EQ(view->viewport.width, 1280.0f);
    EXPECT_EQ(view->viewport.height, 720.0f);
    const float cyan[4] = {0, 1, 1, 0};
    EXPECT_EQ(std::memcmp(view->clearColor, cyan, 16), 0);
}

} // namespace
