// Test-only hooks of the Linux stand-in: fault injection, counters and the
// virtual clock. Only tests include this header; the system never does.
#pragma once

#include <platform_testing/messages.h>
#include <platform_testing/waits.h>
#if __has_include(<platform_testing/win32.h>)
#include <platform_testing/win32.h>
#endif
#if __has_include(<platform_testing/d3d12.h>)
#include <platform_testing/d3d12.h>
#endif
#if __has_include(<platform_testing/dxgi.h>)
#include <platform_testing/dxgi.h>
#endif
#if __has_include(<platform_testing/d3dcompiler.h>)
#include <platform_testing/d3dcompiler.h>
#endif
