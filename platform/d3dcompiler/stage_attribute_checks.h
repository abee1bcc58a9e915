// The attributes a geometry or hull shader's entry point needs, judged as
// Windows' compiler judges them before it builds the stage.
#pragma once

#include "function_scan.h"
#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// The name token of the attribute `name` in front of `entry` (any case, as
// Windows matches attribute names), or 0.
size_t FindEntryAttribute(const std::vector<HlslToken>& tokens, const FunctionDefinition& entry,
                          const char* name);

// [maxvertexcount(N)] and [instance(N)] on a geometry shader ('g'),
// [patchconstantfunc("f")] naming a function the source defines and
// [outputcontrolpoints(N)] on a hull shader ('h'), and
// InputPatch and OutputPatch parameters in hull and domain shaders only; one
// error line per problem in `errors`.
void CheckStageAttributes(const std::vector<HlslToken>& tokens,
                          const std::vector<FunctionDefinition>& functions,
                          const FunctionDefinition& entry, char stage, std::string* errors);

} // namespace d3dcompiler_standin
