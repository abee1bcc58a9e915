// The test hooks of platform_testing/messages.h.
#include "debug_messages.h"

#include <platform_testing/messages.h>

#include <atomic>

namespace platform_testing {
namespace {

std::atomic<uint64_t> g_acknowledged{0};

uint64_t ErrorsReported() {
    return standin::ReportedCount(D3D12_MESSAGE_SEVERITY_ERROR) +
           standin::ReportedCount(D3D12_MESSAGE_SEVERITY_CORRUPTION);
}

} // namespace

uint64_t UnexpectedD3D12Errors() {
    // Counts start again after ResetReportedMessages; never below zero.
    uint64_t reported = ErrorsReported(), acknowledged = g_acknowledged.load();
    return reported > acknowledged ? reported - acknowledged : 0;
}

void AcknowledgeD3D12Errors() {
    g_acknowledged = ErrorsReported();
}

void ForgetReportedD3D12Messages() {
    standin::ForgetReportedMessages();
}

} // namespace platform_testing
