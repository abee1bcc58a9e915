// Which of the rarely written forms some rewrites handle a source's tokens
// may hold, found in one pass over them, so that a source with none of them
// (the demo's) pays one loop rather than one per rewrite. Each answer may be
// yes where the rewrite then finds nothing; never no where it would.
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

struct RareForms {
    bool minPrecisionMatrix = false;    // min16float2x2 and its kin
    bool thinMatrix = false;            // a matrix of one row or one column
    bool constObject = false;           // "const" before a name no numeric type has
    bool matrixCast = false;            // "(" a matrix type ")"
    bool classOrInterface = false;      // "class" or "interface"
    bool ownTypeMethod = false;         // a structure's name inside its own body
    bool staticOrOutsideMember = false; // "static" or a method's "();" in a structure's body
    bool structureMethod = false;       // a method's body in a structure's
    bool bufferArray = false;           // an array of structured or raw buffers
    bool effectObject = false;          // a word that may start an effect's statement
    bool structureBuffer = false;       // Buffer or RWBuffer of no numeric type
};

RareForms FindRareForms(const std::vector<HlslToken>& tokens);

} // namespace d3dcompiler_standin
