#include "cursor.h"

#include "window_registry.h"

#include <windows.h>

#include <atomic>
#include <mutex>

namespace win32_standin {
namespace {

std::mutex g_mutex;
// The cursor shows while the count is at least 0; it starts at 0 as on a
// machine with a mouse.
int g_count = 0;
uint32_t g_invisibleCursor = XCB_CURSOR_NONE;

uint32_t InvisibleCursor(Display* display) {
    if (g_invisibleCursor == XCB_CURSOR_NONE) {
        // A cursor whose 1x1 mask is empty shows nothing.
        xcb_pixmap_t pixmap = xcb_generate_id(display->connection);
        xcb_create_pixmap(display->connection, 1, pixmap, display->screen->root, 1, 1);
        g_invisibleCursor = xcb_generate_id(display->connection);
        xcb_create_cursor(display->connection, g_invisibleCursor, pixmap, pixmap, 0, 0, 0, 0, 0, 0,
                          0, 0);
        xcb_free_pixmap(display->connection, pixmap);
    }
    return g_invisibleCursor;
}

uint32_t CursorFor(Display* display, int count) {
    return count < 0 ? InvisibleCursor(display) : uint32_t(XCB_CURSOR_NONE);
}

} // namespace

uint32_t CursorForNewWindow(Display* display) {
    std::lock_guard lock(g_mutex);
    return CursorFor(display, g_count);
}

} // namespace win32_standin

using namespace win32_standin;

int WINAPI ShowCursor(BOOL bShow) {
    std::lock_guard lock(g_mutex);
    bool wasHidden = g_count < 0;
    g_count += bShow ? 1 : -1;
    Display* display = CurrentDisplay();
    if (display != nullptr && wasHidden != (g_count < 0)) {
        uint32_t cursor = CursorFor(display, g_count);
        for (HWND handle : LiveWindows()) {
            WindowRecord record;
            if (FindWindowRecord(handle, &record) && record.xWindow != 0) {
                xcb_change_window_attributes(display->connection, record.xWindow, XCB_CW_CURSOR,
                                             &cursor);
            }
        }
        xcb_flush(display->connection);
    }
    return g_count;
}
