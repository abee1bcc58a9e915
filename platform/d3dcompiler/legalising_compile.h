// glslang's module for an HLSL source, legalised as shaderc legalises it and
// validated after, not before, its legalisation. shaderc validates glslang's
// module before its legalisation passes, which costs a compile more than a
// validation of the smaller legalised module, and some modules are valid only
// after them: glslang hands the EvaluateAttribute* functions a local copy of
// the input, which the legalisation's interpolant fix-up turns back into the
// input itself.
#pragma once

#include "glslang_driver.h"

#include <cstdint>
#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Whether shaderc's failure is its validation of the module before legalising it.
bool FailedBeforeLegalisation(const char* shadercMessage);

// The legalised module, where glslang takes the source without a message and
// the module is valid once legalised; false otherwise, so that shaderc, whose
// messages are read, compiles it instead. A module that is valid before
// legalisation and not after is shaderc's to take.
bool CompileQuietly(const GlslangCompile& request, std::vector<uint32_t>* spirv);

// The legalised module; false, with glslang's words in `log`, where glslang
// refuses the source or legalisation or validation fails.
bool CompileLegalisingFirst(const GlslangCompile& request, std::vector<uint32_t>* spirv,
                            std::string* log);

} // namespace d3dcompiler_standin
