#include "renderer.h"

#include <cstdio>
#include <vector>

namespace Dx12 {
namespace {

// A changed mesh gets a new vertex buffer; the old one stays until the new
// one exists.
void RebuildVertexBuffer(ID3D12Device* device, const std::string& name, VertexBuffer* mesh,
                         std::map<std::string, Vertex*, NameLess>* cache) {
    mesh->changed = false;
    const uint32_t size = static_cast<uint32_t>(mesh->vertices.size() * sizeof(VertexRecord));
    auto* vertex = new Vertex(device, mesh->vertices.data(), size,
                              static_cast<uint32_t>(sizeof(VertexRecord)));
    if (vertex->resource != nullptr) {
        Vertex*& cached = (*cache)[name];
        delete cached;
        cached = vertex;
    } else {
        std::printf("ERROR : %s cant alloc BUFFER_TYPE_VERTEX resource\n",
                    "Dx12::Renderer::Update");
        delete vertex;
    }
}

// A changed texture gets a new texture whose pixels are uploaded through
// `list` (null when nothing can be recorded); each staging buffer it records
// joins `pendingUploads`.
void RebuildTexture(ID3D12Device* device, ID3D12GraphicsCommandList* list, const std::string& name,
                    TextureBuffer* source, std::map<std::string, Texture*, NameLess>* cache,
                    std::set<Texture*>* updateTextures,
                    std::vector<ID3D12Resource*>* pendingUploads) {
    source->changed = false;
    auto* texture = new Texture(device, static_cast<uint32_t>(source->width),
                                static_cast<uint32_t>(source->height), false, false);
    if (texture->resource == nullptr) {
        std::printf("ERROR : %s cant alloc BUFFER_TYPE_TEXTURE resource\n",
                    "Dx12::Renderer::Update");
        delete texture;
        return;
    }
    if (source->pixels.empty()) {
        std::printf("ERROR %s : cant alloc TEXTURE\n", "Dx12::Renderer::Update");
    } else if (list != nullptr) {
        ID3D12Resource* staging = UpdateTexture(device, list, texture->resource,
                                                source->pixels.data(), source->pixels.size());
        if (staging != nullptr) {
            pendingUploads->push_back(staging);
        }
    }
    Texture*& cached = (*cache)[name];
    // A render target's texture entered under this name belongs to it.
    if (updateTextures->erase(cached) != 0) {
        delete cached;
    }
    cached = texture;
    updateTextures->insert(texture);
}

} // namespace

void Renderer::Update() {
    ID3D12GraphicsCommandList* list = device->commandList[UPLOAD_COMMANDS];
    // Without a working upload set nothing can be recorded; the rebuilds of
    // vertex buffers need no commands and still run.
    const bool canRecord = device->commandAllocator[UPLOAD_COMMANDS] != nullptr && list != nullptr;
    if (canRecord) {
        device->BeginCommands(UPLOAD_COMMANDS);
    }

    std::vector<ID3D12Resource*> pendingUploads;
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
        case BUFFER_TYPE_VERTEX:
            if (static_cast<VertexBuffer*>(buffer)->changed) {
                RebuildVertexBuffer(device->device, name, static_cast<VertexBuffer*>(buffer),
                                    &cache_vertex);
            }
            break;
        case BUFFER_TYPE_TEXTURE:
            if (static_cast<TextureBuffer*>(buffer)->changed) {
                RebuildTexture(device->device, canRecord ? list : nullptr, name,
                               static_cast<TextureBuffer*>(buffer), &cache_texture,
                               &updateTextures_, &pendingUploads);
            }
            break;
        default:
            break;
        }
    }

    if (!canRecord) {
        return;
    }
    if (pendingUploads.empty()) {
        list->Close();
        return;
    }
    device->SubmitAndWait(UPLOAD_COMMANDS);
    for (ID3D12Resource* staging : pendingUploads) {
        staging->Release();
    }
}

} // namespace Dx12
