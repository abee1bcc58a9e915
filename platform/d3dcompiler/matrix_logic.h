// &&, || and ! on matrices ("over && under" for bool2x2 values) and ?:
// with a matrix condition, which Windows applies per component and glslang
// refuses on the float matrices bool and integer matrices become: written
// as a function of the operator and shape that applies it row by row.
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

// Adds the edits to `tokens`' text (one file, before glslang) to `edits`.
void RewriteMatrixLogic(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
