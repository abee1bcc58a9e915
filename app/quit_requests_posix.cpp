// Standard streams, SIGINT/SIGTERM and blocked output on Linux.
#include "quit_requests.h"

#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>

namespace {

constexpr int kOutputs[] = {STDOUT_FILENO, STDERR_FILENO};

// Written before the handlers are installed; read by them.
pthread_t g_mainThread;
int g_outputFlags[2] = {-1, -1};

// Lock-free atomics may be used from a signal handler.
std::atomic<int> g_requests{0};
std::atomic<bool> g_unanswered{false};
std::atomic<bool> g_outputWaits{true};

void SetOutputsNonBlocking() {
    for (int i = 0; i < 2; ++i) {
        if (g_outputFlags[i] != -1) {
            fcntl(kOutputs[i], F_SETFL, g_outputFlags[i] | O_NONBLOCK);
        }
    }
}

void RestoreOutputFlags() {
    for (int i = 0; i < 2; ++i) {
        if (g_outputFlags[i] != -1) {
            fcntl(kOutputs[i], F_SETFL, g_outputFlags[i]);
        }
    }
}

void OnQuitSignal(int signalNumber) {
    int savedErrno = errno;
    // Only a signal taken by the main thread interrupts a write it is blocked
    // in, so one that landed on another thread is passed on.
    if (!pthread_equal(pthread_self(), g_mainThread)) {
        pthread_kill(g_mainThread, signalNumber);
        errno = savedErrno;
        return;
    }
    if (g_requests.fetch_add(1) > 0) {
        RestoreOutputFlags();
        _exit(128 + signalNumber);
    }
    g_outputWaits = false;
    SetOutputsNonBlocking();
    g_unanswered = true;
    errno = savedErrno;
}

} // namespace

void OpenMissingStandardStreams() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) {
            continue;
        }
        // The lowest free descriptor is taken, which is this one unless a
        // lower one is missing too; those were opened in earlier rounds.
        int opened = open("/dev/null", O_RDWR);
        if (opened != -1 && opened != fd) {
            dup2(opened, fd);
            close(opened);
        }
    }
}

void CatchQuitRequests() {
    g_mainThread = pthread_self();
    for (int i = 0; i < 2; ++i) {
        g_outputFlags[i] = fcntl(kOutputs[i], F_GETFL);
    }
    struct sigaction action {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    sigaddset(&action.sa_mask, SIGINT);
    sigaddset(&action.sa_mask, SIGTERM);
    // No SA_RESTART: a write blocked on a full pipe returns, and the line is
    // dropped.
    action.sa_flags = 0;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    // A reader that went away fails the write, as on Windows, instead of
    // ending the process without its teardown.
    std::signal(SIGPIPE, SIG_IGN);
}

bool TakeQuitRequest() {
    return g_unanswered.exchange(false);
}

void StopWaitingForOutput() {
    if (g_outputWaits.exchange(false)) {
        SetOutputsNonBlocking();
    }
}

void RestoreStandardStreams() {
    // A request this late only finds the process ending; it must not change
    // the streams again behind the restore.
    sigset_t quitSignals;
    sigemptyset(&quitSignals);
    sigaddset(&quitSignals, SIGINT);
    sigaddset(&quitSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &quitSignals, nullptr);
    RestoreOutputFlags();
}
