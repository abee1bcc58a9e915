// The demo scene's data, rebuilt from scratch for the plain-Vulkan reference so
// that both benchmarks draw the same cubes from the same camera.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace bench {

struct CubeVertex { // 48 bytes, the layout the demo's shader reads
    float pos[3];
    float normal[3];
    float uv[2];
    float color[4];
};

struct InstanceSlot { // 80 bytes: world matrix row by row, then colour
    float world[16];
    float color[4];
};

constexpr int kInstanceCount = 4096;
constexpr int kInstancesPerBatch = 128;
constexpr uint32_t kFrameConstantsSize = 384;
constexpr uint32_t kUniformSize = kFrameConstantsSize + kInstancesPerBatch * sizeof(InstanceSlot);

// The 36-vertex cube, two triangles per face.
std::vector<CubeVertex> BuildCube();

// The scene generator from its start state: 4096 instances, or that many
// times `scale` (the generator runs on).
std::vector<InstanceSlot> BuildInstances(int scale = 1);

// Submissions a frame of `instances` takes: one clear, then one per batch.
inline int SubmissionsPerFrame(size_t instances) {
    return 1 + int((instances + kInstancesPerBatch - 1) / kInstancesPerBatch);
}

// The orbiting camera: advances angle by one frame step and writes the view and
// projection matrices (row vectors, rows stored in order).
void CameraMatrices(float* angle, float view[16], float projection[16]);

} // namespace bench
