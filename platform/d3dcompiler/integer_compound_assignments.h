// Compound assignments of a floating-point value to an integer variable
// ("i *= 1.5" for an int i), which Windows computes in the wider type and
// converts back (10 for i = 7), and glslang computes after converting the
// value to the variable's type (7): written as the assignment of the
// operation, `i = i * (1.5)`.
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

// Adds the edits to `tokens`' text (one file, before glslang) to `edits`.
void RewriteIntegerCompoundAssignments(const std::vector<HlslToken>& tokens,
                                       std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
