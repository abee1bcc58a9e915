// Ctrl+C and Ctrl+Break, and output that nobody reads, through the console
// control handler and the wait mode of the standard output pipes.
#include "quit_requests.h"

#include <windows.h>

#include <atomic>

namespace {

constexpr DWORD kOutputs[] = {STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};

// Written before the handler is registered; read by it.
HANDLE g_mainThread = nullptr;
bool g_outputIsPipe[2] = {false, false};
DWORD g_outputPipeState[2] = {PIPE_WAIT, PIPE_WAIT};

std::atomic<int> g_requests{0};
std::atomic<bool> g_unanswered{false};
// Guards the output modes: the handler runs on a thread of its own. What it
// guards is a few calls long, so a spin suffices.
std::atomic_flag g_outputBusy = ATOMIC_FLAG_INIT;
bool g_outputWaits = true;
bool g_restored = false;

class OutputLock {
public:
    OutputLock() {
        while (g_outputBusy.test_and_set(std::memory_order_acquire)) {
        }
    }
    ~OutputLock() { g_outputBusy.clear(std::memory_order_release); }
    OutputLock(const OutputLock&) = delete;
    OutputLock& operator=(const OutputLock&) = delete;
};

void SetOutputPipesLocked(bool wait) {
    for (int i = 0; i < 2; ++i) {
        if (g_outputIsPipe[i]) {
            DWORD mode = wait ? g_outputPipeState[i] : (g_outputPipeState[i] | PIPE_NOWAIT);
            SetNamedPipeHandleState(GetStdHandle(kOutputs[i]), &mode, nullptr, nullptr);
        }
    }
}

// The system starts a thread for each event to run this.
BOOL WINAPI OnConsoleControl(DWORD type) {
    if (type != CTRL_C_EVENT && type != CTRL_BREAK_EVENT) {
        // Closing the console, logging off and shutting down end the process
        // as they always do.
        return FALSE;
    }
    if (g_requests.fetch_add(1) > 0) {
        TerminateProcess(GetCurrentProcess(), STATUS_CONTROL_C_EXIT);
    }
    StopWaitingForOutput();
    g_unanswered = true;
    // A write the main thread is blocked in gives up; later ones no longer wait.
    CancelSynchronousIo(g_mainThread);
    return TRUE;
}

} // namespace

void CatchQuitRequests() {
    g_mainThread = OpenThread(THREAD_TERMINATE, FALSE, GetCurrentThreadId());
    for (int i = 0; i < 2; ++i) {
        // Only the read and wait modes can be given back to SetNamedPipeHandleState.
        DWORD state = 0;
        g_outputIsPipe[i] = GetNamedPipeHandleStateA(GetStdHandle(kOutputs[i]), &state, nullptr,
                                                     nullptr, nullptr, nullptr, 0) != FALSE;
        g_outputPipeState[i] = state & (PIPE_NOWAIT | PIPE_READMODE_MESSAGE);
    }
    SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

bool TakeQuitRequest() {
    return g_unanswered.exchange(false);
}

void StopWaitingForOutput() {
    OutputLock lock;
    if (g_outputWaits && !g_restored) {
        g_outputWaits = false;
        SetOutputPipesLocked(false);
    }
}

void RestoreStandardStreams() {
    SetConsoleCtrlHandler(OnConsoleControl, FALSE);
    // A request already being handled must not change the pipes again behind
    // the restore.
    OutputLock lock;
    g_restored = true;
    SetOutputPipesLocked(true);
}
