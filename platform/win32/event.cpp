// Win32 event objects: auto-reset or manual-reset, waited on without spinning.
// An event may also carry sources (a fence value, say) that set it once
// reached; one watcher thread waits on the sources of blocked waits.
#include "event_source.h"
#include "live_handles.h"
#include "source_watcher.h"
#include "thread_handles.h"

#include <windows.h>

#include "testing_state.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <memory>
#include <mutex>
#include <unordered_set>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Event {
    bool manualReset = false;
    bool signalled = false;
    std::vector<std::shared_ptr<win32_standin::EventSource>> sources;
    std::mutex mutex;
    std::condition_variable changed;
};

win32_standin::LiveHandles<Event>& Live() {
    static auto* live = new win32_standin::LiveHandles<Event>; // outlasts static destructors
    return *live;
}

Event* AsEvent(HANDLE handle) {
    return Live().Find(handle);
}

// Sets the event for every source reached and forgets those and the dropped
// ones (lock held).
void SettleSourcesLocked(Event& event) {
    auto done = std::remove_if(event.sources.begin(), event.sources.end(), [&event](auto& source) {
        if (source->Reached()) {
            event.signalled = true;
            return true;
        }
        return source->Dropped();
    });
    event.sources.erase(done, event.sources.end());
}

// For the source watcher: sets the event for its reached sources and names
// the source to wait on next, none once the event is set.
std::shared_ptr<win32_standin::EventSource> SettleForWatcher(void* waited) {
    Event& event = *static_cast<Event*>(waited);
    std::lock_guard lock(event.mutex);
    const bool wasSignalled = event.signalled;
    SettleSourcesLocked(event);
    if (event.signalled) {
        if (!wasSignalled) {
            event.changed.notify_all();
        }
        return nullptr;
    }
    return event.sources.empty() ? nullptr : event.sources.front();
}

// Waits on the event's condition variable until `wake` holds or `deadline`
// passes (lock held while not waiting).
template <typename Wake>
void WaitLocked(Event& event, std::unique_lock<std::mutex>& lock, bool forever,
                Clock::time_point deadline, Wake wake) {
    if (forever) {
        event.changed.wait(lock, wake);
    } else {
        event.changed.wait_until(lock, deadline, wake);
    }
}

// Blocks until the event is signalled or `deadline` passes (lock held, the
// sources just settled; it is let go while waiting). While the event has
// sources the watcher waits on them, so this thread wakes only when the
// event is set.
bool WaitSignalledLocked(Event& event, std::unique_lock<std::mutex>& lock, bool forever,
                         Clock::time_point deadline) {
    for (;; SettleSourcesLocked(event)) {
        if (event.signalled) {
            return true;
        }
        if (!forever && Clock::now() >= deadline) {
            return false;
        }
        if (event.sources.empty()) {
            WaitLocked(event, lock, forever, deadline,
                       [&event] { return event.signalled || !event.sources.empty(); });
            continue;
        }
        win32_standin::SourceWatch watch{SettleForWatcher, &event};
        lock.unlock();
        win32_standin::Watch(&watch);
        lock.lock();
        WaitLocked(event, lock, forever, deadline, [&event] { return event.signalled; });
        lock.unlock();
        win32_standin::Unwatch(&watch);
        lock.lock();
    }
}

} // namespace

namespace win32_standin {
bool AttachEventSource(HANDLE handle, std::shared_ptr<EventSource> source) {
    Event* event = AsEvent(handle);
    if (event == nullptr || source == nullptr) {
        return false;
    }
    {
        std::lock_guard lock(event->mutex);
        event->sources.push_back(std::move(source));
    }
    event->changed.notify_all();
    return true;
}
} // namespace win32_standin

namespace win32_standin {

std::atomic<uint64_t> g_waitNanoseconds{0};
std::atomic<uint64_t> g_waitsThatBlocked{0};

} // namespace win32_standin

using namespace win32_standin;

HANDLE WINAPI CreateEventExA(LPSECURITY_ATTRIBUTES, LPCSTR, DWORD dwFlags, DWORD) {
    auto* event = new Event;
    event->manualReset = (dwFlags & CREATE_EVENT_MANUAL_RESET) != 0;
    event->signalled = (dwFlags & CREATE_EVENT_INITIAL_SET) != 0;
    Live().Add(event);
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
    // A source reached before the reset set the event before it.
    SettleSourcesLocked(*event);
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
    SettleSourcesLocked(*event);
    if (!event->signalled) {
        if (dwMilliseconds == 0) {
            return WAIT_TIMEOUT;
        }
        ++g_waitsThatBlocked;
        auto start = Clock::now();
        bool reached = WaitSignalledLocked(*event, lock, dwMilliseconds == INFINITE,
                                           start + std::chrono::milliseconds(dwMilliseconds));
        g_waitNanoseconds +=
            std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - start).count();
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
    if (Event* event = Live().Remove(hObject)) {
        delete event;
        return TRUE;
    }
    return win32_standin::CloseThreadHandle(hObject) ? TRUE : FALSE;
}
