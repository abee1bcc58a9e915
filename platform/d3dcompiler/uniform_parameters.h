// "uniform" on a parameter of a function other than the entry point: Windows
// reads it as nothing and converts arguments as for any parameter, where
// glslang stored an int argument into the float parameter unconverted and
// its SPIR-V failed validation.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Blanks those "uniform" words: adds the edits (one file, before glslang) to
// `edits`. The entry point's own uniform parameters are constants the
// program sets and stay.
void BlankHelperUniformParameters(const std::vector<HlslToken>& tokens,
                                  const std::string& entryPoint, std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
