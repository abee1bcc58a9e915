// RWByteAddressBuffer's Interlocked* methods take uint values. glslang gives
// an unsuffixed integer literal passed to them its int type and then fails
// to legalise the atomic ("expected Value to be of type Result Type"), so
// such literals get their u before glslang reads them.
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

// Adds the edits to `tokens`' text (one file, before glslang) to `edits`.
void SuffixInterlockedMethodLiterals(const std::vector<HlslToken>& tokens,
                                     std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
