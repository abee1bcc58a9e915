// The application's window procedure and message pump, driven through the
// stand-in's real message queue, with no display.
#include <gtest/gtest.h>

#include <app/window.h>

#include <platform_testing.h>
#include <window_bridge.h>

#include <signal.h>

#include <cstring>
#include <string>

namespace {

using platform_testing::DefaultProcessedMessages;

class AppWindow : public testing::Test {
protected:
    // Once per process, as the program makes its window: a repeated run of
    // the suite keeps the windows and what their making printed.
    static void SetUpTestSuite() {
        if (stderr_ != nullptr) {
            return;
        }
        for (int i = 0; i < 2; ++i) {
            struct sigaction before {};
            sigaction(i == 0 ? SIGINT : SIGTERM, nullptr, &before);
            signalsBefore_[i] = before.sa_handler;
        }
        // The caller's title changes after the first call: the class must not
        // follow it when the second call registers the class again.
        char* title = new char[16];
        std::strcpy(title, "Brennwick");
        testing::internal::CaptureStderr();
        window_ = CreateAppWindow(title, 1280, 720);
        stderr_ = new std::string(testing::internal::GetCapturedStderr());
        std::strcpy(title, "Changed");
        secondWindow_ = CreateAppWindow("Brennwick", 640, 360);
        registeredUnderChangedTitle_ = UnregisterClassA("Changed", nullptr) != FALSE;
        delete[] title;
    }
    void SetUp() override {
        ASSERT_NE(window_, HWND{});
        while (PumpMessages() == 0) {
        }
    }
    static bool QueueIsEmpty() {
        MSG message;
        return !PeekMessageA(&message, HWND{}, 0, 0, PM_NOREMOVE);
    }

    static HWND window_;
    static HWND secondWindow_;
    static bool registeredUnderChangedTitle_;
    static std::string* stderr_;
    using SignalHandler = void (*)(int);
    static SignalHandler signalsBefore_[2];
};
HWND AppWindow::window_ = HWND{};
HWND AppWindow::secondWindow_ = HWND{};
bool AppWindow::registeredUnderChangedTitle_ = false;
std::string* AppWindow::stderr_ = nullptr;
AppWindow::SignalHandler AppWindow::signalsBefore_[2] = {};

TEST_F(AppWindow, ExistsWithoutADisplayAndSaysSoOnce) {
    EXPECT_NE(stderr_->find("running without a display"), std::string::npos) << *stderr_;
    EXPECT_EQ(stderr_->find('\n'), stderr_->size() - 1) << "one line: " << *stderr_;
    win32_standin::NativeWindow native{};
    ASSERT_TRUE(win32_standin::GetNativeWindow(window_, &native));
    EXPECT_EQ(native.connection, nullptr);
    EXPECT_EQ(native.clientWidth, 1280u);
    EXPECT_EQ(native.clientHeight, 720u);
}

TEST_F(AppWindow, ClassOutlivesTheTitleItWasNamedWith) {
    EXPECT_FALSE(registeredUnderChangedTitle_);
    ASSERT_NE(secondWindow_, HWND{}) << "the class is still registered as \"Brennwick\"";
    win32_standin::NativeWindow native{};
    ASSERT_TRUE(win32_standin::GetNativeWindow(secondWindow_, &native));
    EXPECT_EQ(native.clientWidth, 640u);
    EXPECT_TRUE(DestroyWindow(secondWindow_));
    EXPECT_EQ(PumpMessages(), 0) << "WM_DESTROY posts the quit message";
    // Another window of the class for a repeated run.
    secondWindow_ = CreateAppWindow("Brennwick", 640, 360);
}

TEST_F(AppWindow, EscapeQuitsAndStillReachesTheDefaultProcedure) {
    uint64_t defaultKeyDowns = DefaultProcessedMessages(WM_KEYDOWN);
    platform_testing::InjectKeyDown(VK_F5);
    platform_testing::InjectKeyUp(VK_F5);
    EXPECT_EQ(PumpMessages(), 1) << "other keys do not quit";
    EXPECT_EQ(DefaultProcessedMessages(WM_KEYDOWN), defaultKeyDowns + 1);

    platform_testing::InjectKeyDown(VK_ESCAPE);
    platform_testing::InjectKeyUp(VK_ESCAPE);
    EXPECT_EQ(PumpMessages(), 0);
    EXPECT_EQ(DefaultProcessedMessages(WM_KEYDOWN), defaultKeyDowns + 2);
    EXPECT_TRUE(IsWindow(window_));
    EXPECT_EQ(PumpMessages(), 1) << "one quit message, seen once";
}

TEST_F(AppWindow, CloseRequestQuitsWithoutDestroyingTheWindow) {
    EXPECT_EQ(SendMessageA(window_, WM_CLOSE, 0, 0), 0);
    EXPECT_TRUE(IsWindow(window_));
    EXPECT_EQ(PumpMessages(), 0);
    EXPECT_TRUE(IsWindow(window_));
}

TEST_F(AppWindow, ScreenSaverAndMonitorPowerAreSwallowedAndCloseCommandCloses) {
    uint64_t defaultCommands = DefaultProcessedMessages(WM_SYSCOMMAND);
    uint64_t defaultImeContexts = DefaultProcessedMessages(WM_IME_SETCONTEXT);
    EXPECT_EQ(SendMessageA(window_, WM_SYSCOMMAND, 0xF172, 2), 0);
    EXPECT_EQ(SendMessageA(window_, WM_SYSCOMMAND, 0xF140, 0), 0);
    EXPECT_EQ(SendMessageA(window_, WM_IME_SETCONTEXT, 1, 0), 0);
    EXPECT_EQ(DefaultProcessedMessages(WM_SYSCOMMAND), defaultCommands);
    EXPECT_EQ(DefaultProcessedMessages(WM_IME_SETCONTEXT), defaultImeContexts);
    EXPECT_TRUE(QueueIsEmpty());

    EXPECT_EQ(SendMessageA(window_, WM_SYSCOMMAND, 0xF060, 0), 0);
    EXPECT_EQ(DefaultProcessedMessages(WM_SYSCOMMAND), defaultCommands + 1);
    EXPECT_TRUE(IsWindow(window_)) << "WM_CLOSE reached WindowProc, not the default";
    EXPECT_EQ(PumpMessages(), 0);
}

TEST_F(AppWindow, QuitAmongOtherMessagesIsDispatchedWithThemAll) {
    uint64_t before1 = DefaultProcessedMessages(WM_USER + 1);
    uint64_t before2 = DefaultProcessedMessages(WM_USER + 2);
    PostMessageA(window_, WM_USER + 1, 0, 0);
    PostQuitMessage(0);
    PostMessageA(window_, WM_USER + 2, 0, 0);
    EXPECT_EQ(PumpMessages(), 0);
    EXPECT_EQ(DefaultProcessedMessages(WM_USER + 1), before1 + 1);
    EXPECT_EQ(DefaultProcessedMessages(WM_USER + 2), before2 + 1);
    EXPECT_TRUE(QueueIsEmpty()) << "the pump drains the whole queue";
}

TEST_F(AppWindow, WithoutADisplaySignalsAreLeftToTheProgram) {
    // The window was opened without a display and messages were pumped: the
    // program's own choice for SIGINT and SIGTERM must still stand.
    for (int signalNumber : {SIGINT, SIGTERM}) {
        struct sigaction current {};
        ASSERT_EQ(sigaction(signalNumber, nullptr, &current), 0);
        EXPECT_EQ(current.sa_handler, signalsBefore_[signalNumber == SIGINT ? 0 : 1])
            << "signal " << signalNumber;
    }
}

} // namespace
