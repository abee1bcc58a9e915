// Events armed by SetEventOnCompletion: set when the fence gets there, as
// seen by whoever waits or looks, however many wait at once.
#include "gpu_fixture.h"

#include <chrono>
#include <thread>

namespace {

// Holds the queue at fence value 1 so that a later queue signal stays pending
// until the CPU signals 1.
void HoldQueue(ID3D12CommandQueue* queue, ID3D12Fence* fence, UINT64 pendingValue) {
    ASSERT_EQ(queue->Wait(fence, 1), S_OK);
    ASSERT_EQ(queue->Signal(fence, pendingValue), S_OK);
}

} // namespace

TEST_F(GpuTest, ArmedEventsFollowTheFenceWhetherWaitedOnOrLookedAt) {
    HoldQueue(queue, fence, 3);
    HANDLE manual = CreateEventExA(nullptr, nullptr, CREATE_EVENT_MANUAL_RESET, EVENT_ALL_ACCESS);
    ASSERT_NE(manual, nullptr);
    ASSERT_EQ(fence->SetEventOnCompletion(3, event), S_OK);
    ASSERT_EQ(fence->SetEventOnCompletion(3, manual), S_OK);
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_TIMEOUT);
    EXPECT_EQ(WaitForSingleObject(manual, 20), WAIT_TIMEOUT);

    // Released from another thread while this one waits on the fence itself.
    std::thread releaser([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        fence->Signal(1);
    });
    EXPECT_EQ(WaitForSingleObject(event, 10000), WAIT_OBJECT_0);
    releaser.join();
    EXPECT_EQ(fence->GetCompletedValue(), 3u);
    // Auto-reset: the wait consumed it. Manual-reset: stays set until reset,
    // and a reset after the fence got there clears it for good.
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_TIMEOUT);
    EXPECT_EQ(WaitForSingleObject(manual, 0), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(manual, 0), WAIT_OBJECT_0);
    ASSERT_TRUE(ResetEvent(manual));
    EXPECT_EQ(WaitForSingleObject(manual, 0), WAIT_TIMEOUT);
    CloseHandle(manual);
}

TEST_F(GpuTest, AnEventArmedTwiceIsSetForEachValueInTurn) {
    // The queue reaches 2 once the CPU signals 1, and 4 once it signals 3.
    HoldQueue(queue, fence, 2);
    ASSERT_EQ(queue->Wait(fence, 3), S_OK);
    ASSERT_EQ(queue->Signal(fence, 4), S_OK);
    ASSERT_EQ(fence->SetEventOnCompletion(4, event), S_OK);
    ASSERT_EQ(fence->SetEventOnCompletion(2, event), S_OK);
    ASSERT_EQ(fence->Signal(1), S_OK);
    EXPECT_EQ(WaitForSingleObject(event, 10000), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(event, 20), WAIT_TIMEOUT);
    ASSERT_EQ(fence->Signal(3), S_OK);
    EXPECT_EQ(WaitForSingleObject(event, 10000), WAIT_OBJECT_0);
    EXPECT_EQ(fence->GetCompletedValue(), 4u);
    fenceValue = 4;
}

TEST_F(GpuTest, AWaitEndsWhicheverArmedValueTheFenceReachesFirst) {
    HoldQueue(queue, fence, 2);
    ASSERT_EQ(fence->SetEventOnCompletion(5, event), S_OK); // never reached here
    ASSERT_EQ(fence->SetEventOnCompletion(2, event), S_OK);
    std::thread releaser([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        fence->Signal(1);
    });
    EXPECT_EQ(WaitForSingleObject(event, 10000), WAIT_OBJECT_0);
    releaser.join();
    EXPECT_EQ(fence->GetCompletedValue(), 2u);
    fenceValue = 2;
}

TEST_F(GpuTest, EveryThreadWaitingOnAnArmedManualResetEventWakes) {
    HoldQueue(queue, fence, 2);
    HANDLE manual = CreateEventExA(nullptr, nullptr, CREATE_EVENT_MANUAL_RESET, EVENT_ALL_ACCESS);
    ASSERT_NE(manual, nullptr);
    ASSERT_EQ(fence->SetEventOnCompletion(2, manual), S_OK);
    DWORD results[3] = {WAIT_FAILED, WAIT_FAILED, WAIT_FAILED};
    std::thread waiters[3];
    for (DWORD& result : results) {
        waiters[&result - results] =
            std::thread([manual, &result] { result = WaitForSingleObject(manual, 10000); });
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    ASSERT_EQ(fence->Signal(1), S_OK);
    for (std::thread& waiter : waiters) {
        waiter.join();
    }
    for (DWORD result : results) {
        EXPECT_EQ(result, WAIT_OBJECT_0);
    }
    EXPECT_EQ(fence->GetCompletedValue(), 2u);
    fenceValue = 2;
    CloseHandle(manual);
}

TEST_F(GpuTest, SetEventStillWakesAWaitOnAPendingFence) {
    HoldQueue(queue, fence, 2);
    ASSERT_EQ(fence->SetEventOnCompletion(2, event), S_OK);
    std::thread setter([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        SetEvent(event);
    });
    EXPECT_EQ(WaitForSingleObject(event, 10000), WAIT_OBJECT_0);
    setter.join();
    EXPECT_LT(fence->GetCompletedValue(), 2u);
    ASSERT_EQ(fence->Signal(1), S_OK);
    EXPECT_EQ(WaitForSingleObject(event, 10000), WAIT_OBJECT_0);
}

TEST_F(GpuTest, AFenceReleasedWhileArmedNeverSetsItsEvent) {
    ID3D12Fence* other = nullptr;
    ASSERT_EQ(device->CreateFence(0, D3D12_FENCE_FLAG_NONE, IID_ID3D12Fence,
                                  reinterpret_cast<void**>(&other)),
              S_OK);
    ASSERT_EQ(other->SetEventOnCompletion(5, event), S_OK);
    other->Release();
    EXPECT_EQ(WaitForSingleObject(event, 30), WAIT_TIMEOUT);
    // The event itself still works.
    SetEvent(event);
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_OBJECT_0);
}
