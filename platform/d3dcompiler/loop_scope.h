// HLSL's older scoping, which Windows' compiler keeps: a variable declared in
// a for statement's first part ("for (int i = 0; ...)") lives on after the
// loop, to the end of the enclosing block. glslang ends it with the loop, so
// where the block reads the variable after the loop, its declaration is moved
// in front of the loop ("int i; for (i = 0; ...)").
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

// Adds the edits to `tokens`' text (one file, before glslang) to `edits`.
void HoistLoopVariablesReadAfterTheLoop(const std::vector<HlslToken>& tokens,
                                        std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
