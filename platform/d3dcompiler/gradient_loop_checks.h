// A pixel shader's gradient operations (Sample, ddx and their kin) in a loop
// whose count the draw or the program sets: Windows' compiler must unroll such
// a loop to keep the gradients defined, and cannot (X3511).
#pragma once

#include "function_scan.h"
#include "hlsl_tokens.h"

#include <set>
#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends one X3511 line per loop of the functions `reached` names that holds
// a gradient operation, itself or through a function it calls, and whose
// condition reads a value only the draw or the program gives; loops marked
// [unroll] are left to the unroll checks.
void CheckGradientLoops(const std::vector<HlslToken>& tokens,
                        const std::vector<FunctionDefinition>& functions,
                        const std::set<std::string>& reached, std::string* errors);

} // namespace d3dcompiler_standin
