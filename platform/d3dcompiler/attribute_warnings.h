// Attributes Windows' compiler does not know, or that do not fit where they
// stand, which it warns about (X3554) and otherwise ignores.
#pragma once

#include "function_scan.h"
#include "hlsl_tokens.h"
#include "shader_target.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Adds a warning line for each attribute of a statement or a function that
// the statement, or the entry point's stage, does not take.
void WarnMisplacedAttributes(const std::vector<HlslToken>& tokens,
                             const std::vector<FunctionDefinition>& functions,
                             const std::string& entryPoint, const ShaderTarget& target,
                             std::string* warnings);

} // namespace d3dcompiler_standin
