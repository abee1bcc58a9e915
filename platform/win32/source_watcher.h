// Waits on event sources for the threads blocked in WaitForSingleObject, so
// that such a thread sleeps until its event is set, as on Windows, instead of
// waking each slice to look for SetEvent from other threads and for sources
// attached later. One thread serves every wait in turn, a slice at a time.
#pragma once

#include "event_source.h"

#include <memory>

namespace win32_standin {

// One blocked wait. `settle` sets the waited event for its reached sources
// (taking the event's own lock) and gives the source to wait on next, or null
// while there is none.
struct SourceWatch {
    std::shared_ptr<EventSource> (*settle)(void* waited) = nullptr;
    void* waited = nullptr;
};

// Starts watching; `watch` must stay alive until Unwatch returns. Neither may
// be called holding a lock that `settle` takes.
void Watch(SourceWatch* watch);
// Stops watching; once it returns the watcher neither settles nor waits for
// `watch` any more.
void Unwatch(SourceWatch* watch);

} // namespace win32_standin
