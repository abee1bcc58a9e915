#include "window.h"

#include <timeapi.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace {

constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU;
constexpr DWORD kWindowExStyle = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE;

// Filled on the first call only; a function-local static is initialised once
// even if two threads get here together. The class keeps its own copy of the
// first title, as the caller's string need not outlive the call.
WNDCLASSEXA& AppWindowClass(const char* title) {
    static const std::string className = title != nullptr ? title : "";
    static WNDCLASSEXA windowClass = [] {
        WNDCLASSEXA filled{};
        filled.cbSize = sizeof(WNDCLASSEXA);
        filled.style = CS_VREDRAW | CS_HREDRAW | CS_OWNDC;
        filled.lpfnWndProc = WindowProc;
        filled.cbClsExtra = 0;
        filled.cbWndExtra = 0;
        filled.hInstance = GetModuleHandleA(nullptr);
        filled.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
        filled.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        filled.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        filled.lpszMenuName = nullptr;
        filled.lpszClassName = className.c_str();
        filled.hIconSm = nullptr;
        return filled;
    }();
    return windowClass;
}

} // namespace

HWND CreateAppWindow(const char* title, int width, int height) {
    WNDCLASSEXA& windowClass = AppWindowClass(title);
    windowClass.hInstance = GetModuleHandleA(nullptr);
    RegisterClassExA(&windowClass);

    // Grow the client rectangle by the frame so the client area is exactly
    // width x height.
    RECT rect;
    SetRect(&rect, 0, 0, width, height);
    AdjustWindowRectEx(&rect, kWindowStyle, FALSE, kWindowExStyle);

    HWND hwnd =
        CreateWindowExA(kWindowExStyle, title, title, kWindowStyle, 0, 0, rect.right - rect.left,
                        rect.bottom - rect.top, HWND{}, nullptr, windowClass.hInstance, nullptr);
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    ShowCursor(TRUE);
    return hwnd;
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_CLOSE:
        // Only ask to quit: the window stays until the process ends.
        PostQuitMessage(0);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) {
            PostQuitMessage(0);
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_SYSCOMMAND:
        // Windows uses the low four bits of the command itself.
        switch (wParam & 0xFFF0) {
        case SC_MONITORPOWER:
        case SC_SCREENSAVE:
            return 0;
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
        }
    case WM_IME_SETCONTEXT:
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

int PumpMessages() {
    int result = 1;
    MSG msg;
    while (PeekMessageA(&msg, HWND{}, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            result = 0;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return result;
}

int UpdateFrameRate() {
    static DWORD lastReport = timeGetTime();
    static uint32_t frameCount = 0;
    static char text[256];

    DWORD now = timeGetTime();
    ++frameCount;
    // Unsigned subtraction stays right when the millisecond timer wraps.
    DWORD elapsed = now - lastReport;
    if (elapsed >= 1000) {
        lastReport = now;
        float rate = static_cast<float>(frameCount) / (static_cast<float>(elapsed) / 1000.0f);
        frameCount = 0;
        std::snprintf(text, sizeof(text), "%.02f fps", rate);
        std::printf("%s\n", text);
    }
    return 0;
}
