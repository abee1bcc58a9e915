// The multimedia timer of winmm, for Linux builds.
#pragma once

#include <windows.h>

typedef UINT MMRESULT;

#define TIMERR_NOERROR 0u
#define TIMERR_NOCANDO 97u

// Milliseconds since the system started, as a 32-bit count that wraps around
// about every 49.7 days.
EXTERN_C DWORD WINAPI timeGetTime(void);
EXTERN_C MMRESULT WINAPI timeBeginPeriod(UINT uPeriod);
EXTERN_C MMRESULT WINAPI timeEndPeriod(UINT uPeriod);
