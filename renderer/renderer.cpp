#include "renderer.h"

#include <dx12/helpers.h>

#include <cstdio>

namespace Dx12 {

namespace {

uint8_t* MapForWriting(Constant* constant) {
    if (constant->resource == nullptr) {
        return nullptr;
    }
    void* address = nullptr;
    if (FAILED(constant->resource->Map(0, nullptr, &address))) {
        return nullptr;
    }
    return static_cast<uint8_t*>(address);
}

template <class Map> void EmptyCache(Map& cache, const char* operation, const char* what) {
    for (auto& [name, object] : cache) {
        std::printf("%s : %s : Delete %s\n", operation, name.c_str(), what);
        delete object;
    }
    cache.clear();
}

} // namespace

const std::string& Renderer::UniformName(uint32_t select) {
    static const std::string names[2] = {"uniform0", "uniform1"};
    return names[select == 0 ? 0 : 1];
}

Renderer::Renderer(HWND window, uint32_t width, uint32_t height, uint32_t backBufferCount)
    : device(nullptr), frame_count(0), uniform_select(0), uniform0_data(nullptr),
      uniform1_data(nullptr), shaderVisibleHeap_(nullptr), nextShaderVisibleDescriptor_(0) {
    device = new Device(window, width, height, backBufferCount);
    if (device->device != nullptr) {
        shaderVisibleHeap_ = CreateDescriptorHeap(
            device->device, D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV, SHADER_VISIBLE_DESCRIPTORS,
            D3D12_DESCRIPTOR_HEAP_FLAG_SHADER_VISIBLE);
    }
    Constant* uniform0 = new Constant(device->device, UNIFORM_SIZE);
    Constant* uniform1 = new Constant(device->device, UNIFORM_SIZE);
    cache_constant[UniformName(0)] = uniform0;
    cache_constant[UniformName(1)] = uniform1;
    uniform0_data = MapForWriting(uniform0);
    uniform1_data = MapForWriting(uniform1);
}

Renderer::~Renderer() {
    DeleteConstant();
    DeleteShader();
    DeleteRenderTarget();
    for (auto& [name, buffer] : buffermapper) {
        if (buffer != nullptr) {
            std::printf("%s : %s : Delete buffermapper\n", "Dx12::Renderer::~Renderer",
                        name.c_str());
            delete buffer;
            buffer = nullptr;
        }
    }
    // The update pass's GPU objects; render-target textures went with their targets.
    for (auto& [name, vertex] : cache_vertex) {
        delete vertex;
    }
    for (Texture* texture : updateTextures_) {
        delete texture;
    }
    updateTextures_.clear();
    ReleaseAndNull(shaderVisibleHeap_);
    delete device;
    device = nullptr;
    uniform0_data = nullptr;
    uniform1_data = nullptr;
    cache_rendertarget.clear();
    cache_texture.clear();
    cache_shader.clear();
    cache_vertex.clear();
    cache_constant.clear();
    buffermapper.clear();
}

VertexBuffer* Renderer::GetVertexBuffer(const std::string& name) {
    return GetOrCreateBuffer<VertexBuffer>(buffermapper, name, "Dx12::Renderer::GetVertexBuffer");
}

InstancingBuffer* Renderer::GetInstancingBuffer(const std::string& name) {
    return GetOrCreateBuffer<InstancingBuffer>(buffermapper, name,
                                               "Dx12::Renderer::GetInstancingBuffer");
}

ViewBuffer* Renderer::GetViewBuffer(const std::string& name) {
    return GetOrCreateBuffer<ViewBuffer>(buffermapper, name, "Dx12::Renderer::GetViewBuffer");
}

TextureBuffer* Renderer::GetTextureBuffer(const std::string& name) {
    return GetOrCreateBuffer<TextureBuffer>(buffermapper, name, "Dx12::Renderer::GetTextureBuffer");
}

RenderTargetBuffer* Renderer::GetRenderTargetBuffer(const std::string& name) {
    return GetOrCreateBuffer<RenderTargetBuffer>(buffermapper, name,
                                                 "Dx12::Renderer::GetRenderTargetBuffer");
}

void Renderer::DeleteConstant() {
    EmptyCache(cache_constant, "Dx12::Renderer::DeleteConstant", "cache_constant");
}

void Renderer::DeleteShader() {
    EmptyCache(cache_shader, "Dx12::Renderer::DeleteShader", "cache_shader");
}

void Renderer::DeleteRenderTarget() {
    // The cache_texture entries of the deleted targets' textures go too, so
    // that nothing is left pointing at them.
    for (auto& [name, target] : cache_rendertarget) {
        if (target == nullptr) {
            continue;
        }
        for (auto entry = cache_texture.begin(); entry != cache_texture.end();) {
            bool owned = entry->second == target->depthTexture;
            for (Texture* color : target->colorTextures) {
                owned = owned || (color != nullptr && entry->second == color);
            }
            entry = owned ? cache_texture.erase(entry) : std::next(entry);
        }
    }
    drawnTargetTextures_.clear();
    EmptyCache(cache_rendertarget, "Dx12::Renderer::DeleteRenderTarget", "cache_rendertarget");
}

} // namespace Dx12
