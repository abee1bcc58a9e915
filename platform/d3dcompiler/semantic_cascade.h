// A semantic on a struct-typed parameter or return value of the entry point
// applies to the struct's members, as the Windows compilers read it: the
// members without a semantic of their own take the semantic's name with
// consecutive indices ("VsOut o : TEXCOORD2" gives TEXCOORD2, TEXCOORD3, ...).
// glslang drops such a semantic, so it is written onto the members.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// The insertions that give the members of each such struct their semantics;
// nothing for a struct used twice by the entry point or holding members
// whose size in registers is not read here (matrices, structs).
void CascadeStructSemantics(const std::vector<HlslToken>& tokens, const std::string& entryPoint,
                            std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
