// What a test run checks on the Linux stand-in beyond the public API, through
// its test hooks: refusals a test asked for, stand-in objects left alive,
// debug-layer errors a test provokes on purpose (the stand-in's test main fails
// a run on any other). Built for Windows, which has no such hooks, the tests
// keep only what the public API shows.
#pragma once

#include <gtest/gtest.h>

#ifndef _WIN32
#include <platform_testing.h>
#endif

// Every debug-layer error reported so far was provoked on purpose.
inline void AcknowledgeProvokedErrors() {
#ifndef _WIN32
    platform_testing::AcknowledgeD3D12Errors();
#endif
}

// Ends refusals a test asked for; returns the stand-in objects alive now.
inline long StartStandInChecks() {
#ifndef _WIN32
    platform_testing::ClearRefusals();
    return platform_testing::LiveObjects();
#else
    return 0;
#endif
}

// Ends refusals a test asked for, and expects as many stand-in objects alive
// as at its start.
inline void EndStandInChecks(long aliveAtStart) {
#ifndef _WIN32
    platform_testing::ClearRefusals();
    EXPECT_EQ(platform_testing::LiveObjects(), aliveAtStart) << "stand-in objects leaked";
#else
    (void)aliveAtStart;
#endif
}
