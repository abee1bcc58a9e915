// What the Win32 stand-in keeps for its test hooks (testing_hooks.cpp).
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>

namespace win32_standin {

// While the virtual clock is on, timeGetTime answers g_virtualNow.
extern std::atomic<bool> g_virtualClockOn;
extern std::atomic<uint32_t> g_virtualNow;

// Time spent blocked in WaitForSingleObject, and how many waits blocked.
extern std::atomic<uint64_t> g_waitNanoseconds;
extern std::atomic<uint64_t> g_waitsThatBlocked;

// How many times DefWindowProcA was given each message.
extern std::mutex g_defaultCountMutex;
extern std::map<UINT, uint64_t> g_defaultCounts;

} // namespace win32_standin
