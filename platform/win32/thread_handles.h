// Thread handles, which CloseHandle closes beside events.
#pragma once

#include <windows.h>

namespace win32_standin {

// Closes a handle that OpenThread returned; false for any other handle.
bool CloseThreadHandle(HANDLE handle);

} // namespace win32_standin
