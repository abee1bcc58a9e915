// Console control events. SIGINT, SIGTERM and SIGHUP arrive as CTRL_C_EVENT,
// CTRL_BREAK_EVENT and CTRL_CLOSE_EVENT. As on Windows, each event starts a
// thread of its own that calls the registered handlers, last registered first,
// until one returns TRUE; when none does, the default handler ends the process,
// and a CTRL_CLOSE_EVENT ends it once a handler has returned in any case.
#include "process_end.h"

#include <windows.h>

#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace {

struct ControlEvent {
    int signalNumber;
    DWORD type;
};

constexpr ControlEvent kEvents[] = {
    {SIGINT, CTRL_C_EVENT}, {SIGTERM, CTRL_BREAK_EVENT}, {SIGHUP, CTRL_CLOSE_EVENT}};

struct Handlers {
    std::mutex mutex;
    std::vector<PHANDLER_ROUTINE> routines;
    bool ignoreCtrlC = false;
    bool installed = false;
};

Handlers& Registered() {
    static auto* handlers = new Handlers; // events may arrive during static destruction
    return *handlers;
}

// The write end of the pipe from the signal handler to the dispatching thread.
int g_eventPipe = -1;

// A signal handler may do little: it passes the signal on, byte by byte.
void OnSignal(int signalNumber) {
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    if (write(g_eventPipe, &byte, 1) != 1) {
        // The pipe is full of events not yet dispatched: this one joins them.
    }
    errno = savedErrno;
}

void RunHandlers(ControlEvent event) {
    std::vector<PHANDLER_ROUTINE> routines;
    {
        Handlers& handlers = Registered();
        std::lock_guard lock(handlers.mutex);
        if (event.type == CTRL_C_EVENT && handlers.ignoreCtrlC) {
            return;
        }
        routines = handlers.routines;
    }
    for (auto routine = routines.rbegin(); routine != routines.rend(); ++routine) {
        if ((*routine)(event.type)) {
            if (event.type == CTRL_CLOSE_EVENT) {
                break;
            }
            return;
        }
    }
    win32_standin::EndAsSignalDoes(event.signalNumber);
}

// Where no thread can be started (no address space left for its stack) the
// handlers run on the dispatching thread rather than not at all.
void RunHandlersOnAThreadOfTheirOwn(const ControlEvent& event) {
    try {
        std::thread(RunHandlers, event).detach();
    } catch (const std::system_error&) {
        RunHandlers(event);
    }
}

void Dispatch(int readEnd) {
    for (;;) {
        unsigned char byte = 0;
        const ssize_t got = read(readEnd, &byte, 1);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got != 1) {
            return;
        }
        for (const ControlEvent& event : kEvents) {
            if (event.signalNumber == byte) {
                RunHandlersOnAThreadOfTheirOwn(event);
            }
        }
    }
}

// Once, with the registry's lock held; false when it cannot be done. Writes to
// the pipe never block the signal handler; the dispatching thread takes no
// signal itself.
bool InstallLocked(Handlers& handlers) {
    if (handlers.installed) {
        return true;
    }
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        return false;
    }
    fcntl(ends[1], F_SETFL, fcntl(ends[1], F_GETFL) | O_NONBLOCK);
    g_eventPipe = ends[1];
    sigset_t all;
    sigset_t previous;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &previous);
    bool started = true;
    try {
        std::thread(Dispatch, ends[0]).detach();
    } catch (const std::system_error&) {
        started = false;
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    if (!started) {
        close(ends[0]);
        close(ends[1]);
        g_eventPipe = -1;
        return false;
    }

    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    // Calls the signal lands in go on: only CancelSynchronousIo stops a call.
    action.sa_flags = SA_RESTART;
    for (const ControlEvent& event : kEvents) {
        sigaction(event.signalNumber, &action, nullptr);
    }
    handlers.installed = true;
    return true;
}

} // namespace

BOOL WINAPI SetConsoleCtrlHandler(PHANDLER_ROUTINE HandlerRoutine, BOOL Add) {
    Handlers& handlers = Registered();
    std::lock_guard lock(handlers.mutex);
    if (HandlerRoutine == nullptr) {
        handlers.ignoreCtrlC = Add != FALSE;
        return InstallLocked(handlers) ? TRUE : FALSE;
    }
    if (Add) {
        if (!InstallLocked(handlers)) {
            return FALSE;
        }
        handlers.routines.push_back(HandlerRoutine);
        return TRUE;
    }
    auto found = std::find(handlers.routines.rbegin(), handlers.routines.rend(), HandlerRoutine);
    if (found == handlers.routines.rend()) {
        return FALSE;
    }
    handlers.routines.erase(std::next(found).base());
    return TRUE;
}
