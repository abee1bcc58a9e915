// timeGetTime: milliseconds of the monotonic clock, or of the tests' virtual clock.
#include <windows.h>

#include <timeapi.h>

#include "testing_state.h"

#include <atomic>
#include <ctime>

namespace win32_standin {

std::atomic<bool> g_virtualClockOn{false};
std::atomic<uint32_t> g_virtualNow{0};

} // namespace win32_standin

using namespace win32_standin;

DWORD WINAPI timeGetTime(void) {
    if (g_virtualClockOn) {
        return g_virtualNow;
    }
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    uint64_t milliseconds = uint64_t(now.tv_sec) * 1000u + uint64_t(now.tv_nsec) / 1000000u;
    return DWORD(milliseconds); // keeps the low 32 bits, so it wraps like Windows' clock
}

// The clock already counts single milliseconds; periods from 1 ms are granted.
MMRESULT WINAPI timeBeginPeriod(UINT uPeriod) {
    return uPeriod >= 1 ? TIMERR_NOERROR : TIMERR_NOCANDO;
}

MMRESULT WINAPI timeEndPeriod(UINT uPeriod) {
    return uPeriod >= 1 ? TIMERR_NOERROR : TIMERR_NOCANDO;
}
