#include "message_queue.h"

#include "window_registry.h"

#include <deque>
#include <map>
#include <mutex>

namespace win32_standin {
namespace {

std::mutex g_mutex;
std::map<std::thread::id, std::deque<MSG>> g_queues;

bool Matches(const MSG& message, HWND window, UINT filterMin, UINT filterMax) {
    bool inRange = (filterMin == 0 && filterMax == 0) ||
                   (message.message >= filterMin && message.message <= filterMax);
    if (!inRange) {
        return false;
    }
    // A quit message is returned whatever window was asked for; -1 means
    // messages posted to the thread itself.
    if (window == 0 || message.message == WM_QUIT) {
        return true;
    }
    if (window == HWND(-1)) {
        return message.hwnd == 0;
    }
    return message.hwnd == window;
}

} // namespace

void PostToThread(std::thread::id thread, const MSG& message) {
    std::lock_guard lock(g_mutex);
    g_queues[thread].push_back(message);
}

void PostToThreadFront(std::thread::id thread, const MSG& message) {
    std::lock_guard lock(g_mutex);
    g_queues[thread].push_front(message);
}

bool PostToWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowRecord record;
    if (!FindWindowRecord(window, &record)) {
        return false;
    }
    MSG posted{};
    posted.hwnd = window;
    posted.message = message;
    posted.wParam = wParam;
    posted.lParam = lParam;
    posted.time = timeGetTime();
    PostToThread(record.owner, posted);
    return true;
}

bool TakeMessage(HWND window, UINT filterMin, UINT filterMax, bool remove, MSG* out) {
    std::lock_guard lock(g_mutex);
    auto found = g_queues.find(std::this_thread::get_id());
    if (found == g_queues.end()) {
        return false;
    }
    std::deque<MSG>& queue = found->second;
    for (auto at = queue.begin(); at != queue.end(); ++at) {
        if (Matches(*at, window, filterMin, filterMax)) {
            *out = *at;
            if (remove) {
                queue.erase(at);
            }
            return true;
        }
    }
    return false;
}

void DropMessagesFor(HWND window) {
    std::lock_guard lock(g_mutex);
    for (auto& [thread, queue] : g_queues) {
        std::erase_if(queue, [window](const MSG& message) { return message.hwnd == window; });
    }
}

} // namespace win32_standin
