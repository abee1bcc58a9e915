// Standard descriptors that a process was started without are taken by the
// null device, so nothing the stand-in opens lands on them.
#include <gtest/gtest.h>

#include <standard_streams.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

namespace {

constexpr const char* kChildMark = "STANDARD_STREAMS_TEST_CHILD";

bool LeadsToNullDevice(int fd) {
    char target[64] = {};
    std::string link = "/proc/self/fd/" + std::to_string(fd);
    ssize_t length = readlink(link.c_str(), target, sizeof(target) - 1);
    return length > 0 && std::string(target, size_t(length)) == "/dev/null";
}

// Runs `child` in a forked process and returns its exit status.
template <typename Child> int InChild(Child child) {
    pid_t pid = fork();
    if (pid == 0) {
        _exit(child());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

TEST(StandardStreams, MissingOnesAreTakenAndLaterFilesGoAbove) {
    EXPECT_EQ(InChild([] {
                  close(STDIN_FILENO);
                  close(STDOUT_FILENO);
                  win32_standin::KeepStandardStreamsOpen();
                  if (!LeadsToNullDevice(STDIN_FILENO) || !LeadsToNullDevice(STDOUT_FILENO)) {
                      return 1;
                  }
                  int later = open("/dev/zero", O_RDONLY);
                  return later > STDERR_FILENO ? 0 : 2;
              }),
              0);
    EXPECT_EQ(InChild([] {
                  // Only the middle one missing: the one below stays as it was.
                  int before = fcntl(STDIN_FILENO, F_GETFL);
                  close(STDOUT_FILENO);
                  win32_standin::KeepStandardStreamsOpen();
                  return LeadsToNullDevice(STDOUT_FILENO) && fcntl(STDIN_FILENO, F_GETFL) == before
                             ? 0
                             : 1;
              }),
              0);
}

// Started without standard input and output: both are the null device before
// main, files opened later land above them, and a pipe whose reader has gone
// fails a write instead of ending the process.
TEST(StandardStreams, TakenBeforeMainInAProgramStartedWithoutStandardOutput) {
    if (std::getenv(kChildMark) != nullptr) {
        if (!LeadsToNullDevice(STDIN_FILENO) || !LeadsToNullDevice(STDOUT_FILENO)) {
            _exit(1);
        }
        if (open("/dev/zero", O_RDONLY) <= STDERR_FILENO) {
            _exit(2);
        }
        int ends[2];
        if (pipe(ends) != 0 || close(ends[0]) != 0) {
            _exit(3);
        }
        _exit(write(ends[1], "x", 1) == -1 && errno == EPIPE ? 0 : 4);
    }
    EXPECT_EQ(InChild([] {
                  setenv(kChildMark, "1", 1);
                  close(STDIN_FILENO);
                  close(STDOUT_FILENO);
                  execl("/proc/self/exe", "/proc/self/exe",
                        "--gtest_filter=StandardStreams."
                        "TakenBeforeMainInAProgramStartedWithoutStandardOutput",
                        static_cast<char*>(nullptr));
                  return 127;
              }),
              0);
}

} // namespace
