// glslang and SPIRV-Tools driven step by step as shaderc drives them for an
// HLSL source (its Compiler::Compile and SpirvToolsOptimize): the same
// settings, resource limits, macro preamble and legalisation passes, so that
// the module is the one shaderc gives. Driving them directly lets a compile
// leave out what shaderc does not: the validation before legalisation, whose
// rules some of glslang's modules meet only after it.
#pragma once

#include "source_files.h"

#include <d3dcompiler.h>
#include <shaderc/shaderc.h>

#include <cstdint>
#include <string>
#include <vector>

namespace d3dcompiler_standin {

struct GlslangCompile {
    const std::string* source;
    std::string path;
    std::string entryPoint;
    shaderc_shader_kind kind;
    const D3D_SHADER_MACRO* defines;
    bool debugInfo;
    IncludeResolver* includes;
};

// glslang's module for the source, before legalisation; false where glslang
// refuses it. `log` gets glslang's messages, warnings included.
bool TranslateHlsl(const GlslangCompile& request, std::vector<uint32_t>* spirv, std::string* log);

// shaderc's HLSL legalisation passes, without the validation it runs first.
bool LegaliseHlslModule(std::vector<uint32_t>* spirv, std::string* log);

// Vulkan 1.1 validation of a legalised module, its block layouts left to the
// stand-in's repairs. Without `worded`, a failure's log is left empty, which
// saves naming every id of the module in advance.
bool ValidateLegalisedModule(const std::vector<uint32_t>& spirv, bool worded, std::string* log);

} // namespace d3dcompiler_standin
