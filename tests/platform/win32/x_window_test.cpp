// What a real X server shows of a window and delivers to it. A second X
// connection plays the other clients: it reads the window's properties and
// sends key events, a window manager's close request and a destruction.
#include "recording_window.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <platform_testing.h>
#include <window_bridge.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

class Win32X : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(std::getenv("DISPLAY"), nullptr)
            << "needs an X display: run through scripts/test.sh, which starts Xvfb";
        other_ = xcb_connect(nullptr, nullptr);
        ASSERT_EQ(xcb_connection_has_error(other_), 0) << "cannot reach the X display";
        ASSERT_TRUE(RegisterRecordingClass());
        RECT outer{0, 0, 200, 100};
        AdjustWindowRectEx(&outer, WS_CAPTION | WS_SYSMENU, FALSE, 0);
        window_ = CreateWindowExA(0, kRecordingClass, "X test window", WS_CAPTION | WS_SYSMENU, 40,
                                  40, outer.right - outer.left, outer.bottom - outer.top, HWND{},
                                  nullptr, nullptr, nullptr);
        ASSERT_NE(window_, HWND{});
        ShowWindow(window_, SW_SHOW);
        ASSERT_TRUE(win32_standin::GetNativeWindow(window_, &native_));
        ASSERT_NE(native_.connection, nullptr);
        g_received.clear();
    }
    void TearDown() override {
        if (IsWindow(window_)) {
            DestroyWindow(window_);
        }
        if (other_ != nullptr) {
            xcb_disconnect(other_);
        }
    }

    std::vector<uint8_t> Property(const char* name) {
        xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
            other_, xcb_intern_atom(other_, 0, uint16_t(std::strlen(name)), name), nullptr);
        xcb_get_property_reply_t* reply =
            xcb_get_property_reply(other_,
                                   xcb_get_property(other_, 0, native_.window, atom->atom,
                                                    XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
                                   nullptr);
        std::free(atom);
        std::vector<uint8_t> bytes;
        if (reply != nullptr) {
            auto* data = static_cast<const uint8_t*>(xcb_get_property_value(reply));
            bytes.assign(data, data + xcb_get_property_value_length(reply));
            std::free(reply);
        }
        return bytes;
    }

    xcb_keycode_t KeycodeOf(uint32_t keysym) {
        const xcb_setup_t* setup = xcb_get_setup(other_);
        uint8_t count = uint8_t(setup->max_keycode - setup->min_keycode + 1);
        xcb_get_keyboard_mapping_reply_t* reply = xcb_get_keyboard_mapping_reply(
            other_, xcb_get_keyboard_mapping(other_, setup->min_keycode, count), nullptr);
        xcb_keycode_t found = 0;
        const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(reply);
        for (int at = 0; at < xcb_get_keyboard_mapping_keysyms_length(reply); ++at) {
            if (at % reply->keysyms_per_keycode == 0 && syms[at] == keysym) {
                found = xcb_keycode_t(setup->min_keycode + at / reply->keysyms_per_keycode);
                break;
            }
        }
        std::free(reply);
        return found;
    }

    void SendKey(uint8_t type, xcb_keycode_t keycode, uint32_t time) {
        xcb_key_press_event_t event{};
        event.response_type = type;
        event.detail = keycode;
        event.time = time;
        event.root = xcb_setup_roots_iterator(xcb_get_setup(other_)).data->root;
        event.event = native_.window;
        event.same_screen = 1;
        xcb_send_event(other_, 0, native_.window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&event));
    }

    // Waits until the server has handled what the other client sent, then
    // pumps until `count` messages arrived or two seconds passed.
    void PumpUntil(size_t count) {
        std::free(xcb_get_input_focus_reply(other_, xcb_get_input_focus(other_), nullptr));
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (g_received.size() < count && std::chrono::steady_clock::now() < deadline) {
            MSG message;
            while (PeekMessageA(&message, HWND{}, 0, 0, PM_REMOVE)) {
                DispatchMessageA(&message);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    xcb_connection_t* other_ = nullptr;
    HWND window_ = HWND{};
    win32_standin::NativeWindow native_{};
};

TEST_F(Win32X, WindowShowsItsCaptionFixedClientSizeAndCloseProtocol) {
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(other_, xcb_get_geometry(other_, native_.window), nullptr);
    ASSERT_NE(geometry, nullptr);
    EXPECT_EQ(geometry->width, 200);
    EXPECT_EQ(geometry->height, 100);
    EXPECT_EQ(geometry->x, 43) << "the client area sits inside the 3-pixel frame";
    EXPECT_EQ(geometry->y, 66) << "and below the 23-pixel caption";
    std::free(geometry);

    std::vector<uint8_t> name = Property("_NET_WM_NAME");
    EXPECT_EQ(std::string(name.begin(), name.end()), "X test window");
    name = Property("WM_NAME");
    EXPECT_EQ(std::string(name.begin(), name.end()), "X test window");

    std::vector<uint8_t> hints = Property("WM_NORMAL_HINTS");
    ASSERT_EQ(hints.size(), 18u * 4u);
    uint32_t words[18];
    std::memcpy(words, hints.data(), sizeof(words));
    EXPECT_EQ(words[0] & 48u, 48u) << "min and max size given";
    EXPECT_EQ(words[5], 200u);
    EXPECT_EQ(words[6], 100u);
    EXPECT_EQ(words[7], 200u);
    EXPECT_EQ(words[8], 100u);
    EXPECT_EQ(Property("WM_PROTOCOLS").size(), 4u);
}

TEST_F(Win32X, KeyEventsBecomeVirtualKeyMessages) {
    struct Case {
        uint32_t keysym;
        WPARAM virtualKey;
        bool extended;
    };
    const Case cases[] = {{0xFF1B, VK_ESCAPE, false}, {0xFFC2, VK_F5, false},
                          {0x0061, 'A', false},       {0x0037, '7', false},
                          {0xFF51, VK_LEFT, true},    {0x0020, VK_SPACE, false},
                          {0xFF0D, VK_RETURN, false}, {0xFFC9, VK_F12, false}};
    uint32_t time = 1000;
    for (const Case& key : cases) {
        xcb_keycode_t keycode = KeycodeOf(key.keysym);
        ASSERT_NE(keycode, 0) << "no keycode for keysym " << key.keysym;
        g_received.clear();
        GetAsyncKeyState(int(key.virtualKey));
        SendKey(XCB_KEY_PRESS, keycode, time++);
        PumpUntil(1);
        EXPECT_EQ(uint16_t(GetAsyncKeyState(int(key.virtualKey))), 0x8001u);
        SendKey(XCB_KEY_RELEASE, keycode, time++);
        PumpUntil(2);
        ASSERT_EQ(g_received.size(), 2u) << "keysym " << key.keysym;
        EXPECT_EQ(g_received[0].message, UINT(WM_KEYDOWN));
        EXPECT_EQ(g_received[0].wParam, key.virtualKey);
        EXPECT_EQ((g_received[0].lParam >> 24) & 1, key.extended ? 1 : 0);
        EXPECT_EQ((g_received[0].lParam >> 16) & 0xFF, keycode - 8);
        EXPECT_EQ(g_received[1].message, UINT(WM_KEYUP));
        EXPECT_EQ(g_received[1].wParam, key.virtualKey);
        EXPECT_EQ(GetAsyncKeyState(int(key.virtualKey)), 0);
    }
}

TEST_F(Win32X, AutoRepeatIsARepeatedKeyDownNotAReleaseAndPress) {
    xcb_keycode_t keycode = KeycodeOf(0xFFC2); // F5
    SendKey(XCB_KEY_PRESS, keycode, 5000);
    SendKey(XCB_KEY_RELEASE, keycode, 5030); // the server's auto-repeat:
    SendKey(XCB_KEY_PRESS, keycode, 5030);   // release and press at one time
    SendKey(XCB_KEY_RELEASE, keycode, 5100);
    xcb_flush(other_);
    PumpUntil(3);
    ASSERT_EQ(g_received.size(), 3u);
    EXPECT_EQ(g_received[0].message, UINT(WM_KEYDOWN));
    EXPECT_EQ(g_received[1].message, UINT(WM_KEYDOWN));
    EXPECT_EQ(uint32_t(g_received[1].lParam) >> 30, 1u) << "marked as previously down";
    EXPECT_EQ(g_received[2].message, UINT(WM_KEYUP));
}

TEST_F(Win32X, WindowManagerCloseArrivesAsCloseCommand) {
    xcb_intern_atom_reply_t* protocols =
        xcb_intern_atom_reply(other_, xcb_intern_atom(other_, 0, 12, "WM_PROTOCOLS"), nullptr);
    xcb_intern_atom_reply_t* deleteWindow =
        xcb_intern_atom_reply(other_, xcb_intern_atom(other_, 0, 16, "WM_DELETE_WINDOW"), nullptr);
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = native_.window;
    event.type = protocols->atom;
    event.data.data32[0] = deleteWindow->atom;
    event.data.data32[1] = XCB_CURRENT_TIME;
    std::free(protocols);
    std::free(deleteWindow);
    xcb_send_event(other_, 0, native_.window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&event));
    PumpUntil(3);
    ASSERT_EQ(g_received.size(), 3u);
    EXPECT_EQ(g_received[0].message, UINT(WM_SYSCOMMAND));
    EXPECT_EQ(g_received[0].wParam, WPARAM(SC_CLOSE));
    EXPECT_EQ(g_received[1].message, UINT(WM_CLOSE));
    EXPECT_EQ(g_received[2].message, UINT(WM_DESTROY));
    EXPECT_FALSE(IsWindow(window_));
}

TEST_F(Win32X, WindowDestroyedByAnotherClientGetsDestroyMessage) {
    xcb_destroy_window(other_, native_.window);
    xcb_flush(other_);
    PumpUntil(1);
    ASSERT_EQ(g_received.size(), 1u);
    EXPECT_EQ(g_received[0].message, UINT(WM_DESTROY));
    EXPECT_FALSE(IsWindow(window_));
}

} // namespace
