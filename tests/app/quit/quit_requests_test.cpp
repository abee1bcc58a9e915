// Ctrl+C and SIGTERM as the entry function takes them, and output that stops
// waiting once the program quits. Each case runs in a child process: the
// handlers are process-wide and a second request ends the process.
#include <gtest/gtest.h>

#include <app/quit_requests.h>

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

bool StdoutNonBlocking() {
    return (fcntl(STDOUT_FILENO, F_GETFL) & O_NONBLOCK) != 0;
}

// Standard output becomes a pipe nobody reads, filled to the brim. A write
// that waits on it ends the child by SIGALRM instead of hanging the test.
void StdoutToFullPipe() {
    alarm(10);
    int ends[2];
    if (pipe(ends) != 0 || dup2(ends[1], STDOUT_FILENO) == -1) {
        std::_Exit(90);
    }
    int flags = fcntl(ends[1], F_GETFL);
    fcntl(ends[1], F_SETFL, flags | O_NONBLOCK);
    char block[4096] = {};
    while (write(ends[1], block, sizeof(block)) > 0) {
    }
    fcntl(ends[1], F_SETFL, flags);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
}

// The handler runs on a thread of its own: the request arrives a moment later.
bool RequestTakenWithinSeconds(int seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        if (TakeQuitRequest()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

// In the child: standard output on a full pipe, quit requests caught, then
// `steps`, which return 0 when all went as expected. The restore must leave
// standard output blocking again, as it found it.
int OnFullPipe(int (*steps)()) {
    StdoutToFullPipe();
    CatchQuitRequests();
    int failed = steps();
    RestoreStandardStreams();
    return failed != 0 ? failed : StdoutNonBlocking() ? 99 : 0;
}

class QuitRequests : public testing::Test {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(QuitRequests, FirstRequestIsTakenOnceAndOutputNoLongerWaits) {
    EXPECT_EXIT(std::_Exit(OnFullPipe([] {
                    if (TakeQuitRequest() || StdoutNonBlocking()) {
                        return 1;
                    }
                    std::raise(SIGTERM);
                    if (!RequestTakenWithinSeconds(5) || TakeQuitRequest()) {
                        return 2;
                    }
                    // Would block for ever on the full pipe; dropped instead.
                    std::printf("a line nobody reads\n");
                    return 0;
                })),
                testing::ExitedWithCode(0), "");
}

TEST_F(QuitRequests, AWriteBlockedOnAFullPipeGivesUpAtTheFirstRequest) {
    EXPECT_EXIT(std::_Exit(OnFullPipe([] {
                    std::thread asker([] {
                        std::this_thread::sleep_for(std::chrono::milliseconds(300));
                        kill(getpid(), SIGINT);
                    });
                    // Blocks until the request frees it (SIGALRM after 10 s
                    // otherwise).
                    std::printf("the frame-rate line nobody reads\n");
                    asker.join();
                    return RequestTakenWithinSeconds(5) ? 0 : 1;
                })),
                testing::ExitedWithCode(0), "");
}

TEST_F(QuitRequests, QuittingOnItsOwnStopsOutputWaitingToo) {
    EXPECT_EXIT(std::_Exit(OnFullPipe([] {
                    StopWaitingForOutput();
                    std::printf("a teardown line nobody reads\n");
                    return TakeQuitRequest() ? 1 : 0;
                })),
                testing::ExitedWithCode(0), "");
}

// Ended as a Ctrl+C ends a program, without its teardown.
TEST_F(QuitRequests, SecondRequestEndsTheProcessAtOnce) {
    for (int second : {SIGINT, SIGTERM}) {
        EXPECT_EXIT(
            {
                CatchQuitRequests();
                std::raise(SIGINT);
                std::raise(second);
                std::this_thread::sleep_for(std::chrono::seconds(5));
                std::_Exit(0);
            },
            testing::KilledBySignal(SIGINT), "")
            << "second request " << second;
    }
}

} // namespace
