// A window class whose procedure records every message it is sent, for the
// tests that check what arrives and in which order.
#pragma once

#include <windows.h>

#include <vector>

// What the recording procedure was sent, oldest first.
inline std::vector<MSG> g_received;

inline LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    g_received.push_back(MSG{window, message, wParam, lParam, 0, {}});
    return DefWindowProcA(window, message, wParam, lParam);
}

constexpr char kRecordingClass[] = "RecordingWindow";

// Registers kRecordingClass once per process; false if it was refused.
inline bool RegisterRecordingClass() {
    static const bool registered = [] {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = RecordingProc;
        windowClass.lpszClassName = kRecordingClass;
        return RegisterClassExA(&windowClass) != 0;
    }();
    return registered;
}
