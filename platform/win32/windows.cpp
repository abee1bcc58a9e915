// Window classes and windows: each window is a top-level X window whose size
// is the client area, or, without a display, a window that only exists here.
#include "cursor.h"
#include "display.h"
#include "message_queue.h"
#include "window_bridge.h"
#include "window_registry.h"

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace win32_standin {

int StockBrushIndex(HBRUSH brush);

namespace {

// X sizes are 16-bit; Windows keeps windows far below that anyway.
constexpr int kLargestSide = 32767;
constexpr int kDefaultOuterWidth = 800;
constexpr int kDefaultOuterHeight = 600;

// ICCCM WM_SIZE_HINTS flags.
constexpr uint32_t kUserPosition = 1u;
constexpr uint32_t kProgramSize = 8u;
constexpr uint32_t kProgramMinSize = 16u;
constexpr uint32_t kProgramMaxSize = 32u;

// Motif hints: which window-manager functions the frame offers.
constexpr uint32_t kMotifFunctions = 1u;
constexpr uint32_t kMotifResize = 2u;
constexpr uint32_t kMotifMove = 4u;
constexpr uint32_t kMotifMinimize = 8u;
constexpr uint32_t kMotifMaximize = 16u;
constexpr uint32_t kMotifClose = 32u;

int Clamp(int value, int low, int high) {
    return value < low ? low : (value > high ? high : value);
}

void SetProperty(xcb_connection_t* connection, uint32_t window, xcb_atom_t property,
                 xcb_atom_t type, uint8_t format, size_t count, const void* data) {
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, property, type, format,
                        static_cast<uint32_t>(count), data);
}

void DescribeToWindowManager(const Display* display, uint32_t window, const WindowRecord& record,
                             int x, int y) {
    xcb_connection_t* connection = display->connection;
    const std::string& caption = record.caption;
    SetProperty(connection, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, caption.size(),
                caption.data());
    SetProperty(connection, window, display->atoms.netWmName, display->atoms.utf8String, 8,
                caption.size(), caption.data());
    std::string wmClass = record.className + '\0' + record.className + '\0';
    SetProperty(connection, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8, wmClass.size(),
                wmClass.data());
    SetProperty(connection, window, display->atoms.wmProtocols, XCB_ATOM_ATOM, 32, 1,
                &display->atoms.wmDeleteWindow);
    // The process id only means something together with the machine's name.
    uint32_t pid = static_cast<uint32_t>(getpid());
    SetProperty(connection, window, display->atoms.netWmPid, XCB_ATOM_CARDINAL, 32, 1, &pid);
    char host[256] = {};
    if (gethostname(host, sizeof(host) - 1) == 0) {
        SetProperty(connection, window, XCB_ATOM_WM_CLIENT_MACHINE, XCB_ATOM_STRING, 8,
                    std::strlen(host), host);
    }

    uint32_t sizeHints[18] = {};
    sizeHints[0] = kUserPosition | kProgramSize;
    sizeHints[1] = static_cast<uint32_t>(x);
    sizeHints[2] = static_cast<uint32_t>(y);
    sizeHints[3] = record.clientWidth;
    sizeHints[4] = record.clientHeight;
    if (!(record.style & WS_THICKFRAME)) {
        // Without a sizing frame the window cannot be resized: min = max.
        sizeHints[0] |= kProgramMinSize | kProgramMaxSize;
        sizeHints[5] = sizeHints[7] = record.clientWidth;
        sizeHints[6] = sizeHints[8] = record.clientHeight;
    }
    SetProperty(connection, window, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, 32, 18,
                sizeHints);

    uint32_t functions = kMotifMove;
    functions |= (record.style & WS_SYSMENU) ? kMotifClose : 0u;
    functions |= (record.style & WS_THICKFRAME) ? kMotifResize : 0u;
    functions |= (record.style & WS_MINIMIZEBOX) ? kMotifMinimize : 0u;
    functions |= (record.style & WS_MAXIMIZEBOX) ? kMotifMaximize : 0u;
    uint32_t motifHints[5] = {kMotifFunctions, functions, 0, 0, 0};
    SetProperty(connection, window, display->atoms.motifWmHints, display->atoms.motifWmHints, 32, 5,
                motifHints);
}

// The X window for a record, or 0 when the server refused it.
uint32_t CreateXWindow(Display* display, const WindowRecord& record, const WindowClass& windowClass,
                       int x, int y) {
    xcb_connection_t* connection = display->connection;
    uint32_t window = xcb_generate_id(connection);
    int brush = StockBrushIndex(windowClass.background);
    uint32_t background =
        brush == WHITE_BRUSH ? display->screen->white_pixel : display->screen->black_pixel;
    uint32_t events = XCB_EVENT_MASK_KEY_PRESS | XCB_EVENT_MASK_KEY_RELEASE |
                      XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_FOCUS_CHANGE;
    // In the order of their XCB_CW_ bits.
    uint32_t values[3] = {background, events, CursorForNewWindow(display)};
    xcb_void_cookie_t cookie = xcb_create_window_checked(
        connection, XCB_COPY_FROM_PARENT, window, display->screen->root, int16_t(x), int16_t(y),
        uint16_t(record.clientWidth), uint16_t(record.clientHeight), 0,
        XCB_WINDOW_CLASS_INPUT_OUTPUT, display->screen->root_visual,
        XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK | XCB_CW_CURSOR, values);
    if (xcb_generic_error_t* error = xcb_request_check(connection, cookie)) {
        std::fprintf(stderr, "CreateWindowExA: the X server refused the window (error %d)\n",
                     error->error_code);
        std::free(error);
        return 0;
    }
    DescribeToWindowManager(display, window, record, x, y);
    // A round trip, not just a flush: once CreateWindowExA returns, other
    // clients (the window manager, a test reading the caption) see the
    // window's caption and size hints, as they would on Windows.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    return window;
}

} // namespace

bool GetNativeWindow(HWND hwnd, NativeWindow* out) {
    WindowRecord record;
    if (out == nullptr || !FindWindowRecord(hwnd, &record)) {
        return false;
    }
    Display* display = CurrentDisplay();
    out->connection = record.xWindow != 0 && display != nullptr ? display->connection : nullptr;
    out->window = record.xWindow;
    out->clientWidth = record.clientWidth;
    out->clientHeight = record.clientHeight;
    return true;
}

} // namespace win32_standin

using namespace win32_standin;

ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* lpwcx) {
    if (lpwcx == nullptr || lpwcx->cbSize != sizeof(WNDCLASSEXA) ||
        lpwcx->lpszClassName == nullptr || lpwcx->lpfnWndProc == nullptr) {
        std::fprintf(stderr,
                     "RegisterClassExA: needs cbSize %zu, a class name and a window "
                     "procedure\n",
                     sizeof(WNDCLASSEXA));
        return 0;
    }
    WindowClass windowClass;
    windowClass.name = lpwcx->lpszClassName;
    windowClass.style = lpwcx->style;
    windowClass.procedure = lpwcx->lpfnWndProc;
    windowClass.instance = lpwcx->hInstance;
    windowClass.background = lpwcx->hbrBackground;
    if (!AddClass(windowClass)) {
        // ERROR_CLASS_ALREADY_EXISTS on Windows.
        return 0;
    }
    static std::atomic<ATOM> nextAtom{0xC000};
    return nextAtom++;
}

BOOL WINAPI UnregisterClassA(LPCSTR lpClassName, HINSTANCE) {
    return lpClassName != nullptr && RemoveClass(lpClassName) ? TRUE : FALSE;
}

HWND WINAPI CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle,
                            int X, int Y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu,
                            HINSTANCE hInstance, LPVOID lpParam) {
    WindowClass windowClass;
    if (lpClassName == nullptr || !FindClass(lpClassName, &windowClass)) {
        std::fprintf(stderr, "CreateWindowExA: window class \"%s\" is not registered\n",
                     lpClassName != nullptr ? lpClassName : "(null)");
        return 0;
    }
    if (X == CW_USEDEFAULT) {
        X = Y = 0;
    }
    if (nWidth == CW_USEDEFAULT) {
        nWidth = kDefaultOuterWidth;
        nHeight = kDefaultOuterHeight;
    }
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, dwStyle, hMenu != nullptr, dwExStyle);

    WindowRecord record;
    record.procedure = windowClass.procedure;
    record.className = windowClass.name;
    record.caption = lpWindowName != nullptr ? lpWindowName : "";
    record.style = dwStyle;
    record.exStyle = dwExStyle;
    record.clientWidth = uint32_t(Clamp(nWidth - (frame.right - frame.left), 1, kLargestSide));
    record.clientHeight = uint32_t(Clamp(nHeight - (frame.bottom - frame.top), 1, kLargestSide));
    record.owner = std::this_thread::get_id();
    if (Display* display = OpenDisplay()) {
        // The client area sits inside the frame, as on Windows.
        int clientX = Clamp(X - frame.left, -kLargestSide, kLargestSide);
        int clientY = Clamp(Y - frame.top, -kLargestSide, kLargestSide);
        record.xWindow = CreateXWindow(display, record, windowClass, clientX, clientY);
        if (record.xWindow == 0) {
            return 0;
        }
    }
    HWND window = AddWindow(record);

    CREATESTRUCTA create{};
    create.lpCreateParams = lpParam;
    create.hInstance = hInstance;
    create.hMenu = hMenu;
    create.hwndParent = hWndParent;
    create.cx = nWidth;
    create.cy = nHeight;
    create.x = X;
    create.y = Y;
    create.style = LONG(dwStyle);
    create.lpszName = lpWindowName;
    create.lpszClass = lpClassName;
    create.dwExStyle = dwExStyle;
    if (CallWindowProcedure(window, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        DestroyWindow(window);
        return 0;
    }
    if (dwStyle & WS_VISIBLE) {
        ShowWindow(window, SW_SHOW);
    }
    return window;
}

BOOL WINAPI DestroyWindow(HWND hWnd) {
    if (!IsWindow(hWnd)) {
        return FALSE;
    }
    // The window still exists while its procedure handles WM_DESTROY.
    CallWindowProcedure(hWnd, WM_DESTROY, 0, 0);
    WindowRecord record;
    if (!RemoveWindowRecord(hWnd, &record)) {
        return TRUE; // destroyed meanwhile by its own WM_DESTROY handler
    }
    DropMessagesFor(hWnd);
    Display* display = CurrentDisplay();
    if (display != nullptr && record.xWindow != 0) {
        xcb_destroy_window(display->connection, record.xWindow);
        xcb_flush(display->connection);
    }
    return TRUE;
}

BOOL WINAPI IsWindow(HWND hWnd) {
    WindowRecord record;
    return FindWindowRecord(hWnd, &record) ? TRUE : FALSE;
}

BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow) {
    bool show = nCmdShow != SW_HIDE;
    bool wasVisible = false;
    if (!SetWindowVisible(hWnd, show, &wasVisible)) {
        return FALSE;
    }
    if (show != wasVisible) {
        WindowRecord record;
        Display* display = CurrentDisplay();
        if (display != nullptr && FindWindowRecord(hWnd, &record) && record.xWindow != 0) {
            if (show) {
                xcb_map_window(display->connection, record.xWindow);
            } else {
                xcb_unmap_window(display->connection, record.xWindow);
            }
            xcb_flush(display->connection);
        }
        CallWindowProcedure(hWnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    }
    return wasVisible ? TRUE : FALSE;
}

BOOL WINAPI UpdateWindow(HWND hWnd) {
    if (!IsWindow(hWnd)) {
        return FALSE;
    }
    // Nothing is drawn through GDI; what matters is that the server has seen
    // every request made for the window so far.
    if (Display* display = CurrentDisplay()) {
        xcb_flush(display->connection);
    }
    return TRUE;
}

BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect) {
    WindowRecord record;
    if (lpRect == nullptr || !FindWindowRecord(hWnd, &record)) {
        return FALSE;
    }
    *lpRect = RECT{0, 0, int(record.clientWidth), int(record.clientHeight)};
    return TRUE;
}
