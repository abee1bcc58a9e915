#include "renderer.h"

#include <cstdio>
#include <vector>

namespace Dx12 {

void Renderer::Update() {
    ID3D12CommandAllocator* allocator = device->commandAllocator[1];
    ID3D12GraphicsCommandList* list = device->commandList[1];
    // Without a working update set nothing can be recorded; the rebuilds of
    // vertex buffers need no commands and still run.
    const bool canRecord = allocator != nullptr && list != nullptr;
    if (canRecord) {
        allocator->Reset();
        list->Reset(allocator, nullptr);
    }

    std::vector<ID3D12Resource*> pendingUploads;
    bool uploadsRecorded = false;

    for (auto& [key, buffer] : buffermapper) {
        if (buffer == nullptr) {
            continue;
        }
        const std::string name = buffer->GetName();
        switch (buffer->type) {
        case BUFFER_TYPE_NONE:
            std::printf("%s : %s : type BUFFER_TYPE_NONE\n", "Dx12::Renderer::Update",
                        name.c_str());
            break;
        case BUFFER_TYPE_VERTEX: {
            auto* mesh = static_cast<VertexBuffer*>(buffer);
            if (!mesh->changed) {
                break;
            }
            mesh->changed = false;
            const uint32_t size =
                static_cast<uint32_t>(mesh->vertices.size() * sizeof(VertexRecord));
            auto* vertex = new Vertex(device->device, mesh->vertices.data(), size,
                                      static_cast<uint32_t>(sizeof(VertexRecord)));
            if (vertex->resource != nullptr) {
                Vertex*& cached = cache_vertex[name];
                delete cached;
                cached = vertex;
            } else {
                std::printf("ERROR : %s cant alloc BUFFER_TYPE_VERTEX resource\n",
                            "Dx12::Renderer::Update");
                delete vertex;
            }
            break;
        }
        case BUFFER_TYPE_TEXTURE: {
            auto* source = static_cast<TextureBuffer*>(buffer);
            if (!source->changed) {
                break;
            }
            source->changed = false;
            auto* texture = new Texture(device->device, static_cast<uint32_t>(source->width),
                                        static_cast<uint32_t>(source->height), false, false);
            if (texture->resource == nullptr) {
                std::printf("ERROR : %s cant alloc BUFFER_TYPE_TEXTURE resource\n",
                            "Dx12::Renderer::Update");
                delete texture;
                break;
            }
            if (source->pixels.empty()) {
                std::printf("ERROR %s : cant alloc TEXTURE\n", "Dx12::Renderer::Update");
            } else if (canRecord) {
                ID3D12Resource* staging =
                    UpdateTexture(device->device, list, texture->resource, source->pixels.data(),
                                  source->pixels.size());
                if (staging != nullptr) {
                    pendingUploads.push_back(staging);
                    uploadsRecorded = true;
                }
            }
            Texture*& cached = cache_texture[name];
            // A render target's texture entered under this name belongs to it.
            if (updateTextures_.erase(cached) != 0) {
                delete cached;
            }
            cached = texture;
            updateTextures_.insert(texture);
            break;
        }
        default:
            break;
        }
    }

    if (!canRecord) {
        return;
    }
    list->Close();
    if (uploadsRecorded) {
        ID3D12CommandList* lists[] = {list};
        device->commandQueue[1]->ExecuteCommandLists(1, lists);
        device->WaitForGpu(1);
        for (ID3D12Resource* staging : pendingUploads) {
            staging->Release();
        }
    }
}

} // namespace Dx12
