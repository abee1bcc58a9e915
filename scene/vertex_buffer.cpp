#include "buffers.h"

#include <cstdio>
#include <cstring>

namespace {

bool InRange(int32_t index, size_t size) {
    // Widened with its sign, then read unsigned: a negative index never fits.
    return static_cast<uint64_t>(static_cast<int64_t>(index)) < static_cast<uint64_t>(size);
}

struct CubeVertex {
    float px, py, pz;
    float nx, ny, nz;
};

// Six faces of two triangles; each triangle winds so that its cross product
// points along the face's outward normal. The -0.0f entries are deliberate.
constexpr CubeVertex kCube[36] = {
    {1, -1, -1, 0, -1, 0},
    {1, -1, 1, 0, -1, 0},
    {-1, -1, 1, 0, -1, 0},
    {1, -1, -1, 0, -1, 0},
    {-1, -1, 1, 0, -1, 0},
    {-1, -1, -1, 0, -1, 0},
    {1, 1, -1, 0, 1, 0},
    {-1, 1, -1, 0, 1, 0},
    {-1, 1, 1, 0, 1, 0},
    {1, 1, -1, 0, 1, 0},
    {-1, 1, 1, 0, 1, 0},
    {1, 1, 1, 0, 1, 0},
    {1, -1, -1, 1, 0, 0},
    {1, 1, -1, 1, 0, 0},
    {1, 1, 1, 1, 0, 0},
    {1, -1, -1, 1, 0, 0},
    {1, 1, 1, 1, 0, 0},
    {1, -1, 1, 1, 0, 0},
    {1, -1, 1, -0.0f, -0.0f, 1},
    {1, 1, 1, -0.0f, -0.0f, 1},
    {-1, 1, 1, -0.0f, -0.0f, 1},
    {1, -1, 1, -0.0f, -0.0f, 1},
    {-1, 1, 1, -0.0f, -0.0f, 1},
    {-1, -1, 1, -0.0f, -0.0f, 1},
    {-1, -1, 1, -1, -0.0f, -0.0f},
    {-1, 1, 1, -1, -0.0f, -0.0f},
    {-1, 1, -1, -1, -0.0f, -0.0f},
    {-1, -1, 1, -1, -0.0f, -0.0f},
    {-1, 1, -1, -1, -0.0f, -0.0f},
    {-1, -1, -1, -1, -0.0f, -0.0f},
    {1, 1, -1, 0, 0, -1},
    {1, -1, -1, 0, 0, -1},
    {-1, -1, -1, 0, 0, -1},
    {1, 1, -1, 0, 0, -1},
    {-1, -1, -1, 0, 0, -1},
    {-1, 1, -1, 0, 0, -1},
};

} // namespace

void VertexBuffer::SetPos(int32_t index, float x, float y, float z) {
    if (!InRange(index, vertices.size())) {
        std::printf("%s : %s : Not alloc index=%d\n", "VertexBuffer::SetPos", name.c_str(), index);
        return;
    }
    float* pos = vertices[static_cast<size_t>(index)].pos;
    pos[0] = x;
    pos[1] = y;
    pos[2] = z;
}

void VertexBuffer::SetNormal(int32_t index, float x, float y, float z) {
    if (!InRange(index, vertices.size())) {
        std::printf("%s : %s : Not alloc index=%d\n", "VertexBuffer::SetNormal", name.c_str(),
                    index);
        return;
    }
    float* normal = vertices[static_cast<size_t>(index)].normal;
    normal[0] = x;
    normal[1] = y;
    normal[2] = z;
}

VertexBuffer* VertexBuffer::CreateCube() {
    vertices.resize(36);
    std::memset(vertices.data(), 0, vertices.size() * sizeof(VertexRecord));
    for (int32_t i = 0; i < 36; ++i) {
        SetPos(i, kCube[i].px, kCube[i].py, kCube[i].pz);
    }
    for (int32_t i = 0; i < 36; ++i) {
        SetNormal(i, kCube[i].nx, kCube[i].ny, kCube[i].nz);
    }
    changed = true;
    return this;
}
