// Win32 event objects: auto-reset or manual-reset, waited on without spinning.
#include <windows.h>

#include "testing_state.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <atomic>

namespace {

constexpr unsigned kEventMagic = 0x45564E54; // "EVNT"

struct Event {
    unsigned magic = kEventMagic;
    bool manualReset = false;
    bool signalled = false;
    std::mutex mutex;
    std::condition_variable changed;
};

Event* AsEvent(HANDLE handle) {
    auto* event = static_cast<Event*>(handle);
    if (event == nullptr || event->magic != kEventMagic) {
        return nullptr;
    }
    return event;
}

} // namespace

namespace win32_standin {

std::atomic<uint64_t> g_waitNanoseconds{0};
std::atomic<uint64_t> g_waitsThatBlocked{0};

} // namespace win32_standin

using namespace win32_standin;

HANDLE WINAPI CreateEventExA(LPSECURITY_ATTRIBUTES, LPCSTR, DWORD dwFlags, DWORD) {
    auto* event = new Event;
    event->manualReset = (dwFlags & CREATE_EVENT_MANUAL_RESET) != 0;
    event->signalled = (dwFlags & CREATE_EVENT_INITIAL_SET) != 0;
    return event;
}

BOOL WINAPI SetEvent(HANDLE hEvent) {
    Event* event = AsEvent(hEvent);
    if (event == nullptr) {
        return FALSE;
    }
    {
        std::lock_guard lock(event->mutex);
        event->signalled = true;
    }
    if (event->manualReset) {
        event->changed.notify_all();
    } else {
        event->changed.notify_one();
    }
    return TRUE;
}

BOOL WINAPI ResetEvent(HANDLE hEvent) {
    Event* event = AsEvent(hEvent);
    if (event == nullptr) {
        return FALSE;
    }
    std::lock_guard lock(event->mutex);
    event->signalled = false;
    return TRUE;
}

DWORD WINAPI WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds) {
    Event* event = AsEvent(hHandle);
    if (event == nullptr) {
        std::fprintf(stderr, "WaitForSingleObject: not an event handle\n");
        return WAIT_FAILED;
    }
    std::unique_lock lock(event->mutex);
    auto isSignalled = [event] { return event->signalled; };
    if (!event->signalled) {
        ++g_waitsThatBlocked;
        auto start = std::chrono::steady_clock::now();
        bool reached = true;
        if (dwMilliseconds == INFINITE) {
            event->changed.wait(lock, isSignalled);
        } else {
            reached = event->changed.wait_for(lock, std::chrono::milliseconds(dwMilliseconds),
                                              isSignalled);
        }
        auto blocked = std::chrono::steady_clock::now() - start;
        g_waitNanoseconds += std::chrono::duration_cast<std::chrono::nanoseconds>(blocked).count();
        if (!reached) {
            return WAIT_TIMEOUT;
        }
    }
    if (!event->manualReset) {
        event->signalled = false;
    }
    return WAIT_OBJECT_0;
}

BOOL WINAPI CloseHandle(HANDLE hObject) {
    Event* event = AsEvent(hObject);
    if (event == nullptr) {
        return FALSE;
    }
    event->magic = 0;
    delete event;
    return TRUE;
}
