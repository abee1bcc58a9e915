// Helpers shared by every GPU object class: committed resources, filling
// CPU-visible resources, descriptor heaps and handles, transitions, release.
#pragma once

#include <windows.h>

#include <d3d12.h>

#include <cstddef>
#include <cstdint>

namespace Dx12 {

// The colour formats drawn into: the swap chain's back buffers, and the
// colour textures of an off-screen RenderTarget.
constexpr DXGI_FORMAT BACK_BUFFER_FORMAT = DXGI_FORMAT_R8G8B8A8_UNORM;
constexpr DXGI_FORMAT OFFSCREEN_FORMAT = DXGI_FORMAT_R32G32B32A32_FLOAT;

// True for a null device, after printing "ERROR NULL DEVICE <function>": the
// creation functions that report a missing device return nothing then.
bool IsNullDevice(const ID3D12Device* device, const char* function);

// A height below 2 makes a buffer in the upload heap (width = size in bytes),
// a height of 2 or more a 2-D texture in the default heap. Returns a new
// reference or null; null for a null device. `clearValue`, when given, is the
// texture's optimised clear value.
ID3D12Resource* CreateCommittedResource(ID3D12Device* device, uint32_t width, uint32_t height,
                                        DXGI_FORMAT format, D3D12_RESOURCE_FLAGS flags,
                                        D3D12_RESOURCE_STATES initialState,
                                        const D3D12_CLEAR_VALUE* clearValue = nullptr);

// The clear value of every depth buffer: the draw pass clears depth to 1.
inline D3D12_CLEAR_VALUE DepthClearValue() {
    D3D12_CLEAR_VALUE value = {};
    value.Format = DXGI_FORMAT_D32_FLOAT;
    value.DepthStencil.Depth = 1.0f;
    return value;
}

// A view of mip 0 of a 2-D colour texture in `format`.
inline D3D12_RENDER_TARGET_VIEW_DESC RenderTargetViewDesc(DXGI_FORMAT format) {
    D3D12_RENDER_TARGET_VIEW_DESC desc = {};
    desc.Format = format;
    desc.ViewDimension = D3D12_RTV_DIMENSION_TEXTURE2D;
    return desc;
}

// A view of mip 0 of a 2-D D32 depth texture, writable.
inline D3D12_DEPTH_STENCIL_VIEW_DESC DepthStencilViewDesc() {
    D3D12_DEPTH_STENCIL_VIEW_DESC desc = {};
    desc.Format = DXGI_FORMAT_D32_FLOAT;
    desc.ViewDimension = D3D12_DSV_DIMENSION_TEXTURE2D;
    desc.Flags = D3D12_DSV_FLAG_NONE;
    return desc;
}

// Copies `size` bytes from `data` into subresource 0 of a CPU-visible resource.
// Prints "Failed Map" and copies nothing when the resource cannot be mapped.
void CopyToResource(ID3D12Resource* resource, const void* data, uint32_t size);

// Fills `size` bytes of subresource 0: the first `dataSize` bytes (at most
// `size`) from `data`, zeroes after them. Never reads past `dataSize`.
void CopyToResourceZeroFilled(ID3D12Resource* resource, const void* data, size_t dataSize,
                              uint32_t size);

// Returns a new heap or null; prints "ERROR NULL DEVICE" for a null device.
ID3D12DescriptorHeap* CreateDescriptorHeap(ID3D12Device* device, D3D12_DESCRIPTOR_HEAP_TYPE type,
                                           uint32_t numDescriptors,
                                           D3D12_DESCRIPTOR_HEAP_FLAGS flags);

// Descriptor `index` of a heap whose CPU range begins at `start`, descriptors
// being `increment` bytes apart (GetDescriptorHandleIncrementSize). A handle is
// an address: the arithmetic is SIZE_T wide.
D3D12_CPU_DESCRIPTOR_HANDLE OffsetDescriptor(D3D12_CPU_DESCRIPTOR_HANDLE start, uint32_t index,
                                             uint32_t increment);
D3D12_GPU_DESCRIPTOR_HANDLE OffsetDescriptor(D3D12_GPU_DESCRIPTOR_HANDLE start, uint32_t index,
                                             uint32_t increment);

// A transition of every subresource of `resource` from `before` to `after`.
D3D12_RESOURCE_BARRIER TransitionBarrier(ID3D12Resource* resource, D3D12_RESOURCE_STATES before,
                                         D3D12_RESOURCE_STATES after);

// Releases the reference `object` holds, if any, and leaves it null.
template <typename T> void ReleaseAndNull(T*& object) {
    if (object != nullptr) {
        object->Release();
        object = nullptr;
    }
}

} // namespace Dx12
