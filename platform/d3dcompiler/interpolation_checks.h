// The interpolation modifiers of one signature element judged as Windows
// judges them: nointerpolation with another mode, and a mode that
// interpolates on a pixel shader's integer or bool input.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// The error line for the modifiers in tokens [first, type) of an element
// whose type's name is tokens[type] and whose semantic is `semantic`, or ""
// where they are sound. `pixelInput`: the element is a pixel shader's input.
std::string InterpolationModifierError(const std::vector<HlslToken>& tokens, size_t first,
                                       size_t type, const HlslToken& semantic, bool pixelInput);

} // namespace d3dcompiler_standin
