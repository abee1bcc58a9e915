// Attribute forms Windows' compiler takes and glslang does not: names in any
// case ([NumThreads] is [numthreads]; glslang knows only the lower-case names
// and ignores the others with a warning). A hull shader's pow2 partitioning is
// pow2_partitioning.h's.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Lowercases the names of the entry point's attributes that glslang reads
// where the source writes them with capitals; [numthreads] without arguments
// keeps its case, so that glslang ignores it as Windows' compiler does outside
// compute shaders. Other functions' attributes, which glslang ignores, keep
// the source's spelling for the messages judged on the rewritten source.
// `source` is the text tokenized: one without "[" before a capital pays nothing more.
void LowercaseAttributeNames(const std::string& source, const std::vector<HlslToken>& tokens,
                             const std::string& entryPoint, std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
