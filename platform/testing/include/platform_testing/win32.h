// Test hooks of the Win32 stand-in: a virtual clock for timeGetTime and key
// presses injected as if they came from the keyboard.
#pragma once

#include <cstdint>

namespace platform_testing {

// While the virtual clock is on, timeGetTime returns its value, which only
// moves when a test advances it (wrapping at 2^32 like the real clock).
void UseVirtualClock(uint32_t startMs);
void AdvanceVirtualClock(uint32_t ms);
void UseRealClock();

// As if the key were pressed or released in the window: queues WM_KEYDOWN or
// WM_KEYUP for the first window and updates what GetAsyncKeyState reports.
void InjectKeyDown(int virtualKey);
void InjectKeyUp(int virtualKey);

// How many times DefWindowProcA was given this message so far.
uint64_t DefaultProcessedMessages(unsigned message);

} // namespace platform_testing
