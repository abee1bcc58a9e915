// The application's window, its message pump and the frame-rate report.
#pragma once

#include <windows.h>

// Registers the window class (named after the title) and opens a window whose
// client area is width x height pixels, captioned with the title.
HWND CreateAppWindow(const char* title, int width, int height);

// Closing the window or pressing Escape asks the program to quit; screen saver
// and monitor power-down requests are refused while the window is active.
LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Dispatches every queued message without waiting; 0 once a quit message was
// among them, else 1.
int PumpMessages();

// Counts a frame and prints "<rate> fps" about once a second. Always 0.
int UpdateFrameRate();
