// glslang's module for an HLSL source, legalised as shaderc legalises it but
// without validating it first. shaderc validates glslang's module before its
// legalisation passes, and some modules are valid only after them: glslang
// hands the EvaluateAttribute* functions a local copy of the input, which the
// legalisation's interpolant fix-up turns back into the input itself.
#pragma once

#include "source_files.h"

#include <d3dcompiler.h>
#include <shaderc/shaderc.h>

#include <cstdint>
#include <string>
#include <vector>

namespace d3dcompiler_standin {

struct LegalisingCompile {
    const std::string* source;
    std::string path;
    std::string entryPoint;
    shaderc_shader_kind kind;
    const D3D_SHADER_MACRO* defines;
    bool debugInfo;
    IncludeResolver* includes;
};

// Whether shaderc's failure is its validation of the module before legalising it.
bool FailedBeforeLegalisation(const char* shadercMessage);

// The legalised module; false, with glslang's words in `log`, where glslang
// refuses the source or legalisation fails.
bool CompileLegalisingFirst(const LegalisingCompile& request, std::vector<uint32_t>* spirv,
                            std::string* log);

} // namespace d3dcompiler_standin
