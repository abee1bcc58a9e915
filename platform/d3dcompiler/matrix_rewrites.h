// Integer and bool matrices ("int2x2", "uint3x3", "bool2x2"), which glslang's
// HLSL front end turns into SPIR-V that cannot exist (integer matrices) or
// crashes on (bool ones), rewritten as float matrices of the same shape.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// For an integer or bool matrix type name ("int2x2"), the function that
// converts a float matrix of its shape as Windows converts into it, and in
// `*definition` its definition; "" for another name.
std::string IntegerMatrixConversion(const std::string& type, std::string* definition);

// Adds the edits to `tokens`' text (one file, before glslang) to `edits`.
void RewriteIntegerMatrices(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
