// Checks that depend on the stage being compiled and on what its entry point
// reaches: operations that need a pixel shader's derivatives, and a compute
// shader's thread-group size and group-shared memory against shader model 5.0's
// limits.
#pragma once

#include "hlsl_tokens.h"
#include "shader_target.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// False with one "file(line,col): error ...: ..." line per problem in `errors`.
bool CheckStage(const std::vector<HlslToken>& tokens, const std::string& entryPoint,
                const ShaderTarget& target, std::string* errors);

} // namespace d3dcompiler_standin
