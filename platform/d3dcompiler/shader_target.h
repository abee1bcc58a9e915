// Compilation targets: the vs_, ps_, gs_, hs_, ds_ and cs_ profiles of shader
// model 4.0 to 6.8 that Windows' compiler builds.
#pragma once

#include <shaderc/shaderc.h>

#include <string>

namespace d3dcompiler_standin {

struct ShaderTarget {
    shaderc_shader_kind kind;
    bool vertex; // false: any other stage
    char stage;  // the profile's first letter: 'v', 'p', 'g', 'h', 'd' or 'c'

    int major;
    int minor;
    // D3DCOMPILE_ENABLE_BACKWARDS_COMPATIBILITY: Direct3D 9 semantics such as
    // COLOR for a pixel shader's output are taken.
    bool legacySemantics = false;
};

bool ParseShaderTarget(const char* target, ShaderTarget* parsed, std::string* error);

} // namespace d3dcompiler_standin
