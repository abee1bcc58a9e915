// How a layer above kernel32 sets an event from something other than
// SetEvent: a source attached to the event says whether its condition holds
// and can block until it does. While a thread is blocked in
// WaitForSingleObject, a watcher thread waits on the event's sources and
// sets the event, so the blocked thread sleeps until then, as on Windows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

namespace win32_standin {

class EventSource {
public:
    virtual ~EventSource() = default;
    // Whether the condition holds now; never blocks.
    virtual bool Reached() = 0;
    // Blocks until the condition holds or `nanoseconds` pass; true when it holds.
    virtual bool WaitUntilReached(uint64_t nanoseconds) = 0;
    // The condition can no longer come about; the event forgets the source.
    virtual bool Dropped() = 0;
};

// The event is set once `source` is reached, as if SetEvent were called then.
// False for a handle that is not an event.
bool AttachEventSource(HANDLE event, std::shared_ptr<EventSource> source);

} // namespace win32_standin
