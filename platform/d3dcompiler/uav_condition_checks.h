// A compute shader's loop whose termination condition reads a UAV, which
// Windows' compiler takes only under [allow_uav_condition] (X3671).
#pragma once

#include "function_scan.h"
#include "hlsl_tokens.h"

#include <set>
#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends one X3671 line per loop of the functions `reached` names whose
// condition reads a UAV, or a local assigned from one, and that carries
// neither [allow_uav_condition] nor [unroll].
void CheckUavLoopConditions(const std::vector<HlslToken>& tokens,
                            const std::vector<FunctionDefinition>& functions,
                            const std::set<std::string>& reached, std::string* errors);

} // namespace d3dcompiler_standin
