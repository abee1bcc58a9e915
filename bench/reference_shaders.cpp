#include "reference_shaders.h"

#include <shaderc/shaderc.hpp>

namespace bench {
namespace {

// Same constant-buffer layout as the renderer's "uniform0": 384 bytes of frame
// constants, then 128 instance slots of 80 bytes, matrices stored row by row.
const char* const kVertexSource = R"(#version 450
struct InstanceSlot {
    mat4 world;
    vec4 color;
};
layout(set = 0, binding = 0, std140, row_major) uniform Uniform0 {
    mat4 identity;
    mat4 view;
    mat4 projection;
    mat4 unused192;
    vec4 frameConstants[8];
    InstanceSlot slot[128];
};
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec2 uv;
layout(location = 3) in vec4 color;
layout(location = 0) out vec4 outColor;
layout(location = 1) out vec3 outNormal;
layout(location = 2) out vec2 outUv;
void main() {
    InstanceSlot instance = slot[gl_InstanceIndex];
    vec4 worldPosition = vec4(position, 1.0) * instance.world;
    gl_Position = worldPosition * view * projection;
    outColor = instance.color + color;
    outNormal = (vec4(normal, 0.0) * instance.world).xyz;
    outUv = uv;
}
)";

const char* const kFragmentSource = R"(#version 450
layout(location = 0) in vec4 color;
layout(location = 1) in vec3 worldNormal;
layout(location = 2) in vec2 uv;
layout(location = 0) out vec4 target;
const vec3 kLightDirection = vec3(0.32, 0.81, -0.49);
const float kAmbient = 0.25;
const float kEdgeDarkening = 0.15;
void main() {
    vec3 n = normalize(worldNormal);
    float facing = 0.5 + 0.5 * dot(n, normalize(kLightDirection));
    float brightness = kAmbient + (1.0 - kAmbient) * facing;
    vec2 fromCentre = abs(uv - 0.5) * 2.0;
    brightness *= 1.0 - kEdgeDarkening * max(fromCentre.x, fromCentre.y);
    target = vec4(color.rgb * brightness, 1.0);
}
)";

bool Compile(const shaderc::Compiler& compiler, const char* source, shaderc_shader_kind kind,
             const char* name, std::vector<uint32_t>* out, std::string* error) {
    // Unoptimised, as the stand-in compiles normal.hlsl; the driver optimises either way.
    shaderc::CompileOptions options;
    options.SetOptimizationLevel(shaderc_optimization_level_zero);
    options.SetTargetEnvironment(shaderc_target_env_vulkan, shaderc_env_version_vulkan_1_3);
    shaderc::SpvCompilationResult result =
        compiler.CompileGlslToSpv(source, kind, name, "main", options);
    if (result.GetCompilationStatus() != shaderc_compilation_status_success) {
        *error = result.GetErrorMessage();
        return false;
    }
    out->assign(result.cbegin(), result.cend());
    return true;
}

} // namespace

bool CompileReferenceShaders(ReferenceShaders* out, std::string* error) {
    shaderc::Compiler compiler;
    return Compile(compiler, kVertexSource, shaderc_vertex_shader, "reference.vert", &out->vertex,
                   error) &&
           Compile(compiler, kFragmentSource, shaderc_fragment_shader, "reference.frag",
                   &out->fragment, error);
}

} // namespace bench
