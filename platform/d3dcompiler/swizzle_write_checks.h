// A swizzle that names one component twice is no l-value: `v.xx = 1` is
// refused by Windows' compilers, where glslang writes the component twice.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends one error line per assignment (plain or compound) to such a
// swizzle. fxc's number and words for it were not found quoted; the words
// are our own.
void CheckRepeatedSwizzleWrites(const std::vector<HlslToken>& tokens, std::string* errors);

} // namespace d3dcompiler_standin
