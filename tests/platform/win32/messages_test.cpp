// Window creation, the message queue and the default window procedure.
#include "recording_window.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <platform_testing.h>
#include <window_bridge.h>

#include <vector>

namespace {

std::vector<UINT> ReceivedMessages() {
    std::vector<UINT> messages;
    for (const MSG& message : g_received) {
        messages.push_back(message.message);
    }
    return messages;
}

HWND MakeWindow(DWORD style, int outerWidth, int outerHeight) {
    EXPECT_TRUE(RegisterRecordingClass());
    return CreateWindowExA(0, kRecordingClass, "test", style, 10, 10, outerWidth, outerHeight,
                           HWND{}, nullptr, GetModuleHandleA(nullptr), nullptr);
}

void DrainQueue() {
    MSG message;
    while (PeekMessageA(&message, HWND{}, 0, 0, PM_REMOVE)) {
    }
}

TEST(Win32Windows, FrameMetricsAreThoseOfWindows10) {
    RECT fixed{0, 0, 1280, 720};
    ASSERT_TRUE(AdjustWindowRectEx(&fixed, WS_CAPTION | WS_SYSMENU, FALSE,
                                   WS_EX_APPWINDOW | WS_EX_WINDOWEDGE));
    EXPECT_EQ(fixed.left, -3);
    EXPECT_EQ(fixed.top, -26);
    EXPECT_EQ(fixed.right, 1283);
    EXPECT_EQ(fixed.bottom, 723);

    RECT sizable{0, 0, 100, 100};
    AdjustWindowRectEx(&sizable, WS_OVERLAPPEDWINDOW, TRUE, WS_EX_CLIENTEDGE);
    EXPECT_EQ(sizable.left, -10);
    EXPECT_EQ(sizable.top, -10 - 23 - 20);
    EXPECT_EQ(sizable.bottom, 110);

    RECT popup{5, 5, 6, 6};
    AdjustWindowRectEx(&popup, WS_POPUP, FALSE, 0);
    EXPECT_EQ(popup.left, 5);
    EXPECT_EQ(popup.bottom, 6);
    EXPECT_FALSE(AdjustWindowRectEx(nullptr, WS_POPUP, FALSE, 0));
}

TEST(Win32Windows, ClientAreaIsTheOuterSizeLessTheFrame) {
    DrainQueue();
    RECT outer{0, 0, 320, 200};
    AdjustWindowRectEx(&outer, WS_OVERLAPPEDWINDOW, FALSE, 0);
    HWND window =
        MakeWindow(WS_OVERLAPPEDWINDOW, outer.right - outer.left, outer.bottom - outer.top);
    ASSERT_NE(window, HWND{});
    win32_standin::NativeWindow native{};
    ASSERT_TRUE(win32_standin::GetNativeWindow(window, &native));
    EXPECT_EQ(native.connection, nullptr) << "runs with DISPLAY unset";
    EXPECT_EQ(native.clientWidth, 320u);
    EXPECT_EQ(native.clientHeight, 200u);
    EXPECT_FALSE(win32_standin::GetNativeWindow(HWND(987654), &native));

    // A frame larger than the window leaves a 1x1 client area, not a negative one.
    HWND tiny = MakeWindow(WS_OVERLAPPEDWINDOW, 4, 4);
    ASSERT_TRUE(win32_standin::GetNativeWindow(tiny, &native));
    EXPECT_EQ(native.clientWidth, 1u);
    EXPECT_EQ(native.clientHeight, 1u);
    DestroyWindow(tiny);
    DestroyWindow(window);
}

TEST(Win32Windows, RefusesUnknownClassesAndBadRecords) {
    EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "x", WS_POPUP, 0, 0, 10, 10, HWND{}, nullptr,
                              nullptr, nullptr),
              HWND{});
    WNDCLASSEXA wrongSize{};
    wrongSize.cbSize = sizeof(wrongSize) - 8;
    wrongSize.lpfnWndProc = RecordingProc;
    wrongSize.lpszClassName = "WrongSize";
    EXPECT_EQ(RegisterClassExA(&wrongSize), 0);
    EXPECT_EQ(RegisterClassExA(nullptr), 0);
    EXPECT_EQ(sizeof(WNDCLASSEXA), 80u);
}

TEST(Win32Messages, PeekFiltersByWindowAndRangeAndCanLeaveMessagesQueued) {
    DrainQueue();
    HWND first = MakeWindow(WS_POPUP, 10, 10);
    HWND second = MakeWindow(WS_POPUP, 10, 10);
    ASSERT_TRUE(PostMessageA(first, WM_USER + 1, 11, 0));
    ASSERT_TRUE(PostMessageA(second, WM_USER + 2, 22, 0));
    ASSERT_TRUE(PostMessageA(HWND{}, WM_USER + 3, 33, 0));
    EXPECT_FALSE(PostMessageA(HWND(987654), WM_USER, 0, 0));

    MSG message{};
    ASSERT_TRUE(PeekMessageA(&message, second, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(message.wParam, 22u);
    ASSERT_TRUE(PeekMessageA(&message, HWND(-1), 0, 0, PM_REMOVE));
    EXPECT_EQ(message.wParam, 33u) << "-1 asks for messages posted to the thread";
    ASSERT_TRUE(PeekMessageA(&message, HWND{}, WM_USER + 2, WM_USER + 2, PM_REMOVE));
    EXPECT_EQ(message.hwnd, second);
    ASSERT_TRUE(PeekMessageA(&message, HWND{}, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.hwnd, first);
    EXPECT_FALSE(PeekMessageA(&message, HWND{}, 0, 0, PM_REMOVE));
    EXPECT_FALSE(PeekMessageA(nullptr, HWND{}, 0, 0, PM_REMOVE));

    PostQuitMessage(7);
    ASSERT_TRUE(PeekMessageA(&message, first, 0, 0, PM_REMOVE)) << "quit ignores the window";
    EXPECT_EQ(message.message, UINT(WM_QUIT));
    EXPECT_EQ(message.wParam, 7u);
    EXPECT_EQ(message.hwnd, HWND{});
    EXPECT_EQ(DispatchMessageA(&message), 0);
    DestroyWindow(first);
    DestroyWindow(second);
}

TEST(Win32Messages, CloseCommandClosesAndDestroysThroughTheDefaultProcedure) {
    DrainQueue();
    HWND window = MakeWindow(WS_OVERLAPPEDWINDOW, 100, 100);
    g_received.clear();
    PostMessageA(window, WM_USER, 0, 0);
    EXPECT_EQ(SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE | 2, 0), 0);
    EXPECT_EQ(ReceivedMessages(), (std::vector<UINT>{WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY}));
    EXPECT_FALSE(IsWindow(window));
    MSG message;
    EXPECT_FALSE(PeekMessageA(&message, HWND{}, 0, 0, PM_REMOVE))
        << "a destroyed window's posted messages go with it";
    EXPECT_FALSE(DestroyWindow(window));
    EXPECT_EQ(SendMessageA(window, WM_CLOSE, 0, 0), 0) << "a stale handle reaches nobody";
    EXPECT_EQ(g_received.size(), 3u);
}

TEST(Win32Messages, CreationAndShowingReachTheWindowProcedure) {
    g_received.clear();
    HWND window = MakeWindow(WS_POPUP | WS_VISIBLE, 10, 10);
    EXPECT_EQ(ReceivedMessages(), (std::vector<UINT>{WM_CREATE, WM_SHOWWINDOW}));
    EXPECT_TRUE(ShowWindow(window, SW_HIDE)) << "it was visible";
    EXPECT_FALSE(ShowWindow(window, SW_HIDE));
    EXPECT_TRUE(UpdateWindow(window));
    DestroyWindow(window);
    EXPECT_FALSE(UpdateWindow(window));
    EXPECT_FALSE(ShowWindow(window, SW_SHOW));
}

TEST(Win32Resources, StockObjectsExistAndOthersDoNot) {
    EXPECT_NE(GetModuleHandleA(nullptr), nullptr);
    EXPECT_EQ(GetModuleHandleA("no-such-module.so"), nullptr);
    EXPECT_NE(LoadIconA(nullptr, IDI_APPLICATION), nullptr);
    EXPECT_NE(LoadCursorA(nullptr, IDC_ARROW), nullptr);
    EXPECT_EQ(LoadIconA(nullptr, "named icon"), nullptr);
    EXPECT_EQ(LoadCursorA(GetModuleHandleA(nullptr), IDC_ARROW), nullptr)
        << "the program has no cursor resources";
    EXPECT_NE(GetStockObject(BLACK_BRUSH), nullptr);
    EXPECT_NE(GetStockObject(BLACK_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetStockObject(999), nullptr);
    int shown = ShowCursor(TRUE);
    EXPECT_EQ(ShowCursor(FALSE), shown - 1);
}

} // namespace
