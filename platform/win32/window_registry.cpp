#include "window_registry.h"

#include <map>
#include <mutex>

namespace win32_standin {
namespace {

std::mutex g_mutex;
std::map<std::string, WindowClass> g_classes;
std::map<HWND, WindowRecord> g_windows;
// Handles are even and never reused within a process, as stale handles must
// not find a newer window.
HWND g_nextHandle = 0x10002;

} // namespace

bool AddClass(const WindowClass& windowClass) {
    std::lock_guard lock(g_mutex);
    return g_classes.emplace(windowClass.name, windowClass).second;
}

bool RemoveClass(const std::string& name) {
    std::lock_guard lock(g_mutex);
    return g_classes.erase(name) == 1;
}

bool FindClass(const std::string& name, WindowClass* out) {
    std::lock_guard lock(g_mutex);
    auto found = g_classes.find(name);
    if (found == g_classes.end()) {
        return false;
    }
    *out = found->second;
    return true;
}

HWND AddWindow(WindowRecord record) {
    std::lock_guard lock(g_mutex);
    record.handle = g_nextHandle;
    g_nextHandle += 2;
    g_windows.emplace(record.handle, record);
    return record.handle;
}

bool FindWindowRecord(HWND handle, WindowRecord* out) {
    std::lock_guard lock(g_mutex);
    auto found = g_windows.find(handle);
    if (found == g_windows.end()) {
        return false;
    }
    *out = found->second;
    return true;
}

bool FindWindowByXWindow(uint32_t xWindow, WindowRecord* out) {
    std::lock_guard lock(g_mutex);
    for (const auto& [handle, record] : g_windows) {
        if (xWindow != 0 && record.xWindow == xWindow) {
            *out = record;
            return true;
        }
    }
    return false;
}

bool RemoveWindowRecord(HWND handle, WindowRecord* out) {
    std::lock_guard lock(g_mutex);
    auto found = g_windows.find(handle);
    if (found == g_windows.end()) {
        return false;
    }
    if (out != nullptr) {
        *out = found->second;
    }
    g_windows.erase(found);
    return true;
}

bool SetWindowVisible(HWND handle, bool visible, bool* wasVisible) {
    std::lock_guard lock(g_mutex);
    auto found = g_windows.find(handle);
    if (found == g_windows.end()) {
        return false;
    }
    *wasVisible = found->second.visible;
    found->second.visible = visible;
    return true;
}

bool SetClientSize(HWND handle, uint32_t width, uint32_t height) {
    std::lock_guard lock(g_mutex);
    auto found = g_windows.find(handle);
    if (found == g_windows.end()) {
        return false;
    }
    bool changed = found->second.clientWidth != width || found->second.clientHeight != height;
    found->second.clientWidth = width;
    found->second.clientHeight = height;
    return changed;
}

HWND FirstWindow() {
    std::lock_guard lock(g_mutex);
    return g_windows.empty() ? 0 : g_windows.begin()->first;
}

std::vector<HWND> LiveWindows() {
    std::lock_guard lock(g_mutex);
    std::vector<HWND> handles;
    for (const auto& entry : g_windows) {
        handles.push_back(entry.first);
    }
    return handles;
}

LRESULT CallWindowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC procedure = nullptr;
    {
        std::lock_guard lock(g_mutex);
        auto found = g_windows.find(handle);
        if (found == g_windows.end()) {
            return 0;
        }
        procedure = found->second.procedure;
    }
    return procedure != nullptr ? procedure(handle, message, wParam, lParam) : 0;
}

} // namespace win32_standin
