#include "keyboard.h"

#include "display.h"
#include "message_queue.h"
#include "window_registry.h"
#include "x_events.h"

#include <atomic>

namespace win32_standin {
namespace {

constexpr uint8_t kDown = 1;
constexpr uint8_t kPressedSinceQuery = 2;

std::atomic<uint8_t> g_keys[256];

void SetKey(int code, bool down) {
    if (code <= 0 || code > 255) {
        return;
    }
    if (down) {
        g_keys[code] |= kDown | kPressedSinceQuery;
    } else {
        g_keys[code] &= static_cast<uint8_t>(~kDown);
    }
}

struct KeysymRange {
    uint32_t first;
    uint32_t last;
    int firstCode;
    bool extended;
};

// Keysyms whose virtual keys run in the same order.
constexpr KeysymRange kRanges[] = {
    {0x0030, 0x0039, '0', false},        // digits
    {0x0041, 0x005A, 'A', false},        // capital letters
    {0x0061, 0x007A, 'A', false},        // small letters
    {0xFFBE, 0xFFD5, VK_F1, false},      // F1..F24
    {0xFFB0, 0xFFB9, VK_NUMPAD0, false}, // keypad digits
    {0xFF51, 0xFF54, VK_LEFT, true},     // Left, Up, Right, Down
};

struct KeysymKey {
    uint32_t keysym;
    VirtualKey key;
};

constexpr KeysymKey kSingles[] = {
    {0x0020, {VK_SPACE, 0, false}},
    {0xFF1B, {VK_ESCAPE, 0, false}},
    {0xFF0D, {VK_RETURN, 0, false}},
    {0xFF8D, {VK_RETURN, 0, true}}, // keypad Enter
    {0xFF09, {VK_TAB, 0, false}},
    {0xFF08, {VK_BACK, 0, false}},
    {0xFF13, {VK_PAUSE, 0, false}},
    {0xFFE5, {VK_CAPITAL, 0, false}},
    {0xFF61, {VK_SNAPSHOT, 0, true}},
    {0xFF50, {VK_HOME, 0, true}},
    {0xFF57, {VK_END, 0, true}},
    {0xFF55, {VK_PRIOR, 0, true}},
    {0xFF56, {VK_NEXT, 0, true}},
    {0xFF63, {VK_INSERT, 0, true}},
    {0xFFFF, {VK_DELETE, 0, true}},
    {0xFFE1, {VK_SHIFT, VK_LSHIFT, false}},
    {0xFFE2, {VK_SHIFT, VK_RSHIFT, false}},
    {0xFFE3, {VK_CONTROL, VK_LCONTROL, false}},
    {0xFFE4, {VK_CONTROL, VK_RCONTROL, true}},
    {0xFFE9, {VK_MENU, VK_LMENU, false}},
    {0xFFEA, {VK_MENU, VK_RMENU, true}},
    {0xFE03, {VK_MENU, VK_RMENU, true}}, // AltGr
    {0xFFAA, {VK_MULTIPLY, 0, false}},
    {0xFFAB, {VK_ADD, 0, false}},
    {0xFFAD, {VK_SUBTRACT, 0, false}},
    {0xFFAE, {VK_DECIMAL, 0, false}},
    {0xFFAF, {VK_DIVIDE, 0, true}},
    {0x003B, {VK_OEM_1, 0, false}},
    {0x003D, {VK_OEM_PLUS, 0, false}},
    {0x002C, {VK_OEM_COMMA, 0, false}},
    {0x002D, {VK_OEM_MINUS, 0, false}},
    {0x002E, {VK_OEM_PERIOD, 0, false}},
    {0x002F, {VK_OEM_2, 0, false}},
    {0x0060, {VK_OEM_3, 0, false}},
    {0x005B, {VK_OEM_4, 0, false}},
    {0x005C, {VK_OEM_5, 0, false}},
    {0x005D, {VK_OEM_6, 0, false}},
    {0x0027, {VK_OEM_7, 0, false}},
};

} // namespace

VirtualKey VirtualKeyFromKeysym(uint32_t keysym) {
    for (const KeysymRange& range : kRanges) {
        if (keysym >= range.first && keysym <= range.last) {
            return {range.firstCode + int(keysym - range.first), 0, range.extended};
        }
    }
    for (const KeysymKey& single : kSingles) {
        if (single.keysym == keysym) {
            return single.key;
        }
    }
    return {};
}

bool RecordKeyTransition(const VirtualKey& key, bool down) {
    bool wasDown = IsKeyDown(key.sidedCode != 0 ? key.sidedCode : key.code);
    SetKey(key.code, down);
    SetKey(key.sidedCode, down);
    if (!down && key.sidedCode != 0) {
        // The shared code stays down while the key of the other side is.
        int other = key.sidedCode ^ 1;
        if (IsKeyDown(other)) {
            g_keys[key.code] |= kDown;
        }
    }
    return wasDown;
}

bool IsKeyDown(int virtualKey) {
    if (virtualKey <= 0 || virtualKey > 255) {
        return false;
    }
    return (g_keys[virtualKey] & kDown) != 0;
}

void ReleaseAllKeys() {
    for (std::atomic<uint8_t>& key : g_keys) {
        key &= static_cast<uint8_t>(~kDown);
    }
}

UINT KeyMessage(int virtualKey, bool down) {
    bool system = virtualKey == VK_MENU || virtualKey == VK_F10 || IsKeyDown(VK_MENU);
    if (system && !IsKeyDown(VK_CONTROL)) {
        return down ? WM_SYSKEYDOWN : WM_SYSKEYUP;
    }
    return down ? WM_KEYDOWN : WM_KEYUP;
}

LPARAM KeyMessageParameter(uint32_t scanCode, bool extended, bool wasDown, bool down) {
    uint32_t bits = 1u | ((scanCode & 0xFFu) << 16);
    if (extended) {
        bits |= 1u << 24;
    }
    if (IsKeyDown(VK_MENU)) {
        bits |= 1u << 29; // context code: Alt is held
    }
    if (wasDown || !down) {
        bits |= 1u << 30;
    }
    if (!down) {
        bits |= 1u << 31;
    }
    return LPARAM(bits);
}

char CharacterForKey(int virtualKey, bool shift) {
    if (virtualKey >= 'A' && virtualKey <= 'Z') {
        return shift ? char(virtualKey) : char(virtualKey - 'A' + 'a');
    }
    if (virtualKey >= '0' && virtualKey <= '9' && !shift) {
        return char(virtualKey);
    }
    switch (virtualKey) {
    case VK_SPACE:
        return ' ';
    case VK_RETURN:
        return '\r';
    case VK_ESCAPE:
        return 0x1B;
    case VK_BACK:
        return 0x08;
    case VK_TAB:
        return '\t';
    default:
        return 0;
    }
}

} // namespace win32_standin

using namespace win32_standin;

SHORT WINAPI GetAsyncKeyState(int vKey) {
    if (vKey <= 0 || vKey > 255) {
        return 0;
    }
    DrainDisplayEvents();
    uint8_t bits = g_keys[vKey].fetch_and(static_cast<uint8_t>(~kPressedSinceQuery));
    uint16_t state = uint16_t(((bits & kDown) != 0 ? 0x8000u : 0u) |
                              ((bits & kPressedSinceQuery) != 0 ? 1u : 0u));
    return static_cast<SHORT>(state);
}
