// The current process's pseudo-handle and TerminateProcess.
#include "process_end.h"

#include <windows.h>

#include <pthread.h>
#include <unistd.h>

#include <csignal>

namespace win32_standin {

void EndAsSignalDoes(int signalNumber) {
    std::signal(signalNumber, SIG_DFL);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signalNumber);
    pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
    raise(signalNumber);
    _exit(128 + signalNumber);
}

} // namespace win32_standin

namespace {

// Windows' pseudo-handle of the calling process, the same value as
// INVALID_HANDLE_VALUE.
const HANDLE kCurrentProcess = reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1));

} // namespace

HANDLE WINAPI GetCurrentProcess() {
    return kCurrentProcess;
}

// Only the calling process can be ended. A Linux exit status keeps 8 bits, so
// the code is cut to them, except the one a Ctrl+C leaves on Windows: that
// process ends as SIGINT ends it, which is what a Linux shell shows for Ctrl+C.
BOOL WINAPI TerminateProcess(HANDLE hProcess, UINT uExitCode) {
    if (hProcess != kCurrentProcess) {
        return FALSE;
    }
    if (uExitCode == STATUS_CONTROL_C_EXIT) {
        win32_standin::EndAsSignalDoes(SIGINT);
    }
    _exit(static_cast<int>(uExitCode & 0xFFu));
}
