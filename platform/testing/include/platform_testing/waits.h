// How long the process spent blocked in WaitForSingleObject: lets benchmarks
// split GPU waiting from CPU recording.
#pragma once

#include <cstdint>

namespace platform_testing {

uint64_t NanosecondsBlockedInWaits();
uint64_t WaitsThatBlocked();

} // namespace platform_testing
