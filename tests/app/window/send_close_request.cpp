// Usage: send_close_request <window id>. Sends the window the WM_DELETE_WINDOW
// client message that a window manager sends when its close box is clicked.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

xcb_atom_t Intern(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr);
    xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: send_close_request <window id>\n");
        return 2;
    }
    char* end = nullptr;
    unsigned long window = std::strtoul(argv[1], &end, 0);
    if (end == argv[1] || *end != '\0' || window == 0 || window > 0xFFFFFFFFul) {
        std::fprintf(stderr, "send_close_request: \"%s\" is not a window id\n", argv[1]);
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "send_close_request: cannot connect to the X display\n");
        return 1;
    }
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = uint32_t(window);
    event.type = Intern(connection, "WM_PROTOCOLS");
    event.data.data32[0] = Intern(connection, "WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_void_cookie_t cookie =
        xcb_send_event_checked(connection, 0, uint32_t(window), XCB_EVENT_MASK_NO_EVENT,
                               reinterpret_cast<const char*>(&event));
    xcb_generic_error_t* error = xcb_request_check(connection, cookie);
    int status = 0;
    if (error != nullptr) {
        std::fprintf(stderr, "send_close_request: the X server refused (error %d)\n",
                     error->error_code);
        std::free(error);
        status = 1;
    }
    xcb_disconnect(connection);
    return status;
}
