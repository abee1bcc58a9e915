// Ctrl+C and SIGTERM as the entry function takes them, and output that stops
// waiting once the program quits. Each case runs in a child process: the
// handlers are process-wide and a second request ends the process.
#include <gtest/gtest.h>

#include <quit_requests.h>

#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

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
    std::setvbuf(stdout, nullptr, _IOLBF, BUFSIZ);
}

class QuitRequests : public testing::Test {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(QuitRequests, FirstRequestIsTakenOnceAndOutputNoLongerWaits) {
    EXPECT_EXIT(
        {
            StdoutToFullPipe();
            CatchQuitRequests();
            if (TakeQuitRequest() || StdoutNonBlocking()) {
                std::_Exit(1);
            }
            std::raise(SIGTERM);
            if (!TakeQuitRequest() || TakeQuitRequest()) {
                std::_Exit(2);
            }
            // Would block for ever on the full pipe; dropped instead.
            std::printf("a line nobody reads\n");
            RestoreStandardStreams();
            std::_Exit(StdoutNonBlocking() ? 3 : 0);
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(QuitRequests, QuittingOnItsOwnStopsOutputWaitingToo) {
    EXPECT_EXIT(
        {
            StdoutToFullPipe();
            CatchQuitRequests();
            StopWaitingForOutput();
            std::printf("a teardown line nobody reads\n");
            if (TakeQuitRequest()) {
                std::_Exit(1);
            }
            RestoreStandardStreams();
            std::_Exit(StdoutNonBlocking() ? 2 : 0);
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(QuitRequests, SecondRequestEndsTheProcessAtOnce) {
    EXPECT_EXIT(
        {
            CatchQuitRequests();
            std::raise(SIGINT);
            std::raise(SIGINT);
            std::_Exit(0);
        },
        testing::ExitedWithCode(128 + SIGINT), "");
    EXPECT_EXIT(
        {
            CatchQuitRequests();
            std::raise(SIGINT);
            std::raise(SIGTERM);
            std::_Exit(0);
        },
        testing::ExitedWithCode(128 + SIGTERM), "");
}

TEST_F(QuitRequests, MissingStandardStreamsAreTakenByTheNullDevice) {
    EXPECT_EXIT(
        {
            close(STDIN_FILENO);
            close(STDOUT_FILENO);
            OpenMissingStandardStreams();
            char target[32] = {};
            ssize_t length = readlink("/proc/self/fd/1", target, sizeof(target) - 1);
            int later = open("/dev/zero", O_RDONLY);
            std::_Exit(length == 9 && std::string(target) == "/dev/null" && later > 2 ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

} // namespace
