#include "x_events.h"

#include "display.h"
#include "keyboard.h"
#include "message_queue.h"
#include "window_registry.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace win32_standin {
namespace {

std::mutex g_destroyedMutex;
std::vector<HWND> g_externallyDestroyed;

constexpr uint8_t kEventTypeMask = 0x7F; // without the "sent by SendEvent" bit

void PostKey(const Display* display, const xcb_key_press_event_t* event, bool down, bool repeat) {
    WindowRecord window;
    if (!FindWindowByXWindow(event->event, &window)) {
        return;
    }
    VirtualKey key = VirtualKeyFromKeysym(KeysymOf(display, event->detail));
    if (key.code == 0) {
        return;
    }
    bool wasDown = RecordKeyTransition(key, down) || repeat;
    // X keycodes are evdev codes plus 8; evdev codes are the PC scan codes.
    uint32_t scanCode = event->detail >= 8 ? event->detail - 8u : 0u;
    PostToWindow(window.handle, KeyMessage(key.code, down), WPARAM(key.code),
                 KeyMessageParameter(scanCode, key.extended, wasDown, down));
}

// X reports a held key as release/press pairs with one timestamp; Windows as
// repeated key-downs. True when the release is such a pair's first half.
bool IsAutoRepeat(Display* display, const xcb_key_release_event_t* release) {
    if (display->lookahead == nullptr) {
        display->lookahead = xcb_poll_for_event(display->connection);
    }
    xcb_generic_event_t* next = display->lookahead;
    if (next == nullptr || (next->response_type & kEventTypeMask) != XCB_KEY_PRESS) {
        return false;
    }
    auto* press = reinterpret_cast<const xcb_key_press_event_t*>(next);
    return press->detail == release->detail && press->time == release->time &&
           press->event == release->event;
}

void HandleEvent(Display* display, xcb_generic_event_t* event, bool* repeatNextPress) {
    switch (event->response_type & kEventTypeMask) {
    case XCB_KEY_PRESS:
        PostKey(display, reinterpret_cast<xcb_key_press_event_t*>(event), true, *repeatNextPress);
        *repeatNextPress = false;
        break;
    case XCB_KEY_RELEASE: {
        auto* release = reinterpret_cast<xcb_key_release_event_t*>(event);
        if (IsAutoRepeat(display, release)) {
            *repeatNextPress = true;
        } else {
            PostKey(display, release, false, false);
        }
        break;
    }
    case XCB_CLIENT_MESSAGE: {
        auto* message = reinterpret_cast<xcb_client_message_event_t*>(event);
        WindowRecord window;
        if (message->type == display->atoms.wmProtocols &&
            message->data.data32[0] == display->atoms.wmDeleteWindow &&
            FindWindowByXWindow(message->window, &window)) {
            // The window manager's close box, as Windows reports it.
            PostToWindow(window.handle, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        break;
    }
    case XCB_CONFIGURE_NOTIFY: {
        auto* configure = reinterpret_cast<xcb_configure_notify_event_t*>(event);
        WindowRecord window;
        if (FindWindowByXWindow(configure->window, &window) &&
            SetClientSize(window.handle, configure->width, configure->height)) {
            PostToWindow(window.handle, WM_SIZE, 0,
                         MAKELPARAM(configure->width, configure->height));
        }
        break;
    }
    case XCB_DESTROY_NOTIFY: {
        auto* destroyed = reinterpret_cast<xcb_destroy_notify_event_t*>(event);
        WindowRecord window;
        if (FindWindowByXWindow(destroyed->window, &window)) {
            std::lock_guard lock(g_destroyedMutex);
            g_externallyDestroyed.push_back(window.handle);
        }
        break;
    }
    case XCB_FOCUS_OUT: {
        auto* focus = reinterpret_cast<xcb_focus_out_event_t*>(event);
        WindowRecord window;
        // Grabs (a window manager's key bindings) move the focus only for a while.
        if (focus->mode != XCB_NOTIFY_MODE_GRAB && focus->mode != XCB_NOTIFY_MODE_UNGRAB &&
            FindWindowByXWindow(focus->event, &window)) {
            ReleaseAllKeys();
        }
        break;
    }
    case XCB_MAPPING_NOTIFY:
        LoadKeyboardMapping(display);
        break;
    default:
        break;
    }
}

} // namespace

void DrainDisplayEvents() {
    Display* display = CurrentDisplay();
    if (display == nullptr) {
        return;
    }
    std::lock_guard lock(display->eventMutex);
    bool repeatNextPress = false;
    for (;;) {
        xcb_generic_event_t* event = display->lookahead;
        display->lookahead = nullptr;
        if (event == nullptr) {
            event = xcb_poll_for_event(display->connection);
        }
        if (event == nullptr) {
            break;
        }
        HandleEvent(display, event, &repeatNextPress);
        std::free(event);
    }
    if (!display->lost && xcb_connection_has_error(display->connection)) {
        // The server is gone: ask every window to close so the program ends.
        display->lost = true;
        std::fprintf(stderr, "win32 stand-in: the X connection was lost; closing the windows\n");
        for (HWND window : LiveWindows()) {
            PostToWindow(window, WM_CLOSE, 0, 0);
        }
    }
}

void FinishExternallyDestroyedWindows() {
    std::vector<HWND> destroyed;
    {
        std::lock_guard lock(g_destroyedMutex);
        destroyed.swap(g_externallyDestroyed);
    }
    for (HWND window : destroyed) {
        CallWindowProcedure(window, WM_DESTROY, 0, 0);
        RemoveWindowRecord(window, nullptr);
        DropMessagesFor(window);
    }
}

} // namespace win32_standin
