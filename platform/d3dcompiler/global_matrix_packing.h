// "#pragma pack_matrix" sets the packing of the matrices declared after it,
// globals included. glslang packs every matrix of $Globals by the pragma in
// force at the first global it meets, so each global matrix without
// row_major or column_major of its own gets the keyword of the pragma in
// force where it is declared.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Whether the last pack_matrix pragma before `offset` asks for row_major;
// matrices are column-major without one.
bool PragmaRowMajor(const std::string& source, size_t offset);

// The edits, where `source` holds a pack_matrix pragma; none otherwise.
void WriteGlobalMatrixPacking(const std::string& source, const std::vector<HlslToken>& tokens,
                              std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
