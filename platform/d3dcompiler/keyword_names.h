// Words that Windows' compiler reads as modifiers only where a modifier may
// stand, and elsewhere as names: precise, globallycoherent and the geometry
// shader's primitive types (line, point, triangle, lineadj, triangleadj).
// glslang reserves them everywhere.
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

// Renames each such word that stands as a name (no type or name follows it)
// to a name glslang takes, where no edit already in `edits` replaces it: adds
// the edits (one file, before glslang).
void RenameKeywordsUsedAsNames(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
