#include "d3d12_frame.h"

#include <d3dcompiler.h>

#include <dx12/device.h>
#include <dx12/helpers.h>

#include <cstring>

namespace bench {
namespace {

constexpr UINT kWidth = 1280, kHeight = 720;

using Dx12::ReleaseAndNull;

ID3D12Resource* CreateUploadBuffer(ID3D12Device* device, UINT size) {
    return Dx12::CreateCommittedResource(device, size, 1, DXGI_FORMAT_UNKNOWN,
                                         D3D12_RESOURCE_FLAG_NONE,
                                         D3D12_RESOURCE_STATE_GENERIC_READ);
}

ID3D12Resource* CreateTarget(ID3D12Device* device, DXGI_FORMAT format, D3D12_RESOURCE_FLAGS flags,
                             D3D12_RESOURCE_STATES state, const D3D12_CLEAR_VALUE& clear) {
    return Dx12::CreateCommittedResource(device, kWidth, kHeight, format, flags, state, &clear);
}

bool Compile(const char* entry, const char* target, ID3DBlob** code, std::string* error) {
    ID3DBlob* messages = nullptr;
    HRESULT hr = D3DCompileFromFile(L"normal.hlsl", nullptr, D3D_COMPILE_STANDARD_FILE_INCLUDE,
                                    entry, target, 0, 0, code, &messages);
    if (FAILED(hr)) {
        *error = std::string("compiling normal.hlsl ") + entry + " failed";
        if (messages != nullptr) {
            *error += ": " + std::string(static_cast<const char*>(messages->GetBufferPointer()),
                                         messages->GetBufferSize());
        }
    }
    ReleaseAndNull(messages);
    return SUCCEEDED(hr);
}

bool CreatePipeline(D3d12Frame* frame, std::string* error) {
    ID3DBlob* vertexShader = nullptr;
    ID3DBlob* pixelShader = nullptr;
    ID3DBlob* rootBlob = nullptr;
    bool ok = Compile("VSMain", "vs_5_0", &vertexShader, error) &&
              Compile("PSMain", "ps_5_0", &pixelShader, error);
    if (ok &&
        (FAILED(D3DGetBlobPart(vertexShader->GetBufferPointer(), vertexShader->GetBufferSize(),
                               D3D_BLOB_ROOT_SIGNATURE, 0, &rootBlob)) ||
         FAILED(frame->device->CreateRootSignature(
             0, rootBlob->GetBufferPointer(), rootBlob->GetBufferSize(), IID_ID3D12RootSignature,
             reinterpret_cast<void**>(&frame->rootSignature))))) {
        *error = "the vertex shader's root signature was not usable";
        ok = false;
    }
    if (ok) {
        const D3D12_INPUT_ELEMENT_DESC layout[] = {
            {"POSITION", 0, DXGI_FORMAT_R32G32B32_FLOAT, 0, 0,
             D3D12_INPUT_CLASSIFICATION_PER_VERTEX_DATA, 0},
            {"NORMAL", 0, DXGI_FORMAT_R32G32B32_FLOAT, 0, 12,
             D3D12_INPUT_CLASSIFICATION_PER_VERTEX_DATA, 0},
            {"UV", 0, DXGI_FORMAT_R32G32_FLOAT, 0, 24, D3D12_INPUT_CLASSIFICATION_PER_VERTEX_DATA,
             0},
            {"COLOR", 0, DXGI_FORMAT_R32G32B32A32_FLOAT, 0, 32,
             D3D12_INPUT_CLASSIFICATION_PER_VERTEX_DATA, 0}};
        D3D12_GRAPHICS_PIPELINE_STATE_DESC desc{};
        desc.pRootSignature = frame->rootSignature;
        desc.VS = {vertexShader->GetBufferPointer(), vertexShader->GetBufferSize()};
        desc.PS = {pixelShader->GetBufferPointer(), pixelShader->GetBufferSize()};
        desc.BlendState.RenderTarget[0].RenderTargetWriteMask = D3D12_COLOR_WRITE_ENABLE_ALL;
        desc.SampleMask = UINT_MAX;
        desc.RasterizerState.FillMode = D3D12_FILL_MODE_SOLID;
        desc.RasterizerState.CullMode = D3D12_CULL_MODE_BACK;
        desc.RasterizerState.DepthClipEnable = TRUE;
        desc.DepthStencilState.DepthEnable = TRUE;
        desc.DepthStencilState.DepthWriteMask = D3D12_DEPTH_WRITE_MASK_ALL;
        desc.DepthStencilState.DepthFunc = D3D12_COMPARISON_FUNC_LESS_EQUAL;
        desc.InputLayout = {layout, 4};
        desc.PrimitiveTopologyType = D3D12_PRIMITIVE_TOPOLOGY_TYPE_TRIANGLE;
        desc.NumRenderTargets = 1;
        desc.RTVFormats[0] = DXGI_FORMAT_R8G8B8A8_UNORM;
        desc.DSVFormat = DXGI_FORMAT_D32_FLOAT;
        desc.SampleDesc.Count = 1;
        if (FAILED(frame->device->CreateGraphicsPipelineState(
                &desc, IID_ID3D12PipelineState, reinterpret_cast<void**>(&frame->pipelineState)))) {
            *error = "CreateGraphicsPipelineState failed";
            ok = false;
        }
    }
    ReleaseAndNull(rootBlob);
    ReleaseAndNull(pixelShader);
    ReleaseAndNull(vertexShader);
    return ok;
}

} // namespace

bool CreateD3d12Frame(D3d12Frame* frame, std::string* error) {
    if (FAILED(D3D12CreateDevice(nullptr, D3D_FEATURE_LEVEL_11_0, IID_ID3D12Device,
                                 reinterpret_cast<void**>(&frame->device)))) {
        *error = "D3D12CreateDevice failed";
        return false;
    }
    ID3D12Device* device = frame->device;
    frame->queue = Dx12::CreateCommandQueue(device);
    device->CreateCommandAllocator(D3D12_COMMAND_LIST_TYPE_DIRECT, IID_ID3D12CommandAllocator,
                                   reinterpret_cast<void**>(&frame->allocator));
    if (frame->queue == nullptr || frame->allocator == nullptr) {
        *error = "no command queue or allocator";
        return false;
    }
    device->CreateCommandList(0, D3D12_COMMAND_LIST_TYPE_DIRECT, frame->allocator, nullptr,
                              IID_ID3D12GraphicsCommandList,
                              reinterpret_cast<void**>(&frame->list));
    device->CreateFence(0, D3D12_FENCE_FLAG_NONE, IID_ID3D12Fence,
                        reinterpret_cast<void**>(&frame->fence));
    frame->fenceEvent = CreateEventExA(nullptr, nullptr, 0, EVENT_ALL_ACCESS);
    if (frame->list == nullptr || frame->fence == nullptr || frame->fenceEvent == nullptr) {
        *error = "no command list, fence or event";
        return false;
    }
    frame->list->Close();

    frame->rtvHeap = Dx12::CreateDescriptorHeap(device, D3D12_DESCRIPTOR_HEAP_TYPE_RTV, 2,
                                                D3D12_DESCRIPTOR_HEAP_FLAG_NONE);
    frame->dsvHeap = Dx12::CreateDescriptorHeap(device, D3D12_DESCRIPTOR_HEAP_TYPE_DSV, 1,
                                                D3D12_DESCRIPTOR_HEAP_FLAG_NONE);
    frame->cbvHeap = Dx12::CreateDescriptorHeap(device, D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV, 1,
                                                D3D12_DESCRIPTOR_HEAP_FLAG_SHADER_VISIBLE);
    frame->depth =
        CreateTarget(device, DXGI_FORMAT_D32_FLOAT, D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL,
                     D3D12_RESOURCE_STATE_DEPTH_WRITE, Dx12::DepthClearValue());
    const UINT uniformSize = (kUniformSize + 255) & ~255u;
    frame->uniform = CreateUploadBuffer(device, uniformSize);
    if (frame->rtvHeap == nullptr || frame->dsvHeap == nullptr || frame->cbvHeap == nullptr ||
        frame->depth == nullptr || frame->uniform == nullptr) {
        *error = "no descriptor heaps, depth buffer or constant buffer";
        return false;
    }
    UINT rtvStep = device->GetDescriptorHandleIncrementSize(D3D12_DESCRIPTOR_HEAP_TYPE_RTV);
    D3D12_CLEAR_VALUE colorClear{};
    colorClear.Format = DXGI_FORMAT_R8G8B8A8_UNORM;
    std::memcpy(colorClear.Color, kClearColor, sizeof colorClear.Color);
    for (int i = 0; i < 2; ++i) {
        frame->targets[i] = CreateTarget(device, DXGI_FORMAT_R8G8B8A8_UNORM,
                                         D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET,
                                         D3D12_RESOURCE_STATE_PRESENT, colorClear);
        if (frame->targets[i] == nullptr) {
            *error = "no render target";
            return false;
        }
        device->CreateRenderTargetView(
            frame->targets[i], nullptr,
            Dx12::OffsetDescriptor(frame->rtvHeap->GetCPUDescriptorHandleForHeapStart(), i,
                                   rtvStep));
    }
    device->CreateDepthStencilView(frame->depth, nullptr,
                                   frame->dsvHeap->GetCPUDescriptorHandleForHeapStart());
    D3D12_CONSTANT_BUFFER_VIEW_DESC cbv{frame->uniform->GetGPUVirtualAddress(), uniformSize};
    device->CreateConstantBufferView(&cbv, frame->cbvHeap->GetCPUDescriptorHandleForHeapStart());
    D3D12_RANGE nothingRead{0, 0};
    if (FAILED(
            frame->uniform->Map(0, &nothingRead, reinterpret_cast<void**>(&frame->uniformData)))) {
        *error = "the constant buffer did not map";
        return false;
    }

    std::vector<CubeVertex> cube = BuildCube();
    frame->vertexCount = UINT(cube.size());
    const UINT cubeBytes = UINT(cube.size() * sizeof(CubeVertex));
    for (int i = 0; i < 2; ++i) {
        frame->meshes[i] = CreateUploadBuffer(device, cubeBytes);
        void* data = nullptr;
        if (frame->meshes[i] == nullptr || FAILED(frame->meshes[i]->Map(0, &nothingRead, &data))) {
            *error = "no vertex buffer";
            return false;
        }
        std::memcpy(data, cube.data(), cubeBytes);
        frame->meshes[i]->Unmap(0, nullptr);
        frame->meshViews[i] = {frame->meshes[i]->GetGPUVirtualAddress(), cubeBytes,
                               UINT(sizeof(CubeVertex))};
    }
    return CreatePipeline(frame, error);
}

void DestroyD3d12Frame(D3d12Frame* frame) {
    ReleaseAndNull(frame->pipelineState);
    ReleaseAndNull(frame->rootSignature);
    for (ID3D12Resource*& mesh : frame->meshes) {
        ReleaseAndNull(mesh);
    }
    ReleaseAndNull(frame->uniform);
    ReleaseAndNull(frame->cbvHeap);
    ReleaseAndNull(frame->dsvHeap);
    ReleaseAndNull(frame->rtvHeap);
    ReleaseAndNull(frame->depth);
    for (ID3D12Resource*& target : frame->targets) {
        ReleaseAndNull(target);
    }
    if (frame->fenceEvent != nullptr) {
        CloseHandle(frame->fenceEvent);
        frame->fenceEvent = nullptr;
    }
    ReleaseAndNull(frame->fence);
    ReleaseAndNull(frame->list);
    ReleaseAndNull(frame->allocator);
    ReleaseAndNull(frame->queue);
    ReleaseAndNull(frame->device);
}

} // namespace bench
