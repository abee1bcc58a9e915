// The one way other parts of the stand-in reach a window's X11 side: the DXGI
// swap chain presents into the window through it.
#pragma once

#include <windows.h>

#include <xcb/xcb.h>

#include <cstdint>

namespace win32_standin {

struct NativeWindow {
    xcb_connection_t* connection;
    uint32_t window;
    uint32_t clientWidth;
    uint32_t clientHeight;
};

// False for an unknown HWND. connection is null when the window exists without a display.
bool GetNativeWindow(HWND hwnd, NativeWindow* out);

} // namespace win32_standin
