// The validation layer's resource-state rules, through the public API only:
// each misuse is reported once with its ID, the correct sequence not at all.
#include "gpu_fixture.h"

#include <platform_testing.h>

#include <d3dx12.h>

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

class DebugLayerTest : public GpuTest {
protected:
    void TearDown() override {
        // The misuse these tests make on purpose is not a failure of the run.
        platform_testing::AcknowledgeD3D12Errors();
        GpuTest::TearDown();
    }

    D3D12_CPU_DESCRIPTOR_HANDLE View(ID3D12Resource* resource, D3D12_DESCRIPTOR_HEAP_TYPE type) {
        ID3D12DescriptorHeap* heap = MakeDescriptorHeap(type);
        heaps.push_back(heap);
        D3D12_CPU_DESCRIPTOR_HANDLE handle = heap->GetCPUDescriptorHandleForHeapStart();
        if (type == D3D12_DESCRIPTOR_HEAP_TYPE_RTV) {
            device->CreateRenderTargetView(resource, nullptr, handle);
        } else {
            device->CreateDepthStencilView(resource, nullptr, handle);
        }
        return handle;
    }
    void Barrier(ID3D12Resource* resource, D3D12_RESOURCE_STATES before,
                 D3D12_RESOURCE_STATES after) {
        D3D12_RESOURCE_BARRIER barrier = Transition(resource, before, after);
        list->ResourceBarrier(1, &barrier);
    }
    void ReleaseAll(std::initializer_list<IUnknown*> objects) {
        for (IUnknown* object : objects) {
            object->Release();
        }
        for (ID3D12DescriptorHeap* heap : heaps) {
            heap->Release();
        }
        heaps.clear();
    }

    // The errors among the messages the info queue stored.
    std::vector<DebugMessage> TakeErrors() {
        std::vector<DebugMessage> errors;
        for (DebugMessage& message : TakeDebugMessages(device)) {
            if (message.severity == D3D12_MESSAGE_SEVERITY_ERROR) {
                errors.push_back(std::move(message));
            }
        }
        return errors;
    }

    std::vector<ID3D12DescriptorHeap*> heaps;
    const float kBlack[4] = {0, 0, 0, 1};
};

TEST_F(DebugLayerTest, ClearsOfTargetsNotInTheirStateAreReportedOncePerResource) {
    ID3D12Resource* depth =
        MakeTexture(16, 16, DXGI_FORMAT_D32_FLOAT, D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL,
                    D3D12_RESOURCE_STATE_GENERIC_READ);
    ID3D12Resource* color =
        MakeTexture(16, 16, DXGI_FORMAT_R8G8B8A8_UNORM, D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET,
                    D3D12_RESOURCE_STATE_COMMON);
    D3D12_CPU_DESCRIPTOR_HANDLE dsv = View(depth, D3D12_DESCRIPTOR_HEAP_TYPE_DSV);
    D3D12_CPU_DESCRIPTOR_HANDLE rtv = View(color, D3D12_DESCRIPTOR_HEAP_TYPE_RTV);
    for (int frame = 0; frame < 3; ++frame) {
        list->ClearDepthStencilView(dsv, D3D12_CLEAR_FLAG_DEPTH, 1.0f, 0, 0, nullptr);
        list->ClearRenderTargetView(rtv, kBlack, 0, nullptr); // COMMON never promotes to it
        ExecuteAndWait();
    }
    std::vector<DebugMessage> messages = TakeErrors();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(CountMessages(messages, D3D12_MESSAGE_ID_INVALID_SUBRESOURCE_STATE), 2u);
    EXPECT_NE(messages[0].description.find("Using ClearDepthStencilView on Command List (0x"),
              std::string::npos);
    EXPECT_NE(messages[0].description.find(
                  "Resource state (0xAC3: D3D12_RESOURCE_STATE_GENERIC_READ) of resource (0x"),
              std::string::npos)
        << messages[0].description;
    EXPECT_NE(messages[0].description.find(
                  "(subresource: 0) is invalid for use as a depth buffer.  Expected State Bits "
                  "(all): 0x10: D3D12_RESOURCE_STATE_DEPTH_WRITE, Actual State: 0xAC3: "
                  "D3D12_RESOURCE_STATE_GENERIC_READ, Missing State: 0x10: "
                  "D3D12_RESOURCE_STATE_DEPTH_WRITE."),
              std::string::npos)
        << messages[0].description;
    EXPECT_NE(messages[1].description.find("Resource state (0x0: "
                                           "D3D12_RESOURCE_STATE_[COMMON|PRESENT])"),
              std::string::npos);
    EXPECT_NE(messages[1].description.find("invalid for use as a render target"),
              std::string::npos);
    EXPECT_EQ(messages[1].severity, D3D12_MESSAGE_SEVERITY_ERROR);
    ReleaseAll({depth, color});

    // The same clears in the states they need report nothing.
    depth = MakeTexture(16, 16, DXGI_FORMAT_D32_FLOAT, D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL,
                        D3D12_RESOURCE_STATE_DEPTH_WRITE);
    color = MakeTexture(16, 16, DXGI_FORMAT_R8G8B8A8_UNORM, D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET,
                        D3D12_RESOURCE_STATE_COMMON);
    dsv = View(depth, D3D12_DESCRIPTOR_HEAP_TYPE_DSV);
    rtv = View(color, D3D12_DESCRIPTOR_HEAP_TYPE_RTV);
    Barrier(color, D3D12_RESOURCE_STATE_COMMON, D3D12_RESOURCE_STATE_RENDER_TARGET);
    list->ClearDepthStencilView(dsv, D3D12_CLEAR_FLAG_DEPTH, 1.0f, 0, 0, nullptr);
    list->ClearRenderTargetView(rtv, kBlack, 0, nullptr);
    Barrier(color, D3D12_RESOURCE_STATE_RENDER_TARGET, D3D12_RESOURCE_STATE_COMMON);
    ExecuteAndWait();
    EXPECT_TRUE(TakeErrors().empty());
    ReleaseAll({depth, color});
}

// Buffers decay to COMMON once their list has run, however many a list uses:
// only the last buffer's barrier, made from the state it left, is wrong.
TEST_F(DebugLayerTest, EveryBufferOfABusyListDecaysAfterIt) {
    constexpr int kBuffers = 40;
    std::vector<ID3D12Resource*> buffers;
    for (int i = 0; i < kBuffers; ++i) {
        buffers.push_back(
            MakeBuffer(device, D3D12_HEAP_TYPE_DEFAULT, 256, D3D12_RESOURCE_STATE_COMMON));
        Barrier(buffers.back(), D3D12_RESOURCE_STATE_COMMON, D3D12_RESOURCE_STATE_COPY_DEST);
    }
    ExecuteAndWait();
    for (ID3D12Resource* buffer : buffers) {
        const bool last = buffer == buffers.back();
        Barrier(buffer, last ? D3D12_RESOURCE_STATE_COPY_DEST : D3D12_RESOURCE_STATE_COMMON,
                D3D12_RESOURCE_STATE_COPY_SOURCE);
    }
    ExecuteAndWait();
    std::vector<DebugMessage> errors = TakeErrors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].id, D3D12_MESSAGE_ID_RESOURCE_BARRIER_BEFORE_AFTER_MISMATCH);
    char last[32];
    std::snprintf(last, sizeof last, "0x%016" PRIXPTR, reinterpret_cast<uintptr_t>(buffers.back()));
    EXPECT_NE(errors[0].description.find(last), std::string::npos) << errors[0].description;
    for (ID3D12Resource* buffer : buffers) {
        buffer->Release();
    }
}

TEST_F(DebugLayerTest, BarriersFromAStateTheSubresourceIsNotInAreReportedOnce) {
    const CD3DX12_RESOURCE_DESC desc =
        CD3DX12_RESOURCE_DESC::Tex2D(DXGI_FORMAT_R8G8B8A8_UNORM, 8, 8, 1, 2);
    const CD3DX12_HEAP_PROPERTIES heap(D3D12_HEAP_TYPE_DEFAULT);
    ID3D12Resource* texture = nullptr;
    ASSERT_EQ(device->CreateCommittedResource(
                  &heap, D3D12_HEAP_FLAG_NONE, &desc, D3D12_RESOURCE_STATE_COPY_DEST, nullptr,
                  IID_ID3D12Resource, reinterpret_cast<void**>(&texture)),
              S_OK);
    // Mip 1 alone moves on; a barrier on both mips then finds mip 1 elsewhere.
    D3D12_RESOURCE_BARRIER mip1 =
        Transition(texture, D3D12_RESOURCE_STATE_COPY_DEST, D3D12_RESOURCE_STATE_COPY_SOURCE);
    mip1.Transition.Subresource = 1;
    list->ResourceBarrier(1, &mip1);
    for (int pass = 0; pass < 2; ++pass) {
        Barrier(texture, D3D12_RESOURCE_STATE_COPY_DEST, D3D12_RESOURCE_STATE_COPY_SOURCE);
        Barrier(texture, D3D12_RESOURCE_STATE_COPY_SOURCE, D3D12_RESOURCE_STATE_COPY_DEST);
    }
    ExecuteAndWait();
    std::vector<DebugMessage> messages = TakeDebugMessages(device);
    ASSERT_EQ(CountMessages(messages, D3D12_MESSAGE_ID_RESOURCE_BARRIER_BEFORE_AFTER_MISMATCH), 1u);
    EXPECT_NE(messages[0].description.find("Using ResourceBarrier on Command List (0x"),
              std::string::npos);
    EXPECT_NE(messages[0].description.find(
                  "Before state (0x400: D3D12_RESOURCE_STATE_COPY_DEST) of resource (0x"),
              std::string::npos);
    EXPECT_NE(messages[0].description.find(
                  "(subresource: 1) specified by transition barrier does not match with the "
                  "state (0x800: D3D12_RESOURCE_STATE_COPY_SOURCE) specified in the previous "
                  "call to ResourceBarrier"),
              std::string::npos)
        << messages[0].description;
    texture->Release();
}

TEST_F(DebugLayerTest, CommonResourcesArePromotedByTheirUseAndDecayAfterTheList) {
    ID3D12Resource* upload =
        MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, 64 * 1024, D3D12_RESOURCE_STATE_GENERIC_READ);
    ID3D12Resource* texture =
        MakeTexture(16, 16, DXGI_FORMAT_R8G8B8A8_UNORM, D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET,
                    D3D12_RESOURCE_STATE_COMMON);
    ID3D12Resource* source =
        MakeTexture(16, 16, DXGI_FORMAT_R8G8B8A8_UNORM, D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET,
                    D3D12_RESOURCE_STATE_COMMON);
    ID3D12Resource* buffer = MakeBuffer(D3D12_HEAP_TYPE_DEFAULT, 4096, D3D12_RESOURCE_STATE_COMMON);
    D3D12_RESOURCE_DESC desc = texture->GetDesc();
    D3D12_PLACED_SUBRESOURCE_FOOTPRINT footprint{};
    device->GetCopyableFootprints(&desc, 0, 1, 0, &footprint, nullptr, nullptr, nullptr);
    // Copies promote COMMON textures and buffers; a write promotion stays.
    CopyBufferToTexture(list, upload, footprint, texture);
    Barrier(texture, D3D12_RESOURCE_STATE_COPY_DEST, D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE);
    list->CopyBufferRegion(buffer, 0, upload, 0, 4096);
    CopyTextureToBuffer(list, source, buffer, footprint);
    ExecuteAndWait();
    // The read promotion of `source` and every buffer state decayed to COMMON.
    Barrier(source, D3D12_RESOURCE_STATE_COMMON, D3D12_RESOURCE_STATE_RENDER_TARGET);
    Barrier(buffer, D3D12_RESOURCE_STATE_COMMON, D3D12_RESOURCE_STATE_COPY_SOURCE);
    Barrier(texture, D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE, D3D12_RESOURCE_STATE_COMMON);
    ExecuteAndWait();
    EXPECT_TRUE(TakeDebugMessages(device).empty());

    // A promotion to a write state is not promoted further within the list.
    CopyBufferToTexture(list, upload, footprint, texture);
    CopyTextureToBuffer(list, texture, buffer, footprint);
    ExecuteAndWait();
    std::vector<DebugMessage> messages = TakeDebugMessages(device);
    ASSERT_EQ(CountMessages(messages, D3D12_MESSAGE_ID_INVALID_SUBRESOURCE_STATE), 1u);
    EXPECT_NE(messages[0].description.find("Using CopyTextureRegion"), std::string::npos);
    EXPECT_NE(messages[0].description.find("invalid for use as a source resource"),
              std::string::npos);
    for (ID3D12Resource* resource : {upload, texture, source, buffer}) {
        resource->Release();
    }
}

TEST_F(DebugLayerTest, ClearsWithoutTheOptimisedClearValueAreWarningsNotErrors) {
    uint64_t errorsBefore = platform_testing::UnexpectedD3D12Errors();
    const CD3DX12_HEAP_PROPERTIES heap(D3D12_HEAP_TYPE_DEFAULT);
    const CD3DX12_RESOURCE_DESC desc = CD3DX12_RESOURCE_DESC::Tex2D(
        DXGI_FORMAT_R8G8B8A8_UNORM, 8, 8, 1, 1, 1, 0, D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET);
    D3D12_CLEAR_VALUE black{DXGI_FORMAT_R8G8B8A8_UNORM, {0, 0, 0, 1}};
    ID3D12Resource* withValue = nullptr;
    ID3D12Resource* without = nullptr;
    ASSERT_EQ(device->CreateCommittedResource(
                  &heap, D3D12_HEAP_FLAG_NONE, &desc, D3D12_RESOURCE_STATE_RENDER_TARGET, &black,
                  IID_ID3D12Resource, reinterpret_cast<void**>(&withValue)),
              S_OK);
    ASSERT_EQ(device->CreateCommittedResource(
                  &heap, D3D12_HEAP_FLAG_NONE, &desc, D3D12_RESOURCE_STATE_RENDER_TARGET, nullptr,
                  IID_ID3D12Resource, reinterpret_cast<void**>(&without)),
              S_OK);
    D3D12_CPU_DESCRIPTOR_HANDLE matching = View(withValue, D3D12_DESCRIPTOR_HEAP_TYPE_RTV);
    D3D12_CPU_DESCRIPTOR_HANDLE none = View(without, D3D12_DESCRIPTOR_HEAP_TYPE_RTV);
    list->ClearRenderTargetView(matching, kBlack, 0, nullptr);
    EXPECT_TRUE(TakeDebugMessages(device).empty()) << "the clear value matches";
    list->ClearRenderTargetView(none, kBlack, 0, nullptr);
    list->ClearRenderTargetView(none, kBlack, 0, nullptr);
    const float red[4] = {1, 0, 0, 1};
    list->ClearRenderTargetView(matching, red, 0, nullptr);
    ExecuteAndWait();
    std::vector<DebugMessage> messages = TakeDebugMessages(device);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].id, D3D12_MESSAGE_ID_CLEARRENDERTARGETVIEW_MISMATCHINGCLEARVALUE);
    EXPECT_EQ(messages[0].severity, D3D12_MESSAGE_SEVERITY_WARNING);
    EXPECT_EQ(messages[0].description,
              "ID3D12CommandList::ClearRenderTargetView: The application did not pass any clear "
              "value to resource creation. The ClearRenderTargetView operation is typically "
              "slower as a result; but will still clear to the desired value.");
    EXPECT_NE(messages[1].description.find("The clear values do not match"), std::string::npos);
    EXPECT_EQ(platform_testing::UnexpectedD3D12Errors(), errorsBefore);
    ReleaseAll({withValue, without});
}

TEST_F(DebugLayerTest, AllocatorResetWhileAListRecordsAndOpenListsAreReported) {
    EXPECT_EQ(allocator->Reset(), E_FAIL); // the fixture's list is recording
    ID3D12CommandList* lists[] = {list};
    uint64_t executed = platform_testing::ExecutedCommandLists(queue);
    queue->ExecuteCommandLists(1, lists);
    EXPECT_EQ(platform_testing::ExecutedCommandLists(queue), executed);
    std::vector<DebugMessage> messages = TakeDebugMessages(device);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].id, D3D12_MESSAGE_ID_COMMAND_ALLOCATOR_CANNOT_RESET);
    EXPECT_EQ(messages[1].id, D3D12_MESSAGE_ID_EXECUTECOMMANDLISTS_OPENCOMMANDLIST);
    ExecuteAndWait(); // closed, executed and reset: nothing to report
    EXPECT_TRUE(TakeDebugMessages(device).empty());
}

TEST_F(DebugLayerTest, InfoQueueAndDebugInterfaceAnswerAsOnWindows) {
    ID3D12InfoQueue* infoQueue = nullptr;
    ASSERT_EQ(device->QueryInterface(IID_ID3D12InfoQueue, reinterpret_cast<void**>(&infoQueue)),
              S_OK);
    infoQueue->ClearStoredMessages();
    EXPECT_EQ(infoQueue->GetNumStoredMessages(), 0u);
    EXPECT_EQ(allocator->Reset(), E_FAIL);
    ASSERT_EQ(infoQueue->GetNumStoredMessages(), 1u);
    SIZE_T length = 0;
    EXPECT_EQ(infoQueue->GetMessage(0, nullptr, &length), S_FALSE);
    ASSERT_GT(length, sizeof(D3D12_MESSAGE));
    std::vector<uint8_t> buffer(length);
    auto* message = reinterpret_cast<D3D12_MESSAGE*>(buffer.data());
    SIZE_T tooShort = length - 1;
    EXPECT_EQ(infoQueue->GetMessage(0, message, &tooShort), E_INVALIDARG);
    ASSERT_EQ(infoQueue->GetMessage(0, message, &length), S_OK);
    EXPECT_EQ(message->ID, D3D12_MESSAGE_ID_COMMAND_ALLOCATOR_CANNOT_RESET);
    EXPECT_EQ(message->Category, D3D12_MESSAGE_CATEGORY_EXECUTION);
    EXPECT_EQ(message->Severity, D3D12_MESSAGE_SEVERITY_ERROR);
    EXPECT_EQ(std::string(message->pDescription),
              "ID3D12CommandAllocator::Reset: The command allocator cannot be reset because a "
              "command list is currently being recorded with the allocator.");
    EXPECT_EQ(message->DescriptionByteLength, std::strlen(message->pDescription) + 1);
    EXPECT_EQ(infoQueue->GetMessage(1, message, &length), E_INVALIDARG);
    infoQueue->ClearStoredMessages();
    EXPECT_EQ(infoQueue->GetNumStoredMessages(), 0u);
    infoQueue->Release();

    ID3D12Debug* debug = nullptr;
    ASSERT_EQ(D3D12GetDebugInterface(IID_ID3D12Debug, reinterpret_cast<void**>(&debug)), S_OK);
    debug->EnableDebugLayer();
    debug->Release();
}

} // namespace
