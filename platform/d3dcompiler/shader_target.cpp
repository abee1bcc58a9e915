#include "shader_target.h"

#include <cstring>

namespace d3dcompiler_standin {

bool ParseShaderTarget(const char* target, ShaderTarget* parsed, std::string* error) {
    // "vs_5_0": stage, '_', major digit, '_', minor digit.
    if (target != nullptr && std::strlen(target) == 6 && target[2] == '_' && target[4] == '_' &&
        target[1] == 's' && (target[0] == 'v' || target[0] == 'p' || target[0] == 'c')) {
        int major = target[3] - '0';
        int minor = target[5] - '0';
        bool known =
            (major == 5 && (minor == 0 || minor == 1)) || (major == 6 && minor >= 0 && minor <= 8);
        if (known) {
            parsed->vertex = target[0] == 'v';
            parsed->stage = target[0];
            parsed->kind = parsed->vertex     ? shaderc_vertex_shader
                           : target[0] == 'c' ? shaderc_compute_shader
                                              : shaderc_fragment_shader;
            parsed->major = major;
            parsed->minor = minor;
            return true;
        }
    }
    *error = std::string("error: unsupported compilation target '") +
             (target != nullptr ? target : "(null)") +
             "' (this compiler builds vs_, ps_ and cs_ profiles of shader model 5.0 to 6.8)";
    return false;
}

} // namespace d3dcompiler_standin
