// The process's one connection to the X server, or the decision to run
// without a display.
#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <mutex>
#include <vector>

namespace win32_standin {

struct Atoms {
    xcb_atom_t wmProtocols = XCB_ATOM_NONE;
    xcb_atom_t wmDeleteWindow = XCB_ATOM_NONE;
    xcb_atom_t netWmName = XCB_ATOM_NONE;
    xcb_atom_t netWmPid = XCB_ATOM_NONE;
    xcb_atom_t utf8String = XCB_ATOM_NONE;
    xcb_atom_t motifWmHints = XCB_ATOM_NONE;
};

struct Display {
    xcb_connection_t* connection = nullptr;
    xcb_screen_t* screen = nullptr;
    Atoms atoms;
    // Keysyms of every keycode, keysymsPerKeycode per keycode from minKeycode.
    std::vector<uint32_t> keysyms;
    uint8_t minKeycode = 0;
    uint8_t keysymsPerKeycode = 0;
    // Serialises reading events, including the one event read ahead to tell
    // auto-repeat from a real release.
    std::mutex eventMutex;
    xcb_generic_event_t* lookahead = nullptr;
    bool lost = false;
};

// Connects on the first call. Null when there is no display: then one line on
// standard error says so.
Display* OpenDisplay();
// The display if one was opened, without trying to connect.
Display* CurrentDisplay();
void LoadKeyboardMapping(Display* display);
// The keysym in the first column of a keycode, 0 for none.
uint32_t KeysymOf(const Display* display, uint8_t keycode);

} // namespace win32_standin
