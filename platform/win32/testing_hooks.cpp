// The Win32 stand-in's test hooks: the virtual clock, time blocked in waits,
// injected keys and the default window procedure's message counts.
#include "keyboard.h"
#include "message_queue.h"
#include "testing_state.h"
#include "window_registry.h"

#include <platform_testing/waits.h>
#include <platform_testing/win32.h>

using namespace win32_standin;

namespace platform_testing {

void UseVirtualClock(uint32_t startMs) {
    g_virtualNow = startMs;
    g_virtualClockOn = true;
}

void AdvanceVirtualClock(uint32_t ms) {
    g_virtualNow += ms;
}

void UseRealClock() {
    g_virtualClockOn = false;
}

uint64_t NanosecondsBlockedInWaits() {
    return g_waitNanoseconds.load();
}
uint64_t WaitsThatBlocked() {
    return g_waitsThatBlocked.load();
}

namespace {

void InjectKey(int virtualKey, bool down) {
    VirtualKey key{virtualKey, 0, false};
    bool wasDown = RecordKeyTransition(key, down);
    HWND window = FirstWindow();
    if (window != 0) {
        PostToWindow(window, KeyMessage(virtualKey, down), WPARAM(virtualKey),
                     KeyMessageParameter(0, false, wasDown, down));
    }
}

} // namespace

void InjectKeyDown(int virtualKey) {
    InjectKey(virtualKey, true);
}

void InjectKeyUp(int virtualKey) {
    InjectKey(virtualKey, false);
}

uint64_t DefaultProcessedMessages(unsigned message) {
    std::lock_guard lock(g_defaultCountMutex);
    auto found = g_defaultCounts.find(message);
    return found == g_defaultCounts.end() ? 0 : found->second;
}

} // namespace platform_testing
