// GetStdHandle, and the wait mode of a standard handle that is a pipe. Linux
// pipes are byte pipes; PIPE_NOWAIT is the descriptor's O_NONBLOCK, which the
// descriptor shares with every process that holds it, as a shell's pipe is.
#include <windows.h>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

struct StandardHandle {
    int descriptor;
};

StandardHandle g_standard[3] = {{0}, {1}, {2}};

// The descriptor of a standard handle that is a pipe, or -1.
int PipeDescriptor(HANDLE handle) {
    for (const StandardHandle& standard : g_standard) {
        struct stat status {};
        if (handle == &standard && fstat(standard.descriptor, &status) == 0 &&
            S_ISFIFO(status.st_mode)) {
            return standard.descriptor;
        }
    }
    return -1;
}

} // namespace

HANDLE WINAPI GetStdHandle(DWORD nStdHandle) {
    switch (nStdHandle) {
    case STD_INPUT_HANDLE:
        return &g_standard[0];
    case STD_OUTPUT_HANDLE:
        return &g_standard[1];
    case STD_ERROR_HANDLE:
        return &g_standard[2];
    default:
        return INVALID_HANDLE_VALUE;
    }
}

// The collection count and time-out exist only for remote named pipes: they
// must be null here.
BOOL WINAPI GetNamedPipeHandleStateA(HANDLE hNamedPipe, LPDWORD lpState, LPDWORD lpCurInstances,
                                     LPDWORD lpMaxCollectionCount, LPDWORD lpCollectDataTimeout,
                                     LPSTR, DWORD) {
    const int descriptor = PipeDescriptor(hNamedPipe);
    if (descriptor < 0 || lpMaxCollectionCount != nullptr || lpCollectDataTimeout != nullptr) {
        return FALSE;
    }
    if (lpState != nullptr) {
        const bool noWait = (fcntl(descriptor, F_GETFL) & O_NONBLOCK) != 0;
        *lpState = (noWait ? PIPE_NOWAIT : PIPE_WAIT) | PIPE_READMODE_BYTE;
    }
    if (lpCurInstances != nullptr) {
        *lpCurInstances = 1;
    }
    return TRUE;
}

BOOL WINAPI SetNamedPipeHandleState(HANDLE hNamedPipe, LPDWORD lpMode, LPDWORD lpMaxCollectionCount,
                                    LPDWORD lpCollectDataTimeout) {
    const int descriptor = PipeDescriptor(hNamedPipe);
    if (descriptor < 0 || lpMaxCollectionCount != nullptr || lpCollectDataTimeout != nullptr) {
        return FALSE;
    }
    if (lpMode == nullptr) {
        return TRUE;
    }
    // Message mode on a byte pipe is refused, as are unknown bits.
    if ((*lpMode & ~PIPE_NOWAIT) != 0) {
        return FALSE;
    }
    const int flags = fcntl(descriptor, F_GETFL);
    const int wanted = (*lpMode & PIPE_NOWAIT) != 0 ? flags | O_NONBLOCK : flags & ~O_NONBLOCK;
    return flags != -1 && fcntl(descriptor, F_SETFL, wanted) == 0 ? TRUE : FALSE;
}
