// The entry point's inputs and outputs judged as Windows' compiler judges a
// stage's signature: a system value the stage cannot take in or give out
// ("error X4502: invalid vs_5_0 output semantic 'SV_Target'"), and an output
// semantic and index given twice.
#pragma once

#include "function_scan.h"
#include "hlsl_tokens.h"
#include "shader_target.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends one error line per such element of `entry`'s parameters, return
// value and the members of the structures they name.
void CheckEntrySignature(const std::vector<HlslToken>& tokens, const FunctionDefinition& entry,
                         const ShaderTarget& target, std::string* errors);

} // namespace d3dcompiler_standin
