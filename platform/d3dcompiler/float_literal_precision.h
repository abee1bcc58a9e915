// A float literal without the L suffix is a 32-bit float even where a double
// takes it (`double x = 0.1;` holds 0.100000001490116...): Microsoft's
// grammar page, "A 32-bit float literal is the default". glslang keeps the
// literal's double value and converts that; in a source that uses doubles,
// each such literal a float cannot hold exactly is written as the float it
// is, so that both agree.
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

void RoundFloatLiteralsNearDoubles(const std::vector<HlslToken>& tokens,
                                   std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
