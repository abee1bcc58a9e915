// The CPU-side scene descriptions the application fills and the renderer turns
// into GPU objects, with the two records that reach the GPU byte for byte.
#pragma once

#include "name_order.h"

#include <DirectXMath.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

enum BufferType : int32_t {
    BUFFER_TYPE_NONE = 0,
    BUFFER_TYPE_VERTEX = 2,
    BUFFER_TYPE_TEXTURE = 3,
    BUFFER_TYPE_INSTANCING = 5,
    BUFFER_TYPE_VIEW = 6,
    // Off-screen targets; no pass branches on it, it only has to be distinct.
    BUFFER_TYPE_RENDERTARGET = 7,
};

// One vertex as the input layout reads it from slot 0 (stride 48).
struct VertexRecord {
    float pos[3];
    float normal[3];
    float uv[2];
    float color[4];
};
static_assert(sizeof(VertexRecord) == 48);
static_assert(offsetof(VertexRecord, pos) == 0);
static_assert(offsetof(VertexRecord, normal) == 12);
static_assert(offsetof(VertexRecord, uv) == 24);
static_assert(offsetof(VertexRecord, color) == 32);

// One instance as the shaders read it from the constant buffer's slots.
struct InstanceRecord {
    DirectX::XMFLOAT4X4 world; // row by row, translation in the last row
    float color[4];
};
static_assert(sizeof(InstanceRecord) == 80);
static_assert(offsetof(InstanceRecord, world) == 0);
static_assert(offsetof(InstanceRecord, color) == 64);

class BaseBuffer {
public:
    BaseBuffer() = default;
    virtual ~BaseBuffer() = default;

    std::string GetName() const { return name; }

    std::string name;
    int32_t type = BUFFER_TYPE_NONE;
    bool changed = false;
};

class VertexBuffer : public BaseBuffer {
public:
    VertexBuffer() { type = BUFFER_TYPE_VERTEX; }
    ~VertexBuffer() override = default;

    const std::string& GetShaderFile() const { return shaderFile; }

    // Out-of-range indices (negative ones included) are reported and ignored.
    void SetPos(int32_t index, float x, float y, float z);
    void SetNormal(int32_t index, float x, float y, float z);
    // Replaces all vertices with the 36 of a cube from -1 to 1 and flags the change.
    VertexBuffer* CreateCube();

    std::vector<VertexRecord> vertices;
    std::map<int32_t, std::string> textures; // slot -> texture name
    std::string shaderFile;
};

class InstancingBuffer : public BaseBuffer {
public:
    InstancingBuffer() { type = BUFFER_TYPE_INSTANCING; }
    ~InstancingBuffer() override = default;

    std::vector<InstanceRecord> instances;
    std::map<std::string, VertexBuffer*, NameLess> meshes; // not owned
};

class TextureBuffer : public BaseBuffer {
public:
    TextureBuffer() { type = BUFFER_TYPE_TEXTURE; }
    ~TextureBuffer() override = default;

    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> pixels; // rows of width * 4 bytes RGBA, top row first
};

class RenderTargetBuffer : public BaseBuffer {
public:
    static constexpr int32_t MAX_COLOR_TARGETS = 4;

    RenderTargetBuffer() { type = BUFFER_TYPE_RENDERTARGET; }
    ~RenderTargetBuffer() override = default;

    // Only the names are used: they key the target's textures in the renderer.
    TextureBuffer colorTargets[MAX_COLOR_TARGETS];
    TextureBuffer depthTarget;
    int32_t width = 0;
    int32_t height = 0;
    int32_t count = 1; // colour targets in use, 1 to 4
};

struct ViewportRect {
    float x;
    float y;
    float width;
    float height;
};

class ViewBuffer : public BaseBuffer {
public:
    ViewBuffer() { type = BUFFER_TYPE_VIEW; }
    ~ViewBuffer() override { renderTarget = nullptr; }

    // Matrices start as identities so that the first frame's previous
    // matrices and an unset view hold something defined.
    DirectX::XMFLOAT4X4 view = kIdentity;
    DirectX::XMFLOAT4X4 projection = kIdentity;
    DirectX::XMFLOAT4X4 prevView = kIdentity;
    DirectX::XMFLOAT4X4 prevProjection = kIdentity;
    RenderTargetBuffer* renderTarget = nullptr; // not owned; null draws to the back buffer
    ViewportRect viewport = {0.0f, 0.0f, 0.0f, 0.0f};
    float clearColor[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    float viewParam[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    std::map<std::string, InstancingBuffer*, NameLess> instancingBuffers; // not owned

private:
    static constexpr DirectX::XMFLOAT4X4 kIdentity{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
};
