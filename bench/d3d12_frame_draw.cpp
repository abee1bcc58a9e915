#include "d3d12_frame.h"

#include <dx12/helpers.h>

#include <algorithm>
#include <cstring>

namespace bench {
namespace {

constexpr float kWidth = 1280.0f, kHeight = 720.0f;

void WaitForQueue(D3d12Frame* frame) {
    UINT64 value = ++frame->fenceValue;
    frame->queue->Signal(frame->fence, value);
    if (frame->fence->GetCompletedValue() < value) {
        frame->fence->SetEventOnCompletion(value, frame->fenceEvent);
        WaitForSingleObject(frame->fenceEvent, INFINITE);
    }
}

// Allocator and list reset, viewport, scissor, opening barrier and targets:
// what every submission of the draw pass starts with.
void Open(D3d12Frame* frame, int target, D3D12_CPU_DESCRIPTOR_HANDLE rtv,
          D3D12_CPU_DESCRIPTOR_HANDLE dsv) {
    frame->allocator->Reset();
    frame->list->Reset(frame->allocator, nullptr);
    D3D12_VIEWPORT viewport{0.0f, 0.0f, kWidth, kHeight, 0.0f, 1.0f};
    D3D12_RECT scissor{0, 0, LONG(kWidth), LONG(kHeight)};
    frame->list->RSSetViewports(1, &viewport);
    frame->list->RSSetScissorRects(1, &scissor);
    D3D12_RESOURCE_BARRIER opening = Dx12::TransitionBarrier(
        frame->targets[target], D3D12_RESOURCE_STATE_PRESENT, D3D12_RESOURCE_STATE_RENDER_TARGET);
    frame->list->ResourceBarrier(1, &opening);
    frame->list->OMSetRenderTargets(1, &rtv, FALSE, &dsv);
}

void CloseAndRun(D3d12Frame* frame, int target) {
    D3D12_RESOURCE_BARRIER closing = Dx12::TransitionBarrier(
        frame->targets[target], D3D12_RESOURCE_STATE_RENDER_TARGET, D3D12_RESOURCE_STATE_PRESENT);
    frame->list->ResourceBarrier(1, &closing);
    frame->list->Close();
    ID3D12CommandList* lists[] = {frame->list};
    frame->queue->ExecuteCommandLists(1, lists);
    WaitForQueue(frame);
}

} // namespace

void DrawD3d12Frame(D3d12Frame* frame, const std::vector<InstanceSlot>& instances, int target,
                    float* angle) {
    float constants[kFrameConstantsSize / sizeof(float)] = {};
    for (int i = 0; i < 4; ++i) {
        constants[i * 5] = 1.0f;
    }
    CameraMatrices(angle, &constants[16], &constants[32]);
    constants[64] = kWidth;
    constants[65] = kHeight;
    constants[66] = kWidth / kHeight;
    std::memcpy(frame->uniformData, constants, sizeof(constants));

    D3D12_CPU_DESCRIPTOR_HANDLE rtv = Dx12::OffsetDescriptor(
        frame->rtvHeap->GetCPUDescriptorHandleForHeapStart(), target,
        frame->device->GetDescriptorHandleIncrementSize(D3D12_DESCRIPTOR_HEAP_TYPE_RTV));
    D3D12_CPU_DESCRIPTOR_HANDLE dsv = frame->dsvHeap->GetCPUDescriptorHandleForHeapStart();

    Open(frame, target, rtv, dsv);
    frame->list->ClearRenderTargetView(rtv, kClearColor, 0, nullptr);
    frame->list->ClearDepthStencilView(dsv, D3D12_CLEAR_FLAG_DEPTH, 1.0f, 0, 0, nullptr);
    CloseAndRun(frame, target);

    for (size_t next = 0; next < instances.size();) {
        size_t batch = std::min(instances.size() - next, size_t(kInstancesPerBatch));
        std::memcpy(frame->uniformData + kFrameConstantsSize, &instances[next],
                    batch * sizeof(InstanceSlot));
        next += batch;
        Open(frame, target, rtv, dsv);
        for (const D3D12_VERTEX_BUFFER_VIEW& mesh : frame->meshViews) {
            frame->list->SetGraphicsRootSignature(frame->rootSignature);
            frame->list->SetPipelineState(frame->pipelineState);
            frame->list->SetDescriptorHeaps(1, &frame->cbvHeap);
            frame->list->SetGraphicsRootDescriptorTable(
                0, frame->cbvHeap->GetGPUDescriptorHandleForHeapStart());
            frame->list->IASetPrimitiveTopology(D3D_PRIMITIVE_TOPOLOGY_TRIANGLELIST);
            frame->list->IASetVertexBuffers(0, 1, &mesh);
            frame->list->DrawInstanced(frame->vertexCount, UINT(batch), 0, 0);
        }
        CloseAndRun(frame, target);
    }
}

} // namespace bench
