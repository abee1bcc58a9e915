#include "display.h"

#include "standard_streams.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace win32_standin {
namespace {

Display* g_display = nullptr;
std::once_flag g_opened;

xcb_atom_t Intern(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

Display* Connect() {
    const char* name = std::getenv("DISPLAY");
    if (name == nullptr || name[0] == '\0') {
        std::fprintf(stderr,
                     "win32 stand-in: DISPLAY is not set; running without a display (no input)\n");
        return nullptr;
    }
    // A connection on a missing standard descriptor would receive the
    // program's output as X requests.
    KeepStandardStreamsOpen();
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(name, &screenNumber);
    if (int error = xcb_connection_has_error(connection)) {
        std::fprintf(stderr,
                     "win32 stand-in: cannot connect to X display \"%s\" (xcb error %d); running "
                     "without a display (no input)\n",
                     name, error);
        xcb_disconnect(connection);
        return nullptr;
    }
    auto* display = new Display;
    display->connection = connection;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i) {
        xcb_screen_next(&screens);
    }
    display->screen = screens.data;
    display->atoms.wmProtocols = Intern(connection, "WM_PROTOCOLS");
    display->atoms.wmDeleteWindow = Intern(connection, "WM_DELETE_WINDOW");
    display->atoms.netWmName = Intern(connection, "_NET_WM_NAME");
    display->atoms.netWmPid = Intern(connection, "_NET_WM_PID");
    display->atoms.utf8String = Intern(connection, "UTF8_STRING");
    display->atoms.motifWmHints = Intern(connection, "_MOTIF_WM_HINTS");
    LoadKeyboardMapping(display);
    return display;
}

} // namespace

Display* OpenDisplay() {
    std::call_once(g_opened, [] { g_display = Connect(); });
    return g_display;
}

Display* CurrentDisplay() {
    return g_display;
}

void LoadKeyboardMapping(Display* display) {
    const xcb_setup_t* setup = xcb_get_setup(display->connection);
    uint8_t count = static_cast<uint8_t>(setup->max_keycode - setup->min_keycode + 1);
    xcb_get_keyboard_mapping_cookie_t cookie =
        xcb_get_keyboard_mapping(display->connection, setup->min_keycode, count);
    xcb_get_keyboard_mapping_reply_t* reply =
        xcb_get_keyboard_mapping_reply(display->connection, cookie, nullptr);
    if (reply == nullptr) {
        return;
    }
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(reply);
    int length = xcb_get_keyboard_mapping_keysyms_length(reply);
    display->keysyms.assign(keysyms, keysyms + length);
    display->minKeycode = setup->min_keycode;
    display->keysymsPerKeycode = reply->keysyms_per_keycode;
    std::free(reply);
}

uint32_t KeysymOf(const Display* display, uint8_t keycode) {
    if (display->keysymsPerKeycode == 0 || keycode < display->minKeycode) {
        return 0;
    }
    size_t at = size_t(keycode - display->minKeycode) * display->keysymsPerKeycode;
    return at < display->keysyms.size() ? display->keysyms[at] : 0;
}

} // namespace win32_standin
