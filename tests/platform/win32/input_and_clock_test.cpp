// GetAsyncKeyState's two bits, key messages and their translation, and the
// 32-bit millisecond clock.
#include <gtest/gtest.h>

#include <windows.h>

#include <platform_testing.h>

#include <timeapi.h>

#include <chrono>
#include <thread>
#include <vector>

namespace {

std::vector<MSG> g_keyMessages;

LRESULT CALLBACK KeyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_KEYFIRST && message <= WM_KEYLAST) {
        g_keyMessages.push_back(MSG{window, message, wParam, lParam, 0, {}});
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class Win32Keys : public testing::Test {
protected:
    static void SetUpTestSuite() {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = KeyProc;
        windowClass.lpszClassName = "KeyWindow";
        RegisterClassExA(&windowClass);
        window_ = CreateWindowExA(0, "KeyWindow", "keys", WS_POPUP, 0, 0, 10, 10, HWND{}, nullptr,
                                  nullptr, nullptr);
    }
    // One key window at a time: keys go to the window that has the focus.
    static void TearDownTestSuite() {
        DestroyWindow(window_);
        window_ = HWND{};
        Pump();
    }
    void SetUp() override {
        ASSERT_NE(window_, HWND{});
        Pump();
        g_keyMessages.clear();
    }
    static void Pump() {
        MSG message;
        while (PeekMessageA(&message, HWND{}, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    static HWND window_;
};
HWND Win32Keys::window_ = HWND{};

TEST_F(Win32Keys, AsyncStateKeepsTheDownBitAndThePressedSinceLastQueryBit) {
    GetAsyncKeyState(VK_F5);
    EXPECT_EQ(GetAsyncKeyState(VK_F5), 0);
    platform_testing::InjectKeyDown(VK_F5);
    EXPECT_EQ(uint16_t(GetAsyncKeyState(VK_F5)), 0x8001u);
    EXPECT_EQ(uint16_t(GetAsyncKeyState(VK_F5)), 0x8000u) << "the pressed bit is read once";
    platform_testing::InjectKeyUp(VK_F5);
    EXPECT_EQ(GetAsyncKeyState(VK_F5), 0);

    // A press and release between two queries still shows as pressed.
    platform_testing::InjectKeyDown(VK_F5);
    platform_testing::InjectKeyUp(VK_F5);
    EXPECT_EQ(GetAsyncKeyState(VK_F5), 1);
    EXPECT_EQ(GetAsyncKeyState(VK_F5), 0);
    EXPECT_EQ(GetAsyncKeyState(-1), 0);
    EXPECT_EQ(GetAsyncKeyState(256), 0);
}

TEST_F(Win32Keys, InjectedKeysArriveAsKeyMessagesWithWindowsParameters) {
    platform_testing::InjectKeyDown(VK_ESCAPE);
    platform_testing::InjectKeyDown(VK_ESCAPE); // held: a repeat
    platform_testing::InjectKeyUp(VK_ESCAPE);
    platform_testing::InjectKeyDown(VK_F10);
    platform_testing::InjectKeyUp(VK_F10);
    Pump();
    ASSERT_EQ(g_keyMessages.size(), 7u);
    EXPECT_EQ(g_keyMessages[0].message, UINT(WM_KEYDOWN));
    EXPECT_EQ(g_keyMessages[0].wParam, WPARAM(VK_ESCAPE));
    EXPECT_EQ(g_keyMessages[0].lParam & 0xC000FFFF, 1) << "first press: count 1, was up";
    EXPECT_EQ(g_keyMessages[1].message, UINT(WM_CHAR)) << "TranslateMessage adds the character";
    EXPECT_EQ(g_keyMessages[1].wParam, 0x1Bu);
    EXPECT_EQ(g_keyMessages[2].message, UINT(WM_KEYDOWN));
    EXPECT_EQ(uint32_t(g_keyMessages[2].lParam) >> 30, 1u) << "repeat: previously down";
    EXPECT_EQ(g_keyMessages[4].message, UINT(WM_KEYUP));
    EXPECT_EQ(uint32_t(g_keyMessages[4].lParam) >> 30, 3u) << "release: was down, going up";
    EXPECT_EQ(g_keyMessages[5].message, UINT(WM_SYSKEYDOWN)) << "F10 is a system key";
    EXPECT_EQ(g_keyMessages[6].message, UINT(WM_SYSKEYUP));
}

TEST_F(Win32Keys, AltF4AsksTheWindowToClose) {
    g_keyMessages.clear();
    uint64_t closesBefore = platform_testing::DefaultProcessedMessages(WM_CLOSE);
    platform_testing::InjectKeyDown(VK_MENU);
    platform_testing::InjectKeyDown(VK_F4);
    platform_testing::InjectKeyUp(VK_F4);
    platform_testing::InjectKeyUp(VK_MENU);
    Pump();
    EXPECT_EQ(platform_testing::DefaultProcessedMessages(WM_CLOSE), closesBefore + 1);
    EXPECT_FALSE(IsWindow(window_)) << "the default procedure destroys a closed window";
    window_ = CreateWindowExA(0, "KeyWindow", "keys", WS_POPUP, 0, 0, 10, 10, HWND{}, nullptr,
                              nullptr, nullptr);
}

TEST(Win32Clock, VirtualClockWrapsAtTwoToTheThirtyTwo) {
    platform_testing::UseVirtualClock(0xFFFFFFF0u);
    EXPECT_EQ(timeGetTime(), 0xFFFFFFF0u);
    platform_testing::AdvanceVirtualClock(0x20);
    DWORD after = timeGetTime();
    EXPECT_EQ(after, 0x10u);
    EXPECT_EQ(DWORD(after - 0xFFFFFFF0u), 0x20u);
    platform_testing::UseRealClock();
}

TEST(Win32Clock, RealClockCountsMilliseconds) {
    DWORD start = timeGetTime();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    DWORD elapsed = timeGetTime() - start;
    EXPECT_GE(elapsed, 50u);
    EXPECT_LT(elapsed, 5000u);
    EXPECT_EQ(timeBeginPeriod(1), TIMERR_NOERROR);
    EXPECT_EQ(timeEndPeriod(1), TIMERR_NOERROR);
}

} // namespace
