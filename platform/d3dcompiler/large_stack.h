// Runs work on a thread with a large stack: the HLSL front end recurses once
// per level of nesting, and deep nesting must not overflow the caller's stack.
#pragma once

#include <cstddef>
#include <functional>

namespace d3dcompiler_standin {

// Stack of the compiling thread. Only the pages the front end touches are
// ever committed.
constexpr size_t kCompileStackBytes = size_t(512) << 20;

// Runs `work` on a new thread with `stackBytes` of stack and waits for it.
// False (and `work` not run) when no such thread can be started.
bool RunWithLargeStack(size_t stackBytes, const std::function<void()>& work);

} // namespace d3dcompiler_standin
