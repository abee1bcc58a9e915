// The application's real window on the X server, checked from outside the
// process with xwininfo, xprop and xdotool, and ended by a real Escape key
// press and by a window manager's close request.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace {

std::string RunCommand(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return output;
    }
    char buffer[512];
    while (size_t got = fread(buffer, 1, sizeof(buffer), pipe)) {
        output.append(buffer, got);
    }
    pclose(pipe);
    return output;
}

class AppWindowOnX : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(std::getenv("DISPLAY"), nullptr)
            << "needs an X display: run through scripts/test.sh, which starts Xvfb";
        outputPath_ = testing::TempDir() + "app_window_program." + std::to_string(getpid());
        program_ = fork();
        ASSERT_GE(program_, 0);
        if (program_ == 0) {
            if (std::freopen(outputPath_.c_str(), "w", stdout) == nullptr) {
                _exit(126);
            }
            execl(APP_WINDOW_PROGRAM, APP_WINDOW_PROGRAM, static_cast<char*>(nullptr));
            _exit(127);
        }
        // The stand-in names the process on the window (_NET_WM_PID).
        std::string search = "xdotool search --pid " + std::to_string(program_) + " 2>/dev/null";
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (window_.empty() && std::chrono::steady_clock::now() < deadline) {
            std::istringstream(RunCommand(search)) >> window_;
            if (window_.empty()) {
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
        }
        ASSERT_FALSE(window_.empty()) << "the program's window did not appear";
    }
    void TearDown() override {
        if (program_ > 0 && !exited_) {
            kill(program_, SIGKILL);
            waitpid(program_, nullptr, 0);
        }
        std::remove(outputPath_.c_str());
    }

    // The program's exit status, or -1 if it still runs after `seconds`.
    int WaitForExit(int seconds) {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        while (std::chrono::steady_clock::now() < deadline) {
            int status = 0;
            if (waitpid(program_, &status, WNOHANG) == program_) {
                exited_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return -1;
    }
    std::string ProgramOutput() {
        std::ifstream file(outputPath_);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

    pid_t program_ = -1;
    bool exited_ = false;
    std::string window_;
    std::string outputPath_;
};

TEST_F(AppWindowOnX, HasItsCaptionAndAFixed1280By720ClientAreaAndEscapeEndsThePump) {
    std::string info = RunCommand("xwininfo -id " + window_);
    EXPECT_NE(info.find("Width: 1280\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Height: 720\n"), std::string::npos) << info;

    std::string properties =
        RunCommand("xprop -id " + window_ + " WM_NAME _NET_WM_NAME WM_NORMAL_HINTS");
    EXPECT_NE(properties.find("WM_NAME(STRING) = \"Brennwick\""), std::string::npos) << properties;
    EXPECT_NE(properties.find("_NET_WM_NAME(UTF8_STRING) = \"Brennwick\""), std::string::npos)
        << properties;
    EXPECT_NE(properties.find("program specified minimum size: 1280 by 720"), std::string::npos)
        << properties;
    EXPECT_NE(properties.find("program specified maximum size: 1280 by 720"), std::string::npos)
        << properties;

    RunCommand("xdotool key --window " + window_ + " F5 2>&1");
    EXPECT_EQ(WaitForExit(1), -1) << "F5 must not end the program";

    // The program may be gone before the key release is sent: output only.
    RunCommand("xdotool key --window " + window_ + " Escape 2>&1");
    EXPECT_EQ(WaitForExit(30), 0) << "Escape should end the pump";
    EXPECT_NE(ProgramOutput().find("quit seen"), std::string::npos) << ProgramOutput();
}

TEST_F(AppWindowOnX, WindowManagerCloseRequestEndsThePump) {
    EXPECT_EQ(std::system((std::string(SEND_CLOSE_REQUEST) + " " + window_).c_str()), 0);
    EXPECT_EQ(WaitForExit(30), 0) << "the close request should end the pump";
    EXPECT_NE(ProgramOutput().find("quit seen"), std::string::npos) << ProgramOutput();
}

} // namespace
