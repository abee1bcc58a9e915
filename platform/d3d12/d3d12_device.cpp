#include "d3d12_device.h"

#include "d3d12_command_allocator.h"
#include "d3d12_command_list.h"
#include "d3d12_command_queue.h"
#include "d3d12_descriptor_heap.h"
#include "d3d12_fence.h"
#include "d3d12_info_queue.h"
#include "d3d12_pipeline_state.h"
#include "d3d12_resource.h"
#include "d3d12_root_signature.h"
#include "device_removal.h"
#include "testing_counters.h"

#include <debug_messages.h>

#include <cstdio>
#include <mutex>
#include <string>

namespace d3d12_standin {
namespace {

// A call the stand-in refuses: it says why and fails the call.
HRESULT RefuseCall(const char* method, const char* why) {
    standin::ReportRefusal("ID3D12Device", method, "%s", why);
    return E_INVALIDARG;
}

} // namespace

bool D3D12Device::Removed() const {
    return Context()->lost;
}

DeviceReference::DeviceReference(D3D12Device* device) : device_(device) {
    device_->AddRef();
}

DeviceReference::~DeviceReference() {
    device_->Release();
}

HRESULT DeviceReference::Query(REFIID riid, void** object) const {
    return device_->QueryInterface(riid, object);
}

D3D12Device::D3D12Device(std::shared_ptr<vk_core::VulkanContext> context)
    : core_(std::make_unique<DeviceCore>(std::move(context))) {}

D3D12Device::~D3D12Device() = default;

HRESULT STDMETHODCALLTYPE D3D12Device::QueryInterface(REFIID riid, void** object) {
    if (object != nullptr && riid == IID_ID3D12InfoQueue) {
        *object = static_cast<ID3D12InfoQueue*>(new D3D12InfoQueue(this));
        return S_OK;
    }
    return ComObject::QueryInterface(riid, object);
}

bool D3D12Device::Implements(REFIID riid) const {
    return riid == IID_ID3D12Object || riid == IID_ID3D12Device;
}

HRESULT STDMETHODCALLTYPE D3D12Device::GetPrivateData(REFGUID, UINT*, void*) {
    STANDIN_NOT_IMPLEMENTED("ID3D12Device::GetPrivateData");
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE D3D12Device::SetPrivateData(REFGUID, UINT, const void*) {
    STANDIN_NOT_IMPLEMENTED("ID3D12Device::SetPrivateData");
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE D3D12Device::SetPrivateDataInterface(REFGUID, const IUnknown*) {
    STANDIN_NOT_IMPLEMENTED("ID3D12Device::SetPrivateDataInterface");
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE D3D12Device::SetName(LPCWSTR) {
    return S_OK;
}

UINT STDMETHODCALLTYPE D3D12Device::GetNodeCount() {
    return 1;
}

HRESULT STDMETHODCALLTYPE D3D12Device::CreateCommandQueue(const D3D12_COMMAND_QUEUE_DESC* desc,
                                                          REFIID riid, void** queue) {
    if (queue != nullptr) {
        *queue = nullptr;
    }
    if (Removed()) {
        return DXGI_ERROR_DEVICE_REMOVED;
    }
    if (desc == nullptr || desc->Type != D3D12_COMMAND_LIST_TYPE_DIRECT) {
        return RefuseCall("CreateCommandQueue", "only direct queues are supported");
    }
    return HandOut(new D3D12CommandQueue(this, *desc), riid, queue);
}

HRESULT STDMETHODCALLTYPE D3D12Device::CreateCommandAllocator(D3D12_COMMAND_LIST_TYPE type,
                                                              REFIID riid, void** allocator) {
    if (allocator != nullptr) {
        *allocator = nullptr;
    }
    if (Removed()) {
        return DXGI_ERROR_DEVICE_REMOVED;
    }
    if (type != D3D12_COMMAND_LIST_TYPE_DIRECT) {
        return RefuseCall("CreateCommandAllocator", "only direct allocators are supported");
    }
    return HandOut(new D3D12CommandAllocator(this, type), riid, allocator);
}

HRESULT STDMETHODCALLTYPE D3D12Device::CreateCommandList(UINT, D3D12_COMMAND_LIST_TYPE type,
                                                         ID3D12CommandAllocator* allocator,
                                                         ID3D12PipelineState* initialState,
                                                         REFIID riid, void** list) {
    if (list != nullptr) {
        *list = nullptr;
    }
    if (Removed()) {
        return DXGI_ERROR_DEVICE_REMOVED;
    }
    if (type != D3D12_COMMAND_LIST_TYPE_DIRECT || allocator == nullptr) {
        return RefuseCall("CreateCommandList", "needs a direct type and an allocator");
    }
    auto* standin = D3D12CommandAllocator::FromInterface(allocator);
    if (standin == nullptr) {
        return RefuseCall("CreateCommandList", "the allocator is not a stand-in command allocator");
    }
    if (standin->InUseByAnotherList("ID3D12Device::CreateCommandList")) {
        return E_INVALIDARG;
    }
    return HandOut(new D3D12GraphicsCommandList(this, type, standin, initialState), riid, list);
}

HRESULT STDMETHODCALLTYPE D3D12Device::CreateFence(UINT64 initialValue, D3D12_FENCE_FLAGS,
                                                   REFIID riid, void** fence) {
    if (fence != nullptr) {
        *fence = nullptr;
    }
    if (Removed()) {
        return DXGI_ERROR_DEVICE_REMOVED;
    }
    return HandOut(new D3D12Fence(this, initialValue), riid, fence);
}

HRESULT STDMETHODCALLTYPE D3D12Device::CreateDescriptorHeap(const D3D12_DESCRIPTOR_HEAP_DESC* desc,
                                                            REFIID riid, void** heap) {
    if (heap != nullptr) {
        *heap = nullptr;
    }
    if (Removed()) {
        return DXGI_ERROR_DEVICE_REMOVED;
    }
    if (desc == nullptr || desc->NumDescriptors == 0 || desc->Type < 0 ||
        desc->Type >= D3D12_DESCRIPTOR_HEAP_TYPE_NUM_TYPES) {
        return RefuseCall("CreateDescriptorHeap", "needs a known type and at least one descriptor");
    }
    bool shaderVisible = (desc->Flags & D3D12_DESCRIPTOR_HEAP_FLAG_SHADER_VISIBLE) != 0;
    if (shaderVisible && desc->Type != D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV &&
        desc->Type != D3D12_DESCRIPTOR_HEAP_TYPE_SAMPLER) {
        return RefuseCall("CreateDescriptorHeap", "RTV and DSV heaps cannot be shader-visible");
    }
    if (ConsumeRefusal(Refusal::DescriptorHeap)) {
        return E_OUTOFMEMORY;
    }
    return HandOut(new D3D12DescriptorHeap(this, *desc), riid, heap);
}

UINT STDMETHODCALLTYPE D3D12Device::GetDescriptorHandleIncrementSize(D3D12_DESCRIPTOR_HEAP_TYPE) {
    return DeviceCore::kDescriptorIncrement;
}

HRESULT STDMETHODCALLTYPE D3D12Device::CreateRootSignature(UINT, const void* blob, SIZE_T size,
                                                           REFIID riid, void** rootSignature) {
    if (rootSignature != nullptr) {
        *rootSignature = nullptr;
    }
    if (Removed()) {
        return DXGI_ERROR_DEVICE_REMOVED;
    }
    if (ConsumeRefusal(Refusal::RootSignature)) {
        return E_OUTOFMEMORY;
    }
    std::string error;
    std::shared_ptr<RootSignatureLayout> layout =
        RootSignatureLayout::Create(Context(), blob, size, &error);
    if (layout == nullptr) {
        return RefuseCall("CreateRootSignature", error.c_str());
    }
    return HandOut(new D3D12RootSignature(this, std::move(layout)), riid, rootSignature);
}

HRESULT STDMETHODCALLTYPE D3D12Device::CreateGraphicsPipelineState(
    const D3D12_GRAPHICS_PIPELINE_STATE_DESC* desc, REFIID riid, void** state) {
    if (state != nullptr) {
        *state = nullptr;
    }
    if (Removed()) {
        return DXGI_ERROR_DEVICE_REMOVED;
    }
    if (desc == nullptr) {
        return E_INVALIDARG;
    }
    if (ConsumeRefusal(Refusal::PipelineState)) {
        return E_OUTOFMEMORY;
    }
    std::shared_ptr<RootSignatureLayout> rootSignature;
    if (desc->pRootSignature != nullptr) {
        D3D12RootSignature* standin = D3D12RootSignature::FromInterface(desc->pRootSignature);
        if (standin == nullptr) {
            return RefuseCall("CreateGraphicsPipelineState",
                              "pRootSignature is not a stand-in root signature");
        }
        rootSignature = standin->Layout();
    }
    std::shared_ptr<PipelineObject> pipeline;
    std::string error;
    HRESULT result = BuildPipeline(Context(), *desc, std::move(rootSignature), &pipeline, &error);
    if (FAILED(result)) {
        standin::Report(standin::messages::REFUSED_CALL, nullptr,
                        "ID3D12Device::CreateGraphicsPipelineState", "%s", error.c_str());
        return result;
    }
    auto* made = new D3D12PipelineState(this, pipeline);
    auto info = std::make_shared<PipelineDebugInfo>();
    info->object = static_cast<ID3D12PipelineState*>(made);
    info->numRenderTargets = desc->NumRenderTargets < 8 ? desc->NumRenderTargets : 8;
    for (UINT i = 0; i < info->numRenderTargets; ++i) {
        info->rtvFormats[i] = desc->RTVFormats[i];
    }
    info->dsvFormat = desc->DSVFormat;
    info->sampleCount = desc->SampleDesc.Count;
    info->depthWrites = desc->DepthStencilState.DepthEnable &&
                        desc->DepthStencilState.DepthWriteMask == D3D12_DEPTH_WRITE_MASK_ALL;
    info->streamOutput = pipeline->streamOutput;
    info->rootSignature = pipeline->rootSignature;
    made->debugInfo = std::move(info);
    return HandOut(made, riid, state);
}

HRESULT STDMETHODCALLTYPE D3D12Device::CreateCommittedResource(const D3D12_HEAP_PROPERTIES* heap,
                                                               D3D12_HEAP_FLAGS,
                                                               const D3D12_RESOURCE_DESC* desc,
                                                               D3D12_RESOURCE_STATES initialState,
                                                               const D3D12_CLEAR_VALUE* clearValue,
                                                               REFIID riid, void** resource) {
    if (resource != nullptr) {
        *resource = nullptr;
    }
    if (Removed()) {
        return DXGI_ERROR_DEVICE_REMOVED;
    }
    if (heap == nullptr || desc == nullptr) {
        return RefuseCall("CreateCommittedResource", "missing heap properties or description");
    }
    if (ConsumeRefusal(Refusal::CommittedResource)) {
        return E_OUTOFMEMORY;
    }
    D3D12Resource* made = nullptr;
    HRESULT result = D3D12Resource::Create(this, *heap, *desc, initialState, clearValue, &made);
    if (FAILED(result)) {
        return result;
    }
    return HandOut(made, riid, resource);
}

HRESULT STDMETHODCALLTYPE D3D12Device::GetDeviceRemovedReason() {
    return RemovedReason(*Context());
}

LUID STDMETHODCALLTYPE D3D12Device::GetAdapterLuid() {
    LUID luid{};
    luid.LowPart = Context()->properties.deviceID;
    luid.HighPart = LONG(Context()->properties.vendorID);
    return luid;
}

std::shared_ptr<vk_core::VulkanContext> ProcessVulkanContext(std::string* error) {
    // Made once and kept for the life of the process, as the Direct3D runtime
    // keeps its adapter: unloading and reloading the Vulkan driver for every
    // device costs time, and some drivers leak a little on each reload.
    static std::mutex mutex;
    static auto* kept = new std::shared_ptr<vk_core::VulkanContext>();
    std::lock_guard lock(mutex);
    // After a hang the GPU is reset on Windows and a new device works; here
    // the lost one is left to its driver threads and a fresh one is made.
    if (*kept == nullptr || (*kept)->lost) {
        *kept = vk_core::VulkanContext::Create(error);
    }
    return *kept;
}

} // namespace d3d12_standin

using d3d12_standin::ConsumeRefusal;
using d3d12_standin::Refusal;

HRESULT WINAPI D3D12CreateDevice(IUnknown* adapter, D3D_FEATURE_LEVEL minimumFeatureLevel,
                                 REFIID riid, void** device) {
    if (device != nullptr) {
        *device = nullptr;
    }
    if (adapter != nullptr) {
        standin::Report(standin::messages::REFUSED_CALL, nullptr, "D3D12CreateDevice",
                        "only the default adapter (null) is supported");
        return E_INVALIDARG;
    }
    if (minimumFeatureLevel > D3D_FEATURE_LEVEL_12_1) {
        standin::Report(standin::messages::REFUSED_CALL, nullptr, "D3D12CreateDevice",
                        "feature level 0x%X is above the stand-in's 12_1",
                        unsigned(minimumFeatureLevel));
        return DXGI_ERROR_UNSUPPORTED;
    }
    if (ConsumeRefusal(Refusal::Device)) {
        standin::Report(standin::messages::REFUSED_CALL, nullptr, "D3D12CreateDevice",
                        "refused by a test hook");
        return DXGI_ERROR_UNSUPPORTED;
    }
    std::string error;
    std::shared_ptr<vk_core::VulkanContext> context = d3d12_standin::ProcessVulkanContext(&error);
    if (context == nullptr) {
        standin::Report(standin::messages::REFUSED_CALL, nullptr, "D3D12CreateDevice",
                        "no usable Vulkan device: %s", error.c_str());
        return DXGI_ERROR_UNSUPPORTED;
    }
    auto* made = new d3d12_standin::D3D12Device(std::move(context));
    if (device == nullptr) {
        made->Release();
        return S_FALSE; // the device could be made
    }
    return d3d12_standin::HandOut(made, riid, device);
}
