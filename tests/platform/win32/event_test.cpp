// Event objects: reset kinds, and handles that are closed or not events at all.
#include <gtest/gtest.h>

#include <windows.h>

namespace {

TEST(Win32Events, AutoResetWakesOneWaitManualResetStaysSet) {
    HANDLE automatic = CreateEventExA(nullptr, nullptr, 0, EVENT_ALL_ACCESS);
    HANDLE manual = CreateEventExA(nullptr, nullptr, CREATE_EVENT_MANUAL_RESET, EVENT_ALL_ACCESS);
    ASSERT_NE(automatic, nullptr);
    ASSERT_NE(manual, nullptr);
    EXPECT_TRUE(SetEvent(automatic));
    EXPECT_TRUE(SetEvent(manual));
    EXPECT_EQ(WaitForSingleObject(automatic, 0), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(automatic, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_EQ(WaitForSingleObject(manual, 0), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(manual, 0), WAIT_OBJECT_0);
    EXPECT_TRUE(ResetEvent(manual));
    EXPECT_EQ(WaitForSingleObject(manual, 10), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_TRUE(CloseHandle(automatic));
    EXPECT_TRUE(CloseHandle(manual));
}

// Windows refuses such handles (ERROR_INVALID_HANDLE); they must never be
// read as events, whatever memory they point at.
TEST(Win32Events, ClosedAndForeignHandlesAreRefusedNotRead) {
    HANDLE closed = CreateEventExA(nullptr, nullptr, 0, EVENT_ALL_ACCESS);
    ASSERT_NE(closed, nullptr);
    ASSERT_TRUE(CloseHandle(closed));
    int notAnEvent[16] = {};
    for (HANDLE handle : {closed, static_cast<HANDLE>(notAnEvent), HANDLE(nullptr)}) {
        EXPECT_FALSE(SetEvent(handle));
        EXPECT_FALSE(ResetEvent(handle));
        EXPECT_FALSE(CloseHandle(handle));
        testing::internal::CaptureStderr();
        EXPECT_EQ(WaitForSingleObject(handle, 0), WAIT_FAILED);
        EXPECT_NE(testing::internal::GetCapturedStderr().find("not an event handle"),
                  std::string::npos);
    }
}

} // namespace
