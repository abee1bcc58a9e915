// A compute shader's thread-group syncs ("GroupMemoryBarrierWithGroupSync"
// and its kin) must be reached by every thread of the group, so Windows'
// compiler refuses one in flow control that differs between threads (X3663),
// or that a read of shared memory or a thread gone decides (X4026).
#pragma once

#include "function_scan.h"
#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends one error line to `errors` where a sync the entry point `entry`
// reaches stands under a condition or loop that reads a per-thread value (the
// entry point's inputs and what is computed from them: X3663), or one that
// reads memory other threads write, or after a return taken per thread
// (X4026). A sync every thread reaches settles what was read before it.
void CheckBarrierFlow(const std::vector<HlslToken>& tokens,
                      const std::vector<FunctionDefinition>& functions, size_t entry,
                      std::string* errors);

} // namespace d3dcompiler_standin
