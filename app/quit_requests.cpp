// Standard handles, Ctrl+C and Ctrl+Break, and blocked output on Windows.
#include "quit_requests.h"

#include <windows.h>

#include <atomic>

namespace {

HANDLE g_mainThread = nullptr;
std::atomic<int> g_requests{0};
std::atomic<bool> g_unanswered{false};

// Runs on a thread of its own that the system starts for each event.
BOOL WINAPI OnConsoleControl(DWORD type) {
    if (type != CTRL_C_EVENT && type != CTRL_BREAK_EVENT) {
        // Closing the console, logging off and shutting down end the process
        // as they always do.
        return FALSE;
    }
    if (g_requests.fetch_add(1) > 0) {
        TerminateProcess(GetCurrentProcess(), STATUS_CONTROL_C_EXIT);
    }
    g_unanswered = true;
    // A console or pipe write the main thread is blocked in gives up.
    if (g_mainThread != nullptr) {
        CancelSynchronousIo(g_mainThread);
    }
    return TRUE;
}

} // namespace

void OpenMissingStandardStreams() {
    // Nothing here: the program opens files and devices through handles that
    // never take the place of a missing standard handle.
}

void CatchQuitRequests() {
    DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &g_mainThread,
                    THREAD_TERMINATE, FALSE, 0);
    SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

bool TakeQuitRequest() {
    return g_unanswered.exchange(false);
}

void StopWaitingForOutput() {
    // Console and anonymous-pipe writes cannot be made non-blocking here: a
    // write that blocks during teardown waits until a second Ctrl+C ends the
    // process.
}

void RestoreStandardStreams() {
    SetConsoleCtrlHandler(OnConsoleControl, FALSE);
}
