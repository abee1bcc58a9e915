// Posted messages: one queue per thread, as in Win32.
#pragma once

#include <windows.h>

#include <thread>

namespace win32_standin {

void PostToThread(std::thread::id thread, const MSG& message);
// Puts the message where the thread's next PeekMessageA finds it first.
void PostToThreadFront(std::thread::id thread, const MSG& message);
// Posts to the thread that owns the window; false for an unknown window.
bool PostToWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
bool TakeMessage(HWND window, UINT filterMin, UINT filterMax, bool remove, MSG* out);
// Posted messages of a destroyed window go with it.
void DropMessagesFor(HWND window);

} // namespace win32_standin
