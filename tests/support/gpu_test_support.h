// The GPU steps the Direct3D 12 tests repeat: one direct command set that runs
// recorded work and waits for it, transition barriers, committed buffers and
// textures, texture read-back through a readback buffer, and a window to
// present to.
#pragma once

#include <windows.h>

#include <d3d12.h>
#include <d3d12sdklayers.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

D3D12_RESOURCE_BARRIER
Transition(ID3D12Resource* resource, D3D12_RESOURCE_STATES before, D3D12_RESOURCE_STATES after,
           UINT subresource = D3D12_RESOURCE_BARRIER_ALL_SUBRESOURCES,
           D3D12_RESOURCE_BARRIER_FLAGS flags = D3D12_RESOURCE_BARRIER_FLAG_NONE);

// Heap properties of `type` and the description of a `size`-byte buffer.
D3D12_HEAP_PROPERTIES HeapProperties(D3D12_HEAP_TYPE type);
D3D12_RESOURCE_DESC BufferDescription(UINT64 size);

// A committed buffer (row major) on a heap of type `heap`; null, with a test
// failure, when the device refuses it.
ID3D12Resource* MakeBuffer(ID3D12Device* device, D3D12_HEAP_TYPE heap, UINT64 size,
                           D3D12_RESOURCE_STATES state);
// Copies `size` bytes into `buffer` (an upload buffer) from its start.
void WriteBuffer(ID3D12Resource* buffer, const void* data, size_t size);

// A 2D texture (or 2D array of `arraySize` slices) of one mip level.
D3D12_RESOURCE_DESC TextureDescription(UINT width, UINT height, DXGI_FORMAT format,
                                       D3D12_RESOURCE_FLAGS flags, UINT16 arraySize = 1);

// A shader-resource view of `dimension` in `format`, components in order; the
// caller fills in the dimension's own member.
D3D12_SHADER_RESOURCE_VIEW_DESC ShaderResourceView(DXGI_FORMAT format,
                                                   D3D12_SRV_DIMENSION dimension);

// A committed 2D texture with one mip level on the default heap.
ID3D12Resource* MakeTexture(ID3D12Device* device, UINT width, UINT height, DXGI_FORMAT format,
                            D3D12_RESOURCE_FLAGS flags, D3D12_RESOURCE_STATES state);

// A committed resource of `desc`; null, with a test failure, when the device
// refuses it.
ID3D12Resource* MakeCommitted(ID3D12Device* device, D3D12_HEAP_TYPE heap,
                              const D3D12_RESOURCE_DESC& desc, D3D12_RESOURCE_STATES state);

// A descriptor heap; null, with a test failure, when the device refuses it.
ID3D12DescriptorHeap*
MakeDescriptorHeap(ID3D12Device* device, D3D12_DESCRIPTOR_HEAP_TYPE type, UINT count = 1,
                   D3D12_DESCRIPTOR_HEAP_FLAGS flags = D3D12_DESCRIPTOR_HEAP_FLAG_NONE);

// Copy locations: subresource `subresource` of `texture`, and a buffer laid
// out by `footprint`.
D3D12_TEXTURE_COPY_LOCATION SubresourceLocation(ID3D12Resource* texture, UINT subresource);
D3D12_TEXTURE_COPY_LOCATION FootprintLocation(ID3D12Resource* buffer,
                                              const D3D12_PLACED_SUBRESOURCE_FOOTPRINT& footprint);

// The CPU handle of descriptor `index` of `heap`.
D3D12_CPU_DESCRIPTOR_HANDLE HandleAt(ID3D12Device* device, ID3D12DescriptorHeap* heap, UINT index);

// Records a copy of `texture`'s subresource 0 into `readback` (a buffer laid
// out by `footprint`).
void CopyTextureToBuffer(ID3D12GraphicsCommandList* list, ID3D12Resource* texture,
                         ID3D12Resource* readback,
                         const D3D12_PLACED_SUBRESOURCE_FOOTPRINT& footprint);

// An upload buffer holding `texels` (rows of four-byte texels, tightly
// packed) laid out for subresource 0 of `texture`, whose layout goes to
// `footprint`; null, with a test failure, when the device refuses it or the
// texel count is not the texture's.
ID3D12Resource* MakeTextureUpload(ID3D12Device* device, ID3D12Resource* texture,
                                  const std::vector<uint32_t>& texels,
                                  D3D12_PLACED_SUBRESOURCE_FOOTPRINT* footprint);

// Records a copy of `upload` (laid out by `footprint`) into subresource 0 of
// `texture`.
void CopyBufferToTexture(ID3D12GraphicsCommandList* list, ID3D12Resource* upload,
                         const D3D12_PLACED_SUBRESOURCE_FOOTPRINT& footprint,
                         ID3D12Resource* texture);

// Records the state a triangle-list draw into one `width` x `height` target
// needs: viewport and scissor over all of it, the target, `rootSignature` and
// `pipeline`.
void RecordTriangleDrawState(ID3D12GraphicsCommandList* list, D3D12_CPU_DESCRIPTOR_HANDLE rtv,
                             UINT width, UINT height, ID3D12RootSignature* rootSignature,
                             ID3D12PipelineState* pipeline);

// The pixel at (x, y) of tightly packed four-byte texels, first byte lowest.
inline uint32_t PixelAt(const std::vector<uint8_t>& rgba, UINT width, UINT x, UINT y) {
    size_t at = (size_t(y) * width + x) * 4;
    return uint32_t(rgba[at]) | uint32_t(rgba[at + 1]) << 8 | uint32_t(rgba[at + 2]) << 16 |
           uint32_t(rgba[at + 3]) << 24;
}

// Every pixel of `pixels` (`width` x `height` tightly packed four-byte
// texels) is `expected(x, y)`; stops at the size or the first pixel that is
// not, naming it after `what`.
template <typename Expected>
void ExpectPixels(const std::vector<uint8_t>& pixels, UINT width, UINT height, Expected expected,
                  const std::string& what = "") {
    ASSERT_EQ(pixels.size(), size_t(width) * height * 4) << what;
    for (UINT y = 0; y < height; ++y) {
        for (UINT x = 0; x < width; ++x) {
            ASSERT_EQ(PixelAt(pixels, width, x, y), expected(x, y))
                << what << " at " << x << "," << y;
        }
    }
}

// One message of the device's ID3D12InfoQueue.
struct DebugMessage {
    D3D12_MESSAGE_ID id;
    D3D12_MESSAGE_SEVERITY severity;
    std::string description;
};
// Every message the info queue stored, oldest first; the store is then cleared.
std::vector<DebugMessage> TakeDebugMessages(ID3D12Device* device);
// How many of `messages` have `id`.
size_t CountMessages(const std::vector<DebugMessage>& messages, D3D12_MESSAGE_ID id);

// A read-back recorded but not yet run: the readback buffer and its layout.
struct PendingReadBack {
    ID3D12Resource* buffer = nullptr; // owned; released by TakePixels
    D3D12_PLACED_SUBRESOURCE_FOOTPRINT footprint{};
    UINT rows = 0;
    UINT64 rowSize = 0;
};

// Records, on a recording `list`, a copy of subresource `subresource` of
// `texture` (in `state`, which that subresource alone leaves and returns to)
// into a new readback buffer; by default subresource 0, with every
// subresource moving. buffer is null, with a test failure, when the device
// refuses it.
PendingReadBack RecordReadBack(ID3D12Device* device, ID3D12GraphicsCommandList* list,
                               ID3D12Resource* texture, D3D12_RESOURCE_STATES state,
                               UINT subresource = D3D12_RESOURCE_BARRIER_ALL_SUBRESOURCES);
// Once the copy has run: the rows tightly packed; releases the buffer.
std::vector<uint8_t> TakePixels(PendingReadBack& pending);

// Reads subresource 0 of `texture` (in `state`, returned to it) back through
// someone else's idle command set: resets `allocator` and `list`, runs the copy
// on `queue` and waits for it with a fence of its own. Rows tightly packed.
std::vector<uint8_t> ReadBackOnQueue(ID3D12Device* device, ID3D12CommandQueue* queue,
                                     ID3D12CommandAllocator* allocator,
                                     ID3D12GraphicsCommandList* list, ID3D12Resource* texture,
                                     D3D12_RESOURCE_STATES state);

// A top-level window, not yet shown, with a client area of width x height at (x, y).
HWND MakeTestWindow(const char* title, int width, int height, int x = 0, int y = 0);

// A direct queue with one allocator, list and fence, and the event to wait on.
// The list is recording once created.
class DirectCommandSet {
public:
    // Creates what is still null; a queue set beforehand is used as it is.
    void CreateCommandSet(ID3D12Device* device);
    void ReleaseCommandSet();

    // Signals the next fence value on the queue and waits until the GPU reaches it.
    void WaitForQueue();
    // Resets allocator and list; the list is then recording.
    void BeginCommands();
    // Closes the list, executes it and waits for the GPU; then records again
    // when `recordAfterExecute` is set.
    void ExecuteAndWait();
    // Records RecordReadBack's copy, runs it and returns the rows tightly
    // packed.
    std::vector<uint8_t>
    ReadBackTexture(ID3D12Device* device, ID3D12Resource* texture, D3D12_RESOURCE_STATES state,
                    UINT subresource = D3D12_RESOURCE_BARRIER_ALL_SUBRESOURCES);

    ID3D12CommandQueue* queue = nullptr;
    ID3D12CommandAllocator* allocator = nullptr;
    ID3D12GraphicsCommandList* list = nullptr;
    ID3D12Fence* fence = nullptr;
    HANDLE event = nullptr;
    UINT64 fenceValue = 0;
    bool recordAfterExecute = true;
    DWORD waitMilliseconds = 10000;
};
