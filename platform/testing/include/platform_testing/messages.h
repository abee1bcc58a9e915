// Test hooks of the stand-in's message module: how many Direct3D 12 debug-layer
// errors were reported, so that a test run fails on any it did not expect.
#pragma once

#include <cstdint>

namespace platform_testing {

// D3D12 ERROR (and CORRUPTION) messages reported so far and not acknowledged.
uint64_t UnexpectedD3D12Errors();
// A test that provokes errors on purpose acknowledges every error reported so far.
void AcknowledgeD3D12Errors();
// Forgets which objects already reported which messages (each is reported
// once per object), so that a test sees its own reports afresh.
void ForgetReportedD3D12Messages();

} // namespace platform_testing
