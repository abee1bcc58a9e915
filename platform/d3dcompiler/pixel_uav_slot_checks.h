// In a pixel shader of shader model 5.0 and before, UAVs share their slots
// with the render targets the shader writes: a UAV bound below the first slot
// past the targets (u0 where SV_Target0 is written) is refused, in fxc's words
// as public reports quote them: "error X4509: UAV registers live in the same
// name space as outputs, so they must be bound to at least u3, manual bind to
// slot u0 failed".
#pragma once

#include "hlsl_tokens.h"
#include "shader_target.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends one "file(line,first-last): error X4509: ..." line per UAV to `errors`.
void CheckPixelUavSlots(const std::vector<HlslToken>& tokens, const ShaderTarget& target,
                        std::string* errors);

} // namespace d3dcompiler_standin
