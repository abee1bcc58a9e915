#include "gpu_test_support.h"

#include "com_ptr.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>

D3D12_RESOURCE_BARRIER Transition(ID3D12Resource* resource, D3D12_RESOURCE_STATES before,
                                  D3D12_RESOURCE_STATES after, UINT subresource,
                                  D3D12_RESOURCE_BARRIER_FLAGS flags) {
    D3D12_RESOURCE_BARRIER barrier{};
    barrier.Type = D3D12_RESOURCE_BARRIER_TYPE_TRANSITION;
    barrier.Flags = flags;
    barrier.Transition = {resource, subresource, before, after};
    return barrier;
}

D3D12_HEAP_PROPERTIES HeapProperties(D3D12_HEAP_TYPE type) {
    D3D12_HEAP_PROPERTIES heap{};
    heap.Type = type;
    return heap;
}

D3D12_RESOURCE_DESC BufferDescription(UINT64 size) {
    D3D12_RESOURCE_DESC desc{};
    desc.Dimension = D3D12_RESOURCE_DIMENSION_BUFFER;
    desc.Width = size;
    desc.Height = 1;
    desc.DepthOrArraySize = 1;
    desc.MipLevels = 1;
    desc.SampleDesc.Count = 1;
    desc.Layout = D3D12_TEXTURE_LAYOUT_ROW_MAJOR;
    return desc;
}

D3D12_TEXTURE_COPY_LOCATION SubresourceLocation(ID3D12Resource* texture, UINT subresource) {
    D3D12_TEXTURE_COPY_LOCATION location{};
    location.pResource = texture;
    location.Type = D3D12_TEXTURE_COPY_TYPE_SUBRESOURCE_INDEX;
    location.SubresourceIndex = subresource;
    return location;
}

D3D12_TEXTURE_COPY_LOCATION FootprintLocation(ID3D12Resource* buffer,
                                              const D3D12_PLACED_SUBRESOURCE_FOOTPRINT& footprint) {
    D3D12_TEXTURE_COPY_LOCATION location{};
    location.pResource = buffer;
    location.Type = D3D12_TEXTURE_COPY_TYPE_PLACED_FOOTPRINT;
    location.PlacedFootprint = footprint;
    return location;
}

ID3D12Resource* MakeCommitted(ID3D12Device* device, D3D12_HEAP_TYPE heapType,
                              const D3D12_RESOURCE_DESC& desc, D3D12_RESOURCE_STATES state) {
    const D3D12_HEAP_PROPERTIES heap = HeapProperties(heapType);
    ID3D12Resource* resource = nullptr;
    EXPECT_EQ(device->CreateCommittedResource(&heap, D3D12_HEAP_FLAG_NONE, &desc, state, nullptr,
                                              IID_ID3D12Resource,
                                              reinterpret_cast<void**>(&resource)),
              S_OK);
    return resource;
}

D3D12_CPU_DESCRIPTOR_HANDLE HandleAt(ID3D12Device* device, ID3D12DescriptorHeap* heap, UINT index) {
    D3D12_CPU_DESCRIPTOR_HANDLE handle = heap->GetCPUDescriptorHandleForHeapStart();
    handle.ptr += index * device->GetDescriptorHandleIncrementSize(heap->GetDesc().Type);
    return handle;
}

ID3D12Resource* MakeBuffer(ID3D12Device* device, D3D12_HEAP_TYPE heap, UINT64 size,
                           D3D12_RESOURCE_STATES state) {
    return MakeCommitted(device, heap, BufferDescription(size), state);
}

void WriteBuffer(ID3D12Resource* buffer, const void* data, size_t size) {
    void* mapped = nullptr;
    ASSERT_EQ(buffer->Map(0, nullptr, &mapped), S_OK);
    std::memcpy(mapped, data, size);
    buffer->Unmap(0, nullptr);
}

D3D12_RESOURCE_DESC TextureDescription(UINT width, UINT height, DXGI_FORMAT format,
                                       D3D12_RESOURCE_FLAGS flags, UINT16 arraySize) {
    D3D12_RESOURCE_DESC desc{};
    desc.Dimension = D3D12_RESOURCE_DIMENSION_TEXTURE2D;
    desc.Width = width;
    desc.Height = height;
    desc.DepthOrArraySize = arraySize;
    desc.MipLevels = 1;
    desc.Format = format;
    desc.SampleDesc.Count = 1;
    desc.Flags = flags;
    return desc;
}

D3D12_SHADER_RESOURCE_VIEW_DESC ShaderResourceView(DXGI_FORMAT format,
                                                   D3D12_SRV_DIMENSION dimension) {
    D3D12_SHADER_RESOURCE_VIEW_DESC desc{};
    desc.Format = format;
    desc.ViewDimension = dimension;
    desc.Shader4ComponentMapping = D3D12_DEFAULT_SHADER_4_COMPONENT_MAPPING;
    return desc;
}

ID3D12Resource* MakeTexture(ID3D12Device* device, UINT width, UINT height, DXGI_FORMAT format,
                            D3D12_RESOURCE_FLAGS flags, D3D12_RESOURCE_STATES state) {
    return MakeCommitted(device, D3D12_HEAP_TYPE_DEFAULT,
                         TextureDescription(width, height, format, flags), state);
}

ID3D12DescriptorHeap* MakeDescriptorHeap(ID3D12Device* device, D3D12_DESCRIPTOR_HEAP_TYPE type,
                                         UINT count, D3D12_DESCRIPTOR_HEAP_FLAGS flags) {
    D3D12_DESCRIPTOR_HEAP_DESC desc{type, count, flags, 0};
    ID3D12DescriptorHeap* heap = nullptr;
    EXPECT_EQ(device->CreateDescriptorHeap(&desc, IID_ID3D12DescriptorHeap,
                                           reinterpret_cast<void**>(&heap)),
              S_OK);
    return heap;
}

void CopyTextureToBuffer(ID3D12GraphicsCommandList* list, ID3D12Resource* texture,
                         ID3D12Resource* readback,
                         const D3D12_PLACED_SUBRESOURCE_FOOTPRINT& footprint) {
    const D3D12_TEXTURE_COPY_LOCATION destination = FootprintLocation(readback, footprint);
    const D3D12_TEXTURE_COPY_LOCATION source = SubresourceLocation(texture, 0);
    list->CopyTextureRegion(&destination, 0, 0, 0, &source, nullptr);
}

ID3D12Resource* MakeTextureUpload(ID3D12Device* device, ID3D12Resource* texture,
                                  const std::vector<uint32_t>& texels,
                                  D3D12_PLACED_SUBRESOURCE_FOOTPRINT* footprint) {
    const D3D12_RESOURCE_DESC desc = texture->GetDesc();
    UINT rows = 0;
    UINT64 rowSize = 0;
    UINT64 total = 0;
    device->GetCopyableFootprints(&desc, 0, 1, 0, footprint, &rows, &rowSize, &total);
    EXPECT_EQ(texels.size() * 4, rows * rowSize) << "texels for a texture of another size";
    if (texels.size() * 4 != rows * rowSize) {
        return nullptr;
    }
    ComPtr<ID3D12Resource> upload{
        MakeBuffer(device, D3D12_HEAP_TYPE_UPLOAD, total, D3D12_RESOURCE_STATE_GENERIC_READ)};
    uint8_t* bytes = nullptr;
    if (!upload || upload->Map(0, nullptr, reinterpret_cast<void**>(&bytes)) != S_OK) {
        ADD_FAILURE() << "upload buffer not made or not mapped";
        return nullptr;
    }
    for (UINT row = 0; row < rows; ++row) {
        std::memcpy(bytes + row * footprint->Footprint.RowPitch, texels.data() + row * rowSize / 4,
                    rowSize);
    }
    upload->Unmap(0, nullptr);
    return upload.Detach();
}

void CopyBufferToTexture(ID3D12GraphicsCommandList* list, ID3D12Resource* upload,
                         const D3D12_PLACED_SUBRESOURCE_FOOTPRINT& footprint,
                         ID3D12Resource* texture) {
    const D3D12_TEXTURE_COPY_LOCATION destination = SubresourceLocation(texture, 0);
    const D3D12_TEXTURE_COPY_LOCATION source = FootprintLocation(upload, footprint);
    list->CopyTextureRegion(&destination, 0, 0, 0, &source, nullptr);
}

void RecordTriangleDrawState(ID3D12GraphicsCommandList* list, D3D12_CPU_DESCRIPTOR_HANDLE rtv,
                             UINT width, UINT height, ID3D12RootSignature* rootSignature,
                             ID3D12PipelineState* pipeline) {
    const D3D12_VIEWPORT viewport{0, 0, float(width), float(height), 0, 1};
    const D3D12_RECT scissor{0, 0, LONG(width), LONG(height)};
    list->RSSetViewports(1, &viewport);
    list->RSSetScissorRects(1, &scissor);
    list->OMSetRenderTargets(1, &rtv, FALSE, nullptr);
    list->SetGraphicsRootSignature(rootSignature);
    list->SetPipelineState(pipeline);
    list->IASetPrimitiveTopology(D3D_PRIMITIVE_TOPOLOGY_TRIANGLELIST);
}

std::vector<uint8_t> ReadBackOnQueue(ID3D12Device* device, ID3D12CommandQueue* queue,
                                     ID3D12CommandAllocator* allocator,
                                     ID3D12GraphicsCommandList* list, ID3D12Resource* texture,
                                     D3D12_RESOURCE_STATES state) {
    EXPECT_EQ(allocator->Reset(), S_OK);
    EXPECT_EQ(list->Reset(allocator, nullptr), S_OK);
    PendingReadBack pending = RecordReadBack(device, list, texture, state);
    EXPECT_EQ(list->Close(), S_OK);
    ID3D12CommandList* lists[] = {list};
    queue->ExecuteCommandLists(1, lists);

    ComPtr<ID3D12Fence> fence;
    HANDLE event = CreateEventExA(nullptr, nullptr, 0, EVENT_ALL_ACCESS);
    EXPECT_EQ(device->CreateFence(0, D3D12_FENCE_FLAG_NONE, IID_ID3D12Fence, fence.PutVoid()),
              S_OK);
    if (fence != nullptr && event != nullptr) {
        EXPECT_EQ(queue->Signal(fence, 1), S_OK);
        EXPECT_EQ(fence->SetEventOnCompletion(1, event), S_OK);
        EXPECT_EQ(WaitForSingleObject(event, 20000), WAIT_OBJECT_0);
    }
    if (event != nullptr) {
        CloseHandle(event);
    }
    return TakePixels(pending);
}

namespace {

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

HWND MakeTestWindow(const char* title, int width, int height, int x, int y) {
    static const bool registered = [] {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = TestWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "GpuTestWindow";
        return RegisterClassExA(&windowClass) != 0;
    }();
    EXPECT_TRUE(registered);
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    return CreateWindowExA(0, "GpuTestWindow", title, WS_OVERLAPPEDWINDOW, x, y,
                           frame.right - frame.left, frame.bottom - frame.top, HWND{}, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

void DirectCommandSet::CreateCommandSet(ID3D12Device* device) {
    if (queue == nullptr) {
        D3D12_COMMAND_QUEUE_DESC queueDesc{};
        queueDesc.Type = D3D12_COMMAND_LIST_TYPE_DIRECT;
        ASSERT_EQ(device->CreateCommandQueue(&queueDesc, IID_ID3D12CommandQueue,
                                             reinterpret_cast<void**>(&queue)),
                  S_OK);
    }
    ASSERT_EQ(device->CreateCommandAllocator(D3D12_COMMAND_LIST_TYPE_DIRECT,
                                             IID_ID3D12CommandAllocator,
                                             reinterpret_cast<void**>(&allocator)),
              S_OK);
    ASSERT_EQ(device->CreateCommandList(0, D3D12_COMMAND_LIST_TYPE_DIRECT, allocator, nullptr,
                                        IID_ID3D12GraphicsCommandList,
                                        reinterpret_cast<void**>(&list)),
              S_OK);
    ASSERT_EQ(device->CreateFence(0, D3D12_FENCE_FLAG_NONE, IID_ID3D12Fence,
                                  reinterpret_cast<void**>(&fence)),
              S_OK);
    event = CreateEventExA(nullptr, nullptr, 0, EVENT_ALL_ACCESS);
    ASSERT_NE(event, nullptr);
}

void DirectCommandSet::ReleaseCommandSet() {
    if (event != nullptr) {
        CloseHandle(event);
        event = nullptr;
    }
    for (IUnknown* object : std::initializer_list<IUnknown*>{fence, list, allocator, queue}) {
        if (object != nullptr) {
            object->Release();
        }
    }
    fence = nullptr;
    list = nullptr;
    allocator = nullptr;
    queue = nullptr;
}

void DirectCommandSet::WaitForQueue() {
    ++fenceValue;
    ASSERT_EQ(queue->Signal(fence, fenceValue), S_OK);
    if (fence->GetCompletedValue() < fenceValue) {
        ASSERT_EQ(fence->SetEventOnCompletion(fenceValue, event), S_OK);
        ASSERT_EQ(WaitForSingleObject(event, waitMilliseconds), WAIT_OBJECT_0);
    }
}

void DirectCommandSet::BeginCommands() {
    ASSERT_EQ(allocator->Reset(), S_OK);
    ASSERT_EQ(list->Reset(allocator, nullptr), S_OK);
}

void DirectCommandSet::ExecuteAndWait() {
    ASSERT_EQ(list->Close(), S_OK);
    ID3D12CommandList* lists[] = {list};
    queue->ExecuteCommandLists(1, lists);
    WaitForQueue();
    if (recordAfterExecute) {
        BeginCommands();
    }
}

std::vector<uint8_t> DirectCommandSet::ReadBackTexture(ID3D12Device* device,
                                                       ID3D12Resource* texture,
                                                       D3D12_RESOURCE_STATES state,
                                                       UINT subresource) {
    PendingReadBack pending = RecordReadBack(device, list, texture, state, subresource);
    if (pending.buffer == nullptr) {
        return {};
    }
    ExecuteAndWait();
    return TakePixels(pending);
}

PendingReadBack RecordReadBack(ID3D12Device* device, ID3D12GraphicsCommandList* list,
                               ID3D12Resource* texture, D3D12_RESOURCE_STATES state,
                               UINT subresource) {
    const UINT copied = subresource == D3D12_RESOURCE_BARRIER_ALL_SUBRESOURCES ? 0 : subresource;
    PendingReadBack pending;
    const D3D12_RESOURCE_DESC desc = texture->GetDesc();
    UINT64 total = 0;
    device->GetCopyableFootprints(&desc, copied, 1, 0, &pending.footprint, &pending.rows,
                                  &pending.rowSize, &total);
    pending.buffer =
        MakeBuffer(device, D3D12_HEAP_TYPE_READBACK, total, D3D12_RESOURCE_STATE_COPY_DEST);
    if (pending.buffer == nullptr) {
        return pending;
    }
    const D3D12_RESOURCE_BARRIER toSource =
        Transition(texture, state, D3D12_RESOURCE_STATE_COPY_SOURCE, subresource);
    list->ResourceBarrier(1, &toSource);
    const D3D12_TEXTURE_COPY_LOCATION to = FootprintLocation(pending.buffer, pending.footprint);
    const D3D12_TEXTURE_COPY_LOCATION from = SubresourceLocation(texture, copied);
    list->CopyTextureRegion(&to, 0, 0, 0, &from, nullptr);
    const D3D12_RESOURCE_BARRIER back =
        Transition(texture, D3D12_RESOURCE_STATE_COPY_SOURCE, state, subresource);
    list->ResourceBarrier(1, &back);
    return pending;
}

std::vector<uint8_t> TakePixels(PendingReadBack& pending) {
    if (pending.buffer == nullptr) {
        return {};
    }
    const size_t rowSize = size_t(pending.rowSize);
    std::vector<uint8_t> packed(rowSize * pending.rows);
    void* mapped = nullptr;
    EXPECT_EQ(pending.buffer->Map(0, nullptr, &mapped), S_OK);
    if (mapped != nullptr) {
        for (UINT row = 0; row < pending.rows; ++row) {
            std::memcpy(packed.data() + row * rowSize,
                        static_cast<uint8_t*>(mapped) + pending.footprint.Offset +
                            row * pending.footprint.Footprint.RowPitch,
                        rowSize);
        }
        pending.buffer->Unmap(0, nullptr);
    }
    pending.buffer->Release();
    pending.buffer = nullptr;
    return packed;
}

std::vector<DebugMessage> TakeDebugMessages(ID3D12Device* device) {
    std::vector<DebugMessage> messages;
    ID3D12InfoQueue* queue = nullptr;
    if (FAILED(device->QueryInterface(IID_ID3D12InfoQueue, reinterpret_cast<void**>(&queue)))) {
        ADD_FAILURE() << "the device has no ID3D12InfoQueue";
        return messages;
    }
    for (UINT64 i = 0; i < queue->GetNumStoredMessages(); ++i) {
        SIZE_T length = 0;
        queue->GetMessage(i, nullptr, &length);
        std::vector<uint8_t> buffer(length);
        auto* message = reinterpret_cast<D3D12_MESSAGE*>(buffer.data());
        if (SUCCEEDED(queue->GetMessage(i, message, &length))) {
            messages.push_back({message->ID, message->Severity, message->pDescription});
        }
    }
    queue->ClearStoredMessages();
    queue->Release();
    return messages;
}

size_t CountMessages(const std::vector<DebugMessage>& messages, D3D12_MESSAGE_ID id) {
    size_t count = 0;
    for (const DebugMessage& message : messages) {
        count += message.id == id ? 1 : 0;
    }
    return count;
}
