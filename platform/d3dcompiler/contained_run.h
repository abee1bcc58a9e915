// Runs a compile in a child process, so that nothing the compiler does to
// itself — a crash, an endless loop, runaway memory — reaches the caller.
#pragma once

#include <d3dcompiler.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace d3dcompiler_standin {

struct ContainmentLimits {
    int seconds = 10;                     // wall-clock time for the whole compile
    size_t memoryBytes = size_t(1) << 30; // address space beyond what the caller already uses
    size_t resultBytes = size_t(256) << 20;

    // The defaults, with the time from BRENNWICK_HLSL_COMPILE_SECONDS (1 to
    // 3600) where set: under an instruction counter such as callgrind a
    // compile runs some hundred times slower.
    static ContainmentLimits FromEnvironment();
};

// What the work produced in the child.
struct CompileOutput {
    bool compiled = false;
    std::vector<uint8_t> container;
    std::string messages;
};

enum class ContainedEnd {
    Finished,    // the work returned; `output` holds what it produced
    Crashed,     // the child died of a signal
    TimedOut,    // past `seconds`, and stopped
    OutOfMemory, // past `memoryBytes`, and stopped
    Interrupted, // the caller took a signal (Ctrl+C) while waiting
    NotStarted,  // no child process could be made
};

struct ContainedResult {
    ContainedEnd end = ContainedEnd::NotStarted;
    int signal = 0; // the signal a crashed child died of
    CompileOutput output;
};

// The compile, given the include handler to use in the child.
using ContainedWork = std::function<CompileOutput(ID3DInclude* include)>;

// Runs `work` in a forked child under `limits` and waits for it, answering
// the child's calls of the caller's include handler `include` meanwhile. The
// child sees the caller's memory as it was at the call and never returns into
// the caller's code.
ContainedResult RunContained(const ContainmentLimits& limits, ID3DInclude* include,
                             const ContainedWork& work);

// Held across each fork, and by anything that runs the compiler in the
// caller's own process (the built-in tables' warm-up): a child must not be
// forked while another thread holds the compiler's locks.
std::mutex& InProcessCompilerLock();

// One line, in the compiler's "file: error ..." form, for an end other than
// Finished.
std::string DescribeContainedEnd(const ContainedResult& result, const ContainmentLimits& limits,
                                 const std::string& path);

} // namespace d3dcompiler_standin
