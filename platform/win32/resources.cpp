// Module handles, the system's stock icons and cursors, and gdi32 stock objects.
#include <windows.h>

#include <dlfcn.h>

#include <cstdint>

// The first byte of the executable's image, which is what Windows hands out
// as the program's module handle.
extern "C" char __executable_start;

namespace {

struct StockResource {
    ULONG_PTR id;
    int unused;
};

StockResource g_icons[] = {{32512, 0}, {32513, 0}, {32514, 0}, {32515, 0}, {32516, 0}, {32517, 0}};
StockResource g_cursors[] = {{32512, 0}, {32513, 0}, {32514, 0}, {32515, 0}, {32649, 0}};
int g_stockBrushes[NULL_BRUSH + 1];

template <size_t N>
StockResource* FindStock(StockResource (&table)[N], HINSTANCE module, LPCSTR name) {
    // Only the system's own resources exist: no module, and an integer name.
    ULONG_PTR id = reinterpret_cast<ULONG_PTR>(name);
    if (module != nullptr || id > 0xFFFF) {
        return nullptr;
    }
    for (StockResource& resource : table) {
        if (resource.id == id) {
            return &resource;
        }
    }
    return nullptr;
}

} // namespace

HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName) {
    if (lpModuleName == nullptr) {
        return reinterpret_cast<HMODULE>(&__executable_start);
    }
    // A module counts as loaded when the dynamic linker has it already.
    void* library = dlopen(lpModuleName, RTLD_LAZY | RTLD_NOLOAD);
    if (library != nullptr) {
        dlclose(library);
    }
    return reinterpret_cast<HMODULE>(library);
}

HICON WINAPI LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName) {
    return reinterpret_cast<HICON>(FindStock(g_icons, hInstance, lpIconName));
}

HCURSOR WINAPI LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName) {
    return reinterpret_cast<HCURSOR>(FindStock(g_cursors, hInstance, lpCursorName));
}

HGDIOBJ WINAPI GetStockObject(int i) {
    if (i < WHITE_BRUSH || i > NULL_BRUSH) {
        return nullptr;
    }
    return &g_stockBrushes[i];
}

namespace win32_standin {

// Which stock brush a handle is, or -1.
int StockBrushIndex(HBRUSH brush) {
    for (int i = WHITE_BRUSH; i <= NULL_BRUSH; ++i) {
        if (reinterpret_cast<void*>(brush) == &g_stockBrushes[i]) {
            return i;
        }
    }
    return -1;
}

} // namespace win32_standin
