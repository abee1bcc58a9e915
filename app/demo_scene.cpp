#include "demo_scene.h"

#include <renderer/renderer.h>

SceneRandomState& SceneRandom() {
    static SceneRandomState state = {1u, 2345678u, 9012345u};
    return state;
}

uint32_t NextSceneDraw() {
    SceneRandomState& state = SceneRandom();
    state.a += state.b;
    state.b += state.c;
    state.c += state.a;
    return state.a >> 16;
}

float UnitFromDraw(uint32_t draw) {
    return static_cast<float>(draw) / 65535.0f;
}

float PositionFromDraw(uint32_t draw) {
    // Both products in double precision, each result rounded to single.
    const float s = static_cast<float>(static_cast<double>(UnitFromDraw(draw)) * 2.0 - 1.0);
    return static_cast<float>(static_cast<double>(s) * 3.0);
}

ViewBuffer* SetUpDemoScene(Dx12::Renderer* renderer) {
    VertexBuffer* cube = renderer->GetVertexBuffer("cube")->CreateCube();
    VertexBuffer* rect = renderer->GetVertexBuffer("rect")->CreateCube();
    InstancingBuffer* instancing = renderer->GetInstancingBuffer("instance");
    ViewBuffer* view = renderer->GetViewBuffer("view_present");

    cube->shaderFile = "normal.hlsl";
    rect->shaderFile = "normal.hlsl";
    view->viewport = ViewportRect{0.0f, 0.0f, 1280.0f, 720.0f};
    view->clearColor[0] = 0.0f;
    view->clearColor[1] = 1.0f;
    view->clearColor[2] = 1.0f;
    view->clearColor[3] = 0.0f;
    view->instancingBuffers[instancing->GetName()] = instancing;
    view->renderTarget = nullptr;
    instancing->meshes[cube->GetName()] = cube;
    instancing->meshes[rect->GetName()] = rect;

    instancing->instances.reserve(instancing->instances.size() + DEMO_INSTANCE_COUNT);
    for (int i = 0; i < DEMO_INSTANCE_COUNT; ++i) {
        // The order z, y, x fixes which scene a generator state produces.
        const float z = PositionFromDraw(NextSceneDraw());
        const float y = PositionFromDraw(NextSceneDraw());
        const float x = PositionFromDraw(NextSceneDraw());
        InstanceRecord record;
        record.world = DirectX::XMFLOAT4X4(0.1f, 0, 0, 0, 0, 0.1f, 0, 0, 0, 0, 0.1f, 0, x, y, z, 1);
        record.color[0] = UnitFromDraw(NextSceneDraw());
        record.color[1] = UnitFromDraw(NextSceneDraw());
        record.color[2] = UnitFromDraw(NextSceneDraw());
        record.color[3] = 1.0f;
        instancing->instances.push_back(record);
    }
    return view;
}
