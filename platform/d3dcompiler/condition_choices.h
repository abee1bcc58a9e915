// "#if A ? B : C": C's conditional operator in a preprocessor condition,
// which Windows' preprocessor evaluates as C does and glslang's lacks.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Rewrites each "A ? B : C" of an #if or #elif line as
// "(!!(A) * (B) + !(A) * (C))", which gives the same integer, on the line
// itself: adds the edits (one file, before glslang).
void RewriteConditionChoices(const std::string& source, std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
