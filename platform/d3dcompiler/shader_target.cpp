#include "shader_target.h"

#include <cstring>

namespace d3dcompiler_standin {
namespace {

// Whether a profile of this stage and shader model exists: every stage from
// 5.0 on; vertex, pixel, geometry and compute shaders from 4.0 (Microsoft's
// "Specifying Compiler Targets").
bool ProfileExists(char stage, int major, int minor) {
    if (major == 6) {
        return minor >= 0 && minor <= 8;
    }
    if (major == 5) {
        return minor == 0 || minor == 1;
    }
    const bool direct3d10Stage = stage == 'v' || stage == 'p' || stage == 'g' || stage == 'c';
    return major == 4 && (minor == 0 || minor == 1) && direct3d10Stage;
}

shaderc_shader_kind KindOf(char stage) {
    switch (stage) {
    case 'v':
        return shaderc_vertex_shader;
    case 'g':
        return shaderc_geometry_shader;
    case 'h':
        return shaderc_tess_control_shader;
    case 'd':
        return shaderc_tess_evaluation_shader;
    case 'c':
        return shaderc_compute_shader;
    default:
        return shaderc_fragment_shader;
    }
}

} // namespace

bool ParseShaderTarget(const char* target, ShaderTarget* parsed, std::string* error) {
    // "vs_5_0": stage, 's', '_', major digit, '_', minor digit.
    if (target != nullptr && std::strlen(target) == 6 && target[2] == '_' && target[4] == '_' &&
        target[1] == 's' && std::strchr("vpghdc", target[0]) != nullptr) {
        const char stage = target[0];
        const int major = target[3] - '0';
        const int minor = target[5] - '0';
        if (ProfileExists(stage, major, minor)) {
            parsed->vertex = stage == 'v';
            parsed->stage = stage;
            parsed->kind = KindOf(stage);
            parsed->major = major;
            parsed->minor = minor;
            return true;
        }
    }
    *error = std::string("error: unsupported compilation target '") +
             (target != nullptr ? target : "(null)") +
             "' (this compiler builds vs_, ps_, gs_ and cs_ profiles of shader model 4.0 to 6.8 "
             "and hs_ and ds_ profiles of 5.0 to 6.8)";
    return false;
}

} // namespace d3dcompiler_standin
