// The demo scene: two cube meshes drawn for each of 4096 random instances,
// seen through the view "view_present".
#pragma once

#include <scene/buffers.h>

#include <cstdint>

namespace Dx12 {
class Renderer;
}

// The scene's three-word random generator; its state is process-wide.
struct SceneRandomState {
    uint32_t a;
    uint32_t b;
    uint32_t c;
};
SceneRandomState& SceneRandom();
// One step: a number from 0 to 65535.
uint32_t NextSceneDraw();
// A draw as a unit value, 0 to 1.
float UnitFromDraw(uint32_t draw);
// A draw as a position coordinate, -3 to 3.
float PositionFromDraw(uint32_t draw);

constexpr int DEMO_INSTANCE_COUNT = 4096;

// Builds the scene in the renderer's registry and returns its view.
ViewBuffer* SetUpDemoScene(Dx12::Renderer* renderer);
