// The demo frame recorded straight through Direct3D 12, without the renderer:
// the same resources, calls and submissions the renderer's draw pass makes,
// into off-screen targets. Separates the stand-in's cost from the system's.
#pragma once

#include <windows.h>

#include <d3d12.h>

#include <string>
#include <vector>

#include "demo_scene_data.h"

namespace bench {

// The demo view's clear colour, also the targets' optimised clear value.
constexpr float kClearColor[4] = {0.0f, 1.0f, 1.0f, 0.0f};

struct D3d12Frame {
    ID3D12Device* device = nullptr;
    ID3D12CommandQueue* queue = nullptr;
    ID3D12CommandAllocator* allocator = nullptr;
    ID3D12GraphicsCommandList* list = nullptr;
    ID3D12Fence* fence = nullptr;
    HANDLE fenceEvent = nullptr;
    UINT64 fenceValue = 0;
    ID3D12Resource* targets[2] = {};
    ID3D12Resource* depth = nullptr;
    ID3D12DescriptorHeap* rtvHeap = nullptr;
    ID3D12DescriptorHeap* dsvHeap = nullptr;
    ID3D12DescriptorHeap* cbvHeap = nullptr;
    ID3D12Resource* uniform = nullptr;
    unsigned char* uniformData = nullptr;
    ID3D12Resource* meshes[2] = {};
    D3D12_VERTEX_BUFFER_VIEW meshViews[2] = {};
    UINT vertexCount = 0;
    ID3D12RootSignature* rootSignature = nullptr;
    ID3D12PipelineState* pipelineState = nullptr;
};

// Builds everything; compiles "normal.hlsl" from the working directory.
bool CreateD3d12Frame(D3d12Frame* frame, std::string* error);
void DestroyD3d12Frame(D3d12Frame* frame);

// One demo frame into target (0 or 1): one clear submission, then one per
// batch of 128 instances drawing both meshes, each followed by a full wait.
void DrawD3d12Frame(D3d12Frame* frame, const std::vector<InstanceSlot>& instances, int target,
                    float* angle);

} // namespace bench
