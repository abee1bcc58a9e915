// Swizzles that read several elements of a matrix ("world._41_42_43",
// "m._m00_m11"), which glslang turns into SPIR-V that stores the wrong type,
// rewritten as a vector built from the single elements, which it reads right.
// Only where the matrix is a name declared with a matrix type the tokens tell,
// and the swizzle is read, not written.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// The element names of a matrix swizzle, "_m00_m11" or "_11_22": each "_m"
// and two digits from 0, or "_" and two digits from 1; none for another name.
std::vector<std::string> MatrixSwizzleElements(const std::string& swizzle);

// Adds the edits to `tokens`' text (one file, before glslang) to `edits`.
void RewriteMatrixSwizzles(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
