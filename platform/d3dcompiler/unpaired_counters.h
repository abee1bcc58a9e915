// A structured buffer used only through its hidden counter (IncrementCounter
// or DecrementCounter, no element read or written) loses its own variable to
// glslang's legalisation, and with it the decoration pairing the counter with
// it: PlaceCounterBindings cannot place such a counter, which kept glslang's
// automatic binding, another register's. It is placed here by its name
// ("items@count" for the buffer "items") at the buffer's `register(uN)` in
// the source, in the counter class (register_bindings.h).
#pragma once

#include "hlsl_tokens.h"

#include <cstdint>
#include <vector>

namespace d3dcompiler_standin {

void PlaceUnpairedCounters(std::vector<uint32_t>* spirv, const std::vector<HlslToken>& tokens);

} // namespace d3dcompiler_standin
