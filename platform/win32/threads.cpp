// Thread ids, OpenThread and CancelSynchronousIo. A thread is a Linux task; a
// handle names it by its task id.
#include "thread_handles.h"

#include "live_handles.h"

#include <sys/syscall.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <string>

namespace {

struct ThreadHandle {
    pid_t task;
    DWORD access;
};

win32_standin::LiveHandles<ThreadHandle>& Live() {
    static auto* live = new win32_standin::LiveHandles<ThreadHandle>; // outlasts static destructors
    return *live;
}

std::string TaskFolder(pid_t task) {
    return "/proc/self/task/" + std::to_string(task);
}

// Sleeping ('S') or in uninterruptible wait ('D'): inside a system call.
bool InSystemCall(pid_t task) {
    std::ifstream stat(TaskFolder(task) + "/stat");
    std::string line;
    std::getline(stat, line);
    const size_t nameEnd = line.rfind(')');
    return nameEnd != std::string::npos && nameEnd + 2 < line.size() &&
           (line[nameEnd + 2] == 'S' || line[nameEnd + 2] == 'D');
}

void OnCancel(int) {}

// The signal that takes a thread out of a blocking call. Its handler is
// installed without SA_RESTART, so the call fails with EINTR, the form a
// cancelled synchronous operation takes here.
int CancelSignal() {
    static const int number = [] {
        struct sigaction action {};
        action.sa_handler = OnCancel;
        sigemptyset(&action.sa_mask);
        action.sa_flags = 0;
        sigaction(SIGRTMIN, &action, nullptr);
        return SIGRTMIN;
    }();
    return number;
}

} // namespace

namespace win32_standin {

bool CloseThreadHandle(HANDLE handle) {
    ThreadHandle* thread = Live().Remove(handle);
    delete thread;
    return thread != nullptr;
}

} // namespace win32_standin

DWORD WINAPI GetCurrentThreadId() {
    return static_cast<DWORD>(gettid());
}

HANDLE WINAPI OpenThread(DWORD dwDesiredAccess, BOOL, DWORD dwThreadId) {
    const pid_t task = static_cast<pid_t>(dwThreadId);
    if (access(TaskFolder(task).c_str(), F_OK) != 0) {
        return nullptr;
    }
    auto* thread = new ThreadHandle{task, dwDesiredAccess};
    Live().Add(thread);
    return thread;
}

// A thread blocked in a system call (a write to a full pipe, a wait) is taken
// out of it; one that is running has nothing to cancel, and the call fails as
// it fails on Windows with ERROR_NOT_FOUND. The signal is sent either way: the
// state read a moment before may already be out of date.
BOOL WINAPI CancelSynchronousIo(HANDLE hThread) {
    const ThreadHandle* thread = Live().Find(hThread);
    if (thread == nullptr || (thread->access & THREAD_TERMINATE) == 0) {
        return FALSE;
    }
    const bool pending = InSystemCall(thread->task);
    const int number = CancelSignal();
    if (syscall(SYS_tgkill, getpid(), thread->task, number) != 0) {
        return FALSE;
    }
    return pending ? TRUE : FALSE;
}
