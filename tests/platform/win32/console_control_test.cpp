// Console control events as Windows delivers them: a thread of their own, the
// handlers last registered first until one returns TRUE, the default handler
// ending the process otherwise; and cancelling a write another thread is
// blocked in. Each case runs in a child process: handlers are process-wide.
#include <gtest/gtest.h>

#include <windows.h>

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <thread>

namespace {

std::atomic<DWORD> g_callerThread{0};
std::atomic<int> g_calls{0};
std::atomic<int> g_order{0};

BOOL WINAPI Declines(DWORD) {
    g_order = g_order * 10 + 1;
    return FALSE;
}

BOOL WINAPI Accepts(DWORD type) {
    g_callerThread = GetCurrentThreadId();
    g_order = g_order * 10 + 2;
    g_calls += 1 + static_cast<int>(type) * 100;
    return TRUE;
}

bool CallsReachWithinSeconds(int wanted, int seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (g_calls.load() != wanted && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return g_calls.load() == wanted;
}

class ConsoleControl : public testing::Test {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(ConsoleControl, SignalsReachTheHandlersLastRegisteredFirstOnAThreadOfTheirOwn) {
    EXPECT_EXIT(
        {
            SetConsoleCtrlHandler(Accepts, TRUE);
            SetConsoleCtrlHandler(Declines, TRUE);
            std::raise(SIGTERM);
            // Declines ran first, then Accepts, with CTRL_BREAK_EVENT.
            if (!CallsReachWithinSeconds(1 + CTRL_BREAK_EVENT * 100, 5) || g_order != 12) {
                std::_Exit(1);
            }
            if (g_callerThread == GetCurrentThreadId()) {
                std::_Exit(2);
            }
            g_calls = 0;
            std::raise(SIGINT);
            if (!CallsReachWithinSeconds(1 + CTRL_C_EVENT * 100, 5)) {
                std::_Exit(3);
            }
            // Removed handlers are not called; removing one twice fails.
            if (!SetConsoleCtrlHandler(Declines, FALSE) || SetConsoleCtrlHandler(Declines, FALSE)) {
                std::_Exit(4);
            }
            g_order = 0;
            std::raise(SIGINT);
            std::_Exit(CallsReachWithinSeconds(2 + CTRL_C_EVENT * 100, 5) && g_order == 2 ? 0 : 5);
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(ConsoleControl, WhenNoHandlerAcceptsTheDefaultEndsTheProcess) {
    for (int signalNumber : {SIGINT, SIGTERM}) {
        EXPECT_EXIT(
            {
                SetConsoleCtrlHandler(Declines, TRUE);
                std::raise(signalNumber);
                std::this_thread::sleep_for(std::chrono::seconds(5));
                std::_Exit(0);
            },
            testing::KilledBySignal(signalNumber), "");
    }
}

TEST_F(ConsoleControl, ClosingEndsTheProcessEvenWhenAHandlerAccepts) {
    EXPECT_EXIT(
        {
            SetConsoleCtrlHandler(Accepts, TRUE);
            std::raise(SIGHUP);
            std::this_thread::sleep_for(std::chrono::seconds(5));
            std::_Exit(g_calls == 1 + CTRL_CLOSE_EVENT * 100 ? 0 : 1);
        },
        testing::KilledBySignal(SIGHUP), "");
}

TEST_F(ConsoleControl, ANullHandlerIgnoresCtrlCOnly) {
    EXPECT_EXIT(
        {
            SetConsoleCtrlHandler(nullptr, TRUE);
            std::raise(SIGINT);
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            std::raise(SIGTERM);
            std::this_thread::sleep_for(std::chrono::seconds(5));
            std::_Exit(0);
        },
        testing::KilledBySignal(SIGTERM), "");
}

TEST_F(ConsoleControl, TerminateProcessEndsAsCtrlCForItsStatusAndWithTheCodeOtherwise) {
    EXPECT_EXIT(TerminateProcess(GetCurrentProcess(), STATUS_CONTROL_C_EXIT),
                testing::KilledBySignal(SIGINT), "");
    EXPECT_EXIT(TerminateProcess(GetCurrentProcess(), 0x107), testing::ExitedWithCode(7), "");
}

// A write blocked on a full pipe fails once cancelled; a handle without
// THREAD_TERMINATE access cannot cancel, and a running thread has nothing to
// cancel.
TEST_F(ConsoleControl, CancelSynchronousIoEndsAWriteBlockedOnAFullPipe) {
    EXPECT_EXIT(
        {
            alarm(10);
            int ends[2];
            if (pipe(ends) != 0) {
                std::_Exit(90);
            }
            fcntl(ends[1], F_SETFL, O_NONBLOCK);
            char block[4096] = {};
            while (write(ends[1], block, sizeof(block)) > 0) {
            }
            fcntl(ends[1], F_SETFL, 0);
            const DWORD writer = GetCurrentThreadId();
            std::atomic<int> verdict{0};
            std::thread canceller([writer, &verdict] {
                HANDLE weak = OpenThread(0, FALSE, writer);
                HANDLE thread = OpenThread(THREAD_TERMINATE, FALSE, writer);
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                verdict = CancelSynchronousIo(weak) ? 1 : CancelSynchronousIo(thread) ? 0 : 2;
                CloseHandle(weak);
                CloseHandle(thread);
            });
            const ssize_t written = write(ends[1], block, sizeof(block));
            const int error = errno;
            canceller.join();
            HANDLE self = OpenThread(THREAD_TERMINATE, FALSE, GetCurrentThreadId());
            const bool nothingToCancel = CancelSynchronousIo(self) == FALSE;
            CloseHandle(self);
            std::_Exit(written == -1 && error == EINTR && verdict == 0 && nothingToCancel ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

// The wait mode of standard output when it is a pipe, and no mode for a file.
TEST_F(ConsoleControl, StandardOutputPipeSwitchesBetweenWaitAndNoWait) {
    EXPECT_EXIT(
        {
            int ends[2];
            if (pipe(ends) != 0 || dup2(ends[1], STDOUT_FILENO) == -1) {
                std::_Exit(90);
            }
            HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
            DWORD state = 99;
            DWORD noWait = PIPE_NOWAIT;
            DWORD message = PIPE_READMODE_MESSAGE;
            bool ok =
                GetNamedPipeHandleStateA(out, &state, nullptr, nullptr, nullptr, nullptr, 0) &&
                state == PIPE_WAIT;
            ok = ok && SetNamedPipeHandleState(out, &noWait, nullptr, nullptr) &&
                 (fcntl(STDOUT_FILENO, F_GETFL) & O_NONBLOCK) != 0 &&
                 GetNamedPipeHandleStateA(out, &state, nullptr, nullptr, nullptr, nullptr, 0) &&
                 state == PIPE_NOWAIT;
            ok = ok && !SetNamedPipeHandleState(out, &message, nullptr, nullptr);
            const int file = open("/dev/null", O_WRONLY);
            ok = ok && dup2(file, STDOUT_FILENO) != -1 &&
                 !GetNamedPipeHandleStateA(out, &state, nullptr, nullptr, nullptr, nullptr, 0) &&
                 !SetNamedPipeHandleState(out, &noWait, nullptr, nullptr);
            std::_Exit(ok ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

} // namespace
