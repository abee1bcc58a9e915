// Overloads that differ only in taking one of two structures of the same
// components (`Pick(TypeA)` and `Pick(TypeB)`, each a float3): Windows'
// compiler converts either structure to the other at no cost, so a call with
// either is ambiguous (X3067; DirectXShaderCompiler issue 1694 records that
// fxc refuses such a call). glslang told the two apart by name.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends "file(line,col): error X3067: 'Pick': ambiguous function call" for
// each call whose argument at such a position is a variable of one of the
// two structures.
void CheckStructureOverloads(const std::vector<HlslToken>& tokens, std::string* errors);

} // namespace d3dcompiler_standin
