// The data-driven renderer: a registry of named scene descriptions, caches of
// the GPU objects built from them, two persistently mapped constant buffers,
// and the per-frame update and draw passes.
#pragma once

#include "buffer_registry.h"

#include <scene/buffers.h>
#include <dx12/device.h>
#include <dx12/resource.h>
#include <dx12/shader.h>
#include <dx12/texture.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>

namespace Dx12 {

class Renderer {
public:
    // Both constant buffers: 384 bytes of per-frame constants, then the slots.
    static constexpr uint32_t UNIFORM_SIZE = 10624;
    static constexpr uint32_t INSTANCE_SLOTS_OFFSET = 384;
    static constexpr uint32_t INSTANCES_PER_BATCH = 128;
    // Descriptors of the shader-visible heap that every draw's tables point into.
    static constexpr uint32_t SHADER_VISIBLE_DESCRIPTORS = 4096;

    Renderer(HWND window, uint32_t width, uint32_t height, uint32_t backBufferCount);
    ~Renderer();
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    VertexBuffer* GetVertexBuffer(const std::string& name);
    InstancingBuffer* GetInstancingBuffer(const std::string& name);
    ViewBuffer* GetViewBuffer(const std::string& name);
    TextureBuffer* GetTextureBuffer(const std::string& name);
    RenderTargetBuffer* GetRenderTargetBuffer(const std::string& name);

    // Rebuilds the GPU objects of changed vertex and texture descriptions.
    void Update();
    // Clears and draws the named view; returns when the GPU has finished it.
    void Draw(const std::string& viewName);

    // The cache_constant name of constant buffer `select` (0 or 1).
    static const std::string& UniformName(uint32_t select);

    void DeleteConstant();
    void DeleteShader();
    void DeleteRenderTarget();

    BufferMap buffermapper;
    Device* device;
    std::map<std::string, Constant*, NameLess> cache_constant;
    std::map<std::string, Vertex*, NameLess> cache_vertex;
    std::map<std::string, Shader*, NameLess> cache_shader;
    std::map<std::string, Texture*, NameLess> cache_texture;
    std::map<std::string, RenderTarget*, NameLess> cache_rendertarget;
    uint32_t frame_count;
    uint32_t uniform_select;
    uint8_t* uniform0_data;
    uint8_t* uniform1_data;

    // What one draw call draws into; the draw pass defines it.
    struct DrawTarget;

private:
    // The draw pass's steps: the target with its views and barriers, the
    // frame constants, the clear, and the batches of instances.
    bool PrepareTarget(const ViewBuffer& view, DrawTarget* target);
    RenderTarget* CachedRenderTarget(RenderTargetBuffer& description, int count);
    void PrepareOffscreenTarget(RenderTargetBuffer& description, UINT rtvStep, DrawTarget* target);
    bool PrepareBackBufferTarget(UINT rtvStep, DrawTarget* target);
    void WriteFrameConstants(const ViewBuffer& view);
    void SubmitClear(const ViewBuffer& view, DrawTarget* target);
    void DrawBatches(const ViewBuffer& view, const DrawTarget& target);
    void SubmitBatch(const InstancingBuffer& group, UINT batch, const DrawTarget& target);
    Shader* CachedShader(const std::string& file, bool offscreen, int renderTargetCount);
    // One mesh inside a batch: shader on first use, tables, the instanced draw.
    void DrawMesh(const VertexBuffer& mesh, UINT instanceCount, bool offscreen,
                  int renderTargetCount);
    // Copies the one descriptor of `source` (a heap that is not shader visible)
    // into the next free slot of the shader-visible heap and returns the slot's
    // GPU handle; a null handle when the heap is full.
    D3D12_GPU_DESCRIPTOR_HANDLE StageDescriptor(ID3D12DescriptorHeap* source);

    // The one shader-visible CBV/SRV/UAV heap, bound once per submission. Each
    // submission is waited for before the next is recorded, so every
    // submission fills it from the start.
    ID3D12DescriptorHeap* shaderVisibleHeap_;
    uint32_t nextShaderVisibleDescriptor_;

    // Textures the update pass made: the only cache_texture objects it may
    // destroy, and the ones teardown deletes besides the render targets'.
    std::set<Texture*> updateTextures_;
    // Render-target colour textures drawn into at least once: they have left
    // the state they were made in.
    std::set<const Texture*> drawnTargetTextures_;
};

} // namespace Dx12
