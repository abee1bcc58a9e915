// Device creation, interfaces, queues, allocators and fences.
#include "gpu_fixture.h"

#include <platform_testing.h>

#include <thread>

TEST(D3D12Device, CreatesForFeatureLevel12_1AndRefusesWithNullOutput) {
    ComPtr<ID3D12Device> device;
    ASSERT_EQ(
        D3D12CreateDevice(nullptr, D3D_FEATURE_LEVEL_12_1, IID_ID3D12Device, device.PutVoid()),
        S_OK);
    ASSERT_NE(device, nullptr);
    device.Reset();

    platform_testing::RefuseNextDeviceCreations(1);
    ID3D12Device* refusedDevice = reinterpret_cast<ID3D12Device*>(0x1);
    HRESULT refused = D3D12CreateDevice(nullptr, D3D_FEATURE_LEVEL_12_1, IID_ID3D12Device,
                                        reinterpret_cast<void**>(&refusedDevice));
    EXPECT_TRUE(FAILED(refused));
    EXPECT_EQ(refusedDevice, nullptr);

    // The refusal was used up: the next creation works again.
    ASSERT_EQ(
        D3D12CreateDevice(nullptr, D3D_FEATURE_LEVEL_11_0, IID_ID3D12Device, device.PutVoid()),
        S_OK);
}

TEST_F(GpuTest, ObjectsAnswerTheirInterfaceChainAndKeepTheDeviceAlive) {
    void* answer = nullptr;
    EXPECT_EQ(queue->QueryInterface(IID_ID3D12Pageable, &answer), S_OK);
    static_cast<IUnknown*>(answer)->Release();
    EXPECT_EQ(list->QueryInterface(IID_ID3D12CommandList, &answer), S_OK);
    static_cast<IUnknown*>(answer)->Release();
    // An interface the object lacks is refused, and said once in the process
    // on stderr (a repeated run of this test has said it already).
    static bool saidBefore = false;
    testing::internal::CaptureStderr();
    EXPECT_EQ(fence->QueryInterface(IID_ID3D12Resource, &answer), E_NOINTERFACE);
    EXPECT_EQ(answer, nullptr);
    EXPECT_EQ(fence->QueryInterface(IID_ID3D12Resource, &answer), E_NOINTERFACE);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              saidBefore ? ""
                         : "d3d12_standin::D3D12Fence::QueryInterface: interface "
                           "{696442BE-A72E-4059-BC79-5B5C98040FAD} not implemented by the "
                           "stand-in\n");
    saidBefore = true;

    ComPtr<ID3D12Device> parent;
    ASSERT_EQ(fence->GetDevice(IID_ID3D12Device, parent.PutVoid()), S_OK);
    EXPECT_EQ(parent, device);
}

TEST_F(GpuTest, SetEventOnCompletionSignalsAtOnceForAReachedValue) {
    ASSERT_EQ(fence->Signal(5), S_OK);
    EXPECT_EQ(fence->GetCompletedValue(), 5u);
    uint64_t blockingBefore = platform_testing::BlockingFenceWaits();
    ASSERT_EQ(fence->SetEventOnCompletion(3, event), S_OK);
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_OBJECT_0);
    EXPECT_EQ(platform_testing::BlockingFenceWaits(), blockingBefore);
}

TEST_F(GpuTest, SetEventOnCompletionSignalsWhenTheQueueReachesTheValueLater) {
    // The queue waits for value 1 before it signals 2, so 2 is not reached yet.
    ASSERT_EQ(queue->Wait(fence, 1), S_OK);
    ASSERT_EQ(queue->Signal(fence, 2), S_OK);
    uint64_t blockingBefore = platform_testing::BlockingFenceWaits();
    ASSERT_EQ(fence->SetEventOnCompletion(2, event), S_OK);
    EXPECT_EQ(platform_testing::BlockingFenceWaits(), blockingBefore + 1);
    EXPECT_EQ(WaitForSingleObject(event, 50), WAIT_TIMEOUT);
    EXPECT_LT(fence->GetCompletedValue(), 2u);

    ASSERT_EQ(fence->Signal(1), S_OK); // from the CPU: releases the queue
    EXPECT_EQ(WaitForSingleObject(event, 10000), WAIT_OBJECT_0);
    EXPECT_EQ(fence->GetCompletedValue(), 2u);
}

TEST_F(GpuTest, AllocatorResetFailsWhileItsListIsStillExecuting) {
    ASSERT_EQ(list->Close(), S_OK);
    ASSERT_EQ(queue->Wait(fence, 1), S_OK); // holds the queue until the CPU signals 1
    ID3D12CommandList* lists[] = {list};
    uint64_t executedBefore = platform_testing::ExecutedCommandLists(queue);
    queue->ExecuteCommandLists(1, lists);
    EXPECT_EQ(platform_testing::ExecutedCommandLists(queue), executedBefore + 1);
    EXPECT_TRUE(FAILED(allocator->Reset()));
    EXPECT_EQ(CountMessages(TakeDebugMessages(device), D3D12_MESSAGE_ID_COMMAND_ALLOCATOR_SYNC),
              1u);
    platform_testing::AcknowledgeD3D12Errors();

    ASSERT_EQ(fence->Signal(1), S_OK);
    fenceValue = 1;
    WaitForQueue();
    EXPECT_EQ(allocator->Reset(), S_OK);
}

TEST_F(GpuTest, ClosingTwiceOrResettingAnOpenListFailsAsTheDebugLayerSays) {
    EXPECT_TRUE(FAILED(list->Reset(allocator, nullptr))); // still recording since creation
    ASSERT_EQ(list->Close(), S_OK);
    EXPECT_TRUE(FAILED(list->Close()));
    std::vector<DebugMessage> messages = TakeDebugMessages(device);
    EXPECT_EQ(CountMessages(messages, D3D12_MESSAGE_ID_COMMAND_LIST_OPEN), 1u);
    EXPECT_EQ(CountMessages(messages, D3D12_MESSAGE_ID_COMMAND_LIST_CLOSED), 1u);
    EXPECT_EQ(list->Reset(allocator, nullptr), S_OK);
    platform_testing::AcknowledgeD3D12Errors();
}

TEST_F(GpuTest, CloseFailsOnAListThatRecordedAnInvalidCommand) {
    list->CopyBufferRegion(nullptr, 0, nullptr, 0, 16);
    EXPECT_EQ(list->Close(), E_FAIL);
}

TEST_F(GpuTest, ManyWaitsFromAnotherThreadAllComplete) {
    std::thread waiter([&] {
        for (UINT64 value = 1; value <= 20; ++value) {
            HANDLE own = CreateEventExA(nullptr, nullptr, 0, EVENT_ALL_ACCESS);
            fence->SetEventOnCompletion(value, own);
            EXPECT_EQ(WaitForSingleObject(own, 10000), WAIT_OBJECT_0);
            CloseHandle(own);
        }
    });
    for (UINT64 value = 1; value <= 20; ++value) {
        ASSERT_EQ(queue->Signal(fence, value), S_OK);
    }
    waiter.join();
    fenceValue = 20;
}

// As on Windows, the CPU may set a fence below its value; the fence then
// goes on from there, and events wait for their values afresh.
TEST_F(GpuTest, TheCpuMayMoveAFenceBack) {
    ASSERT_EQ(fence->Signal(7), S_OK);
    EXPECT_EQ(fence->Signal(3), S_OK);
    EXPECT_EQ(fence->GetCompletedValue(), 3u);
    ASSERT_EQ(fence->SetEventOnCompletion(5, event), S_OK);
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_TIMEOUT) << "5 was passed before, not now";
    ASSERT_EQ(fence->Signal(5), S_OK);
    EXPECT_EQ(WaitForSingleObject(event, 10000), WAIT_OBJECT_0);
    fenceValue = 5;
    WaitForQueue(); // the queue signals 6
    EXPECT_EQ(fence->GetCompletedValue(), 6u);
}

// A queue signal below the value goes nowhere: the stand-in says so.
TEST_F(GpuTest, QueueSignalsBelowTheFenceValueAreIgnoredWithAMessage) {
    ASSERT_EQ(fence->Signal(7), S_OK);
    testing::internal::CaptureStderr();
    EXPECT_EQ(queue->Signal(fence, 4), S_OK);
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("fence value 4"), std::string::npos) << said;
    fenceValue = 7;
    WaitForQueue();
    EXPECT_EQ(fence->GetCompletedValue(), 8u);
}

TEST_F(GpuTest, AnotherObjectHandedInAsAnAllocatorIsRefused) {
    auto* notAnAllocator = reinterpret_cast<ID3D12CommandAllocator*>(fence);
    ComPtr<ID3D12GraphicsCommandList> made;
    testing::internal::CaptureStderr();
    EXPECT_EQ(device->CreateCommandList(0, D3D12_COMMAND_LIST_TYPE_DIRECT, notAnAllocator, nullptr,
                                        IID_ID3D12GraphicsCommandList, made.PutVoid()),
              E_INVALIDARG);
    ASSERT_EQ(list->Close(), S_OK);
    EXPECT_EQ(list->Reset(notAnAllocator, nullptr), E_INVALIDARG);
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(made, nullptr);
    EXPECT_NE(said.find("ID3D12Device::CreateCommandList: the allocator is not a stand-in command "
                        "allocator"),
              std::string::npos)
        << said;
    EXPECT_NE(said.find("ID3D12GraphicsCommandList::Reset: the allocator is not a stand-in "
                        "command allocator"),
              std::string::npos)
        << said;
    // The refused Reset leaves the list closed and usable with its own allocator.
    EXPECT_EQ(list->Reset(allocator, nullptr), S_OK);
}
