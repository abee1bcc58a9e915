// The debug layer's checks of calls as they are made, through the public API
// only: each misuse reported with the layer's ID, and the correct but unusual
// uses with no message at all.
#include "gpu_fixture.h"

#include <standin_checks.h>

#include <string>
#include <vector>

namespace {

class DebugCallsTest : public GpuTest {
protected:
    void TearDown() override {
        AcknowledgeProvokedErrors(); // the misuse here is made on purpose
        GpuTest::TearDown();
    }
    void Barrier(ID3D12Resource* resource, D3D12_RESOURCE_STATES before,
                 D3D12_RESOURCE_STATES after,
                 D3D12_RESOURCE_BARRIER_FLAGS flags = D3D12_RESOURCE_BARRIER_FLAG_NONE,
                 UINT subresource = D3D12_RESOURCE_BARRIER_ALL_SUBRESOURCES) {
        D3D12_RESOURCE_BARRIER barrier = Transition(resource, before, after, subresource, flags);
        list->ResourceBarrier(1, &barrier);
    }
    // The IDs of the stored messages, oldest first; the store is emptied.
    std::vector<D3D12_MESSAGE_ID> TakeIds() {
        std::vector<D3D12_MESSAGE_ID> ids;
        for (const DebugMessage& message : TakeDebugMessages(device)) {
            ids.push_back(message.id);
        }
        return ids;
    }
};

using Ids = std::vector<D3D12_MESSAGE_ID>;

TEST_F(DebugCallsTest, InvalidBarriersAreReportedAsRecordedAndDropped) {
    ComPtr<ID3D12Resource> texture{MakeTexture(16, 16, DXGI_FORMAT_R8G8B8A8_UNORM,
                                               D3D12_RESOURCE_FLAG_NONE,
                                               D3D12_RESOURCE_STATE_COPY_DEST)};
    ASSERT_NE(texture, nullptr);
    Barrier(texture, D3D12_RESOURCE_STATE_COPY_DEST, D3D12_RESOURCE_STATE_COPY_DEST);
    Barrier(texture, D3D12_RESOURCE_STATE_COPY_DEST, D3D12_RESOURCE_STATE_COPY_SOURCE,
            D3D12_RESOURCE_BARRIER_FLAG_NONE, 1); // one mip, one subresource
    Barrier(texture, D3D12_RESOURCE_STATE_COPY_DEST,
            D3D12_RESOURCE_STATE_RENDER_TARGET | D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE);
    Barrier(texture, D3D12_RESOURCE_STATE_COPY_DEST, D3D12_RESOURCE_STATE_RENDER_TARGET);
    // None of those moved the texture: this one starts where it really is.
    Barrier(texture, D3D12_RESOURCE_STATE_COPY_DEST, D3D12_RESOURCE_STATE_COPY_SOURCE);
    Barrier(texture, D3D12_RESOURCE_STATE_COPY_SOURCE, D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE,
            D3D12_RESOURCE_BARRIER_FLAG_END_ONLY);
    ExecuteAndWait();
    std::vector<DebugMessage> messages = TakeDebugMessages(device);
    Ids ids;
    for (const DebugMessage& message : messages) {
        ids.push_back(message.id);
    }
    EXPECT_EQ(ids, (Ids{D3D12_MESSAGE_ID_RESOURCE_BARRIER_MATCHING_STATES,
                        D3D12_MESSAGE_ID_RESOURCE_BARRIER_INVALID_SUBRESOURCE,
                        D3D12_MESSAGE_ID_RESOURCE_BARRIER_INVALID_COMBINATION,
                        D3D12_MESSAGE_ID_RESOURCE_BARRIER_MISSING_BIND_FLAGS,
                        D3D12_MESSAGE_ID_RESOURCE_BARRIER_UNMATCHED_END}));
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages[0].description,
              "ID3D12CommandList::ResourceBarrier: Before and after states must be different.");
    EXPECT_EQ(messages[0].severity, D3D12_MESSAGE_SEVERITY_ERROR);

    ComPtr<ID3D12Resource> upload{
        MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, 256, D3D12_RESOURCE_STATE_GENERIC_READ)};
    ASSERT_NE(upload, nullptr);
    Barrier(upload, D3D12_RESOURCE_STATE_GENERIC_READ, D3D12_RESOURCE_STATE_COPY_DEST);
    EXPECT_EQ(TakeIds(), Ids{D3D12_MESSAGE_ID_RESOURCE_BARRIER_INVALID_HEAP});
}

// Read-only states combine, including depth read with shader reads; two
// write states, or a write state with a read state, do not. Each case has a
// resource of its own, as each misuse is reported once per resource.
TEST_F(DebugCallsTest, StatesCombineOnlyWhenEveryOneOfThemReads) {
    const D3D12_RESOURCE_STATES kShaderReads =
        D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE | D3D12_RESOURCE_STATE_NON_PIXEL_SHADER_RESOURCE;
    constexpr D3D12_RESOURCE_STATES kCopyDest = D3D12_RESOURCE_STATE_COPY_DEST;
    constexpr D3D12_RESOURCE_STATES kDepthWrite = D3D12_RESOURCE_STATE_DEPTH_WRITE;
    struct Case {
        D3D12_RESOURCE_STATES home; // DEPTH_WRITE: a depth texture, else a colour one
        D3D12_RESOURCE_STATES combined;
        bool valid;
    };
    const Case cases[] = {
        {kCopyDest, kShaderReads, true},
        {kCopyDest, D3D12_RESOURCE_STATE_COPY_SOURCE | D3D12_RESOURCE_STATE_RESOLVE_SOURCE, true},
        {kCopyDest, D3D12_RESOURCE_STATE_GENERIC_READ, true},
        {kDepthWrite, D3D12_RESOURCE_STATE_DEPTH_READ | kShaderReads, true},
        {kCopyDest, kCopyDest | D3D12_RESOURCE_STATE_RESOLVE_DEST, false},
        {kCopyDest,
         D3D12_RESOURCE_STATE_RESOLVE_DEST | D3D12_RESOURCE_STATE_NON_PIXEL_SHADER_RESOURCE, false},
        {kDepthWrite, kDepthWrite | D3D12_RESOURCE_STATE_DEPTH_READ, false},
    };
    for (const Case& c : cases) {
        const bool depth = c.home == kDepthWrite;
        ComPtr<ID3D12Resource> texture{MakeTexture(
            16, 16, depth ? DXGI_FORMAT_D32_FLOAT : DXGI_FORMAT_R8G8B8A8_UNORM,
            depth ? D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL : D3D12_RESOURCE_FLAG_NONE, c.home)};
        ASSERT_NE(texture, nullptr);
        Barrier(texture, c.home, c.combined);
        if (c.valid) {
            Barrier(texture, c.combined, c.home);
        }
        ExecuteAndWait();
        const Ids expected =
            c.valid ? Ids{} : Ids{D3D12_MESSAGE_ID_RESOURCE_BARRIER_INVALID_COMBINATION};
        EXPECT_EQ(TakeIds(), expected) << "states 0x" << std::hex << c.combined;
    }
}

TEST_F(DebugCallsTest, ListsAndAllocatorsUsedOutOfTurnAreReported) {
    ComPtr<ID3D12GraphicsCommandList> second;
    EXPECT_EQ(device->CreateCommandList(0, D3D12_COMMAND_LIST_TYPE_DIRECT, allocator, nullptr,
                                        IID_ID3D12GraphicsCommandList, second.PutVoid()),
              E_INVALIDARG); // the fixture's list records into the allocator
    EXPECT_EQ(second, nullptr);
    ASSERT_EQ(list->Close(), S_OK);
    list->IASetPrimitiveTopology(D3D_PRIMITIVE_TOPOLOGY_TRIANGLELIST);
    std::vector<DebugMessage> messages = TakeDebugMessages(device);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].id, D3D12_MESSAGE_ID_COMMAND_ALLOCATOR_CONTENTION);
    EXPECT_EQ(messages[1].id, D3D12_MESSAGE_ID_COMMAND_LIST_CLOSED);
    EXPECT_EQ(messages[1].description, "ID3D12GraphicsCommandList::*: This API cannot be called "
                                       "on a closed command list.");
    EXPECT_EQ(list->Reset(allocator, nullptr), S_OK);
}

TEST_F(DebugCallsTest, ResourcesAndViewsMadeAgainstTheirRulesAreReported) {
    const D3D12_HEAP_PROPERTIES upload = HeapProperties(D3D12_HEAP_TYPE_UPLOAD);
    const D3D12_RESOURCE_DESC bufferDesc = BufferDescription(256);
    ComPtr<ID3D12Resource> refused;
    EXPECT_EQ(device->CreateCommittedResource(&upload, D3D12_HEAP_FLAG_NONE, &bufferDesc,
                                              D3D12_RESOURCE_STATE_COPY_DEST, nullptr,
                                              IID_ID3D12Resource, refused.PutVoid()),
              E_INVALIDARG);
    EXPECT_EQ(refused, nullptr);

    ComPtr<ID3D12Resource> plain{MakeTexture(
        16, 16, DXGI_FORMAT_R8G8B8A8_UNORM, D3D12_RESOURCE_FLAG_NONE, D3D12_RESOURCE_STATE_COMMON)};
    ComPtr<ID3D12Resource> plainDepth{MakeTexture(
        16, 16, DXGI_FORMAT_D32_FLOAT, D3D12_RESOURCE_FLAG_NONE, D3D12_RESOURCE_STATE_COMMON)};
    ComPtr<ID3D12Resource> constants{
        MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, 256, D3D12_RESOURCE_STATE_GENERIC_READ)};
    ComPtr<ID3D12DescriptorHeap> rtvs{MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_RTV)};
    ComPtr<ID3D12DescriptorHeap> dsvs{MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_DSV)};
    ComPtr<ID3D12DescriptorHeap> cbvs{MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV)};
    ASSERT_TRUE(plain && plainDepth && constants && rtvs && dsvs && cbvs);
    device->CreateRenderTargetView(plain, nullptr, rtvs->GetCPUDescriptorHandleForHeapStart());
    device->CreateDepthStencilView(plainDepth, nullptr, dsvs->GetCPUDescriptorHandleForHeapStart());
    D3D12_CONSTANT_BUFFER_VIEW_DESC pastTheEnd{constants->GetGPUVirtualAddress(), 512};
    device->CreateConstantBufferView(&pastTheEnd, cbvs->GetCPUDescriptorHandleForHeapStart());

    // A footprint whose rows are not 256-byte aligned.
    D3D12_TEXTURE_COPY_LOCATION from{constants, D3D12_TEXTURE_COPY_TYPE_PLACED_FOOTPRINT, {}};
    from.PlacedFootprint.Footprint = {DXGI_FORMAT_R8G8B8A8_UNORM, 4, 4, 1, 100};
    D3D12_TEXTURE_COPY_LOCATION to{plain, D3D12_TEXTURE_COPY_TYPE_SUBRESOURCE_INDEX, {}};
    list->CopyTextureRegion(&to, 0, 0, 0, &from, nullptr);
    EXPECT_EQ(list->Close(), E_FAIL);

    EXPECT_EQ(TakeIds(), (Ids{D3D12_MESSAGE_ID_RESOURCE_BARRIER_INVALID_HEAP,
                              D3D12_MESSAGE_ID_CREATERENDERTARGETVIEW_INVALIDRESOURCE,
                              D3D12_MESSAGE_ID_CREATEDEPTHSTENCILVIEW_INVALIDRESOURCE,
                              D3D12_MESSAGE_ID_CREATE_CONSTANT_BUFFER_VIEW_INVALID_RESOURCE,
                              D3D12_MESSAGE_ID_COPYTEXTUREREGION_INVALIDSRCROWPITCH}));
    EXPECT_EQ(list->Reset(allocator, nullptr), S_OK);
}

// Uses Windows accepts that a validator easily gets wrong: promotion from
// COMMON and decay at the end of a list, split barriers, states set in one
// list and relied on in the next, a list reset while its earlier recording
// still runs, and one closed list executed twice.
TEST_F(DebugCallsTest, CorrectButUnusualUsesDrawNoMessage) {
    ComPtr<ID3D12Resource> texture{MakeTexture(
        4, 4, DXGI_FORMAT_R8G8B8A8_UNORM, D3D12_RESOURCE_FLAG_NONE, D3D12_RESOURCE_STATE_COMMON)};
    ComPtr<ID3D12Resource> buffer{
        MakeBuffer(D3D12_HEAP_TYPE_DEFAULT, 256, D3D12_RESOURCE_STATE_COMMON)};
    ComPtr<ID3D12Resource> readback{
        MakeBuffer(D3D12_HEAP_TYPE_READBACK, 4096, D3D12_RESOURCE_STATE_COPY_DEST)};
    D3D12_PLACED_SUBRESOURCE_FOOTPRINT footprint{};
    ComPtr<ID3D12Resource> upload{
        MakeTextureUpload(device, texture, std::vector<uint32_t>(16, 0xFF00FF00u), &footprint)};
    ASSERT_TRUE(texture && buffer && readback && upload);

    // COMMON promotes to COPY_DEST for copies into a texture and a buffer.
    CopyBufferToTexture(list, upload, footprint, texture);
    list->CopyBufferRegion(buffer, 0, upload, 0, 256);
    // A split barrier, both halves in this list.
    Barrier(texture, D3D12_RESOURCE_STATE_COPY_DEST, D3D12_RESOURCE_STATE_COPY_SOURCE,
            D3D12_RESOURCE_BARRIER_FLAG_BEGIN_ONLY);
    Barrier(texture, D3D12_RESOURCE_STATE_COPY_DEST, D3D12_RESOURCE_STATE_COPY_SOURCE,
            D3D12_RESOURCE_BARRIER_FLAG_END_ONLY);
    ExecuteAndWait();

    // The texture stays in COPY_SOURCE from the list before; the buffer
    // decayed to COMMON and promotes again, now to COPY_SOURCE.
    CopyTextureToBuffer(list, texture, readback, footprint);
    list->CopyBufferRegion(readback, 1024, buffer, 0, 256);
    Barrier(texture, D3D12_RESOURCE_STATE_COPY_SOURCE, D3D12_RESOURCE_STATE_COMMON);
    ASSERT_EQ(list->Close(), S_OK);
    ID3D12CommandList* lists[] = {list};
    queue->ExecuteCommandLists(1, lists);
    // Reset while that execution may still run: only the allocator must wait.
    ASSERT_EQ(list->Reset(allocator, nullptr), S_OK);
    // COMMON promotes to COPY_SOURCE for a texture, and decays after the list.
    CopyTextureToBuffer(list, texture, readback, footprint);
    ASSERT_EQ(list->Close(), S_OK);
    queue->ExecuteCommandLists(1, lists);
    queue->ExecuteCommandLists(1, lists); // a closed list runs as often as wanted
    WaitForQueue();
    BeginCommands();
    Barrier(texture, D3D12_RESOURCE_STATE_COMMON, D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE);
    ExecuteAndWait();

    std::vector<DebugMessage> messages = TakeDebugMessages(device);
    for (const DebugMessage& message : messages) {
        ADD_FAILURE() << "#" << message.id << ": " << message.description;
    }
}

} // namespace
