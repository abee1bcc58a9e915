// "unsigned" in front of a type, which glslang's HLSL front end reserves:
// Windows takes it with integer types ("unsigned int" is uint, "unsigned
// min16int2" is min16uint2) and refuses it with others (X3085). "dword",
// Windows' 32-bit unsigned integer, is read as uint too (glslang took it as
// signed).
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends "file(line,col): error X3085: unsigned can not be used with type"
// for each "unsigned" before a float, half, double or bool type.
void CheckUnsignedTypes(const std::vector<HlslToken>& tokens, std::string* errors);

// "unsigned int3" and "dword" as "uint3" and "uint": adds the edits (one file, before glslang) to
// `edits`.
void RewriteUnsignedTypes(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
