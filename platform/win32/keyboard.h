// Windows virtual-key codes for X keysyms, and the key state that
// GetAsyncKeyState reports.
#pragma once

#include <windows.h>

#include <cstdint>

namespace win32_standin {

struct VirtualKey {
    int code = 0;          // 0: no virtual key for this keysym
    int sidedCode = 0;     // VK_LSHIFT and the like for modifier keys, else 0
    bool extended = false; // the "extended key" bit of a key message's lParam
};

VirtualKey VirtualKeyFromKeysym(uint32_t keysym);

// Records a press or release; returns whether the key was down before.
bool RecordKeyTransition(const VirtualKey& key, bool down);
bool IsKeyDown(int virtualKey);
// Keys released while another window has the focus never reach us: losing it
// counts as releasing them all.
void ReleaseAllKeys();

// The message a key press or release posts: Alt and F10 are system keys, as
// is any key while Alt is held.
UINT KeyMessage(int virtualKey, bool down);
// lParam of a key message: repeat count 1, scan code, extended bit, Alt held,
// previous state and transition state.
LPARAM KeyMessageParameter(uint32_t scanCode, bool extended, bool wasDown, bool down);

// The character TranslateMessage makes of a key press, 0 for none.
char CharacterForKey(int virtualKey, bool shift);

} // namespace win32_standin
