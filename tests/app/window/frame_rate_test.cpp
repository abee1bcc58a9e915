// The frame-rate report on the virtual clock. Its state lives for the whole
// process, so this is the one test that calls UpdateFrameRate.
#include <gtest/gtest.h>

#include <app/window.h>

#include <platform_testing.h>
#include <stdout_capture.h>

#include <string>

namespace {

std::string Frames(int calls, uint32_t stepMs) {
    StdoutCapture capture;
    for (int i = 0; i < calls; ++i) {
        platform_testing::AdvanceVirtualClock(stepMs);
        EXPECT_EQ(UpdateFrameRate(), 0);
    }
    return capture.Take();
}

TEST(FrameRate, ReportsAtSixteenMillisecondStepsAndAcrossTheTimerWrap) {
    // The second report's second crosses 2^32 milliseconds. The counter is
    // process-wide: a report a second before the start leaves it as a fresh
    // one would be, whatever ran before.
    platform_testing::UseVirtualClock(0xFFFFFFFFu - 2500u);
    StdoutCapture settle;
    UpdateFrameRate();
    platform_testing::AdvanceVirtualClock(1000);
    UpdateFrameRate();
    settle.Take();
    StdoutCapture first;
    UpdateFrameRate(); // counted, at elapsed time 0
    EXPECT_EQ(first.Take(), "");
    EXPECT_EQ(Frames(62, 16), "") << "1008 ms are reached on the 64th call";
    EXPECT_EQ(Frames(1, 16), "63.49 fps\n");
    EXPECT_EQ(Frames(62, 16), "");
    EXPECT_EQ(Frames(1, 16), "62.50 fps\n") << "63 frames over 1008 ms";
    // The rate divides by the true elapsed time.
    EXPECT_EQ(Frames(1, 2500), "0.40 fps\n");
    platform_testing::UseRealClock();
}

} // namespace
