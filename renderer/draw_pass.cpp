#include "renderer.h"

#include "frame_constants.h"

#include <dx12/helpers.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <vector>

namespace Dx12 {

namespace {

// Seconds of animation handed to the shaders: one 60 Hz tick per draw call.
float g_frameClock = 0.0f;
constexpr float kFrameClockStep = 0.016666668f;
constexpr int kMaxRenderTargetViews = 8;
static_assert(sizeof(FrameConstants) == Renderer::INSTANCE_SLOTS_OFFSET);

// Copies `value` into the constants at `offset`, byte for byte.
template <typename T> void PutConstant(uint8_t* constants, size_t offset, const T& value) {
    std::memcpy(constants + offset, &value, sizeof(T));
}

} // namespace

// What one call draws into, with the handles and barriers of every submission.
struct Renderer::DrawTarget {
    int count = 0;
    D3D12_CPU_DESCRIPTOR_HANDLE renderTargetViews[kMaxRenderTargetViews] = {};
    D3D12_CPU_DESCRIPTOR_HANDLE depthStencilView = {};
    D3D12_RESOURCE_BARRIER opening[kMaxRenderTargetViews] = {};
    D3D12_RESOURCE_BARRIER closing[kMaxRenderTargetViews] = {};
    D3D12_VIEWPORT viewport = {};
    D3D12_RECT scissor = {};
    bool offscreen = false;
};

namespace {

void RecordOpening(ID3D12GraphicsCommandList* list, const Renderer::DrawTarget& target) {
    list->RSSetViewports(1, &target.viewport);
    list->RSSetScissorRects(1, &target.scissor);
    if (target.count > 0) {
        list->ResourceBarrier(static_cast<UINT>(target.count), target.opening);
    }
    const bool haveDepth = target.depthStencilView.ptr != 0;
    list->OMSetRenderTargets(static_cast<UINT>(target.count), target.renderTargetViews, FALSE,
                             haveDepth ? &target.depthStencilView : nullptr);
}

void RecordClosing(ID3D12GraphicsCommandList* list, const Renderer::DrawTarget& target) {
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
    const auto& view = *static_cast<ViewBuffer*>(found);
    if (device->device == nullptr || device->commandAllocator[DRAW_COMMANDS] == nullptr ||
        device->commandList[DRAW_COMMANDS] == nullptr ||
        device->commandQueue[DRAW_COMMANDS] == nullptr) {
        return;
    }
    DrawTarget target;
    if (!PrepareTarget(view, &target)) {
        return;
    }
    // Without the mapped buffer nothing can reach the shaders, so only the
    // clear is submitted.
    if (uniform0_data != nullptr) {
        WriteFrameConstants(view);
    }
    SubmitClear(view, &target);
    if (uniform0_data != nullptr) {
        DrawBatches(view, target);
    }
}

bool Renderer::PrepareTarget(const ViewBuffer& view, DrawTarget* target) {
    const UINT rtvStep =
        device->device->GetDescriptorHandleIncrementSize(D3D12_DESCRIPTOR_HEAP_TYPE_RTV);
    if (view.renderTarget != nullptr) {
        PrepareOffscreenTarget(*view.renderTarget, rtvStep, target);
    } else if (!PrepareBackBufferTarget(rtvStep, target)) {
        return false;
    }
    const ViewportRect& rect = view.viewport;
    target->viewport = D3D12_VIEWPORT{rect.x, rect.y, rect.width, rect.height, 0.0f, 1.0f};
    target->scissor =
        D3D12_RECT{0, 0, static_cast<LONG>(rect.width), static_cast<LONG>(rect.height)};
    return true;
}

RenderTarget* Renderer::CachedRenderTarget(RenderTargetBuffer& description, int count) {
    RenderTarget*& cached = cache_rendertarget[description.name];
    if (cached != nullptr) {
        return cached;
    }
    if (count != description.count) {
        std::printf("%s : %s : Warning : count %d outside 0..%d, using %d\n",
                    "Dx12::Renderer::Draw", description.name.c_str(),
                    static_cast<int>(description.count),
                    static_cast<int>(RenderTargetBuffer::MAX_COLOR_TARGETS), count);
    }
    cached = new RenderTarget(device->device, static_cast<uint32_t>(description.width),
                              static_cast<uint32_t>(description.height), count);
    for (int i = 0; i < count; ++i) {
        cache_texture[description.colorTargets[i].name] = cached->colorTextures[i];
    }
    cache_texture[description.depthTarget.name] = cached->depthTexture;
    return cached;
}

void Renderer::PrepareOffscreenTarget(RenderTargetBuffer& description, UINT rtvStep,
                                      DrawTarget* target) {
    // Only four colour-target names exist in a description.
    target->count = std::clamp(description.count, 0, RenderTargetBuffer::MAX_COLOR_TARGETS);
    target->offscreen = true;
    RenderTarget* renderTarget = CachedRenderTarget(description, target->count);
    // Views exist only for the textures the target was made with.
    target->count = std::min(target->count, static_cast<int>(renderTarget->numTargets));
    if (renderTarget->renderTargetHeap == nullptr) {
        target->count = 0;
    }
    for (int i = 0; i < target->count; ++i) {
        if (renderTarget->colorTextures[i] == nullptr ||
            renderTarget->colorTextures[i]->resource == nullptr) {
            target->count = i;
            break;
        }
    }
    const D3D12_CPU_DESCRIPTOR_HANDLE rtvStart =
        target->count > 0 ? renderTarget->renderTargetHeap->GetCPUDescriptorHandleForHeapStart()
                          : D3D12_CPU_DESCRIPTOR_HANDLE{};
    for (int i = 0; i < target->count; ++i) {
        Texture* texture = renderTarget->colorTextures[i];
        // Colour textures are made readable and every submission leaves them
        // readable by pixel shaders: the first opening starts from the state
        // they were made in.
        const bool firstUse = drawnTargetTextures_.insert(texture).second;
        const D3D12_RESOURCE_STATES before = firstUse ? D3D12_RESOURCE_STATE_GENERIC_READ
                                                      : D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE;
        target->renderTargetViews[i] = OffsetDescriptor(rtvStart, static_cast<UINT>(i), rtvStep);
        target->opening[i] =
            TransitionBarrier(texture->resource, before, D3D12_RESOURCE_STATE_RENDER_TARGET);
        target->closing[i] =
            TransitionBarrier(texture->resource, D3D12_RESOURCE_STATE_RENDER_TARGET,
                              D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE);
    }
    if (renderTarget->depthStencilHeap != nullptr) {
        target->depthStencilView =
            renderTarget->depthStencilHeap->GetCPUDescriptorHandleForHeapStart();
    }
}

bool Renderer::PrepareBackBufferTarget(UINT rtvStep, DrawTarget* target) {
    const uint32_t k = frame_count & 1;
    if (k >= device->backBuffers.size() || device->backBuffers[k] == nullptr ||
        device->renderTargetHeap == nullptr || device->depthStencilHeap == nullptr) {
        return false;
    }
    target->count = 1;
    target->renderTargetViews[0] = OffsetDescriptor(
        device->renderTargetHeap->GetCPUDescriptorHandleForHeapStart(), k, rtvStep);
    target->depthStencilView = device->depthStencilHeap->GetCPUDescriptorHandleForHeapStart();
    target->opening[0] = TransitionBarrier(device->backBuffers[k], D3D12_RESOURCE_STATE_PRESENT,
                                           D3D12_RESOURCE_STATE_RENDER_TARGET);
    target->closing[0] = TransitionBarrier(
        device->backBuffers[k], D3D12_RESOURCE_STATE_RENDER_TARGET, D3D12_RESOURCE_STATE_PRESENT);
    return true;
}

// Each constant where FrameConstants places it, one by one: the unused ranges
// keep what they held.
void Renderer::WriteFrameConstants(const ViewBuffer& view) {
    static const DirectX::XMFLOAT4X4 identity(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
    const ViewportRect& rect = view.viewport;
    const float aspect = rect.width / rect.height;
    const int32_t zero = 0;
    PutConstant(uniform0_data, offsetof(FrameConstants, identity), identity);
    PutConstant(uniform0_data, offsetof(FrameConstants, view), view.view);
    PutConstant(uniform0_data, offsetof(FrameConstants, projection), view.projection);
    PutConstant(uniform0_data, offsetof(FrameConstants, frameClock), g_frameClock);
    PutConstant(uniform0_data, offsetof(FrameConstants, viewportWidth), rect.width);
    PutConstant(uniform0_data, offsetof(FrameConstants, viewportHeight), rect.height);
    PutConstant(uniform0_data, offsetof(FrameConstants, aspect), aspect);
    PutConstant(uniform0_data, offsetof(FrameConstants, int0), zero);
    PutConstant(uniform0_data, offsetof(FrameConstants, viewParam), view.viewParam);
}

// The clear, in a submission of its own.
void Renderer::SubmitClear(const ViewBuffer& view, DrawTarget* target) {
    ID3D12GraphicsCommandList* list = device->commandList[DRAW_COMMANDS];
    device->BeginCommands(DRAW_COMMANDS);
    RecordOpening(list, *target);
    for (int i = 0; i < target->count; ++i) {
        list->ClearRenderTargetView(target->renderTargetViews[i], view.clearColor, 0, nullptr);
    }
    if (target->depthStencilView.ptr != 0) {
        list->ClearDepthStencilView(target->depthStencilView, D3D12_CLEAR_FLAG_DEPTH, 1.0f, 0, 0,
                                    nullptr);
    }
    RecordClosing(list, *target);
    device->SubmitAndWait(DRAW_COMMANDS);
    // The clear left off-screen colour targets readable by pixel shaders.
    if (target->offscreen) {
        for (int i = 0; i < target->count; ++i) {
            target->opening[i].Transition.StateBefore = D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE;
        }
    }
}

// Every instancing description of the view, in batches of at most
// INSTANCES_PER_BATCH instances whose records fill the instance slots.
void Renderer::DrawBatches(const ViewBuffer& view, const DrawTarget& target) {
    std::vector<InstancingBuffer*> instancing;
    for (auto& [name, buffer] : view.instancingBuffers) {
        instancing.push_back(buffer);
    }
    for (InstancingBuffer* group : instancing) {
        if (group == nullptr) {
            continue;
        }
        const std::vector<InstanceRecord>& instances = group->instances;
        const size_t count = instances.size();
        size_t next = 0;
        while (next < count) {
            const size_t batch = std::min<size_t>(INSTANCES_PER_BATCH, count - next);
            std::memcpy(uniform0_data + INSTANCE_SLOTS_OFFSET, instances.data() + next,
                        batch * sizeof(InstanceRecord));
            next += batch;
            SubmitBatch(*group, static_cast<UINT>(batch), target);
        }
    }
}

// One batch: an instanced draw of each linked mesh, submitted and waited for.
void Renderer::SubmitBatch(const InstancingBuffer& group, UINT batch, const DrawTarget& target) {
    ID3D12GraphicsCommandList* list = device->commandList[DRAW_COMMANDS];
    device->BeginCommands(DRAW_COMMANDS);
    // Every table of this submission points into the one heap.
    nextShaderVisibleDescriptor_ = 0;
    if (shaderVisibleHeap_ != nullptr) {
        list->SetDescriptorHeaps(1, &shaderVisibleHeap_);
    }
    RecordOpening(list, target);
    for (auto& [meshName, mesh] : group.meshes) {
        if (mesh != nullptr) {
            DrawMesh(*mesh, batch, target.offscreen, target.count);
        }
    }
    RecordClosing(list, target);
    device->SubmitAndWait(DRAW_COMMANDS);
}

// A failed build is remembered as an empty entry, so it is not tried again at
// every draw until the shaders are deleted.
Shader* Renderer::CachedShader(const std::string& file, bool offscreen, int renderTargetCount) {
    auto [entry, added] = cache_shader.try_emplace(file, nullptr);
    if (added && !file.empty()) {
        auto* built = new Shader(device->device, file.c_str(), offscreen, renderTargetCount);
        if (built->pipelineState != nullptr) {
            entry->second = built;
        } else {
            std::printf("Failed Create PipelineState\n");
            delete built;
        }
    }
    return entry->second;
}

void Renderer::DrawMesh(const VertexBuffer& mesh, UINT instanceCount, bool offscreen,
                        int renderTargetCount) {
    ID3D12GraphicsCommandList* list = device->commandList[DRAW_COMMANDS];
    Shader* shader = CachedShader(mesh.GetShaderFile(), offscreen, renderTargetCount);
    // The cached shader may have been built for the other kind of target.
    ID3D12PipelineState* pipeline =
        shader != nullptr ? shader->PipelineFor(device->device, offscreen, renderTargetCount)
                          : nullptr;
    if (pipeline == nullptr) {
        return;
    }
    Vertex* vertex = cache_vertex[mesh.name];
    if (vertex == nullptr) {
        return;
    }

    list->SetGraphicsRootSignature(shader->rootSignature);
    list->SetPipelineState(pipeline);
    // Each table is the object's descriptor copied into the shader-visible
    // heap: the constants first, then each texture that exists, in slot order.
    Constant* constant = cache_constant[UniformName(uniform_select)];
    if (constant != nullptr && constant->heap != nullptr) {
        const D3D12_GPU_DESCRIPTOR_HANDLE table = StageDescriptor(constant->heap);
        if (table.ptr != 0) {
            list->SetGraphicsRootDescriptorTable(0, table);
        }
    }
    UINT parameter = 1;
    for (const auto& [slot, textureName] : mesh.textures) {
        Texture* texture = cache_texture[textureName];
        if (texture == nullptr || texture->heap == nullptr) {
            continue;
        }
        const D3D12_GPU_DESCRIPTOR_HANDLE table = StageDescriptor(texture->heap);
        if (table.ptr != 0) {
            list->SetGraphicsRootDescriptorTable(parameter, table);
        }
        ++parameter;
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
    const D3D12_CPU_DESCRIPTOR_HANDLE destination =
        OffsetDescriptor(shaderVisibleHeap_->GetCPUDescriptorHandleForHeapStart(), slot, step);
    d3d->CopyDescriptorsSimple(1, destination, source->GetCPUDescriptorHandleForHeapStart(),
                               D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV);
    return OffsetDescriptor(shaderVisibleHeap_->GetGPUDescriptorHandleForHeapStart(), slot, step);
}

} // namespace Dx12
