#include "renderer.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace Dx12 {

namespace {

// Seconds of animation handed to the shaders: one 60 Hz tick per draw call.
float g_frameClock = 0.0f;
constexpr float kFrameClockStep = 0.016666668f;
constexpr int kMaxRenderTargetViews = 8;

// What one call draws into, with the handles and barriers of every submission.
struct TargetState {
    int count = 0;
    D3D12_CPU_DESCRIPTOR_HANDLE renderTargetViews[kMaxRenderTargetViews] = {};
    D3D12_CPU_DESCRIPTOR_HANDLE depthStencilView = {};
    D3D12_RESOURCE_BARRIER opening[kMaxRenderTargetViews] = {};
    D3D12_RESOURCE_BARRIER closing[kMaxRenderTargetViews] = {};
    D3D12_VIEWPORT viewport = {};
    D3D12_RECT scissor = {};
    bool offscreen = false;
};

D3D12_RESOURCE_BARRIER Transition(ID3D12Resource* resource, D3D12_RESOURCE_STATES before,
                                  D3D12_RESOURCE_STATES after) {
    D3D12_RESOURCE_BARRIER barrier = {};
    barrier.Type = D3D12_RESOURCE_BARRIER_TYPE_TRANSITION;
    barrier.Flags = D3D12_RESOURCE_BARRIER_FLAG_NONE;
    barrier.Transition.pResource = resource;
    barrier.Transition.Subresource = D3D12_RESOURCE_BARRIER_ALL_SUBRESOURCES;
    barrier.Transition.StateBefore = before;
    barrier.Transition.StateAfter = after;
    return barrier;
}

D3D12_CPU_DESCRIPTOR_HANDLE Offset(D3D12_CPU_DESCRIPTOR_HANDLE start, UINT index, UINT step) {
    start.ptr += static_cast<SIZE_T>(index) * step;
    return start;
}

void RecordOpening(ID3D12GraphicsCommandList* list, const TargetState& target) {
    list->RSSetViewports(1, &target.viewport);
    list->RSSetScissorRects(1, &target.scissor);
    if (target.count > 0) {
        list->ResourceBarrier(static_cast<UINT>(target.count), target.opening);
    }
    const bool haveDepth = target.depthStencilView.ptr != 0;
    list->OMSetRenderTargets(static_cast<UINT>(target.count), target.renderTargetViews, FALSE,
                             haveDepth ? &target.depthStencilView : nullptr);
}

void RecordClosing(ID3D12GraphicsCommandList* list, const TargetState& target) {
    if (target.count > 0) {
        list->ResourceBarrier(static_cast<UINT>(target.count), target.closing);
    }
}

} // namespace

void Renderer::Draw(const std::string& viewName) {
    BaseBuffer* found = buffermapper[viewName];
    g_frameClock += kFrameClockStep;
    if (found == nullptr) {
        return;
    }
    // Another kind of description under this name would be misread as a view.
    if (found->type != BUFFER_TYPE_VIEW) {
        std::printf("%s : %s : ERROR : type %d is not a view\n", "Dx12::Renderer::Draw",
                    viewName.c_str(), static_cast<int>(found->type));
        return;
    }
    auto* view = static_cast<ViewBuffer*>(found);
    ID3D12Device* d3d = device->device;
    ID3D12CommandAllocator* allocator = device->commandAllocator[0];
    ID3D12GraphicsCommandList* list = device->commandList[0];
    ID3D12CommandQueue* queue = device->commandQueue[0];
    if (d3d == nullptr || allocator == nullptr || list == nullptr || queue == nullptr) {
        return;
    }

    TargetState target;
    const UINT rtvStep = d3d->GetDescriptorHandleIncrementSize(D3D12_DESCRIPTOR_HEAP_TYPE_RTV);
    if (view->renderTarget != nullptr) {
        RenderTargetBuffer* description = view->renderTarget;
        // Only four colour-target names exist in a description.
        target.count = std::clamp(description->count, 0, RenderTargetBuffer::MAX_COLOR_TARGETS);
        target.offscreen = true;
        RenderTarget*& cached = cache_rendertarget[description->name];
        if (cached == nullptr) {
            if (target.count != description->count) {
                std::printf("%s : %s : Warning : count %d outside 0..%d, using %d\n",
                            "Dx12::Renderer::Draw", description->name.c_str(),
                            static_cast<int>(description->count),
                            static_cast<int>(RenderTargetBuffer::MAX_COLOR_TARGETS), target.count);
            }
            cached = new RenderTarget(d3d, static_cast<uint32_t>(description->width),
                                      static_cast<uint32_t>(description->height), target.count);
            for (int i = 0; i < target.count; ++i) {
                cache_texture[description->colorTargets[i].name] = cached->colorTextures[i];
            }
            cache_texture[description->depthTarget.name] = cached->depthTexture;
        }
        RenderTarget* renderTarget = cached;
        // Views exist only for the textures the target was made with.
        target.count = std::min(target.count, static_cast<int>(renderTarget->numTargets));
        if (renderTarget->renderTargetHeap == nullptr) {
            target.count = 0;
        }
        for (int i = 0; i < target.count; ++i) {
            if (renderTarget->colorTextures[i] == nullptr ||
                renderTarget->colorTextures[i]->resource == nullptr) {
                target.count = i;
                break;
            }
        }
        const D3D12_CPU_DESCRIPTOR_HANDLE rtvStart =
            target.count > 0 ? renderTarget->renderTargetHeap->GetCPUDescriptorHandleForHeapStart()
                             : D3D12_CPU_DESCRIPTOR_HANDLE{};
        for (int i = 0; i < target.count; ++i) {
            Texture* texture = renderTarget->colorTextures[i];
            // Colour textures are made readable and every submission leaves
            // them readable by pixel shaders: the first opening starts from
            // the state they were made in.
            const bool firstUse = drawnTargetTextures_.insert(texture).second;
            const D3D12_RESOURCE_STATES before = firstUse
                                                     ? D3D12_RESOURCE_STATE_GENERIC_READ
                                                     : D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE;
            target.renderTargetViews[i] = Offset(rtvStart, static_cast<UINT>(i), rtvStep);
            target.opening[i] =
                Transition(texture->resource, before, D3D12_RESOURCE_STATE_RENDER_TARGET);
            target.closing[i] = Transition(texture->resource, D3D12_RESOURCE_STATE_RENDER_TARGET,
                                           D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE);
        }
        if (renderTarget->depthStencilHeap != nullptr) {
            target.depthStencilView =
                renderTarget->depthStencilHeap->GetCPUDescriptorHandleForHeapStart();
        }
    } else {
        const uint32_t k = frame_count & 1;
        if (k >= device->backBuffers.size() || device->backBuffers[k] == nullptr ||
            device->renderTargetHeap == nullptr || device->depthStencilHeap == nullptr) {
            return;
        }
        target.count = 1;
        target.renderTargetViews[0] =
            Offset(device->renderTargetHeap->GetCPUDescriptorHandleForHeapStart(), k, rtvStep);
        target.depthStencilView = device->depthStencilHeap->GetCPUDescriptorHandleForHeapStart();
        target.opening[0] = Transition(device->backBuffers[k], D3D12_RESOURCE_STATE_PRESENT,
                                       D3D12_RESOURCE_STATE_RENDER_TARGET);
        target.closing[0] = Transition(device->backBuffers[k], D3D12_RESOURCE_STATE_RENDER_TARGET,
                                       D3D12_RESOURCE_STATE_PRESENT);
    }

    const ViewportRect& rect = view->viewport;
    target.viewport = D3D12_VIEWPORT{rect.x, rect.y, rect.width, rect.height, 0.0f, 1.0f};
    target.scissor =
        D3D12_RECT{0, 0, static_cast<LONG>(rect.width), static_cast<LONG>(rect.height)};

    // Per-frame constants; without the mapped buffer nothing can reach the
    // shaders, so only the clear is submitted.
    if (uniform0_data != nullptr) {
        static const DirectX::XMFLOAT4X4 identity(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
        const float aspect = rect.width / rect.height;
        const int32_t zero = 0;
        std::memcpy(uniform0_data + 0, &identity, 64);
        std::memcpy(uniform0_data + 64, &view->view, 64);
        std::memcpy(uniform0_data + 128, &view->projection, 64);
        std::memcpy(uniform0_data + 272, &g_frameClock, 4);
        std::memcpy(uniform0_data + 256, &rect.width, 4);
        std::memcpy(uniform0_data + 260, &rect.height, 4);
        std::memcpy(uniform0_data + 264, &aspect, 4);
        std::memcpy(uniform0_data + 268, &zero, 4);
        std::memcpy(uniform0_data + 336, view->viewParam, 16);
    }

    // The clear, in a submission of its own.
    allocator->Reset();
    list->Reset(allocator, nullptr);
    RecordOpening(list, target);
    for (int i = 0; i < target.count; ++i) {
        list->ClearRenderTargetView(target.renderTargetViews[i], view->clearColor, 0, nullptr);
    }
    if (target.depthStencilView.ptr != 0) {
        list->ClearDepthStencilView(target.depthStencilView, D3D12_CLEAR_FLAG_DEPTH, 1.0f, 0, 0,
                                    nullptr);
    }
    RecordClosing(list, target);
    list->Close();
    ID3D12CommandList* lists[] = {list};
    queue->ExecuteCommandLists(1, lists);
    device->WaitForGpu(0);
    if (target.offscreen) {
        for (int i = 0; i < target.count; ++i) {
            target.opening[i].Transition.StateBefore = D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE;
        }
    }

    if (uniform0_data == nullptr) {
        return;
    }

    std::vector<InstancingBuffer*> instancing;
    for (auto& [name, buffer] : view->instancingBuffers) {
        instancing.push_back(buffer);
    }
    for (InstancingBuffer* group : instancing) {
        if (group == nullptr) {
            continue;
        }
        const std::vector<InstanceRecord> instances = group->instances;
        const size_t count = instances.size();
        size_t next = 0;
        while (next < count) {
            const size_t batch = std::min<size_t>(INSTANCES_PER_BATCH, count - next);
            std::memcpy(uniform0_data + INSTANCE_SLOTS_OFFSET, instances.data() + next,
                        batch * sizeof(InstanceRecord));
            next += batch;

            allocator->Reset();
            list->Reset(allocator, nullptr);
            // Every table of this submission points into the one heap.
            nextShaderVisibleDescriptor_ = 0;
            if (shaderVisibleHeap_ != nullptr) {
                list->SetDescriptorHeaps(1, &shaderVisibleHeap_);
            }
            RecordOpening(list, target);
            for (auto& [meshName, mesh] : group->meshes) {
                if (mesh != nullptr) {
                    DrawMesh(*mesh, static_cast<UINT>(batch), target.offscreen, target.count);
                }
            }
            RecordClosing(list, target);
            list->Close();
            queue->ExecuteCommandLists(1, lists);
            device->WaitForGpu(0);
        }
    }
}

void Renderer::DrawMesh(const VertexBuffer& mesh, UINT instanceCount, bool offscreen,
                        int renderTargetCount) {
    ID3D12GraphicsCommandList* list = device->commandList[0];
    const std::string file = mesh.GetShaderFile();
    if (!file.empty() && cache_shader.find(file) == cache_shader.end()) {
        auto* built = new Shader(device->device, file.c_str(), offscreen, renderTargetCount);
        if (built->pipelineState != nullptr) {
            cache_shader[file] = built;
        } else {
            std::printf("Failed Create PipelineState\n");
            delete built;
        }
    }
    Shader* shader = cache_shader[file];
    if (shader == nullptr || shader->pipelineState == nullptr) {
        return;
    }
    Vertex* vertex = cache_vertex[mesh.name];
    if (vertex == nullptr) {
        return;
    }

    std::vector<ID3D12DescriptorHeap*> textureHeaps;
    const std::map<int32_t, std::string> textures = mesh.textures;
    for (const auto& [slot, textureName] : textures) {
        Texture* texture = cache_texture[textureName];
        if (texture != nullptr && texture->heap != nullptr) {
            textureHeaps.push_back(texture->heap);
        }
    }

    list->SetGraphicsRootSignature(shader->rootSignature);
    list->SetPipelineState(shader->pipelineState);
    // Each table is the object's descriptor copied into the shader-visible heap.
    Constant* constant = cache_constant[uniform_select == 0 ? "uniform0" : "uniform1"];
    if (constant != nullptr && constant->heap != nullptr) {
        const D3D12_GPU_DESCRIPTOR_HANDLE table = StageDescriptor(constant->heap);
        if (table.ptr != 0) {
            list->SetGraphicsRootDescriptorTable(0, table);
        }
    }
    for (size_t j = 0; j < textureHeaps.size(); ++j) {
        const D3D12_GPU_DESCRIPTOR_HANDLE table = StageDescriptor(textureHeaps[j]);
        if (table.ptr != 0) {
            list->SetGraphicsRootDescriptorTable(static_cast<UINT>(j + 1), table);
        }
    }
    list->IASetPrimitiveTopology(D3D_PRIMITIVE_TOPOLOGY_TRIANGLELIST);
    list->IASetVertexBuffers(0, 1, &vertex->vertexBufferView);
    list->DrawInstanced(static_cast<UINT>(mesh.vertices.size()), instanceCount, 0, 0);
}

D3D12_GPU_DESCRIPTOR_HANDLE Renderer::StageDescriptor(ID3D12DescriptorHeap* source) {
    if (shaderVisibleHeap_ == nullptr ||
        nextShaderVisibleDescriptor_ >= SHADER_VISIBLE_DESCRIPTORS) {
        return D3D12_GPU_DESCRIPTOR_HANDLE{0};
    }
    ID3D12Device* d3d = device->device;
    const UINT step = d3d->GetDescriptorHandleIncrementSize(D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV);
    const UINT slot = nextShaderVisibleDescriptor_++;
    D3D12_CPU_DESCRIPTOR_HANDLE destination =
        Offset(shaderVisibleHeap_->GetCPUDescriptorHandleForHeapStart(), slot, step);
    d3d->CopyDescriptorsSimple(1, destination, source->GetCPUDescriptorHandleForHeapStart(),
                               D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV);
    D3D12_GPU_DESCRIPTOR_HANDLE table = shaderVisibleHeap_->GetGPUDescriptorHandleForHeapStart();
    table.ptr += static_cast<UINT64>(slot) * step;
    return table;
}

} // namespace Dx12
