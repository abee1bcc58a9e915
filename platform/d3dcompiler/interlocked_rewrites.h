// RWByteAddressBuffer's Interlocked* methods take uint values. glslang gives
// an unsuffixed integer literal passed to them its int type and then fails
// to legalise the atomic ("expected Value to be of type Result Type"), so
// such literals get their u before glslang reads them.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Adds the edits to `tokens`' text (one file, before glslang) to `edits`.
void SuffixInterlockedMethodLiterals(const std::vector<HlslToken>& tokens,
                                     std::vector<TextEdit>* edits);

// glslang drops InterlockedCompareStore, the intrinsic and the method, from
// its output ("Missing functionality: unknown glslang aggregate"), so that
// nothing is stored. A call that is a statement of its own becomes the
// InterlockedCompareExchange that stores the same, its original value given
// to a local of the destination's type (uint for a raw buffer's method; an
// intrinsic's destination whose type the declarations do not tell is left).
// Call before SuffixInterlockedMethodLiterals, whose suffix then goes in
// front of the added argument.
void RewriteCompareStores(const std::string& source, const std::vector<HlslToken>& tokens,
                          std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
