// A compute shader's thread-group syncs ("GroupMemoryBarrierWithGroupSync"
// and its kin) must be reached by every thread of the group, so Windows'
// compiler refuses one in flow control that differs between threads (X4026).
#pragma once

#include "function_scan.h"
#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends one X4026 line to `errors` where a sync the entry point `entry`
// reaches stands under a condition, loop or early return that reads a
// per-thread value: the entry point's inputs and what is computed from them.
// Values read from memory are not counted as per-thread, so nothing Windows
// accepts is refused.
void CheckBarrierFlow(const std::vector<HlslToken>& tokens,
                      const std::vector<FunctionDefinition>& functions, size_t entry,
                      std::string* errors);

} // namespace d3dcompiler_standin
