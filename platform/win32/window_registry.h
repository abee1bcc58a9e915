// Registered window classes and live windows of the process.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <thread>
#include <vector>

namespace win32_standin {

struct WindowClass {
    std::string name;
    UINT style = 0;
    WNDPROC procedure = nullptr;
    HINSTANCE instance = nullptr;
    HBRUSH background = nullptr;
};

struct WindowRecord {
    HWND handle = 0;
    WNDPROC procedure = nullptr;
    std::string className;
    std::string caption;
    DWORD style = 0;
    DWORD exStyle = 0;
    uint32_t xWindow = 0; // 0 when the window exists without a display
    uint32_t clientWidth = 0;
    uint32_t clientHeight = 0;
    bool visible = false;
    std::thread::id owner;
};

// False when a class of that name is registered already.
bool AddClass(const WindowClass& windowClass);
bool RemoveClass(const std::string& name);
bool FindClass(const std::string& name, WindowClass* out);

// Gives the window its handle and returns it.
HWND AddWindow(WindowRecord record);
bool FindWindowRecord(HWND handle, WindowRecord* out);
bool FindWindowByXWindow(uint32_t xWindow, WindowRecord* out);
bool RemoveWindowRecord(HWND handle, WindowRecord* out);
bool SetWindowVisible(HWND handle, bool visible, bool* wasVisible);
bool SetClientSize(HWND handle, uint32_t width, uint32_t height);
// The oldest live window, or 0.
HWND FirstWindow();
std::vector<HWND> LiveWindows();

// Calls the window's procedure (no lock held meanwhile); 0 for an unknown window.
LRESULT CallWindowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace win32_standin
